#pragma once
// The two settings files as plain values: what qz.ini holds for all learners and what one
// learner's section of qzc.ini holds, read with each key's default and range and written in
// the fixed key order. The Options window moves these values into and out of its controls.
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/colors.h"
#include "platform/ini_file.h"
#include "practice/key_mastery.h"

struct GlobalSettings {
  // Equally long; entry k of both describes layout k.
  std::vector<std::string> LayoutNames;
  std::vector<std::string> LayoutFileNames;
  std::string DesignerPassword;  // at most 10 characters
  std::string CurrentUser;
};

struct LearnerSettings {
  int Progress = 0;
  int64_t TimeTotal = 5;  // written saturated at 2147483647
  std::string CourseText;
  std::string PracticeText;
  std::string GameText;
  std::string FontName;
  int CurrentLayout = 0;
  bool EnableGame = true;
  int FontSize = 12;
  Color BlinkingColor = 255;
  MasteryGoals Goals;
};

// Entries with an empty value are skipped; names and files are paired by position and
// entries without a partner dropped. Throws AppError when the file cannot be read or a
// section read holds a header without its "]".
GlobalSettings ReadGlobalSettings(const IniFile& global);
// Rewrites both layout sections (S1..Sn), then "password" and "CurrentUser", in one replace
// of the file: a refused write (an AppError) changes nothing.
void WriteGlobalSettings(IniFile& global, const GlobalSettings& settings);

// Section names of qzc.ini sorted by NameSortsBefore; names that differ only in case
// name one section, so only the first of them is listed.
std::vector<std::string> ReadLearnerNames(const IniFile& learners);
// A missing section or key reads as the new learner's default. A negative "TimeTotal" was
// wrapped by an older 32-bit writer after about 596 hours: it reads as the unsigned value
// it came from.
LearnerSettings ReadLearnerSettings(const IniFile& learners, const std::string& name);
// The ten keys in their fixed order, then each goal that differs from its default or is in the
// section already, in one replace of the file.
void WriteLearnerSettings(IniFile& learners, const std::string& name,
                          const LearnerSettings& settings);
// The same with settings.TimeTotal replaced by the total the file holds at the moment of the
// write plus addedTime (ms): time another instance saved for the learner meanwhile is kept.
void SaveLearnerSettings(IniFile& learners, const std::string& name, LearnerSettings settings,
                         int64_t addedTime);

// The course, practice text and game text shipped for a shipped layout ("de.key":
// "qzcourse-de.txt", "qz-de.txt", "qzgame-de.txt"), with the question that offers them; nothing
// for a layout of the learner's own.
struct LayoutContent {
  std::string course;
  std::string practiceText;
  std::string gameText;
  const char* question;
};
std::optional<LayoutContent> ContentOfLayout(const std::string& layoutFile);

// Why a learner name (already trimmed) cannot name a section, or empty when it can: it must
// not hold "]" or a control character such as a line break, nor be wrapped in quotes.
std::string LearnerNameProblem(const std::string& name);

// Milliseconds of practice in 32 bits: the sum stops at the largest value instead of
// turning negative.
int AddPracticeTime(int64_t stored, int64_t run);

// The text without the white space an INI file trims from names and values.
std::string TrimIniSpace(const std::string& text);
