#include "keyboard/finger.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kStrokeWidth = 6;
// A stroke never needs to reach further than this past any window edge.
constexpr int64_t kFarthest = 1 << 16;
}  // namespace

void finger::Setup(int baseX, int baseY, Canvas& canvas, Color strokeColour, int strokeLength) {
  x = baseX;
  y = baseY;
  canvas_ = &canvas;
  colour = strokeColour;
  length = strokeLength;
}

void finger::Draw() {
  Stroke(colour);
}

void finger::Erase() {
  Stroke(clBlack);
}

void finger::Stroke(Color pen) {
  if (!canvas_) return;
  const int tip = static_cast<int>(std::clamp(int64_t{y} - length, -kFarthest, kFarthest));
  canvas_->SetPen(pen, kStrokeWidth);
  canvas_->SetPenMode(PenMode::Copy);
  canvas_->Line(x, y, x, tip);
}
