#pragma once
// Replacing a file's bytes so that a failure at any point leaves the old file whole: the
// bytes go to a temporary file beside it, synced, then renamed over it. The replacement keeps
// the mode, group and access list of the file it replaces, so every learner of a shared
// installation can still write it, and a new file gets what the umask gives, or the folder's
// default access list where it has one; a symlinked file is written at its target. A read-only
// file is not replaced. A folder that refuses the temporary file gets a careful write in place
// instead, its room taken before a byte changes.
#include <string>

// Returns 0, or the errno value of what failed.
int ReplaceFile(const std::string& path, const std::string& bytes);

// The file a write changes: a symlink's target, so that the link stays a link.
std::string WrittenPath(const std::string& path);
