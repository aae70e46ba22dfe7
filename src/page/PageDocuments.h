// Pages as files: PDF documents, page images and SVG drawings, made in memory.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <string>
#include <vector>

#include "page/PageJob.h"

namespace gw {

// The Qt page layout of a paper: its size, orientation and no margins, since layouts place
// objects from the page's top-left corner.
QPageLayout QtPageLayout(const PagePaper& paper);

// One page of a document: a puzzle (the job writes fitted sizes into it) and its options.
struct PageRequest {
  PuzzleRecord* puzzle;
  PrintOptions options;
};

// Resolution of PDF pages: one device pixel, the width of a border line, is 1/300 inch.
constexpr int kPdfDpi = 300;

// A PDF with one page per request, each on its layout's paper. `results` receives one job
// result per page, in order.
QByteArray PdfOfPages(const std::vector<PageRequest>& pages, std::vector<PageJobResult>& results,
                      int dpi = kPdfDpi);
// Page images hold at most this many pixels: beyond it one page would take gigabytes of memory.
inline constexpr double kMaxImagePixels = 64e6;
// The highest whole resolution at which a page of `width` x `height` inches stays within
// kMaxImagePixels.
int MaxImageDpi(double width, double height);

// The page as an image on white at `dpi` pixels per inch; a null image (nothing drawn, no result)
// when it would hold more than kMaxImagePixels.
QImage ImageOfPage(PuzzleRecord& puzzle, const PrintOptions& options, double dpi,
                   PageJobResult& result);
// PNG bytes of a page image; a page without colour is stored in shades of grey, which is
// lossless, half the size and twice as fast.
QByteArray PngOfImage(const QImage& image);
// The page as an SVG drawing whose pixels are `dpi` per inch.
QByteArray SvgOfPage(PuzzleRecord& puzzle, const PrintOptions& options, double dpi,
                     PageJobResult& result);

// Pages of a recorded report stream (ReportFiler.h) as the same kinds of files; a page that is not
// in the stream comes out blank.
// Every page of the stream in one PDF, at the stream's own resolution; empty when the bytes are
// not a report stream.
QByteArray PdfOfStream(const QByteArray& stream, const std::string& title);
// Page `page` (0-based) on white at `dpi` pixels per inch; a null image when it is not there or
// would hold more than kMaxImagePixels.
QImage ImageOfStreamPage(const QByteArray& stream, int page, double dpi);
// Page `page` as an SVG drawing whose pixels are `dpi` per inch; empty when it is not there.
QByteArray SvgOfStreamPage(const QByteArray& stream, int page, double dpi,
                           const std::string& title);

}  // namespace gw
