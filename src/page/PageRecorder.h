// The report stream: drawing calls recorded in memory and played back onto any target.
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QHash>
#include <QSizeF>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "page/FontMeasure.h"
#include "page/PageTarget.h"

namespace gw {

// Records every drawing call of one or more pages into a report stream. It measures text as
// PainterTarget does, so the stream replays onto a printer, a preview image or a PDF exactly as
// if they had been drawn on directly. The resolution given is the one pixel steps (borders, grid
// lines) are taken in: that of the device the stream is meant for.
class PageRecorder : public PageTarget {
 public:
  // Starts the first page.
  PageRecorder(double pageWidth, double pageHeight, double xDpi, double yDpi);
  PageRecorder(const PageRecorder&) = delete;
  PageRecorder& operator=(const PageRecorder&) = delete;

  // Ends the current page and starts another, which may have another size.
  void NewPage(double pageWidth, double pageHeight);
  // The stream so far; recording may go on afterwards.
  const QByteArray& Stream() const { return bytes_; }

  double PageWidth() const override { return pageWidth_; }
  double PageHeight() const override { return pageHeight_; }
  double XDpi() const override { return xDpi_; }
  double YDpi() const override { return yDpi_; }

  void SetPenColor(const QColor& color) override;
  void SetPenWidth(double inches) override;
  void SetBrushColor(const QColor& color) override;
  void SetBrushStyle(BrushStyle style) override;
  void SetTextBackground(TextBackground mode) override;
  void SetFont(const ReportFont& font) override;

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
  QByteArray bytes_;
  QDataStream out_;
  double pageWidth_, pageHeight_, xDpi_, yDpi_;
  FontMeasure measure_;
  QHash<qint64, quint32> pictures_;  // QImage::cacheKey -> number in the stream
};

// What a report stream holds: the resolution it was recorded for and the size of each page in
// inches. Nothing when the bytes are not a report stream.
struct ReportStreamInfo {
  double xDpi = 0, yDpi = 0;
  std::vector<QSizeF> pages;
};
std::optional<ReportStreamInfo> ReadReportInfo(const QByteArray& stream);

// Plays page `page` (0-based) of a report stream onto `target`, which starts in the state every
// page starts in. False when the page is not there or the stream is damaged; what came before
// the damage is drawn.
bool ReplayReport(const QByteArray& stream, int page, PageTarget& target);

// Plays pages first..last (0-based) in one pass over the stream, for documents of many pages:
// `start(page, size)` is called as each page begins and gives the target it is drawn on, which
// lives until the next page starts. False when the stream is damaged or ends before `last`.
using StartReplayPage = std::function<std::unique_ptr<PageTarget>(int page, const QSizeF& size)>;
bool ReplayReportPages(const QByteArray& stream, int first, int last, const StartReplayPage& start);

}  // namespace gw
