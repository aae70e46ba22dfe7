// The page-drawing layer: one small interface in inches that every page target implements.
#pragma once

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <string>

namespace gw {

// A font as layout objects describe it. The name and all text are Windows-1252 bytes.
struct ReportFont {
  std::string name = "Arial";
  int size = 10;  // points; targets draw DrawnFontSize(size)
  QColor color = Qt::black;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const ReportFont&) const = default;
};

// The size a font of `points` is drawn at: sizes from a record run from -32768 to 32767, pages
// take 1 to 1000.
inline int DrawnFontSize(int points) {
  return std::clamp(points, 1, 1000);
}

// Layout colours are stored as 0x00BBGGRR.
QColor FromLayoutColor(uint32_t bgr);

// The picture a Bitmap object's file (a Windows-1252 path) holds, in any format Qt reads; a null
// image when the file is missing or holds no picture. The page designer shows what prints.
QImage LoadLayoutPicture(const std::string& bitmapFile);

enum class BrushStyle { Solid, Clear };
enum class TextBackground { Transparent, Opaque };

// Everything a page renderer needs from its target. Coordinates are inches from the page's
// top-left corner, x to the right, y downwards. A target starts every page with a black pen, a
// solid white brush, transparent text and the font "Arial" 10.
//
// Implementations: PainterTarget (a QPainter over a printer, PDF, image or SVG), PageRecorder
// (records the calls into a report stream that ReplayReport plays onto any other target), and
// targets of other formats. Measures must not depend on what was drawn, only on the font, so a
// recording measures exactly as its replay target would.
class PageTarget {
 public:
  virtual ~PageTarget() = default;

  // Page metrics: the physical page in inches and the device pixels per inch.
  virtual double PageWidth() const = 0;
  virtual double PageHeight() const = 0;
  virtual double XDpi() const = 0;
  virtual double YDpi() const = 0;

  // Inches to whole device pixels (rounded) and back, for one-pixel steps of borders and grid
  // lines.
  int XI2D(double inches) const;
  double XD2I(int pixels) const;
  int YI2D(double inches) const;
  double YD2I(int pixels) const;

  // Drawing state. The pen is one device pixel wide unless a width is set.
  virtual void SetPenColor(const QColor& color) = 0;
  // The pen's width in inches, never thinner than one device pixel; 0, as every page starts, is
  // one device pixel.
  virtual void SetPenWidth(double inches) = 0;
  virtual void SetBrushColor(const QColor& color) = 0;
  virtual void SetBrushStyle(BrushStyle style) = 0;
  // Opaque text is printed on a box of the brush colour as high as the font.
  virtual void SetTextBackground(TextBackground mode) = 0;
  virtual void SetFont(const ReportFont& font) = 0;

  // Measures in the current font, in inches. The height is the font's ascent plus descent,
  // whatever the string.
  virtual double TextWidth(const std::string& text) = 0;
  virtual double TextHeight(const std::string& text) = 0;
  virtual double Ascent() = 0;
  virtual double Descent() = 0;

  // Text with its baseline at y, starting at x.
  virtual void PrintAt(double x, double y, const std::string& text) = 0;
  // Text with the top-left corner of its cell at (x, y).
  virtual void PrintTopLeft(double x, double y, const std::string& text) = 0;

  // Lines with the pen from the current position.
  virtual void MoveTo(double x, double y) = 0;
  virtual void LineTo(double x, double y) = 0;
  // The arc of the ellipse inscribed in (x1, y1)-(x2, y2), counterclockwise as seen on the page,
  // from where the ray from the centre through (x3, y3) meets it to where the ray through
  // (x4, y4) meets it; the whole ellipse when both rays are the same.
  virtual void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4) = 0;
  // The ellipse inscribed in the box, outlined with the pen and filled with the brush.
  virtual void Ellipse(double x1, double y1, double x2, double y2) = 0;
  // The box filled with the brush (nothing with a clear brush), no outline.
  virtual void FillRect(double x1, double y1, double x2, double y2) = 0;
  // The picture stretched into the box; an empty picture draws nothing.
  virtual void StretchBitmap(double x1, double y1, double x2, double y2, const QImage& picture) = 0;
};

}  // namespace gw
