#pragma once
// TFmProgress ("Progress"): a learner's practice history from the statistics database. For a
// learner and a kind of practice it shows keys per minute and accuracy per day as a chart
// (words per minute for the game, and the course line reached for the course), the last
// results newest first, and the weakest keys: the current layout's keyboard drawn as the
// on-screen keyboard draws it, each key shaded by how often its characters went wrong.
// Without results it says so in words instead of showing an empty chart. Esc closes it.
// It is built into a module of its own (see progress_loader.h).
#include <string>
#include <vector>

#include "keyboard/mkey.h"
#include "stats/progress_loader.h"

class PaintSurface;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;

inline constexpr int kShownResults = 100;
inline constexpr int kWorstKeysShown = 10;
// Keys whose characters went wrong this often, or more, are shaded full red.
inline constexpr int64_t kFullShadePercent = 20;
inline constexpr Color kNoFiguresShade = 0xC0C0C0;  // silver: nothing typed on the key yet

// White for no mistakes, red from kFullShadePercent wrong; silver when nothing was expected.
Color ErrorShade(int64_t expected, int64_t wrong);

class TFmProgress : public ProgressWindow {
 public:
  TFmProgress(WindowContext& context, StatsDatabase& stats, const LayoutRec& layout,
              LearnerSource currentLearner, QWidget* parent = nullptr);

  void Open() override;
  // Fills the chart, the table and the keys for the learner and kind picked.
  void ShowProgress();
  // The keys as last drawn, in layout order.
  const std::vector<MKey>& ShownKeys() const { return Keys; }

 private:
  QComboBox* LearnerComboBox;
  QComboBox* KindComboBox;
  QChartView* Chart;
  QLabel* NoResultsLabel;
  QTableWidget* ResultsTable;
  PaintSurface* KeysSurface;
  QListWidget* WorstKeysList;
  std::vector<MKey> Keys;

  std::string PickedLearner() const;
  int PickedKind() const;
  void ShowChart(const std::string& learner, int kind);
  void ShowResults(const std::string& learner, int kind);
  void ShowKeys(const std::string& learner);

  WindowContext& context_;
  StatsDatabase& stats_;
  const LayoutRec& layout_;
  LearnerSource currentLearner_;
};
