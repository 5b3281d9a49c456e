#include "platform/errors.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstring>

#include "platform/codepage.h"

bool TryStrToInt(const std::string& text, int& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    magnitude = magnitude * base + digit;
    if (magnitude > int64_t{1} << 32) return false;
  }
  const int64_t result = negative ? -magnitude : magnitude;
  if (base == 16 && !negative && result <= UINT32_MAX) {
    value = static_cast<int>(static_cast<uint32_t>(result));  // "$FFFFFFFF" is -1
    return true;
  }
  if (result < INT32_MIN || result > INT32_MAX) return false;
  value = static_cast<int>(result);
  return true;
}

std::string ConversionErrorText(const std::string& text) {
  return BytesOf(QCoreApplication::translate("Errors", "'%1' is not a valid integer value")
                     .arg(BytesToQString(text)));
}

int StrToInt(const std::string& text) {
  int value = 0;
  if (!TryStrToInt(text, value)) throw AppError(ConversionErrorText(text));
  return value;
}

std::string SystemReason(int error) {
  return SystemText(std::strerror(error));
}
