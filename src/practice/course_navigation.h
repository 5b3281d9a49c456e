#pragma once
// Moving through the course: one step of the course window's line choice, free of the window.
#include <QtGlobal>
#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/line_text.h"

// The course window's NavRequest values.
inline constexpr int kNavPrevious = 1;
inline constexpr int kNavNext = 2;
inline constexpr int kNavGoTo = 3;
inline constexpr int kNavSwallowed = 9;
inline constexpr int kNavNone = 10;

inline constexpr const char* kBeginningOfCourse =
    QT_TRANSLATE_NOOP("Practice", "Beginning of the course.");
inline constexpr const char* kEndOfCourse = QT_TRANSLATE_NOOP("Practice", "End of the course.");
inline constexpr const char* kGoToPrompt =
    QT_TRANSLATE_NOOP("Practice", "Please input a number to goto somewhere of the course:");
inline constexpr const char* kInvalidInput = QT_TRANSLATE_NOOP("Practice", "Invalid input.");
inline constexpr const char* kCourseHelp = QT_TRANSLATE_NOOP(
    "Practice",
    "Press the -> key to the next, the <- key to the previous, the Insert key to anywhere.");

// The line (0-based) shown for a course line: a stored line outside the course is shown as
// the nearest one. Only meaningful when the course has lines.
int ShownCourseLine(int courseLine, int lineCount);

// The course line (0-based) after a navigation request and, when lineEnded, the step to the
// next line that a completed or skipped line makes. Steps start from the shown line. When the
// shown line does not change, the course line is returned as it was: a stored progress beyond
// a shorter course (or in an empty one) survives until the learner moves.
int NavigateCourse(int courseLine, int lineCount, int request, bool lineEnded, Dialogs& dialogs);

// A course line that brings characters no earlier line holds starts a lesson.
struct LessonStart {
  std::string taught;        // the characters of the lines before it
  std::string previousKeys;  // those that the previous lesson's first line brought
};
// The lesson that line (0-based) starts; nothing for a line inside a lesson or the first one.
std::optional<LessonStart> LessonStartingAt(const LineText& course, int line);
