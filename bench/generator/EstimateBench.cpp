// The fit estimate on the 60- and 330-word workloads: how long it takes, and how far it lies from
// the best of 999 attempts that "&Create" would find.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "Workloads.h"
#include "base/Settings.h"
#include "generator/FitEstimate.h"

namespace {

using namespace gw;

// Argument: directions, 8 (all) or 2 (Right and Down); Word Integration 6.
void RunEstimate(benchmark::State& state, const char* file, int size) {
  const bench::Workload w = bench::LoadWorkload(file, size);
  PlacementOptions options;
  options.integration = 6;
  if (state.range(0) == 2) {
    options.directions.fill(false);
    options.directions[kRight] = options.directions[kDown] = true;
  }
  std::optional<FitEstimate> estimate;
  for (auto _ : state) {
    estimate = EstimateFit(*w.puzzle, w.shape, options, *w.screen);
    benchmark::DoNotOptimize(estimate);
  }
  // Full runs of three seeds, outside the timing: the error is the largest against any of them.
  options.attempts = 999;
  double worst = 0, best = 0;
  for (uint64_t seed = 1; seed <= 3; ++seed) {
    options.seed = seed;
    auto slots = std::make_unique<CandidateSlots>();
    RunPlacementEngine(*w.puzzle, w.shape, options, *w.screen, *slots);
    const int score = (*slots)[0].score;
    best += score / 3.0;
    const double error = 100.0 * (estimate->fit - score) / score;
    if (std::abs(error) > std::abs(worst)) worst = error;
  }
  state.counters["estimate"] = estimate->fit;
  state.counters["best999"] = best;
  state.counters["error_pct"] = worst;
  state.counters["words"] = w.words;
}

void BM_Estimate_W2(benchmark::State& s) {
  RunEstimate(s, "w2_kitchen.txt", 20);
}
// The same list in a 15 x 15 square, which takes about three fifths of it.
void BM_Estimate_W2_Crowded(benchmark::State& s) {
  RunEstimate(s, "w2_kitchen.txt", 15);
}
void BM_Estimate_W3(benchmark::State& s) {
  RunEstimate(s, "w3_mixed.txt", 30);
}

BENCHMARK(BM_Estimate_W2)
    ->Arg(8)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_Estimate_W2_Crowded)
    ->Arg(8)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_Estimate_W3)
    ->Arg(8)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
