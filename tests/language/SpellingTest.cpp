// Spelling against the real dictionaries: clue words, the check run, the user's lists, accents.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>
#include <filesystem>

#include "language/SpellCheck.h"
#include "language/Speller.h"
#include "language/UserLexicon.h"
#include "support/TempDir.h"

namespace gw {
namespace {

constexpr long kAmerican = 1, kBritish = 2, kSpanish = 3, kFrench = 5, kGerman = 6;

// Answers from a script (Ignore when it runs out) and records what it was asked.
class ScriptedPrompt : public SpellPrompt {
 public:
  SpellAnswer Ask(const std::string& word, const std::vector<std::string>& suggestions) override {
    asked.push_back(word);
    offered.push_back(suggestions);
    if (answers.empty()) return {};
    SpellAnswer a = answers.front();
    answers.pop_front();
    // "first" stands for the dictionary's first suggestion.
    if (a.kind == SpellAnswer::Replace && a.replacement == "first") a.replacement = suggestions[0];
    return a;
  }
  void NoSuggestions(const std::string& word) override { asked.push_back(word); }
  void Changed(size_t row) override { changed.push_back(row); }

  std::deque<SpellAnswer> answers;
  std::vector<std::string> asked;
  std::vector<std::vector<std::string>> offered;
  std::vector<size_t> changed;
};

SpellAnswer ReplaceWithFirst() {
  return {SpellAnswer::Replace, "first"};
}

class SpellingTest : public testing::Test {
 protected:
  // The system's dictionaries; the user's lists in a folder of their own.
  AppPaths Paths() const { return AppPaths{dir_.Path(), dir_.Path()}; }
  std::unique_ptr<Speller> Open(long language) {
    auto speller = OpenSpeller(Paths(), language);
    EXPECT_NE(speller, nullptr) << "dictionary " << language << " is not installed";
    return speller;
  }
  std::vector<std::string> Words(const std::string& clue) {
    std::vector<std::string> words;
    for (const ClueWord& w : ClueWords(clue)) words.push_back(clue.substr(w.start, w.length));
    return words;
  }
  test::TempDir dir_;
};

TEST_F(SpellingTest, CluesSplitAtSpacesAndTheSeventeenMarks) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Words("A \"big\" (grey) beast, isn't it?"),
            (V{"A", "big", "grey", "beast", "isn't", "it"}));
  EXPECT_EQ(Words("x-ray+a/b\\c{d}e<f>g=h;i:j.k"),
            (V{"x", "ray", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}));
  // The apostrophe and the exclamation mark do not split; at a word's edge they are not checked.
  EXPECT_EQ(Words("Hooray! 'quoted' Ha!ha"), (V{"Hooray", "quoted", "Ha!ha"}));
  EXPECT_EQ(Words("  ... !! "), V{});
  for (char c : std::string("\"()+,-./:;<=>?\\{}")) EXPECT_TRUE(IsClueSeparator(c)) << c;
  for (char c : std::string("'!a1 \xE9")) EXPECT_FALSE(IsClueSeparator(c)) << c;
}

TEST_F(SpellingTest, ReplacementsGoIntoTheirCellsAndAClueKeepsItsOwnSpacing) {
  auto speller = Open(kBritish);
  std::vector<SpellRow> rows = {{"ELEFANT", "A  larg grey beast (African)."},
                                {"", ""},
                                {"COLOUR", "What a raynbow shows"},
                                {"GIRAFE", ""}};
  ScriptedPrompt prompt;
  prompt.answers = {ReplaceWithFirst(), ReplaceWithFirst(), ReplaceWithFirst(), ReplaceWithFirst()};
  const SpellRunResult result = CheckSpelling(rows, true, *speller, prompt);
  EXPECT_TRUE(result.anyUnknown);
  EXPECT_FALSE(result.aborted);
  // Words first, in row order, then the clues.
  EXPECT_EQ(prompt.asked, (std::vector<std::string>{"ELEFANT", "GIRAFE", "larg", "raynbow"}));
  EXPECT_EQ(rows[0].word, "ELEPHANT");
  EXPECT_EQ(rows[3].word, "GIRAFFE");
  EXPECT_EQ(rows[0].clue, "A  " + prompt.offered[2][0] + " grey beast (African).");
  EXPECT_EQ(rows[2].clue, "What a " + prompt.offered[3][0] + " shows");
  EXPECT_EQ(rows[2].word, "COLOUR");  // British spelling
  EXPECT_EQ(prompt.changed, (std::vector<size_t>{0, 3, 0, 2}));
}

