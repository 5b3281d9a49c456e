#pragma once
// TFmProgress ("Progress"): a learner's practice history from the statistics database. For a
// learner and a kind of practice it shows keys per minute and accuracy per day as a chart
// (words per minute for the game, and the course line reached for the course), the last
// results newest first, and the weakest keys: the current layout's keyboard drawn as the
// on-screen keyboard draws it, each key shaded by how often its characters went wrong.
// Without results it says so in words instead of showing an empty chart. Esc closes it.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "keyboard/layout.h"
#include "keyboard/mkey.h"
#include "platform/window_context.h"
#include "stats/stats_database.h"

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

class TFmProgress : public QDialog {
 public:
  using Learner = std::function<std::string()>;

  TFmProgress(WindowContext& context, StatsDatabase& stats, const LayoutRec& layout,
              Learner currentLearner, QWidget* parent = nullptr);

  // Before each showing: what was typed is written, the learners are listed with the current
  // one picked, and everything is filled in for the kind last chosen.
  void Open();
  // Fills the chart, the table and the keys for the learner and kind picked.
  void ShowProgress();

  QComboBox* LearnerComboBox;
  QComboBox* KindComboBox;
  QChartView* Chart;
  QLabel* NoResultsLabel;
  QTableWidget* ResultsTable;
  PaintSurface* KeysSurface;
  QListWidget* WorstKeysList;
  // The keys as last drawn, in layout order.
  std::vector<MKey> Keys;

 private:
  std::string PickedLearner() const;
  int PickedKind() const;
  void ShowChart(const std::string& learner, int kind);
  void ShowResults(const std::string& learner, int kind);
  void ShowKeys(const std::string& learner);

  WindowContext& context_;
  StatsDatabase& stats_;
  const LayoutRec& layout_;
  Learner currentLearner_;
};
