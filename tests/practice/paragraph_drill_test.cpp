#include "practice/paragraph_drill.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/key_events.h"
#include "support/test_context.h"

namespace {
constexpr int kCharWidth = 7;
constexpr int kTextHeight = 13;
constexpr int kRowHeight = kTextHeight + 2;

// Remembers what was written where, with its colour and underline.
class RecordingCanvas final : public Canvas {
 public:
  struct Text {
    int x, y;
    std::string text;
    Color color;
    bool underlined;
  };
  void SetBrushColor(Color color) override { brush = color; }
  Color BrushColor() const override { return brush; }
  void SetPen(Color, int) override {}
  void SetPenMode(PenMode) override {}
  void FillRect(int left, int top, int right, int bottom) override {
    fills.push_back({left, top, right, bottom});
    // A fill wipes what was written inside it.
    std::erase_if(texts, [&](const Text& t) {
      return t.x >= left && t.x < right && t.y >= top && t.y < bottom;
    });
  }
  void Rectangle(int, int, int, int) override {}
  void Line(int, int, int, int) override {}
  void TextOut(int x, int y, const std::string& text, const Font& font) override {
    if (!keep) return;
    std::erase_if(texts, [&](const Text& t) { return t.x == x && t.y == y; });
    texts.push_back({x, y, text, font.color, (font.style & font_style::kUnderline) != 0});
  }
  int TextWidth(const std::string& text, const Font&) override {
    return kCharWidth * static_cast<int>(text.size());
  }
  int TextHeight(const std::string&, const Font&) override { return kTextHeight; }
  int Width() const override { return width; }
  int Height() const override { return 374; }

  // The text written at (x, y), or "-" when there is none.
  const Text* At(int x, int y) const {
    for (const Text& t : texts) {
      if (t.x == x && t.y == y) return &t;
    }
    return nullptr;
  }
  std::string TextAt(int x, int y) const {
    const Text* t = At(x, y);
    return t ? t->text : "-";
  }
  // The characters written one to a cell from the rows' left edge on, or "-" when none.
  std::string RowAt(int y) const {
    std::string row;
    for (int x = kTypingRulerLeft; const Text* t = At(x, y); x += kCharWidth) row += t->text;
    return row.empty() ? "-" : row;
  }

  Color brush = clWhite;
  int width = 616;
  bool keep = true;
  std::vector<Text> texts;
  std::vector<std::array<int, 4>> fills;
};

class RecordingView final : public ParagraphDrillView {
 public:
  void ShowStatus(const std::string& text) override { status = text; }
  void SetTypingRulerColor(Color color) override { rulerColor = color; }
  void Refresh() override { ++refreshes; }
  void CloseDrill() override { ++closes; }
  std::string status;
  Color rulerColor = clWhite;
  int refreshes = 0;
  int closes = 0;
};

struct ParagraphDrillTest : ::testing::Test {
  TestContext t;
  stopwatch watch{t.clock};
  RecordingCanvas canvas;
  RecordingView view;
  ParagraphDrill drill{t.dialogs, t.random, watch, canvas, view};

  void SetText(const std::string& bytes) { drill.SetText(LineText::FromBytes(bytes)); }
  void SetNumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\n";
    SetText(text);
  }
  // What the menu does before it opens the window.
  bool Open(const std::string& answer, int draw = 0) {
    t.dialogs.inputs.push_back(answer);
    t.random.values.push_back(draw);
    if (!drill.StartDrill()) return false;
    drill.NewPage();
    drill.DrawSampleLines();
    return true;
  }
  void Type(const std::string& text) {
    for (char c : text) drill.KeyPress(static_cast<unsigned char>(c));
  }
  // Types the current row right and moves on with one more key.
  void TypeRow() {
    Type(std::string(drill.State().TextLines[drill.State().CurrentLine].substr(
        0, static_cast<size_t>(drill.Columns()))));
    drill.KeyPress('#');
  }
  int SampleRowY(int i) const { return i * kRowHeight; }
  int TypedRowY(int r) const { return kTypingRulerTop + r * kRowHeight; }
  int CellX(int k) const { return kTypingRulerLeft + (k - 1) * kCharWidth; }
};
}  // namespace

