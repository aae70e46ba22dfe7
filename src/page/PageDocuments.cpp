// PDF, image and SVG pages.
#include "page/PageDocuments.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "base/TextCodec.h"
#include "page/PageRecorder.h"
#include "page/PainterTarget.h"
#include "page/PrinterSetup.h"

namespace gw {

namespace {

QSize PixelSize(double width, double height, double dpi) {
  return QSize(static_cast<int>(std::lround(width * dpi)),
               static_cast<int>(std::lround(height * dpi)));
}

using DrawPage = std::function<void(PageTarget&)>;

// A page of `width` x `height` inches drawn by `draw` on white; null beyond the pixel limit.
QImage ImageOf(double width, double height, double dpi, const DrawPage& draw) {
  const QSize size = PixelSize(width, height, dpi);
  if (size.isEmpty() || static_cast<double>(size.width()) * size.height() > kMaxImagePixels)
    return {};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter painter(&image);
  PainterTarget target(painter, width, height, dpi, dpi);
  draw(target);
  return image;
}

QByteArray SvgOf(double width, double height, double dpi, const std::string& title,
                 const DrawPage& draw) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  const QSize size = PixelSize(width, height, dpi);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(static_cast<int>(std::lround(dpi)));
  svg.setTitle(ToQString(title));
  QPainter painter(&svg);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  {
    PainterTarget target(painter, width, height, dpi, dpi);
    draw(target);
  }
  painter.end();
  return bytes;
}

// Page sizes of a stream that can be drawn: real, positive and no larger than a wall.
bool UsableSize(const QSizeF& inches) {
  auto fine = [](double v) { return std::isfinite(v) && v > 0 && v <= 200; };
  return fine(inches.width()) && fine(inches.height());
}

}  // namespace

QPageLayout QtPageLayout(const PagePaper& paper) {
  QPageSize size;
  const QSizeF portrait(std::min(paper.width, paper.height), std::max(paper.width, paper.height));
  switch (paper.code) {
    case 1:
      size = QPageSize(QPageSize::Letter);
      break;
    case 5:
      size = QPageSize(QPageSize::Legal);
      break;
    case 9:
      size = QPageSize(QPageSize::A4);
      break;
    case 11:
      size = QPageSize(QPageSize::A5);
      break;
    case 13:
      size = QPageSize(QPageSize::JisB5);  // 18.2 x 25.7 cm, as the layout designer sizes B5
      break;
    case 7:
      size = QPageSize(
          QPageSize::ExecutiveStandard);  // 7.25 x 10.5 inches; Qt's Executive is 7.5 x 10
      break;
    default:
      size = QPageSize(portrait, QPageSize::Inch, QString(), QPageSize::ExactMatch);
      break;
  }
  // A custom page is landscape when it is wider than high, whatever the layout's flag says: its
  // width and height are already oriented.
  const bool landscape = paper.code == 0 ? paper.width > paper.height : !paper.portrait;
  return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

QByteArray PdfOfPages(const std::vector<PageRequest>& pages, std::vector<PageJobResult>& results,
                      int dpi) {
  QByteArray bytes;
  results.clear();
  if (pages.empty()) return bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(dpi);
  writer.setCreator(QStringLiteral("Gridwright"));
  writer.setTitle(ToQString(pages.front().puzzle->title.Get()));
  writer.setPageLayout(QtPageLayout(PaperOfLayout(pages.front().puzzle->pageLayout)));
  QPainter painter(&writer);
  for (size_t i = 0; i < pages.size(); ++i) {
    const PagePaper paper = PaperOfLayout(pages[i].puzzle->pageLayout);
    if (i > 0) {
      writer.setPageLayout(QtPageLayout(paper));
      writer.newPage();
    }
    PainterTarget target(painter, paper.width, paper.height, dpi, dpi);
    results.push_back(RunPageJob(*pages[i].puzzle, pages[i].options, target));
  }
  painter.end();
  return bytes;
}

int MaxImageDpi(double width, double height) {
  if (!(width > 0 && height > 0)) return 0;
  int dpi = static_cast<int>(std::sqrt(kMaxImagePixels / (width * height)));
  // Rounding of the sides may tip the count over: step down until it fits.
  while (dpi > 0 && static_cast<double>(std::lround(width * dpi)) * std::lround(height * dpi) >
                        kMaxImagePixels)
    --dpi;
  return dpi;
}

QImage ImageOfPage(PuzzleRecord& puzzle, const PrintOptions& options, double dpi,
                   PageJobResult& result) {
  const PagePaper paper = PaperOfLayout(puzzle.pageLayout);
  return ImageOf(paper.width, paper.height, dpi,
                 [&](PageTarget& target) { result = RunPageJob(puzzle, options, target); });
}

QByteArray PngOfImage(const QImage& image) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QImage grey(rgb.size(), QImage::Format_Grayscale8);
  bool colour = false;
  for (int y = 0; y < rgb.height() && !colour; ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* out = grey.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb px = in[x];
      if (qRed(px) != qGreen(px) || qGreen(px) != qBlue(px)) {
        colour = true;
        break;
      }
      out[x] = static_cast<uchar>(qRed(px));
    }
  }
  if (!colour) {
    grey.setDotsPerMeterX(image.dotsPerMeterX());
    grey.setDotsPerMeterY(image.dotsPerMeterY());
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  (colour ? rgb : grey).save(&buffer, "PNG");
  return bytes;
}

