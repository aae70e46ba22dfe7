// Why words were left out, on small hand-made grids, and the fit estimate against full runs.
#include <gtest/gtest.h>

#include <fstream>

#include "EngineFixtures.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "generator/CreateCheck.h"
#include "generator/FitEstimate.h"
#include "generator/OffensiveWords.h"
#include "generator/PlacementDiagnosis.h"

namespace gw::test {
namespace {

std::array<bool, 9> Directions(std::initializer_list<int> on) {
  std::array<bool, 9> d{};
  for (int k : on) d[static_cast<size_t>(k)] = true;
  return d;
}

// One run and what it says about the words of its best grid.
struct Explained {
  PlacementOutcome run;
  PlacementDiagnosis diagnosis;
  std::unique_ptr<CandidateSlots> slots = std::make_unique<CandidateSlots>();
};

Explained RunAndExplain(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                        const PlacementOptions& o, const AttemptScreen& screen = {}) {
  Explained e;
  e.run = RunPlacementEngine(puzzle, shape, o, screen, *e.slots);
  e.diagnosis = PlacementDiagnosis(puzzle, shape, o, e.run);
  return e;
}

// Index of `word` in the list.
int At(const PlacementDiagnosis& d, const std::string& word) {
  for (int i = 0; i < d.WordCount(); ++i)
    if (d.Word(i) == word) return i;
  ADD_FAILURE() << word;
  return 0;
}

TEST(PlacementDiagnosis, AWordLongerThanEveryLineIsToldSoWithTheSquareThatTakesIt) {
  auto puzzle = MakePuzzle({"ELEPHANT", "CAT", "DOG"}, 5, 5);
  PlacementOptions o = Options(20, 6, 3);
  const Explained e = RunAndExplain(*puzzle, SquareShape(5, 5), o);
  const std::vector<int> left = e.diagnosis.LeftOut((*e.slots)[0]);
  ASSERT_EQ(left, std::vector<int>{0});
  EXPECT_EQ(e.diagnosis.Reason(0),
            "longer than any line of the shape in the chosen directions (longest line: 5)");
  EXPECT_EQ(e.diagnosis.Report(left),
            "Not placed:\n"
            "ELEPHANT: longer than any line of the shape in the chosen directions (longest line: "
            "5)\n"
            "Suggestions:\n"
            "A square shape of 8 x 8 or larger would take the longest word, ELEPHANT (8 "
            "letters).\n"
            "On average 2 of 3 words fit (over 20 attempts).\n");
}

TEST(PlacementDiagnosis, AWordThatFitsOnlyDiagonallyNamesTheDiagonalsToSwitchOn) {
  // The shape is one diagonal of six cells: every row and column holds one cell.
  ShapeRecord shape = SquareShape(6, 6);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c) shape.SetCell(r, c, r == c);
  const std::array<int, 9> lines = LongestLines(shape, 6, 6);
  EXPECT_EQ(lines, (std::array<int, 9>{0, 1, 1, 1, 6, 1, 1, 1, 6}));

  auto puzzle = MakePuzzle({"STAR", "A"}, 6, 6);
  PlacementOptions o = Options(5, 6, 1);
  o.directions = Directions({kRight, kDown, kLeft, kUp});
  const Explained e = RunAndExplain(*puzzle, shape, o);
  const std::vector<int> left = e.diagnosis.LeftOut((*e.slots)[0]);
  ASSERT_EQ(left, std::vector<int>{At(e.diagnosis, "STAR")});
  EXPECT_EQ(e.diagnosis.Reason(left[0]),
            "longer than any line of the shape in the chosen directions (longest line: 1)");
  const std::vector<std::string> tips = e.diagnosis.Suggestions(left);
  ASSERT_GE(tips.size(), 2u);
  EXPECT_EQ(tips[0],
            "Switching on Down Right and Up Left would give lines of up to 6 letters, enough for "
            "STAR.");
  EXPECT_EQ(tips[1],
            "A square shape of 4 x 4 or larger would take the longest word, STAR (4 letters).");

