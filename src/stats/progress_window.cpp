#include "stats/progress_window.h"

#include <QBoxLayout>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <optional>

#include "game/game_rates.h"
#include "keyboard/key_geometry.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/form_controls.h"
#include "platform/guard.h"
#include "platform/image_canvas.h"

namespace {
constexpr int kKeysOrigin = 10;
constexpr Color kKeyboardBackground = clOlive;  // as the on-screen keyboard

const struct {
  const char* name;
  int kind;  // a PracticeKind's number; 0 for all
} kKinds[] = {
    {QT_TRANSLATE_NOOP("TFmProgress", "All practices"), 0},
    {QT_TRANSLATE_NOOP("TFmProgress", "Course"), static_cast<int>(PracticeKind::Course)},
    {QT_TRANSLATE_NOOP("TFmProgress", "Sentence Drills"), static_cast<int>(PracticeKind::Sentence)},
    {QT_TRANSLATE_NOOP("TFmProgress", "Free Drills"), static_cast<int>(PracticeKind::Free)},
    {QT_TRANSLATE_NOOP("TFmProgress", "Adaptive Drills"), static_cast<int>(PracticeKind::Adaptive)},
    {QT_TRANSLATE_NOOP("TFmProgress", "Paragraph Drills"),
     static_cast<int>(PracticeKind::Paragraph)},
    {QT_TRANSLATE_NOOP("TFmProgress", "Game"), static_cast<int>(PracticeKind::Game)},
};

QString KindName(PracticeKind kind) {
  for (const auto& entry : kKinds) {
    if (entry.kind == static_cast<int>(kind))
      return QCoreApplication::translate("TFmProgress", entry.name);
  }
  return {};
}

QString Number(int64_t value) {
  return QString::number(value);
}

QString Percent(int64_t value) {
  return QCoreApplication::translate("TFmProgress", "%1%").arg(value);
}

// A time of day on a learner's day (days since 1970-01-01), in local time.
QDateTime DayTime(int64_t day, QTime time) {
  return QDateTime(QDate(1970, 1, 1).addDays(day), time);
}

QString CharName(unsigned char ch) {
  return ch == ' ' ? QCoreApplication::translate("TFmProgress", "space") : QString(ByteToChar(ch));
}

QLineSeries* Series(const QString& name, QChart* chart, QAbstractAxis* x, QAbstractAxis* y) {
  auto* series = new QLineSeries(chart);
  series->setName(name);
  series->setPointsVisible(true);
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
  return series;
}

QValueAxis* ValueAxis(QChart* chart, const QString& title, Qt::Alignment side) {
  auto* axis = new QValueAxis(chart);
  axis->setTitleText(title);
  axis->setLabelFormat("%d");
  chart->addAxis(axis, side);
  return axis;
}

QStringList ResultCells(const StoredResult& result) {
  const QString finished = QDateTime::fromMSecsSinceEpoch(result.finishedUtcMs)
                               .toLocalTime()
                               .toString("yyyy-MM-dd hh:mm");
  if (result.kind == PracticeKind::Game) {
    const GameResult& game = result.game;
    return {finished,
            KindName(result.kind),
            "",
            Percent(game.accuracy),
            Number(game.wordsPerMinute),
            QCoreApplication::translate("TFmProgress",
                                        "difficulty %1, %2 hit, %3 lost, score %4, expected WPM %5")
                .arg(game.difficulty)
                .arg(game.hits)
                .arg(game.lost)
                .arg(game.score)
                .arg(game.expectedWordsPerMinute)};
  }
  const TypingResult& typing = result.typing;
  QString more = QCoreApplication::translate("TFmProgress", "%1 characters, %2 wrong")
                     .arg(typing.chars)
                     .arg(typing.errors);
  if (typing.courseLine > 0)
    more += QCoreApplication::translate("TFmProgress", ", line %1").arg(typing.courseLine);
  return {finished,
          KindName(result.kind),
          Number(typing.rates.keysPerMinute),
          Percent(typing.rates.accuracy),
          Number(typing.rates.wordsPerMinute),
          more};
}
}  // namespace

