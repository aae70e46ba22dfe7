// The placement engine's rules: crossing, directions, trimming, word order, ranking, stopping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "EngineFixtures.h"
#include "base/Settings.h"
#include "base/TextUtils.h"

namespace gw::test {
namespace {

const std::vector<std::string> kAnimals = {
    "ELEPHANT", "GIRAFFE", "ZEBRA",   "MONKEY",   "TIGER",   "LION",     "KANGAROO",
    "PENGUIN",  "DOLPHIN", "RABBIT",  "SQUIRREL", "BUFFALO", "CHEETAH",  "GORILLA",
    "LEOPARD",  "OSTRICH", "PANTHER", "RACCOON",  "WALRUS",  "CROCODILE"};

struct Generated {
  std::unique_ptr<CandidateSlots> slots = std::make_unique<CandidateSlots>();
  PlacementOutcome outcome;
  const PuzzleRecord& Best() const { return *(*slots)[0].record; }
};

Generated Generate(const PuzzleRecord& puzzle, const ShapeRecord& shape, const PlacementOptions& o,
                   const AttemptScreen& screen = {}, PlacementProgress* progress = nullptr) {
  Generated run;
  run.outcome = RunPlacementEngine(puzzle, shape, o, screen, *run.slots, progress);
  return run;
}

// Every kept candidate: placed words read from start to end, each word once; cells outside the
// shape are 0, inside a letter or a space; placed words first, each group alphabetical, clues
// with their words.
void ExpectSoundCandidate(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                          const CandidateSlot& slot) {
  const PuzzleRecord& p = *slot.record;
  const int count = puzzle.wordCount;
  EXPECT_EQ(int{p.wordCount}, slot.score);
  std::multiset<std::string> before, after;
  for (int i = 1; i <= count; ++i) before.insert(puzzle.Word(i).Get());
  for (int i = 1; i <= count; ++i) {
    after.insert(p.Word(i).Get());
    EXPECT_EQ(p.Clue(i).Get(), "clue of " + p.Word(i).Get());
    EXPECT_EQ(slot.placed[i - 1], i <= slot.score ? 1 : 0) << i;
    if (i <= slot.score) {
      EXPECT_EQ(GridText(p, i), WordLetters(p.Word(i).Get())) << i;
    }
    if (i > 1 && i != slot.score + 1) {
      EXPECT_LE(p.Word(i - 1).Get(), p.Word(i).Get()) << i;
    }
  }
  EXPECT_EQ(before, after);
  for (int cell = 1; cell <= kGridCells; ++cell) {
    if (shape.cells[cell - 1] == 0)
      EXPECT_EQ(p.Letter(cell), 0) << cell;
    else
      EXPECT_NE(p.Letter(cell), 0) << cell;
    EXPECT_EQ(p.Fill(cell), ' ');
  }
}

TEST(PlacementEngine, IntegrationZeroSharesNoCell) {
  auto puzzle = MakePuzzle(kAnimals, 15, 15);
  const ShapeRecord shape = SquareShape(15, 15);
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    const Generated run = Generate(*puzzle, shape, Options(4, 0, seed));
    for (const CandidateSlot& slot : *run.slots) {
      ASSERT_GT(slot.score, 10);
      std::set<int> used;
      int letters = 0;
      for (int i = 1; i <= slot.score; ++i) {
        const std::vector<int> cells = WordCells(*slot.record, i);
        letters += static_cast<int>(cells.size());
        used.insert(cells.begin(), cells.end());
      }
      EXPECT_EQ(static_cast<int>(used.size()), letters) << "seed " << seed;
      ExpectSoundCandidate(*puzzle, shape, slot);
    }
  }
}

TEST(PlacementEngine, HighIntegrationStillPlacesWordsThatCannotCross) {
  // No two words share a letter, so every threshold above zero fails and falls back.
  auto puzzle = MakePuzzle({"ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY", "ZZZ"}, 10, 10);
  const ShapeRecord shape = SquareShape(10, 10);
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    const Generated run = Generate(*puzzle, shape, Options(1, 6, seed));
    EXPECT_EQ((*run.slots)[0].score, 6) << seed;
    ExpectSoundCandidate(*puzzle, shape, (*run.slots)[0]);
  }
}

TEST(PlacementEngine, HighIntegrationCrossesWhereItCan) {
  // Integration 6 wants four shared cells first: the second word goes onto the first.
  auto puzzle = MakePuzzle({"ABCDEFGH", "BCDE"}, 10, 10);
  const ShapeRecord shape = SquareShape(10, 10);
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    const Generated run = Generate(*puzzle, shape, Options(1, 6, seed));
    const PuzzleRecord& p = run.Best();
    const std::vector<int> big = WordCells(p, 1), small = WordCells(p, 2);
    for (int cell : small) EXPECT_NE(std::find(big.begin(), big.end(), cell), big.end());
  }
}

