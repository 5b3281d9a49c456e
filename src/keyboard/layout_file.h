#pragma once
// The layout file (*.key): one record of 20508 bytes, little-endian, coded and decoded field by
// field. Reading refuses a short file and values the guide windows cannot show, with an error
// and before the layout changes; bytes after the record are ignored. Writing fills every byte
// (all 60 key records, zeros where a byte carries no meaning) and replaces the file atomically.
#include <cstddef>
#include <string>

#include "keyboard/layout.h"

inline constexpr size_t kLayoutFileSize = 20508;
inline constexpr size_t kFaceNameMax = 60;

// The record of the layout. Face names are cut to 60 characters.
std::string EncodeLayout(const LayoutRec& layout);
// Fills layout from the first kLayoutFileSize bytes. Throws AppError "Read beyond end of file"
// when there are fewer, or LayoutProblem's text; layout is unchanged then. Each font takes its
// colour, height, face, size and style in that order, so the size decides the height.
void DecodeLayout(const std::string& bytes, LayoutRec& layout);
// Empty when the keyboard and hand windows can show the layout, else why not: a key count
// outside 0..60, a key in use (not the space bar) on a line outside 1..4 or with a finger
// outside 0..9, a key in use (the space bar too) with a font size or height the designer
// cannot set, or a keyboard (built from 30, 30) or hand window larger than 4096 pixels.
std::string LayoutProblem(const LayoutRec& layout);

// Throws AppError "File not found", "File access denied", "Read beyond end of file" or
// LayoutProblem's text; layout is unchanged then.
void ReadLayoutFile(const std::string& path, LayoutRec& layout);
// Throws AppError with the reader's "Invalid layout: ..." text when reading the file back
// would refuse it, or with the system's text when the file cannot be written; nothing is
// written and an existing file stays as it was then. The file is replaced as ReplaceFile does.
void WriteLayoutFile(const std::string& path, const LayoutRec& layout);
