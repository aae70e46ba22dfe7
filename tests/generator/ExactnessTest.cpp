// The fast engine against the plain reference run: the same slots, byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "EngineFixtures.h"
#include "ReferencePlacement.h"
#include "generator/OffensiveWords.h"
#include "generator/PlacementAttempt.h"

namespace gw::test {
namespace {

// Word lists drawn from a few letters, so that words cross often; some with spaces, lower-case
// and accented letters, duplicates and words too long for the grid.
std::vector<std::string> RandomWords(std::mt19937& gen, int count, int maxLength) {
  static const std::string kLetters = "AEIRSTNaeo\xE9\xC9";
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) {
    const int len = std::uniform_int_distribution<int>(1, maxLength)(gen);
    std::string w;
    for (int j = 0; j < len; ++j) {
      if (j > 0 && j + 1 < len && gen() % 15 == 0) w.push_back(' ');
      w.push_back(kLetters[gen() % kLetters.size()]);
    }
    if (!words.empty() && gen() % 12 == 0) w = words[gen() % words.size()];
    if (gen() % 40 == 0) w.clear();  // a damaged list may hold an empty word
    words.push_back(w);
  }
  return words;
}

ShapeRecord RandomShape(std::mt19937& gen, int width, int height) {
  ShapeRecord s = SquareShape(width, height);
  switch (gen() % 3) {
    case 0:
      break;
    case 1:  // a diamond with its corners cut away
      for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
          s.SetCell(r, c,
                    std::abs(2 * r - height - 1) * width + std::abs(2 * c - width - 1) * height <=
                        width * height);
      break;
    default:  // scattered holes
      for (int k = 0; k < width * height / 6; ++k)
        s.SetCell(1 + static_cast<int>(gen() % height), 1 + static_cast<int>(gen() % width), false);
  }
  return s;
}

// Refuses a grid by its content, so the answer does not depend on the order of calls.
bool ContentScreen(const PuzzleRecord& p) {
  unsigned sum = 0;
  for (int k = 0; k < kGridCells; ++k) sum = sum * 31 + p.letterGrid[k];
  return sum % 5 == 0;
}

void ExpectSameSlots(const CandidateSlots& a, const CandidateSlots& b, const std::string& what) {
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(a[k].score, b[k].score) << what << " slot " << k + 1;
    EXPECT_EQ(0, std::memcmp(a[k].record.get(), b[k].record.get(), sizeof(PuzzleRecord)))
        << what << " slot " << k + 1;
    EXPECT_EQ(a[k].placed, b[k].placed) << what << " slot " << k + 1;
  }
}

// The built-in entries and a hand-edited list file's lines, some of them with spaces.
std::vector<std::string> ListWithUserLines() {
  std::vector<std::string> entries(BuiltInOffensiveWords().begin(), BuiltInOffensiveWords().end());
  for (const char* line : {"tea e", "sin a", "n i n", "damn ", "rein", "\xC9tat"})
    entries.push_back(line);
  return entries;
}

TEST(PlacementExactness, FastRunsEqualTheReferenceRun) {
  std::mt19937 gen(20240611);
  const std::vector<std::string> entries = ListWithUserLines();
  for (int run = 0; run < 320; ++run) {
    // Now and then a grid wider or higher than a shape can be, as a damaged record may hold.
    const int largest = run % 8 == 7 ? kGridStride : 30;
    const int width = std::uniform_int_distribution<int>(3, largest)(gen);
    const int height = std::uniform_int_distribution<int>(3, largest)(gen);
    const int count = std::uniform_int_distribution<int>(1, run % 10 == 0 ? 200 : 45)(gen);
    const auto words = RandomWords(gen, count, std::min(30, std::max(width, height) + 2));
    auto puzzle = MakePuzzle(words, width, height);
    const ShapeRecord shape = RandomShape(gen, width, height);
    PlacementOptions o =
        Options(1 + static_cast<int>(gen() % 12), static_cast<int>(gen() % 7), gen());
    o.shrink = gen() % 2 == 0;
    for (int d = 1; d <= 8; ++d) o.directions[d] = gen() % 4 != 0;
    o.threads = 1 + static_cast<int>(gen() % 2);
    // No screen, a test of the finished record only, or the offensive-word screen, which is
    // also looked for while tries are built.
    const unsigned screenKind = gen() % 3;
    const OffensiveScreen offensive(EntriesClearOfWords(entries, *puzzle));
    const AttemptScreen screen = screenKind == 0   ? AttemptScreen()
                                 : screenKind == 1 ? AttemptScreen(ContentScreen)
                                                   : AttemptScreen(offensive);

    const std::string what = "run " + std::to_string(run);
    auto before = std::make_unique<PuzzleRecord>(*puzzle);
    auto fast = std::make_unique<CandidateSlots>();
    auto plain = std::make_unique<CandidateSlots>();
    const PlacementOutcome a = RunPlacementEngine(*puzzle, shape, o, screen, *fast);
    const PlacementOutcome b = ReferenceRun(*puzzle, shape, o, screen, *plain);
    EXPECT_EQ(a.attemptCounter, b.attemptCounter) << what;
    EXPECT_EQ(a.attemptsRun, b.attemptsRun) << what;
    EXPECT_EQ(a.tries, b.tries) << what;
    EXPECT_EQ(a.refusedTries, b.refusedTries) << what;
    ExpectSameSlots(*fast, *plain, what);
    EXPECT_EQ(0, std::memcmp(before.get(), puzzle.get(), sizeof(PuzzleRecord))) << what;
    if (HasFailure()) break;
  }
}

