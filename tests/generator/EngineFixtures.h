// Puzzles, shapes and grid readers shared by the placement engine tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "generator/PlacementEngine.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw::test {

inline std::unique_ptr<PuzzleRecord> MakePuzzle(const std::vector<std::string>& words, int width,
                                                int height) {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  p->title.Set("Test");
  p->category.Set("Tests");
  p->gridWidth = static_cast<int16_t>(width);
  p->gridHeight = static_cast<int16_t>(height);
  p->wordCount = static_cast<int16_t>(words.size());
  for (size_t i = 0; i < words.size(); ++i) {
    p->words[i].Set(words[i]);
    p->clues[i].Set("clue of " + words[i]);
    // Leftovers of an older grid, which unplaced words carry along.
    p->wordStart[i] = static_cast<int16_t>(1000 + i);
    p->wordEnd[i] = static_cast<int16_t>(2000 + i);
  }
  return p;
}

// A shape whose cells 1..width x 1..height are all usable (and nothing else).
inline ShapeRecord SquareShape(int width, int height) {
  ShapeRecord s;
  MakeNewShape(s);
  s.shapeWidth = static_cast<int16_t>(width);
  s.shapeHeight = static_cast<int16_t>(height);
  for (int r = 1; r <= 50; ++r)
    for (int c = 1; c <= 50; ++c) s.SetCell(r, c, r <= height && c <= width);
  return s;
}

inline PlacementOptions Options(int attempts, int integration, uint64_t seed) {
  PlacementOptions o;
  o.attempts = attempts;
  o.integration = integration;
  o.seed = seed;
  return o;
}

// The cells word i of a slot's record covers, from wordStart to wordEnd.
std::vector<int> WordCells(const PuzzleRecord& p, int i);
// The letters the grid shows along word i's cells.
std::string GridText(const PuzzleRecord& p, int i);

}  // namespace gw::test
