// Speed of a whole generation run on three word lists: small, medium and overfull.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "generator/OffensiveWords.h"
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
  // The real screen over the built-in list, without the entries the words themselves spell.
  const std::vector<std::string> entries(BuiltInOffensiveWords().begin(),
                                         BuiltInOffensiveWords().end());
  const OffensiveScreen offensive(EntriesClearOfWords(entries, *puzzle));
  auto slots = std::make_unique<CandidateSlots>();
  PlacementOutcome outcome;
  uint64_t seed = 1;
  for (auto _ : state) {
    options.seed = seed++;
    outcome = RunPlacementEngine(*puzzle, shape, options, offensive, *slots);
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["tries"] = outcome.tries;
  state.counters["refused"] = outcome.refusedTries;
  state.counters["best"] = (*slots)[0].score;
  state.counters["words"] = static_cast<double>(words.size());
  state.counters["threads"] = outcome.threads;
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

// Argument: threads (0 = one per core, the default; 1 = everything on the caller's thread).
BENCHMARK(BM_W1_Small)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_W2_Medium)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_W3_Overfull)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->Iterations(1)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
