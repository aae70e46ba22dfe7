// The international character key settings.
#include <gtest/gtest.h>

#include "editor/IntKeys.h"

namespace gw {
namespace {

TEST(IntKeys, ListPositionsAndSettingsRoundTrip) {
  for (int index = 0; index < kIntKeyChoices; ++index)
    EXPECT_EQ(IntKeyIndex(IntKeySetting(index)), index);
  EXPECT_EQ(IntKeySetting(0), "0192");
  EXPECT_EQ(IntKeySetting(33), "0225");
  EXPECT_EQ(IntKeySetting(63), "0255");
  // Settings the list has no entry for show its first character.
  EXPECT_EQ(IntKeyIndex("0300"), 0);
  EXPECT_EQ(IntKeyIndex("0191"), 0);
  EXPECT_EQ(IntKeyIndex("abc"), 0);
  EXPECT_EQ(IntKeyIndex("$C1"), 1);  // the number rule reads hexadecimal too
}

TEST(IntKeys, OnlyDigitsOfACodeFromOneTo255TypeACharacter) {
  EXPECT_EQ(IntKeyCharacter("0225"), 0xE1);
  EXPECT_EQ(IntKeyCharacter("0241"), 0xF1);
  EXPECT_EQ(IntKeyCharacter("225"), 0xE1);
  EXPECT_EQ(IntKeyCharacter("0128"), 0x80);
  EXPECT_EQ(IntKeyCharacter("0001"), 0x01);
  for (const char* nothing : {"", "0", "0000", "0256", "0300", "02a5", " 225", "-225", "$E1"})
    EXPECT_FALSE(IntKeyCharacter(nothing)) << nothing;
}

}  // namespace
}  // namespace gw
