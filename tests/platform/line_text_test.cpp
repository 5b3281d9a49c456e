#include "platform/line_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace {
std::vector<std::string> Lines(const LineText& text) {
  std::vector<std::string> lines;
  for (int i = 0; i < text.size(); ++i) lines.emplace_back(text[i]);
  return lines;
}
using V = std::vector<std::string>;
}  // namespace

TEST(LineTextTest, EveryKindOfBreakEndsALine) {
  EXPECT_EQ(Lines(LineText::FromBytes("a\r\nb\rc\nd")), (V{"a", "b", "c", "d"}));
  // CR CR LF is a CR break, then an empty line ended by CR LF.
  EXPECT_EQ(Lines(LineText::FromBytes("a\r\r\nb")), (V{"a", "", "b"}));
  EXPECT_EQ(Lines(LineText::FromBytes("a\n\rb")), (V{"a", "", "b"}));
  EXPECT_EQ(Lines(LineText::FromBytes("x\ry\r\rz")), (V{"x", "y", "", "z"}));  // no LF at all
}

TEST(LineTextTest, EmptyLinesCountButAFinalBreakAddsNone) {
  EXPECT_EQ(Lines(LineText::FromBytes("")), V{});
  EXPECT_EQ(Lines(LineText::FromBytes("\n")), V{""});
  EXPECT_EQ(Lines(LineText::FromBytes("a\r\n")), V{"a"});
  EXPECT_EQ(Lines(LineText::FromBytes("a\n\n")), (V{"a", ""}));
  EXPECT_EQ(Lines(LineText::FromBytes("\n\nb")), (V{"", "", "b"}));
}

TEST(LineTextTest, NulEndsTheText) {
  EXPECT_EQ(Lines(LineText::FromBytes(std::string("ab\ncd\0ef\ngh", 11))), (V{"ab", "cd"}));
  EXPECT_EQ(Lines(LineText::FromBytes(std::string("\0abc", 4))), V{});
}

TEST(LineTextTest, BytesAboveAsciiAndSpacesAreKept) {
  EXPECT_EQ(Lines(LineText::FromBytes("  caf\xe9 \t\n")), V{"  caf\xe9 \t"});
}

TEST(LineTextTest, ATextSavedAsUtf8IsTakenAsTheCodePagesCharacters) {
  EXPECT_EQ(Lines(LineText::FromBytes("caf\xc3\xa9\r\n\xe2\x80\x9cso\xe2\x80\x9d \xe2\x82\xac!")),
            (V{"caf\xe9", "\x93so\x94 \x80!"}));
  // After a byte-order mark, a character beyond the code page or a byte no UTF-8 is '?'.
  EXPECT_EQ(Lines(LineText::FromBytes("\xef\xbb\xbfz\xc5\x82\xe9")), V{"z??"});
  // The code page's own text is not UTF-8, not even where part of it could be.
  EXPECT_EQ(Lines(LineText::FromBytes("na\xefve \xc3\xa9t\xe9")), V{"na\xefve \xc3\xa9t\xe9"});
}

TEST(LineTextTest, ReadsAFileAndReportsMissingOrUnreadableOnes) {
  TempDir dir;
  dir.Write("t.txt", std::string("one\r\ntwo\r\n\0junk", 15));
  EXPECT_EQ(Lines(ReadLineText(dir.File("t.txt"))), (V{"one", "two"}));

  const auto message = [](const std::string& path) {
    try {
      ReadLineText(path);
    } catch (const AppError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message(dir.File("missing.txt")), "File not found");
  std::filesystem::create_directory(dir.File("folder.txt"));
  EXPECT_EQ(message(dir.File("folder.txt")), "File access denied");
  EXPECT_EQ(message(dir.File("t.txt") + "/below.txt"), "File not found");
}

TEST(LineTextTest, ReadsAFileLargerThanOneChunk) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 40000; ++i) bytes += "line number " + std::to_string(i) + "\n";
  dir.Write("big.txt", bytes);
  const LineText text = ReadLineText(dir.File("big.txt"));
  ASSERT_EQ(text.size(), 40000);
  EXPECT_EQ(text[0], "line number 0");
  EXPECT_EQ(text[39999], "line number 39999");
}

TEST(LineTextTest, SampleIsTheFirst80CharactersTrimmed) {
  EXPECT_EQ(SampleOf(""), "");
  EXPECT_EQ(SampleOf("   lead and trail\t \x01"), "lead and trail");
  EXPECT_EQ(SampleOf("inner  \t spaces"), "inner  \t spaces");
  // Cut first, then trimmed: the space at 80 goes, the text after it is never seen.
  const std::string line = " " + std::string(78, 'x') + " " + std::string(40, 'y');
  EXPECT_EQ(SampleOf(line), std::string(78, 'x'));
  EXPECT_EQ(SampleOf(std::string(120, 'z')), std::string(80, 'z'));
  EXPECT_EQ(SampleOf("\xa0nbsp\xa0"), "\xa0nbsp\xa0");  // above 32: kept
}

TEST(LineTextTest, ATextOfMoreLinesThanHalfItsBytesIsRefusedNotIndexed) {
  const std::string breaks(2 * kFreeLines, '\n');
  EXPECT_THROW(LineText::FromBytes(breaks), AppError);
  EXPECT_EQ(LineText::FromBytes(std::string(kFreeLines / 2, '\n')).size(),
            static_cast<int>(kFreeLines / 2));
  std::string words;  // short words, each followed by an empty line
  for (size_t i = 0; i < kFreeLines; ++i) words += "ab\n\n";
  EXPECT_EQ(LineText::FromBytes(words).size(), static_cast<int>(2 * kFreeLines));
}
