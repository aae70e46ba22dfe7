// Drawing the designer's page image and rulers.
#include "designer/DesignPicture.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "layouts/LayoutDesign.h"
#include "page/PageTarget.h"

namespace gw {

namespace {

struct KindLook {
  QColor fill;
  const char* label;
};

// Fill colour and label of every kind but Bitmap (its picture) and Rectangle and Circle (their
// own fill colour).
KindLook LookOf(const LayoutObject& object) {
  const QColor white(Qt::white);
  switch (object.kind) {
    case kKindTitle:
      return {QColor(255, 255, 0), QT_TRANSLATE_NOOP("gw::DesignPicture", "Title")};
    case kKindPuzzle:
      return {QColor(128, 0, 0), QT_TRANSLATE_NOOP("gw::DesignPicture", "Puzzle")};
    case kKindWords:
      return {QColor(0, 128, 128), QT_TRANSLATE_NOOP("gw::DesignPicture", "Word List")};
    case kKindBonus:
      return {QColor(255, 0, 255), QT_TRANSLATE_NOOP("gw::DesignPicture", "Bonus Question")};
    case kKindText:
      return {QColor(192, 192, 192), QT_TRANSLATE_NOOP("gw::DesignPicture", "Text")};
    case kKindRectangle:
      return {object.optionB ? FromLayoutColor(object.fillColor) : white,
              QT_TRANSLATE_NOOP("gw::DesignPicture", "Rectangle")};
    case kKindCircle:
      return {object.optionB ? FromLayoutColor(object.fillColor) : white,
              QT_TRANSLATE_NOOP("gw::DesignPicture", "Circle")};
    default:
      return {white, ""};
  }
}

// Labels stay readable on the dark kinds and on dark fills.
QColor LabelColor(const QColor& fill) {
  return qGray(fill.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

// Outlines are counted in pixels; a damaged width must not draw forever.
int OutlineCount(const LayoutObject& object) {
  return std::clamp<int>(object.borderWidth, 1, 9);
}

// The rectangle whose outline runs along the edge pixels of the bounds, inset by `inset`: the
// fill covers Left..Right-1 and Top..Bottom-1, and so does the outline.
QRect OutlineRect(const LayoutBounds& b, int inset) {
  return QRect(QPoint(b.left + inset, b.top + inset),
               QPoint(b.right - 1 - inset, b.bottom - 1 - inset));
}

QRect FillRect(const LayoutBounds& b) {
  return QRect(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

void DrawLabel(QPainter& p, const LayoutBounds& b, const QString& label, const QColor& fill) {
  const QFontMetrics fm(p.font());
  const QString shown = FitLabel(label, fm, b.right - b.left);
  if (shown.isEmpty()) return;
  const int x = b.left + (b.right - b.left - fm.horizontalAdvance(shown)) / 2;
  const int y = b.top + (b.bottom - b.top - fm.height()) / 2;
  p.setPen(LabelColor(fill));
  p.drawText(x, y + fm.ascent(), shown);
}

void DrawBorders(QPainter& p, const LayoutObject& o, bool ellipse) {
  p.setBrush(Qt::NoBrush);
  if (!o.border) {
    p.setPen(QPen(Qt::black, 0, Qt::DotLine));
    ellipse ? p.drawEllipse(OutlineRect(o.bounds, 0)) : p.drawRect(OutlineRect(o.bounds, 0));
    return;
  }
  p.setPen(QPen(FromLayoutColor(o.borderColor), 0));
  for (int k = 0; k < OutlineCount(o); ++k)
    ellipse ? p.drawEllipse(OutlineRect(o.bounds, k)) : p.drawRect(OutlineRect(o.bounds, k));
}

void DrawAnObject(QPainter& p, const LayoutObject& o, const DesignPictures& pictures, QSize page) {
  const LayoutBounds b = o.bounds;
  if (o.kind == kKindBitmap) {
    const auto found = pictures.find(o.bitmapFile.Get());
    if (found != pictures.end() && !found->second.isNull())
      p.drawImage(FillRect(b), found->second);
    else
      DrawPlaceholder(p, FillRect(b));
    if (o.border) DrawBorders(p, o, false);
    if (o.optionA) {
      // A tiled picture covers the page when printed.
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(Qt::black, 0, Qt::DotLine));
      p.drawRect(0, 0, page.width() - 1, page.height() - 1);
    }
    return;
  }
  const KindLook look = LookOf(o);
  if (o.kind == kKindCircle) {
    p.setPen(QPen(look.fill, 0));
    p.setBrush(look.fill);
    p.drawEllipse(OutlineRect(b, 0));
    DrawBorders(p, o, true);
  } else {
    p.fillRect(FillRect(b), look.fill);
    if (o.kind == kKindPuzzle) {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(Qt::black, 0));
      p.drawRect(OutlineRect(b, 0));
    } else {
      DrawBorders(p, o, false);
    }
    if (o.kind == kKindWords && o.columns > 1) {
      const int n = std::min<int>(o.columns, 9);
      const int w = (b.right - b.left) / n;
      p.setPen(QPen(LabelColor(look.fill), 0, Qt::DotLine));
      for (int k = 1; k < n; ++k) p.drawLine(b.left + k * w, b.top, b.left + k * w, b.bottom - 1);
    }
  }
  DrawLabel(p, b, QCoreApplication::translate("gw::DesignPicture", look.label), look.fill);
}

}  // namespace

QFont PageFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  return font;
}

QString FitLabel(const QString& label, const QFontMetrics& metrics, int width) {
  QString shown = label;
  while (!shown.isEmpty() && metrics.horizontalAdvance(shown) > width) shown.chop(1);
  return shown;
}

void DrawPlaceholder(QPainter& p, const QRect& rect) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  p.fillRect(rect, Qt::white);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(rect.adjusted(0, 0, -1, -1));
  const QFontMetrics fm(p.font());
  const QString shown =
      FitLabel(QCoreApplication::translate("gw::DesignPicture", "Bitmap"), fm, rect.width());
  if (shown.isEmpty()) return;
  p.drawText(rect.left() + (rect.width() - fm.horizontalAdvance(shown)) / 2,
             rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent(), shown);
}

int ScaledPixels(int design, double scale) {
  return static_cast<int>(std::lround(design * scale));
}

void DrawDesignPage(QImage& image, const PageLayout& layout, const DesignPictures& pictures,
                    double scale) {
  image.fill(Qt::white);
  QPainter p(&image);
  p.scale(scale, scale);
  p.setFont(PageFont());
  const QSize page(layout.pixelWidth, layout.pixelHeight);
  for (const LayoutObject* object : DrawnObjects(layout)) DrawAnObject(p, *object, pictures, page);
}

void DrawHandles(QImage& image, const LayoutBounds& bounds, double scale) {
  QPainter p(&image);
  p.scale(scale, scale);
  for (int handle = 1; handle <= 8; ++handle) {
    const HandleSquare s = HandleSquareOf(bounds, handle);
    p.fillRect(QRect(QPoint(s.x0, s.y0), QPoint(s.x1, s.y1)), Qt::black);
  }
}

QImage DrawRuler(double length, int u, bool inches, Qt::Orientation orientation, double scale) {
  const int along = std::max(1, static_cast<int>(length * u));
  const bool across = orientation == Qt::Horizontal;
  const int width = across ? along : kRulerBreadth, height = across ? kRulerBreadth : along;
  QImage image(ScaledPixels(width, scale), ScaledPixels(height, scale), QImage::Format_RGB32);
  image.fill(QColor(255, 0, 0));
  QPainter p(&image);
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(0, 0, image.width() - 1, image.height() - 1);
  p.scale(scale, scale);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);  // 8 points
  p.setFont(font);
  const QFontMetrics fm(font);
  for (const RulerMark& m : RulerMarks(length, u, inches)) {
    if (across)
      p.drawLine(m.at, m.from, m.at, kRulerBreadth - 1);
    else
      p.drawLine(m.from, m.at, kRulerBreadth - 1, m.at);
    if (m.number == 0) continue;
    const QString n = QString::number(m.number);
    if (across)
      p.drawText(m.at - 3, 1 + fm.ascent(), n);
    else
      p.drawText(2, m.at - 6 + fm.ascent(), n);
  }
  return image;
}

}  // namespace gw
