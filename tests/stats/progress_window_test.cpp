#include "stats/progress_window.h"

#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "keyboard/test_layouts.h"
#include "platform/image_canvas.h"
#include "support/controls.h"
#include "support/test_context.h"

namespace {
constexpr int64_t kDay = 86400000;

TypingResult Line(PracticeKind kind, int64_t chars, int64_t errors, int64_t timeMs,
                  int courseLine = 0) {
  return {kind, chars, errors, 0, timeMs, ComputeRates(chars, errors, 0, timeMs), courseLine, {}};
}

// times places expecting expected at which typed was typed first, intervalMs after the key before.
void Typed(TypingResult& line, char expected, char typed, int times, int64_t intervalMs) {
  line.attempts.insert(line.attempts.end(), static_cast<size_t>(times),
                       {expected, typed, typed != expected, intervalMs});
}

struct ProgressWindowTest : ::testing::Test {
  TestContext t;
  std::string learner = "Anna";
  int64_t now = 200 * kDay + kDay / 2;  // noon UTC
  StatsDatabase stats{t.dir.File(kStatsFileName), t.dialogs, [this] { return learner; },
                      [this] {
                        return WallTime{now, 0};
                      }};
  LayoutRec layout = GridLayout(30);
  std::vector<std::string> practised;
  PractiseKeys practise = [this](const std::string& keys) { practised.push_back(keys); };
  GoalsSource goals = [](const std::string& who) {
    return who == "Bert" ? MasteryGoals{3, 50} : MasteryGoals{3, 150};
  };
  TFmProgress window{t.context, stats, layout, [] { return std::string("Anna"); }, goals, practise};

  void Pick(QComboBox* box, const char* text) { box->setCurrentIndex(box->findText(text)); }
  QLineSeries* SeriesNamed(const char* name) {
    for (QAbstractSeries* series : Control<QChartView>(window, "Chart")->chart()->series()) {
      if (series->name() == name) return qobject_cast<QLineSeries*>(series);
    }
    return nullptr;
  }
  std::vector<double> Values(const char* name) {
    std::vector<double> values;
    if (QLineSeries* series = SeriesNamed(name)) {
      for (const QPointF& point : series->points()) values.push_back(point.y());
    }
    return values;
  }
  // The key's own first column, clear of its characters (a frame must leave the key whole);
  // or just outside it, on the frame.
  Color KeyPixel(char ch, bool frame = false) {
    for (const MKey& key : window.ShownKeys()) {
      if (key.Chars[0] == ch) {
        return Control<PaintSurface>(window, "KeysSurface")
            ->canvas()
            .PixelAt(frame ? key.left - 1 : key.left, key.top + key.height / 2);
      }
    }
    return clBlack;
  }
  std::string Text(const char* label) {
    return Control<QLabel>(window, label)->text().toStdString();
  }
};
}  // namespace