Color ErrorShade(const KeyState& key) {
  // A slip among a handful of strikes would read as a weak key.
  if (!key.Judged()) return kNoFiguresShade;
  const double share = std::min<double>(key.ErrorPercent() / kFullShadePercent, 1);
  const int fade = static_cast<int>(std::lround(255 * (1 - share)));
  return RGBColor(255, fade, fade);
}

Color SpeedOutline(double keysPerMinute, const MasteryGoals& goals) {
  const double reached = std::clamp(2 * keysPerMinute / goals.keysPerMinute - 1, 0.0, 1.0);
  const auto between = [](int from, int to, double part) {
    return static_cast<int>(std::lround(from + (to - from) * part));
  };
  if (reached < 0.5) return RGBColor(230, between(0, 210, 2 * reached), 0);
  return RGBColor(between(230, 0, 2 * reached - 1), between(210, 190, 2 * reached - 1), 0);
}

TFmProgress::TFmProgress(WindowContext& context, StatsDatabase& stats, const LayoutRec& layout,
                         LearnerSource currentLearner, GoalsSource goals, PractiseKeys practise,
                         QWidget* parent)
    : ProgressWindow(parent),
      context_(context),
      stats_(stats),
      layout_(layout),
      currentLearner_(std::move(currentLearner)),
      goals_(std::move(goals)),
      practise_(std::move(practise)) {
  setObjectName("FmProgress");
  setWindowTitle(QCoreApplication::translate("TFmProgress", "Progress"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  LearnerComboBox = new QComboBox(this);
  LearnerComboBox->setObjectName("LearnerComboBox");
  KindComboBox = new QComboBox(this);
  KindComboBox->setObjectName("KindComboBox");
  for (const auto& entry : kKinds)
    KindComboBox->addItem(QCoreApplication::translate("TFmProgress", entry.name), entry.kind);
  auto* learnerCaption = new QLabel(QCoreApplication::translate("TFmProgress", "&Learner"), this);
  learnerCaption->setBuddy(LearnerComboBox);
  auto* kindCaption = new QLabel(QCoreApplication::translate("TFmProgress", "&Practice"), this);
  kindCaption->setBuddy(KindComboBox);

  Chart = new QChartView(this);
  Chart->setObjectName("Chart");
  Chart->setRenderHint(QPainter::Antialiasing);
  Chart->setFocusPolicy(Qt::NoFocus);  // nothing to do there with keys
  Chart->setMinimumSize(480, 280);
  NoResultsLabel = new QLabel(this);
  NoResultsLabel->setObjectName("NoResultsLabel");
  NoResultsLabel->setAlignment(Qt::AlignCenter);
  NoResultsLabel->setWordWrap(true);
  NoResultsLabel->setMinimumSize(480, 280);

  ResultsTable = new QTableWidget(0, 6, this);
  ResultsTable->setObjectName("ResultsTable");
  ResultsTable->setHorizontalHeaderLabels({QCoreApplication::translate("TFmProgress", "Finished"),
                                           QCoreApplication::translate("TFmProgress", "Practice"),
                                           QCoreApplication::translate("TFmProgress", "Keys/Min"),
                                           QCoreApplication::translate("TFmProgress", "Accuracy"),
                                           QCoreApplication::translate("TFmProgress", "WPM"),
                                           QCoreApplication::translate("TFmProgress", "More")});
  ResultsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ResultsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  ResultsTable->verticalHeader()->hide();
  ResultsTable->horizontalHeader()->setStretchLastSection(true);
  ResultsTable->setMinimumWidth(420);
  ResultsTable->setTabKeyNavigation(false);  // Tab goes on to the keys, not from cell to cell

  KeysSurface = new PaintSurface(this);
  KeysSurface->setObjectName("KeysSurface");
  KeysSurface->background = kKeyboardBackground;
  KeysSurface->onPaint = [this] { Guarded(context_.dialogs, [this] { PaintKeys(); }); };
  KeysLegend = new QLabel(this);
  KeysLegend->setObjectName("KeysLegend");
  KeysLegend->setWordWrap(true);
  WorstKeysList = new QListWidget(this);
  WorstKeysList->setObjectName("WorstKeysList");
  WorstKeysList->setMinimumWidth(200);
  // The keyboard shows how keys go lately; the list counts everything, which reads otherwise.
  auto* worstKeysCaption = new QLabel(
      QCoreApplication::translate("TFmProgress", "Wrong most often, in all practice so far:"),
      this);
  worstKeysCaption->setBuddy(WorstKeysList);
  MasteredLabel = new QLabel(this);
  MasteredLabel->setObjectName("MasteredLabel");
  ConfusionsLabel = new QLabel(this);
  ConfusionsLabel->setObjectName("ConfusionsLabel");
  WeakKeysLabel = new QLabel(this);
  WeakKeysLabel->setObjectName("WeakKeysLabel");
  WeakKeysLabel->setWordWrap(true);
  // Tab stops, so that the keyboard reaches them and the scroll area brings them into view on a
  // small screen, and a screen reader reads them.
  for (QLabel* label : {KeysLegend, MasteredLabel, ConfusionsLabel, WeakKeysLabel}) {
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::StrongFocus);
  }
  BtnPractiseKeys =
      new QPushButton(QCoreApplication::translate("TFmProgress", "Practise these &keys"), this);
  BtnPractiseKeys->setObjectName("BtnPractiseKeys");
  BtnPractiseKeys->setAutoDefault(false);
  connect(BtnPractiseKeys, &QPushButton::clicked, this,
          [this] { Guarded(context_.dialogs, [this] { practise_(weakKeys_); }); });

  // In a scroll area, so that the window fits a small screen.
  auto* content = new QWidget;
  auto* grid = new QGridLayout(content);
  auto* pickers = new QHBoxLayout;
  pickers->addWidget(learnerCaption);
  pickers->addWidget(LearnerComboBox, 1);
  pickers->addSpacing(20);
  pickers->addWidget(kindCaption);
  pickers->addWidget(KindComboBox, 1);
  grid->addLayout(pickers, 0, 0, 1, 2);
  grid->addWidget(Chart, 1, 0);
  grid->addWidget(NoResultsLabel, 1, 0);
  grid->addWidget(ResultsTable, 1, 1);
  auto* keysColumn = new QVBoxLayout;
  keysColumn->addWidget(KeysSurface, 0, Qt::AlignCenter);
  keysColumn->addWidget(KeysLegend);
  keysColumn->addStretch(1);
  grid->addLayout(keysColumn, 2, 0);
  auto* masteryColumn = new QVBoxLayout;
  masteryColumn->addWidget(worstKeysCaption);
  masteryColumn->addWidget(WorstKeysList, 1);
  masteryColumn->addWidget(MasteredLabel);
  masteryColumn->addWidget(ConfusionsLabel);
  masteryColumn->addWidget(WeakKeysLabel);
  masteryColumn->addWidget(BtnPractiseKeys, 0, Qt::AlignLeft);
  grid->addLayout(masteryColumn, 2, 1);
  // Room to spare goes to the results, whose details are long.
  grid->setColumnStretch(1, 1);
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setFocusPolicy(Qt::NoFocus);  // the window opens on the learner picker
  scroll->setWidget(content);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);

  const auto refresh = [this] { Guarded(context_.dialogs, [this] { ShowProgress(); }); };
  connect(LearnerComboBox, &QComboBox::currentIndexChanged, this, refresh);
  connect(KindComboBox, &QComboBox::currentIndexChanged, this, refresh);
}