TEST_F(ParagraphDrillTest, AsksForTheLineCountAndMovesTheBlockUpToFit) {
  SetNumberedLines(100);
  ASSERT_TRUE(Open("25", 80));
  EXPECT_EQ(t.dialogs.prompts,
            std::vector<std::string>{"Input Box|How many lines you would practise:|3"});
  EXPECT_EQ(t.random.draws, std::vector<int>{100});
  EXPECT_EQ(drill.State().DrillLines, 25);
  EXPECT_EQ(drill.State().FirstLine, 75);
  EXPECT_EQ(drill.State().CurrentLine, 75);
  EXPECT_EQ(drill.State().PageFirst, 75);
  EXPECT_EQ(drill.State().PageLines, 10);
  EXPECT_EQ(drill.State().Row, 1);
  EXPECT_EQ(view.status, "25 lines left.");
  EXPECT_EQ(view.rulerColor, clBlack);

  ASSERT_TRUE(Open("25", 30));
  EXPECT_EQ(drill.State().FirstLine, 30);  // fits: not moved
}

TEST_F(ParagraphDrillTest, PagesOfTenRowsNumberedOneToNineThenZero) {
  SetNumberedLines(100);
  ASSERT_TRUE(Open("25", 75));
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(canvas.RowAt(SampleRowY(i)), "line " + std::to_string(74 + i));
    EXPECT_EQ(canvas.TextAt(2, SampleRowY(i)), std::to_string(i % 10));
    EXPECT_EQ(canvas.At(2, SampleRowY(i))->color, clPurple);
    EXPECT_EQ(canvas.At(24, SampleRowY(i))->color, clBlack);
  }
  EXPECT_EQ(canvas.TextAt(2, TypedRowY(1)), "1");
  EXPECT_EQ(canvas.TextAt(2, TypedRowY(2)), "-");

  std::vector<int> pageSizes{drill.State().PageLines};
  for (int row = 1; row < 25; ++row) {
    const int pageFirst = drill.State().PageFirst;
    TypeRow();
    if (drill.State().PageFirst != pageFirst) pageSizes.push_back(drill.State().PageLines);
  }
  EXPECT_EQ(pageSizes, (std::vector<int>{10, 10, 5}));
  EXPECT_EQ(drill.State().Row, 5);
  EXPECT_EQ(view.status, "1 lines left.");
  // The last page shows five sample rows and nothing of the page before.
  EXPECT_EQ(canvas.RowAt(SampleRowY(5)), "line 99");
  EXPECT_EQ(canvas.RowAt(SampleRowY(6)), "-");
  EXPECT_EQ(canvas.TextAt(2, TypedRowY(10)), "-");
  EXPECT_EQ(view.closes, 0);
}

TEST_F(ParagraphDrillTest, ATenthTypedRowIsNumberedTen) {
  SetNumberedLines(10);
  ASSERT_TRUE(Open("10"));
  for (int row = 1; row < 10; ++row) TypeRow();
  EXPECT_EQ(drill.State().Row, 10);
  EXPECT_EQ(canvas.TextAt(2, TypedRowY(10)), "10");
  EXPECT_EQ(canvas.TextAt(2, SampleRowY(10)), "0");
}

TEST_F(ParagraphDrillTest, ABlockLongerThanTheFileDrillsTheWholeFile) {
  SetNumberedLines(4);
  ASSERT_TRUE(Open("10", 3));
  EXPECT_EQ(drill.State().FirstLine, 0);
  EXPECT_EQ(drill.State().DrillLines, 4);
  EXPECT_EQ(drill.State().PageLines, 4);
  EXPECT_EQ(view.status, "4 lines left.");
}

TEST_F(ParagraphDrillTest, ZeroOrNegativeKeepsThePreviousCount) {
  SetNumberedLines(50);
  EXPECT_FALSE(Open("0"));  // nothing asked yet: nothing to drill
  EXPECT_EQ(drill.State().DrillLines, 0);
  ASSERT_TRUE(Open("7"));
  ASSERT_TRUE(Open("0"));
  EXPECT_EQ(drill.State().DrillLines, 7);
  ASSERT_TRUE(Open("-2"));
  EXPECT_EQ(drill.State().DrillLines, 7);
  ASSERT_TRUE(Open("1234567"));  // cut to five characters
  EXPECT_EQ(drill.State().DrillLines, 50);
}

TEST_F(ParagraphDrillTest, AnAnswerThatIsNoNumberIsAConversionError) {
  SetNumberedLines(50);
  ASSERT_TRUE(Open("3", 10));
  t.dialogs.inputs.push_back("three");
  try {
    drill.StartDrill();
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "'three' is not a valid integer value");
  }
  EXPECT_EQ(drill.State().DrillLines, 3);
  EXPECT_EQ(drill.State().FirstLine, 10);
}

TEST_F(ParagraphDrillTest, AnEmptyTextHasNothingToDrill) {
  EXPECT_FALSE(Open("3"));
  EXPECT_TRUE(t.random.draws.empty());
  EXPECT_EQ(view.refreshes, 0);
}

