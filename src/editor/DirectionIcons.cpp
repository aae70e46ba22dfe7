// Direction arrows, drawn pointing up and rotated by 45 degrees per direction.
#include "editor/DirectionIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace gw {

QIcon DirectionIcon(int direction) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(20 * scale, 20 * scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.translate(10, 10);
    p.rotate(45.0 * (direction - 1));
    QPainterPath arrow;
    arrow.moveTo(0, -8);
    arrow.lineTo(6, -1);
    arrow.lineTo(2, -1);
    arrow.lineTo(2, 8);
    arrow.lineTo(-2, 8);
    arrow.lineTo(-2, -1);
    arrow.lineTo(-6, -1);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(52, 104, 196));
    p.drawPath(arrow);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace gw
