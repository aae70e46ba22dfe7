// Fill letters and the offensive-word screen at save: refills, the phrase question, refusals.
#include <gtest/gtest.h>

#include "base/Random.h"
#include "generator/FillAndScreen.h"
#include "generator/FillFixtures.h"
#include "generator/FillLetters.h"
#include "generator/OffensiveWords.h"

namespace gw {
namespace {

const char kQuestion[] =
    "The hidden phrase used has generated an \"offensive\" word in the puzzle.  Would you like "
    "to change the phrase?";

std::vector<std::string> BuiltIn() {
  return {BuiltInOffensiveWords().begin(), BuiltInOffensiveWords().end()};
}

struct Asker {
  bool answer = false;
  std::vector<std::pair<std::string, std::string>> asked;
  AskYesNo Fn() {
    return [this](const std::string& text, const std::string& caption) {
      asked.emplace_back(text, caption);
      return answer;
    };
  }
};

TEST(FillAtSave, RefillsUntilNoOffensiveWordIsLeft) {
  // Fully empty 12 x 12 grids: a first random fill often spells one of the built-in words.
  int refilled = 0;
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    auto p = test::BlankPuzzle(12, 12);
    p->hiddenPhraseUsed = 1;
    Rng rng(seed), replay(seed);
    Asker asker;
    const FillResult r = FillAndScreenAtSave(*p, false, "", BuiltIn(), rng, asker.Fn());
    ASSERT_EQ(r.outcome, FillOutcome::Continue);
    EXPECT_TRUE(asker.asked.empty());
    EXPECT_EQ(p->hiddenPhraseUsed, 0);
    EXPECT_FALSE(OffensiveScreen(BuiltIn()).Finds(*p)) << "seed " << seed;
    auto first = test::BlankPuzzle(12, 12);
    FillRandomly(*first, replay);
    refilled += OffensiveScreen(BuiltIn()).Finds(*first);
  }
  EXPECT_GT(refilled, 5);  // the refill path really ran
}

TEST(FillAtSave, AWordHoldingAnEntryDoesNotStallTheSave) {
  auto p = test::BlankPuzzle(8, 8);
  p->wordCount = 1;
  p->Word(1).Set("grapes");
  test::PutRow(*p, 4, 2, "GRAPES");  // spells RAPE, which this puzzle therefore does not screen
  Rng rng(3);
  Asker asker;
  EXPECT_EQ(FillAndScreenAtSave(*p, false, "", BuiltIn(), rng, asker.Fn()).outcome,
            FillOutcome::Continue);
  EXPECT_TRUE(OffensiveScreen({"rape"}).Finds(*p));  // the word itself stays, of course
}

TEST(FillAtSave, UnfillableGridsAreRefusedNotLoopedOn) {
  const std::string message =
      "No fill letters could be found that keep offensive words out of this puzzle.  Please "
      "choose another puzzle or change the word list.";
  // Placed letters alone spell an entry (two words side by side): no fill can help.
  auto p = test::BlankPuzzle(8, 8);
  p->wordCount = 2;
  p->Word(1).Set("CAT");
  p->Word(2).Set("DOG");
  test::PutRow(*p, 1, 1, "CATDOG");
  Rng rng(5);
  Asker asker;
  FillResult r = FillAndScreenAtSave(*p, false, "", {"catdog"}, rng, asker.Fn());
  EXPECT_EQ(r.outcome, FillOutcome::Refused);
  EXPECT_EQ(r.message, message);
  EXPECT_EQ(r.caption, "Error");

  // Every letter is an entry: each fill spells one, so the refills stop at their cap.
  std::vector<std::string> everyLetter;
  for (char ch = 'a'; ch <= 'z'; ++ch) everyLetter.push_back(std::string(1, ch));
  p = test::BlankPuzzle(3, 3);
  r = FillAndScreenAtSave(*p, false, "", everyLetter, rng, asker.Fn());
  EXPECT_EQ(r.outcome, FillOutcome::Refused);
  EXPECT_EQ(r.message, message);
}

TEST(FillAtSave, AnOffensivePhraseAsksWhetherToChangeIt) {
  auto p = test::SeventyLetterPuzzle();
  const std::string phrase = "thisphrasehidesatoadinthegrids";
  ASSERT_EQ(phrase.size(), 30u);
  Rng rng(1);
  Asker yes;
  yes.answer = true;
  EXPECT_EQ(FillAndScreenAtSave(*p, true, phrase, {"toad"}, rng, yes.Fn()).outcome,
            FillOutcome::ChangePhrase);
  ASSERT_EQ(yes.asked.size(), 1u);
  EXPECT_EQ(yes.asked[0].first, kQuestion);
  EXPECT_EQ(yes.asked[0].second, "Warning");

  Asker no;
  p = test::SeventyLetterPuzzle();
  EXPECT_EQ(FillAndScreenAtSave(*p, true, "  " + phrase, {"toad"}, rng, no.Fn()).outcome,
            FillOutcome::Continue);
  EXPECT_EQ(no.asked.size(), 1u);
  EXPECT_EQ(CollectFillLetters(*p), "THISPHRASEHIDESATOADINTHEGRIDS");  // kept as it is
  EXPECT_EQ(p->hiddenPhraseUsed, 1);

  // A clean phrase asks nothing.
  p = test::SeventyLetterPuzzle();
  EXPECT_EQ(FillAndScreenAtSave(*p, true, phrase, {"frog"}, rng, no.Fn()).outcome,
            FillOutcome::Continue);
  EXPECT_EQ(no.asked.size(), 1u);
}

TEST(FillAtSave, ARefusedPhraseChangesNothing) {
  auto p = test::SeventyLetterPuzzle();
  p->hiddenPhraseUsed = 0;
  Rng rng(1);
  Asker asker;
  FillResult r = FillAndScreenAtSave(*p, true, std::string(29, 'q'), {}, rng, asker.Fn());
  EXPECT_EQ(r.outcome, FillOutcome::Refused);
  EXPECT_EQ(r.caption, "Error");
  EXPECT_EQ(r.message.substr(0, 3), "30 ");
  r = FillAndScreenAtSave(*p, true, "ab cd", {}, rng, asker.Fn());
  EXPECT_EQ(r.message, "Spaces were used in the hidden phrase.");
  EXPECT_EQ(p->hiddenPhraseUsed, 0);
  EXPECT_EQ(CollectFillLetters(*p), std::string(30, ' '));
}

}  // namespace
}  // namespace gw
