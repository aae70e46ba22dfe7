// Speed of a whole generation run on three word lists: small, medium and overfull.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "generator/PlacementEngine.h"
#include "storage/PuzzleRecord.h"

namespace {

using namespace gw;

std::vector<std::string> ReadWords(const std::string& name) {
  std::ifstream in(std::string(GW_BENCH_DATA) + "/" + name);
  std::vector<std::string> words;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) words.push_back(line);
  return words;
}

// A stand-in for the real offensive-word screen until it lands: 58 upper-case entries of four
// letters, each looked for forwards and backwards in every row, column and diagonal. It costs
// about what the real one does; the entries are made up, occur in none of the three lists and
// only rarely where words cross.
class StandInScreen {
 public:
  StandInScreen() {
    const char* starts[] = {"BL", "CR", "DR", "FL", "GR", "PL", "SN", "TR", "SK", "SP"};
    const char vowels[] = {'A', 'O', 'U'};
    const char ends[] = {'V', 'X'};
    for (const char* s : starts)
      for (char v : vowels)
        for (char e : ends)
          if (entries_.size() < 58) entries_.push_back(std::string(s) + v + e);
  }

  bool operator()(const PuzzleRecord& p) const {
    const int w = ClampedGridWidth(p), h = ClampedGridHeight(p);
    std::string lines;
    lines.reserve(static_cast<size_t>(6 * w * h));
    auto walk = [&](int r, int c, int dr, int dc) {
      for (; r >= 1 && r <= h && c >= 1 && c <= w; r += dr, c += dc)
        lines.push_back(static_cast<char>(ShownLetter(p, CellIndex(r, c))));
      lines.push_back('\n');
    };
    for (int r = 1; r <= h; ++r) walk(r, 1, 0, 1);
    for (int c = 1; c <= w; ++c) walk(1, c, 1, 0);
    for (int c = 1; c <= w; ++c) walk(1, c, 1, 1);
    for (int r = 2; r <= h; ++r) walk(r, 1, 1, 1);
    for (int c = 1; c <= w; ++c) walk(1, c, 1, -1);
    for (int r = 2; r <= h; ++r) walk(r, w, 1, -1);
    const std::string_view view(lines);
    for (const std::string& e : entries_) {
      if (view.find(e) != std::string_view::npos) return true;
      const std::string back(e.rbegin(), e.rend());
      if (view.find(back) != std::string_view::npos) return true;
    }
    return false;
  }

 private:
  std::vector<std::string> entries_;
};

void RunWorkload(benchmark::State& state, const char* file, int size, int threads) {
  const std::vector<std::string> words = ReadWords(file);
  auto puzzle = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*puzzle);
  puzzle->wordCount = static_cast<int16_t>(words.size());
  for (size_t i = 0; i < words.size(); ++i) puzzle->words[i].Set(words[i]);
  puzzle->gridWidth = puzzle->gridHeight = static_cast<int16_t>(size);
  ShapeRecord shape;
  MakeNewShape(shape);
  shape.shapeWidth = shape.shapeHeight = static_cast<int16_t>(size);

  PlacementOptions options;
  options.integration = 6;
  options.attempts = 999;
  options.shrink = false;
  options.threads = threads;
  const StandInScreen screen;
  auto slots = std::make_unique<CandidateSlots>();
  PlacementOutcome outcome;
  uint64_t seed = 1;
  for (auto _ : state) {
    options.seed = seed++;
    outcome = RunPlacementEngine(*puzzle, shape, options, screen, *slots);
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["tries"] = outcome.tries;
  state.counters["refused"] = outcome.refusedTries;
  state.counters["best"] = (*slots)[0].score;
  state.counters["words"] = static_cast<double>(words.size());
}

void BM_W1_Small(benchmark::State& s) {
  RunWorkload(s, "w1_animals.txt", 15, int(s.range(0)));
}
void BM_W2_Medium(benchmark::State& s) {
  RunWorkload(s, "w2_kitchen.txt", 20, int(s.range(0)));
}
void BM_W3_Overfull(benchmark::State& s) {
  RunWorkload(s, "w3_mixed.txt", 30, int(s.range(0)));
}

// Argument: worker threads (0 = one per core, at most two; 1 = everything on the caller).
BENCHMARK(BM_W1_Small)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();
BENCHMARK(BM_W2_Medium)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();
BENCHMARK(BM_W3_Overfull)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->Iterations(1)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace
