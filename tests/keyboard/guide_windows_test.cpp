#include "keyboard/guide_windows.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <array>

#include "keyboard/layout_file.h"
#include "platform/key_events.h"
#include "practice/letter_prac.h"
#include "support/controls.h"
#include "support/test_context.h"

namespace {
const std::string kUsLayout = std::string(QZ_SOURCE_DIR) + "/data/us.key";

int KeyOf(TVKeyboard& keyboard, char ch) {
  return FindKeyFor(ch, keyboard.KeyCount(), [&](int n) { return keyboard.Key(n).Chars; });
}

Color KeyPixel(TVKeyboard& keyboard, int n) {
  const MKey& key = keyboard.Key(n);
  return keyboard.KeyboardCanvas().PixelAt(key.left + 1, key.top + 1);
}

int LitKeys(TVKeyboard& keyboard) {
  int lit = 0;
  for (int n = 1; n <= keyboard.KeyCount(); ++n) lit += keyboard.IsLit(n);
  return lit;
}

bool AnyFingerLit(TPalmForm& hand) {
  for (int n = 1; n <= 5; ++n) {
    if (hand.IsLit(n)) return true;
  }
  return false;
}

// Popups: the guides as shown on Wayland.
template <bool Popups>
struct GuidesFixture : ::testing::Test {
  TestContext t;
  LayoutRec layout;
  FlashPhase phase;
  TVKeyboard keyboard{layout, t.dialogs};
  TPalmForm left{layout, phase, t.dialogs};
  TPalmForm right{layout, phase, t.dialogs};
  GuideWindows guides{keyboard, left, right, Popups};
  stopwatch watch{t.clock};
  TFmLetterPrac drills{t.context, guides, watch};

  GuidesFixture() {
    left.SetHand(true);
    right.SetHand(false);
    ReadLayoutFile(kUsLayout, layout);
    left.ApplyFingerLayout();
    right.ApplyFingerLayout();
    keyboard.SetBlinkingColor(clRed);
    keyboard.BuildKeys(10, 10);
    keyboard.DrawAllKeys();
  }
  ~GuidesFixture() override { drills.hide(); }

  void DrillAndShow(const std::string& text) {
    t.dialogs.inputs.push_back(text);
    drills.RichEdit1KeyDown(VK_INSERT);
    drills.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&drills));
  }
};
using GuidesTest = GuidesFixture<false>;
using PopupGuidesTest = GuidesFixture<true>;
}  // namespace

// Frames: the keyboard boardGap px below the practice window's, centred; the hands handGap px
// beside it.
bool GuidesBelow(const QWidget& practiceWindow, const QWidget& keyboard, const QWidget& left,
                 const QWidget& right, int boardGap = 15, int handGap = 5) {
  const QRect practice = practiceWindow.frameGeometry();
  const QRect board = keyboard.frameGeometry();
  return board.top() == practice.bottom() + 1 + boardGap &&
         board.left() == (practice.width() - board.width()) / 2 + practice.left() &&
         left.frameGeometry().top() == board.top() && right.frameGeometry().top() == board.top() &&
         left.frameGeometry().right() + 1 + handGap == board.left() &&
         right.frameGeometry().left() == board.right() + 1 + handGap;
}

