#include "practice/line_practice.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include "platform/codepage.h"
#include "platform/guard.h"
#include "platform/key_events.h"
#include "platform/qt_convert.h"
#include "platform/translation.h"
#include "practice/line_box.h"
#include "practice/statistics.h"

namespace {
constexpr const char* kBaseSample = "abcd efghij kijklmnopq rstuvw xyz ABCDEFG XYZ";
constexpr int kStatusHeight = 26;
constexpr int kTypingBoxTop = 100;

// The sample keeps the share of the window's width it has at the designed 600.
int SampleWidth(int windowWidth) {
  return windowWidth * 580 / 600;
}
}  // namespace

TFmLinePractice::TFmLinePractice(WindowContext& context, KeyGuides& guides,
                                 stopwatch& practiceStopwatch, QWidget* parent)
    : QDialog(parent), context_(context), guides_(guides), engine_(practiceStopwatch, *this) {
  setObjectName("FmLinePractice");
  setWindowTitle(tr("Line Practice"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFont(PixelFont("Courier New", 11));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(clMenuGreen));
  setPalette(palette);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Panel1->setLineWidth(1);

  SampleEdit = new LineBox(Panel1);
  SampleEdit->setObjectName("SampleEdit");
  SampleEdit->setAccessibleName(tr("Sample"));
  SampleEdit->setEnabled(false);
  SampleEdit->setFrameStyle(QFrame::NoFrame);
  SampleEdit->setGeometry(10, 4, 580, 80);
  SampleEdit->setFont(PixelFont("Courier New", 11));
  QPalette samplePalette = SampleEdit->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    samplePalette.setColor(group, QPalette::Base, ToQColor(clSampleBack));
    samplePalette.setColor(group, QPalette::Text, Qt::black);
  }
  SampleEdit->setPalette(samplePalette);

  LbMark = new QLabel("V", Panel1);
  LbMark->setObjectName("LbMark");
  LbMark->move(8, 85);
  LbMark->setFont(PixelFont("Courier New", 11, true));
  LbMark->setStyleSheet("color: blue;");
  LbMark->setAccessibleName(tr("The clock runs"));
  LbMark->hide();

  LbDeadKey = new QLabel(Panel1);
  LbDeadKey->setObjectName("LbDeadKey");
  LbDeadKey->move(30, 85);  // right of the clock's mark
  LbDeadKey->setFont(PixelFont("Courier New", 14, true));  // the two dots of ¨ readable
  LbDeadKey->setStyleSheet("color: blue;");
  LbDeadKey->hide();

  RichEdit1 = new LineBox(Panel1);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setAccessibleName(tr("Typing"));
  RichEdit1->setFont(PixelFont("Courier New", 11));
  RichEdit1->setFocusPolicy(Qt::StrongFocus);
  RichEdit1->SetCaretShown(true);
  PlaceTypingBox();
  QPalette typingPalette = RichEdit1->palette();
  typingPalette.setColor(QPalette::Base, QPalette().color(QPalette::ToolTipBase));
  typingPalette.setColor(QPalette::Text, ToQColor(clNavy));
  RichEdit1->setPalette(typingPalette);
  keyRouter_ = new KeyRouter(
      RichEdit1,
      [this](int vk) {
        bool swallowed = false;
        Guarded(context_.dialogs, [&] { swallowed = RichEdit1KeyDown(vk); });
        return swallowed;
      },
      [this](int key) { Guarded(context_.dialogs, [&] { RichEdit1KeyPress(key); }); });

  SBHelp = new QStatusBar(this);
  SBHelp->setObjectName("SBHelp");
  SBHelp->setSizeGripEnabled(false);
  SBHelp->setFont(PixelFont("Times New Roman", 16));

  // Creation: centred, an eighth of the screen down (20 px on small screens).
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int width = 600;
  resize(width, 238);
  const int top = screen.height() <= 640 ? 20 : screen.height() / 8;
  move((screen.width() - width) / 2, top);
  setFocusProxy(RichEdit1);
}

void TFmLinePractice::NextLine() {
  if (engine_.LineOutcome() == LineOutcomeKind::Escaped) {
    reject();
    return;
  }
  engine_.SetUpLine(kBaseSample);
}

void TFmLinePractice::ShowSample(const std::string& line) {
  const QString sample = BytesToQString(line);
  SampleEdit->ShowLine(sample);
  RichEdit1->PlaceBy(sample);
}

void TFmLinePractice::ShowClockRunning(bool running) {
  LbMark->setVisible(running);
}

void TFmLinePractice::ShowNextAt(int position) {
  SampleEdit->FollowPlace(position - 1);
  RichEdit1->FollowPlace(position - 1);
  if (position >= 1 && position <= engine_.LineLength()) {
    const char next = engine_.SampleLine()[static_cast<size_t>(position - 1)];
    const int finger = guides_.ShowNextKey(next);
    ShowFinger(finger);
    // Only a character without a key of its own may need a dead key.
    const std::string strokes = finger < 0 ? guides_.DeadKeyStrokesFor(next) : std::string();
    if (!strokes.empty()) {
      LbDeadKey->setText(BytesToQString(std::string{next} + " = " + strokes));
      LbDeadKey->adjustSize();
    }
    LbDeadKey->setVisible(!strokes.empty());
  } else {
    // Nothing to type next (no line yet, or the whole line typed): no key, no finger.
    guides_.ClearNextKey();
    ShowFinger(-1);
    LbDeadKey->hide();
  }
}