QByteArray SvgOfPage(PuzzleRecord& puzzle, const PrintOptions& options, double dpi,
                     PageJobResult& result) {
  const PagePaper paper = PaperOfLayout(puzzle.pageLayout);
  return SvgOf(paper.width, paper.height, dpi, puzzle.title.Get(),
               [&](PageTarget& target) { result = RunPageJob(puzzle, options, target); });
}

QByteArray PdfOfStream(const QByteArray& stream, const std::string& title) {
  QByteArray bytes;
  const std::optional<ReportStreamInfo> info = ReadReportInfo(stream);
  if (!info || info->pages.empty()) return bytes;
  const int dpi = std::clamp(static_cast<int>(std::lround(info->xDpi)), 72, 2400);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(dpi);
  writer.setCreator(QStringLiteral("Gridwright"));
  writer.setTitle(ToQString(title));
  auto sizeOf = [&](int page) {
    const QSizeF s = info->pages[page];
    return UsableSize(s) ? s : QSizeF(8.5, 11);
  };
  writer.setPageLayout(PageLayoutForSize(sizeOf(0)));
  QPainter painter(&writer);
  // One pass over the stream however many pages it holds: a book has hundreds.
  ReplayReportPages(stream, 0, static_cast<int>(info->pages.size()) - 1,
                    [&](int page, const QSizeF&) -> std::unique_ptr<PageTarget> {
                      const QSizeF size = sizeOf(page);
                      if (page > 0) {
                        writer.setPageLayout(PageLayoutForSize(size));
                        writer.newPage();
                      }
                      return std::make_unique<PainterTarget>(painter, size.width(), size.height(),
                                                             dpi, dpi);
                    });
  painter.end();
  return bytes;
}

QImage ImageOfStreamPage(const QByteArray& stream, int page, double dpi) {
  const std::optional<ReportStreamInfo> info = ReadReportInfo(stream);
  if (!info || page < 0 || page >= static_cast<int>(info->pages.size())) return {};
  const QSizeF size = info->pages[page];
  if (!UsableSize(size)) return {};
  return ImageOf(size.width(), size.height(), dpi,
                 [&](PageTarget& target) { ReplayReport(stream, page, target); });
}

QByteArray SvgOfStreamPage(const QByteArray& stream, int page, double dpi,
                           const std::string& title) {
  const std::optional<ReportStreamInfo> info = ReadReportInfo(stream);
  if (!info || page < 0 || page >= static_cast<int>(info->pages.size())) return {};
  const QSizeF size = info->pages[page];
  if (!UsableSize(size)) return {};
  return SvgOf(size.width(), size.height(), dpi, title,
               [&](PageTarget& target) { ReplayReport(stream, page, target); });
}

}  // namespace gw
