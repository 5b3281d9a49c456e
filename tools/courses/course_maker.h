#pragma once
// Touch-typing courses made from a keyboard layout and the material of its language.
//
// The course brings the keys as a teacher does: the home keys of the index fingers, the other
// home keys a finger pair at a time, then the other letters one or two at a time, the letters
// of the language's prose most used first. Then capitals (one hand's letters with the other
// hand's Shift), the letters typed with dead keys where the language needs them, punctuation
// one mark at a time in the order writers use the marks, the digits in numbers as they are
// written, and last the rarer symbols in the phrases where writers meet them. Each step is a
// lesson of drills, letter groups, real words (the common ones most often), review lines and,
// once capitals and the period allow, real sentences of the practice text; the course ends
// with sentences. Every line uses only what was taught on it or before it, and fits a course
// line.
//
// Accent marks (^ ` ´ ¨ ~) are dead keys on many keyboards and never stand alone in a course;
// characters reached with AltGr are left out.
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "keyboard/layout.h"

class CourseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A course line holds at most this many characters.
inline constexpr size_t kCourseLineMax = 80;

// What a course of one language is made from, in the code page.
struct CourseMaterial {
  std::vector<std::string> words;      // the word list, commonest first
  std::vector<std::string> text;       // the lines of the practice text
  std::vector<std::string> numbers;    // number uses with {n}, {h}, {mm}, {year}, {cents}
  std::vector<std::string> phrases;    // marks and symbols as writers use them
  std::string accents;                 // letters typed with a dead key that the course teaches
  std::set<std::string> avoidedWords;  // sentences holding one are not taught
};

// The words of a list: UTF-8 text, words separated by white space, lines starting with #
// are comments. Words come back in the code page, each once, in list order. Throws
// CourseError naming a word the code page cannot hold.
std::vector<std::string> ReadWordList(const std::string& utf8Text);

// A spelling map: lines of "<word> <its spelling here>", # comments. Throws CourseError for
// a line that is not two words.
std::map<std::string, std::string> ReadSpelling(const std::string& utf8Text);
// The list with the map's spellings; every word the map respells goes into avoided, so that
// sentences holding one are left out.
std::vector<std::string> Respelled(const std::vector<std::string>& words,
                                   const std::map<std::string, std::string>& spelling,
                                   std::set<std::string>& avoided);

// A list of uses: a section "[numbers]" and a section "[phrases]", one use a line, # comments.
void ReadUses(const std::string& utf8Text, CourseMaterial& material);

// The dead key and the letter that make a letter such as ê (^ and e), or nothing.
std::optional<std::pair<char, char>> DeadKeyParts(char letter);

// The lines of the course for a layout (code page bytes). Throws CourseError when the layout
// lacks a home key for one of the eight fingers.
std::vector<std::string> MakeCourse(const LayoutRec& layout, const CourseMaterial& material);

// The lines as a course file, each ended by CR LF.
std::string CourseFileText(const std::vector<std::string>& lines);

// One entry of the list of shipped courses: the course file, then name=value fields: layout,
// words, text (the practice text), uses, and optionally spelling, accents and dictionary (the
// spell checker's dictionary of the language).
struct CourseEntry {
  std::string courseFile;
  std::map<std::string, std::string> fields;
  std::string Field(const std::string& name) const;  // empty when absent
};
// Lines starting with # and empty lines are skipped; throws CourseError for a line without
// layout, words, text and uses, or with a field that is not name=value.
std::vector<CourseEntry> ReadCourseList(const std::string& text);

// The material of an entry: word list, spelling, uses and accents from the course folder, the
// practice text from the data folder.
CourseMaterial ReadMaterial(const CourseEntry& entry, const std::string& courseFolder,
                            const std::string& dataFolder);