  // With the diagonals on it goes in.
  o.directions = Directions({kDownRight});
  const Explained on = RunAndExplain(*puzzle, shape, o);
  EXPECT_EQ((*on.slots)[0].score, 2);
}

TEST(PlacementDiagnosis, ACrowdedGridCountsEachWordsAttemptsAndNamesTheNeverPlaced) {
  // A row of five cells and words that may not share one. ABC goes first, at columns 1-3 or
  // 2-4 as the random offset falls; DE fits beside it only in the first case, and FG never:
  // one cell is left, or two apart.
  auto puzzle = MakePuzzle({"ABC", "DE", "FG"}, 5, 1);
  PlacementOptions o = Options(200, 0, 11);
  o.directions = Directions({kRight, kLeft});
  const Explained e = RunAndExplain(*puzzle, SquareShape(5, 1), o);
  const PlacementDiagnosis& d = e.diagnosis;
  EXPECT_EQ(e.run.placedIn[0], e.run.attemptsRun);
  EXPECT_GT(e.run.placedIn[1], 0);
  EXPECT_LT(e.run.placedIn[1], e.run.attemptsRun);
  EXPECT_EQ(e.run.placedIn[2], 0);
  EXPECT_EQ(d.Reason(2), "never placed: no free line for it once the other words were in");

  // The best grids hold ABC and DE; a grid that left DE out would say how often it went in.
  EXPECT_EQ(d.LeftOut((*e.slots)[0]), std::vector<int>{2});
  const std::vector<int> left = {1, 2};
  EXPECT_EQ(d.Reason(1), "placed in " + std::to_string(e.run.placedIn[1]) + " of " +
                             std::to_string(e.run.attemptsRun) + " attempts, crowded out here");
  // The counts are kept in try order: workers change nothing.
  o.threads = 3;
  EXPECT_EQ(RunAndExplain(*puzzle, SquareShape(5, 1), o).run.placedIn, e.run.placedIn);

  // No direction that is off has a line of two cells, so none is suggested.
  const std::vector<std::string> tips = d.Suggestions(left);
  ASSERT_EQ(tips.size(), 1u);
  const long average = (e.run.attemptsRun + e.run.placedIn[1] + e.run.attemptsRun / 2) /
                       e.run.attemptsRun;  // ABC every time, DE now and then
  EXPECT_EQ(tips[0],
            "On average " + std::to_string(average) + " of 3 words fit (over 200 attempts).");
}

TEST(PlacementDiagnosis, AWordThatSpellsAnOffensiveWordWhereverItFitsIsBlamedOnTheScreen) {
  // As above: DO fits only beside CAT, and there it spells an entry, whichever way each runs.
  auto puzzle = MakePuzzle({"CAT", "DO"}, 5, 1);
  PlacementOptions o = Options(30, 0, 5);
  o.directions = Directions({kRight, kLeft});
  const OffensiveScreen screen({"catdo", "catod", "tacdo", "tacod"});
  const Explained e = RunAndExplain(*puzzle, SquareShape(5, 1), o, screen);
  EXPECT_GT(e.run.refusedTries, 0);
  EXPECT_EQ(e.run.placedIn[1], 0);
  EXPECT_EQ(e.run.refusedAt[1], e.run.refusedTries);
  EXPECT_EQ(e.diagnosis.LeftOut((*e.slots)[0]), std::vector<int>{1});
  EXPECT_EQ(e.diagnosis.Reason(1), "refused by the offensive-word screen");

  // When the screen refused every attempt, every word that fits is its doing.
  const OffensiveScreen all({"cat"});
  const Explained none = RunAndExplain(*puzzle, SquareShape(5, 1), Options(3, 0, 5), all);
  EXPECT_EQ(none.run.attemptsRun, 0);
  EXPECT_EQ(none.diagnosis.LeftOut((*none.slots)[0]), (std::vector<int>{0, 1}));
  EXPECT_EQ(none.diagnosis.Reason(0), "refused by the offensive-word screen");
  EXPECT_EQ(none.diagnosis.Reason(1), "refused by the offensive-word screen");
  EXPECT_EQ(none.diagnosis.Suggestions({0, 1}).back(),
            "The offensive-word screen refused every attempt.");
}

TEST(PlacementInputs, NoWordsNoCellsOrNoDirectionIsRefusedWithItsReason) {
  const std::array<bool, 9> all = Directions({1, 2, 3, 4, 5, 6, 7, 8});
  ShapeRecord shape = SquareShape(4, 4);
  EXPECT_EQ(CheckPlacementInputs(3, shape, all), std::nullopt);
  EXPECT_EQ(CheckPlacementInputs(0, shape, all), "The word list holds no words.");
  EXPECT_EQ(CheckPlacementInputs(3, shape, Directions({})), "No word direction is switched on.");
  shape.shapeName.Set("Blank");
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) shape.SetCell(r, c, false);
  shape.SetCell(5, 5, true);  // outside the shape's own size: not a cell of it
  EXPECT_EQ(CheckPlacementInputs(3, shape, all),
            "The shape \"Blank\" has no cells to place words in.");
}

