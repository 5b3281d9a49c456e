#include "platform/program_files.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string ShippedPath(const std::string& programDir, const std::string& name,
                        const std::string& installed) {
  std::error_code error;
  const std::string beside = programDir + "/" + name;
  return fs::exists(beside, error) ? beside : programDir + "/../" + installed;
}
