#include "keyboard/layout_file.h"

#include <QCoreApplication>
#include <algorithm>

#include "keyboard/key_geometry.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/files.h"
#include "platform/translation.h"

namespace {
constexpr size_t kHeaderSize = 28;
constexpr size_t kKeyRecordSize = 340;
constexpr size_t kFontRecordSize = 80;
constexpr size_t kFingersAt = kHeaderSize + kMaxKeys * kKeyRecordSize;  // 20428
static_assert(kFingersAt + kFingerCount * 8 == kLayoutFileSize);

// Font record: colour 0, height 4, face (length byte + 60) 8, size 72, style 76.
constexpr size_t kFaceAt = 8;
constexpr size_t kSizeAt = 72;
constexpr size_t kStyleAt = 76;
constexpr uint8_t kStyleBits = 0x0F;
// The largest origin a keyboard is built from (the designer's); a layout must fit there.
constexpr int kLargestOrigin = 30;

void PutInt(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetUInt(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i)
    value |= uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  return value;
}

int32_t GetInt(const std::string& bytes, size_t at) {
  return static_cast<int32_t>(GetUInt(bytes, at));
}

void EncodeFont(std::string& bytes, size_t at, const Font& font) {
  PutInt(bytes, at, font.color);
  PutInt(bytes, at + 4, static_cast<uint32_t>(font.height));
  const size_t length = std::min(font.face.size(), kFaceNameMax);
  bytes[at + kFaceAt] = static_cast<char>(length);
  std::copy_n(font.face.begin(), length, bytes.begin() + static_cast<ptrdiff_t>(at + kFaceAt + 1));
  PutInt(bytes, at + kSizeAt, static_cast<uint32_t>(font.size));
  bytes[at + kStyleAt] = static_cast<char>(font.style & kStyleBits);
}

void DecodeFont(const std::string& bytes, size_t at, Font& font) {
  font.color = GetUInt(bytes, at);
  font.height = GetInt(bytes, at + 4);
  const size_t length =
      std::min<size_t>(static_cast<unsigned char>(bytes[at + kFaceAt]), kFaceNameMax);
  font.face = bytes.substr(at + kFaceAt + 1, length);
  font.SetSize(GetInt(bytes, at + kSizeAt));
  font.style = static_cast<uint8_t>(bytes[at + kStyleAt]) & kStyleBits;
}

// "Invalid layout: " and why, the reason's placeholders filled with the figures.
template <typename... Figures>
std::string Refusal(const char* why, Figures... figures) {
  QString reason = QCoreApplication::translate("Layouts", why);
  ((reason = reason.arg(figures)), ...);
  return BytesOf(QCoreApplication::translate("Layouts", "Invalid layout: %1").arg(reason));
}
}  // namespace

std::string EncodeLayout(const LayoutRec& layout) {
  std::string bytes(kLayoutFileSize, '\0');
  PutInt(bytes, 0, static_cast<uint32_t>(layout.KeyWidth));
  PutInt(bytes, 4, static_cast<uint32_t>(layout.KeyHeight));
  PutInt(bytes, 8, static_cast<uint32_t>(layout.KeyCount));
  for (int line = 1; line <= kLineCount; ++line) {
    PutInt(bytes, 12 + 4 * (line - 1), static_cast<uint32_t>(layout.OffsetOf(line)));
  }
  for (int n = 1; n <= kMaxKeys; ++n) {
    const KeyRec& key = layout.KeyAt(n);
    const size_t at = kHeaderSize + (n - 1) * kKeyRecordSize;
    PutInt(bytes, at, key.Color);
    PutInt(bytes, at + 4, static_cast<uint32_t>(key.Line));
    PutInt(bytes, at + 8, static_cast<uint32_t>(key.Column));
    PutInt(bytes, at + 12, static_cast<uint32_t>(key.Finger));
    for (int c = 0; c < kKeyChars; ++c) bytes[at + 16 + c] = key.Chars[c];
    for (int f = 0; f < kKeyChars; ++f)
      EncodeFont(bytes, at + 20 + f * kFontRecordSize, key.Fonts[f]);
  }
  for (int n = 1; n <= kFingerCount; ++n) {
    const size_t at = kFingersAt + (n - 1) * 8;
    PutInt(bytes, at, static_cast<uint32_t>(layout.FingerAt(n).Length));
    PutInt(bytes, at + 4, layout.FingerAt(n).Color);
  }
  return bytes;
}

