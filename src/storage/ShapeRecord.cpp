// Shape record defaults.
#include "storage/ShapeRecord.h"

#include <cstring>

namespace gw {

void MakeNewShape(ShapeRecord& shape) {
  std::memset(&shape, 0, sizeof shape);
  shape.shapeName.Set("New Layout");
  shape.shapeWidth = 30;
  shape.shapeHeight = 30;
  std::memset(shape.cells, 1, sizeof shape.cells);
}

}  // namespace gw
