// Empty cells, random fill, hidden phrase placement and the phrase check.
#include <gtest/gtest.h>

#include "base/Random.h"
#include "generator/FillFixtures.h"
#include "generator/FillLetters.h"

namespace gw {
namespace {

const char kSpaces[] = "Spaces were used in the hidden phrase.";

TEST(PhraseCheck, LengthMustEqualTheEmptyCellCount) {
  auto p = test::SeventyLetterPuzzle();
  ASSERT_EQ(EmptyCellCount(*p), 30);
  EXPECT_EQ(ValidatePhrase(std::string(30, 'q'), 30, kSpaces), std::nullopt);
  EXPECT_EQ(ValidatePhrase(std::string(29, 'q'), 30, kSpaces),
            "30 characters are required for the hidden phrase.  You have entered 29 characters."
            "  Please change your phrase or select not to use a phrase.");
  EXPECT_EQ(ValidatePhrase("", 0, kSpaces), std::nullopt);
}

TEST(PhraseCheck, OuterSpacesAreDroppedInnerSpacesRefused) {
  EXPECT_EQ(ValidatePhrase("  abcde   ", 5, kSpaces), std::nullopt);
  // The spaces message wins even when the length is wrong too.
  EXPECT_EQ(ValidatePhrase(" ab de ", 9, kSpaces), kSpaces);
  EXPECT_EQ(ValidatePhrase("ab de", 5, "other"), "other");
}

TEST(PlacePhrase, UpperCasedIntoTheEmptyCellsInReadingOrder) {
  auto p = test::BlankPuzzle(4, 3);
  test::PutRow(*p, 1, 2, "XY");
  p->Letter(CellIndex(2, 4)) = 0;  // outside the shape
  test::PutRow(*p, 3, 1, "Z");
  ASSERT_EQ(EmptyCellCount(*p), 8);
  PlacePhrase(*p, "  hello\xE9w1  ");
  EXPECT_EQ(CollectFillLetters(*p), "HELLO\xE9W1");  // a..z only: é stays as it is
  EXPECT_EQ(p->Fill(CellIndex(1, 1)), 'H');
  EXPECT_EQ(p->Fill(CellIndex(1, 4)), 'E');
  EXPECT_EQ(p->Fill(CellIndex(3, 4)), '1');
  // Word letters, cells outside and their fill bytes are left alone.
  EXPECT_EQ(p->Letter(CellIndex(1, 2)), 'X');
  EXPECT_EQ(p->Fill(CellIndex(1, 2)), ' ');
  EXPECT_EQ(p->Fill(CellIndex(2, 4)), ' ');
  EXPECT_EQ(p->Fill(CellIndex(3, 1)), ' ');
}

TEST(FillRandomly, OnlyEmptyCellsGetLettersAToZ) {
  auto p = test::SeventyLetterPuzzle();
  p->Letter(CellIndex(10, 10)) = 0;
  Rng rng(7);
  FillRandomly(*p, rng);
  int seen[26] = {};
  for (int cell = 1; cell <= kGridCells; ++cell) {
    const int r = CellRow(cell), c = CellColumn(cell);
    if (r >= 8 && r <= 10 && c <= 10 && cell != CellIndex(10, 10)) {
      ASSERT_GE(p->Fill(cell), 'A');
      ASSERT_LE(p->Fill(cell), 'Z');
      ++seen[p->Fill(cell) - 'A'];
    } else {
      ASSERT_EQ(p->Fill(cell), ' ') << r << "," << c;
    }
  }
  int distinct = 0;
  for (int n : seen) distinct += n > 0;
  EXPECT_GT(distinct, 12);  // 29 draws from 26 letters: plainly not one letter repeated
}

TEST(EmptyCells, DamagedGridSizesAreClamped) {
  auto p = test::BlankPuzzle(30, 30);
  p->gridWidth = 900;
  p->gridHeight = -3;
  EXPECT_EQ(EmptyCellCount(*p), 50);  // one row of 50
  Rng rng(1);
  FillRandomly(*p, rng);
  PlacePhrase(*p, std::string(400, 'a'));
  EXPECT_EQ(CollectFillLetters(*p), std::string(50, 'A'));
}

}  // namespace
}  // namespace gw
