// Background tiling.
#include "widgets/Tiles.h"

#include <QPainter>

namespace gw {

QImage BackgroundTile() {
  return QImage(QStringLiteral(":/gridwright/background.png"));
}

void PaintTiled(QPainter& painter, const QImage& tile, QSize area) {
  if (tile.width() <= 0 || tile.height() <= 0) return;
  const int rows = (area.height() + tile.height() - 1) / tile.height();
  const int columns = (area.width() + tile.width() - 1) / tile.width();
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      painter.drawImage(tile.width() * column, tile.height() * row, tile);
}

}  // namespace gw
