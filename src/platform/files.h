#pragma once
// File names from INI files were written on a case-insensitive system: a bare name that does
// not exist as written is looked up in its folder without regard to case.
#include <string>
#include <vector>

// dir + "/" + name, with name matched without regard to case when it does not exist as
// written; an absolute name is kept. The path is returned even when nothing matches.
std::string ResolvePath(const std::string& dir, const std::string& name);
bool FileExists(const std::string& path);
// Names (without folder) of the regular files in dir whose extension is ext ("txt"), compared
// without regard to case, sorted by name without regard to case.
std::vector<std::string> ListFilesWithExtension(const std::string& dir, const std::string& ext);
// The whole file; throws AppError "File not found" or "File access denied".
std::string ReadWholeFile(const std::string& path);
// The first maxBytes of a file (or less when shorter), same errors.
std::string ReadFilePrefix(const std::string& path, size_t maxBytes);
bool EqualsIgnoreCase(const std::string& a, const std::string& b);