TEST_F(SpellingTest, AStoredPuzzleHasOnlyItsCluesChecked) {
  auto speller = Open(kAmerican);
  std::vector<SpellRow> rows = {{"ELEFANT", "a gray beest"}, {"TIGGER", ""}};
  ScriptedPrompt prompt;
  const SpellRunResult result = CheckSpelling(rows, false, *speller, prompt);
  EXPECT_EQ(prompt.asked, std::vector<std::string>{"beest"});
  EXPECT_TRUE(result.anyUnknown);
  EXPECT_EQ(rows[0].word, "ELEFANT");
}

TEST_F(SpellingTest, AbortKeepsWhatWasReplacedAndAsksNoMore) {
  auto speller = Open(kAmerican);
  std::vector<SpellRow> rows = {{"ELEFANT", "no mistaek here"}, {"TIGGER", ""}, {"ZEBBRA", ""}};
  ScriptedPrompt prompt;
  prompt.answers = {ReplaceWithFirst(), {SpellAnswer::Abort, {}}};
  const SpellRunResult result = CheckSpelling(rows, true, *speller, prompt);
  EXPECT_TRUE(result.aborted);
  EXPECT_EQ(prompt.asked, (std::vector<std::string>{"ELEFANT", "TIGGER"}));
  EXPECT_EQ(rows[0].word, "ELEPHANT");
  EXPECT_EQ(rows[1].word, "TIGGER");
  EXPECT_EQ(rows[0].clue, "no mistaek here");  // the clues were never reached
}

TEST_F(SpellingTest, AllKnownAsksNothingEvenWithoutClues) {
  auto speller = Open(kBritish);
  std::vector<SpellRow> rows = {{"LION", ""}, {"  TIGER ", ""}, {"ICE CREAM", ""}};
  ScriptedPrompt prompt;
  const SpellRunResult result = CheckSpelling(rows, true, *speller, prompt);
  EXPECT_FALSE(result.anyUnknown);
  EXPECT_TRUE(prompt.asked.empty());
  std::vector<SpellRow> none(330);
  EXPECT_FALSE(CheckSpelling(none, true, *speller, prompt).anyUnknown);
}

TEST_F(SpellingTest, EveryWordOfALongClueIsCheckedInPlace) {
  auto speller = Open(kAmerican);
  // 60 short words, a mistake at the 55th: past the fiftieth word nothing is glued together.
  std::string clue;
  for (int i = 1; i <= 60; ++i)
    clue += std::string(i == 55 ? "catt" : "cat") + (i < 60 ? " " : ".");
  std::vector<SpellRow> rows = {{"", clue}};
  ScriptedPrompt prompt;
  prompt.answers = {{SpellAnswer::Replace, "cat"}};
  CheckSpelling(rows, true, *speller, prompt);
  EXPECT_EQ(prompt.asked, std::vector<std::string>{"catt"});
  std::string expected;
  for (int i = 1; i <= 60; ++i) expected += std::string("cat") + (i < 60 ? " " : ".");
  EXPECT_EQ(rows[0].clue, expected);
}

TEST_F(SpellingTest, AnAddedWordCountsAsRightForTheRestOfTheRun) {
  auto speller = Open(kBritish);
  std::vector<SpellRow> rows = {{"KWAMELLA", "Kwamella's cat"}, {"", "KWAMELLA again"}};
  ScriptedPrompt prompt;
  prompt.answers = {{SpellAnswer::Add, {}}};
  const SpellRunResult result = CheckSpelling(rows, true, *speller, prompt);
  EXPECT_EQ(prompt.asked, std::vector<std::string>{"KWAMELLA"});
  EXPECT_TRUE(result.anyUnknown);
}

TEST_F(SpellingTest, ExcludeBeatsIncludeBeatsTheDictionary) {
  const AppPaths paths = Paths();
  test::WriteText(LexiconPath(paths, kBritish, LexiconKind::Include), "Zoltan\nbothlists\n");
  test::WriteText(LexiconPath(paths, kBritish, LexiconKind::Exclude),
                  "colour\r\nBothLists\r\nelephant\r\n");
  auto speller = Open(kBritish);
  EXPECT_TRUE(speller->Knows("ZOLTAN"));
  EXPECT_TRUE(speller->Knows("zoltan"));
  EXPECT_FALSE(speller->Knows("Colour"));
  EXPECT_FALSE(speller->Knows("bothlists"));
  EXPECT_TRUE(speller->Knows("giraffe"));
  for (const std::string& s : speller->Suggest("elefant")) EXPECT_NE(s, "elephant");
  // The lists belong to their language: American has none of them.
  auto american = Open(kAmerican);
  EXPECT_FALSE(american->Knows("Zoltan"));
  EXPECT_TRUE(american->Knows("elephant"));
  // Without its lists (the thesaurus's suggestions), the dictionary alone.
  EXPECT_TRUE(OpenSpeller(paths, kBritish, false)->Knows("colour"));
}

