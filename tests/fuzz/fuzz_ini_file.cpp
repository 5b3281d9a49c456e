// INI files: any bytes parse, but for a UTF-16 file, which is refused and left as it is;
// writing one key leaves every other section reading as before, and the written value reads
// back.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ini_file.h"

namespace {
std::string TempPath() {
  static const std::string path = "/tmp/qz-fuzz-ini-" + std::to_string(getpid()) + ".ini";
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  IniFile ini(TempPath());
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    try {
      ini.WriteString("fuzzed", "key", "value");
      __builtin_trap();
    } catch (const AppError&) {
    }
    if (ReadWholeFile(TempPath(), size + 1) != bytes) __builtin_trap();
    std::remove(TempPath().c_str());
    return 0;
  }
  const auto names = ini.ReadSectionNames();
  std::vector<std::vector<IniEntry>> before;
  for (const auto& name : names) before.push_back(ini.ReadSection(name));
  for (const auto& name : names) ini.ReadString(name, "Progress", "none");

  ini.WriteString("fuzzed", "key", "value");
  if (ini.ReadString("fuzzed", "key", "") != "value") __builtin_trap();
  const auto namesAfter = ini.ReadSectionNames();
  for (size_t i = 0; i < names.size(); ++i) {
    // Names match without regard to case: "[FUZZED]" is the section just written.
    if (EqualsIgnoreCase(names[i], "fuzzed")) continue;
    const auto after = ini.ReadSection(names[i]);
    if (after.size() != before[i].size()) __builtin_trap();
    for (size_t k = 0; k < after.size(); ++k) {
      if (after[k].key != before[i][k].key || after[k].value != before[i][k].value) __builtin_trap();
    }
  }
  if (namesAfter.size() < names.size()) __builtin_trap();
  std::remove(TempPath().c_str());
  return 0;
}
