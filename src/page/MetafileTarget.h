// The page-drawing layer on a Windows metafile (WMF) or enhanced metafile (EMF), through libUEMF.
#pragma once

#include <QByteArray>
#include <memory>

#include "page/FontMeasure.h"
#include "page/PageJob.h"
#include "page/PageTarget.h"

namespace gw {

enum class MetafileKind { Wmf, Emf };

// Metafiles count 96 pixels to the inch.
inline constexpr double kMetafileDpi = 96.0;
// The physical size a metafile states is this many times its page, so that programs which place
// it at that size show it as large as the screen's 96-pixel inch, which is wider than a real one.
inline constexpr double kMetafilePhysicalScale = 1.2;
inline constexpr const char* kMetafileCreator = "Gridwright 98";
inline constexpr const char* kMetafileDescription = "Word Search Puzzle";

// The size a metafile of a page states: whole pixels, Trunc(inches × 96), and hundredths of a
// millimetre, Trunc(inches × 2540 × 1.2).
struct MetafileSize {
  int width, height;
  int frameWidth, frameHeight;
};
MetafileSize MetafileSizeOf(double pageWidth, double pageHeight);

// Draws one page into a metafile in whole pixels at 96 per inch. Text is measured in whole pixels
// as a 96-dpi screen sets it, and every character's advance is written with the text, so other
// programs place the letters where they were measured. Pictures are left out: metafiles of a page
// carry no bitmaps. EMF text is written in wide characters, WMF text in Windows-1252.
class MetafileTarget : public PageTarget {
 public:
  MetafileTarget(MetafileKind kind, double pageWidth, double pageHeight);
  ~MetafileTarget() override;
  MetafileTarget(const MetafileTarget&) = delete;
  MetafileTarget& operator=(const MetafileTarget&) = delete;

  // Ends the drawing and gives the whole file; empty when the library could not make a record.
  // Nothing can be drawn afterwards.
  QByteArray Finish();

  double PageWidth() const override { return pageWidth_; }
  double PageHeight() const override { return pageHeight_; }
  double XDpi() const override { return kMetafileDpi; }
  double YDpi() const override { return kMetafileDpi; }

  void SetPenColor(const QColor& color) override { pen_ = color; }
  void SetPenWidth(double inches) override;
  void SetBrushColor(const QColor& color) override { brush_ = color; }
  void SetBrushStyle(BrushStyle style) override { brushStyle_ = style; }
  void SetTextBackground(TextBackground mode) override { textBackground_ = mode; }
  void SetFont(const ReportFont& font) override;

  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string&) override;
  double Ascent() override;
  double Descent() override;

  void PrintAt(double x, double y, const std::string& text) override;
  void PrintTopLeft(double x, double y, const std::string& text) override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
           double y4) override;
  void Ellipse(double x1, double y1, double x2, double y2) override;
  void FillRect(double x1, double y1, double x2, double y2) override;
  void StretchBitmap(double, double, double, double, const QImage&) override {}

  class Writer;

 private:
  void Text(double x, double y, const std::string& text, bool baseline);
  int Px(double inches) const;
  int Advance(unsigned char c);

  std::unique_ptr<Writer> w_;
  double pageWidth_, pageHeight_;
  FontMeasure measure_;
  QColor pen_ = Qt::black;
  int penWidth_ = 1;  // pixels
  QColor brush_ = Qt::white;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  TextBackground textBackground_ = TextBackground::Transparent;
};

// The metafile of the page that the last page job drew for `puzzle` and `options` (its kept
// `values`): page size from the values, a white page, then the objects in the metafile mode.
QByteArray MetafileOfPage(MetafileKind kind, const PuzzleRecord& puzzle,
                          const PrintOptions& options, const PageValues& values);

// True when the layout holds a bitmap object among its objects in use, which a metafile leaves
// out.
bool LayoutHasBitmap(const PageLayout& layout);

}  // namespace gw
