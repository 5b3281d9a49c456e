#include "practice/letter_prac.h"

#include <algorithm>

#include "platform/key_codes.h"
#include "platform/translation.h"

namespace {
constexpr size_t kMaxDrillText = 40;
constexpr size_t kDrillLineWidth = 80;
}  // namespace

std::string BuildDrillLine(const std::string& text) {
  const size_t copies = std::max<size_t>(1, kDrillLineWidth / (text.size() + 2));
  std::string line = text;
  for (size_t i = 1; i < copies; ++i) line += " " + text;
  return line;
}

TFmLetterPrac::TFmLetterPrac(WindowContext& context, KeyGuides& guides,
                             stopwatch& practiceStopwatch, QWidget* parent)
    : TFmLinePractice(context, guides, practiceStopwatch, parent) {
  setObjectName("FmLetterPrac");
  setWindowTitle(tr("Free Drills"));
  ShowStatus(Translated("Practice", kFreeDrillsHelp));
}

bool TFmLetterPrac::RichEdit1KeyDown(int vk) {
  switch (vk) {
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_DELETE:
      return true;
    case VK_INSERT:
      DrillDefined = false;
      NextLine();
      return false;
    default:
      return false;
  }
}

void TFmLetterPrac::NextLine() {
  if (!DrillDefined) {
    const std::string answer = context_.dialogs
                                   .InputBox(Translated("Dialogs", kInputBoxCaption),
                                             Translated("Practice", kDrillPrompt), kDrillDefault)
                                   .substr(0, kMaxDrillText);
    if (answer == kDrillDefault) {
      DrillDefined = true;
    } else if (!answer.empty()) {
      engine_.SetUpLine(BuildDrillLine(answer));
      DrillDefined = true;
    }
  }
  ClearTyping();
  engine_.Restart();
  ShowNextAt(1);
}