TEST_F(ProgressWindowTest, WithoutResultsItSaysSoInWords) {
  window.Open();
  window.show();
  EXPECT_EQ(window.windowTitle(), "Progress");
  // Opened at its content's size, where the screen has room for it (it has for the height).
  EXPECT_EQ(window.height(), window.findChild<QScrollArea*>()->widget()->sizeHint().height() + 2);
  EXPECT_TRUE(Control<QLabel>(window, "NoResultsLabel")->isVisible());
  EXPECT_FALSE(Control<QChartView>(window, "Chart")->isVisible());
  EXPECT_EQ(Control<QLabel>(window, "NoResultsLabel")->text(),
            "No results yet for Anna. Finish a line, a drill or a game, and it shows here.");
  EXPECT_EQ(Control<QComboBox>(window, "LearnerComboBox")->currentText(), "Anna");
  EXPECT_EQ(Control<QTableWidget>(window, "ResultsTable")->rowCount(), 0);
  EXPECT_EQ(Control<QListWidget>(window, "WorstKeysList")->item(0)->text(),
            "No character typed wrong yet.");
  EXPECT_EQ(KeyPixel('A'), kNoFiguresShade);
  EXPECT_EQ(Text("MasteredLabel"), "Mastered letters: 0 of 26");
  EXPECT_FALSE(Control<QPushButton>(window, "BtnPractiseKeys")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(t.dir.File(kStatsFileName)));
  // On a small screen Tab reaches the figures below the list, and they scroll into view.
  window.resize(500, 300);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  Control<QListWidget>(window, "WorstKeysList")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "MasteredLabel");
  EXPECT_GT(window.findChild<QScrollArea*>()->verticalScrollBar()->value(), 0);

  stats.GameFinished({3, 1, 1, 10, 60000, 50, 1, 2});
  window.Open();
  Pick(Control<QComboBox>(window, "KindComboBox"), "Course");
  EXPECT_EQ(Control<QLabel>(window, "NoResultsLabel")->text(),
            "No results yet for Anna in Course. Finish one, and it shows here.");

  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ProgressWindowTest, ChartShowsEachDayAndTheTableTheNewestFirst) {
  stats.TypingFinished(Line(PracticeKind::Course, 40, 4, 6000, 3));
  stats.TypingFinished(Line(PracticeKind::Sentence, 60, 0, 6000));
  now += kDay;
  stats.TypingFinished(Line(PracticeKind::Course, 50, 5, 10000, 9));
  now += 60000;
  stats.GameFinished({3, 30, 10, 1234, 120000, 75, 15, 20});
  learner = "Bert";
  stats.TypingFinished(Line(PracticeKind::Free, 10, 0, 1000));

  window.Open();
  window.show();
  EXPECT_FALSE(Control<QLabel>(window, "NoResultsLabel")->isVisible());
  EXPECT_TRUE(Control<QChartView>(window, "Chart")->isVisible());
  // Day one: 100 characters, 4 wrong, in 12 s; day two: 50, 5 wrong, in 10 s.
  EXPECT_EQ(Values("Keys/Min"), (std::vector<double>{500, 300}));
  EXPECT_EQ(Values("Accuracy %"), (std::vector<double>{96, 90}));
  EXPECT_EQ(SeriesNamed("Course line"), nullptr);

  ASSERT_EQ(Control<QTableWidget>(window, "ResultsTable")->rowCount(), 4);
  EXPECT_EQ(Control<QTableWidget>(window, "ResultsTable")->item(0, 1)->text(), "Game");
  EXPECT_EQ(Control<QTableWidget>(window, "ResultsTable")->item(0, 5)->text(),
            "difficulty 3, 30 hit, 10 lost, score 1234, expected WPM 20");
  EXPECT_EQ(Control<QTableWidget>(window, "ResultsTable")->item(1, 2)->text(), "300");
  EXPECT_EQ(Control<QTableWidget>(window, "ResultsTable")->item(1, 5)->text(),
            "50 characters, 5 wrong, line 9");

  Pick(Control<QComboBox>(window, "KindComboBox"), "Course");
  EXPECT_EQ(Values("Keys/Min"), (std::vector<double>{400, 300}));
  EXPECT_EQ(Values("Course line"), (std::vector<double>{3, 9}));
  EXPECT_EQ(Control<QTableWidget>(window, "ResultsTable")->rowCount(), 2);

  Pick(Control<QComboBox>(window, "KindComboBox"), "Game");
  EXPECT_EQ(Values("WPM"), std::vector<double>{15});
  QAbstractAxis* days = Control<QChartView>(window, "Chart")->chart()->axes(Qt::Horizontal)[0];
  // One day's date under its point, not the next day's beside it.
  EXPECT_EQ(qobject_cast<QCategoryAxis*>(days)->categoriesLabels().size(), 1);
  EXPECT_EQ(Values("Accuracy %"), std::vector<double>{75});

  Pick(Control<QComboBox>(window, "LearnerComboBox"), "Bert");
  EXPECT_TRUE(Control<QLabel>(window, "NoResultsLabel")->isVisible());  // Bert never played
  Pick(Control<QComboBox>(window, "KindComboBox"), "All practices");
  EXPECT_EQ(Control<QTableWidget>(window, "ResultsTable")->rowCount(), 1);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ProgressWindowTest, TheWorstKeysAreListedByHowOftenTheyWentWrong) {
  for (int i = 0; i < 20; ++i) {
    stats.KeyTyped('a', i < 6);
    stats.KeyTyped('B', i < 2);
    stats.KeyTyped('c', false);
  }
  stats.KeyTyped('b', false);
  stats.KeyTyped(' ', true);
  window.Open();  // writes what was typed first

  ASSERT_EQ(Control<QListWidget>(window, "WorstKeysList")->count(), 3);
  EXPECT_EQ(Control<QListWidget>(window, "WorstKeysList")->item(0)->text(),
            "a   6 of 20 wrong (30%)");
  EXPECT_EQ(Control<QListWidget>(window, "WorstKeysList")->item(1)->text(),
            "B   2 of 20 wrong (10%)");
  EXPECT_EQ(Control<QListWidget>(window, "WorstKeysList")->item(2)->text(),
            "space   1 of 1 wrong (100%)");  // too few to judge: last, whatever its share
}

