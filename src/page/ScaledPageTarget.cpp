// A page drawn scaled onto part of another page.
#include "page/ScaledPageTarget.h"

#include <algorithm>
#include <cmath>

namespace gw {

ScaledPageTarget::ScaledPageTarget(PageTarget& target, double pageWidth, double pageHeight,
                                   double scale, double left, double top)
    : t_(target),
      pageWidth_(pageWidth),
      pageHeight_(pageHeight),
      scale_(scale > 0 ? scale : 1),
      left_(left),
      top_(top) {}

int ScaledPageTarget::PrintedSize(int points) const {
  return std::max(1, static_cast<int>(std::lround(points * scale_)));
}

void ScaledPageTarget::SetFont(const ReportFont& font) {
  ReportFont scaled = font;
  scaled.size = PrintedSize(font.size);
  t_.SetFont(scaled);
}

void ScaledPageTarget::PrintAt(double x, double y, const std::string& text) {
  t_.PrintAt(X(x), Y(y), text);
}

void ScaledPageTarget::PrintTopLeft(double x, double y, const std::string& text) {
  t_.PrintTopLeft(X(x), Y(y), text);
}

void ScaledPageTarget::MoveTo(double x, double y) {
  t_.MoveTo(X(x), Y(y));
}

void ScaledPageTarget::LineTo(double x, double y) {
  t_.LineTo(X(x), Y(y));
}

void ScaledPageTarget::Arc(double x1, double y1, double x2, double y2, double x3, double y3,
                           double x4, double y4) {
  t_.Arc(X(x1), Y(y1), X(x2), Y(y2), X(x3), Y(y3), X(x4), Y(y4));
}

void ScaledPageTarget::Ellipse(double x1, double y1, double x2, double y2) {
  t_.Ellipse(X(x1), Y(y1), X(x2), Y(y2));
}

void ScaledPageTarget::FillRect(double x1, double y1, double x2, double y2) {
  t_.FillRect(X(x1), Y(y1), X(x2), Y(y2));
}

void ScaledPageTarget::StretchBitmap(double x1, double y1, double x2, double y2,
                                     const QImage& picture) {
  t_.StretchBitmap(X(x1), Y(y1), X(x2), Y(y2), picture);
}

}  // namespace gw