std::vector<std::string> SampleList(const char* name) {
  std::ifstream in(std::string(GW_DATA_DIR) + "/wordlists/" + name + ".txt");
  std::vector<std::string> words;
  for (std::string line; std::getline(in, line);)
    if (const std::string word = Trim(line.substr(0, line.find(':'))); !word.empty())
      words.push_back(word);
  return words;
}

// The estimate against the best of 999 attempts, as "&Create" would run them, on the shipped
// lists in grids that cannot take them all, and on all of them together in a bigger one.
TEST(FitEstimate, StaysWithinATenthOfFullRunsOnTheSampleLists) {
  std::vector<std::string> together;
  struct Case {
    std::vector<std::string> words;
    int size;
    std::array<bool, 9> directions;
  };
  std::vector<Case> cases;
  for (const char* name : {"animals", "fruits", "ocean", "space", "sports", "weather"}) {
    const std::vector<std::string> words = SampleList(name);
    ASSERT_GE(words.size(), 15u) << name;
    together.insert(together.end(), words.begin(), words.end());
    cases.push_back({words, 10, Directions({1, 2, 3, 4, 5, 6, 7, 8})});
    cases.push_back({words, 10, Directions({kRight, kDown})});
  }
  cases.push_back({together, 20, Directions({1, 2, 3, 4, 5, 6, 7, 8})});
  const std::vector<std::string> entries(BuiltInOffensiveWords().begin(),
                                         BuiltInOffensiveWords().end());
  for (const Case& c : cases) {
    auto puzzle = MakePuzzle(c.words, c.size, c.size);
    const ShapeRecord shape = SquareShape(c.size, c.size);
    const OffensiveScreen screen(EntriesClearOfWords(entries, *puzzle));
    PlacementOptions o = Options(999, 6, 17);
    o.directions = c.directions;
    auto slots = std::make_unique<CandidateSlots>();
    RunPlacementEngine(*puzzle, shape, o, screen, *slots);
    const int best = (*slots)[0].score;
    const std::optional<FitEstimate> estimate = EstimateFit(*puzzle, shape, o, screen);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->words, static_cast<int>(c.words.size()));
    EXPECT_LE(std::abs(estimate->fit - best), best / 10.0)
        << c.words[0] << " in " << c.size << ": about " << estimate->fit << ", best " << best;
  }
}

TEST(FitEstimate, IsTheSameEveryTimeAndStopsWhenCancelled) {
  auto puzzle = MakePuzzle(SampleList("animals"), 8, 8);
  const PlacementOptions o = Options(1, 6, 0);
  const auto a = EstimateFit(*puzzle, SquareShape(8, 8), o, {});
  const auto b = EstimateFit(*puzzle, SquareShape(8, 8), o, {});
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->fit, b->fit);
  EXPECT_LT(a->fit, 16);
  int asked = 0;
  EXPECT_FALSE(EstimateFit(*puzzle, SquareShape(8, 8), o, {}, [&] { return ++asked == 3; }));
  EXPECT_EQ(asked, 3);
}

}  // namespace
}  // namespace gw::test
