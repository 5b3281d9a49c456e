#include "keyboard/key_char.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace {
std::string ParseError(const std::string& text) {
  try {
    ParseKeyChar(text);
  } catch (const AppError& error) {
    return error.what();
  }
  return "no error";
}
}  // namespace

TEST(KeyChar, BoxTextsGiveTheirCharacter) {
  EXPECT_EQ(ParseKeyChar("a"), 'a');
  EXPECT_EQ(ParseKeyChar("ab"), 'a');  // the rest is ignored
  EXPECT_EQ(ParseKeyChar(""), ' ');
  EXPECT_EQ(ParseKeyChar(" "), ' ');
  EXPECT_EQ(ParseKeyChar("//"), '/');
  EXPECT_EQ(ParseKeyChar("//7"), '/');
  EXPECT_EQ(ParseKeyChar("/65"), 'A');
  EXPECT_EQ(ParseKeyChar("/321"), 'A');  // modulo 256
  EXPECT_EQ(ParseKeyChar("/233"), '\xE9');
  EXPECT_EQ(ParseKeyChar("/0"), '\0');
  EXPECT_EQ(ParseKeyChar("/-1"), '\xFF');
  EXPECT_EQ(ParseKeyChar("\xE9"), '\xE9');
}

TEST(KeyChar, ASlashWithoutANumberIsAConversionError) {
  EXPECT_EQ(ParseError("/"), "'' is not a valid integer value");
  EXPECT_EQ(ParseError("/x"), "'x' is not a valid integer value");
  EXPECT_EQ(ParseError("/6 5"), "'6 5' is not a valid integer value");
  EXPECT_EQ(ParseError("/99999999999"), "'99999999999' is not a valid integer value");
}

TEST(KeyChar, StoredCharactersAreShownInTheBoxNotation) {
  EXPECT_EQ(KeyCharText('/', true), "//");
  EXPECT_EQ(KeyCharText('/', false), "//");
  EXPECT_EQ(KeyCharText('a', true), "a");
  EXPECT_EQ(KeyCharText(' ', true), " ");
  EXPECT_EQ(KeyCharText('\x7F', true), "\x7F");
  EXPECT_EQ(KeyCharText('\x80', true), "/128");
  EXPECT_EQ(KeyCharText('\xE9', true), "/233");
  EXPECT_EQ(KeyCharText('\xE9', false), "\xE9");
}

TEST(KeyChar, EveryCharacterShownIsReadBackUnchanged) {
  for (int code = 0; code < 256; ++code) {
    const char ch = static_cast<char>(code);
    EXPECT_EQ(ParseKeyChar(KeyCharText(ch, true)), ch) << code;
    EXPECT_EQ(ParseKeyChar(KeyCharText(ch, false)), ch) << code;
  }
}
