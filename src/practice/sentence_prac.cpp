#include "practice/sentence_prac.h"

#include <QTextEdit>

TFmSentencePrac::TFmSentencePrac(WindowContext& context, KeyGuides& guides,
                                 stopwatch& practiceStopwatch, QWidget* parent)
    : TFmLinePractice(context, guides, practiceStopwatch, parent) {
  setObjectName("FmSentencePrac");
  setWindowTitle("Sentence Drills");
}

void TFmSentencePrac::SetTextFile(const std::string& name) {
  TextFileName = name;
  TextStale = true;
  TextLines.clear();
}

bool TFmSentencePrac::LoadTextFile() {
  TextStale = false;
  NextLine();
  return !TextLines.empty();
}

void TFmSentencePrac::NextLine() {
  ClearTyping();
  SetUpLine(TextLines.empty() ? std::string()
                              : TextLines[static_cast<size_t>(
                                    context_.random.Below(static_cast<int>(TextLines.size())))]);
}
