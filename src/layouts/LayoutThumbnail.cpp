// Layout thumbnails: page in white, objects filled with their kind's colour.
#include "layouts/LayoutThumbnail.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace gw {

namespace {

QColor KindColor(int kind) {
  switch (kind) {
    case kKindTitle:
      return QColor(255, 255, 0);
    case kKindPuzzle:
      return QColor(128, 0, 0);
    case kKindWords:
      return QColor(0, 128, 128);
    case kKindBonus:
      return QColor(255, 0, 255);
    case kKindBitmap:
      return QColor(255, 255, 255);
    default:
      return QColor(128, 128, 128);
  }
}

int Trunc(double v) {
  return static_cast<int>(v);
}

void DrawPageItem(QPainter& p, const LayoutObject& object, double s, QSize page) {
  const LayoutBounds& b = object.bounds;
  const int left = Trunc(b.left * s), top = Trunc(b.top * s);
  const int right = Trunc(b.right * s), bottom = Trunc(b.bottom * s);
  // Right and bottom edges are excluded from fills, as the page box is.
  const QRect r(left, top, right - left, bottom - top);
  const QColor fill = KindColor(object.kind);
  p.setPen(QPen(Qt::black, 0, Qt::SolidLine));
  if (object.kind == kKindCircle) {
    p.setBrush(fill);
    p.drawEllipse(r);
    return;
  }
  p.fillRect(r, fill);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 0, object.kind == kKindBitmap ? Qt::DotLine : Qt::SolidLine));
  if (object.kind == kKindBitmap && object.optionA)
    p.drawPolygon(
        QPolygon({{0, 0}, {page.width(), 0}, {page.width(), page.height()}, {0, page.height()}}));
  else
    p.drawPolygon(QPolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}}));
  const int n = object.kind == kKindWords ? object.columns : 1;
  if (n >= 2 && n <= 9) {
    const int w = (right - left) / n;
    p.setPen(QPen(Qt::black, 0, Qt::DotLine));
    for (int k = 1; k < n; ++k) p.drawLine(left + k * w, top, left + k * w, bottom);
  }
}

}  // namespace

void DrawPageBox(QImage& image, const PageLayout& layout) {
  image.fill(QGuiApplication::palette().color(QPalette::Button));
  if (layout.pixelWidth <= 0 || layout.pixelHeight <= 0) return;
  const double s = std::min(static_cast<double>(image.width()) / layout.pixelWidth,
                            static_cast<double>(image.height()) / layout.pixelHeight);
  const QSize page(Trunc(layout.pixelWidth * s), Trunc(layout.pixelHeight * s));
  QPainter p(&image);
  p.fillRect(QRect(0, 0, page.width(), page.height()), Qt::white);
  for (const LayoutObject* object : DrawnObjects(layout)) DrawPageItem(p, *object, s, page);
}

}  // namespace gw
