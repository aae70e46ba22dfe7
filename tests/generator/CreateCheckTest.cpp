// The duplicate-word check that "&Create" and gridwright-make make before a generation.
#include <gtest/gtest.h>

#include "generator/CreateCheck.h"

namespace gw {
namespace {

PuzzleRecord WordList(const std::vector<std::string>& words) {
  PuzzleRecord p;
  InitNewPuzzle(p);
  int i = 0;
  for (const std::string& w : words) p.Word(++i).Set(w);
  p.wordCount = static_cast<int16_t>(i);
  return p;
}

TEST(DuplicateWords, SameLettersAfterUpperCasingAndDroppingSpacesRepeat) {
  const DuplicateWords found = FindDuplicateWords(
      WordList({"BIRD", "ice cream", "CAT", "cat", "DOG", "C A T", "ICECREAM", "dog", "BIRDS"}));
  EXPECT_EQ(found.words, (std::vector<std::string>{"ice cream", "CAT", "DOG"}));
  EXPECT_EQ(found.firstRepeat, 4);
  // Accented letters follow the same case rule as the grid: \xE9 and \xC9 are one letter.
  EXPECT_EQ(FindDuplicateWords(WordList({"\xE9t\xE9", "\xC9T\xC9"})).words,
            (std::vector<std::string>{"\xE9t\xE9"}));
  // A word inside another, or beyond the word count, is no repeat.
  PuzzleRecord leftOver = WordList({"OWL", "OWLS", "OWL"});
  leftOver.wordCount = 2;
  EXPECT_FALSE(FindDuplicateWords(leftOver).Any());
  EXPECT_EQ(FindDuplicateWords(leftOver).firstRepeat, 0);
}

TEST(DuplicateWords, TheTextNamesTheWordsAndCountsALongList) {
  EXPECT_EQ(DuplicateWordsText({"CAT"}), "The word CAT appears more than once.");
  EXPECT_EQ(DuplicateWordsText({"CAT", "dog"}), "The words CAT, dog appear more than once.");
  std::vector<std::string> many;
  for (char c = 'A'; c < 'A' + 12; ++c) many.push_back(std::string(3, c));
  const std::string text = DuplicateWordsText(many);
  EXPECT_EQ(text.rfind("The words AAA, BBB, ", 0), 0u) << text;
  EXPECT_NE(text.find(", JJJ and 2 more appear more than once."), std::string::npos) << text;
  EXPECT_EQ(text.find("KKK"), std::string::npos) << text;
}

}  // namespace
}  // namespace gw
