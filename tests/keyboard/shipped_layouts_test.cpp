#include <gtest/gtest.h>

#include <map>

#include "keyboard/key_geometry.h"
#include "keyboard/layout_file.h"
#include "layout_description.h"
#include "platform/files.h"

namespace {
const std::string kData = std::string(QZ_SOURCE_DIR) + "/data/";
const std::string kDescriptions = std::string(QZ_SOURCE_DIR) + "/tools/layouts/";
const char* const kNames[] = {"us", "uk", "dvorak", "colemak", "de", "fr"};

LayoutRec Shipped(const std::string& name) {
  LayoutRec layout;
  ReadLayoutFile(kData + name + ".key", layout);
  return layout;
}

int Finger(const LayoutRec& layout, const char* text) {
  std::string bytes = text;
  return FingerForChar(layout, bytes[0]);
}

std::string Describe(const std::string& look, const std::string& keyboard) {
  try {
    DescribeLayout(look, keyboard);
  } catch (const DescriptionError& error) {
    return error.what();
  }
  return "accepted";
}
}  // namespace

TEST(ShippedLayouts, AreWhatTheirDescriptionsGenerate) {
  const std::string look = ReadWholeFile(kDescriptions + "look.txt");
  for (const char* name : kNames) {
    const LayoutRec described =
        DescribeLayout(look, ReadWholeFile(kDescriptions + name + ".layout"));
    EXPECT_EQ(ReadWholeFile(kData + name + ".key"), EncodeLayout(described))
        << name << ".key is stale: build the 'layouts' target";
  }
}

TEST(ShippedLayouts, LookLikeKeyboards) {
  for (const char* name : kNames) {
    SCOPED_TRACE(name);
    const LayoutRec layout = Shipped(name);
    EXPECT_EQ(LayoutProblem(layout), "");
    EXPECT_GE(layout.KeyCount, 48);
    EXPECT_LE(layout.KeyCount, 49);
    std::map<int, int> keysPerLine;
    for (int n = 1; n < layout.KeyCount; ++n) ++keysPerLine[layout.KeyAt(n).Line];
    EXPECT_EQ(keysPerLine.size(), 4u);
    EXPECT_EQ(keysPerLine[1], 13);
    // The space bar is last, blank, struck by a thumb.
    const KeyRec& space = layout.KeyAt(layout.KeyCount);
    EXPECT_EQ(space.Chars, (std::array<char, 4>{' ', ' ', ' ', ' '}));
    EXPECT_EQ(Finger(layout, " "), 5);
    // Lines step right like a real keyboard's.
    EXPECT_LT(layout.OffsetOf(1), layout.OffsetOf(2));
    EXPECT_LT(layout.OffsetOf(2), layout.OffsetOf(3));
    const ClientSize size = KeyboardClientSize(layout, 10, 10);
    EXPECT_LT(size.width, 560);
    EXPECT_EQ(size.height, 190);
    // Every printable ASCII character has a key.
    for (char ch = 33; ch < 127; ++ch) EXPECT_NE(FingerForChar(layout, ch), -1) << ch;
    // Each character is shown on one key only, or the lookup sends the learner to the first.
    std::map<char, int> keyOfChar;
    for (int n = 1; n < layout.KeyCount; ++n) {
      for (char shown : layout.KeyAt(n).Chars) {
        if (shown == ' ') continue;
        const auto [it, added] = keyOfChar.emplace(shown, n);
        EXPECT_TRUE(added || it->second == n)
            << "'" << shown << "' on keys " << it->second << " and " << n;
      }
    }
    // Keys of one finger share a colour, and fingers do not share theirs.
    std::map<int, Color> colourOfFinger;
    for (int n = 1; n <= layout.KeyCount; ++n) {
      const KeyRec& key = layout.KeyAt(n);
      const auto [it, added] = colourOfFinger.emplace(key.Finger, key.Color);
      EXPECT_EQ(it->second, key.Color) << "key " << n;
    }
  }
}

TEST(ShippedLayouts, HomeRowsUseTheirFingers) {
  const std::map<std::string, std::string> homeRows = {
      {"us", "asdfjkl;"},      {"uk", "asdfjkl;"},    {"dvorak", "aoeuhtns"},
      {"colemak", "arstneio"}, {"de", "asdfjkl\xF6"}, {"fr", "qsdfjklm"}};
  const int fingers[] = {0, 1, 2, 3, 6, 7, 8, 9};
  for (const auto& [name, row] : homeRows) {
    const LayoutRec layout = Shipped(name);
    for (size_t i = 0; i < row.size(); ++i) {
      EXPECT_EQ(FingerForChar(layout, row[i]), fingers[i]) << name << " " << row[i];
    }
  }
}

