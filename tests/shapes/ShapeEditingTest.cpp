// Shape editor mask operations without widgets.
#include <gtest/gtest.h>

#include <memory>

#include <cstring>

#include "shapes/ShapeEditing.h"

namespace gw {
namespace {

ShapeRecord Blank(int width, int height) {
  ShapeRecord s;
  std::memset(&s, 0, sizeof s);
  s.shapeWidth = static_cast<int16_t>(width);
  s.shapeHeight = static_cast<int16_t>(height);
  return s;
}

// Rows 1..height as '#' and '.'.
std::string Picture(const ShapeRecord& s) {
  std::string out;
  for (int r = 1; r <= s.shapeHeight; ++r) {
    for (int c = 1; c <= s.shapeWidth; ++c) out += s.Usable(r, c) ? '#' : '.';
    out += '\n';
  }
  return out;
}

ShapeRecord FromPicture(const std::string& picture) {
  const size_t width = picture.find('\n');
  const size_t height = picture.size() / (width + 1);
  ShapeRecord s = Blank(static_cast<int>(width), static_cast<int>(height));
  for (size_t r = 0; r < height; ++r)
    for (size_t c = 0; c < width; ++c)
      s.SetCell(static_cast<int>(r + 1), static_cast<int>(c + 1),
                picture[r * (width + 1) + c] == '#');
  return s;
}

TEST(ShapeEditing, CellSizeAndPixelMapping) {
  EXPECT_EQ(EditorCellSize(401, 401, Blank(30, 30)), 12);
  EXPECT_EQ(EditorCellSize(401, 401, Blank(5, 30)), 12) << "the height still rules";
  EXPECT_EQ(EditorCellSize(401, 401, Blank(5, 5)), 79);
  EXPECT_EQ(PreviewCellSize(240, 240, Blank(30, 30)), 8);
  EXPECT_EQ(PreviewCellSize(148, 148, Blank(6, 5)), 24);
  ShapeRecord damaged = Blank(0, -7);
  EXPECT_EQ(EditorCellSize(401, 401, damaged), 400) << "drawn as 1 x 1";
  EXPECT_EQ(EditorCellSize(3, 3, Blank(30, 30)), 1);

  EXPECT_EQ(CellAt(0, 0, 12), (ShapeCell{1, 1}));
  EXPECT_EQ(CellAt(11, 24, 12), (ShapeCell{3, 1}));
  EXPECT_EQ(CellAt(12, 359, 12), (ShapeCell{30, 2}));
  EXPECT_EQ(CellAt(-1, -13, 12), (ShapeCell{-1, 0})) << "left of and above the image";
}

TEST(ShapeEditing, ShiftsMoveInsideTheAreaAndClearTheEdgeTheyLeave) {
  ShapeRecord s = FromPicture(
      "#...#\n"
      "#.#.#\n"
      "#...#\n");
  s.SetCell(2, 6, true);  // outside the area: never moved
  ShiftLeft(s);
  EXPECT_EQ(Picture(s),
            "...#.\n"
            ".#.#.\n"
            "...#.\n");
  ShiftRight(s);
  EXPECT_EQ(Picture(s),
            "....#\n"
            "..#.#\n"
            "....#\n");
  ShiftUp(s);
  EXPECT_EQ(Picture(s),
            "..#.#\n"
            "....#\n"
            ".....\n");
  ShiftDown(s);
  EXPECT_EQ(Picture(s),
            ".....\n"
            "..#.#\n"
            "....#\n");
  EXPECT_TRUE(s.Usable(2, 6));
}

TEST(ShapeEditing, ReverseInvertsEveryCellAndTwiceRestores) {
  ShapeRecord s = FromPicture("#.#..\n.....\n....#\n.....\n#....\n");
  s.cells[2499] = 1;
  const ShapeRecord before = s;
  ReverseCells(s);
  EXPECT_FALSE(s.Usable(1, 1));
  EXPECT_TRUE(s.Usable(2, 2));
  EXPECT_FALSE(s.Usable(50, 50)) << "also outside the width x height area";
  EXPECT_TRUE(s.Usable(40, 40));
  ReverseCells(s);
  EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0);
}

TEST(ShapeEditing, FillInsideARingFillsExactlyItsInside) {
  ShapeRecord s = FromPicture(
      "..........\n"
      "..######..\n"
      "..#....#..\n"
      "..#....#..\n"
      "..#....#..\n"
      "..######..\n"
      "..........\n");
  const std::vector<ShapeCell> changed = FillRegion(s, {4, 5});
  EXPECT_EQ(changed.size(), 12u);
  EXPECT_EQ(Picture(s),
            "..........\n"
            "..######..\n"
            "..######..\n"
            "..######..\n"
            "..######..\n"
            "..######..\n"
            "..........\n");
  // Filling a usable cell empties its region: here the whole block.
  FillRegion(s, {2, 3});
  EXPECT_EQ(UsableCells(s), 0);
}

TEST(ShapeEditing, FillSpreadsRightFreelyButLeftOnlyOneCellPerRow) {
  // The row scan runs left to right, so a row below the start catches up to the right but only
  // one cell to the left of what it reached from above.
  ShapeRecord left = FromPicture(
      "########..\n"
      "..........\n");
  FillRegion(left, {1, 10});
  EXPECT_EQ(Picture(left),
            "##########\n"
            ".......###\n");
  ShapeRecord right = FromPicture(
      "..########\n"
      "..........\n");
  FillRegion(right, {1, 1});
  EXPECT_EQ(Picture(right),
            "##########\n"
            "#########.\n")
      << "the last column of a further row is reached only from above or below";
}

TEST(ShapeEditing, FillNeverTurnsBackFromItsScanDirection) {
  // Reached only through a detour below the start row and back up: the upward part is missed.
  ShapeRecord s = FromPicture(
      ".#...\n"
      ".#.#.\n"
      "...#.\n");
  FillRegion(s, {1, 1});
  EXPECT_EQ(Picture(s),
            "##...\n"
            "##.#.\n"
            "####.\n");
}

TEST(ShapeEditing, APuzzlesGridIsItsShape) {
  auto puzzle = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*puzzle);
  puzzle->gridWidth = 12;
  puzzle->gridHeight = 7;
  puzzle->Letter(CellIndex(1, 1)) = 0;  // outside the shape
  puzzle->Letter(CellIndex(7, 12)) = 'A';
  ShapeRecord shape;
  MakeNewShape(shape);
  ShapeOfPuzzle(*puzzle, shape);
  EXPECT_EQ(shape.shapeName.Get(), "<Current Puzzle>");
  EXPECT_EQ(shape.shapeWidth, 12);
  EXPECT_EQ(shape.shapeHeight, 7);
  EXPECT_FALSE(shape.Usable(1, 1));
  EXPECT_TRUE(shape.Usable(1, 2));  // an empty cell is usable
  EXPECT_TRUE(shape.Usable(7, 12));
}

}  // namespace
}  // namespace gw
