// The preview's page image and the files saved from a recorded page.
#include "page/PageExport.h"

#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include "base/FileIo.h"
#include "base/TextCodec.h"
#include "page/ImageFiles.h"
#include "page/PageDocuments.h"
#include "page/PageFileChecks.h"
#include "page/PageRecorder.h"
#include "storage/StoredKinds.h"

namespace gw {

namespace {

const std::string kNoPageImage = "There is no page image: no page, or more than " +
                                 std::to_string(static_cast<long>(kMaxImagePixels / 1e6)) +
                                 " million pixels";

double StreamDpi(const QByteArray& stream) {
  const std::optional<ReportStreamInfo> info = ReadReportInfo(stream);
  return info && info->xDpi > 0 ? info->xDpi : kScreenDpi;
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::string& path, const QByteArray& bytes) {
  try {
    if (fileio::ReplaceFileContents(
            path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
      return std::nullopt;
    return std::string(std::strerror(errno));
  } catch (const IoError& e) {
    // "cannot write PATH: REASON": the reason is what the user needs beside the file's name.
    const std::string what = e.what();
    const size_t at = what.rfind(": ");
    return at == std::string::npos ? what : what.substr(at + 2);
  }
}

std::optional<std::string> PdfOverwriteProblem(const std::string& path) {
  return OverwriteProblem(path, kPdfFile);
}

QImage PageImage(const QByteArray& stream, int page, double zoom, double screenDpi,
                 long pixelFormat) {
  const QImage image = ImageOfStreamPage(stream, page, screenDpi * zoom / 100.0);
  if (image.isNull()) return image;
  return InPixelFormat(image, pixelFormat);
}

OpResult SaveWholeFile(const std::string& path, const QByteArray& bytes) {
  if (const std::optional<std::string> refused = RefusedExportTarget(path, StoredKind::Other))
    return OpResult::Refusal(ShownName(*refused), "Error");
  if (bytes.isEmpty()) return CannotWriteFile(path, "Nothing could be drawn");
  if (const std::optional<std::string> reason = WriteWholeFile(path, bytes))
    return CannotWriteFile(path, *reason);
  return OpResult::Success();
}

OpResult SaveBitmap(const std::string& path, const QImage& pageImage) {
  if (pageImage.isNull()) return CannotWriteFile(path, kNoPageImage);
  return SaveWholeFile(path, BmpOfImage(pageImage));
}

OpResult SaveJpeg(const std::string& path, const QImage& pageImage, int quality) {
  if (pageImage.isNull()) return CannotWriteFile(path, kNoPageImage);
  std::string error;
  const std::optional<QByteArray> bytes = JpegOfImage(pageImage, quality, error);
  if (!bytes) return CannotWriteFile(path, error);
  return SaveWholeFile(path, *bytes);
}

OpResult SaveMetafile(const std::string& path, MetafileKind kind, const FinishedJob& job) {
  if (!job.puzzle) return CannotWriteFile(path, "Nothing could be drawn");
  return SaveWholeFile(path, MetafileOfPage(kind, *job.puzzle, job.options, job.result.values));
}

OpResult SavePdf(const std::string& path, const FinishedJob& job) {
  return SaveWholeFile(path, PdfOfStream(job.stream, JobTitle(job)));
}

OpResult SavePng(const std::string& path, const FinishedJob& job, int page) {
  const double dpi = std::min(StreamDpi(job.stream), kMaxPngDpi);
  const QImage image = ImageOfStreamPage(job.stream, page, dpi);
  if (image.isNull()) return CannotWriteFile(path, kNoPageImage);
  return SaveWholeFile(path, PngOfImage(image));
}

OpResult SaveSvg(const std::string& path, const FinishedJob& job, int page) {
  // In screen pixels, as the metafiles: a line one printer dot wide would vanish on screen.
  return SaveWholeFile(path, SvgOfStreamPage(job.stream, page, kScreenDpi, JobTitle(job)));
}

}  // namespace gw
