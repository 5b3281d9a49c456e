#pragma once
// TFmLetterPrac, the free drills: a short text of the learner's own, repeated to fill a line,
// drilled again and again until Insert asks for another.
#include <QCoreApplication>
#include <QtGlobal>

#include "practice/line_practice.h"

inline constexpr const char* kDrillPrompt =
    QT_TRANSLATE_NOOP("Practice", "Please input what you like to practise:");
inline constexpr const char* kDrillDefault = "qwerty";
inline constexpr const char* kFreeDrillsHelp =
    QT_TRANSLATE_NOOP("Practice", "Please press the Insert key for defining the example line.");

// n = 80 div (L + 2) copies of text (at least one) joined by single spaces.
std::string BuildDrillLine(const std::string& text);

class TFmLetterPrac : public TFmLinePractice {
  Q_DECLARE_TR_FUNCTIONS(TFmLetterPrac)

 public:
  TFmLetterPrac(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                QWidget* parent = nullptr);

  void NextLine() override;
  bool RichEdit1KeyDown(int vk) override;

 private:
  bool DrillDefined = false;
};