TEST(PlacementEngine, WordTallerThanTheGridOnlyGoesAcross) {
  auto puzzle = MakePuzzle({"ABCDEFGHIJ", "XYZ"}, 20, 6);
  const ShapeRecord shape = SquareShape(20, 6);
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    const Generated run = Generate(*puzzle, shape, Options(1, 6, seed));
    const PuzzleRecord& p = run.Best();
    ASSERT_EQ(p.Word(1).Get(), "ABCDEFGHIJ");
    EXPECT_EQ(CellRow(p.wordStart[0]), CellRow(p.wordEnd[0]));
  }
  PlacementOptions o = Options(1, 6, 3);
  o.directions[kRight] = o.directions[kLeft] = false;
  const Generated run = Generate(*puzzle, shape, o);
  const CandidateSlot& best = (*run.slots)[0];
  EXPECT_EQ(best.score, 1);
  EXPECT_EQ(best.record->Word(1).Get(), "XYZ");
  EXPECT_EQ(best.record->Word(2).Get(), "ABCDEFGHIJ");
  EXPECT_EQ(best.placed[1], 0);
  EXPECT_EQ(best.record->Clue(2).Get(), "clue of ABCDEFGHIJ");
}

TEST(PlacementEngine, WordWithASpaceTakesItsLettersButSortsByItsStoredLength) {
  // One row of eight cells and no crossing: whichever goes first takes the row. Both have eight
  // letters, but ICE CREAM is stored with nine characters and so goes first.
  auto puzzle = MakePuzzle({"ZZZZZZZZ", "ICE CREAM"}, 8, 1);
  const ShapeRecord shape = SquareShape(8, 1);
  PlacementOptions o = Options(1, 0, 5);
  const Generated run = Generate(*puzzle, shape, o);
  const PuzzleRecord& p = run.Best();
  ASSERT_EQ((*run.slots)[0].score, 1);
  EXPECT_EQ(p.Word(1).Get(), "ICE CREAM");
  EXPECT_EQ(WordCells(p, 1).size(), 8u);
  EXPECT_EQ(GridText(p, 1), "ICECREAM");
}

TEST(PlacementEngine, OnlyRightReadsLeftToRight) {
  const ShapeRecord shape = SquareShape(15, 15);
  auto puzzle = MakePuzzle(kAnimals, 15, 15);
  PlacementOptions o = Options(8, 6, 0);
  o.directions.fill(false);
  o.directions[kRight] = true;
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    o.seed = seed;
    const Generated run = Generate(*puzzle, shape, o);
    for (const CandidateSlot& slot : *run.slots) {
      const PuzzleRecord& p = *slot.record;
      for (int i = 1; i <= slot.score; ++i) {
        const int length = static_cast<int>(WordLetters(p.Word(i).Get()).size());
        EXPECT_EQ(p.wordEnd[i - 1] - p.wordStart[i - 1], length - 1);
        EXPECT_LE(CellColumn(p.wordStart[i - 1]), 15 - length + 1);
      }
      ExpectSoundCandidate(*puzzle, shape, slot);
    }
  }
}

TEST(PlacementEngine, ShrinkTrimsOnlyTheBottomAndTheRight) {
  // Usable cells: rows 2..7, columns 2..8 of a 10 x 10 grid. Six words of seven letters going
  // right without crossing fill those rows completely.
  ShapeRecord shape = SquareShape(10, 10);
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 10; ++c) shape.SetCell(r, c, r >= 2 && r <= 7 && c >= 2 && c <= 8);
  auto puzzle =
      MakePuzzle({"AAAAAAA", "BBBBBBB", "CCCCCCC", "DDDDDDD", "EEEEEEE", "FFFFFFF"}, 10, 10);
  PlacementOptions o = Options(1, 0, 11);
  o.directions.fill(false);
  o.directions[kRight] = true;
  o.shrink = true;
  const Generated run = Generate(*puzzle, shape, o);
  ASSERT_EQ((*run.slots)[0].score, 6);
  EXPECT_EQ(int{run.Best().gridHeight}, 7);
  EXPECT_EQ(int{run.Best().gridWidth}, 8);
  o.shrink = false;
  const Generated kept = Generate(*puzzle, shape, o);
  EXPECT_EQ(int{kept.Best().gridHeight}, 10);
  EXPECT_EQ(int{kept.Best().gridWidth}, 10);
}

