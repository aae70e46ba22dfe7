// The international character key settings.
#include <gtest/gtest.h>

#include "editor/AccentKeys.h"

namespace gw {
namespace {

TEST(IntKeys, ListPositionsAndSettingsRoundTrip) {
  for (int index = 0; index < kAccentKeyChoices; ++index)
    EXPECT_EQ(AccentKeyIndex(AccentKeySetting(index)), index);
  EXPECT_EQ(AccentKeySetting(0), "0192");
  EXPECT_EQ(AccentKeySetting(33), "0225");
  EXPECT_EQ(AccentKeySetting(63), "0255");
  // Settings the list has no entry for show its first character.
  EXPECT_EQ(AccentKeyIndex("0300"), 0);
  EXPECT_EQ(AccentKeyIndex("0191"), 0);
  EXPECT_EQ(AccentKeyIndex("abc"), 0);
  EXPECT_EQ(AccentKeyIndex("$C1"), 1);  // the number rule reads hexadecimal too
}

TEST(IntKeys, OnlyDigitsOfACodeFromOneTo255TypeACharacter) {
  EXPECT_EQ(AccentKeyCharacter("0225"), 0xE1);
  EXPECT_EQ(AccentKeyCharacter("0241"), 0xF1);
  EXPECT_EQ(AccentKeyCharacter("225"), 0xE1);
  EXPECT_EQ(AccentKeyCharacter("0128"), 0x80);
  EXPECT_EQ(AccentKeyCharacter("0001"), 0x01);
  for (const char* nothing : {"", "0", "0000", "0256", "0300", "02a5", " 225", "-225", "$E1"})
    EXPECT_FALSE(AccentKeyCharacter(nothing)) << nothing;
}

}  // namespace
}  // namespace gw
