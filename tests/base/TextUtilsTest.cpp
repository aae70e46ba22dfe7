// Text, number and name helpers.
#include <gtest/gtest.h>

#include "base/TextUtils.h"

namespace gw {
namespace {

TEST(TextUtils, TrimRemovesSpacesOnlyAndKeepsInnerOnes) {
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("  ice cream  "), "ice cream");
  EXPECT_EQ(Trim("\tword\t"), "\tword\t");
}

TEST(TextUtils, PaddingWidensButNeverCuts) {
  EXPECT_EQ(PadRight("ab", 5), "ab   ");
  EXPECT_EQ(PadLeft("ab", 5), "   ab");
  EXPECT_EQ(PadRight("abcdef", 3), "abcdef");
  EXPECT_EQ(PadLeft("abcdef", 3), "abcdef");
}

TEST(TextUtils, AccentedCaseRuleCoversLatinLettersOnly) {
  EXPECT_EQ(ToUpperAccented(static_cast<unsigned char>(0xE9)), 0xC9);
  EXPECT_EQ(ToUpperAccented(static_cast<unsigned char>(0xF7)), 0xF7);  // division sign
  EXPECT_EQ(ToUpperAccented(static_cast<unsigned char>(0xFF)), 0xFF);  // y diaeresis
  EXPECT_EQ(ToUpperAccented(static_cast<unsigned char>(0xE0)), 0xC0);
  EXPECT_EQ(ToUpperAccented(static_cast<unsigned char>(0xFE)), 0xDE);
  EXPECT_EQ(ToUpperAccented(static_cast<unsigned char>('q')), 'Q');
  EXPECT_EQ(ToLowerAccented(static_cast<unsigned char>(0xC9)), 0xE9);
  EXPECT_EQ(ToLowerAccented(static_cast<unsigned char>(0xD7)), 0xD7);  // multiplication sign
  EXPECT_EQ(ToLowerAccented(static_cast<unsigned char>(0xDF)), 0xDF);  // sharp s
  EXPECT_EQ(ToUpperAccented(std::string("caf\xE9 1")), "CAF\xC9 1");
  EXPECT_EQ(UpperCopy("caf\xE9 latte", 4), "CAF\xE9");
}

TEST(TextUtils, NumberFormats) {
  EXPECT_EQ(FormatGrouped(0), "0");
  EXPECT_EQ(FormatGrouped(999), "999");
  EXPECT_EQ(FormatGrouped(1000), "1,000");
  EXPECT_EQ(FormatGrouped(-1000), "-1,000");
  EXPECT_EQ(FormatGrouped(1234567), "1,234,567");
  EXPECT_EQ(FormatGrouped(-123456), "-123,456");
  EXPECT_EQ(FormatGrouped(1234.5, 10, 2), "  1,234.50");
  EXPECT_EQ(FormatPlain(42, 5), "   42");
  EXPECT_EQ(FormatPlain(7), "7");
}

TEST(TextUtils, ReadNumberTakesTheLeadingNumber) {
  EXPECT_EQ(ReadNumber("  42"), 42);
  EXPECT_EQ(ReadNumber("-7"), -7);
  EXPECT_EQ(ReadNumber("-7x"), 7);
  EXPECT_EQ(ReadNumber("$1F"), 31);
  EXPECT_EQ(ReadNumber("$1f"), 31);
  EXPECT_EQ(ReadNumber(""), 0);
  EXPECT_EQ(ReadNumber("12abc"), 12);
  EXPECT_EQ(ReadNumber("abc"), 0);
  EXPECT_EQ(ReadNumber("+15"), 15);
  EXPECT_EQ(ReadNumber("-"), 0);
  EXPECT_EQ(ReadNumber("99999999999999999999"), 0x7FFFFFFF);
}

TEST(TextUtils, DecimalAndWholeBoxesTakeTheWholeTextOrNothing) {
  EXPECT_EQ(ReadDecimal(" 8.5 "), 8.5);
  EXPECT_EQ(ReadDecimal("+3"), 3.0);
  EXPECT_EQ(ReadDecimal("-0.25"), -0.25);
  EXPECT_EQ(ReadDecimal("1e1"), 10.0);
  EXPECT_EQ(ReadWhole(" 7 "), 7);
  EXPECT_EQ(ReadWhole("-2"), -2);
  // Unlike the leading number of ReadNumber, anything left over makes the text unreadable.
  for (const char* bad : {"", "  ", "8.5in", "8,5", ".", "+", "+-1", "inf", "nan", "1e999"})
    EXPECT_FALSE(ReadDecimal(bad)) << bad;
  for (const char* bad : {"", "3.0", "7x", "x7", "99999999999999999999"})
    EXPECT_FALSE(ReadWhole(bad)) << bad;
}

TEST(TextUtils, CopyNameRule) {
  EXPECT_EQ(CopyName("Heart", 50), "Heart (2)");
  EXPECT_EQ(CopyName("Heart (2)", 50), "Heart (3)");
  EXPECT_EQ(CopyName("Heart (9)", 50), "Heart (10)");
  EXPECT_EQ(CopyName("Heart (0)", 50), "Heart (0) (2)");
  EXPECT_EQ(CopyName("Plan (x)", 50), "Plan (x) (2)");
  EXPECT_EQ(CopyName("  Star  ", 50), "Star (2)");
  const std::string fifty(50, 'n');
  EXPECT_EQ(CopyName(fifty, 50), fifty);
  EXPECT_EQ(CopyName("Animals of the African Savannah", 35), "Animals of the African Savannah (2)");
  EXPECT_EQ(CopyName("Animals of the African Savannahs", 35),
            "Animals of the African Savannahs (2");
}

TEST(TextUtils, YesNo) {
  EXPECT_TRUE(IsYes("YES"));
  EXPECT_FALSE(IsYes("Yes"));
  EXPECT_EQ(YesNoText(true), "Yes");
  EXPECT_EQ(YesNoText(false), "No");
}

}  // namespace
}  // namespace gw