void TFmProgress::Open() {
  stats_.Flush();
  const std::string current = currentLearner_();
  std::vector<std::string> names = stats_.Learners();
  if (std::none_of(names.begin(), names.end(),
                   [&](const std::string& name) { return EqualsIgnoreCase(name, current); })) {
    names.push_back(current);
  }
  std::sort(names.begin(), names.end(), NameSortsBefore);
  LearnerComboBox->blockSignals(true);
  LearnerComboBox->clear();
  for (const std::string& name : names) LearnerComboBox->addItem(BytesToQString(name));
  LearnerComboBox->setCurrentIndex(LearnerComboBox->findText(
      BytesToQString(current), Qt::MatchFixedString));  // without regard to case
  LearnerComboBox->blockSignals(false);
  ShowProgress();
  if (!sized_) {  // the whole content where the screen has room; the learner's size after that
    sized_ = true;
    QWidget* content = findChild<QScrollArea*>()->widget();
    // The results' columns whole too (a table's size hint leaves them out), for this first size.
    const int minimum = ResultsTable->minimumWidth();
    QHeaderView* header = ResultsTable->horizontalHeader();
    header->setStretchLastSection(false);
    ResultsTable->resizeColumnsToContents();
    const int columns = header->length() + 2 * ResultsTable->frameWidth() +
                        ResultsTable->verticalScrollBar()->sizeHint().width();
    header->setStretchLastSection(true);
    ResultsTable->setMinimumWidth(std::max(minimum, columns));
    // Until activated, the keyboard's column keeps the size it had before the keyboard was
    // drawn; a hidden window's layout is not activated by itself.
    content->layout()->invalidate();
    content->layout()->activate();
    setGeometry(FittingScreen(*this, content->sizeHint() + QSize(2, 2)));
    ResultsTable->setMinimumWidth(minimum);
  }
}