TEST(ShippedLayouts, ShowShiftedAndPlainCharactersOnTheirKeys) {
  const LayoutRec us = Shipped("us");
  EXPECT_EQ(us.KeyAt(2).Chars, (std::array<char, 4>{'!', '1', ' ', ' '}));
  EXPECT_EQ(us.KeyAt(14).Chars, (std::array<char, 4>{'Q', ' ', ' ', ' '}));
  EXPECT_EQ(us.KeyAt(14).Line, 2);
  EXPECT_EQ(Finger(us, "Q"), 0);
  EXPECT_EQ(Finger(us, "6"), 6);
  EXPECT_EQ(Finger(us, "?"), 9);
  const LayoutRec fr = Shipped("fr");
  // The accented letters show in upper case, so typing them finds their key.
  EXPECT_EQ(fr.KeyAt(3).Chars, (std::array<char, 4>{'2', '\xC9', ' ', '~'}));
  EXPECT_EQ(Finger(fr, "\xE9"), 1);  // é
  EXPECT_EQ(Finger(fr, "\xF9"), 9);  // ù
  EXPECT_EQ(Finger(fr, "a"), 0);
  const LayoutRec de = Shipped("de");
  EXPECT_EQ(Finger(de, "z"), 6);
  EXPECT_EQ(Finger(de, "y"), 0);
  EXPECT_EQ(Finger(de, "@"), 0);                // AltGr on Q
  EXPECT_EQ(Finger(de, "\xDF"), 9);             // ß
  EXPECT_EQ(Finger(Shipped("uk"), "\xA3"), 2);  // £ on 3
}

TEST(ShippedLayouts, NameTheDeadKeyOfALetterNoKeyGives) {
  const LayoutRec fr = Shipped("fr");
  const auto strokes = [](const LayoutRec& layout, char ch) {
    return DeadKeyStrokes(ch, layout.KeyCount, [&](int n) { return layout.KeyAt(n).Chars; });
  };
  EXPECT_EQ(strokes(fr, '\xE2'), "^ + a");     // â
  EXPECT_EQ(strokes(fr, '\xCB'), "\xA8 + E");  // Ë: the diaeresis, then Shift and e
  EXPECT_EQ(strokes(fr, '\xE9'), "");          // é has a key of its own
  EXPECT_EQ(strokes(fr, '\xF1'), "");          // ñ: the French ~ shares é's key, and is plain
  EXPECT_EQ(strokes(Shipped("de"), '\xE9'), "\xB4 + e");  // é on German keys: ´ then e
  EXPECT_EQ(strokes(Shipped("us"), '\xE2'), "");          // ^ is Shift+6 there, no dead key
}

TEST(ShippedLayouts, HandsLookLikeTwoHands) {
  for (const char* name : kNames) {
    const LayoutRec layout = Shipped(name);
    for (int n = 1; n <= 5; ++n) {
      EXPECT_EQ(layout.FingerAt(n).Length, layout.FingerAt(11 - n).Length) << name;
    }
    EXPECT_EQ(
        std::max({layout.FingerAt(1).Length, layout.FingerAt(2).Length, layout.FingerAt(4).Length,
                  layout.FingerAt(5).Length}) < layout.FingerAt(3).Length,
        true);
    for (int a = 1; a <= 10; ++a) {
      for (int b = a + 1; b <= 10; ++b)
        EXPECT_NE(layout.FingerAt(a).Color, layout.FingerAt(b).Color);
    }
  }
}

TEST(LayoutDescription, NamesTheLineThatIsWrong) {
  const std::string look = "key-size 30 30\nfinger 0 40 #FF0000 #FFCCCC\n";
  const std::string rows =
      "offsets 1 52 61 78\nrow 1\nshifted ! @\nplain 1 2\nfingers 0 1\n"
      "row 2\nshifted Q\nplain q\nfingers 0\nrow 3\nshifted A\nplain a\nfingers 0\n"
      "row 4\nshifted Z\nplain z\nfingers 0\nspace 5\n";
  EXPECT_EQ(Describe(look, rows), "accepted");
  const LayoutRec layout = DescribeLayout(look, rows);
  EXPECT_EQ(layout.KeyCount, 6);
  EXPECT_EQ(layout.KeyAt(1).Color, RGBColor(255, 204, 204));
  EXPECT_EQ(layout.FingerAt(1).Color, RGBColor(255, 0, 0));

  EXPECT_EQ(Describe("key-size 30\n", rows), "line 1: 'key-size' takes 2 values");
  EXPECT_EQ(Describe(look + "finger 10 40 #FF0000 #FFCCCC\n", rows),
            "line 3: '10' is not a number in 0..9");
  EXPECT_EQ(Describe(look, "offsets 0 52 61 78\n" + rows), "line 1: '0' is not a number in 1..200");
  EXPECT_EQ(Describe(look + "finger 1 40 red #FFCCCC\n", rows),
            "line 3: 'red' is not a #RRGGBB colour");
  std::string wrong = rows;
  wrong.replace(wrong.find("fingers 0 1"), 11, "fingers 0");
  EXPECT_EQ(Describe(look, wrong), "line 2: 'fingers' and 'plain' differ in length");
  wrong = rows;
  wrong.replace(wrong.find("plain 1 2"), 9, "plain 1 \xE2\x82\xAC\xE2\x82\xAC");  // two euros
  EXPECT_EQ(Describe(look, wrong),
            "line 4: '\xE2\x82\xAC\xE2\x82\xAC' is not one character of the code page");
  EXPECT_EQ(Describe(look, rows.substr(0, rows.find("space"))), "at the end: no space bar");
}