TEST_F(GuidesTest, TheGuidesStandBelowThePracticeWindowsFrameAndFollowIt) {
  EXPECT_FALSE(keyboard.KeysBlink());
  DrillAndShow("fj");
  EXPECT_TRUE(keyboard.KeysBlink());
  ASSERT_TRUE(QTest::qWaitFor([&] { return keyboard.isVisible() && right.isVisible(); }));
  EXPECT_TRUE(keyboard.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_TRUE(left.windowFlags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_EQ(right.windowHandle()->transientParent(), drills.windowHandle());
  // The frames come with the first showing; the guides are placed again by them.
  EXPECT_TRUE(QTest::qWaitFor([&] { return GuidesBelow(drills, keyboard, left, right); }));
  EXPECT_GT(keyboard.frameGeometry().width(), keyboard.width());

  drills.move(drills.pos() + QPoint(7, 3));
  EXPECT_TRUE(QTest::qWaitFor([&] { return GuidesBelow(drills, keyboard, left, right); }));
  drills.hide();
  EXPECT_FALSE(keyboard.isVisible() || left.isVisible() || right.isVisible());
}

TEST_F(PopupGuidesTest, ThePracticeWindowsPopupsWhileItIsOpenToolWindowsAgainAfter) {
  const Qt::WindowFlags toolFlags = left.windowFlags();
  DrillAndShow("fj");
  ASSERT_TRUE(QTest::qWaitFor([&] { return keyboard.isVisible() && right.isVisible(); }));
  // Each touches its parent, as a compositor may close a popup that does not.
  for (QWidget* guide : std::array<QWidget*, 3>{&keyboard, &left, &right})
    EXPECT_EQ(guide->windowType(), Qt::ToolTip);
  EXPECT_EQ(keyboard.windowHandle()->transientParent(), drills.windowHandle());
  EXPECT_EQ(left.windowHandle()->transientParent(), keyboard.windowHandle());
  EXPECT_TRUE(GuidesBelow(drills, keyboard, left, right, 0, 0));

  // A shown popup cannot be moved: a wider practice window shows them again, placed anew.
  drills.resize(drills.width() + 40, drills.height());
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return right.isVisible() && GuidesBelow(drills, keyboard, left, right, 0, 0); }));
  drills.hide();
  EXPECT_FALSE(keyboard.isVisible() || left.isVisible() || right.isVisible());
  EXPECT_EQ(left.windowFlags(), toolFlags);
}

TEST_F(GuidesTest, TheNextKeyAndItsFingerFlash) {
  DrillAndShow("fj");
  const int f = KeyOf(keyboard, 'f');
  EXPECT_TRUE(keyboard.IsLit(f));
  EXPECT_EQ(LitKeys(keyboard), 1);
  EXPECT_TRUE(left.IsLit(4));  // finger 3, the left index finger
  EXPECT_FALSE(AnyFingerLit(right));
  EXPECT_TRUE(Control<QTimer>(left, "TimerOfPalm")->isActive());

  keyboard.TimerofKBTimer();
  EXPECT_EQ(KeyPixel(keyboard, f), clRed);
  const finger& index = left.Finger(4);
  left.TimerOfPalmTimer();
  left.TimerOfPalmTimer();
  EXPECT_EQ(left.HandCanvas().PixelAt(index.x, index.y - 20), clBlack);

  drills.RichEdit1KeyPress('f');
  const int j = KeyOf(keyboard, 'j');
  EXPECT_EQ(KeyPixel(keyboard, f), layout.KeyAt(f).Color);
  EXPECT_TRUE(keyboard.IsLit(j));
  EXPECT_TRUE(right.IsLit(4));  // finger 6, the right index finger
  EXPECT_FALSE(AnyFingerLit(left));
  EXPECT_FALSE(Control<QTimer>(left, "TimerOfPalm")->isActive());
  EXPECT_EQ(left.HandCanvas().PixelAt(index.x, index.y - 20), layout.FingerAt(4).Color);

  drills.RichEdit1KeyPress('j');
  EXPECT_TRUE(keyboard.IsLit(layout.KeyCount));  // the space bar
  EXPECT_TRUE(right.IsLit(5));                   // finger 5, the right thumb
}

TEST_F(GuidesTest, NothingIsLitWhenNothingIsToBeTyped) {
  DrillAndShow("fj");
  const std::string line = drills.Line().SampleLine();
  for (char ch : line) drills.RichEdit1KeyPress(static_cast<unsigned char>(ch));
  EXPECT_EQ(LitKeys(keyboard), 0);
  EXPECT_FALSE(AnyFingerLit(left));
  EXPECT_FALSE(AnyFingerLit(right));
}

TEST_F(GuidesTest, ACharacterWithoutAKeyClearsBothHands) {
  DrillAndShow("f\xE9");
  drills.RichEdit1KeyPress('f');
  EXPECT_EQ(LitKeys(keyboard), 0);  // no key shows é on a US keyboard
  EXPECT_FALSE(AnyFingerLit(left));
  EXPECT_FALSE(AnyFingerLit(right));
}
