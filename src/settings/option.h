#pragma once
// TFmOption: the Options window and owner of all settings.
#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

class TFmOption : public QDialog {
 public:
  // runPracticeTime: this run's practice time of the course, free and sentence drills.
  explicit TFmOption(std::function<int64_t()> runPracticeTime, QWidget* parent = nullptr);
  int64_t GetTotalTime() const;
  std::string CurrentUser = "Learner";
  int64_t TimeTotalBase = 5;

 private:
  std::function<int64_t()> runPracticeTime_;
};
