#include "keyboard/vkeyboard.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "keyboard/test_layouts.h"
#include "support/controls.h"
#include "support/test_context.h"

namespace {
constexpr Color kFlash = 0x00FF00;

struct KeyboardTest : ::testing::Test {
  TestContext t;
  LayoutRec layout = GridLayout(48);
  TVKeyboard keyboard{layout, t.dialogs};

  void Build(bool blinking = true) {
    keyboard.SetBlinkingColor(kFlash);
    keyboard.BuildKeys(10, 10);
    keyboard.DrawAllKeys();
    if (blinking) keyboard.LetKeysBlink();
  }
  // A pixel of key n that no character covers.
  Color KeyPixel(int n) {
    const MKey& key = keyboard.Key(n);
    return keyboard.KeyboardCanvas().PixelAt(key.left + 1, key.top + 1);
  }
  int LitCount() {
    int lit = 0;
    for (int n = 1; n <= keyboard.KeyCount(); ++n) lit += keyboard.IsLit(n);
    return lit;
  }
};
}  // namespace

TEST_F(KeyboardTest, StartsEmptyWithTheTimerOff) {
  EXPECT_EQ(keyboard.windowTitle(), "Virtual Keyboard");
  EXPECT_EQ(keyboard.size(), QSize(497, 181));
  EXPECT_EQ(keyboard.KeyCount(), 0);
  EXPECT_FALSE(Control<QTimer>(keyboard, "TimerofKB")->isActive());
  EXPECT_EQ(Control<QTimer>(keyboard, "TimerofKB")->interval(), 250);
  EXPECT_FALSE(keyboard.KeysBlink());
  for (char ch : {'a', ' ', '1'}) EXPECT_EQ(keyboard.ShowNextKey(ch), -1);
}

TEST_F(KeyboardTest, BuildKeysLaysOutTheLinesAndTheSpaceBar) {
  Build();
  ASSERT_EQ(keyboard.KeyCount(), 48);
  EXPECT_EQ(keyboard.Key(1).left, 10 + 1);
  EXPECT_EQ(keyboard.Key(13).left, 10 + 15);
  EXPECT_EQ(keyboard.Key(25).left, 10 + 25);
  EXPECT_EQ(keyboard.Key(37).left, 10 + 40);
  EXPECT_EQ(keyboard.Key(2).left, 10 + 1 + 34);
  EXPECT_EQ(keyboard.Key(37).top, 10 + 3 * 34);
  EXPECT_EQ(keyboard.Key(47).top, 10 + 3 * 34);
  const MKey& space = keyboard.Key(48);
  EXPECT_EQ(space.left, 10 + 40 + 90);
  EXPECT_EQ(space.top, 10 + 4 * 34);
  EXPECT_EQ(space.width, 150);
  EXPECT_EQ(space.height, 30);
  EXPECT_EQ(keyboard.height(), 190);
  EXPECT_EQ(keyboard.width(), 10 + 25 + 11 * 34 + 30 + 10);
  EXPECT_EQ(keyboard.maximumSize(), keyboard.size());  // a maximised keyboard hides the practice
  EXPECT_EQ(keyboard.Key(5).FlashColor, kFlash);
  EXPECT_EQ(space.FlashColor, kFlash);
  EXPECT_EQ(KeyPixel(48), kKeyColour);
  EXPECT_EQ(keyboard.KeyboardCanvas().PixelAt(5, 5), clOlive);
}

TEST_F(KeyboardTest, TheBlinkingColourTakesEffectAtTheNextBuild) {
  Build();
  keyboard.SetBlinkingColor(clRed);
  EXPECT_EQ(keyboard.Key(1).FlashColor, kFlash);
  keyboard.BuildKeys(10, 10);
  EXPECT_EQ(keyboard.Key(1).FlashColor, clRed);
}

TEST_F(KeyboardTest, TheNextKeyBlinksFromTheTicks) {
  Build();
  EXPECT_EQ(keyboard.ShowNextKey('c'), 2);
  EXPECT_TRUE(keyboard.IsLit(3));
  EXPECT_EQ(KeyPixel(3), kKeyColour);  // changes only at the tick
  keyboard.TimerofKBTimer();
  EXPECT_EQ(KeyPixel(3), kFlash);
  EXPECT_FALSE(keyboard.FlashPhaseOn());
  keyboard.TimerofKBTimer();
  EXPECT_EQ(KeyPixel(3), kKeyColour);
  EXPECT_TRUE(keyboard.FlashPhaseOn());
  keyboard.TimerofKBTimer();
  EXPECT_EQ(KeyPixel(3), kFlash);
  EXPECT_EQ(KeyPixel(4), kKeyColour);
}

TEST_F(KeyboardTest, ShowNextKeyRestoresTheLitKeyAtOnce) {
  Build();
  EXPECT_EQ(keyboard.ShowNextKey('a'), 0);
  keyboard.TimerofKBTimer();
  ASSERT_EQ(KeyPixel(1), kFlash);
  EXPECT_EQ(keyboard.ShowNextKey('B'), 1);
  EXPECT_EQ(KeyPixel(1), kKeyColour);
  EXPECT_FALSE(keyboard.IsLit(1));
  EXPECT_TRUE(keyboard.IsLit(2));
  EXPECT_EQ(LitCount(), 1);
}

