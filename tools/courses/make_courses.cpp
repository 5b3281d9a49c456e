// Writes the shipped courses: for every entry of the folder's courses.txt, the course of the
// entry's layout file in the data folder, made with its material, into the data folder.
//   make_courses <course folder> <data folder>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "course_maker.h"
#include "keyboard/layout_file.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_courses <course folder> <data folder>\n";
    return 2;
  }
  const fs::path courses = argv[1];
  const fs::path data = argv[2];
  try {
    for (const CourseEntry& entry :
         ReadCourseList(ReadWholeFile((courses / "courses.txt").string()))) {
      LayoutRec layout;
      ReadLayoutFile((data / entry.Field("layout")).string(), layout);
      const std::vector<std::string> lines =
          MakeCourse(layout, ReadMaterial(entry, courses.string(), data.string()));
      const fs::path target = data / entry.courseFile;
      std::ofstream out(target, std::ios::binary);
      out << CourseFileText(lines);
      if (!out.flush()) throw AppError("Unable to write to " + target.string());
      std::cout << target.string() << ": " << lines.size() << " lines\n";
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
