// The offensive-word screen on a 30 x 30 grid with a full list of 120 entries.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Random.h"
#include "generator/FillAndScreen.h"
#include "generator/FillLetters.h"
#include "generator/OffensiveWords.h"

namespace gw {
namespace {

// The 58 built-in entries and 62 made-up ones of 4 to 8 letters, as a full BADLIST would add.
std::vector<std::string> FullList() {
  std::vector<std::string> list(BuiltInOffensiveWords().begin(), BuiltInOffensiveWords().end());
  Rng rng(12345);
  while (list.size() < static_cast<size_t>(kMaxOffensiveEntries)) {
    std::string word(static_cast<size_t>(4 + rng.Random(5)), ' ');
    for (char& ch : word) ch = static_cast<char>('a' + rng.Random(26));
    list.push_back(word);
  }
  return list;
}

std::unique_ptr<PuzzleRecord> EmptyGrid() {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  p->gridWidth = 30;
  p->gridHeight = 30;
  return p;
}

// A 30 x 30 grid of random letters that spells none of the entries: the common case, where
// the screen has to read every line to the end.
std::unique_ptr<PuzzleRecord> CleanGrid(const OffensiveScreen& screen) {
  auto p = EmptyGrid();
  Rng rng(99);
  do FillRandomly(*p, rng);
  while (screen.Finds(*p));
  return p;
}

void BM_ScreenCleanGrid(benchmark::State& state) {
  const OffensiveScreen screen(FullList());
  const auto p = CleanGrid(screen);
  for (auto _ : state) benchmark::DoNotOptimize(screen.Finds(*p));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScreenCleanGrid);

// What a placement attempt looks at: word letters in about half of the cells, spaces between.
void BM_ScreenPlacedLetters(benchmark::State& state) {
  const OffensiveScreen screen(FullList());
  auto p = CleanGrid(screen);
  Rng rng(7);
  for (int cell = 1; cell <= kGridCells; ++cell) {
    if (rng.Random(2)) p->Letter(cell) = p->Fill(cell);
    p->Fill(cell) = ' ';
  }
  for (auto _ : state) benchmark::DoNotOptimize(screen.Finds(*p));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScreenPlacedLetters);

// Building the automaton, once per generation run.
void BM_BuildScreen(benchmark::State& state) {
  const auto list = FullList();
  for (auto _ : state) {
    OffensiveScreen screen(list);
    benchmark::DoNotOptimize(screen);
  }
}
BENCHMARK(BM_BuildScreen);

// For comparison: every entry and its reversal searched in every check line.
void BM_NaiveScreenCleanGrid(benchmark::State& state) {
  std::vector<std::string> patterns;
  for (const std::string& e : FullList()) {
    patterns.push_back(ScreenEntry(e));
    patterns.emplace_back(patterns.back().rbegin(), patterns.back().rend());
  }
  const auto p = CleanGrid(OffensiveScreen(FullList()));
  for (auto _ : state) {
    std::vector<std::string> lines;
    auto line = [&](int r, int c, int dr, int dc) {
      std::string s;
      for (; r >= 1 && r <= 30 && c >= 1 && c <= 30; r += dr, c += dc)
        s.push_back(static_cast<char>(ShownLetter(*p, CellIndex(r, c))));
      lines.push_back(std::move(s));
    };
    for (int i = 1; i <= 30; ++i) {
      line(i, 1, 0, 1);
      line(1, i, 1, 0);
      line(1, i, 1, 1);
      line(1, i, 1, -1);
      if (i > 1) {
        line(i, 1, 1, 1);
        line(i, 30, 1, -1);
      }
    }
    bool found = false;
    for (const std::string& l : lines)
      for (const std::string& pat : patterns) found |= l.find(pat) != std::string::npos;
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_NaiveScreenCleanGrid);

// The save of an empty 30 x 30 candidate: random fill, screen and refills until clean.
void BM_FillAndScreenAtSave(benchmark::State& state) {
  const auto list = FullList();
  auto p = EmptyGrid();
  Rng rng(1);
  const AskYesNo never = [](const std::string&, const std::string&) { return false; };
  for (auto _ : state)
    benchmark::DoNotOptimize(FillAndScreenAtSave(*p, false, "", list, rng, never).outcome);
}
BENCHMARK(BM_FillAndScreenAtSave);

}  // namespace
}  // namespace gw
