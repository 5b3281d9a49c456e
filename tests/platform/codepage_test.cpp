#include "platform/codepage.h"

#include <gtest/gtest.h>

TEST(CodePage, RoundTripsEveryDefinedByte) {
  for (int byte = 0; byte < 256; ++byte) {
    const QChar ch = ByteToChar(static_cast<unsigned char>(byte));
    const auto back = CharToByte(ch);
    ASSERT_TRUE(back.has_value()) << byte;
    EXPECT_EQ(*back, byte);
  }
  EXPECT_EQ(ByteToChar(0x80), QChar(0x20AC));  // euro sign
  EXPECT_EQ(CharToByte(QChar(0x20AC)), 0x80);
}

TEST(CodePage, CharactersOutsideTheCodePageHaveNoByte) {
  EXPECT_FALSE(CharToByte(QChar(0x4E2D)).has_value());
  std::string bytes;
  EXPECT_FALSE(QStringToBytes(QString::fromUtf8("a\u4e2d"), bytes));
  EXPECT_TRUE(QStringToBytes(QString::fromUtf8("caf\u00e9"), bytes));
  EXPECT_EQ(bytes, "caf\xE9");
}

TEST(CodePage, TheSystemsUtf8IsTakenInAndTheTerminalGetsUtf8) {
  EXPECT_EQ(SystemText("/\xc3\x89l\xc3\xa8ve: Permission non accord\xc3\xa9"),
            "/\xc9l\xe8ve: Permission non accord\xe9");
  EXPECT_EQ(SystemText("Zo\xe9"), "Zo\xe9");  // a name of the code page stays
  EXPECT_EQ(TerminalText("pr\xe9par\xe9"), "pr\xc3\xa9par\xc3\xa9");
}

TEST(CodePage, UpperCasesLettersOnly) {
  EXPECT_EQ(UpperByte('a'), 'A');
  EXPECT_EQ(UpperByte('A'), 'A');
  EXPECT_EQ(UpperByte('!'), '!');
  EXPECT_EQ(UpperByte(0xE9), 0xC9);  // e acute
  EXPECT_EQ(UpperByte(0xF7), 0xF7);  // division sign
  EXPECT_EQ(UpperByte(0xDF), 0xDF);  // sharp s has no single upper case
  EXPECT_EQ(UpperByte(0x9A), 0x8A);  // s caron
  EXPECT_EQ(UpperByte(0xFF), 0x9F);  // y diaeresis
  for (char c : std::string("z\xE9\xDF\xFF")) EXPECT_TRUE(IsLowerLetter(c)) << c;  // z é ß ÿ
  for (char c : std::string("Z\xB5\xAA\xBA")) EXPECT_FALSE(IsLowerLetter(c)) << c;  // Z µ ª º
}
