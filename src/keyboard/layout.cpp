#include "keyboard/layout.h"

#include <algorithm>
#include <cstdlib>

#include "platform/codepage.h"

namespace {
constexpr int kHomeLine = 3;
constexpr int kLeftMiddle = 2;
constexpr int kRightMiddle = 7;
}  // namespace

char SearchForm(char ch) {
  return static_cast<char>(UpperByte(static_cast<unsigned char>(ch)));
}

std::optional<std::pair<char, char>> AccentAndLetter(char ch) {
  // The dead keys' accents as keys show them, in the code page.
  static constexpr std::pair<char16_t, char> kSpacingAccents[] = {
      {u'\u0300', '`'}, {u'\u0301', '\xB4'}, {u'\u0302', '^'},
      {u'\u0303', '~'}, {u'\u0308', '\xA8'}, {u'\u0327', '\xB8'}};
  const QChar unicode = ByteToChar(static_cast<unsigned char>(ch));
  // Only a letter with its accent: a compatibility form such as the small tilde breaks down
  // into a space and the accent.
  if (unicode.decompositionTag() != QChar::Canonical) return std::nullopt;
  const QString parts = unicode.decomposition();
  if (parts.size() != 2) return std::nullopt;
  const std::optional<unsigned char> letter = CharToByte(parts[0]);
  if (!letter || !IsLetter(static_cast<char>(*letter))) return std::nullopt;
  for (const auto& [combining, spacing] : kSpacingAccents) {
    if (parts[1].unicode() == combining) return std::pair{spacing, static_cast<char>(*letter)};
  }
  return std::nullopt;
}

int FingerForChar(const LayoutRec& layout, char ch) {
  const int count = std::clamp(layout.KeyCount, 0, kMaxKeys);
  const int key = FindKeyFor(ch, count, [&](int n) { return layout.KeyAt(n).Chars; });
  return key == 0 ? -1 : layout.KeyAt(key).Finger;
}

char PlainChar(const KeyRec& key) {
  const char bottom = key.Chars[1];
  const char plain = bottom != ' ' && bottom != 0 ? bottom : key.Chars[0];
  return IsLetter(plain) ? Lower(plain) : plain;
}

std::array<char, kFingerCount> HomeChars(const LayoutRec& layout) {
  std::array<int, kFingerCount> middleColumn{};
  const int keyCount = std::clamp(layout.KeyCount, 0, kMaxKeys);
  for (int n = 1; n < keyCount; ++n) {
    const KeyRec& key = layout.KeyAt(n);
    if (key.Line == kHomeLine && (key.Finger == kLeftMiddle || key.Finger == kRightMiddle)) {
      middleColumn[static_cast<size_t>(key.Finger)] = key.Column;
    }
  }
  std::array<char, kFingerCount> home{};
  std::array<int, kFingerCount> distance{};
  distance.fill(1000);
  for (int n = 1; n < keyCount; ++n) {
    const KeyRec& key = layout.KeyAt(n);
    if (key.Line != kHomeLine || key.Finger < 0 || key.Finger >= kFingerCount) continue;
    const auto finger = static_cast<size_t>(key.Finger);
    const int middle = middleColumn[key.Finger < 5 ? kLeftMiddle : kRightMiddle];
    const int away = std::abs(key.Column - middle);
    if (away < distance[finger] && PlainChar(key) != ' ') {
      distance[finger] = away;
      home[finger] = PlainChar(key);
    }
  }
  return home;
}
