// Speed of a whole generation run on three word lists: small, medium and overfull.
#include <benchmark/benchmark.h>

#include <memory>

#include "Workloads.h"

namespace {

using namespace gw;

void RunWorkload(benchmark::State& state, const char* file, int size, int threads) {
  const bench::Workload w = bench::LoadWorkload(file, size);
  PlacementOptions options;
  options.integration = 6;
  options.attempts = 999;
  options.shrink = false;
  options.threads = threads;
  auto slots = std::make_unique<CandidateSlots>();
  PlacementOutcome outcome;
  uint64_t seed = 1;
  for (auto _ : state) {
    options.seed = seed++;
    outcome = RunPlacementEngine(*w.puzzle, w.shape, options, *w.screen, *slots);
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["tries"] = outcome.tries;
  state.counters["refused"] = outcome.refusedTries;
  state.counters["best"] = (*slots)[0].score;
  state.counters["words"] = w.words;
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