TEST(PlacementEngine, EasyListStopsOnceFourAttemptsPlaceEverything) {
  auto puzzle = MakePuzzle({"CAT", "DOG", "BIRD", "FISH"}, 15, 15);
  const ShapeRecord shape = SquareShape(15, 15);
  const Generated run = Generate(*puzzle, shape, Options(999, 6, 42));
  EXPECT_EQ(run.outcome.attemptsRun, 4);
  EXPECT_EQ(run.outcome.tries, 4);
  EXPECT_EQ(run.outcome.attemptCounter, 999);
  EXPECT_FALSE(run.outcome.aborted);
  for (const CandidateSlot& slot : *run.slots) EXPECT_EQ(slot.score, 4);
}

TEST(PlacementEngine, TiesKeepTheEarlierAttempt) {
  auto puzzle = MakePuzzle({"CAT", "DOG", "BIRD", "FISH"}, 15, 15);
  const ShapeRecord shape = SquareShape(15, 15);
  const Generated four = Generate(*puzzle, shape, Options(999, 6, 42));
  for (int k = 1; k <= 4; ++k) {
    // The first k attempts alone: the slot k holds attempt k.
    const Generated first = Generate(*puzzle, shape, Options(k, 6, 42));
    EXPECT_EQ(0, std::memcmp((*first.slots)[k - 1].record.get(), (*four.slots)[k - 1].record.get(),
                             sizeof(PuzzleRecord)))
        << k;
  }
  // And the attempts were not all the same grid.
  EXPECT_NE(0, std::memcmp((*four.slots)[0].record->letterGrid, (*four.slots)[1].record->letterGrid,
                           kGridCells));
}

TEST(PlacementEngine, NoDirectionPlacesNothingAndKeepsNoCandidate) {
  auto puzzle = MakePuzzle(kAnimals, 15, 15);
  const ShapeRecord shape = SquareShape(15, 15);
  PlacementOptions o = Options(25, 6, 1);
  o.directions.fill(false);
  const Generated run = Generate(*puzzle, shape, o);
  for (const CandidateSlot& slot : *run.slots) EXPECT_EQ(slot.score, 0);
  EXPECT_EQ(run.outcome.attemptsRun, 25);
}

TEST(PlacementEngine, CellsOutsideTheShapeStayEmptyAndTheCallersPuzzleIsKept) {
  ShapeRecord shape = SquareShape(20, 20);
  for (int r = 1; r <= 20; ++r)
    for (int c = 1; c <= 20; ++c)
      if ((r - 10.5) * (r - 10.5) + (c - 10.5) * (c - 10.5) > 90 || (r % 5 == 0 && c % 3 == 0))
        shape.SetCell(r, c, false);
  std::vector<std::string> words = kAnimals;
  words.push_back("ice cream");
  words.push_back(
      "cr\xE8me br\xFBl\xE9"
      "e");
  auto puzzle = MakePuzzle(words, 20, 20);
  const auto before = std::make_unique<PuzzleRecord>(*puzzle);
  const Generated run = Generate(*puzzle, shape, Options(12, 6, 8));
  EXPECT_EQ(0, std::memcmp(before.get(), puzzle.get(), sizeof(PuzzleRecord)));
  for (const CandidateSlot& slot : *run.slots) {
    ASSERT_GT(slot.score, 0);
    ExpectSoundCandidate(*puzzle, shape, slot);
    for (int i = 1; i <= slot.score; ++i)
      if (slot.record->Word(i).Get() ==
          "cr\xE8me br\xFBl\xE9"
          "e") {
        EXPECT_EQ(GridText(*slot.record, i),
                  "CR\xC8MEBR\xDBL\xC9"
                  "E");
      }
  }
}

TEST(PlacementEngine, UnplacedWordsCarryTheirOldPositionsAlong) {
  // The longest-first sort moves words and clues only; the final sorts move everything.
  auto puzzle = MakePuzzle({"AB", "ABCDEFGHIJKLMNOP", "ABC"}, 10, 10);
  const Generated run = Generate(*puzzle, SquareShape(10, 10), Options(1, 6, 3));
  const PuzzleRecord& p = run.Best();
  ASSERT_EQ((*run.slots)[0].score, 2);
  EXPECT_EQ(p.Word(3).Get(), "ABCDEFGHIJKLMNOP");
  // Sorted longest first it stood at position 1, which held the first word's old start.
  EXPECT_EQ(int{p.wordStart[2]}, 1000);
  EXPECT_EQ(int{p.wordEnd[2]}, 2000);
}

// Refuses the grids in which a Z stands left of an E.
bool ZeScreen(const PuzzleRecord& p) {
  for (int cell = 1; cell < kGridCells; ++cell)
    if (p.Letter(cell) == 'Z' && p.Letter(cell + 1) == 'E') return true;
  return false;
}

