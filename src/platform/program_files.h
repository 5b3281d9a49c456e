#pragma once
// Where the program finds what it ships. Everything shipped is found from
// the program's own folder, so that an installed tree can be moved as a whole: beside the
// program in the build tree, under its prefix once installed (<prefix>/bin/qz-typing-tutor,
// <prefix>/lib/qz-typing-tutor, <prefix>/share/qz-typing-tutor).
#include <string>

// The shipped data and the translations.
inline constexpr const char* kInstalledShare = "share/qz-typing-tutor";

// programDir + "/" + name when that exists (the build tree), else programDir + "/../" +
// installed.
std::string ShippedPath(const std::string& programDir, const std::string& name,
                        const std::string& installed);
