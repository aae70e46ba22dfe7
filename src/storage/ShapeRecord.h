// Puzzle shape record: which cells of the 50 x 50 grid take part in a puzzle.
#pragma once

#include <cstddef>
#include <cstdint>

#include "storage/PString.h"

namespace gw {

#pragma pack(push, 1)
struct ShapeRecord {
  PString<50> shapeName;
  int16_t shapeWidth;
  int16_t shapeHeight;
  uint8_t cells[2500];  // cell index k = (row - 1) * 50 + column is cells[k - 1]; non-zero = usable

  bool Usable(int row, int column) const { return cells[(row - 1) * 50 + (column - 1)] != 0; }
  void SetCell(int row, int column, bool usable) {
    cells[(row - 1) * 50 + (column - 1)] = usable ? 1 : 0;
  }
};
#pragma pack(pop)

static_assert(offsetof(ShapeRecord, shapeName) == 0);
static_assert(offsetof(ShapeRecord, shapeWidth) == 51);
static_assert(offsetof(ShapeRecord, shapeHeight) == 53);
static_assert(offsetof(ShapeRecord, cells) == 55);
static_assert(sizeof(ShapeRecord) == 2555);

// "New Layout", 30 x 30, every cell usable: the state of a new shape and of CurrentShape at start.
void MakeNewShape(ShapeRecord& shape);

// Width and height clamped to 1..50, so a damaged record can be listed and drawn safely.
inline int ClampedShapeWidth(const ShapeRecord& s) {
  return s.shapeWidth < 1 ? 1 : (s.shapeWidth > 50 ? 50 : s.shapeWidth);
}
inline int ClampedShapeHeight(const ShapeRecord& s) {
  return s.shapeHeight < 1 ? 1 : (s.shapeHeight > 50 ? 50 : s.shapeHeight);
}

}  // namespace gw
