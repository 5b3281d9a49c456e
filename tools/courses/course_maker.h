#pragma once
// Touch-typing courses made from a keyboard layout and a list of words of its language.
//
// A course brings the keys in the order a learner's fingers reach them: the home keys of the
// two index fingers, the other home keys a pair at a time, the rest of the home row, then the
// letters of the top, bottom and number rows finger by finger (two new keys at most, the most
// used letters first), capitals, the punctuation keys one at a time and last the number row,
// two keys at a time. Each new key is drilled alone and with the keys before it, and then
// used in real words as soon as the list holds words that the keys learned so far can type.
// Every line uses only what was taught on it or before it, and fits a course line.
//
// Accent marks (^ ` ´ ¨ ~) are left out: on many keyboards they are dead keys. Characters
// reached with AltGr are left out too.
#include <stdexcept>
#include <string>
#include <vector>

#include "keyboard/layout.h"

class CourseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A course line holds at most this many characters.
inline constexpr size_t kCourseLineMax = 80;

// The words of a list: UTF-8 text, words separated by white space, lines starting with #
// are comments. Words come back in the code page, each once, in list order. Throws
// CourseError naming a word the code page cannot hold.
std::vector<std::string> ReadWordList(const std::string& utf8Text);

// The lines of the course for a layout (code page bytes). Throws CourseError when the layout
// lacks a home key for one of the eight fingers.
std::vector<std::string> MakeCourse(const LayoutRec& layout, const std::vector<std::string>& words);

// The lines as a course file, each ended by CR LF.
std::string CourseFileText(const std::vector<std::string>& lines);

// One entry of the list of shipped courses: "<layout file> <word list> <course file>".
struct CourseEntry {
  std::string layoutFile;
  std::string wordList;
  std::string courseFile;
};
// Lines starting with # and empty lines are skipped; throws CourseError for a line that is
// not three names.
std::vector<CourseEntry> ReadCourseList(const std::string& text);