TEST_F(ProgressWindowTest, KeysShowTheirRecentFirstAttemptsAndTheWeakestArePractised) {
  TypingResult line = Line(PracticeKind::Free, 100, 5, 20000);
  Typed(line, 'a', 'a', 20, 200);  // 300 keys/min, never wrong: mastered
  Typed(line, 'b', 'b', 18, 200);
  Typed(line, 'B', 'B', 1, 200);  // B and b share a key: 1 of 20 wrong
  Typed(line, 'b', 'v', 1, 200);
  Typed(line, 'e', 'e', 16, 200);  // 20 % wrong: full red
  Typed(line, 'e', 'i', 4, 200);
  Typed(line, 'c', 'c', 20, 1000);  // 60 keys/min: slow
  Typed(line, 'f', 'f', 3, 200);    // too few to judge
  stats.TypingFinished(line);
  window.Open();

  EXPECT_EQ(KeyPixel('A'), clWhite);
  EXPECT_EQ(KeyPixel('E'), clRed);
  EXPECT_EQ(KeyPixel('B'), RGBColor(255, 191, 191));  // 5 % of the way to 20 %
  EXPECT_EQ(KeyPixel('A', true), RGBColor(0, 190, 0));  // at the goal or faster: green
  EXPECT_EQ(KeyPixel('C', true), RGBColor(230, 0, 0));
  EXPECT_EQ(KeyPixel('D', true), clOlive);
  EXPECT_EQ(KeyPixel('F'), kNoFiguresShade);  // too few to judge

  // a of the layout's 26; not b e c f; B is b with Shift, no letter of its own
  EXPECT_EQ(Text("MasteredLabel"), "Mastered letters: 1 of 26");
  EXPECT_EQ(Text("ConfusionsLabel"), "typed i for e 4 times\ntyped v for b once");
  EXPECT_EQ(Text("WeakKeysLabel"), "Furthest from the goals: e  c  b");
  Control<QPushButton>(window, "BtnPractiseKeys")->click();
  EXPECT_EQ(practised, std::vector<std::string>{"ecb"});

  learner = "Bert";  // judged by his own goals (c is fast enough for him), and not practised
  stats.TypingFinished(line);
  window.Open();
  Pick(Control<QComboBox>(window, "LearnerComboBox"), "Bert");
  EXPECT_EQ(Text("MasteredLabel"), "Mastered letters: 2 of 26");
  EXPECT_FALSE(Control<QPushButton>(window, "BtnPractiseKeys")->isEnabled());
}

TEST_F(ProgressWindowTest, AnUnusableFileIsNamedInTheWindow) {
  t.dir.Write(kStatsFileName, std::string(200, 'x'));
  window.Open();
  EXPECT_EQ(Control<QLabel>(window, "NoResultsLabel")->text(),
            "The statistics cannot be read: the file is damaged or no database.");
  EXPECT_EQ(Control<QListWidget>(window, "WorstKeysList")->item(0)->text(),
            Control<QLabel>(window, "NoResultsLabel")->text());  // not "none typed wrong yet"
  EXPECT_EQ(t.dialogs.messages.size(), 1u);
}
