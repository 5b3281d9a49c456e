#include "platform/codepage.h"

#include <QCollator>
#include <QLocale>

namespace {
// Unicode of 0x80..0x9F; 0 marks the five undefined positions, shown as the C1 control.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The length of the UTF-8 sequence that starts at s[0] and its character, or 0 where none
// does: a stray or missing continuation byte, an overlong form, a surrogate, or beyond U+10FFFF.
size_t Utf8Sequence(const unsigned char* s, size_t left, char32_t& code) {
  const unsigned char lead = s[0];
  size_t length = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, least = 0x80, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, least = 0x800, code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, least = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (left < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((s[i] & 0xC0) != 0x80) return 0;
    code = (code << 6) | (s[i] & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < least || surrogate || code > 0x10FFFF ? 0 : length;
}

bool IsUtf8BeyondAscii(const unsigned char* s, size_t size) {
  bool beyondAscii = false;
  char32_t code = 0;
  for (size_t at = 0; at < size;) {
    if (s[at] < 0x80) {
      ++at;
      continue;
    }
    const size_t length = Utf8Sequence(s + at, size - at, code);
    if (length == 0) return false;
    beyondAscii = true;
    at += length;
  }
  return beyondAscii;
}
}  // namespace

size_t Utf8AsCodePage(char* text, size_t size) {
  auto* const s = reinterpret_cast<unsigned char*>(text);
  const bool marked = size >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF;
  if (!marked && !IsUtf8BeyondAscii(s, size)) return size;
  char32_t code = 0;
  size_t write = 0;
  for (size_t at = marked ? 3 : 0; at < size;) {
    const size_t length = s[at] < 0x80 ? 1 : Utf8Sequence(s + at, size - at, code);
    if (length == 1) {
      s[write++] = s[at];
    } else {
      const auto byte = length != 0 && code <= 0xFFFF
                            ? CharToByte(QChar(static_cast<char16_t>(code)))
                            : std::nullopt;
      s[write++] = byte.value_or('?');
    }
    at += length == 0 ? 1 : length;
  }
  return write;
}

std::string SystemText(std::string text) {
  text.resize(Utf8AsCodePage(text.data(), text.size()));
  return text;
}

std::string TerminalText(const std::string& bytes) {
  return BytesToQString(bytes).toStdString();
}

QString FileNameText(const std::string& name) {
  return IsUtf8BeyondAscii(reinterpret_cast<const unsigned char*>(name.data()), name.size())
             ? QString::fromUtf8(name)
             : BytesToQString(name);
}

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

bool NameSortsBefore(const std::string& a, const std::string& b) {
  // The C locale's order is the code points', which puts "Élodie" after "Zoe": English order
  // stands in.
  QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator.compare(BytesToQString(a), BytesToQString(b)) < 0;
}