TEST_F(KeyboardTest, UnknownCharactersAndClearingLightNothing) {
  Build();
  keyboard.ShowNextKey('a');
  keyboard.TimerofKBTimer();
  EXPECT_EQ(keyboard.ShowNextKey('~'), -1);
  EXPECT_EQ(LitCount(), 0);
  EXPECT_EQ(KeyPixel(1), kKeyColour);
  keyboard.ShowNextKey(' ');
  EXPECT_TRUE(keyboard.IsLit(48));
  keyboard.TimerofKBTimer();
  keyboard.ClearNextKey();
  EXPECT_EQ(LitCount(), 0);
  EXPECT_EQ(KeyPixel(48), kKeyColour);
}

TEST_F(KeyboardTest, TicksDoNothingUntilBlinkingIsSwitchedOn) {
  Build(false);
  keyboard.ShowNextKey('a');
  keyboard.TimerofKBTimer();
  keyboard.TimerofKBTimer();
  keyboard.TimerofKBTimer();
  EXPECT_TRUE(keyboard.FlashPhaseOn());
  EXPECT_EQ(KeyPixel(1), kKeyColour);
  keyboard.LetKeysBlink();
  keyboard.TimerofKBTimer();
  EXPECT_EQ(KeyPixel(1), kFlash);
}

TEST_F(KeyboardTest, RebuildingWithFewerKeysLeavesNothingLit) {
  Build();
  keyboard.ShowNextKey('z');
  ASSERT_TRUE(keyboard.IsLit(26));
  layout = GridLayout(10);
  keyboard.BuildKeys(10, 10);
  EXPECT_EQ(keyboard.KeyCount(), 10);
  EXPECT_EQ(LitCount(), 0);
  keyboard.TimerofKBTimer();  // touches no key that is gone
  EXPECT_EQ(keyboard.width(), 10 + 1 + 8 * 34 + 30 + 10);
}

TEST_F(KeyboardTest, PaintingDrawsEveryKeyInItsOwnColour) {
  Build();
  keyboard.ShowNextKey('a');
  keyboard.TimerofKBTimer();
  ASSERT_EQ(KeyPixel(1), kFlash);
  // A rebuild with other colours repaints everything, old keys included.
  layout.KeyAt(2).Color = clYellow;
  layout.KeyCount = 3;
  keyboard.BuildKeys(10, 10);
  keyboard.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&keyboard));
  auto* surface = keyboard.findChild<PaintSurface*>("KeyboardSurface");
  ASSERT_NE(surface, nullptr);
  surface->repaint();
  EXPECT_EQ(KeyPixel(1), kKeyColour);
  EXPECT_EQ(KeyPixel(2), clYellow);
  EXPECT_EQ(keyboard.KeyboardCanvas().PixelAt(10 + 25 + 1, 10 + 2 * 34 + 1), clOlive);
  keyboard.hide();
}

TEST_F(KeyboardTest, CharactersAreDrawnInTheirCells) {
  layout = GridLayout(3);
  layout.KeyAt(1).Chars = {'W', ' ', ' ', ' '};
  layout.KeyAt(2).Chars = {' ', ' ', ' ', ' '};
  Build();
  const auto inks = [&](int n, int dx, int dy) {
    const MKey& key = keyboard.Key(n);
    int count = 0;
    for (int y = key.top + dy; y < key.top + dy + 15; ++y) {
      for (int x = key.left + dx; x < key.left + dx + 13; ++x) {
        count += keyboard.KeyboardCanvas().PixelAt(x, y) != kKeyColour;
      }
    }
    return count;
  };
  EXPECT_GT(inks(1, 2, 0), 0);
  EXPECT_EQ(inks(1, 2, 15), 0);
  EXPECT_EQ(inks(1, 15, 0), 0);
  EXPECT_EQ(inks(2, 2, 0), 0);  // spaces are cells of the key's colour
}

TEST_F(KeyboardTest, AbsurdSizesAreKeptWithinTheLargestWindow) {
  // The designer may store what a file could not; the window still stays within bounds.
  layout.KeyWidth = 2000000000;
  layout.KeyHeight = -50;
  layout.KeyAt(3).Column = -7;
  layout.KeyAt(4).Line = 9;
  Build();
  EXPECT_EQ(keyboard.width(), 4096);
  EXPECT_GE(keyboard.height(), 1);
  keyboard.ShowNextKey('d');
  keyboard.TimerofKBTimer();
  keyboard.DrawAllKeys();
}

TEST_F(KeyboardTest, ABlinkTickRedrawsOnlyTheLitKey) {
  Build();
  ImageCanvas& canvas = keyboard.KeyboardCanvas();
  const auto place = [&](int n) {
    const MKey& key = keyboard.Key(n);
    return QRect(key.left, key.top, key.width, key.height);
  };
  const auto drawnKeys = [&] {
    const QRegion drawn = canvas.TakeDrawn();
    std::vector<int> keys;
    for (int n = 1; n <= keyboard.KeyCount(); ++n) {
      if (drawn.intersects(place(n))) keys.push_back(n);
    }
    return keys;
  };
  keyboard.ShowNextKey('c');
  canvas.TakeDrawn();
  keyboard.TimerofKBTimer();
  EXPECT_EQ(drawnKeys(), std::vector<int>{3});
  keyboard.TimerofKBTimer();
  EXPECT_EQ(drawnKeys(), std::vector<int>{3});
  // Un-lit while it shows its own colour: nothing changes on the screen.
  keyboard.ShowNextKey('d');
  EXPECT_TRUE(drawnKeys().empty());
}
