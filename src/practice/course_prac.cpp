#include "practice/course_prac.h"

#include <QLabel>
#include <QFrame>

TFmCoursePrac::TFmCoursePrac(WindowContext& context, KeyGuides& guides,
                             stopwatch& practiceStopwatch, QWidget* parent)
    : TFmSentencePrac(context, guides, practiceStopwatch, parent) {
  setObjectName("FmCoursePrac");
  setWindowTitle("Course");
  Label1 = new QLabel("00 / 00", Panel1);
  Label1->setObjectName("Label1");
  Label1->move(348, 85);
}
