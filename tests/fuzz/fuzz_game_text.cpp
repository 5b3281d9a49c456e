// Game texts: any bytes parse into 1..60 groups of words of 1..50 non-space letters, and
// picking until exhaustion hands out every word exactly once, each placed inside the field.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "game/striker_source.h"
#include "trapping_dialogs.h"

namespace {
// Deterministic draws seeded from the input, so a crash reproduces.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(const std::string& bytes)
      : engine_(static_cast<uint32_t>(std::hash<std::string>{}(bytes)) | 1u) {}
  int Below(int n) override {
    return n <= 1 ? 0 : static_cast<int>(engine_() % static_cast<uint32_t>(n));
  }
  void Reseed() override {}

 private:
  std::minstd_rand engine_;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const GameText text = ParseGameText(bytes);
  if (text.groupCount < 1 || text.groupCount > kMaxGroups) __builtin_trap();
  size_t words = 0;
  for (int g = 1; g <= kMaxGroups; ++g) {
    for (const std::string& word : text.groups[static_cast<size_t>(g)]) {
      if (word.empty() || word.size() > static_cast<size_t>(kMaxWordLength) ||
          word.find(' ') != std::string::npos) {
        __builtin_trap();
      }
      ++words;
    }
  }

  static const std::string path = "/tmp/qz-fuzz-game-" + std::to_string(getpid()) + ".txt";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  TrappingDialogs dialogs;  // no pick may fail
  SeededRandom random(bytes);
  strikerSourceType source(path, random, dialogs);
  source.Load();
  size_t picked = 0;
  while (source.Pick()) {
    const auto word = source.TakePicked();
    if (!word || word->Column < 1 || word->Column + word->Len - 1 > kColumns) __builtin_trap();
    ++picked;
    if (picked > words) __builtin_trap();
  }
  if (picked != words || source.Pick()) __builtin_trap();
  std::remove(path.c_str());
  return 0;
}
