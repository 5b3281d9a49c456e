#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/codepage.h"
#include "platform/errors.h"

namespace fs = std::filesystem;

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperByte(static_cast<unsigned char>(a[i])) != UpperByte(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string ResolvePath(const std::string& dir, const std::string& name) {
  if (!name.empty() && name.front() == '/') return name;
  const std::string direct = dir.empty() ? name : dir + "/" + name;
  std::error_code error;
  if (name.empty() || fs::exists(direct, error)) return direct;
  if (name.find('/') != std::string::npos) return direct;
  for (const auto& entry : fs::directory_iterator(dir.empty() ? "." : dir, error)) {
    const std::string candidate = entry.path().filename().string();
    if (EqualsIgnoreCase(candidate, name)) return dir.empty() ? candidate : dir + "/" + candidate;
  }
  return direct;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

std::vector<std::string> ListFilesWithExtension(const std::string& dir, const std::string& ext) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = entry.path().filename().string();
    const std::string suffix = "." + ext;
    if (name.size() > suffix.size() &&
        EqualsIgnoreCase(name.substr(name.size() - suffix.size()), suffix)) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const auto upper = [](std::string s) {
      for (char& c : s) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
      return s;
    };
    return upper(a) < upper(b);
  });
  return names;
}

std::string ReadFilePrefix(const std::string& path, size_t maxBytes) {
  std::error_code error;
  if (!fs::exists(path, error)) throw AppError(kFileNotFound);
  if (fs::is_directory(path, error)) throw AppError(kFileAccessDenied);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw AppError(kFileAccessDenied);
  std::string bytes;
  char buffer[65536];
  while (bytes.size() < maxBytes && in) {
    const size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    in.read(buffer, static_cast<std::streamsize>(want));
    bytes.append(buffer, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) throw AppError(kFileAccessDenied);
  return bytes;
}

std::string ReadWholeFile(const std::string& path) {
  return ReadFilePrefix(path, std::string::npos);
}
