// Small puzzles for the fill and screen tests.
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "storage/PuzzleRecord.h"

namespace gw::test {

// A width x height puzzle, every cell empty, all fill letters spaces.
inline std::unique_ptr<PuzzleRecord> BlankPuzzle(int width, int height) {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  p->gridWidth = static_cast<int16_t>(width);
  p->gridHeight = static_cast<int16_t>(height);
  return p;
}

// Writes letters into row r from column c onwards.
inline void PutRow(PuzzleRecord& p, int r, int c, const std::string& letters) {
  for (size_t i = 0; i < letters.size(); ++i)
    p.Letter(CellIndex(r, c + static_cast<int>(i))) = static_cast<uint8_t>(letters[i]);
}

// 10 x 10 whose rows 1..7 hold word letters (K, L, M): the 30 cells of rows 8..10 are empty.
inline std::unique_ptr<PuzzleRecord> SeventyLetterPuzzle() {
  auto p = BlankPuzzle(10, 10);
  for (int k = 0; k < 70; ++k)
    p->Letter(CellIndex(k / 10 + 1, k % 10 + 1)) = static_cast<uint8_t>('K' + k % 3);
  return p;
}

}  // namespace gw::test
