#pragma once
// The game's playfield: 50 columns of 12 px, falling words (strikerType), the city of blocks
// along the bottom edge (cityType) and the bullets that fly up to shot words (bulletType).
// Everything draws straight onto the playfield's canvas; nothing is buffered.
//
// Invariant of the city: a block never stands above an empty cell.
#include <array>
#include <string>

#include "platform/canvas.h"
#include "platform/random.h"

inline constexpr int kColumns = 50;
inline constexpr int kCellSize = 12;
inline constexpr int kCityRows = 3;
inline constexpr int kCityHeight = kCityRows * kCellSize;
inline constexpr int kFallStep = 6;    // px per move of a word
inline constexpr int kBulletStep = 6;  // px per step of a bullet
inline constexpr int kCityChance = 40;
inline constexpr const char* kGameFontFace = "Courier New";
inline constexpr int kLetterPoints = 12;

inline constexpr Color kWordColor = clYellow;
inline constexpr Color kTypedColor = clRed;
inline constexpr Color kBlockColor = clOlive;
inline constexpr Color kBulletColor = clRed;

// Left edge of column c (1..50).
inline constexpr int ColumnX(int column) { return (column - 1) * kCellSize; }

// A falling word. Column, X, Speed, Text and Len are set by the word source.
class strikerType {
 public:
  enum StateValue { Falling = 0, Shot = 2, Destroyed = 3 };

  void Draw(Canvas& canvas) const;
  void Erase(Canvas& canvas) const;
  void MoveDown(Canvas& canvas);
  // The lower edge used by every test, whatever the font's real height.
  int Bottom() const { return Y + kCellSize; }

  std::string Text;
  int Len = 0;
  int X = 0;
  int Y = 0;
  int Column = 1;
  int Speed = 2;
  int Typed = -1;  // -1 while not being typed, else letters typed so far
  int State = Falling;
};

class cityType {
 public:
  // Generates the city at once.
  cityType(int baseY, Random& random);

  void Generate();
  void Draw(Canvas& canvas) const;
  // Paints [firstColumn, endColumn) of the row black.
  void EraseBlocks(Canvas& canvas, int row, int firstColumn, int endColumn) const;
  int RowTop(int row) const { return BaseY - kCityHeight + (row - 1) * kCellSize; }

  // Cells[row][column], rows 1..3 (top to bottom), columns 1..50; index 0 unused.
  std::array<std::array<int, kColumns + 1>, kCityRows + 1> Cells{};
  int BaseY;

 private:
  Random& random_;
};

// What a word's crash test found after it moved.
enum class CrashOutcome { None, Crashed, Lost };

// The crash test: a crash clears the crash row in the word's columns (cells and pixels); a
// word whose top edge reached the bottom is lost (State 3, erased). Scoring is the loop's.
CrashOutcome TestCrash(strikerType& word, cityType& city, Canvas& canvas);
// The topmost row holding a block under the word while its lower edge is above that row's
// lower edge, or 0.
int CrashRow(const strikerType& word, const cityType& city);

class bulletType {
 public:
  bulletType(Canvas& canvas, strikerType& target, int startY);
  // One flight step: climbs 6 px drawn by XOR, or wipes itself and destroys its word.
  void Step();

  Canvas& canvas;
  strikerType& Target;
  int X;
  int Y;
  bool Done = false;
};
