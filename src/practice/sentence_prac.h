#pragma once
// TFmSentencePrac, the sentence drills: random lines of the practice text. It also owns the
// loading of a line text file, which the course reuses.
#include <QCoreApplication>
#include <string>

#include "platform/line_text.h"
#include "practice/line_practice.h"

class TFmSentencePrac : public TFmLinePractice {
  Q_DECLARE_TR_FUNCTIONS(TFmSentencePrac)

 public:
  TFmSentencePrac(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                  QWidget* parent = nullptr);

  // A bare name is looked up in the working folder.
  void SetTextFile(const std::string& name);
  const std::string& TextFile() const { return TextFileName; }
  // Reads the file (stale or not) and sets up a line; true when it has a line. Throws
  // AppError when the file cannot be read; the lines are then empty.
  virtual bool LoadTextFile();
  void NextLine() override;
  // The lines of the file last loaded.
  const LineText& Text() const { return TextLines; }

 protected:
  LineText TextLines;
  std::string TextFileName;
  bool TextStale = false;
};
