#include "keyboard/palm.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "support/controls.h"
#include "support/test_context.h"

namespace {
constexpr Color kColours[10] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0, 0xC000C0,
                                0xC0C000, 0x808080, 0x4080FF, 0xFF8040, 0x40FF80};

struct HandsTest : ::testing::Test {
  TestContext t;
  LayoutRec layout;
  FlashPhase phase;
  TPalmForm left{layout, phase, t.dialogs};
  TPalmForm right{layout, phase, t.dialogs};

  HandsTest() {
    const int lengths[10] = {40, 50, 60, 55, 30, 90, 90, 90, 90, 90};
    for (int n = 1; n <= 10; ++n) layout.FingerAt(n) = {lengths[n - 1], kColours[n - 1]};
    left.SetHand(true);
    right.SetHand(false);
  }
  void Apply() {
    left.ApplyFingerLayout();
    right.ApplyFingerLayout();
    left.DrawFingers();
    right.DrawFingers();
  }
  // A pixel in the middle of finger n's stroke.
  static Color StrokePixel(TPalmForm& hand, int n) {
    const finger& f = hand.Finger(n);
    return hand.HandCanvas().PixelAt(f.x, std::max(0, f.y - f.length / 2));
  }
};
}  // namespace

TEST_F(HandsTest, SetHandPutsGreenFingersOnTheirSides) {
  EXPECT_EQ(left.width(), 63);
  EXPECT_EQ(left.windowTitle(), "Palm");
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(left.Finger(n).x, 10 + 9 * (n - 1));
    EXPECT_EQ(right.Finger(n).x, 10 + 9 * (5 - n));
    EXPECT_EQ(left.Finger(n).y, left.frameGeometry().height() - 10);
    EXPECT_EQ(left.Finger(n).length, 30);
    EXPECT_EQ(right.Finger(n).colour, clGreen);
    EXPECT_FALSE(left.IsLit(n));
  }
  EXPECT_TRUE(left.IsLeftHand());
  EXPECT_FALSE(right.IsLeftHand());
  EXPECT_FALSE(Control<QTimer>(left, "TimerOfPalm")->isActive());
  EXPECT_EQ(Control<QTimer>(left, "TimerOfPalm")->interval(), 250);
}

TEST_F(HandsTest, BothHandsTakeTheirHeightFromTheLeftHand) {
  Apply();
  EXPECT_EQ(left.height(), 80);
  EXPECT_EQ(right.height(), 80);
  EXPECT_EQ(left.Finger(3).y, 70);
  EXPECT_EQ(left.Finger(3).length, 60);
  EXPECT_EQ(left.Finger(3).colour, kColours[2]);
  // The right hand's finger 1 is entry 10, its finger 5 (the thumb) entry 6.
  EXPECT_EQ(right.Finger(1).colour, kColours[9]);
  EXPECT_EQ(right.Finger(5).colour, kColours[5]);
  EXPECT_EQ(right.Finger(5).x, 10);
  // Strokes longer than the window are cut at its top edge.
  EXPECT_EQ(right.HandCanvas().PixelAt(10, 0), kColours[5]);
  EXPECT_EQ(StrokePixel(left, 4), kColours[3]);
  EXPECT_EQ(left.HandCanvas().PixelAt(55, 40), clBlack);
}

TEST_F(HandsTest, LightingAnotherFingerRestoresTheFirstAtOnce) {
  Apply();
  left.LightFinger(3);
  EXPECT_TRUE(left.IsLit(3));
  EXPECT_TRUE(Control<QTimer>(left, "TimerOfPalm")->isActive());
  EXPECT_TRUE(left.FingersBlink());
  left.TimerOfPalmTimer();  // phase on: drawn
  left.TimerOfPalmTimer();  // phase off: erased
  ASSERT_EQ(StrokePixel(left, 3), clBlack);
  left.LightFinger(1);
  EXPECT_EQ(StrokePixel(left, 3), kColours[2]);
  EXPECT_FALSE(left.IsLit(3));
  EXPECT_TRUE(left.IsLit(1));
  EXPECT_EQ(left.CurrentFinger(), 1);
}

TEST_F(HandsTest, ALitFingerBlinksBetweenItsColourAndBlack) {
  Apply();
  right.LightFinger(2);
  right.TimerOfPalmTimer();
  EXPECT_EQ(StrokePixel(right, 2), kColours[8]);
  EXPECT_FALSE(phase.On);
  right.TimerOfPalmTimer();
  EXPECT_EQ(StrokePixel(right, 2), clBlack);
  EXPECT_EQ(StrokePixel(right, 3), kColours[7]);
  right.TimerOfPalmTimer();
  EXPECT_EQ(StrokePixel(right, 2), kColours[8]);
}

