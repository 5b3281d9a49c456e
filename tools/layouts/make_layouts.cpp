// Writes the shipped keyboard layouts: every <name>.layout of a description folder, with the
// folder's look.txt, becomes <name>.key in the output folder.
//   make_layouts <description folder> <output folder>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "keyboard/layout_file.h"
#include "layout_description.h"
#include "platform/files.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_layouts <description folder> <output folder>\n";
    return 2;
  }
  const fs::path descriptions = argv[1];
  const fs::path output = argv[2];
  try {
    const std::string look = ReadWholeFile((descriptions / "look.txt").string());
    std::vector<fs::path> keyboards;
    for (const auto& entry : fs::directory_iterator(descriptions)) {
      if (entry.path().extension() == ".layout") keyboards.push_back(entry.path());
    }
    std::sort(keyboards.begin(), keyboards.end());
    for (const fs::path& keyboard : keyboards) {
      try {
        const LayoutRec layout = DescribeLayout(look, ReadWholeFile(keyboard.string()));
        const fs::path target = output / (keyboard.stem().string() + ".key");
        WriteLayoutFile(target.string(), layout);
        std::cout << target.string() << ": " << layout.KeyCount << " keys\n";
      } catch (const DescriptionError& error) {
        std::cerr << keyboard.string() << ": " << error.what() << "\n";
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
