#include "practice/course_navigation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/errors.h"
#include "platform/translation.h"

namespace {
constexpr size_t kMaxGoToAnswer = 10;

int Previous(int line, int count, Dialogs& dialogs) {
  if (count == 0 || line - 1 < 0) {
    dialogs.Inform(Translated("Practice", kBeginningOfCourse));
    return line;
  }
  return line - 1;
}

int Next(int line, int count, Dialogs& dialogs) {
  if (line >= count - 1) {
    dialogs.Inform(Translated("Practice", kEndOfCourse));
    return line;
  }
  return line + 1;
}

int GoTo(int line, int count, Dialogs& dialogs) {
  const std::string answer =
      dialogs
          .InputBox(Translated("Dialogs", kInputBoxCaption), Translated("Practice", kGoToPrompt),
                    std::to_string(int64_t{line} + 1))
          .substr(0, kMaxGoToAnswer);
  int number = 0;
  if (!TryStrToInt(answer, number)) {
    dialogs.Inform(Translated("Practice", kInvalidInput));
    return line;
  }
  return number >= 1 && number <= count ? number - 1 : line;
}
}  // namespace

int ShownCourseLine(int courseLine, int lineCount) {
  return lineCount > 0 ? std::clamp(courseLine, 0, lineCount - 1) : courseLine;
}

int NavigateCourse(int courseLine, int lineCount, int request, bool lineEnded, Dialogs& dialogs) {
  const int shown = ShownCourseLine(courseLine, lineCount);
  int line = shown;
  switch (request) {
    case kNavPrevious:
      line = Previous(line, lineCount, dialogs);
      break;
    case kNavNext:
      line = Next(line, lineCount, dialogs);
      break;
    case kNavGoTo:
      line = GoTo(line, lineCount, dialogs);
      break;
    default:
      break;
  }
  if (lineEnded) line = Next(line, lineCount, dialogs);
  return line == shown ? courseLine : line;
}

std::optional<LessonStart> LessonStartingAt(const LineText& course, int line) {
  if (line <= 0 || line >= course.size()) return std::nullopt;
  std::array<bool, 256> seen{};
  seen[' '] = true;
  // The characters of a line that no earlier line holds, now seen.
  const auto fresh = [&seen](std::string_view text) {
    std::string found;
    for (char c : text) {
      bool& known = seen[static_cast<unsigned char>(c)];
      if (!known) found += c;
      known = true;
    }
    return found;
  };
  LessonStart lesson;
  for (int i = 0; i < line; ++i) {
    const std::string brought = fresh(course[i]);
    lesson.taught += brought;
    if (!brought.empty()) lesson.previousKeys = brought;
  }
  if (fresh(course[line]).empty()) return std::nullopt;
  return lesson;
}