std::string TFmProgress::PickedLearner() const {
  return BytesOf(LearnerComboBox->currentText());
}

int TFmProgress::PickedKind() const {
  return KindComboBox->currentData().toInt();
}

void TFmProgress::ShowProgress() {
  const std::string learner = PickedLearner();
  ShowChart(learner, PickedKind());
  ShowResults(learner, PickedKind());
  ShowKeys(learner);
}

void TFmProgress::ShowChart(const std::string& learner, int kind) {
  const std::vector<DayFigures> days = stats_.Days(learner, kind);
  // Keys per minute for lines and drills; the game has words, not keys, so a chart of the
  // game (or of only games) shows its words per minute instead.
  const bool typed =
      kind != static_cast<int>(PracticeKind::Game) &&
      std::any_of(days.begin(), days.end(), [](const DayFigures& day) { return day.typingMs > 0; });
  auto* chart = new QChart;
  // Each day's point stands at its noon, with its date under it.
  auto* time = new QCategoryAxis(chart);
  time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  chart->addAxis(time, Qt::AlignBottom);
  QValueAxis* speedAxis = ValueAxis(chart,
                                    typed ? QCoreApplication::translate("TFmProgress", "Keys/Min")
                                          : QCoreApplication::translate("TFmProgress", "WPM"),
                                    Qt::AlignLeft);
  QValueAxis* accuracyAxis =
      ValueAxis(chart, QCoreApplication::translate("TFmProgress", "Accuracy %"), Qt::AlignRight);
  accuracyAxis->setRange(0, 100);
  QLineSeries* speed = Series(typed ? QCoreApplication::translate("TFmProgress", "Keys/Min")
                                    : QCoreApplication::translate("TFmProgress", "WPM"),
                              chart, time, speedAxis);
  QLineSeries* accuracy =
      Series(QCoreApplication::translate("TFmProgress", "Accuracy %"), chart, time, accuracyAxis);
  QLineSeries* course = nullptr;
  if (kind == static_cast<int>(PracticeKind::Course)) {
    course = Series(QCoreApplication::translate("TFmProgress", "Course line"), chart, time,
                    ValueAxis(chart, QCoreApplication::translate("TFmProgress", "Course line"),
                              Qt::AlignRight));
  }
  const auto at = [](int64_t day, QTime when) {
    return static_cast<double>(DayTime(day, when).toMSecsSinceEpoch());
  };
  int64_t top = 0;
  int64_t topLine = 0;
  std::vector<int64_t> practised;  // the days with a point, in order
  for (const DayFigures& day : days) {
    const double x = at(day.day, QTime(12, 0));
    int64_t perMinute = 0;
    int64_t percent = 0;
    if (typed && day.typingMs > 0 && day.chars > 0) {
      const TypingRates rates = ComputeRates(day.chars, day.errors, day.words, day.typingMs);
      perMinute = rates.keysPerMinute;
      percent = rates.accuracy;
    } else if (!typed && day.gameMs > 0) {
      const GameRates rates = ComputeGameRates(day.hits, day.lost, day.gameMs);
      perMinute = rates.wordsPerMinute;
      percent = rates.accuracy;
    } else {
      continue;
    }
    practised.push_back(day.day);
    speed->append(x, static_cast<double>(perMinute));
    accuracy->append(x, static_cast<double>(percent));
    top = std::max(top, perMinute);
    if (course && day.courseLine > 0) {
      course->append(x, day.courseLine);
      topLine = std::max<int64_t>(topLine, day.courseLine);
    }
  }
  // Round ticks (0, 100, 200 rather than 0, 99, 199) on the axes that scale with the figures.
  speedAxis->setRange(0, static_cast<double>(std::max<int64_t>(top * 11 / 10, 10)));
  speedAxis->applyNiceNumbers();
  if (course) {
    auto* lineAxis = qobject_cast<QValueAxis*>(course->attachedAxes().back());
    lineAxis->setRange(0, static_cast<double>(std::max<int64_t>(topLine + 1, 2)));
    lineAxis->applyNiceNumbers();
  }
  // From the first day's start to the last day's end, the date under the point of a day
  // practised, of each where they fit.
  const int64_t first = practised.empty() ? 0 : practised.front();
  const int64_t last = practised.empty() ? 0 : practised.back();
  time->setRange(at(first, QTime(0, 0)), at(last + 1, QTime(0, 0)));
  time->setStartValue(at(first, QTime(0, 0)));
  // The date's order is the language's ("Dec 11", "11. Dez.", "11 déc.").
  const bool oneYear =
      DayTime(first, QTime(0, 0)).date().year() == DayTime(last, QTime(0, 0)).date().year();
  const QString format = oneYear ? QCoreApplication::translate("TFmProgress", "MMM d")
                                 : QCoreApplication::translate("TFmProgress", "MMM d yyyy");
  // Dates a fifth (a third with the year) of the axis apart at least, the last day's first.
  const double gap = static_cast<double>(last - first + 1) / (oneYear ? 5 : 3);
  std::vector<int64_t> labelled;
  for (auto day = practised.rbegin(); day != practised.rend(); ++day) {
    if (labelled.empty() || static_cast<double>(labelled.back() - *day) >= gap)
      labelled.push_back(*day);
  }
  for (auto day = labelled.rbegin(); day != labelled.rend(); ++day) {
    time->append(QLocale().toString(DayTime(*day, QTime(12, 0)).date(), format),
                 at(*day, QTime(12, 0)));
  }
  chart->setTitle(LearnerComboBox->currentText());
  QChart* old = Chart->chart();
  Chart->setChart(chart);
  delete old;

  const bool empty = speed->count() == 0;
  if (empty) {
    const QString who = BytesToQString(learner);
    if (!stats_.FailureReason().empty()) {
      NoResultsLabel->setText(
          QCoreApplication::translate("TFmProgress", "The statistics cannot be read: %1.")
              .arg(stats_.FailureReason().c_str()));
    } else if (kind == 0) {
      NoResultsLabel->setText(
          QCoreApplication::translate(
              "TFmProgress",
              "No results yet for %1. Finish a line, a drill or a game, and it shows here.")
              .arg(who));
    } else {
      NoResultsLabel->setText(
          QCoreApplication::translate("TFmProgress",
                                      "No results yet for %1 in %2. Finish one, and it shows "
                                      "here.")
              .arg(who, KindComboBox->currentText()));
    }
  }
  NoResultsLabel->setVisible(empty);
  Chart->setVisible(!empty);
}

