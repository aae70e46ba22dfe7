// PDF, image and SVG pages.
#include "output/PageDocuments.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "base/TextCodec.h"
#include "output/ReportPrinter.h"

namespace gw {

namespace {

QSize PixelSize(const PagePaper& paper, double dpi) {
  return QSize(static_cast<int>(std::lround(paper.width * dpi)),
               static_cast<int>(std::lround(paper.height * dpi)));
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
    TReportPrinter target(painter, paper.width, paper.height, dpi, dpi);
    results.push_back(RunPageJob(*pages[i].puzzle, pages[i].options, target));
  }
  painter.end();
  return bytes;
}

QImage ImageOfPage(PuzzleRecord& puzzle, const PrintOptions& options, double dpi,
                   PageJobResult& result) {
  const PagePaper paper = PaperOfLayout(puzzle.pageLayout);
  QImage image(PixelSize(paper, dpi), QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter painter(&image);
  TReportPrinter target(painter, paper.width, paper.height, dpi, dpi);
  result = RunPageJob(puzzle, options, target);
  return image;
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
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  const QSize size = PixelSize(paper, dpi);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(static_cast<int>(std::lround(dpi)));
  svg.setTitle(ToQString(puzzle.title.Get()));
  QPainter painter(&svg);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  {
    TReportPrinter target(painter, paper.width, paper.height, dpi, dpi);
    result = RunPageJob(puzzle, options, target);
  }
  painter.end();
  return bytes;
}

}  // namespace gw
