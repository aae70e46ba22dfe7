// About how many words of a list will fit a shape: a few quick attempts of the placement engine.
#pragma once

#include <functional>
#include <optional>

#include "generator/PlacementEngine.h"

namespace gw {

struct FitEstimate {
  int fit = 0;    // about this many words
  int words = 0;  // of this many
};

// The counted attempts an estimate runs.
constexpr int kEstimateAttempts = 24;

// About how many of the words of `list` the best of 999 attempts would place in `shape` with the
// directions and integration of `options` (the grid is the shape's; its attempts, seed, shrink
// and threads are not used). The attempts run on the calling thread; `cancelled` is asked
// between them, and a true answer ends the estimate without a result.
std::optional<FitEstimate> EstimateFit(const PuzzleRecord& list, const ShapeRecord& shape,
                                       const PlacementOptions& options, const AttemptScreen& screen,
                                       const std::function<bool()>& cancelled = {});

}  // namespace gw
