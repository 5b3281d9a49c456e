#pragma once
// finger: one finger of a hand window, a thick vertical stroke drawn upwards from its base
// point onto the window's canvas (not owned). Erasing draws the stroke in black, the
// window's background.
#include "platform/canvas.h"

class finger {
 public:
  void Setup(int x, int y, Canvas& canvas, Color colour, int length);
  void Draw();
  void Erase();

  int x = 0;
  int y = 0;
  int length = 0;
  Color colour = clBlack;

 private:
  void Stroke(Color pen);
  Canvas* canvas_ = nullptr;
};
