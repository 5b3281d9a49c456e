#pragma once
// Helpers for the game's tests: a dispatcher that runs calls at once, a game on a 600 x 384
// picture with fake services, and pixel readers.
#include <functional>
#include <memory>
#include <string>

#include "game/game_thread.h"
#include "platform/errors.h"
#include "platform/image_canvas.h"
#include "support/test_context.h"

class ImmediateDispatcher final : public GameDispatcher {
 public:
  void Post(std::function<void()> call) override {
    ++posted;
    call();
    if (afterCall) afterCall();
  }
  int posted = 0;
  std::function<void()> afterCall;
};

// A canvas that forwards to a picture and fails on demand.
class FailingCanvas final : public Canvas {
 public:
  explicit FailingCanvas(ImageCanvas& inner) : inner_(inner) {}
  void SetBrushColor(Color color) override { inner_.SetBrushColor(color); }
  Color BrushColor() const override { return inner_.BrushColor(); }
  void SetPen(Color color, int width) override { inner_.SetPen(color, width); }
  void SetPenMode(PenMode mode) override { inner_.SetPenMode(mode); }
  void FillRect(int l, int t, int r, int b) override { inner_.FillRect(l, t, r, b); }
  void Rectangle(int l, int t, int r, int b) override { inner_.Rectangle(l, t, r, b); }
  void Line(int x1, int y1, int x2, int y2) override { inner_.Line(x1, y1, x2, y2); }
  void TextOut(int x, int y, const std::string& text, const Font& font) override {
    if (failText) throw AppError("Canvas does not allow drawing");
    inner_.TextOut(x, y, text, font);
  }
  int TextWidth(const std::string& t, const Font& f) override { return inner_.TextWidth(t, f); }
  int TextHeight(const std::string& t, const Font& f) override {
    return inner_.TextHeight(t, f);
  }
  int Width() const override { return inner_.Width(); }
  int Height() const override { return inner_.Height(); }
  bool failText = false;

 private:
  ImageCanvas& inner_;
};

// Puts a falling word on the playfield, as the source would have launched it.
inline strikerType& AddFallingWord(threadType& game, const std::string& text, int column, int y,
                                   int speed) {
  auto word = std::make_unique<strikerType>();
  word->Text = text;
  word->Len = static_cast<int>(text.size());
  word->Column = column;
  word->X = ColumnX(column);
  word->Y = y;
  word->Speed = speed;
  game.Strikers.push_back(std::move(word));
  return *game.Strikers.back();
}

struct GameFixture {
  TestContext t;
  ImmediateDispatcher dispatcher;
  ImageCanvas picture{600, 384};
  FailingCanvas canvas{picture};
  std::string status;
  std::unique_ptr<threadType> game;

  GameFixture() {
    picture.SetBrushColor(clBlack);
    picture.FillRect(0, 0, 600, 384);
  }

  threadType& Make(const std::string& text, int difficulty = 3) {
    t.dir.Write("game.txt", text);
    // The city is cleared below: its draws do not matter.
    t.random.thenAlways = 0;
    game = std::make_unique<threadType>(
        GameServices{t.clock, t.random, t.dialogs, dispatcher}, t.dir.File("game.txt"),
        [this](const std::string& line) { status = line; }, canvas);
    if (difficulty > 0) game->SetDifficulty(difficulty);
    ClearCity();
    t.random.thenAlways.reset();
    return *game;
  }
  void ClearCity() {
    for (auto& row : game->City.Cells) row.fill(0);
  }
  strikerType& AddWord(const std::string& text, int column, int y = 0, int speed = 3) {
    return AddFallingWord(*game, text, column, y, speed);
  }
  void Type(const std::string& keys) {
    for (char c : keys) game->HandleKey(static_cast<unsigned char>(c));
  }
  // Runs move ticks (and nothing else) n times.
  void MoveTicks(int n) {
    for (int i = 0; i < n; ++i) game->MoveStrikers();
  }
};

// Counts the pixels of a colour in [left, right) x [top, bottom).
inline int CountPixels(const ImageCanvas& canvas, Color color, int left, int top, int right,
                       int bottom) {
  int count = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, canvas.Height()); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, canvas.Width()); ++x) {
      if (canvas.PixelAt(x, y) == color) ++count;
    }
  }
  return count;
}

// True when every pixel of the area has the colour.
inline bool AllPixels(const ImageCanvas& canvas, Color color, int left, int top, int right,
                      int bottom) {
  return CountPixels(canvas, color, left, top, right, bottom) == (right - left) * (bottom - top);
}
