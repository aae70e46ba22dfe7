// The page-drawing layer on a QPainter: printers, PDF writers, images and SVG generators.
#pragma once

#include <QPainter>
#include <QPointF>

#include "page/FontMeasure.h"
#include "page/PageTarget.h"

namespace gw {

class PainterTarget : public PageTarget {
 public:
  // Draws one page on `painter`, whose origin must be the page's top-left corner and whose units
  // the device's pixels (xDpi × yDpi per inch), as a QPainter starts on a full-page printer, a
  // QPdfWriter without margins, a QImage or a QSvgGenerator. The painter's state is restored
  // when the PainterTarget goes.
  PainterTarget(QPainter& painter, double pageWidth, double pageHeight, double xDpi, double yDpi);
  ~PainterTarget() override;
  PainterTarget(const PainterTarget&) = delete;
  PainterTarget& operator=(const PainterTarget&) = delete;

  double PageWidth() const override { return pageWidth_; }
  double PageHeight() const override { return pageHeight_; }
  double XDpi() const override { return xDpi_; }
  double YDpi() const override { return yDpi_; }

  void SetPenColor(const QColor& color) override;
  void SetPenWidth(double inches) override;
  void SetBrushColor(const QColor& color) override { brush_ = color; }
  void SetBrushStyle(BrushStyle style) override { brushStyle_ = style; }
  void SetTextBackground(TextBackground mode) override { textBackground_ = mode; }
  void SetFont(const ReportFont& font) override { measure_.Set(font); }

  double TextWidth(const std::string& text) override { return measure_.TextWidth(text); }
  double TextHeight(const std::string&) override { return measure_.Ascent() + measure_.Descent(); }
  double Ascent() override { return measure_.Ascent(); }
  double Descent() override { return measure_.Descent(); }

  void PrintAt(double x, double y, const std::string& text) override;
  void PrintTopLeft(double x, double y, const std::string& text) override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
           double y4) override;
  void Ellipse(double x1, double y1, double x2, double y2) override;
  void FillRect(double x1, double y1, double x2, double y2) override;
  void StretchBitmap(double x1, double y1, double x2, double y2, const QImage& picture) override;

 private:
  void Smooth(bool on);
  QPointF PixelCentre(QPointF units) const;

  QPainter& p_;
  double pageWidth_, pageHeight_, xDpi_, yDpi_;
  FontMeasure measure_;
  QPen pen_;
  bool widePen_ = false;  // wider than one device pixel
  QColor brush_ = Qt::white;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  TextBackground textBackground_ = TextBackground::Transparent;
  QPointF position_;  // in painter units
};

}  // namespace gw
