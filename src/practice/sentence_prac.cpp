#include "practice/sentence_prac.h"

#include "platform/files.h"

TFmSentencePrac::TFmSentencePrac(WindowContext& context, KeyGuides& guides,
                                 stopwatch& practiceStopwatch, QWidget* parent)
    : TFmLinePractice(context, guides, practiceStopwatch, parent) {
  setObjectName("FmSentencePrac");
  setWindowTitle(tr("Sentence Drills"));
  context_.random.Reseed();
}

void TFmSentencePrac::SetTextFile(const std::string& name) {
  TextFileName = name;
  TextStale = true;
  TextLines.clear();
}

bool TFmSentencePrac::LoadTextFile() {
  TextLines.clear();
  try {
    TextLines = ReadLineText(ResolvePath(context_.workDir, TextFileName));
  } catch (...) {
    NextLine();  // no line of an earlier file stays up
    throw;
  }
  TextStale = false;
  NextLine();
  return !TextLines.empty();
}

void TFmSentencePrac::NextLine() {
  ClearTyping();
  if (TextLines.empty()) {
    engine_.SetUpLine(std::string());
    return;
  }
  engine_.SetUpLine(SampleOf(TextLines[context_.random.Below(TextLines.size())]));
}
