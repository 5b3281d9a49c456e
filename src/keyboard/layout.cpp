#include "keyboard/layout.h"

#include <algorithm>

#include "platform/codepage.h"

char SearchForm(char ch) {
  return static_cast<char>(UpperByte(static_cast<unsigned char>(ch)));
}

int FingerForChar(const LayoutRec& layout, char ch) {
  const int count = std::clamp(layout.KeyCount, 0, kMaxKeys);
  const int key = FindKeyFor(ch, count, [&](int n) { return layout.KeyAt(n).Chars; });
  return key == 0 ? -1 : layout.KeyAt(key).Finger;
}