class RecordingProgress : public PlacementProgress {
 public:
  void AttemptStarting(int attempt) override { shown.push_back(attempt); }
  bool AbortRequested() override { return false; }
  std::vector<int> shown;
};

TEST(PlacementEngine, RefusedAttemptsAreNotCounted) {
  auto puzzle = MakePuzzle(kAnimals, 15, 15);
  const ShapeRecord shape = SquareShape(15, 15);
  PlacementOptions o = Options(40, 6, 5);
  o.threads = 1;
  std::vector<bool> refusals;  // one per try, in order (a single thread screens in order)
  RecordingProgress progress;
  const Generated run = Generate(
      *puzzle, shape, o,
      [&](const PuzzleRecord& p) {
        refusals.push_back(ZeScreen(p));
        return refusals.back();
      },
      &progress);
  ASSERT_GT(run.outcome.refusedTries, 0);
  EXPECT_EQ(run.outcome.attemptsRun + run.outcome.refusedTries, run.outcome.tries);
  ASSERT_EQ(static_cast<int>(refusals.size()), run.outcome.tries);
  // A refused try shows the same attempt number again on the next one.
  int counted = 0;
  for (size_t t = 0; t < refusals.size(); ++t) {
    EXPECT_EQ(progress.shown[t], counted + 1) << t;
    if (!refusals[t]) ++counted;
  }
  for (const CandidateSlot& slot : *run.slots) {
    EXPECT_EQ(slot.score, 20);
    EXPECT_FALSE(ZeScreen(*slot.record));
  }
  EXPECT_EQ(run.outcome.attemptsRun, 4);
  // Two threads build the same run.
  o.threads = 2;
  const Generated two = Generate(*puzzle, shape, o, ZeScreen);
  EXPECT_EQ(two.outcome.tries, run.outcome.tries);
  for (size_t k = 0; k < 4; ++k)
    EXPECT_EQ(0, std::memcmp((*two.slots)[k].record.get(), (*run.slots)[k].record.get(),
                             sizeof(PuzzleRecord)));
}

TEST(PlacementEngine, AScreenThatRefusesEverythingEndsTheRun) {
  auto puzzle = MakePuzzle({"CAT", "DOG"}, 10, 10);
  PlacementOptions o = Options(3, 6, 1);
  const Generated run =
      Generate(*puzzle, SquareShape(10, 10), o, [](const PuzzleRecord&) { return true; });
  EXPECT_TRUE(run.outcome.refusedLimitReached);
  EXPECT_EQ(run.outcome.refusedTries, RefusedTryLimit(3));
  EXPECT_EQ(run.outcome.attemptsRun, 0);
  for (const CandidateSlot& slot : *run.slots) EXPECT_EQ(slot.score, 0);
}

class ScriptedProgress : public PlacementProgress {
 public:
  explicit ScriptedProgress(int abortAfter) : abortAfter_(abortAfter) {}
  void AttemptStarting(int attempt) override { shown.push_back(attempt); }
  bool AbortRequested() override { return ++asked >= abortAfter_; }
  std::vector<int> shown;
  int asked = 0;

 private:
  int abortAfter_;
};

TEST(PlacementEngine, AbortStopsAfterTheAttemptUnderWayAndKeepsTheSlots) {
  auto puzzle = MakePuzzle(kAnimals, 9, 9);
  const ShapeRecord shape = SquareShape(9, 9);
  for (int threads : {1, 2}) {
    PlacementOptions o = Options(500, 6, 77);
    o.threads = threads;
    ScriptedProgress progress(3);
    const Generated run = Generate(*puzzle, shape, o, {}, &progress);
    EXPECT_TRUE(run.outcome.aborted);
    EXPECT_EQ(run.outcome.attemptCounter, 3);
    EXPECT_EQ(progress.shown, (std::vector<int>{1, 2, 3}));
    const Generated three = Generate(*puzzle, shape, Options(3, 6, 77));
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_EQ((*run.slots)[k].score, (*three.slots)[k].score);
      EXPECT_EQ(0, std::memcmp((*run.slots)[k].record.get(), (*three.slots)[k].record.get(),
                               sizeof(PuzzleRecord)));
    }
    EXPECT_EQ((*run.slots)[3].score, 0);
  }
}

TEST(PlacementEngine, WordLettersDropSpacesAndUpperCaseAccents) {
  EXPECT_EQ(WordLetters("ice cream"), "ICECREAM");
  EXPECT_EQ(WordLetters("\xE0\xF6\xF7\xF8\xFE\xFFz"), "\xC0\xD6\xF7\xD8\xDE\xFFZ");
  EXPECT_EQ(WordLetters("   "), "");
}

}  // namespace
}  // namespace gw::test