TEST_F(ParagraphDrillTest, RightAndWrongCharactersStandInTheirCells) {
  SetText("abc\n");
  ASSERT_TRUE(Open("1"));
  Type("ax");
  EXPECT_TRUE(drill.State().RowMarks[1][1]);
  EXPECT_FALSE(drill.State().RowMarks[1][2]);
  EXPECT_EQ(drill.State().RowTyped[1], "ax");
  EXPECT_EQ(drill.State().Column, 3);
  EXPECT_EQ(canvas.TextAt(CellX(1), TypedRowY(1)), "a");
  EXPECT_EQ(canvas.At(CellX(1), TypedRowY(1))->color, clNavy);
  EXPECT_FALSE(canvas.At(CellX(1), TypedRowY(1))->underlined);
  EXPECT_EQ(canvas.TextAt(CellX(2), TypedRowY(1)), "x");
  EXPECT_EQ(canvas.At(CellX(2), TypedRowY(1))->color, clRed);
  EXPECT_TRUE(canvas.At(CellX(2), TypedRowY(1))->underlined);
  EXPECT_EQ(view.rulerColor, clLime);

  SetText("a\tb\n");  // a tab shows, in the sample and where it is typed
  ASSERT_TRUE(Open("1"));
  Type("a\t");
  EXPECT_EQ(canvas.TextAt(CellX(2), SampleRowY(1)) + canvas.TextAt(CellX(2), TypedRowY(1)),
            "\xbb\xbb");
}

TEST_F(ParagraphDrillTest, BackspaceThenTheRightCharacterTurnsAPositionRight) {
  SetText("abc\n");
  ASSERT_TRUE(Open("1"));
  Type("ax");
  drill.KeyPress(VK_BACK);
  EXPECT_EQ(drill.State().Column, 2);
  EXPECT_EQ(drill.State().RowTyped[1], "a");
  const std::array<int, 4> cell{CellX(2), drill.State().TypingY, CellX(3),
                                drill.State().TypingY + kRowHeight + 2};
  EXPECT_EQ(canvas.fills.back(), cell);
  EXPECT_EQ(canvas.TextAt(CellX(2), TypedRowY(1)), "-");
  Type("bc");
  drill.KeyPress('!');  // ends the drill
  EXPECT_EQ(drill.State().DrillErrors, 0);
}

TEST_F(ParagraphDrillTest, EnterCountsTheRestOfTheRowAsWrong) {
  SetText(std::string(20, 'q') + "\nnext\n");
  ASSERT_TRUE(Open("2"));
  Type("qqq");
  drill.KeyPress(VK_RETURN);
  EXPECT_GE(drill.State().DrillErrors, 17);
  EXPECT_EQ(drill.State().Row, 2);
  EXPECT_EQ(drill.State().RowTyped[1], "qqq...");
  EXPECT_EQ(canvas.RowAt(TypedRowY(1)), "qqq...");
  EXPECT_EQ(canvas.At(CellX(6), TypedRowY(1))->color, clRed);
  // A repaint shows the skip mark in the wrong style too.
  canvas.texts.clear();
  drill.Paint();
  EXPECT_EQ(canvas.TextAt(CellX(4), TypedRowY(1)), ".");
  EXPECT_EQ(canvas.At(CellX(6), TypedRowY(1))->color, clRed);
  EXPECT_EQ(canvas.At(CellX(3), TypedRowY(1))->color, clNavy);
}

TEST_F(ParagraphDrillTest, TrailingSpacesMustBeTyped) {
  SetText("ab  \n");
  ASSERT_TRUE(Open("1"));
  EXPECT_EQ(drill.State().RowLength, 4);
  Type("abx");  // x is wrong at the first trailing space; the row goes on
  EXPECT_EQ(drill.State().Column, 4);
  EXPECT_EQ(view.closes, 0);
  Type(" ");
  drill.KeyPress('z');
  EXPECT_EQ(drill.State().DrillErrors, 1);
  EXPECT_EQ(view.closes, 1);
}

TEST_F(ParagraphDrillTest, AnEmptyLineIsPassedByAnyKeyWithoutAnError) {
  SetText("ab\n\ncd\n");
  ASSERT_TRUE(Open("3"));
  TypeRow();
  EXPECT_EQ(drill.State().RowLength, 0);
  drill.KeyPress('x');
  EXPECT_EQ(drill.State().Row, 3);
  EXPECT_EQ(drill.State().RowTyped[2], "");
  EXPECT_EQ(drill.State().DrillErrors, 0);
}

