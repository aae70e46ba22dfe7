// Installed dictionaries and thesauri, and what the stored choices fall back to.
#include <gtest/gtest.h>

#include "language/Availability.h"
#include "support/TempDir.h"

namespace gw {
namespace {

class AvailabilityTest : public testing::Test {
 protected:
  void Touch(const std::string& name) { test::WriteText(dir_.File(name), "x"); }
  AppPaths Folders() const {
    AppPaths paths{program_.Path(), program_.Path()};
    paths.dictionaryDir = paths.thesaurusDir = dir_.Path();
    return paths;
  }
  test::TempDir dir_, program_;
};

TEST_F(AvailabilityTest, ALanguageNeedsBothOfItsFiles) {
  for (const char* f : {"en_US.dic", "en_US.aff", "es_ES.dic", "sv_SE.dic", "sv_SE.aff",
                        "th_en_US_v2.idx", "th_en_AU_v2.idx", "th_en_AU_v2.dat"})
    Touch(f);
  const LanguageAvailability a = FindLanguages(Folders());
  EXPECT_TRUE(a.dictionary[1]);
  EXPECT_FALSE(a.dictionary[2]);
  EXPECT_FALSE(a.dictionary[3]);  // .aff missing
  EXPECT_TRUE(a.dictionary[8]);
  EXPECT_FALSE(a.thesaurus[1]);  // .dat missing
  EXPECT_TRUE(a.thesaurus[2]);   // the Australian data stands in for the British
  EXPECT_EQ(FindDictionary(Folders(), 8), dir_.File("sv_SE"));
  EXPECT_EQ(FindThesaurus(Folders(), 2), dir_.File("th_en_AU_v2"));
  EXPECT_EQ(FindDictionary(Folders(), 9), "");

  Touch("th_en_GB.idx");
  Touch("th_en_GB.dat");
  EXPECT_EQ(FindThesaurus(Folders(), 2), dir_.File("th_en_GB"));

  // A dictionary dropped beside the program wins over the system's, under its short name too.
  test::WriteText(program_.File("sv.dic"), "x");
  test::WriteText(program_.File("sv.aff"), "x");
  EXPECT_EQ(FindDictionary(Folders(), 8), program_.File("sv"));
  // An installed copy looks in the user's data folder instead.
  AppPaths installed = Folders();
  installed.userDir = dir_.Path();
  EXPECT_EQ(FindDictionary(installed, 8), dir_.File("sv_SE"));
  EXPECT_EQ(DictionaryByName("Swedish"), 8);
  EXPECT_EQ(DictionaryByName("klingon"), 0);
}

TEST(Availability, StoredChoicesFallBackToAmericanThenToNone) {
  LanguageAvailability a;
  a.dictionary = {false, true, false, true, false, false, true, false, false};
  a.thesaurus = {false, true, false};
  EXPECT_EQ(EffectiveDictionary(2, a), 1);
  EXPECT_EQ(EffectiveDictionary(3, a), 3);
  EXPECT_EQ(EffectiveDictionary(9, a), 9);
  EXPECT_EQ(EffectiveDictionary(0, a), 0);
  EXPECT_EQ(EffectiveDictionary(42, a), 1);
  EXPECT_EQ(EffectiveThesaurus(2, a), 1);
  EXPECT_EQ(EffectiveThesaurus(3, a), 3);
  EXPECT_EQ(EffectiveThesaurus(-1, a), 1);

  a.dictionary[1] = false;
  a.thesaurus[1] = false;
  a.thesaurus[2] = true;
  EXPECT_EQ(EffectiveDictionary(1, a), 0);
  EXPECT_EQ(EffectiveDictionary(2, a), 0);
  EXPECT_EQ(EffectiveDictionary(6, a), 6);  // an installed language stays without American
  EXPECT_EQ(EffectiveThesaurus(1, a), 0);
  EXPECT_EQ(EffectiveThesaurus(2, a), 2);

  // Nothing installed: choosing at use time has nothing to offer either.
  EXPECT_EQ(EffectiveDictionary(9, LanguageAvailability{}), 0);
  EXPECT_EQ(EffectiveThesaurus(3, LanguageAvailability{}), 0);
}

}  // namespace
}  // namespace gw
