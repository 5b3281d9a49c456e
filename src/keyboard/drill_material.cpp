#include "keyboard/drill_material.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/codepage.h"

namespace {
constexpr int kHomeLine = 3;
constexpr int kLeftMiddle = 2;
constexpr int kRightMiddle = 7;

// The character a key gives unshifted, letters in lower case; a space for none.
char PlainChar(const KeyRec& key) {
  const char bottom = key.Chars[1];
  const char plain = bottom != ' ' && bottom != 0 ? bottom : key.Chars[0];
  return IsLetter(plain) ? Lower(plain) : plain;
}

// The home key of each finger but the thumbs: on the home row, the nearest to its hand's
// middle finger (the index finger rests on f, not g).
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
}  // namespace

AdaptiveMaterial MakeAdaptiveMaterial(const LayoutRec& layout, std::vector<std::string> words,
                                      std::vector<std::string> sentences) {
  AdaptiveMaterial material;
  const auto charsOf = [&layout](int n) { return layout.KeyAt(n).Chars; };
  const auto onLayout = [&](char c) { return FindKeyFor(c, layout.KeyCount, charsOf) != 0; };
  const std::array<char, kFingerCount> home = HomeChars(layout);
  // Index fingers first, then outwards, as the course brings them.
  for (size_t finger : {3, 6, 2, 7, 1, 8, 0, 9}) {
    const char c = home[finger];
    if (IsLetter(c) && material.order.find(c) == std::string::npos) material.order += c;
  }
  material.homeKeys = static_cast<int>(material.order.size());
  std::array<int64_t, 256> used{};
  for (const std::string& line : sentences) {
    for (char c : line) ++used[static_cast<unsigned char>(c)];
  }
  std::string rest;
  for (int c = 1; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    if (used[static_cast<size_t>(c)] > 0 && ch != ' ' && onLayout(ch) &&
        material.order.find(ch) == std::string::npos) {
      rest += ch;
    }
  }
  std::stable_sort(rest.begin(), rest.end(), [&used](char a, char b) {
    return used[static_cast<unsigned char>(a)] > used[static_cast<unsigned char>(b)];
  });
  material.order += rest;
  for (char c : material.order) {
    const int finger = FingerForChar(layout, c);
    const char anchor = finger >= 0 ? home[static_cast<size_t>(finger)] : 0;
    material.anchors[c] = anchor && anchor != ' ' ? anchor : c;
  }
  material.words = std::move(words);
  material.sentences = std::move(sentences);
  return material;
}

