#include "practice/adaptive_prac.h"

#include <QLabel>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/translation.h"
#include "practice/line_box.h"
#include "practice/paragraph_drill.h"

namespace {
constexpr const char* kOneLineLeft = QT_TRANSLATE_NOOP("Practice", " line left.");
constexpr const char* kNoKeysToDrill = QT_TRANSLATE_NOOP(
    "Practice", "The keyboard layout has no keys to practise. Please check the Options.");
}  // namespace

TFmAdaptivePrac::TFmAdaptivePrac(WindowContext& context, KeyGuides& guides,
                                 stopwatch& practiceStopwatch, AdaptiveSource source,
                                 QWidget* parent)
    : TFmLinePractice(context, guides, practiceStopwatch, parent), source_(std::move(source)) {
  setObjectName("FmAdaptivePrac");
  setWindowTitle(tr("Adaptive Drills"));
  // Between the sample and the typing box, where the course counts its lines: the status bar
  // keeps the whole width for the line's figures.
  LbFocus = new QLabel(Panel1);
  LbFocus->setObjectName("LbFocus");
  LbFocus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TFmAdaptivePrac::resizeEvent(QResizeEvent* event) {
  TFmLinePractice::resizeEvent(event);
  constexpr int kLeft = 30;  // clear of the clock's mark
  LbFocus->setGeometry(kLeft, SampleEdit->geometry().bottom() - 1,
                       SampleEdit->geometry().right() - kLeft, kFocusHeight);
  ShowFocus();
}

void TFmAdaptivePrac::NewDrill() {
  AdaptiveMaterial material = source_.material();
  drill_.emplace(std::move(material), source_.goals(),
                 static_cast<uint32_t>(context_.random.Below(1 << 30)));
  for (const LineKeyFigures& line : source_.history()) drill_->AddLine(line);
  linesLeft_ = -1;
  ShowStatus(std::string());
}

void TFmAdaptivePrac::Start() {
  NewDrill();
  ShowNextDrillLine();
}

void TFmAdaptivePrac::StartOnKeys(const std::string& keys, int lines) {
  NewDrill();
  drill_->FixIncluded(keys);
  linesLeft_ = lines;
  ShowNextDrillLine();
}

void TFmAdaptivePrac::StartFocusedOn(const std::string& keys) {
  NewDrill();
  drill_->FocusAmong(keys);
  ShowNextDrillLine();
}

void TFmAdaptivePrac::NextLine() {
  if (!drill_) return;
  const LineOutcomeKind outcome = engine_.LineOutcome();
  if (outcome == LineOutcomeKind::Completed) drill_->AddLine(SumAttempts(engine_.FirstAttempts()));
  // A line skipped with Enter counts too, or skipping would never end the lines offered.
  if ((outcome == LineOutcomeKind::Completed || outcome == LineOutcomeKind::Skipped) &&
      linesLeft_ > 0 && --linesLeft_ == 0) {
    accept();
    return;
  }
  ShowNextDrillLine();
}

void TFmAdaptivePrac::ShowNextDrillLine() {
  ClearTyping();
  drill_->FitLinesTo(static_cast<size_t>(std::max(SampleColumns(), 0)));
  const std::string line = drill_->NextLine();
  if (line.empty()) throw AppError(Translated("Practice", kNoKeysToDrill));
  engine_.SetUpLine(line);
  ShowFocus();
}

void TFmAdaptivePrac::ShowFocus() {
  if (!drill_) return;
  // The paragraph drills' " lines left." stays as it is; here English too takes the singular.
  const std::string leftText = linesLeft_ == 1 ? Translated("Practice", kOneLineLeft)
                                               : Translated("Practice", kLinesLeft, linesLeft_);
  const QString left =
      linesLeft_ > 0 ? BytesToQString(std::to_string(linesLeft_) + leftText + "   ") : QString();
  const QString focus = BytesToQString(drill_->StatusText());
  // The lines left stay whole; the focus gives way where the label is too narrow for both.
  const QFontMetrics metrics = LbFocus->fontMetrics();
  LbFocus->setText(left + metrics.elidedText(focus, Qt::ElideRight,
                                             LbFocus->width() - metrics.horizontalAdvance(left)));
  LbFocus->setAccessibleName(left + focus);
}