TEST_F(ParagraphDrillTest, TheBlockGetsOneResult) {
  RecordingRecorder recorder;
  drill.SetRecorder(recorder);
  SetText("abcd efgh\nij kl\n");
  ASSERT_TRUE(Open("2"));
  Type("a");
  t.clock.Advance(6000);
  Type("bcd efgx");
  drill.KeyPress('#');
  EXPECT_TRUE(t.dialogs.messages.empty());  // not after a row, only after the block
  Type("ij kl");
  drill.KeyPress('#');
  // 14 characters, 1 wrong, 4 words in 6 s.
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"Keys/Min 140   Accuracy: 92%   WPM: 40"});
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(drill.State().DrillTime, 6000);
  EXPECT_EQ(view.closes, 1);
  ASSERT_EQ(recorder.typing.size(), 1u);
  EXPECT_EQ(recorder.typing[0].kind, PracticeKind::Paragraph);
  EXPECT_EQ(StatisticsText(recorder.typing[0].rates), t.dialogs.Texts()[0]);
  EXPECT_EQ(recorder.typing[0].timeMs, 6000);
  EXPECT_EQ(recorder.keys, "abcd efghij kl");  // the keys that only moved on are not counted
  EXPECT_EQ(recorder.wrongKeys, "h");
  EXPECT_FALSE(drill.State().DrillStarted);
}

TEST_F(ParagraphDrillTest, TooFastIsWarnedAfterTheResult) {
  SetText("abcdefghij\n");
  ASSERT_TRUE(Open("1"));
  Type("a");
  t.clock.Advance(1000);
  Type("bcdefghij");
  drill.KeyPress(' ');
  EXPECT_EQ(t.dialogs.Texts(),
            (std::vector<std::string>{"Keys/Min 600   Accuracy: 100%   WPM: 60",
                                      "Can you really type so fast?  Do be patient."}));
  EXPECT_EQ(t.dialogs.messages[1].kind, MessageKind::Warning);
}

TEST_F(ParagraphDrillTest, EscapeEndsTheDrillWithoutAResult) {
  SetText("abc\ndef\n");
  ASSERT_TRUE(Open("2"));
  Type("ab");
  drill.KeyPress(VK_ESCAPE);
  EXPECT_EQ(view.closes, 1);
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_TRUE(watch.IsStopped());

  // Esc as the key after the last row's last character ends it without a result too.
  ASSERT_TRUE(Open("2"));
  TypeRow();
  Type("def");
  drill.KeyPress(VK_ESCAPE);
  EXPECT_EQ(view.closes, 2);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ParagraphDrillTest, LinesAreCutToTheColumnsTheWindowShows) {
  SetText(std::string(130, 'w') + "\n");
  ASSERT_TRUE(Open("1"));
  const int shown = (616 - kTypingRulerLeft) / kCharWidth;
  EXPECT_EQ(drill.State().RowLength, shown);
  EXPECT_EQ(canvas.RowAt(SampleRowY(1)), std::string(static_cast<size_t>(shown), 'w'));
  Type(std::string(static_cast<size_t>(shown - 1), 'w'));
  drill.KeyPress(VK_RETURN);  // the skip mark stays within the columns shown
  EXPECT_EQ(drill.State().RowTyped[1].size(), static_cast<size_t>(shown));
  EXPECT_EQ(drill.State().DrillErrors, 1);

  canvas.width = 2000;  // a wide surface still holds no more than 100 characters a row
  ASSERT_TRUE(Open("1"));
  EXPECT_EQ(drill.State().RowLength, 100);
}

TEST_F(ParagraphDrillTest, KeysBeforeAnyDrillDoNoHarm) {
  drill.KeyPress('a');
  drill.Paint();
  EXPECT_EQ(view.closes, 1);
}

TEST_F(ParagraphDrillTest, BigBlocksAreCountedIn64Bits) {
  // 40 000 characters: times 60 000 they pass 32 bits.
  std::string text;
  for (int i = 0; i < 400; ++i) text += std::string(100, 'a') + "\n";
  for (int i = 0; i < 400; ++i) text.replace(static_cast<size_t>(i) * 101 + 5, 1, " ");
  SetText(text);
  canvas.keep = false;
  canvas.width = 2000;  // rows of 100 characters
  ASSERT_TRUE(Open("400"));
  Type("a");
  t.clock.Advance(60000);
  for (int row = 0; row < 400; ++row) {
    if (row == 0) {
      Type(std::string(drill.State().TextLines[0].substr(1)));
      drill.KeyPress('#');
    } else {
      TypeRow();
    }
  }
  EXPECT_EQ(drill.State().DrillChars, 40000);
  EXPECT_EQ(t.dialogs.Texts(),
            (std::vector<std::string>{"Keys/Min 40000   Accuracy: 100%   WPM: 800",
                                      "Can you really type so fast?  Do be patient."}));
}
