#include "settings/option.h"

TFmOption::TFmOption(std::function<int64_t()> runPracticeTime, QWidget* parent)
    : QDialog(parent), runPracticeTime_(std::move(runPracticeTime)) {
  setObjectName("FmOption");
  setWindowTitle("Options");
}

int64_t TFmOption::GetTotalTime() const { return TimeTotalBase + runPracticeTime_(); }
