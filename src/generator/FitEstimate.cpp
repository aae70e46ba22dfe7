// The fit estimate: a few of the engine's own attempts, and where the best of many would lie.
#include "generator/FitEstimate.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

namespace gw {

namespace {

class CancelBetweenAttempts : public PlacementProgress {
 public:
  explicit CancelBetweenAttempts(const std::function<bool()>& cancelled) : cancelled_(cancelled) {}
  void AttemptStarting(int) override {}
  bool AbortRequested() override { return cancelled_ && cancelled_(); }

 private:
  const std::function<bool()>& cancelled_;
};

// The best of 999 attempts lies this many standard deviations of the attempts' scores above
// their mean: fitted on the sample and bench lists in shapes of 10 x 10 to 30 x 30, all eight,
// four and two directions, where it stays within 8 % of full runs (the expected maximum of 999
// normal draws, 3.24, overshoots: scores cannot pass what the grid holds).
constexpr double kBestAboveMean = 2.8;

}  // namespace

std::optional<FitEstimate> EstimateFit(const PuzzleRecord& list, const ShapeRecord& shape,
                                       const PlacementOptions& options, const AttemptScreen& screen,
                                       const std::function<bool()>& cancelled) {
  auto puzzle = std::make_unique<PuzzleRecord>(list);
  puzzle->gridWidth = static_cast<int16_t>(ClampedShapeWidth(shape));
  puzzle->gridHeight = static_cast<int16_t>(ClampedShapeHeight(shape));
  PlacementOptions o;
  o.directions = options.directions;
  o.integration = options.integration;
  o.attempts = kEstimateAttempts;
  // The same input gives the same figure, so it does not flicker as the user types.
  o.seed = 1;
  o.threads = 1;
  CancelBetweenAttempts progress(cancelled);
  auto slots = std::make_unique<CandidateSlots>();
  const PlacementOutcome run = RunPlacementEngine(*puzzle, shape, o, screen, *slots, &progress);
  if (run.aborted) return std::nullopt;

  FitEstimate estimate;
  estimate.words = ClampedWordCount(*puzzle);
  const int best = (*slots)[0].score;
  const int n = run.attemptsRun;
  if (n > 1) {
    const double mean = std::accumulate(run.placedIn.begin(), run.placedIn.end(), 0.0) / n;
    const double variance =
        std::max(0.0, (static_cast<double>(run.scoreSquares) - n * mean * mean) / (n - 1));
    const int far = static_cast<int>(std::lround(mean + kBestAboveMean * std::sqrt(variance)));
    estimate.fit = std::clamp(far, best, estimate.words);
  } else {
    estimate.fit = best;
  }
  return estimate;
}

}  // namespace gw
