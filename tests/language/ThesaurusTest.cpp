// The thesaurus against the real data: meanings, synonyms without their tags, antonyms, and
// suggestions from the matching spelling dictionary.
#include <gtest/gtest.h>

#include <algorithm>

#include "language/Thesaurus.h"
#include "support/TempDir.h"

namespace gw {
namespace {

constexpr long kAmerican = 1, kBritish = 2;

bool Has(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

std::vector<std::string> Displays(const std::vector<ThesCategory>& categories) {
  std::vector<std::string> out;
  for (const ThesCategory& c : categories) out.push_back(CategoryDisplay(c));
  return out;
}

class ThesaurusTest : public testing::Test {
 protected:
  std::unique_ptr<Thesaurus> Open(long which) {
    auto thes = OpenThesaurus(AppPaths{dir_.Path(), dir_.Path()}, which);
    EXPECT_NE(thes, nullptr) << "thesaurus " << which << " is not installed";
    return thes;
  }
  test::TempDir dir_;
};

TEST_F(ThesaurusTest, MeaningsBecomeCategoriesWithTheirSynonymsAndAntonyms) {
  auto thes = Open(kAmerican);
  const ThesLookup happy = thes->Lookup("  HAPPY ");
  ASSERT_TRUE(happy.found);
  ASSERT_GE(happy.categories.size(), 2u);
  // A meaning without a plain synonym is the word's own; the others are named by their first.
  EXPECT_EQ(CategoryDisplay(happy.categories[0]), "happy (adjective)");
  EXPECT_EQ(CategoryDisplay(happy.categories[1]), "felicitous (adjective)");
  const std::vector<std::string>& first = happy.categories[0].synonyms;
  EXPECT_TRUE(Has(first, "blissful"));
  for (const std::string& s : first) {
    EXPECT_EQ(s.find(" term)"), std::string::npos) << s;
    EXPECT_NE(s, "happy");
    EXPECT_NE(s, "unhappy");  // the antonym is not a synonym
  }
  ASSERT_EQ(Displays(happy.antonyms), std::vector<std::string>{"unhappy (adjective)"});
  // The antonym's own meaning: the one that names "happy" as its antonym.
  EXPECT_TRUE(Has(happy.antonyms[0].synonyms, "miserable"));

  const ThesLookup run = thes->Lookup("run");
  EXPECT_TRUE(Has(Displays(run.categories), "run (noun)") ||
              Has(Displays(run.categories), "tally (noun)"));
  bool verb = false;
  for (const ThesCategory& c : run.categories) verb = verb || c.pos == "v";
  EXPECT_TRUE(verb);
}

TEST_F(ThesaurusTest, OneMeaningWithoutAntonymsAndASharedAntonymListedOnce) {
  auto thes = Open(kAmerican);
  const ThesLookup aardvark = thes->Lookup("aardvark");
  ASSERT_EQ(aardvark.categories.size(), 1u);
  EXPECT_TRUE(aardvark.antonyms.empty());
  EXPECT_FALSE(aardvark.categories[0].synonyms.empty());

  // Both meanings of "ability" have "inability" as their antonym.
  const ThesLookup ability = thes->Lookup("ability");
  EXPECT_EQ(ability.categories.size(), 2u);
  EXPECT_EQ(Displays(ability.antonyms), std::vector<std::string>{"inability (noun)"});

  ThesCategory other{"word", "conj", {}};
  EXPECT_EQ(CategoryDisplay(other), "word");
  EXPECT_EQ(CategoryDisplay({"go", "adv", {}}), "go (adverb)");
}

TEST_F(ThesaurusTest, MoreGeneralWordsAreNoSynonymsButTellMeaningsOfOneNameApart) {
  auto thes = Open(kAmerican);
  // Every entry of "warrior" is a more general word (person, individual, someone ...).
  const ThesLookup warrior = thes->Lookup("warrior");
  ASSERT_EQ(warrior.categories.size(), 1u);
  EXPECT_TRUE(warrior.categories[0].synonyms.empty());
  EXPECT_EQ(Displays(warrior.categories),
            std::vector<std::string>{"warrior (noun), a kind of person"});

  // "brave" has two noun meanings without synonyms of their own: a kind of warrior, a kind of
  // people. Each line of the list is different.
  const ThesLookup brave = thes->Lookup("brave");
  const std::vector<std::string> shown = Displays(brave.categories);
  EXPECT_TRUE(Has(shown, "brave (noun), a kind of warrior"));
  EXPECT_TRUE(Has(shown, "brave (noun), a kind of people"));
  EXPECT_TRUE(Has(shown, "courageous (adjective)"));
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t k = i + 1; k < shown.size(); ++k) EXPECT_NE(shown[i], shown[k]);
  for (const ThesCategory& c : brave.categories) {
    EXPECT_FALSE(Has(c.synonyms, "warrior"));
    EXPECT_FALSE(Has(c.synonyms, "defy"));  // generic for "brave out", the verb
  }
  EXPECT_TRUE(Has(brave.categories[0].synonyms, "heroic"));    // similar terms stay
  EXPECT_TRUE(Has(brave.categories[0].synonyms, "fearless"));  // and related ones
}

TEST_F(ThesaurusTest, UnknownWordsGetSuggestionsTheThesaurusHas) {
  auto thes = Open(kAmerican);
  EXPECT_FALSE(thes->Lookup("elefant").found);
  EXPECT_FALSE(thes->Lookup("").found);
  EXPECT_TRUE(Has(thes->Suggest("elefant"), "elephant"));
  // Plurals are not in the thesaurus; their dictionary form is offered first.
  EXPECT_FALSE(thes->Lookup("GIRAFFES").found);
  const std::vector<std::string> giraffes = thes->Suggest("GIRAFFES");
  ASSERT_FALSE(giraffes.empty());
  EXPECT_EQ(giraffes[0], "giraffe");
  for (const std::string& s : giraffes) EXPECT_TRUE(thes->Lookup(s).found) << s;
  EXPECT_TRUE(thes->Suggest("qqqqxxxzzz").empty());
}

TEST_F(ThesaurusTest, BritishUsesTheClosestEnglishDataAndBritishSpelling) {
  auto thes = Open(kBritish);
  const ThesLookup colour = thes->Lookup("colour");
  ASSERT_TRUE(colour.found);
  EXPECT_FALSE(colour.antonyms.empty());
  EXPECT_TRUE(Has(thes->Suggest("colur"), "colour"));
}

TEST_F(ThesaurusTest, MissingDataOpensNothing) {
  AppPaths paths{dir_.Path(), dir_.Path()};
  paths.thesaurusDir = dir_.Path();
  EXPECT_EQ(OpenThesaurus(paths, kAmerican), nullptr);
  EXPECT_EQ(OpenThesaurus(AppPaths{dir_.Path(), dir_.Path()}, 3), nullptr);
  // Files that are there but hold nothing usable, or claim more entries than they could hold.
  test::WriteText(dir_.File("th_en_US_v2.dat"), "\xFF\xFE garbage");
  for (const char* index : {"", "UTF-8\n", "UTF-8\n4000000000\nhappy|0\n", "UTF-8\n-5\n"}) {
    test::WriteText(dir_.File("th_en_US_v2.idx"), index);
    EXPECT_EQ(OpenThesaurus(paths, kAmerican), nullptr) << index;
  }
  test::WriteText(dir_.File("th_en_US_v2.idx"), "UTF-8\n1\nhappy|999999\n");
  auto broken = OpenThesaurus(paths, kAmerican);
  ASSERT_NE(broken, nullptr);
  EXPECT_FALSE(broken->Lookup("happy").found);
}

}  // namespace
}  // namespace gw
