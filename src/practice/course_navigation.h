#pragma once
// Moving through the course: one step of the course window's line choice, free of the window.
#include "platform/dialogs.h"

// The course window's NavRequest values.
inline constexpr int kNavPrevious = 1;
inline constexpr int kNavNext = 2;
inline constexpr int kNavGoTo = 3;
inline constexpr int kNavSwallowed = 9;
inline constexpr int kNavNone = 10;

inline constexpr const char* kBeginningOfCourse = "Beginning of the course.";
inline constexpr const char* kEndOfCourse = "End of the course.";
inline constexpr const char* kGoToPrompt = "Please input a number to goto somewhere of the course:";
inline constexpr const char* kInvalidInput = "Invalid input.";
inline constexpr const char* kCourseHelp =
    "Press the -> key to the next, the <- key to the previous, the Insert key to anywhere.";

// The course line (0-based) after a navigation request and, when lineEnded, the step to the
// next line that a completed or skipped line makes. A line outside the course is first
// clamped to the nearest one; an empty course keeps the line as it is, so a stored progress
// survives until a course with lines is loaded.
int NavigateCourse(int courseLine, int lineCount, int request, bool lineEnded, Dialogs& dialogs);
