#pragma once
// How the designer's four text boxes write the characters of a key: an empty box is a space,
// "//" a slash, "/" followed by a number the character with that code (modulo 256), and any
// other text its first character.
#include <string>

// Throws AppError "'<text after the slash>' is not a valid integer value" for a slash followed
// by anything but a second slash or a number.
char ParseKeyChar(const std::string& text);

// How a stored character is shown in a box: a slash as two slashes; with codesAbove127 a
// character of code 128 or more as "/" and its code; anything else as itself.
std::string KeyCharText(char ch, bool codesAbove127);
