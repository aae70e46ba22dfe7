// Shape editor mask operations.
#include "shapes/ShapeEditing.h"

#include <algorithm>
#include <array>

namespace gw {

namespace {

// Integer division rounding down, so that pixel -1 belongs to cell 0, not cell 1.
int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

uint8_t& Byte(ShapeRecord& shape, int row, int column) {
  return shape.cells[(row - 1) * 50 + (column - 1)];
}
uint8_t Inverted(uint8_t value) {
  return value == 0 ? 1 : 0;
}

}  // namespace

int EditorCellSize(int imageWidth, int imageHeight, const ShapeRecord& shape) {
  const int s = std::min(imageWidth / ClampedShapeWidth(shape) - 1,
                         imageHeight / ClampedShapeHeight(shape) - 1);
  return std::max(1, s);
}

int PreviewCellSize(int imageWidth, int imageHeight, const ShapeRecord& shape) {
  const int s =
      std::min(imageWidth / ClampedShapeWidth(shape), imageHeight / ClampedShapeHeight(shape));
  return std::max(1, s);
}

ShapeCell CellAt(int x, int y, int cellSize) {
  const int s = std::max(1, cellSize);
  return {FloorDiv(y, s) + 1, FloorDiv(x, s) + 1};
}

bool InsideShape(const ShapeRecord& shape, ShapeCell cell) {
  return cell.row >= 1 && cell.row <= ClampedShapeHeight(shape) && cell.column >= 1 &&
         cell.column <= ClampedShapeWidth(shape);
}

bool ToggleCell(ShapeRecord& shape, ShapeCell cell) {
  if (!InsideShape(shape, cell)) return false;
  uint8_t& b = Byte(shape, cell.row, cell.column);
  b = Inverted(b);
  return true;
}

std::vector<ShapeCell> FillRegion(ShapeRecord& shape, ShapeCell start) {
  if (!InsideShape(shape, start)) return {};
  const int width = ClampedShapeWidth(shape);
  const int height = ClampedShapeHeight(shape);
  const bool target = shape.Usable(start.row, start.column);

  std::array<std::array<bool, 51>, 51> marked{};  // [row][column], 1-based
  auto matches = [&](int r, int c) { return shape.Usable(r, c) == target; };
  marked[start.row][start.column] = true;

  for (int c = start.column - 1; c >= 1 && matches(start.row, c); --c) marked[start.row][c] = true;
  for (int c = start.column + 1; c <= width && matches(start.row, c); ++c)
    marked[start.row][c] = true;

  // One pass over row r; every marking counts, also of a cell marked already.
  auto spread = [&](int r) {
    int marks = 0;
    auto markFrom = [&](int c, int nr, int nc) {
      if (matches(r, c) && marked[nr][nc]) {
        marked[r][c] = true;
        ++marks;
      }
    };
    if (r > 1)
      for (int c = 1; c <= width; ++c) markFrom(c, r - 1, c);
    if (r < height)
      for (int c = 1; c <= width; ++c) markFrom(c, r + 1, c);
    if (width >= 3)
      for (int c = 2; c <= width - 1; ++c) {
        markFrom(c, r, c - 1);
        markFrom(c, r, c + 1);
      }
    return marks > 0;
  };
  for (int r = start.row - 1; r >= 1; --r)
    if (!spread(r)) break;
  for (int r = start.row + 1; r <= height; ++r)
    if (!spread(r)) break;

  std::vector<ShapeCell> changed;
  for (int r = 1; r <= height; ++r)
    for (int c = 1; c <= width; ++c)
      if (marked[r][c]) {
        uint8_t& b = Byte(shape, r, c);
        b = Inverted(b);
        changed.push_back({r, c});
      }
  return changed;
}

void ShiftLeft(ShapeRecord& shape) {
  const int width = ClampedShapeWidth(shape);
  for (int r = 1; r <= ClampedShapeHeight(shape); ++r) {
    for (int c = 2; c <= width; ++c) Byte(shape, r, c - 1) = Byte(shape, r, c);
    Byte(shape, r, width) = 0;
  }
}

void ShiftRight(ShapeRecord& shape) {
  const int width = ClampedShapeWidth(shape);
  for (int r = 1; r <= ClampedShapeHeight(shape); ++r) {
    for (int c = width; c >= 2; --c) Byte(shape, r, c) = Byte(shape, r, c - 1);
    Byte(shape, r, 1) = 0;
  }
}

void ShiftUp(ShapeRecord& shape) {
  const int height = ClampedShapeHeight(shape);
  for (int c = 1; c <= ClampedShapeWidth(shape); ++c) {
    for (int r = 2; r <= height; ++r) Byte(shape, r - 1, c) = Byte(shape, r, c);
    Byte(shape, height, c) = 0;
  }
}

void ShiftDown(ShapeRecord& shape) {
  const int height = ClampedShapeHeight(shape);
  for (int c = 1; c <= ClampedShapeWidth(shape); ++c) {
    for (int r = height; r >= 2; --r) Byte(shape, r, c) = Byte(shape, r - 1, c);
    Byte(shape, 1, c) = 0;
  }
}

void ReverseCells(ShapeRecord& shape) {
  for (uint8_t& b : shape.cells) b = Inverted(b);
}

int UsableCells(const ShapeRecord& shape) {
  int count = 0;
  for (int r = 1; r <= ClampedShapeHeight(shape); ++r)
    for (int c = 1; c <= ClampedShapeWidth(shape); ++c) count += shape.Usable(r, c) ? 1 : 0;
  return count;
}

void ShapeOfPuzzle(const PuzzleRecord& puzzle, ShapeRecord& shape) {
  shape.shapeWidth = puzzle.gridWidth;
  shape.shapeHeight = puzzle.gridHeight;
  shape.shapeName.Set("<Current Puzzle>");
  for (int k = 0; k < kGridCells; ++k) shape.cells[k] = puzzle.letterGrid[k] != 0 ? 1 : 0;
}

}  // namespace gw
