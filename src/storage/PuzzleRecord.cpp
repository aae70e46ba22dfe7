// Puzzle record initialisation and safe accessors.
#include "storage/PuzzleRecord.h"

#include <algorithm>
#include <cstring>

namespace gw {

void InitNewPuzzle(PuzzleRecord& puzzle) {
  std::memset(&puzzle, 0, sizeof puzzle);
  puzzle.gridWidth = 15;
  puzzle.gridHeight = 15;
  // Grids start as spaces (empty cells) rather than zero (outside the shape).
  std::memset(puzzle.letterGrid, ' ', kGridCells);
  std::memset(puzzle.fillGrid, ' ', kGridCells);
}

int ClampedGridWidth(const PuzzleRecord& p) {
  return std::clamp<int>(p.gridWidth, 1, 50);
}
int ClampedGridHeight(const PuzzleRecord& p) {
  return std::clamp<int>(p.gridHeight, 1, 50);
}
int ClampedWordCount(const PuzzleRecord& p) {
  return std::clamp<int>(p.wordCount, 0, kMaxWords);
}

}  // namespace gw