// Any number of threads gives the run of one; the workers join a run that lasts.
TEST(PlacementExactness, MoreThreadsEqualOneOnAFullRun) {
  std::mt19937 gen(7);
  auto puzzle = MakePuzzle(RandomWords(gen, 120, 12), 20, 20);
  const ShapeRecord shape = SquareShape(20, 20);
  PlacementOptions o = Options(150, 6, 99);
  o.threads = 1;
  auto one = std::make_unique<CandidateSlots>();
  const PlacementOutcome a = RunPlacementEngine(*puzzle, shape, o, ContentScreen, *one);
  EXPECT_EQ(a.threads, 1);
  EXPECT_GT(a.refusedTries, 0);
  for (int threads : {2, 3}) {
    o.threads = threads;
    auto more = std::make_unique<CandidateSlots>();
    const PlacementOutcome b = RunPlacementEngine(*puzzle, shape, o, ContentScreen, *more);
    EXPECT_EQ(b.threads, threads);
    EXPECT_EQ(a.tries, b.tries);
    EXPECT_EQ(a.refusedTries, b.refusedTries);
    ExpectSameSlots(*one, *more, std::to_string(threads) + " threads");
  }
}

// Screening while attempts are built drops refused attempts early; the run must not change.
// List lines may hold spaces: a gap matched half way through an attempt can be filled by a
// later word, so such an entry refuses only what the finished grid spells.
TEST(PlacementExactness, ScreeningWhilePlacingChangesNothing) {
  std::mt19937 gen(99);
  const std::vector<std::string> entries = ListWithUserLines();
  int refused = 0;
  for (int run = 0; run < 30; ++run) {
    const int size = std::uniform_int_distribution<int>(8, 25)(gen);
    auto puzzle = MakePuzzle(RandomWords(gen, 60, 12), size, size);
    const OffensiveScreen offensive(EntriesClearOfWords(entries, *puzzle));
    PlacementOptions o = Options(20, static_cast<int>(gen() % 7), gen());
    o.threads = 1 + static_cast<int>(gen() % 2);
    auto early = std::make_unique<CandidateSlots>();
    auto plain = std::make_unique<CandidateSlots>();
    const PlacementOutcome a =
        RunPlacementEngine(*puzzle, SquareShape(size, size), o, offensive, *early);
    const PlacementOutcome b = ReferenceRun(*puzzle, SquareShape(size, size), o, offensive, *plain);
    const std::string what = "run " + std::to_string(run);
    EXPECT_EQ(a.tries, b.tries) << what;
    EXPECT_EQ(a.refusedTries, b.refusedTries) << what;
    ExpectSameSlots(*early, *plain, what);
    refused += a.refusedTries;
    if (HasFailure()) break;
  }
  EXPECT_GT(refused, 20);  // the early screen had work to do
}

// The look along each placed word must stop a try exactly when its finished grid spells an
// entry without spaces: missing one would only cost time (the finished grid is screened in
// full), which no comparison of results can show.
TEST(PlacementExactness, TheScreenWhileBuildingStopsTheTriesItsEntriesRefuse) {
  std::mt19937 gen(4242);
  int refused = 0, kept = 0;
  for (int run = 0; run < 40; ++run) {
    const int size = std::uniform_int_distribution<int>(6, 30)(gen);
    auto puzzle = MakePuzzle(RandomWords(gen, 80, 12), size, size);
    const ShapeRecord shape = RandomShape(gen, size, size);
    const std::vector<std::string> entries = EntriesClearOfWords(ListWithUserLines(), *puzzle);
    std::vector<std::string> solid;
    for (const std::string& e : entries)
      if (ScreenEntry(e).find(' ') == std::string::npos) solid.push_back(e);
    const OffensiveScreen offensive(entries), solidOnly(solid);
    PlacementOptions o = Options(1, static_cast<int>(gen() % 7), 0);
    for (int d = 1; d <= 8; ++d) o.directions[d] = gen() % 5 != 0;
    const AttemptBuilder builder(*puzzle, shape, o);
    AttemptBuilder::Scratch scratch(builder);
    auto early = std::make_unique<PuzzleRecord>(), full = std::make_unique<PuzzleRecord>();
    std::array<uint8_t, kMaxWords> earlyPlaced{}, fullPlaced{};
    for (int attempt = 0; attempt < 10; ++attempt) {
      const uint64_t seed = gen();
      Rng a(seed), b(seed);
      const int score = builder.Build(a, *early, earlyPlaced, scratch, &offensive);
      const int fullScore = builder.Build(b, *full, fullPlaced, scratch);
      const std::string what = "run " + std::to_string(run) + " attempt " + std::to_string(attempt);
      ASSERT_EQ(score == AttemptBuilder::kRefusedEarly, solidOnly.FindsInPlacedLetters(*full))
          << what;
      if (score == AttemptBuilder::kRefusedEarly) {
        ++refused;
        continue;
      }
      ++kept;
      EXPECT_EQ(score, fullScore) << what;
      EXPECT_EQ(earlyPlaced, fullPlaced) << what;
      EXPECT_EQ(0, std::memcmp(early.get(), full.get(), sizeof(PuzzleRecord))) << what;
    }
  }
  EXPECT_GT(refused, 40);
  EXPECT_GT(kept, 40);
}

}  // namespace
}  // namespace gw::test
