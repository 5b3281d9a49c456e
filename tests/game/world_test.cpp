#include "game/world.h"

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace {
constexpr int kBaseY = 384;

strikerType Word(const std::string& text, int column, int y) {
  strikerType word;
  word.Text = text;
  word.Len = static_cast<int>(text.size());
  word.Column = column;
  word.X = ColumnX(column);
  word.Y = y;
  return word;
}

struct WorldTest : ::testing::Test {
  ScriptedRandom random{0};  // the city is cleared for every test: its draws do not matter
  ImageCanvas canvas{600, kBaseY};
  cityType city{kBaseY, random};

  void SetUp() override {
    canvas.SetBrushColor(clBlack);
    canvas.FillRect(0, 0, 600, kBaseY);
    for (auto& row : city.Cells) row.fill(0);
  }
  // Longest horizontal run of a colour inside the 12 px cell of letter i (1-based).
  int LongestRun(const strikerType& word, int i, Color color) {
    int best = 0;
    for (int y = word.Y; y < word.Y + 20; ++y) {
      int run = 0;
      for (int x = word.X + (i - 1) * kCellSize; x < word.X + i * kCellSize; ++x) {
        run = canvas.PixelAt(x, y) == color ? run + 1 : 0;
        best = std::max(best, run);
      }
    }
    return best;
  }
};
}  // namespace

TEST(CityGeneration, FollowsTheDrawsRowByRowWithoutFloatingBlocks) {
  ScriptedRandom random;
  // Row 1: a block in every odd column. Row 2 is drawn only under the even columns: a block
  // in column 2 only. Row 3 is drawn under the remaining 24 empty columns: none.
  for (int c = 1; c <= 50; ++c) random.values.push_back(c % 2 == 1 ? 39 : 40);
  random.values.push_back(0);
  for (int i = 0; i < 48; ++i) random.values.push_back(99);
  cityType city(kBaseY, random);

  EXPECT_EQ(random.reseeds, 1);
  EXPECT_EQ(random.draws.size(), 50u + 25u + 24u);
  for (int n : random.draws) EXPECT_EQ(n, 100);
  EXPECT_EQ(city.Cells[1][1], 1);
  EXPECT_EQ(city.Cells[1][2], 0);
  EXPECT_EQ(city.Cells[2][2], 1);
  EXPECT_EQ(city.Cells[3][2], 1);
  EXPECT_EQ(city.Cells[3][4], 0);
  EXPECT_EQ(city.Cells[3][49], 1);
}

TEST(CityGeneration, RandomCitiesHoldAboutFortyPercentAndNeverFloat) {
  StdRandom random;
  int topBlocks = 0;
  for (int n = 0; n < 200; ++n) {
    cityType city(kBaseY, random);
    for (int c = 1; c <= kColumns; ++c) {
      topBlocks += city.Cells[1][c];
      for (int r = 1; r < kCityRows; ++r) {
        if (city.Cells[r][c] == 1) {
          ASSERT_EQ(city.Cells[r + 1][c], 1);
        }
      }
    }
  }
  EXPECT_NEAR(topBlocks, 4000, 300);
}

TEST_F(WorldTest, CityIsDrawnOliveAndBlocksAreErasedUpToTheEndColumn) {
  city.Cells[1][2] = city.Cells[2][2] = city.Cells[3][2] = 1;
  city.Cells[3][3] = 1;
  city.Draw(canvas);
  EXPECT_TRUE(AllPixels(canvas, clOlive, 12, 348, 24, 384));
  EXPECT_TRUE(AllPixels(canvas, clOlive, 24, 372, 36, 384));
  EXPECT_TRUE(AllPixels(canvas, clBlack, 24, 348, 36, 372));
  EXPECT_EQ(canvas.BrushColor(), clBlack);

  city.EraseBlocks(canvas, 3, 2, 3);
  EXPECT_TRUE(AllPixels(canvas, clBlack, 12, 372, 24, 384));
  EXPECT_TRUE(AllPixels(canvas, clOlive, 24, 372, 36, 384));
}

TEST_F(WorldTest, CrashIntoTheBottomRowClearsTheWordsStretch) {
  city.Cells[3][9] = city.Cells[3][12] = city.Cells[3][15] = 1;
  city.Draw(canvas);
  strikerType word = Word("abcde", 10, 330);
  EXPECT_EQ(TestCrash(word, city, canvas), CrashOutcome::None);  // lower edge 342: above
  word.Y = 336;
  EXPECT_EQ(CrashRow(word, city), 3);
  EXPECT_EQ(TestCrash(word, city, canvas), CrashOutcome::Crashed);

  for (int c = 10; c <= 14; ++c) EXPECT_EQ(city.Cells[3][c], 0) << c;
  EXPECT_EQ(city.Cells[3][9], 1);
  EXPECT_EQ(city.Cells[3][15], 1);
  EXPECT_TRUE(AllPixels(canvas, clBlack, 108, 372, 168, 384));
  EXPECT_EQ(canvas.PixelAt(107, 378), clOlive);
  EXPECT_EQ(canvas.PixelAt(168, 378), clOlive);
}

