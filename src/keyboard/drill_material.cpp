#include "keyboard/drill_material.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/codepage.h"

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
  for (char mark : std::string_view(",.;:?!")) {
    int64_t spaced = 0;
    int64_t joined = 0;
    for (const std::string& line : sentences) {
      for (size_t i = line.find(mark, 1); i != std::string::npos; i = line.find(mark, i + 1)) {
        ++(line[i - 1] == ' ' ? spaced : joined);
      }
    }
    if (spaced > joined) material.spacedMarks += mark;
  }
  material.words = std::move(words);
  material.sentences = std::move(sentences);
  return material;
}

