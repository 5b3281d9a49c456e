#pragma once
// TFmSentencePrac, the sentence drills: random lines of the practice text. It also owns the
// loading of a line text file, which the course reuses.
#include <string>
#include <vector>

#include "practice/line_practice.h"

class TFmSentencePrac : public TFmLinePractice {
 public:
  TFmSentencePrac(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                  QWidget* parent = nullptr);

  void SetTextFile(const std::string& name);
  bool LoadTextFile();
  void NextLine() override;

  std::vector<std::string> TextLines;
  std::string TextFileName;
  bool TextStale = false;
};
