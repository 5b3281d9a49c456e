#pragma once
// TFmCoursePrac, the course: the lines of the course file in order. The current line is the
// learner's progress; the arrow keys and Insert move through the course at any time.
#include <QCoreApplication>

#include "practice/course_navigation.h"
#include "practice/sentence_prac.h"

class QLabel;
class QToolButton;

class TFmCoursePrac : public TFmSentencePrac {
  Q_DECLARE_TR_FUNCTIONS(TFmCoursePrac)

 public:
  TFmCoursePrac(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                QWidget* parent = nullptr);

  void SetProgress(int index) { CourseLine = index; }
  int GetProgress() const { return CourseLine; }

  // Loading sets up the line at the progress; it never navigates.
  bool LoadTextFile() override;
  void NextLine() override;
  bool RichEdit1KeyDown(int vk) override;
  // The lesson the current line starts, when the learner came to it by finishing a line.
  std::optional<LessonStart> ReachedLesson() const;
  void SpeedButton1Click();
  void SpeedButton2Click();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // Until NextLine moves on, CourseLine is the line just completed.
  int RecordedCourseLine() const override { return CourseLine + 1; }

 private:
  QLabel* Label1;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;
  int CourseLine = 0;
  int NavRequest = kNavNone;
  bool reachedByTyping_ = false;
};