void TFmProgress::ShowResults(const std::string& learner, int kind) {
  const std::vector<StoredResult> results = stats_.LastResults(learner, kind, kShownResults);
  ResultsTable->setRowCount(static_cast<int>(results.size()));
  for (int row = 0; row < ResultsTable->rowCount(); ++row) {
    const QStringList cells = ResultCells(results[static_cast<size_t>(row)]);
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column >= 2 && column <= 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (column == cells.size() - 1) item->setToolTip(cells[column]);  // wider than its column
      ResultsTable->setItem(row, column, item);
    }
  }
  ResultsTable->resizeColumnsToContents();
}

void TFmProgress::ShowKeys(const std::string& learner) {
  const KeyMastery mastery = MasteryOf(stats_.AttemptLines(learner));
  const MasteryGoals goals = goals_(learner);
  DrawKeys(mastery, goals);
  ShowMastery(mastery, goals);
  // The learner practises as himself: another's keys are shown, not practised.
  BtnPractiseKeys->setEnabled(!weakKeys_.empty() && EqualsIgnoreCase(learner, currentLearner_()));

  std::vector<KeyFigures> figures = stats_.Keys(learner);
  // The worst first: the higher share wrong, then the more often wrong. A key typed too few
  // times to judge comes after the others: one slip in two is no weak key.
  std::erase_if(figures, [](const KeyFigures& figure) { return figure.wrong <= 0; });
  const auto share = [](const KeyFigures& figure) {
    return static_cast<double>(figure.wrong) / static_cast<double>(figure.expected);
  };
  const auto tooFew = [](const KeyFigures& figure) {
    return static_cast<double>(figure.expected) < kJudgedAttempts;
  };
  std::sort(figures.begin(), figures.end(), [&](const KeyFigures& a, const KeyFigures& b) {
    if (tooFew(a) != tooFew(b)) return tooFew(b);
    if (share(a) != share(b)) return share(a) > share(b);
    return a.wrong > b.wrong;
  });
  WorstKeysList->clear();
  if (!stats_.FailureReason().empty()) {  // not "none wrong yet", which reads as real figures
    WorstKeysList->addItem(
        QCoreApplication::translate("TFmProgress", "The statistics cannot be read: %1.")
            .arg(stats_.FailureReason().c_str()));
  } else if (figures.empty()) {
    WorstKeysList->addItem(
        QCoreApplication::translate("TFmProgress", "No character typed wrong yet."));
  }
  for (size_t i = 0; i < figures.size() && i < kWorstKeysShown; ++i) {
    const KeyFigures& figure = figures[i];
    WorstKeysList->addItem(QCoreApplication::translate("TFmProgress", "%1   %2 of %3 wrong (%4%)")
                               .arg(CharName(figure.ch))
                               .arg(figure.wrong)
                               .arg(figure.expected)
                               .arg(static_cast<int64_t>(static_cast<double>(figure.wrong) * 100 /
                                                         static_cast<double>(figure.expected))));
  }
}

