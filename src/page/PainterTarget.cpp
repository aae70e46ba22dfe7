// The page-drawing layer on a QPainter.
#include "page/PainterTarget.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/TextCodec.h"

namespace gw {

namespace {

QPointF U(double x, double y) {
  return QPointF(x * kUnitsPerInch, y * kUnitsPerInch);
}

QRectF Box(double x1, double y1, double x2, double y2) {
  return QRectF(U(x1, y1), U(x2, y2)).normalized();
}

// Angle in degrees, counterclockwise on the page, of the point of the ellipse inscribed in `box`
// that lies on the ray from its centre through (x, y); Qt's arc angles are of that kind.
double EllipseAngle(const QRectF& box, QPointF point) {
  const double rx = box.width() / 2, ry = box.height() / 2;
  const double dx = point.x() - box.center().x(), dy = box.center().y() - point.y();
  const double a = std::atan2(ry > 0 ? dy / ry : dy, rx > 0 ? dx / rx : dx);
  return a * 180.0 / std::numbers::pi;
}

}  // namespace

PainterTarget::PainterTarget(QPainter& painter, double pageWidth, double pageHeight, double xDpi,
                             double yDpi)
    : p_(painter), pageWidth_(pageWidth), pageHeight_(pageHeight), xDpi_(xDpi), yDpi_(yDpi) {
  p_.save();
  p_.scale(xDpi_ / kUnitsPerInch, yDpi_ / kUnitsPerInch);
  p_.setRenderHint(QPainter::TextAntialiasing, true);
  p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  pen_ = QPen(QColor(Qt::black), kUnitsPerInch / xDpi_);
  pen_.setJoinStyle(Qt::MiterJoin);
}

PainterTarget::~PainterTarget() {
  p_.restore();
}

// Straight lines along the pixel grid stay crisp; curves and slanted lines are smoothed.
void PainterTarget::Smooth(bool on) {
  p_.setRenderHint(QPainter::Antialiasing, on);
}

void PainterTarget::SetPenColor(const QColor& color) {
  pen_.setColor(color);
}

void PainterTarget::SetPenWidth(double inches) {
  widePen_ = inches * xDpi_ > 1;
  pen_.setWidthF(widePen_ ? inches * kUnitsPerInch : kUnitsPerInch / xDpi_);
}

void PainterTarget::PrintAt(double x, double y, const std::string& text) {
  if (text.empty()) return;
  if (textBackground_ == TextBackground::Opaque) {
    Smooth(false);
    p_.fillRect(Box(x, y - Ascent(), x + TextWidth(text), y + Descent()), brush_);
  }
  p_.setFont(measure_.CurrentQFont());
  p_.setPen(measure_.Current().color);
  p_.drawText(U(x, y), ToQString(text));
}

void PainterTarget::PrintTopLeft(double x, double y, const std::string& text) {
  PrintAt(x, y + Ascent(), text);
}

void PainterTarget::MoveTo(double x, double y) {
  position_ = U(x, y);
}

// A one-pixel line along the pixel grid covers the pixels right of and below its points, as on
// any raster device: its centre goes to the middle of those pixels, or rounding would spread it
// over two rows or none. A wider line is centred on its points.
QPointF PainterTarget::PixelCentre(QPointF units) const {
  const double x = std::floor(units.x() * xDpi_ / kUnitsPerInch + 1e-6) + 0.5;
  const double y = std::floor(units.y() * yDpi_ / kUnitsPerInch + 1e-6) + 0.5;
  return QPointF(x * kUnitsPerInch / xDpi_, y * kUnitsPerInch / yDpi_);
}

void PainterTarget::LineTo(double x, double y) {
  const QPointF to = U(x, y);
  const bool slanted = to.x() != position_.x() && to.y() != position_.y();
  Smooth(slanted);
  p_.setPen(pen_);
  if (slanted || widePen_)
    p_.drawLine(position_, to);
  else
    p_.drawLine(PixelCentre(position_), PixelCentre(to));
  position_ = to;
}

void PainterTarget::Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                        double y4) {
  const QRectF box = Box(x1, y1, x2, y2);
  const double start = EllipseAngle(box, U(x3, y3));
  double span = EllipseAngle(box, U(x4, y4)) - start;
  while (span <= 1e-9) span += 360.0;
  QPainterPath path;
  path.arcMoveTo(box, start);
  path.arcTo(box, start, span);
  Smooth(true);
  p_.setPen(pen_);
  p_.setBrush(Qt::NoBrush);
  p_.drawPath(path);
}

void PainterTarget::Ellipse(double x1, double y1, double x2, double y2) {
  Smooth(true);
  p_.setPen(pen_);
  if (brushStyle_ == BrushStyle::Solid)
    p_.setBrush(brush_);
  else
    p_.setBrush(Qt::NoBrush);
  p_.drawEllipse(Box(x1, y1, x2, y2));
}

void PainterTarget::FillRect(double x1, double y1, double x2, double y2) {
  if (brushStyle_ == BrushStyle::Clear) return;
  Smooth(false);
  p_.fillRect(Box(x1, y1, x2, y2), brush_);
}

void PainterTarget::StretchBitmap(double x1, double y1, double x2, double y2,
                                  const QImage& picture) {
  if (picture.isNull()) return;
  p_.drawImage(Box(x1, y1, x2, y2), picture);
}

}  // namespace gw
