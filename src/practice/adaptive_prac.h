#pragma once
// TFmAdaptivePrac, the adaptive drills: lines made by an AdaptiveDrill from the learner's
// recorded lines, each finished line teaching the drill at once. Above the typing box the
// window names the focus and its distance from the learner's goals.
#include <QCoreApplication>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "practice/adaptive_drill.h"
#include "practice/line_practice.h"

class QLabel;

// What a drill is made from, asked for each time the window opens.
struct AdaptiveSource {
  std::function<AdaptiveMaterial()> material;
  std::function<std::vector<LineKeyFigures>()> history;  // the learner's lines, oldest first
  std::function<MasteryGoals()> goals;
};

class TFmAdaptivePrac : public TFmLinePractice {
  Q_DECLARE_TR_FUNCTIONS(TFmAdaptivePrac)

 public:
  TFmAdaptivePrac(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                  AdaptiveSource source, QWidget* parent = nullptr);

  // A drill on all the keys the learner has come to.
  void Start();
  // lines lines on exactly these keys (those a course has taught), then the window closes.
  void StartOnKeys(const std::string& keys, int lines);
  // A drill whose focus is among these keys.
  void StartFocusedOn(const std::string& keys);
  void NextLine() override;
  // The drill under way; nothing before the first start.
  const AdaptiveDrill* Drill() const { return drill_ ? &*drill_ : nullptr; }

 private:
  static constexpr int kFocusHeight = 16;
  QLabel* LbFocus;
  AdaptiveSource source_;
  std::optional<AdaptiveDrill> drill_;
  int linesLeft_ = -1;  // lines before the window closes; -1 without an end

  void resizeEvent(QResizeEvent* event) override;
  void NewDrill();
  void ShowNextDrillLine();
  void ShowFocus();
};
