// A page drawn smaller or larger onto part of another page: the book's puzzle and key pages.
#pragma once

#include <algorithm>

#include "page/PageTarget.h"

namespace gw {

// Takes a page of `pageWidth` x `pageHeight` inches as its callers see it and draws it on
// `target` scaled by `scale` with its top-left corner at (`left`, `top`). Font sizes are scaled
// and rounded to whole points, and measures come back in the caller's inches, so a job fits its
// text at the size it is really printed. One-pixel steps stay one pixel of `target`.
class ScaledPageTarget : public PageTarget {
 public:
  ScaledPageTarget(PageTarget& target, double pageWidth, double pageHeight, double scale,
                   double left, double top);

  double PageWidth() const override { return pageWidth_; }
  double PageHeight() const override { return pageHeight_; }
  double XDpi() const override { return t_.XDpi() * scale_; }
  double YDpi() const override { return t_.YDpi() * scale_; }

  void SetPenColor(const QColor& color) override { t_.SetPenColor(color); }
  // Lines keep at least their width on paper when the page is shrunk, or they would print faint;
  // an enlarged page thickens them with everything else.
  void SetPenWidth(double inches) override { t_.SetPenWidth(std::max(inches, inches * scale_)); }
  void SetBrushColor(const QColor& color) override { t_.SetBrushColor(color); }
  void SetBrushStyle(BrushStyle style) override { t_.SetBrushStyle(style); }
  void SetTextBackground(TextBackground mode) override { t_.SetTextBackground(mode); }
  void SetFont(const ReportFont& font) override;

  double TextWidth(const std::string& text) override { return t_.TextWidth(text) / scale_; }
  double TextHeight(const std::string& text) override { return t_.TextHeight(text) / scale_; }
  double Ascent() override { return t_.Ascent() / scale_; }
  double Descent() override { return t_.Descent() / scale_; }

  void PrintAt(double x, double y, const std::string& text) override;
  void PrintTopLeft(double x, double y, const std::string& text) override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
           double y4) override;
  void Ellipse(double x1, double y1, double x2, double y2) override;
  void FillRect(double x1, double y1, double x2, double y2) override;
  void StretchBitmap(double x1, double y1, double x2, double y2, const QImage& picture) override;

  // The size in points a font of `points` is printed at.
  int PrintedSize(int points) const;

 private:
  double X(double x) const { return left_ + x * scale_; }
  double Y(double y) const { return top_ + y * scale_; }

  PageTarget& t_;
  double pageWidth_, pageHeight_, scale_, left_, top_;
};

}  // namespace gw
