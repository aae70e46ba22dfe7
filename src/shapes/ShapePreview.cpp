// Shape grid drawing, pixel for pixel as the grid is laid out: cell (r, c) spans
// ((c - 1)s, (r - 1)s)..(cs, rs), its line on the top and left, its inside one pixel in.
#include "shapes/ShapePreview.h"

#include <QPainter>

namespace gw {

namespace {
// Light enough to part black cells, dark enough to outline white ones.
const QColor kPreviewLine(160, 160, 160);
}  // namespace

void PaintShapeCell(QImage& image, ShapeCell cell, int cellSize, const QColor& color) {
  QPainter p(&image);
  p.fillRect((cell.column - 1) * cellSize + 1, (cell.row - 1) * cellSize + 1, cellSize - 1,
             cellSize - 1, color);
}

void DrawShapeGrid(QImage& image, const ShapeRecord& shape, int cellSize, const QColor& cellColor,
                   const QColor& background, const QColor& lineColor) {
  const int width = ClampedShapeWidth(shape);
  const int height = ClampedShapeHeight(shape);
  const int s = cellSize;
  QPainter p(&image);
  p.fillRect(image.rect(), background);
  p.fillRect(0, 0, width * s, height * s, Qt::white);
  // Lines end one pixel short of their end point and are drawn as one-pixel rectangles, so no
  // pen or antialiasing rule can widen them.
  for (int i = 0; i <= height; ++i) p.fillRect(0, i * s, width * s, 1, lineColor);
  for (int j = 0; j <= width; ++j) p.fillRect(j * s, 0, 1, height * s, lineColor);
  if (s > 1)
    for (int r = 1; r <= height; ++r)
      for (int c = 1; c <= width; ++c)
        if (shape.Usable(r, c))
          p.fillRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1, cellColor);
}

void DrawShapePreview(QImage& image, const ShapeRecord& shape, const QColor& buttonFace) {
  DrawShapeGrid(image, shape, PreviewCellSize(image.width(), image.height(), shape), Qt::black,
                buttonFace, kPreviewLine);
}

}  // namespace gw