void TFmLinePractice::ShowFinger(int finger) {
  if (finger >= 0 && finger <= 4) {
    guides_.ClearFinger(Hand::Right);
    guides_.LightFinger(Hand::Left, finger + 1);
  } else if (finger >= 5 && finger <= 9) {
    guides_.ClearFinger(Hand::Left);
    guides_.LightFinger(Hand::Right, 10 - finger);
  } else {
    guides_.ClearFinger(Hand::Left);
    guides_.ClearFinger(Hand::Right);
  }
}

bool TFmLinePractice::RichEdit1KeyDown(int vk) {
  switch (vk) {
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
      return true;
    default:
      return false;
  }
}

void TFmLinePractice::RichEdit1KeyPress(int key) {
  // With nothing to type (an empty text, or no drill text given), Esc still leaves.
  if (key == VK_ESCAPE && engine_.LineLength() == 0) {
    reject();
    return;
  }
  if (!engine_.KeyPress(key, keyRouter_->Repeating())) return;
  const LineOutcomeKind outcome = engine_.LineOutcome();
  if (outcome == LineOutcomeKind::Completed) ShowStatistics();
  if (outcome == LineOutcomeKind::Escaped) reject();
  NextLine();
  engine_.LineEndHandled();
  if (lineEnded_) lineEnded_(outcome);
}

void TFmLinePractice::ShowStatistics() {
  if (engine_.LineLength() <= 0) return;
  const TypingRates rates = engine_.RecordLine(RecordedCourseLine());
  ShowStatus(StatisticsText(rates));
  if (rates.keysPerMinute > kTooFastKeysPerMinute)
    context_.dialogs.Warn(Translated("Practice", kTooFastWarning));
}

void TFmLinePractice::OnLineEnded(std::function<void(LineOutcomeKind)> handler) {
  lineEnded_ = std::move(handler);
}

void TFmLinePractice::SetRecorder(PracticeRecorder& recorder, PracticeKind kind) {
  engine_.SetRecorder(recorder, kind);
}

void TFmLinePractice::SetLineFont(const QString& family, int points) {
  for (LineBox* box : {SampleEdit, RichEdit1}) {
    QFont font = box->font();
    font.setPointSize(points);
    font.setFamily(family);
    box->setFont(font);
  }
}

int TFmLinePractice::SampleColumns() const {
  // From the window's width: the sample takes its width only when a hidden window is shown.
  return SampleEdit->ColumnsIn(SampleWidth(width()));
}

void TFmLinePractice::ShowStatus(const std::string& text) {
  SBHelp->showMessage(BytesToQString(text));
}

std::string StatusText(const TFmLinePractice& window) {
  std::string bytes;
  QStringToBytes(window.findChild<QStatusBar*>("SBHelp")->currentMessage(), bytes);
  return bytes;
}

void TFmLinePractice::ClearTyping() {
  RichEdit1->Clear();
}

void TFmLinePractice::ShowTyped(int key, bool right) {
  const QChar shown = key < 256 ? ByteToChar(static_cast<unsigned char>(key)) : QChar(u'?');
  RichEdit1->Append(shown, ToQColor(right ? kRightCharColor : kWrongCharColor), !right);
}

void TFmLinePractice::RemoveLastTyped() {
  RichEdit1->RemoveLast();
}

void TFmLinePractice::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Guarded(context_.dialogs, [&] { ResumeGuides(); });
}

void TFmLinePractice::ResumeGuides() {
  guides_.ShowBelow(*this);
  ShowNextAt(engine_.Position());
  RichEdit1->setFocus();
}

QRect TFmLinePractice::ShownFrame() const {
  return isVisible() || frameAtHide_.isNull() ? frameGeometry() : frameAtHide_;
}

void TFmLinePractice::hideEvent(QHideEvent* event) {
  frameAtHide_ = frameGeometry();
  QDialog::hideEvent(event);
  guides_.HideGuides();
  // A line left half typed (the close box) starts over when the window opens again: the
  // time spent away from it is no practice.
  if (engine_.Started() && !event->spontaneous()) {
    ClearTyping();
    engine_.Restart();
  }
}

void TFmLinePractice::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int w = width();
  Panel1->setGeometry(0, 0, w, height() - kStatusHeight);
  SBHelp->setGeometry(0, height() - kStatusHeight, w, kStatusHeight);
  SampleEdit->resize(SampleWidth(w), SampleEdit->height());
  PlaceTypingBox();
}

void TFmLinePractice::PlaceTypingBox() {
  const int frame = RichEdit1->frameWidth();
  RichEdit1->setGeometry(QRect(SampleEdit->x(), kTypingBoxTop + frame, SampleEdit->width(),
                               SampleEdit->height())
                             .adjusted(-frame, -frame, frame, frame));
}
