#pragma once
// Where the keys of a layout stand in the keyboard window, how large the keyboard and hand
// windows become, and the largest size a layout may ask for. Computed in 64 bits so that no
// value a file or the designer can store overflows.
#include <cstdint>

#include "keyboard/layout.h"

// Neither window grows beyond this many pixels in either direction.
inline constexpr int kMaxWindowSide = 4096;

struct KeyPlace {
  int64_t left = 0;
  int64_t top = 0;
  int64_t width = 0;
  int64_t height = 0;
};

struct ClientSize {
  int64_t width = 0;
  int64_t height = 0;
};

// The number of keys a keyboard builds: KeyCount, kept within 0..60.
int KeysInUse(const LayoutRec& layout);

// Key n (1..KeysInUse) with the keys laid out from (ox, oy): keys stand 4 pixels apart on
// their lines, each line shifted by its offset; the last key, the space bar, lies on a fifth
// line three key widths right of the fourth line's start and is five keys wide. A key whose
// line is outside 1..4 gets no offset.
KeyPlace PlaceOfKey(const LayoutRec& layout, int n, int ox, int oy);

// The keyboard's client area: 10 pixels right of the rightmost key (the space bar included)
// and 10 pixels below the fifth line.
ClientSize KeyboardClientSize(const LayoutRec& layout, int ox, int oy);

// A hand window's client height: the longest of the left hand's fingers (entries 1..5, taken
// as 0 when none is positive) plus 20. Both hands take it from the left hand.
int64_t HandClientHeight(const LayoutRec& layout);
