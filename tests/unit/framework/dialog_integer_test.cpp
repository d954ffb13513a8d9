#include "dialog_integer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Parsed(const char* text) {
  int value = -999;
  EXPECT_TRUE(ParseDialogInteger(text, value)) << '"' << text << '"';
  return value;
}

bool Refused(const char* text) {
  int value = -999;
  const bool accepted = ParseDialogInteger(text, value);
  return !accepted && value == -999;
}

TEST(DialogInteger, AcceptsSignedDecimalsWithBlanksAround) {
  EXPECT_EQ(Parsed("12"), 12);
  EXPECT_EQ(Parsed("  7  "), 7);
  EXPECT_EQ(Parsed("\t-3\t"), -3);
  EXPECT_EQ(Parsed("+5"), 5);
  EXPECT_EQ(Parsed("0"), 0);
  EXPECT_EQ(Parsed(" 00 "), 0);
  EXPECT_EQ(Parsed("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(Parsed("2147483647"), 2147483647);
}

TEST(DialogInteger, RefusesTextThatIsNotAnInteger) {
  EXPECT_TRUE(Refused(""));
  EXPECT_TRUE(Refused("   "));
  EXPECT_TRUE(Refused("7a"));
  EXPECT_TRUE(Refused("a7"));
  EXPECT_TRUE(Refused("1 2"));
  EXPECT_TRUE(Refused("-"));
  EXPECT_TRUE(Refused("1.5"));
  EXPECT_TRUE(Refused(nullptr));
}

TEST(DialogInteger, ZeroCountsOnlyWhenTheTextStartsWithZero) {
  EXPECT_TRUE(Refused("-0"));
  EXPECT_TRUE(Refused("+0"));
  EXPECT_TRUE(Refused("-00"));
}

TEST(DialogInteger, RefusesNumbersBeyondTheIntRangeInsteadOfWrapping) {
  EXPECT_TRUE(Refused("2147483648"));
  EXPECT_TRUE(Refused("-2147483649"));
  EXPECT_TRUE(Refused("99999999999999999999"));
}

TEST(DialogInteger, ReadsOnlyTheFirst31Characters) {
  // Whatever follows the 31st character is never seen.
  EXPECT_EQ(Parsed(("4" + std::string(30, ' ') + "junk").c_str()), 4);
  EXPECT_TRUE(Refused((std::string(31, ' ') + "4").c_str()));
}

}  // namespace
