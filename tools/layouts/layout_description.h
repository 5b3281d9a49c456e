#pragma once
// Keyboard layouts written as readable text, turned into LayoutRec for the shipped .key files.
//
// The look, shared by every layout (key size, the four character fonts, the ten fingers):
//   key-size <width> <height>
//   font <1..4> <size> <regular|bold> <#RRGGBB> <face name...>
//   finger <0..9> <length> <stroke #RRGGBB> <key #RRGGBB>
// A keyboard: the line offsets, then four rows of keys from left to right, then the space bar:
//   offsets <line 1> <line 2> <line 3> <line 4>
//   row <1..4>
//   shifted <char> ...    what Shift types, "--" for nothing
//   plain <char> ...      what the key types alone
//   altgr <char> ...      optional: what AltGr types, "--" for nothing
//   fingers <0..9> ...
//   space <finger>
// Key sizes (10..100), offsets (1..200) and finger lengths (10..150) keep to the ranges of the
// layout designer. Lines starting with # are comments. Text is UTF-8 and must fit the program's code page.
//
// A key shows its shifted character top left, its plain one bottom left (unless that is just
// the lower case of a letter) and its AltGr character bottom right. Characters are stored in
// upper case, the form the keyboard searches, so a key showing É is found for é.
#include <stdexcept>
#include <string>

#include "keyboard/layout.h"

class DescriptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws DescriptionError naming the line and what is wrong with it.
LayoutRec DescribeLayout(const std::string& look, const std::string& keyboard);
