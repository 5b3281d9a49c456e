#include "platform/codepage.h"

namespace {
// Unicode of 0x80..0x9F; 0 marks the five undefined positions, shown as the C1 control.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QChar ByteToChar(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0) {
    return QChar(kHigh[byte - 0x80]);
  }
  return QChar(static_cast<char16_t>(byte));
}

QString BytesToQString(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char byte : bytes) text.append(ByteToChar(byte));
  return text;
}

std::optional<unsigned char> CharToByte(QChar ch) {
  const char16_t code = ch.unicode();
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] != 0 && kHigh[i] == code) return static_cast<unsigned char>(0x80 + i);
  }
  if (code >= 0x80 && code <= 0x9F) return static_cast<unsigned char>(code);  // undefined slots
  return std::nullopt;
}

bool QStringToBytes(const QString& text, std::string& bytes) {
  bytes.clear();
  for (QChar ch : text) {
    const auto byte = CharToByte(ch);
    if (!byte) return false;
    bytes.push_back(static_cast<char>(*byte));
  }
  return true;
}

std::string BytesOf(const QString& text) {
  std::string bytes;
  QStringToBytes(text, bytes);
  return bytes;
}

unsigned char UpperByte(unsigned char byte) {
  if (byte >= 'a' && byte <= 'z') return byte - 0x20;
  if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return byte - 0x20;
  switch (byte) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return byte;
  }
}

bool IsLetter(char c) {
  return ByteToChar(static_cast<unsigned char>(c)).isLetter();
}

bool IsLowerLetter(char c) {
  return IsLetter(c) && Lower(c) == c && (Upper(c) != c || c == '\xDF');
}

char Upper(char c) {
  return static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
}

char Lower(char c) {
  const auto byte = CharToByte(ByteToChar(static_cast<unsigned char>(c)).toLower());
  return byte ? static_cast<char>(*byte) : c;
}

std::string UpperBytes(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return upper;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperByte(static_cast<unsigned char>(a[i])) != UpperByte(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}