TEST_F(WorldTest, ACrashTakesOnlyTheTopmostRowUnderTheWord) {
  for (int r = 1; r <= 3; ++r) city.Cells[r][20] = 1;
  city.Cells[2][21] = city.Cells[3][21] = 1;
  strikerType first = Word("xyz", 19, 336);
  EXPECT_EQ(TestCrash(first, city, canvas), CrashOutcome::Crashed);
  EXPECT_EQ(city.Cells[1][20], 0);
  EXPECT_EQ(city.Cells[2][20], 1);
  EXPECT_EQ(city.Cells[2][21], 1);

  strikerType second = Word("xyz", 19, 336);
  EXPECT_EQ(TestCrash(second, city, canvas), CrashOutcome::Crashed);
  EXPECT_EQ(city.Cells[2][20], 0);
  EXPECT_EQ(city.Cells[2][21], 0);
  EXPECT_EQ(city.Cells[3][20], 1);
}

TEST_F(WorldTest, AWordOverEmptyColumnsIsLostAfterSixtyFourMoves) {
  city.Cells[3][5] = city.Cells[3][9] = 1;  // beside the word, not under it
  strikerType word = Word("gap", 6, 0);
  for (int move = 1; move <= 63; ++move) {
    word.MoveDown(canvas);
    ASSERT_EQ(TestCrash(word, city, canvas), CrashOutcome::None) << move;
  }
  word.MoveDown(canvas);
  EXPECT_EQ(word.Y, 384);
  EXPECT_EQ(TestCrash(word, city, canvas), CrashOutcome::Lost);
  EXPECT_EQ(word.State, strikerType::Destroyed);
  EXPECT_EQ(city.Cells[3][5], 1);
}

TEST_F(WorldTest, TypedLettersAreRedAndUnderlinedTheRestYellow) {
  strikerType word = Word("vvvvv", 3, 40);
  word.Typed = 2;
  word.Draw(canvas);
  for (int i = 1; i <= 5; ++i) {
    const int left = word.X + (i - 1) * kCellSize;
    const int red = CountPixels(canvas, clRed, left, 40, left + kCellSize, 60);
    const int yellow = CountPixels(canvas, clYellow, left, 40, left + kCellSize, 60);
    if (i <= 2) {
      EXPECT_GT(red, 0) << i;
      EXPECT_EQ(yellow, 0) << i;
      EXPECT_GE(LongestRun(word, i, clRed), 8) << "underline of letter " << i;
    } else {
      EXPECT_GT(yellow, 0) << i;
      EXPECT_EQ(red, 0) << i;
      EXPECT_LT(LongestRun(word, i, clYellow), 6) << i;
    }
  }
  word.Erase(canvas);
  EXPECT_TRUE(AllPixels(canvas, clBlack, 0, 0, 600, kBaseY));
}

TEST_F(WorldTest, MoveDownLeavesOnlyTheWordAtItsNewPlace) {
  strikerType word = Word("ok", 1, 0);
  word.Draw(canvas);
  word.MoveDown(canvas);
  EXPECT_EQ(word.Y, 6);
  EXPECT_EQ(CountPixels(canvas, clYellow, 0, 0, 600, 6), 0);
  EXPECT_GT(CountPixels(canvas, clYellow, 0, 6, 24, 30), 0);
}

TEST_F(WorldTest, BulletAimsAtTheMiddleOfItsWord) {
  strikerType four = Word("abcd", 11, 100);
  strikerType five = Word("abcde", 11, 100);
  EXPECT_EQ(four.X, 120);
  EXPECT_EQ(bulletType(canvas, four, 385).X, 144);
  EXPECT_EQ(bulletType(canvas, five, 385).X, 150);
}

TEST_F(WorldTest, BulletClimbsByXorAndWipesItselfAtTheWord) {
  strikerType word = Word("abcd", 11, 100);
  word.State = strikerType::Shot;
  bulletType bullet(canvas, word, 385);
  bullet.Step();
  EXPECT_EQ(bullet.Y, 379);
  EXPECT_TRUE(AllPixels(canvas, clRed, 143, 378, 149, 384));
  bullet.Step();
  EXPECT_EQ(bullet.Y, 373);
  EXPECT_TRUE(AllPixels(canvas, clRed, 143, 372, 149, 382));
  EXPECT_TRUE(AllPixels(canvas, clBlack, 143, 382, 149, 384));  // the old image is gone

  int steps = 2;
  while (!bullet.Done && steps < 100) {
    bullet.Step();
    ++steps;
  }
  // 385 - 6 * 46 = 109 is the first place at or above the word's lower edge 112.
  EXPECT_EQ(steps, 47);
  EXPECT_EQ(bullet.Y, 109);
  EXPECT_EQ(word.State, strikerType::Destroyed);
  EXPECT_EQ(CountPixels(canvas, clRed, 130, 100, 160, 384), 0);
  bullet.Step();  // a finished bullet does nothing more
  EXPECT_EQ(bullet.Y, 109);
}
