// Mask operations of the shape editor: cell mapping, toggle, region fill, shifts and reverse.
#pragma once

#include <vector>

#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw {

struct ShapeCell {
  int row;     // 1-based
  int column;  // 1-based
  bool operator==(const ShapeCell&) const = default;
};

// Cell size of the editor image: one pixel less than the largest square cell that fits
// (30 x 30 on 401 pixels gives 12). Never below 1, so tiny images and damaged sizes stay safe.
int EditorCellSize(int imageWidth, int imageHeight, const ShapeRecord& shape);
// Cell size of the list previews: the largest square cell that fits.
int PreviewCellSize(int imageWidth, int imageHeight, const ShapeRecord& shape);

// The cell under pixel (x, y): column x div s + 1, row y div s + 1. Positions left of or above
// the image (a release dragged outside it) give column or row 0 rather than 1.
ShapeCell CellAt(int x, int y, int cellSize);

// Whether the cell lies inside rows 1..height and columns 1..width (sizes clamped to 1..50).
bool InsideShape(const ShapeRecord& shape, ShapeCell cell);

// Inverts one cell. False (nothing changed) when it lies outside the shape.
bool ToggleCell(ShapeRecord& shape, ShapeCell cell);

// The editor's right-click region fill from `start`: the row-scanning fill with its quirks (the
// start row spreads both ways; further rows are reached from the row before them and spread right
// freely but left by at most one cell; the scan up never turns down and vice versa). Inverts
// every cell reached and returns them; nothing when `start` lies outside the shape.
std::vector<ShapeCell> FillRegion(ShapeRecord& shape, ShapeCell start);

// Moves the mask one cell inside the width x height area; the edge it moves away from is
// cleared to 0, the opposite edge is lost. Cells outside the area stay.
void ShiftLeft(ShapeRecord& shape);
void ShiftRight(ShapeRecord& shape);
void ShiftUp(ShapeRecord& shape);
void ShiftDown(ShapeRecord& shape);

// Inverts all 2500 cells, including those outside the width x height area.
void ReverseCells(ShapeRecord& shape);

// Number of usable cells inside the width x height area.
int UsableCells(const ShapeRecord& shape);

// A stored puzzle's own grid as a shape ("<Current Puzzle>"): every cell holding a letter is
// usable, the size is the puzzle's.
void ShapeOfPuzzle(const PuzzleRecord& puzzle, ShapeRecord& shape);

}  // namespace gw