int TFmProgress::KeyOf(char ch) const {
  return FindKeyFor(ch, static_cast<int>(Keys.size()),
                    [this](int k) { return Keys[static_cast<size_t>(k - 1)].Chars; });
}

void TFmProgress::DrawKeys(const KeyMastery& mastery, const MasteryGoals& goals) {
  const ClientSize client = KeyboardClientSize(layout_, kKeysOrigin, kKeysOrigin);
  const int width = static_cast<int>(std::clamp<int64_t>(client.width, 1, kMaxWindowSide));
  const int height = static_cast<int>(std::clamp<int64_t>(client.height, 1, kMaxWindowSide));
  KeysSurface->setFixedSize(width, height);
  ImageCanvas& canvas = KeysSurface->canvas();
  canvas.Resize(width, height, kKeyboardBackground);
  Keys = BuildLayoutKeys(layout_, kKeysOrigin, kKeysOrigin, canvas);
  // Each key sums the characters it gives, found as the on-screen keyboard finds them.
  std::vector<KeyState> perKey(Keys.size());
  for (const auto& [ch, state] : mastery.Keys()) {
    const int n = KeyOf(ch);
    if (n == 0) continue;
    KeyState& key = perKey[static_cast<size_t>(n - 1)];
    key.attempts += state.attempts;
    key.wrong += state.wrong;
    key.timed += state.timed;
    key.timeMs += state.timeMs;
  }
  outlines_.assign(Keys.size(), std::nullopt);
  for (size_t k = 0; k < Keys.size(); ++k) {
    Keys[k].Color = ErrorShade(perKey[k]);
    if (perKey[k].Judged()) outlines_[k] = SpeedOutline(perKey[k].KeysPerMinute(), goals);
  }
  PaintKeys();
  KeysSurface->Invalidate();
  KeysLegend->setText(
      QCoreApplication::translate(
          "TFmProgress",
          "Fill: first attempts wrong lately, from white (none) to red (%1% or more); grey "
          "until a key has been typed often enough to judge. Frame: speed, from red (half the "
          "goal of %2 keys/min) to green (the goal).")
          .arg(kFullShadePercent)
          .arg(goals.keysPerMinute));
}

