#include "keyboard/layout.h"

#include <gtest/gtest.h>

#include "keyboard/key_geometry.h"

namespace {
// Keys: 1 "A" finger 0, 2 "!1" finger 1, 3 lower-case "b" finger 2, 4 "É" finger 3, and a
// space bar whose characters include A.
LayoutRec LookupLayout() {
  LayoutRec layout;
  layout.KeyCount = 5;
  layout.KeyAt(1) = {
      .Color = 0, .Line = 1, .Column = 1, .Finger = 0, .Chars = {'A', ' ', ' ', ' '}};
  layout.KeyAt(2) = {
      .Color = 0, .Line = 1, .Column = 2, .Finger = 1, .Chars = {' ', '1', ' ', '!'}};
  layout.KeyAt(3) = {
      .Color = 0, .Line = 2, .Column = 1, .Finger = 2, .Chars = {'b', ' ', ' ', ' '}};
  layout.KeyAt(4) = {.Color = 0,
                     .Line = 2,
                     .Column = 2,
                     .Finger = 3,
                     .Chars = {'2', static_cast<char>(0xC9), ' ', ' '}};
  layout.KeyAt(5) = {
      .Color = 0, .Line = 4, .Column = 4, .Finger = 5, .Chars = {'A', 'Z', ' ', ' '}};
  return layout;
}
}  // namespace

TEST(KeyLookup, UpperCaseFindsTheKeyAndTheSpaceBarTakesNoPart) {
  const LayoutRec layout = LookupLayout();
  EXPECT_EQ(FingerForChar(layout, 'a'), 0);
  EXPECT_EQ(FingerForChar(layout, 'A'), 0);
  EXPECT_EQ(FingerForChar(layout, '!'), 1);
  EXPECT_EQ(FingerForChar(layout, '1'), 1);
  EXPECT_EQ(FingerForChar(layout, static_cast<char>(0xE9)), 3);  // é finds É
  EXPECT_EQ(FingerForChar(layout, 'b'), -1);  // stored in lower case: never found
  EXPECT_EQ(FingerForChar(layout, 'B'), -1);
  EXPECT_EQ(FingerForChar(layout, 'z'), -1);  // only the space bar shows it
  EXPECT_EQ(FingerForChar(layout, '\0'), -1);
}

TEST(KeyLookup, SpaceIsAlwaysTheLastKey) {
  LayoutRec layout = LookupLayout();
  // Keys showing spaces in their unused places never take the space.
  EXPECT_EQ(FingerForChar(layout, ' '), 5);
  EXPECT_EQ(FindKeyFor(' ', 5, [&](int n) { return layout.KeyAt(n).Chars; }), 5);
  layout.KeyCount = 1;
  EXPECT_EQ(FingerForChar(layout, ' '), 0);
  EXPECT_EQ(FingerForChar(layout, 'a'), -1);
  EXPECT_EQ(FingerForChar(layout, '1'), -1);
  layout.KeyCount = 0;
  EXPECT_EQ(FingerForChar(layout, ' '), -1);
  EXPECT_EQ(FingerForChar(layout, 'a'), -1);
}

TEST(KeyLookup, TheFirstKeyInNumberOrderWins) {
  LayoutRec layout = LookupLayout();
  layout.KeyAt(3).Chars = {'X', ' ', ' ', '!'};
  EXPECT_EQ(FingerForChar(layout, '!'), 1);
  layout.KeyAt(2).Chars = {' ', ' ', ' ', ' '};
  EXPECT_EQ(FingerForChar(layout, '!'), 2);
}

TEST(KeyGeometry, KeysStandOnTheirLinesAndTheSpaceBarBelow) {
  LayoutRec layout;
  layout.KeyWidth = 30;
  layout.KeyHeight = 30;
  layout.KeyCount = 48;
  layout.Offset = {1, 15, 25, 40};
  for (int n = 1; n < 48; ++n) {
    layout.KeyAt(n).Line = 1 + (n - 1) / 12;
    layout.KeyAt(n).Column = 1 + (n - 1) % 12;
  }
  for (int line = 1; line <= 4; ++line) {
    const KeyPlace first = PlaceOfKey(layout, 1 + 12 * (line - 1), 10, 10);
    EXPECT_EQ(first.left, 10 + layout.OffsetOf(line));
    EXPECT_EQ(first.top, 10 + (line - 1) * 34);
  }
  const KeyPlace second = PlaceOfKey(layout, 2, 10, 10);
  EXPECT_EQ(second.left, 10 + 1 + 34);
  const KeyPlace space = PlaceOfKey(layout, 48, 10, 10);
  EXPECT_EQ(space.left, 10 + 40 + 90);
  EXPECT_EQ(space.top, 10 + 4 * 34);
  EXPECT_EQ(space.width, 150);
  EXPECT_EQ(space.height, 30);
  const ClientSize client = KeyboardClientSize(layout, 10, 10);
  EXPECT_EQ(client.height, 190);
  EXPECT_EQ(client.width, 10 + 25 + 11 * 34 + 30 + 10);  // rightmost key of line 3
}

TEST(KeyGeometry, AKeyboardOfASpaceBarAloneStillShowsIt) {
  LayoutRec layout;
  layout.KeyCount = 1;
  EXPECT_EQ(KeyboardClientSize(layout, 10, 10).width, 10 + 90 + 150 + 10);
  layout.KeyCount = 0;
  EXPECT_EQ(KeyboardClientSize(layout, 10, 10).width, 40);
}

TEST(KeyGeometry, HandsTakeTheirHeightFromTheLeftHand) {
  LayoutRec layout;
  EXPECT_EQ(HandClientHeight(layout), 20);
  const int lengths[] = {40, 50, 60, 55, 30, 90, 90, 90, 90, 90};
  for (int n = 1; n <= 10; ++n) layout.FingerAt(n).Length = lengths[n - 1];
  EXPECT_EQ(HandClientHeight(layout), 80);
  for (int n = 1; n <= 5; ++n) layout.FingerAt(n).Length = -40;
  EXPECT_EQ(HandClientHeight(layout), 20);
}
