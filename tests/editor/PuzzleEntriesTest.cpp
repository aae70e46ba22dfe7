// The editor's entries going into the puzzle record.
#include <gtest/gtest.h>

#include <memory>

#include "editor/PuzzleEntries.h"

namespace gw {
namespace {

TEST(PuzzleEntries, WordsCloseUpOverBlankRowsAndEverythingIsTrimmed) {
  PuzzleEntries e;
  e.title = "  Zoo  ";
  e.category = " Animals";
  e.bonusQuestion = "Which is tallest? ";
  e.rows = {{"", "orphan clue"}, {" LION ", " king "}, {"   ", ""}, {"ZEBRA", ""}};
  EXPECT_EQ(CountWords(e.rows), 2);

  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  p->Word(3).Set("OLD");
  p->Clue(3).Set("stale");
  ApplyEntries(e, *p);
  EXPECT_EQ(p->title.Get(), "Zoo");
  EXPECT_EQ(p->category.Get(), "Animals");
  EXPECT_EQ(p->bonusQuestion.Get(), "Which is tallest?");
  EXPECT_EQ(p->wordCount, 2);
  EXPECT_EQ(p->Word(1).Get(), "LION");
  EXPECT_EQ(p->Clue(1).Get(), "king");
  EXPECT_EQ(p->Word(2).Get(), "ZEBRA");
  EXPECT_EQ(p->Clue(2).Get(), "");
  // A clue without its word goes, and the slots after the last word are cleared.
  EXPECT_EQ(p->Word(3).Get(), "");
  EXPECT_EQ(p->Clue(3).Get(), "");
}

TEST(PuzzleEntries, TextsAreCutToTheirFields) {
  PuzzleEntries e;
  e.title = std::string(40, 'T');
  e.rows = {{std::string(35, 'W'), std::string(160, 'c')}};
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  ApplyEntries(e, *p);
  EXPECT_EQ(p->title.Get().size(), 35u);
  EXPECT_EQ(p->Word(1).Get().size(), 30u);
  EXPECT_EQ(p->Clue(1).Get().size(), 150u);
}

TEST(PuzzleEntries, ControlCharactersAreFoundInWhatWouldBeStored) {
  PuzzleEntries e;
  e.title = "Farm";
  e.category = "Animals";
  e.rows = {{"COW", "says moo"}, {"", "orphan\tclue"}, {"HEN", "lays\x01eggs"}, {"P\tIG", ""}};
  // The clue of a row without a word is never stored, so it is not looked at.
  std::optional<EntryProblem> p = FindControlCharacters(e);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->field, EntryProblem::Clue);
  EXPECT_EQ(p->row, 3);
  EXPECT_NE(p->message.find("The clue in row 3 holds a control character"), std::string::npos);
  e.rows[2].clue = "lays eggs";
  p = FindControlCharacters(e);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->field, EntryProblem::Word);
  EXPECT_EQ(p->row, 4);
  e.rows[3].word = "PIG";
  EXPECT_FALSE(FindControlCharacters(e));
  // Accented letters and the rest of Windows-1252 are text; bytes below 32 and 127 are not.
  e.bonusQuestion = "Qu\xe9 animal? \x80";
  EXPECT_FALSE(FindControlCharacters(e));
  e.bonusQuestion += "\x7f";
  ASSERT_TRUE(FindControlCharacters(e));
  EXPECT_EQ(FindControlCharacters(e)->field, EntryProblem::BonusQuestion);
  e.category = "Ani\rmals";
  EXPECT_EQ(FindControlCharacters(e)->field, EntryProblem::Category);
}

}  // namespace
}  // namespace gw
