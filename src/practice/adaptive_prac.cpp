#include "practice/adaptive_prac.h"

#include <QLabel>
#include <QStatusBar>

#include "platform/codepage.h"

TFmAdaptivePrac::TFmAdaptivePrac(WindowContext& context, KeyGuides& guides,
                                 stopwatch& practiceStopwatch, AdaptiveSource source,
                                 QWidget* parent)
    : TFmLinePractice(context, guides, practiceStopwatch, parent), source_(std::move(source)) {
  setObjectName("FmAdaptivePrac");
  setWindowTitle(tr("Adaptive Drills"));
  LbFocus = new QLabel(this);
  LbFocus->setObjectName("LbFocus");
  SBHelp->addPermanentWidget(LbFocus);
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
  if (engine_.LineOutcome() == LineOutcomeKind::Completed) {
    drill_->AddLine(SumAttempts(engine_.FirstAttempts()));
    if (linesLeft_ > 0 && --linesLeft_ == 0) {
      accept();
      return;
    }
  }
  ShowNextDrillLine();
}

void TFmAdaptivePrac::ShowNextDrillLine() {
  ClearTyping();
  engine_.SetUpLine(drill_->NextLine());
  LbFocus->setText(BytesToQString(drill_->StatusText()));
}
