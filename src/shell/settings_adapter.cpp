#include "shell/settings_adapter.h"

#include <QPushButton>
#include <QWindow>

#include "platform/codepage.h"
#include "shell/program.h"

namespace {
// The free drills, course, sentence and adaptive drills windows, in the order the settings
// reach them.
std::vector<TFmLinePractice*> FontWindows(TutorProgram& program) {
  return {program.FmLetterPrac.get(), program.FmCoursePrac.get(), program.FmSentencePrac.get(),
          program.FmAdaptivePrac.get()};
}
}  // namespace

void ProgramSettingsTargets::SetPickerNames(const std::vector<std::string>& names, int selected) {
  program_.AboutBox->OfferLearners(names, selected);
}

std::string ProgramSettingsTargets::PickedName() {
  return program_.AboutBox->PickedLearner();
}

void ProgramSettingsTargets::SetProgress(int index) { program_.FmCoursePrac->SetProgress(index); }
int ProgramSettingsTargets::GetProgress() { return program_.FmCoursePrac->GetProgress(); }
int64_t ProgramSettingsTargets::GetPracticeTime() { return program_.RunPracticeTime(); }

void ProgramSettingsTargets::EnableGameButton(bool enabled) {
  program_.ButtonMenu->EnableGame(enabled);
}

void ProgramSettingsTargets::ReadLayoutFile(const std::string& path) {
  // Through the designer, so that its controls show the layout just read.
  program_.DefineQZ->ReadLayoutFile(path);
}

void ProgramSettingsTargets::ApplyFingerLayout() {
  program_.LeftHand->ApplyFingerLayout();
  program_.RightHand->ApplyFingerLayout();
}

void ProgramSettingsTargets::SetBlinkingColor(Color color) {
  program_.VKeyboard->SetBlinkingColor(color);
}

void ProgramSettingsTargets::BuildKeys(int ox, int oy) { program_.VKeyboard->BuildKeys(ox, oy); }

void ProgramSettingsTargets::StartGuides() {
  program_.VKeyboard->RunTimer();
  // A hidden keyboard draws all its keys when it is shown; drawn now, its picture would take
  // its memory long before that.
  if (program_.VKeyboard->isVisible()) program_.VKeyboard->DrawAllKeys();
  program_.LeftHand->RunTimer();
  program_.RightHand->RunTimer();
}

void ProgramSettingsTargets::WidenPracticeWindows(int width, int screenWidth) {
  for (TFmLinePractice* window : FontWindows(program_)) {
    // The frame's left edge goes to left; the window stays at its height on the screen. A
    // window never shown takes its frame's place when it is first shown. One shown before has
    // its frame placed where its last frame stood: the frame Qt reports of a hidden window is
    // not to be trusted.
    const int left = (screenWidth - width) / 2;
    const int top = window->ShownFrame().y();
    window->resize(width, window->height());
    if (window->testAttribute(Qt::WA_WState_Created)) {
      window->windowHandle()->setFramePosition(QPoint(left, top));
    } else {
      window->move(left, top);
    }
  }
}

void ProgramSettingsTargets::SetPracticeFont(int size, const std::string& face) {
  for (TFmLinePractice* window : FontWindows(program_)) {
    window->SetLineFont(BytesToQString(face), ShownPoints(size));
  }
}

void ProgramSettingsTargets::LoadCourseText(const std::string& name) {
  program_.FmCoursePrac->SetTextFile(name);
  program_.FmCoursePrac->LoadTextFile();
}

void ProgramSettingsTargets::LoadSentenceText(const std::string& name) {
  program_.FmSentencePrac->SetTextFile(name);
  program_.FmTextPrac->SetTextFile(name);
  program_.FmSentencePrac->LoadTextFile();
  program_.FmTextPrac->ShareText(name, program_.FmSentencePrac->Text());
}

void ProgramSettingsTargets::SetGameText(const std::string& name) {
  program_.gameFrame->SetTextFile(name);
}

QDialog& ProgramSettingsTargets::Designer() { return *program_.DefineQZ; }

void ProgramSettingsTargets::LearnerDeleted(const std::string& name) {
  program_.Stats->DeleteLearner(name);
}

bool ProgramSettingsTargets::PractisingElsewhere(const std::string& name) {
  return program_.PractisingElsewhere(name);
}
