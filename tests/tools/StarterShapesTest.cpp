// The starter shape library built from data/shapes.
#include <gtest/gtest.h>

#include <set>

#include "shapes/ShapeEditing.h"
#include "shapes/ShapeLibrary.h"
#include "support/TempDir.h"

namespace gw {
namespace {

TEST(StarterShapes, EveryShapeIsWellFormedAndWorthAPuzzle) {
  const std::string library = GW_STARTER_SHAPES;
  EXPECT_EQ(test::FileSize(library) % 2555, 0);
  const std::vector<ShapeEntry> entries = ListShapes(library).value();
  ASSERT_GE(entries.size(), 12u);

  std::set<std::string> names;
  for (const ShapeEntry& entry : entries) {
    ShapeRecord shape;
    ASSERT_TRUE(ReadShape(library, entry.tag, shape));
    const std::string name = shape.shapeName.Get();
    SCOPED_TRACE(entry.text);
    names.insert(name);
    EXPECT_FALSE(name.empty());
    EXPECT_LE(shape.shapeName.length, 50);
    EXPECT_GE(shape.shapeWidth, 5);
    EXPECT_LE(shape.shapeWidth, 30);
    EXPECT_GE(shape.shapeHeight, 5);
    EXPECT_LE(shape.shapeHeight, 30);
    EXPECT_GE(UsableCells(shape), 25);
    // Each drawing touches all four edges of its box, so no row or column is wasted.
    bool top = false, bottom = false, left = false, right = false;
    for (int c = 1; c <= shape.shapeWidth; ++c) {
      top |= shape.Usable(1, c);
      bottom |= shape.Usable(shape.shapeHeight, c);
    }
    for (int r = 1; r <= shape.shapeHeight; ++r) {
      left |= shape.Usable(r, 1);
      right |= shape.Usable(r, shape.shapeWidth);
    }
    EXPECT_TRUE(top && bottom && left && right);
  }
  for (const char* wanted : {"Square", "Circle", "Heart", "Star", "Diamond", "Triangle", "Tree",
                             "House", "Cross", "Ring"})
    EXPECT_TRUE(names.count(wanted)) << wanted;
}

}  // namespace
}  // namespace gw
