#pragma once
// Every setting of the two INI files in one place: file, section, key, the default a read
// gives for a missing or invalid value, and the range a value must lie in to be taken.
#include <climits>
#include <cstddef>

#include "platform/colors.h"

namespace settings {

inline constexpr const char* kGlobalFileName = "qz.ini";    // shared by all learners
inline constexpr const char* kLearnerFileName = "qzc.ini";  // one section per learner

// qz.ini. The layout keys are S1, S2, ... in both sections; they are only written: reading
// pairs names and files by their position.
inline constexpr const char* kLayoutNamesSection = "LAYOUTNAMES";
inline constexpr const char* kLayoutFilesSection = "LAYOUTFILENAMES";
inline constexpr const char* kLayoutKeyPrefix = "S";
inline constexpr const char* kSettingSection = "SETTING";
inline constexpr const char* kPasswordKey = "password";  // default empty
inline constexpr size_t kPasswordMaxLength = 10;
inline constexpr const char* kCurrentUserKey = "CurrentUser";
inline constexpr const char* kDefaultLearner = "Learner";  // also CurrentUser's default

struct IntSetting {
  const char* key;
  int defaultValue;
  int min;
  int max;
  int Checked(int value) const { return value >= min && value <= max ? value : defaultValue; }
};
struct BoolSetting {
  const char* key;
  bool defaultValue;
};
struct TextSetting {
  const char* key;
  const char* defaultValue;
};

// qzc.ini, in the order in which a learner's section is written.
inline constexpr IntSetting kProgress{"Progress", 0, 0, INT_MAX};
// Milliseconds. Every 32-bit value is taken: a negative one was wrapped by a 32-bit writer.
inline constexpr IntSetting kTimeTotal{"TimeTotal", 5, INT_MIN, INT_MAX};
inline constexpr TextSetting kCourseText{"coursetext", "qzcourse.txt"};
inline constexpr TextSetting kPracticeText{"practicetext", "qz.txt"};
inline constexpr TextSetting kGameText{"gametext", "qzgame.txt"};
inline constexpr TextSetting kFontName{"fontname", "MS Sans Serif"};
// -1: no layout selected.
inline constexpr IntSetting kCurrentLayout{"currentlayout", 0, -1, INT_MAX};
inline constexpr BoolSetting kEnableGame{"enablegame", true};
// Points; 0 asks for the default size.
inline constexpr IntSetting kFontSize{"fontsize", 12, 0, 100};
inline constexpr IntSetting kBlinkingColor{"blinkingcolor", 255, 0, 0xFFFFFF};
// The mastery goals (MasteryGoals' defaults), written after the others once a value differs
// from its default and from then on: the section of a learner who never set them stays as it was.
// A share wrong fades with practice but never reaches 0 %: the strictest goal is 1 %.
inline constexpr IntSetting kGoalErrorPercent{"GoalErrorPercent", 3, 1, 50};
inline constexpr IntSetting kGoalKeysPerMinute{"GoalKeysPerMinute", 150, 30, 600};

// The in-memory values before any learner is read.
inline constexpr int kInitialFontSize = 10;
inline constexpr const char* kInitialFontName = "Courier New";
inline constexpr Color kInitialBlinkingColor = clBlack;

// The sizes the practice font chooser offers.
inline constexpr int kFontDialogMinSize = 0;
inline constexpr int kFontDialogMaxSize = 24;

// Fitting the practice windows to the screen: above kWidenAbove points they take the
// screen's width less kWidenMargin; the size is then capped on small screens.
inline constexpr int kWidenAbove = 18;
inline constexpr int kWidenMargin = 10;
inline constexpr int kLargeScreenWidth = 800;  // from here on at most kLargeScreenMaxSize
inline constexpr int kLargeScreenMaxSize = 28;
inline constexpr int kSmallScreenWidth = 640;  // up to here at most kSmallScreenMaxSize
inline constexpr int kSmallScreenMaxSize = 20;

}  // namespace settings
