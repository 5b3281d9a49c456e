#include "platform/line_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/errors.h"

namespace fs = std::filesystem;

LineText LineText::FromBytes(std::string bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);

  LineText text;
  // Breaks are squeezed out in place: the write position never passes the read position.
  size_t write = 0;
  size_t read = 0;
  size_t lineBegin = 0;  // read position where the current line began
  const size_t end = bytes.size();
  while (read < end) {
    const char c = bytes[read];
    if (c == '\r' || c == '\n') {
      read += (c == '\r' && read + 1 < end && bytes[read + 1] == '\n') ? 2 : 1;
      text.starts_.push_back(write);
      lineBegin = read;
    } else {
      bytes[write++] = c;
      ++read;
    }
  }
  if (lineBegin < end) text.starts_.push_back(write);  // a last line without a break
  bytes.resize(write);
  text.bytes_ = std::move(bytes);
  return text;
}

void LineText::clear() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  starts_.assign(1, 0);
  starts_.shrink_to_fit();
}

LineText ReadLineText(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) throw AppError(kFileNotFound);
  // Folders, pipes and devices are no text files (reading a pipe could wait forever).
  if (!fs::is_regular_file(status)) throw AppError(kFileAccessDenied);
  const uintmax_t size = fs::file_size(path, error);
  if (error) throw AppError(kFileAccessDenied);
  if (size > kMaxLineTextBytes) throw AppError(kFileTooLarge);

  std::ifstream in(path, std::ios::binary);
  if (!in) throw AppError(kFileAccessDenied);
  constexpr size_t kChunk = size_t{1} << 20;
  std::string bytes;
  bytes.reserve(static_cast<size_t>(size) + kChunk);  // the last read needs a chunk's room
  while (in) {
    const size_t at = bytes.size();
    if (at > kMaxLineTextBytes) throw AppError(kFileTooLarge);  // the file grew meanwhile
    bytes.resize(at + kChunk);
    in.read(bytes.data() + at, static_cast<std::streamsize>(kChunk));
    const size_t got = static_cast<size_t>(in.gcount());
    bytes.resize(at + got);
    // The text ends at a NUL byte: the rest of a binary file is never read.
    if (std::find(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(), '\0') !=
        bytes.end()) {
      break;
    }
  }
  if (in.bad()) throw AppError(kFileAccessDenied);
  return LineText::FromBytes(std::move(bytes));
}

std::string SampleOf(std::string_view line) {
  line = line.substr(0, kMaxFileSampleLength);
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
  return std::string(line);
}
