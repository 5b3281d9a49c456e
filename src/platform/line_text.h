#pragma once
// Plain text files read as lines of single-byte characters. A line ends at CR LF, CR or LF;
// every line, an empty one too, is an entry, but a break at the very end adds none; a NUL
// byte ends the text. The lines are kept in one buffer with their start offsets, so a text
// of a million lines costs little more than its bytes and any line is reached in constant
// time.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Larger files are refused: they are no practice text, and the line count stays an int.
inline constexpr uint64_t kMaxLineTextBytes = uint64_t{1} << 30;

class LineText {
 public:
  // Splits bytes into lines by the rules above.
  static LineText FromBytes(std::string_view bytes);
  // The same on a buffer of size bytes that the text then owns; its contents are changed.
  static LineText FromBuffer(std::unique_ptr<char[]> buffer, size_t size);

  int size() const { return static_cast<int>(starts_.size()) - 1; }
  bool empty() const { return size() == 0; }
  // Line i (0 <= i < size()), without its line break.
  std::string_view operator[](int i) const {
    const auto at = static_cast<size_t>(i);
    return std::string_view(bytes_.get() + starts_[at], starts_[at + 1] - starts_[at]);
  }
  void clear();

 private:
  std::unique_ptr<char[]> bytes_;    // the lines' characters, breaks removed
  std::vector<uint64_t> starts_{0};  // start of each line, then the end of the last
};

// Reads a text file; throws AppError "File not found", "File access denied" or
// "File too large".
LineText ReadLineText(const std::string& path);

// A line as a drill sample: its first 80 characters, then codes 0 to 32 trimmed at both ends.
inline constexpr size_t kMaxFileSampleLength = 80;
std::string SampleOf(std::string_view line);
