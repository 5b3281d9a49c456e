#include "keyboard/key_char.h"

#include "platform/errors.h"

char ParseKeyChar(const std::string& text) {
  if (text.empty()) return ' ';
  if (text[0] != '/') return text[0];
  if (text.size() > 1 && text[1] == '/') return '/';
  const unsigned code = static_cast<unsigned>(StrToInt(text.substr(1)));
  return static_cast<char>(code % 256);
}

std::string KeyCharText(char ch, bool codesAbove127) {
  const auto code = static_cast<unsigned char>(ch);
  if (ch == '/') return "//";
  if (codesAbove127 && code >= 128) return "/" + std::to_string(code);
  return std::string(1, ch);
}
