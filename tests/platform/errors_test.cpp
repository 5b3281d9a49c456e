#include "platform/errors.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsDecimalAndHexadecimal) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -7"), -7);
  EXPECT_EQ(StrToInt("+3"), 3);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RefusesEverythingElseWithTheConversionMessage) {
  for (const char* text : {"", " ", "abc", "12a", "1 ", "2147483648", "99999999999", "-", "$"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const AppError& error) {
      EXPECT_EQ(std::string(error.what()), std::string("'") + text + "' is not a valid integer value");
    }
  }
}
