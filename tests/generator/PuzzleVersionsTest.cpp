// Versions of a stored puzzle: its shape, directions and phrase kept, grids that differ, titles
// with their letters, and an abort that keeps nothing.
#include <gtest/gtest.h>

#include <cstring>

#include "EngineFixtures.h"
#include "base/Random.h"
#include "generator/CandidateSave.h"
#include "generator/FillLetters.h"
#include "generator/PuzzleVersions.h"

namespace gw::test {
namespace {

const std::vector<std::string> kWords = {"ELEPHANT", "GIRAFFE", "ZEBRA", "MONKEY",
                                         "TIGER",    "LION",    "PANDA", "KOALA"};

// A stored puzzle on a 12 x 12 square with its corners cut off, its words running right and down
// only, and a hidden phrase in exactly its leftover cells.
std::unique_ptr<PuzzleRecord> StoredPuzzle(std::string& phrase) {
  ShapeRecord shape = SquareShape(12, 12);
  for (int r : {1, 12})
    for (int c : {1, 12}) shape.SetCell(r, c, false);
  auto puzzle = MakePuzzle(kWords, 12, 12);
  puzzle->title.Set("Zoo Animals");
  PlacementOptions o = Options(10, 6, 4);
  o.directions = {false, false, false, true, false, true, false, false, false};
  CandidateSlots slots;
  RunPlacementEngine(*puzzle, shape, o, {}, slots);
  auto stored = std::make_unique<PuzzleRecord>(*slots[0].record);
  MarkCandidateStored(*stored, slots[0]);
  phrase.clear();
  for (int i = 0; i < EmptyCellCount(*stored); ++i) phrase += static_cast<char>('A' + i % 26);
  PlacePhrase(*stored, phrase);
  stored->hiddenPhraseUsed = 1;
  return stored;
}

TEST(PuzzleVersions, VersionsKeepTheShapeDirectionsAndPhraseOfTheStoredPuzzle) {
  std::string phrase;
  const auto stored = StoredPuzzle(phrase);
  VersionRequest request = VersionsOfStored(*stored, Options(10, 6, 0), {}, 4);
  EXPECT_EQ(request.wanted, 8);
  EXPECT_EQ(request.phrase, phrase);
  request.options.seed = 99;
  const VersionsOutcome made = MakeVersions(request);
  ASSERT_TRUE(made.failure.empty()) << made.failure;
  ASSERT_EQ(made.versions.size(), 4u);

  int withoutPhrase = 0;
  for (size_t v = 0; v < made.versions.size(); ++v) {
    const PuzzleRecord& p = *made.versions[v].puzzle;
    EXPECT_EQ(p.title.Get(), std::string("Zoo Animals (") + char('A' + v) + ")");
    EXPECT_EQ(p.puzzleGenerated, 1);
    for (int cell = 1; cell <= kGridCells; ++cell)
      ASSERT_EQ(p.Letter(cell) == 0, stored->Letter(cell) == 0) << "cell " << cell;
    for (int i = 1; i <= p.wordCount; ++i) {
      ASSERT_EQ(p.wordPlaced[i - 1], 1) << p.Word(i).Get();
      EXPECT_EQ(GridText(p, i), p.Word(i).Get());
      const int s = p.wordStart[i - 1], e = p.wordEnd[i - 1];
      EXPECT_TRUE(CellRow(s) == CellRow(e) || CellColumn(s) == CellColumn(e)) << p.Word(i).Get();
      EXPECT_LE(s, e) << "right and down only";
    }
    if (made.versions[v].phraseUsed)
      EXPECT_EQ(CollectFillLetters(p), phrase);
    else
      ++withoutPhrase;
    for (size_t w = 0; w < v; ++w)
      EXPECT_NE(std::memcmp(p.letterGrid, made.versions[w].puzzle->letterGrid, sizeof p.letterGrid),
                0);
  }
  // The versions try seeds until the phrase fits; each it still does not fit is named once.
  EXPECT_LT(withoutPhrase, 4);
  EXPECT_EQ(made.notes.size(), static_cast<size_t>(withoutPhrase));
  for (const std::string& note : made.notes)
    EXPECT_EQ(note.rfind("The hidden phrase does not fit version ", 0), 0u) << note;
}

class AbortAtOnce : public VersionProgress {
 public:
  void VersionStarting(int version, int count) override { started.emplace_back(version, count); }
  void AttemptStarting(int) override {}
  bool AbortRequested() override { return started.size() == 2; }
  std::vector<std::pair<int, int>> started;
};

TEST(PuzzleVersions, AnAbortKeepsNoVersionAndTitlesMakeRoomForTheLetter) {
  std::string phrase;
  const auto stored = StoredPuzzle(phrase);
  VersionRequest request = VersionsOfStored(*stored, Options(20, 6, 3), {}, 3);
  AbortAtOnce progress;
  const VersionsOutcome made = MakeVersions(request, &progress);
  EXPECT_TRUE(made.aborted);
  EXPECT_TRUE(made.versions.empty());
  EXPECT_EQ(progress.started, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}}));

  EXPECT_EQ(VersionTitle("Zoo Animals", 3), "Zoo Animals (D)");
  EXPECT_EQ(VersionTitle(std::string(35, 'x'), 25), std::string(31, 'x') + " (Z)");
  EXPECT_EQ(VersionTitle("The Animals Of The Great Open Plains", 0),
            "The Animals Of The Great Open P (A)");
  EXPECT_EQ(VersionTitle("Animals of the great plains    and", 1),
            "Animals of the great plains (B)");
}

}  // namespace
}  // namespace gw::test
