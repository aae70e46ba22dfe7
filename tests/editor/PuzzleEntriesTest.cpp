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

}  // namespace
}  // namespace gw
