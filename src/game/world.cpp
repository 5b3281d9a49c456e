#include "game/world.h"

#include <algorithm>

namespace {
Font LetterFont(Color color, bool underlined) {
  Font font;
  font.face = kGameFontFace;
  font.SetSize(kLetterPoints);
  font.color = color;
  font.style = font_style::kBold | (underlined ? font_style::kUnderline : 0);
  return font;
}

// Each letter by itself in its column, on an opaque black box.
void DrawLetters(Canvas& canvas, const strikerType& word, int first, int last, const Font& font) {
  canvas.SetBrushColor(clBlack);
  for (int i = first; i <= last; ++i) {
    canvas.TextOut(word.X + (i - 1) * kCellSize, word.Y, word.Text.substr(i - 1, 1), font);
  }
}
}  // namespace

void strikerType::Draw(Canvas& canvas) const {
  const int typed = std::clamp(Typed, 0, Len);
  DrawLetters(canvas, *this, 1, typed, LetterFont(kTypedColor, true));
  DrawLetters(canvas, *this, typed + 1, Len, LetterFont(kWordColor, false));
}

void strikerType::Erase(Canvas& canvas) const {
  DrawLetters(canvas, *this, 1, Len, LetterFont(clBlack, false));
}

void strikerType::MoveDown(Canvas& canvas) {
  Erase(canvas);
  Y += kFallStep;
  Draw(canvas);
}

cityType::cityType(int baseY, Random& random) : BaseY(baseY), random_(random) { Generate(); }

void cityType::Generate() {
  random_.Reseed();
  for (int c = 1; c <= kColumns; ++c) Cells[1][c] = Chance(random_, kCityChance) ? 1 : 0;
  for (int r = 2; r <= kCityRows; ++r) {
    for (int c = 1; c <= kColumns; ++c) {
      Cells[r][c] = Cells[r - 1][c] == 1 || Chance(random_, kCityChance) ? 1 : 0;
    }
  }
}

void cityType::Draw(Canvas& canvas) const {
  canvas.SetBrushColor(kBlockColor);
  for (int r = 1; r <= kCityRows; ++r) {
    for (int c = 1; c <= kColumns; ++c) {
      if (Cells[r][c] == 1) {
        canvas.FillRect(ColumnX(c), RowTop(r), ColumnX(c) + kCellSize, RowTop(r) + kCellSize);
      }
    }
  }
  canvas.SetBrushColor(clBlack);
}

void cityType::EraseBlocks(Canvas& canvas, int row, int firstColumn, int endColumn) const {
  canvas.SetBrushColor(clBlack);
  canvas.FillRect(ColumnX(firstColumn), RowTop(row), ColumnX(endColumn), RowTop(row) + kCellSize);
}

int CrashRow(const strikerType& word, const cityType& city) {
  if (word.Bottom() < city.BaseY - kCityHeight) return 0;
  // Columns outside the grid hold no block.
  const int first = std::max(word.Column, 1);
  const int last = std::min(word.Column + word.Len - 1, kColumns);
  for (int r = 1; r <= kCityRows && word.Bottom() < city.RowTop(r) + kCellSize; ++r) {
    for (int c = first; c <= last; ++c) {
      if (city.Cells[r][c] == 1) return r;
    }
  }
  return 0;
}

CrashOutcome TestCrash(strikerType& word, cityType& city, Canvas& canvas) {
  if (word.Bottom() < city.BaseY - kCityHeight) return CrashOutcome::None;
  if (const int row = CrashRow(word, city); row != 0) {
    const int first = std::max(word.Column, 1);
    const int last = std::min(word.Column + word.Len - 1, kColumns);
    for (int c = first; c <= last; ++c) city.Cells[row][c] = 0;
    city.EraseBlocks(canvas, row, first, last + 1);
    return CrashOutcome::Crashed;
  }
  if (word.Y >= city.BaseY) {
    word.State = strikerType::Destroyed;
    word.Erase(canvas);
    return CrashOutcome::Lost;
  }
  return CrashOutcome::None;
}

bulletType::bulletType(Canvas& surface, strikerType& target, int startY)
    : canvas(surface), Target(target), X(target.X + target.Len * kCellSize / 2), Y(startY) {}

void bulletType::Step() {
  if (Target.Bottom() >= Y) {
    canvas.SetPen(clBlack, 3);
    canvas.SetPenMode(PenMode::Copy);
    canvas.SetBrushColor(clBlack);
    canvas.Rectangle(X, Y, X + 5, Y + 9);
    Target.State = strikerType::Destroyed;
    Done = true;
    return;
  }
  if (Done) return;
  canvas.SetPen(kBulletColor, 3);
  canvas.SetPenMode(PenMode::Xor);
  canvas.Rectangle(X, Y, X + 4, Y + 8);
  Y -= kBulletStep;
  canvas.Rectangle(X, Y, X + 4, Y + 8);
  canvas.SetPenMode(PenMode::Copy);
}
