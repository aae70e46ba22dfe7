// Stored-candidate fields.
#include "generator/CandidateSave.h"

#include <algorithm>

namespace gw {

int ExcludedWordCount(const CandidateSlot& slot, int listWordCount) {
  int excluded = 0;
  for (int t = 0; t < std::clamp(listWordCount, 0, kMaxWords); ++t)
    if (slot.placed[t] != 1) ++excluded;
  return excluded;
}

void MarkCandidateStored(PuzzleRecord& puzzle, const CandidateSlot& slot) {
  puzzle.puzzleGenerated = 1;
  puzzle.version.Set("3.0");
  std::fill(std::begin(puzzle.wordPlaced), std::end(puzzle.wordPlaced), 0);
  for (int i = 0; i < ClampedWordCount(puzzle); ++i) puzzle.wordPlaced[i] = slot.placed[i];
}

}  // namespace gw
