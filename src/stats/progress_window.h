#pragma once
// TFmProgress ("Progress"): a learner's practice history from the statistics database. For a
// learner and a kind of practice it shows keys per minute and accuracy per day as a chart
// (words per minute for the game, and the course line reached for the course), the last
// results newest first, and the weakest keys. The current layout's keyboard is drawn as the
// on-screen keyboard draws it, each key shaded by how often its characters' first attempts
// went wrong lately and outlined by how fast they were typed, as KeyMastery judges them from
// the recorded lines; beside it, how many letters are mastered against the learner's goals,
// the commonest confusions, and a button that practises the keys furthest from the goals.
// Without results it says so in words instead of showing an empty chart. Esc closes it.
// It is built into a module of its own (see progress_loader.h).
#include <optional>
#include <string>
#include <vector>

#include "keyboard/mkey.h"
#include "stats/progress_loader.h"

class PaintSurface;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

inline constexpr int kShownResults = 100;
inline constexpr int kWorstKeysShown = 10;
// Keys whose characters went wrong this often, or more, are shaded full red.
inline constexpr int64_t kFullShadePercent = 20;
inline constexpr Color kNoFiguresShade = 0xC0C0C0;  // silver: too little typed to judge
inline constexpr int kSpeedOutlineWidth = 3;
inline constexpr size_t kPractisedKeys = 5;
inline constexpr size_t kConfusionsShown = 5;

// White for no mistakes, red from kFullShadePercent wrong; silver until the key is judged.
Color ErrorShade(const KeyState& key);
// Green at or above the goal speed, through yellow to red at half of it or less.
Color SpeedOutline(double keysPerMinute, const MasteryGoals& goals);

class TFmProgress : public ProgressWindow {
 public:
  TFmProgress(WindowContext& context, StatsDatabase& stats, const LayoutRec& layout,
              LearnerSource currentLearner, GoalsSource goals, PractiseKeys practise,
              QWidget* parent = nullptr);

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
  QLabel* KeysLegend;
  QLabel* MasteredLabel;
  QLabel* ConfusionsLabel;
  QLabel* WeakKeysLabel;
  QPushButton* BtnPractiseKeys;
  std::vector<MKey> Keys;
  std::vector<std::optional<Color>> outlines_;  // per key; none before any timed key
  std::string weakKeys_;                        // what BtnPractiseKeys hands over
  bool sized_ = false;                          // to its content, at the first opening

  std::string PickedLearner() const;
  int PickedKind() const;
  void ShowChart(const std::string& learner, int kind);
  void ShowResults(const std::string& learner, int kind);
  void ShowKeys(const std::string& learner);
  // The key giving ch, 1-based; 0 for none.
  int KeyOf(char ch) const;
  void DrawKeys(const KeyMastery& mastery, const MasteryGoals& goals);
  void PaintKeys();
  void ShowMastery(const KeyMastery& mastery, const MasteryGoals& goals);

  WindowContext& context_;
  StatsDatabase& stats_;
  const LayoutRec& layout_;
  LearnerSource currentLearner_;
  GoalsSource goals_;
  PractiseKeys practise_;
};
