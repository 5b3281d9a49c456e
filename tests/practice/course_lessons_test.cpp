#include <gtest/gtest.h>

#include "practice/course_navigation.h"
#include "practice/key_mastery.h"

TEST(CourseLessons, ALineBringingNewKeysStartsALessonAfterThePreviousOnesKeys) {
  const LineText course = LineText::FromBytes("fff jjj\nfj jf\nddd kkk\ndk fj\nsss lll\n");
  EXPECT_FALSE(LessonStartingAt(course, 0));
  EXPECT_FALSE(LessonStartingAt(course, 1));
  EXPECT_FALSE(LessonStartingAt(course, 3));
  const std::optional<LessonStart> lesson = LessonStartingAt(course, 4);
  ASSERT_TRUE(lesson);
  EXPECT_EQ(lesson->taught, "fjdk");
  EXPECT_EQ(lesson->previousKeys, "dk");

  // Only a key that went wrong often, and was typed enough to tell, went badly.
  KeyMastery mastery;
  LineKeyFigures line;
  line.keys['d'] = {20, 4, 20, 20 * 600};  // 20 % wrong
  line.keys['k'] = {20, 1, 20, 20 * 900};  // 5 %, slow
  line.keys['f'] = {3, 3, 3, 3 * 400};     // too few to judge
  mastery.AddLine(line);
  EXPECT_EQ(KeysFarFromMastery(mastery, "dkf", MasteryGoals{}), "d");
}
