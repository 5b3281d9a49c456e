#include "platform/line_text.h"

#include <algorithm>
#include <cstring>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/translation.h"

LineText LineText::FromBytes(std::string_view bytes) {
  auto buffer = std::make_unique_for_overwrite<char[]>(bytes.size());
  if (!bytes.empty()) std::memcpy(buffer.get(), bytes.data(), bytes.size());
  return FromBuffer(std::move(buffer), bytes.size());
}

LineText LineText::FromBuffer(std::unique_ptr<char[]> buffer, size_t size) {
  char* const data = buffer.get();
  const auto find = [data](char c, size_t from, size_t to) {
    const void* found = from < to ? std::memchr(data + from, c, to - from) : nullptr;
    return found ? static_cast<size_t>(static_cast<const char*>(found) - data) : to;
  };
  const size_t end = Utf8AsCodePage(data, find('\0', 0, size));
  // Counted before the index is made, so that a hostile text costs nothing.
  auto breaks = static_cast<size_t>(std::count(data, data + end, '\n'));
  // Most texts have no CR at all: then each line is found by one search for LF.
  const bool hasCr = find('\r', 0, end) < end;
  for (size_t cr = find('\r', 0, end); cr < end; cr = find('\r', cr + 1, end)) {
    if (cr + 1 == end || data[cr + 1] != '\n') ++breaks;
  }
  if (breaks > kFreeLines && breaks > end / 2) throw AppError(Translated("Errors", kFileTooLarge));

  auto lines = std::make_shared<Lines>();
  lines->starts.reserve(breaks + 2);
  lines->starts.push_back(0);
  // Breaks are squeezed out in place: the write position never passes the read position.
  size_t write = 0;
  size_t read = 0;
  size_t lf = find('\n', 0, end);  // the next LF at or after read (end when none is left)
  while (read < end) {
    if (lf < read) lf = find('\n', read, end);
    const size_t lineEnd = hasCr ? find('\r', read, lf) : lf;
    if (write != read) std::memmove(data + write, data + read, lineEnd - read);
    write += lineEnd - read;
    lines->starts.push_back(static_cast<uint32_t>(write));
    if (lineEnd == end) break;  // a last line without a break
    const bool crLf = data[lineEnd] == '\r' && lineEnd + 1 < end && data[lineEnd + 1] == '\n';
    read = lineEnd + (crLf ? 2 : 1);
  }
  lines->bytes = std::move(buffer);
  LineText text;
  text.lines_ = std::move(lines);
  return text;
}

LineText ReadLineText(const std::string& path) {
  InputFile file(path);
  const uint64_t size = file.Size();
  if (size > kMaxLineTextBytes) throw AppError(Translated("Errors", kFileTooLarge));
  // Not zeroed first: every byte used is read from the file.
  auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(size));
  constexpr size_t kChunk = size_t{1} << 20;
  size_t got = 0;
  while (got < size) {
    const size_t chunk = file.Read(buffer.get() + got, std::min<size_t>(kChunk, size - got));
    if (chunk == 0) break;
    // The text ends at a NUL byte: the rest of a binary file is never read.
    const bool nul = std::memchr(buffer.get() + got, '\0', chunk) != nullptr;
    got += chunk;
    if (nul) break;
  }
  return LineText::FromBuffer(std::move(buffer), got);
}

std::string SampleOf(std::string_view line) {
  line = line.substr(0, kMaxFileSampleLength);
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
  return std::string(line);
}