void TFmProgress::PaintKeys() {
  ImageCanvas& canvas = KeysSurface->canvas();
  canvas.SetBrushColor(kKeyboardBackground);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  // The frames first, mostly in the gap between keys: the keys drawn over them keep every
  // character whole, an umlaut's dots at the key's top edge too.
  for (size_t k = 0; k < Keys.size() && k < outlines_.size(); ++k) {
    if (!outlines_[k]) continue;
    const MKey& key = Keys[k];
    const int left = key.left - kSpeedOutlineWidth + 1;
    const int top = key.top - kSpeedOutlineWidth + 1;
    const int right = key.left + key.width + kSpeedOutlineWidth - 1;
    const int bottom = key.top + key.height + kSpeedOutlineWidth - 1;
    canvas.SetBrushColor(*outlines_[k]);
    canvas.FillRect(left, top, right, top + kSpeedOutlineWidth);
    canvas.FillRect(left, bottom - kSpeedOutlineWidth, right, bottom);
    canvas.FillRect(left, top, left + kSpeedOutlineWidth, bottom);
    canvas.FillRect(right - kSpeedOutlineWidth, top, right, bottom);
  }
  for (MKey& key : Keys) key.Draw();
}

void TFmProgress::ShowMastery(const KeyMastery& mastery, const MasteryGoals& goals) {
  // The layout's letters, as the adaptive drills bring them: a capital is its letter with Shift.
  int letters = 0;
  for (int c = 1; c < 256; ++c) {
    if (IsLowerLetter(static_cast<char>(c)) && KeyOf(static_cast<char>(c)) != 0) ++letters;
  }
  int mastered = 0;
  std::vector<std::pair<double, char>> weak;
  for (const auto& [ch, state] : mastery.Keys()) {
    if (ch == ' ' || KeyOf(ch) == 0) continue;
    if (IsLowerLetter(ch) && state.Mastered(goals)) ++mastered;
    if (state.Judged() && !state.Mastered(goals)) weak.emplace_back(state.Distance(goals), ch);
  }
  MasteredLabel->setText(QCoreApplication::translate("TFmProgress", "Mastered letters: %1 of %2")
                             .arg(mastered)
                             .arg(letters));

  std::vector<std::pair<Confusion, int64_t>> confusions(mastery.Confusions().begin(),
                                                        mastery.Confusions().end());
  std::stable_sort(confusions.begin(), confusions.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  QStringList lines;
  for (size_t i = 0; i < confusions.size() && i < kConfusionsShown; ++i) {
    const auto& [confusion, count] = confusions[i];
    const QString typed = CharName(static_cast<unsigned char>(confusion.typed));
    const QString expected = CharName(static_cast<unsigned char>(confusion.expected));
    lines << (count == 1 ? QCoreApplication::translate("TFmProgress", "typed %1 for %2 once")
                               .arg(typed, expected)
                         : QCoreApplication::translate("TFmProgress", "typed %1 for %2 %3 times")
                               .arg(typed, expected)
                               .arg(count));
  }
  ConfusionsLabel->setText(lines.join('\n'));
  ConfusionsLabel->setVisible(!lines.empty());

  std::stable_sort(weak.begin(), weak.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  weakKeys_.clear();
  QStringList names;
  for (size_t i = 0; i < weak.size() && i < kPractisedKeys; ++i) {
    weakKeys_ += weak[i].second;
    names << CharName(static_cast<unsigned char>(weak[i].second));
  }
  WeakKeysLabel->setText(
      weakKeys_.empty()
          ? QCoreApplication::translate("TFmProgress", "No key is judged short of the goals yet.")
          : QCoreApplication::translate("TFmProgress", "Furthest from the goals: %1")
                .arg(names.join("  ")));
}
