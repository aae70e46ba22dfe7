// Stored-candidate fields.
#include "generator/CandidateSave.h"

#include <algorithm>

namespace gw {

void MarkCandidateStored(PuzzleRecord& puzzle, const CandidateSlot& slot) {
  puzzle.puzzleGenerated = 1;
  puzzle.version.Set("3.0");
  std::fill(std::begin(puzzle.wordPlaced), std::end(puzzle.wordPlaced), 0);
  for (int i = 0; i < ClampedWordCount(puzzle); ++i) puzzle.wordPlaced[i] = slot.placed[i];
}

}  // namespace gw
