#pragma once
// What the adaptive drills of a layout are made of.
#include <string>
#include <vector>

#include "keyboard/layout.h"
#include "practice/adaptive_drill.h"

// The material for a layout: the home letters, then every character of the practice text
// that a key of the layout gives, the most used first; the marks spaced as the text spaces them.
AdaptiveMaterial MakeAdaptiveMaterial(const LayoutRec& layout, std::vector<std::string> words,
                                      std::vector<std::string> sentences);
