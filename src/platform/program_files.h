#pragma once
// Where the program finds what it ships and where it works. Everything shipped is found from
// the program's own folder, so that an installed tree can be moved as a whole: beside the
// program in the build tree, under its prefix once installed (<prefix>/bin/qz-typing-tutor,
// <prefix>/lib/qz-typing-tutor, <prefix>/share/qz-typing-tutor).
#include <string>

// The shipped data: the translations, and in seed/ the files a working folder is seeded from.
// In a folder of their own, the seed files are never the learner's: installed under ~/.local,
// share/qz-typing-tutor is the learner's own working folder, which an install would overwrite.
inline constexpr const char* kInstalledShare = "share/qz-typing-tutor";
inline constexpr const char* kInstalledSeed = "share/qz-typing-tutor/seed";

// programDir + "/" + name when that exists (the build tree), else programDir + "/../" +
// installed.
std::string ShippedPath(const std::string& programDir, const std::string& name,
                        const std::string& installed);

struct WorkFolder {
  std::string path;
  std::string error;  // what keeps the program from working there, empty when nothing
};

// The folder the program works in: requested when given (the --folder option); else current
// when it holds the program's files (qz.ini) and is not seedFrom; else dataHome +
// "/qz-typing-tutor". The chosen folder is created and seeded from seedFrom with every regular
// file it lacks; a file it has is never overwritten.
WorkFolder ChooseWorkFolder(const std::string& requested, const std::string& current,
                            const std::string& dataHome, const std::string& seedFrom);

// $XDG_DATA_HOME, or ~/.local/share when it is not set.
std::string DataHome();
