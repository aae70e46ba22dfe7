// Drawing a shape's grid into an image: the black list previews and the editor's red grid.
#pragma once

#include <QColor>
#include <QImage>

#include "shapes/ShapeEditing.h"
#include "storage/ShapeRecord.h"

namespace gw {

// Fills the image with `background`, the width x height field of `cellSize` pixels white, draws
// the grid lines at every multiple of the cell size and fills each usable cell inside its lines
// with `cellColor`. Lines that land on the image's edge fall outside it and are clipped.
void DrawShapeGrid(QImage& image, const ShapeRecord& shape, int cellSize, const QColor& cellColor,
                   const QColor& background, const QColor& lineColor = Qt::black);

// Repaints the inside of one cell (its grid lines stay).
void PaintShapeCell(QImage& image, ShapeCell cell, int cellSize, const QColor& color);

// The list preview: largest square cells that fit, usable cells black between grey lines, so a
// full square still shows how many cells it has.
void DrawShapePreview(QImage& image, const ShapeRecord& shape, const QColor& buttonFace);

}  // namespace gw