void DecodeLayout(const std::string& bytes, LayoutRec& layout) {
  if (bytes.size() < kLayoutFileSize) throw AppError(Translated("Errors", kReadBeyondEnd));
  LayoutRec read = layout;
  read.KeyWidth = GetInt(bytes, 0);
  read.KeyHeight = GetInt(bytes, 4);
  read.KeyCount = GetInt(bytes, 8);
  for (int line = 1; line <= kLineCount; ++line) {
    read.Offset[line - 1] = GetInt(bytes, 12 + 4 * (line - 1));
  }
  for (int n = 1; n <= kFingerCount; ++n) {
    const size_t at = kFingersAt + (n - 1) * 8;
    read.FingerAt(n).Length = GetInt(bytes, at);
    read.FingerAt(n).Color = GetUInt(bytes, at + 4);
  }
  for (int n = 1; n <= kMaxKeys; ++n) {
    KeyRec& key = read.KeyAt(n);
    const size_t at = kHeaderSize + (n - 1) * kKeyRecordSize;
    key.Color = GetUInt(bytes, at);
    key.Line = GetInt(bytes, at + 4);
    key.Column = GetInt(bytes, at + 8);
    key.Finger = GetInt(bytes, at + 12);
    for (int c = 0; c < kKeyChars; ++c) key.Chars[c] = bytes[at + 16 + c];
    for (int f = 0; f < kKeyChars; ++f)
      DecodeFont(bytes, at + 20 + f * kFontRecordSize, key.Fonts[f]);
  }
  const std::string problem = LayoutProblem(read);
  if (!problem.empty()) throw AppError(problem);
  layout = read;
}

std::string LayoutProblem(const LayoutRec& layout) {
  if (layout.KeyCount < 0 || layout.KeyCount > kMaxKeys) {
    return Refusal(QT_TRANSLATE_NOOP("Layouts", "the key count %1 is outside 0..60"),
                   layout.KeyCount);
  }
  for (int n = 1; n < layout.KeyCount; ++n) {
    const KeyRec& key = layout.KeyAt(n);
    if (key.Line < 1 || key.Line > kLineCount) {
      return Refusal(QT_TRANSLATE_NOOP("Layouts", "key %1 is on line %2, outside 1..4"), n,
                     key.Line);
    }
    if (key.Finger < 0 || key.Finger >= kFingerCount) {
      return Refusal(QT_TRANSLATE_NOOP("Layouts", "key %1 has finger %2, outside 0..9"), n,
                     key.Finger);
    }
  }
  // The space bar's characters are drawn too.
  const int highest = -HeightForSize(kKeyFontMaxSize);
  for (int n = 1; n <= layout.KeyCount; ++n) {
    for (const Font& font : layout.KeyAt(n).Fonts) {
      if (font.size < kKeyFontMinSize || font.size > kKeyFontMaxSize) {
        return Refusal(
            QT_TRANSLATE_NOOP("Layouts", "key %1 has a font of %2 points, outside %3..%4"), n,
            font.size, kKeyFontMinSize, kKeyFontMaxSize);
      }
      if (font.PixelHeight() < 1 || font.PixelHeight() > highest) {
        return Refusal(
            QT_TRANSLATE_NOOP("Layouts", "key %1 has a font %2 pixels high, outside 1..%3"), n,
            font.PixelHeight(), highest);
      }
    }
  }
  const ClientSize keyboard = KeyboardClientSize(layout, kLargestOrigin, kLargestOrigin);
  if (keyboard.width > kMaxWindowSide || keyboard.height > kMaxWindowSide) {
    return Refusal(
        QT_TRANSLATE_NOOP("Layouts", "the keyboard would be %1 x %2 pixels, more than 4096"),
        keyboard.width, keyboard.height);
  }
  const int64_t hand = HandClientHeight(layout);
  if (hand > kMaxWindowSide) {
    return Refusal(
        QT_TRANSLATE_NOOP("Layouts", "the hands would be %1 pixels high, more than 4096"),
        static_cast<qlonglong>(hand));
  }
  return {};
}

void ReadLayoutFile(const std::string& path, LayoutRec& layout) {
  DecodeLayout(ReadFilePrefix(path, kLayoutFileSize), layout);
}

void WriteLayoutFile(const std::string& path, const LayoutRec& layout) {
  const std::string bytes = EncodeLayout(layout);
  // What the reader would refuse is never written; the reader itself decides.
  LayoutRec check = layout;
  DecodeLayout(bytes, check);
  if (const int error = ReplaceFile(path, bytes)) throw AppError(SystemReason(error));
}
