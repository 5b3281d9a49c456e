// Line text files: any bytes split into lines without line breaks or NUL bytes, and every
// line makes a drill sample of at most 80 characters with nothing to trim at its ends.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/line_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const LineText text = LineText::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
  for (int i = 0; i < text.size(); ++i) {
    const std::string_view line = text[i];
    if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
      __builtin_trap();
    }
    const std::string sample = SampleOf(line);
    if (sample.size() > kMaxFileSampleLength) __builtin_trap();
    if (!sample.empty() && (static_cast<unsigned char>(sample.front()) <= 32 ||
                            static_cast<unsigned char>(sample.back()) <= 32)) {
      __builtin_trap();
    }
  }
  return 0;
}
