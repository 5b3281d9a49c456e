#pragma once
// TFmCoursePrac, the course: the lines of the course file in order; the current line is the
// learner's progress.
#include "practice/sentence_prac.h"

class QLabel;

class TFmCoursePrac : public TFmSentencePrac {
 public:
  TFmCoursePrac(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                QWidget* parent = nullptr);

  void SetProgress(int index) { CourseLine = index; }
  int GetProgress() const { return CourseLine; }

  int CourseLine = 0;
  int NavRequest = 10;
  QLabel* Label1;
};
