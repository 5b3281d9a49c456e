#pragma once
// The program's windows as the Options window applies settings to them and reads progress
// and practice time back from them.
#include "settings/settings_targets.h"

class TutorProgram;

class ProgramSettingsTargets final : public SettingsTargets {
 public:
  explicit ProgramSettingsTargets(TutorProgram& program) : program_(program) {}

  void SetPickerNames(const std::vector<std::string>& names, int selected) override;
  std::string PickedName() override;
  void SetProgress(int index) override;
  int GetProgress() override;
  int64_t GetPracticeTime() override;
  void EnableGameButton(bool enabled) override;
  void ReadLayoutFile(const std::string& path) override;
  void ApplyFingerLayout() override;
  void SetBlinkingColor(Color color) override;
  void BuildKeys(int ox, int oy) override;
  void StartGuides() override;
  void WidenPracticeWindows(int width, int screenWidth) override;
  void SetPracticeFont(int size, const std::string& face) override;
  void LoadCourseText(const std::string& name) override;
  void LoadSentenceText(const std::string& name) override;
  void SetGameText(const std::string& name) override;
  QDialog& Designer() override;
  void LearnerDeleted(const std::string& name) override;
  bool PractisingElsewhere(const std::string& name) override;

 private:
  TutorProgram& program_;
};
