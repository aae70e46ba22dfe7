// A recorded page (a FinishedJob of PrintJob.h) and the files made of it: the preview's page image,
// BMP, JPEG, WMF, EMF, PDF, PNG and SVG. The preview and gridwright-make save through these.
#pragma once

#include <QByteArray>
#include <QImage>
#include <memory>
#include <optional>
#include <string>

#include "base/OpResult.h"
#include "page/MetafileTarget.h"
#include "page/PrintJob.h"

namespace gw {

// Screens count 96 pixels to the inch.
inline constexpr double kScreenDpi = 96.0;

// The preview's page image: page `page` of the stream at `zoom` percent of `screenDpi`, in the
// colour depth of a "Pixel Format" value (see InPixelFormat). Null when the page is not there.
QImage PageImage(const QByteArray& stream, int page, double zoom, double screenDpi,
                 long pixelFormat);

// Resolution of PNG pictures made from a stream: the stream's own, but no finer than this.
inline constexpr double kMaxPngDpi = 300.0;

// Writes `bytes` as the whole of `path`, through a sibling renamed over it, so a failure leaves
// what was there and no partial file. Nothing when it worked, else the system's reason ("No such
// file or directory", "No space left on device").
std::optional<std::string> WriteWholeFile(const std::string& path, const QByteArray& bytes);

// A PDF is written over an existing file only when that file is a PDF too: never over a puzzle
// group, a library or any other file chosen by a slip. Nothing when `path` may be written, else
// the message that says why not (caption "Error").
std::optional<std::string> PdfOverwriteProblem(const std::string& path);

// Writes `bytes` whole or not at all (a sibling renamed over), never over a file of the program's
// own kinds (a group, a library, an export file: refused, nothing written; see
// RefusedExportTarget). Fails, with a message that names the file and says why, caption "Error",
// when there are no bytes or the file cannot be written. The Save functions below write so.
OpResult SaveWholeFile(const std::string& path, const QByteArray& bytes);
OpResult SaveBitmap(const std::string& path, const QImage& pageImage);
OpResult SaveJpeg(const std::string& path, const QImage& pageImage, int quality);
// The metafile is drawn again from the job's kept values; PDF, PNG and SVG replay its stream
// (the SVG in screen pixels, so that lines one printer dot wide stay visible).
OpResult SaveMetafile(const std::string& path, MetafileKind kind, const FinishedJob& job);
OpResult SavePdf(const std::string& path, const FinishedJob& job);
OpResult SavePng(const std::string& path, const FinishedJob& job, int page);
OpResult SaveSvg(const std::string& path, const FinishedJob& job, int page);

// Shown before a metafile of a layout with bitmaps is made (caption "Warning").
inline constexpr const char* kMetafileBitmapWarning =
    "Bitmaps in this puzzle will not be saved in the metafile.";

}  // namespace gw
