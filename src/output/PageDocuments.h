// Pages as files: PDF documents, page images and SVG drawings, made in memory.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <vector>

#include "output/PageJob.h"

namespace gw {

// The Qt page layout of a paper: its size, orientation and no margins, since layouts place
// objects from the page's top-left corner.
QPageLayout QtPageLayout(const PagePaper& paper);

// One page of a document: a puzzle (the job writes fitted sizes into it) and its options.
struct PageRequest {
  PuzzleRecord* puzzle;
  PrintOptions options;
};

// Resolution of PDF pages: one device pixel, the width of every line, is 1/300 inch.
constexpr int kPdfDpi = 300;

// A PDF with one page per request, each on its layout's paper. `results` receives one job
// result per page, in order.
QByteArray PdfOfPages(const std::vector<PageRequest>& pages, std::vector<PageJobResult>& results,
                      int dpi = kPdfDpi);
// The page as an image on white at `dpi` pixels per inch.
QImage ImageOfPage(PuzzleRecord& puzzle, const PrintOptions& options, double dpi,
                   PageJobResult& result);
// PNG bytes of a page image; a page without colour is stored in shades of grey, which is
// lossless, half the size and twice as fast.
QByteArray PngOfImage(const QImage& image);
// The page as an SVG drawing whose pixels are `dpi` per inch.
QByteArray SvgOfPage(PuzzleRecord& puzzle, const PrintOptions& options, double dpi,
                     PageJobResult& result);

}  // namespace gw
