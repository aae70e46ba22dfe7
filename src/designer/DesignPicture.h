// The page designer's picture of a layout: each object in its kind's colour with its label, bitmaps
// as their picture, the handles of the selected object, and the rulers along the page.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <map>
#include <string>

#include "storage/PageLayout.h"

class QFontMetrics;
class QPainter;

namespace gw {

// Breadth of the rulers along the top and left edge of the page, in pixels.
constexpr int kRulerBreadth = 29;

// Pictures of Bitmap objects by their bitmapFile (Windows-1252 path). An object whose file has no
// picture here is drawn as the placeholder.
using DesignPictures = std::map<std::string, QImage>;

// The font objects are labelled in: Arial 9 points at the designer's 96 pixels per inch.
QFont PageFont();
// The label cut from the end until it is no wider than `width`; empty when not even one
// character fits.
QString FitLabel(const QString& label, const QFontMetrics& metrics, int width);

// Fills `image` (the page, pixelWidth x pixelHeight design pixels, each `scale` screen pixels
// wide, as the screen layout enlarges every window) white and draws objects 1..objectCount in
// stacking order.
void DrawDesignPage(QImage& image, const PageLayout& layout, const DesignPictures& pictures,
                    double scale = 1.0);
// The eight black 5 x 5 handles of the selected object.
void DrawHandles(QImage& image, const LayoutBounds& bounds, double scale = 1.0);
// A white picture with a black frame and "Bitmap" in the middle, for a bitmap without one.
void DrawPlaceholder(QPainter& painter, const QRect& rect);

// The ruler along a page side of `length` units at u pixels per unit: red, framed in black, with
// the ticks and numbers of RulerMarks. Horizontal rulers are Trunc(length x u) x 29 design pixels,
// vertical ones 29 x Trunc(length x u), each `scale` screen pixels wide.
QImage DrawRuler(double length, int u, bool inches, Qt::Orientation orientation,
                 double scale = 1.0);

// Screen pixels of `design` design pixels at `scale`.
int ScaledPixels(int design, double scale);

}  // namespace gw
