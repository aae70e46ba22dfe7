// One placement attempt: the words sorted, placed one by one, trimmed and ordered.
#pragma once

#include <array>
#include <cstdint>

#include "generator/PlacementEngine.h"
#include "shell/Random.h"

namespace gw {

// Builds attempts for one run. Read-only after construction, so several threads may build
// attempts from it at once, each with its own scratch.
class AttemptBuilder {
 public:
  AttemptBuilder(const PuzzleRecord& preRun, const ShapeRecord& shape,
                 const PlacementOptions& options);

  // Rebuilds `work` from the pre-run copy with the random stream `rng`; returns the score.
  // `placed` receives the placed flags in the final word order (0 beyond the words).
  int Build(Rng& rng, PuzzleRecord& work, std::array<uint8_t, kMaxWords>& placed) const;

  const PuzzleRecord& PreRun() const { return preRun_; }

 private:
  bool PlaceWord(int i, Rng& rng, PuzzleRecord& work) const;
  bool ScanDirection(int i, int d, int threshold, const std::string& letters, Rng& rng,
                     PuzzleRecord& work) const;

  const PuzzleRecord& preRun_;
  const ShapeRecord& shape_;
  std::array<bool, 9> directions_;
  int integration_;
  bool shrink_;
  int width_, height_;
};

}  // namespace gw