TEST_F(SpellingTest, AccentedWordsAreFoundAndSuggestedInWindows1252) {
  auto spanish = Open(kSpanish);
  EXPECT_TRUE(spanish->Knows("canci\xF3n"));  // canción
  EXPECT_TRUE(
      spanish->Knows("MA\xD1"
                     "ANA"));  // MAÑANA
  const std::vector<std::string> s = spanish->Suggest("cancion");
  EXPECT_NE(std::find(s.begin(), s.end(), "canci\xF3n"), s.end());

  auto french = Open(kFrench);
  EXPECT_TRUE(french->Knows("gar\xE7on"));  // garçon
  EXPECT_TRUE(french->Knows("\xE9t\xE9"));  // été
  EXPECT_FALSE(french->Knows("garcon"));

  auto german = Open(kGerman);
  EXPECT_TRUE(
      german->Knows("M\xE4"
                    "dchen"));  // Mädchen
  EXPECT_TRUE(
      german->Knows("Stra\xDF"
                    "e"));  // Straße
  const std::vector<std::string> g = german->Suggest("Madchen");
  EXPECT_NE(std::find(g.begin(), g.end(),
                      "M\xE4"
                      "dchen"),
            g.end());
}

TEST_F(SpellingTest, AWordOfSeveralPartsIsRightWhenEachPartIs) {
  auto speller = Open(kBritish);
  EXPECT_TRUE(speller->Knows("ICE CREAM"));
  EXPECT_FALSE(speller->Knows("ICE CRAEM"));
  const std::vector<std::string> s = speller->Suggest("ICE  CRAEM");
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].substr(0, 5), "ICE  ");
  EXPECT_TRUE(speller->Knows(s[0]));
}

TEST_F(SpellingTest, UserListsSurviveAnyBytesAndRoundTripAsUtf8) {
  const std::string path = dir_.File("IncBrit.tlx");
  EXPECT_TRUE(ReadLexicon(path).empty());  // missing
  test::WriteBytes(path,
                   {'a', '\r', '\n', '\n', ' ', ' ', '\n', '\xFF', '\xFE', '\0', 'x', '\n', 'b'});
  const std::vector<std::string> read = ReadLexicon(path);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0], "a");
  EXPECT_EQ(read[2], "b");
  test::WriteText(path, std::string(100000, 'q'));
  ASSERT_EQ(ReadLexicon(path).size(), 1u);
  EXPECT_EQ(ReadLexicon(path)[0].size(), 255u);

  ASSERT_TRUE(WriteLexicon(path, {"Zo\xEB", "caf\xE9"}).ok);
  EXPECT_EQ(test::ReadText(path), "Zo\xC3\xAB\ncaf\xC3\xA9\n");
  ASSERT_TRUE(AddToLexicon(path, "Bj\xF6rn").ok);
  EXPECT_EQ(ReadLexicon(path), (std::vector<std::string>{"Zo\xEB", "caf\xE9", "Bj\xF6rn"}));

  const OpResult failed = WriteLexicon(dir_.File("no/such/folder/IncBrit.tlx"), {"x"});
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.caption, "Disk Error");

  // Lines an editor ended with doubled CRs give the word alone, so it writes back the same.
  test::WriteText(path, "Kwame\r\r\nAda\r\r\r\n");
  ASSERT_EQ(ReadLexicon(path), (std::vector<std::string>{"Kwame", "Ada"}));
  ASSERT_TRUE(AddToLexicon(path, "Tolu").ok);
  EXPECT_EQ(test::ReadText(path), "Kwame\nAda\nTolu\n");
  // A pipe in the list's place is no list, and is never waited on.
  std::filesystem::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_TRUE(ReadLexicon(path).empty());
}

TEST_F(SpellingTest, NoDictionaryNoSpeller) {
  AppPaths paths = Paths();
  paths.dictionaryDir = dir_.Path();
  EXPECT_EQ(OpenSpeller(paths, kAmerican), nullptr);
  EXPECT_EQ(OpenSpeller(Paths(), 0), nullptr);
  EXPECT_EQ(OpenSpeller(Paths(), 9), nullptr);
}

}  // namespace
}  // namespace gw
