// Layout files: decoding any bytes either refuses them or gives a layout that the guide
// windows can show and that codes back to a file decoding to the same layout.
#include <cstddef>
#include <cstdint>
#include <string>

#include "keyboard/layout_file.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LayoutRec layout;
  try {
    DecodeLayout(bytes, layout);
  } catch (const AppError&) {
    if (!(layout == LayoutRec{})) __builtin_trap();  // a refused file changes nothing
    return 0;
  }
  if (!LayoutProblem(layout).empty()) __builtin_trap();
  const std::string again = EncodeLayout(layout);
  if (again.size() != kLayoutFileSize) __builtin_trap();
  LayoutRec reread;
  DecodeLayout(again, reread);
  if (!(reread == layout)) __builtin_trap();
  return 0;
}