TEST_F(HandsTest, TheHandsShareOneFlashPhase) {
  Apply();
  left.LightFinger(1);
  right.LightFinger(1);
  left.TimerOfPalmTimer();
  EXPECT_FALSE(phase.On);
  right.TimerOfPalmTimer();  // sees the phase the left hand left
  EXPECT_EQ(StrokePixel(right, 1), clBlack);
  EXPECT_TRUE(phase.On);
}

TEST_F(HandsTest, NumbersOutsideTheHandChangeNothing) {
  Apply();
  left.LightFinger(2);
  for (int n : {0, 6, -1}) {
    left.LightFinger(n);
    left.RestoreFinger(n);
  }
  EXPECT_TRUE(left.IsLit(2));
  EXPECT_EQ(left.CurrentFinger(), 2);
  EXPECT_TRUE(Control<QTimer>(left, "TimerOfPalm")->isActive());
}

TEST_F(HandsTest, ClearFingerStopsTheBlinking) {
  Apply();
  right.ClearFinger();  // nothing was ever lit
  EXPECT_FALSE(Control<QTimer>(right, "TimerOfPalm")->isActive());
  Control<QTimer>(right, "TimerOfPalm")->start();
  right.ClearFinger();
  EXPECT_TRUE(Control<QTimer>(right, "TimerOfPalm")->isActive());

  left.LightFinger(4);
  left.TimerOfPalmTimer();
  left.TimerOfPalmTimer();
  ASSERT_EQ(StrokePixel(left, 4), clBlack);
  left.ClearFinger();
  EXPECT_FALSE(left.IsLit(4));
  EXPECT_EQ(StrokePixel(left, 4), kColours[3]);
  EXPECT_FALSE(Control<QTimer>(left, "TimerOfPalm")->isActive());
  EXPECT_EQ(left.CurrentFinger(), 4);
}

TEST_F(HandsTest, TicksDoNothingUntilAFingerWasLit) {
  Apply();
  left.TimerOfPalmTimer();
  EXPECT_TRUE(phase.On);
  EXPECT_FALSE(left.FingersBlink());
}

TEST_F(HandsTest, LightingDoesNotRestartARunningTimer) {
  // Typing faster than the tick must still see the finger blink.
  Apply();
  left.LightFinger(1);
  const int timer = Control<QTimer>(left, "TimerOfPalm")->timerId();
  left.LightFinger(2);
  EXPECT_EQ(Control<QTimer>(left, "TimerOfPalm")->timerId(), timer);
}

TEST_F(HandsTest, ABlackFingerStaysInvisible) {
  layout.FingerAt(2).Color = clBlack;
  Apply();
  left.LightFinger(2);
  for (int tick = 0; tick < 2; ++tick) {
    left.TimerOfPalmTimer();
    EXPECT_EQ(StrokePixel(left, 2), clBlack);
  }
}

TEST_F(HandsTest, PaintingDrawsAllFingers) {
  Apply();
  left.LightFinger(5);
  left.TimerOfPalmTimer();
  left.TimerOfPalmTimer();
  ASSERT_EQ(StrokePixel(left, 5), clBlack);
  left.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&left));
  auto* surface = left.findChild<PaintSurface*>("HandSurface");
  ASSERT_NE(surface, nullptr);
  surface->repaint();
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(StrokePixel(left, n), kColours[n - 1]) << n;
  left.hide();
}

TEST_F(HandsTest, ExtremeLengthsStayWithinTheLargestWindow) {
  layout.FingerAt(1).Length = INT32_MAX;
  layout.FingerAt(2).Length = INT32_MIN;
  layout.FingerAt(10).Length = INT32_MIN;
  Apply();
  EXPECT_EQ(left.height(), 4096);
  left.LightFinger(2);
  left.TimerOfPalmTimer();
  right.LightFinger(1);
  right.TimerOfPalmTimer();
}

TEST_F(HandsTest, ABlinkTickRedrawsOnlyTheLitFinger) {
  Apply();
  ImageCanvas& canvas = left.HandCanvas();
  canvas.TakeDrawn();
  left.LightFinger(3);
  left.ClearFinger();  // drawn as it stands: nothing to update
  left.LightFinger(3);
  left.TimerOfPalmTimer();  // shown in its colour, as it is
  EXPECT_TRUE(canvas.TakeDrawn().isEmpty());
  for (int tick = 0; tick < 2; ++tick) {
    left.TimerOfPalmTimer();
    const QRegion drawn = canvas.TakeDrawn();
    for (int n = 1; n <= 5; ++n) {
      const finger& f = left.Finger(n);
      const QRect stroke(f.x - 3, f.y - f.length, 6, f.length);
      EXPECT_EQ(drawn.intersects(stroke), n == 3) << "tick " << tick << " finger " << n;
    }
  }
}
