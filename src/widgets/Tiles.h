// The main window's background tile and its tiling.
#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace gw {

// The 96 x 96 tile shipped with the program.
QImage BackgroundTile();
// Tiles `tile` from the top-left corner: ceil(h / th) rows of ceil(w / tw) tiles.
// Draws nothing when the tile has no width or height.
void PaintTiled(QPainter& painter, const QImage& tile, QSize area);

}  // namespace gw
