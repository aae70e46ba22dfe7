// A plain, rule-by-rule generation run that the fast engine must match byte for byte.
#pragma once

#include "generator/PlacementEngine.h"

namespace gw::test {

// One try after the other on the caller's thread: bubble sorts, a cell-by-cell start scan and
// slot copies, with the same per-try random streams as the engine.
PlacementOutcome ReferenceRun(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                              const PlacementOptions& options, const AttemptScreen& screen,
                              CandidateSlots& slots, PlacementProgress* progress = nullptr);

}  // namespace gw::test
