#include "practice/course_prac.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include "platform/guard.h"
#include "platform/key_codes.h"
#include "platform/translation.h"

namespace {
constexpr int kDesignWidth = 600;
constexpr int kLabel1Left = 348;
constexpr int kSpeedButton1Left = 513;
constexpr int kSpeedButton2Left = 546;

QToolButton* SmallButton(QWidget* parent, const char* name, int left) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setGeometry(left, 87, 25, 12);
  button->setFocusPolicy(Qt::NoFocus);
  button->hide();
  return button;
}
}  // namespace

TFmCoursePrac::TFmCoursePrac(WindowContext& context, KeyGuides& guides,
                             stopwatch& practiceStopwatch, QWidget* parent)
    : TFmSentencePrac(context, guides, practiceStopwatch, parent) {
  setObjectName("FmCoursePrac");
  setWindowTitle(tr("Course"));
  Label1 = new QLabel("00 / 00", Panel1);
  Label1->setObjectName("Label1");
  Label1->move(kLabel1Left, 85);
  SpeedButton1 = SmallButton(Panel1, "SpeedButton1", kSpeedButton1Left);
  SpeedButton2 = SmallButton(Panel1, "SpeedButton2", kSpeedButton2Left);
  connect(SpeedButton1, &QToolButton::clicked, this,
          [this] { Guarded(context_.dialogs, [this] { SpeedButton1Click(); }); });
  connect(SpeedButton2, &QToolButton::clicked, this,
          [this] { Guarded(context_.dialogs, [this] { SpeedButton2Click(); }); });
  ShowStatus(Translated("Practice", kCourseHelp));
}

bool TFmCoursePrac::LoadTextFile() {
  NavRequest = kNavNone;
  return TFmSentencePrac::LoadTextFile();
}

bool TFmCoursePrac::RichEdit1KeyDown(int vk) {
  switch (vk) {
    case VK_END:
    case VK_HOME:
    case VK_DELETE:
      NavRequest = kNavSwallowed;
      return true;
    case VK_LEFT:
    case VK_UP:
      NavRequest = kNavPrevious;
      NextLine();
      return false;
    case VK_RIGHT:
    case VK_DOWN:
      NavRequest = kNavNext;
      NextLine();
      return false;
    case VK_INSERT:
      NavRequest = kNavGoTo;
      NextLine();
      return false;
    default:
      NavRequest = kNavNone;
      return false;
  }
}

void TFmCoursePrac::SpeedButton1Click() {
  NavRequest = kNavPrevious;
  NextLine();
}

void TFmCoursePrac::SpeedButton2Click() {
  NavRequest = kNavNext;
  NextLine();
}

void TFmCoursePrac::NextLine() {
  ClearTyping();
  // A line ended by a key moves on by one and nothing else: that key made no navigation
  // request, even where it reached no key-down (some keys have no virtual-key code here).
  const bool finished = engine_.Finished();
  const bool lineEnded = finished && engine_.LineOutcome() != LineOutcomeKind::Escaped;
  CourseLine = NavigateCourse(CourseLine, TextLines.size(), finished ? kNavNone : NavRequest,
                              lineEnded, context_.dialogs);
  const int shown = ShownCourseLine(CourseLine, TextLines.size());
  reachedByTyping_ = finished && engine_.LineOutcome() == LineOutcomeKind::Completed;
  engine_.SetUpLine(TextLines.empty() ? std::string() : SampleOf(TextLines[shown]));
  Label1->setText(TextLines.empty() ? "0 / 0"
                                    : QString("%1 / %2").arg(shown + 1).arg(TextLines.size()));
  Label1->adjustSize();
}

std::optional<LessonStart> TFmCoursePrac::ReachedLesson() const {
  if (!reachedByTyping_ || TextLines.empty()) return std::nullopt;
  return LessonStartingAt(TextLines, ShownCourseLine(CourseLine, TextLines.size()));
}

void TFmCoursePrac::resizeEvent(QResizeEvent* event) {
  TFmSentencePrac::resizeEvent(event);
  // Anchored to the right edge, as designed at 600 px.
  const int shift = width() - kDesignWidth;
  Label1->move(kLabel1Left + shift, Label1->y());
  SpeedButton1->move(kSpeedButton1Left + shift, SpeedButton1->y());
  SpeedButton2->move(kSpeedButton2Left + shift, SpeedButton2->y());
}
