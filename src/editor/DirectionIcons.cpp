// Direction arrows, drawn pointing up and rotated by 45 degrees per direction.
#include "editor/DirectionIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "widgets/SpeedIcons.h"

namespace gw {

QIcon DirectionIcon(int direction) {
  return PaintedIcon(20, [direction](QPainter& p) {
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
  });
}

}  // namespace gw
