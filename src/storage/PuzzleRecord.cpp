// Puzzle record initialisation and safe accessors.
#include "storage/PuzzleRecord.h"

#include <algorithm>
#include <cstring>

#include "base/TextUtils.h"

namespace gw {

void InitNewPuzzle(PuzzleRecord& puzzle) {
  std::memset(&puzzle, 0, sizeof puzzle);
  puzzle.gridWidth = 15;
  puzzle.gridHeight = 15;
  // Grids start as spaces (empty cells) rather than zero (outside the shape).
  std::memset(puzzle.letterGrid, ' ', kGridCells);
  std::memset(puzzle.fillGrid, ' ', kGridCells);
}

bool PuzzleDiffers(const PuzzleRecord& a, const PuzzleRecord& b) {
  if (!SameText(a.bonusQuestion, b.bonusQuestion) || !SameText(a.title, b.title) ||
      !SameText(a.category, b.category))
    return true;
  for (int i = 1; i <= kMaxWords; ++i)
    if (!SameText(a.Word(i), b.Word(i)) || !SameText(a.Clue(i), b.Clue(i))) return true;
  // A new hidden phrase would otherwise be lost silently on Exit.
  if (a.hiddenPhraseUsed != b.hiddenPhraseUsed ||
      std::memcmp(a.fillGrid, b.fillGrid, sizeof a.fillGrid) != 0)
    return true;
  const PageLayout& la = a.pageLayout;
  const PageLayout& lb = b.pageLayout;
  return !SameText(la.layoutName, lb.layoutName) || !SameText(la.paperName, lb.paperName) ||
         la.pageWidth != lb.pageWidth || la.pageHeight != lb.pageHeight ||
         la.pixelWidth != lb.pixelWidth || la.pixelHeight != lb.pixelHeight ||
         la.inches != lb.inches || la.objectCount != lb.objectCount || la.portrait != lb.portrait ||
         la.zoom != lb.zoom;
}

void PrepareCopy(PuzzleRecord& puzzle) {
  puzzle.title.Set(CopyName(puzzle.title.Get(), 35));
  std::fill(std::begin(puzzle.wordPlaced), std::end(puzzle.wordPlaced), 0);
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
