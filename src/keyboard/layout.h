#pragma once
// The keyboard layout: where the keys of the on-screen keyboard lie, what they show and in
// which fonts and colours, which finger strikes each key, and how the ten fingers of the hand
// windows look. The program holds one LayoutRec for its whole run; the keyboard and the hand
// windows build their own objects from it.
//
// Arrays are 0-based. Everywhere else keys are numbered 1..60, lines 1..4, finger entries
// 1..10 and key characters 1..4; KeyAt, OffsetOf and FingerAt take those 1-based numbers.
// Keys 1..KeyCount are in use and key KeyCount is always the space bar.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/codepage.h"
#include "platform/colors.h"
#include "platform/font.h"

inline constexpr int kMaxKeys = 60;
inline constexpr int kLineCount = 4;
inline constexpr int kFingerCount = 10;
inline constexpr int kKeyChars = 4;
// Sizes in points of the key characters' fonts: what the designer's font chooser offers and
// what a layout may hold for a key in use (a larger one would draw glyphs of megabytes).
inline constexpr int kKeyFontMinSize = 1;
inline constexpr int kKeyFontMaxSize = 72;

struct KeyRec {
  ::Color Color = 0;   // fill colour
  int32_t Line = 0;    // 1..4 from the top; not used for the space bar
  int32_t Column = 0;  // 1.. from the left; not used for the space bar
  int32_t Finger = 0;  // 0..4 left little finger to thumb, 5..9 right thumb to little finger
  // Single bytes: 1 top-left, 2 bottom-left, 3 top-right, 4 bottom-right.
  std::array<char, kKeyChars> Chars{};
  std::array<Font, kKeyChars> Fonts{};
  bool operator==(const KeyRec&) const = default;
};

struct FingerRec {
  int32_t Length = 0;  // stroke length in pixels
  ::Color Color = 0;
  bool operator==(const FingerRec&) const = default;
};

struct LayoutRec {
  int32_t KeyWidth = 30;
  int32_t KeyHeight = 30;
  int32_t KeyCount = 0;                      // 0..60
  std::array<int32_t, kLineCount> Offset{};  // pixels added on the left of lines 1..4
  std::array<KeyRec, kMaxKeys> Keys{};
  // Entries 1..5 the left hand from the little finger, 6..10 the right hand from the thumb.
  std::array<FingerRec, kFingerCount> Fingers{};

  KeyRec& KeyAt(int n) { return Keys.at(static_cast<size_t>(n - 1)); }
  const KeyRec& KeyAt(int n) const { return Keys.at(static_cast<size_t>(n - 1)); }
  int32_t OffsetOf(int line) const { return Offset.at(static_cast<size_t>(line - 1)); }
  FingerRec& FingerAt(int n) { return Fingers.at(static_cast<size_t>(n - 1)); }
  const FingerRec& FingerAt(int n) const { return Fingers.at(static_cast<size_t>(n - 1)); }
  bool operator==(const LayoutRec&) const = default;
};

// The form in which a typed character is searched among the key characters: its upper case
// in the program's code page, so that a and A find the same key.
char SearchForm(char ch);

// Number (1..keyCount) of the key that gives ch, or 0 when none does. A space is the last key,
// the space bar. Any other character is searched in SearchForm among keys 1..keyCount - 1, in
// number order and within a key in character order; the space bar takes no part.
// charsOf(n) yields the four characters of key n.
template <typename CharsOf>
int FindKeyFor(char ch, int keyCount, CharsOf&& charsOf) {
  if (keyCount <= 0) return 0;
  if (ch == ' ') return keyCount;
  const char wanted = SearchForm(ch);
  for (int n = 1; n < keyCount; ++n) {
    for (char shown : charsOf(n)) {
      if (shown == wanted) return n;
    }
  }
  return 0;
}

// The spacing accent and the letter of an accented letter of the code page ('^' and 'a' for
// â, '\xA8' and 'E' for Ë); nothing for any other character.
std::optional<std::pair<char, char>> AccentAndLetter(char ch);

// How a character that no key gives is typed with a dead key: the accent as its key shows it,
// then the letter ("^ + a" for â). Empty when a key gives ch, ch is no accented letter, or no
// key gives its accent or its letter. A layout file does not say which keys are dead, so a
// key is taken for a dead key when it gives no letter or digit (the French ~ shares a key with
// é and 2, and is plain); and ^, ` and ~ only on a layout with a key of an accent nothing else
// types (´ or ¨), as European layouts have; elsewhere they are plain (^ is Shift+6 in the US).
template <typename CharsOf>
std::string DeadKeyStrokes(char ch, int keyCount, CharsOf&& charsOf) {
  if (FindKeyFor(ch, keyCount, charsOf) != 0) return {};
  const std::optional<std::pair<char, char>> parts = AccentAndLetter(ch);
  if (!parts || FindKeyFor(parts->second, keyCount, charsOf) == 0) return {};
  const int accentKey = FindKeyFor(parts->first, keyCount, charsOf);
  if (accentKey == 0) return {};
  for (char shown : charsOf(accentKey)) {
    if (IsLetter(shown) || (shown >= '0' && shown <= '9')) return {};
  }
  const bool plainAccent = parts->first == '^' || parts->first == '`' || parts->first == '~';
  if (plainAccent && FindKeyFor('\xB4', keyCount, charsOf) == 0 &&
      FindKeyFor('\xA8', keyCount, charsOf) == 0) {
    return {};
  }
  return std::string{parts->first} + " + " + parts->second;
}

// The finger (0..9 as stored) that strikes the key of ch in the layout, or -1 when no key
// gives ch.
int FingerForChar(const LayoutRec& layout, char ch);

// The character a key gives unshifted, letters in lower case; a space for none.
char PlainChar(const KeyRec& key);

// The home key of each finger but the thumbs, as its PlainChar: on the home row (line 3), the
// nearest to its hand's middle finger (the index finger rests on f, not g); 0 for none.
std::array<char, kFingerCount> HomeChars(const LayoutRec& layout);
