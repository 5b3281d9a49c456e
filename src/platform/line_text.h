#pragma once
// Plain text files read as lines of single-byte characters. A line ends at CR LF, CR or LF;
// every line, an empty one too, is an entry, but a break at the very end adds none; a NUL
// byte ends the text; a text saved as UTF-8 is taken as the code page's characters
// (Utf8AsCodePage). The lines are kept in one buffer with 4-byte start offsets, so a text
// costs little more than its bytes and any line is reached in constant time; copies share
// both. A text of more line breaks than half its bytes (and more than kFreeLines) would
// cost more than three times its size: it is refused as "File too large". A word list with an
// empty line after each word is not.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Larger files are refused: they are no practice text, and the line count stays an int.
inline constexpr uint64_t kMaxLineTextBytes = uint64_t{1} << 30;
inline constexpr size_t kFreeLines = size_t{1} << 18;

class LineText {
 public:
  // Splits bytes into lines by the rules above.
  static LineText FromBytes(std::string_view bytes);
  // The same on a buffer of size bytes that the text then owns; its contents are changed.
  static LineText FromBuffer(std::unique_ptr<char[]> buffer, size_t size);

  int size() const { return lines_ ? static_cast<int>(lines_->starts.size()) - 1 : 0; }
  bool empty() const { return size() == 0; }
  // Line i (0 <= i < size()), without its line break.
  std::string_view operator[](int i) const {
    const auto at = static_cast<size_t>(i);
    const std::vector<uint32_t>& starts = lines_->starts;
    return std::string_view(lines_->bytes.get() + starts[at], starts[at + 1] - starts[at]);
  }
  void clear() { lines_.reset(); }

 private:
  struct Lines {
    std::unique_ptr<char[]> bytes;  // the lines' characters, breaks removed
    std::vector<uint32_t> starts;   // start of each line, then the end of the last
  };
  std::shared_ptr<const Lines> lines_;
};

// Reads a text file; throws AppError "File not found", "File access denied" or
// "File too large".
LineText ReadLineText(const std::string& path);

// A line as a drill sample: its first 80 characters, then codes 0 to 32 trimmed at both ends.
inline constexpr size_t kMaxFileSampleLength = 80;
std::string SampleOf(std::string_view line);
