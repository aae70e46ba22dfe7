// Windows bitmaps written byte by byte, JPEG pictures through libjpeg.
#include "page/ImageFiles.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <unordered_map>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace gw {

namespace {

void Put16(QByteArray& out, uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray& out, uint32_t v) {
  for (int k = 0; k < 4; ++k) out.append(static_cast<char>((v >> (8 * k)) & 0xFF));
}

// Pixels per metre of an image's resolution; 96 dpi when it has none.
uint32_t PerMetre(int dotsPerMeter) {
  return dotsPerMeter > 0 ? static_cast<uint32_t>(dotsPerMeter) : 3780;
}

constexpr int kCubeStep = 51;  // 0, 51, ..., 255: six levels per channel
constexpr int kGreys = 40;     // greys between black and white, beside the cube's own six

QVector<QRgb> FixedPalette() {
  QVector<QRgb> palette;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        palette.push_back(qRgb(r * kCubeStep, g * kCubeStep, b * kCubeStep));
  for (int k = 1; k <= kGreys; ++k) {
    const int v = (k * 255 + (kGreys + 1) / 2) / (kGreys + 1);
    palette.push_back(qRgb(v, v, v));
  }
  return palette;
}

int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return dr * dr + dg * dg + db * db;
}

// The nearest entry of FixedPalette: the nearest cube corner or the nearest grey.
uchar NearestFixed(QRgb c, const QVector<QRgb>& palette) {
  auto level = [](int v) { return (v + kCubeStep / 2) / kCubeStep; };
  const int cube = level(qRed(c)) * 36 + level(qGreen(c)) * 6 + level(qBlue(c));
  const int mean = (qRed(c) + qGreen(c) + qBlue(c)) / 3;
  const int k = std::clamp((mean * (kGreys + 1) + 127) / 255, 1, kGreys);
  const int grey = 216 + k - 1;
  return static_cast<uchar>(Distance(c, palette[grey]) < Distance(c, palette[cube]) ? grey : cube);
}

// libjpeg reports a fatal error by calling error_exit, which must not return; the default one
// ends the program. This one jumps back to the caller with the message.
struct JpegError {
  jpeg_error_mgr base;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  (*info->err->format_message)(info, error->message);
  std::longjmp(error->back, 1);
}

// Warnings are of no use to someone saving a picture.
void JpegQuiet(j_common_ptr) {}

// Collects the compressed bytes; the caller owns where they go, so nothing is left to free after
// an error.
struct ByteSink {
  jpeg_destination_mgr base;
  QByteArray* out;
  JOCTET chunk[16384];
};

void SinkStart(j_compress_ptr info) {
  auto* sink = reinterpret_cast<ByteSink*>(info->dest);
  sink->base.next_output_byte = sink->chunk;
  sink->base.free_in_buffer = sizeof sink->chunk;
}

boolean SinkFull(j_compress_ptr info) {
  auto* sink = reinterpret_cast<ByteSink*>(info->dest);
  sink->out->append(reinterpret_cast<const char*>(sink->chunk), sizeof sink->chunk);
  SinkStart(info);
  return TRUE;
}

void SinkEnd(j_compress_ptr info) {
  auto* sink = reinterpret_cast<ByteSink*>(info->dest);
  sink->out->append(reinterpret_cast<const char*>(sink->chunk),
                    static_cast<qsizetype>(sizeof sink->chunk - sink->base.free_in_buffer));
}

// Compresses rows of 8-bit RGB; false with the message in `error` when libjpeg gives up. Only
// plain data lives in this frame, so jumping back into it skips no destructor.
bool Compress(const QImage& rgb, int quality, QByteArray& out, JpegError& error) {
  jpeg_compress_struct info{};
  ByteSink sink{};
  sink.base.init_destination = SinkStart;
  sink.base.empty_output_buffer = SinkFull;
  sink.base.term_destination = SinkEnd;
  sink.out = &out;
  info.err = jpeg_std_error(&error.base);
  error.base.error_exit = JpegErrorExit;
  error.base.output_message = JpegQuiet;
  error.message[0] = '\0';
  if (setjmp(error.back)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  info.dest = &sink.base;
  info.image_width = static_cast<JDIMENSION>(rgb.width());
  info.image_height = static_cast<JDIMENSION>(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  const int dpiX = static_cast<int>(std::lround(PerMetre(rgb.dotsPerMeterX()) * 0.0254));
  const int dpiY = static_cast<int>(std::lround(PerMetre(rgb.dotsPerMeterY()) * 0.0254));
  info.density_unit = 1;  // dots per inch
  info.X_density = static_cast<UINT16>(std::clamp(dpiX, 1, 65535));
  info.Y_density = static_cast<UINT16>(std::clamp(dpiY, 1, 65535));
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

QImage Palette256(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QImage out(rgb.size(), QImage::Format_Indexed8);
  out.setDotsPerMeterX(image.dotsPerMeterX());
  out.setDotsPerMeterY(image.dotsPerMeterY());

  // Its own colours when there are no more than 256 of them.
  std::unordered_map<QRgb, uchar> index;
  QVector<QRgb> palette;
  bool fits = true;
  for (int y = 0; y < rgb.height() && fits; ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = in[x] | 0xFF000000u;
      if (index.count(c)) continue;
      if (palette.size() == 256) {
        fits = false;
        break;
      }
      index.emplace(c, static_cast<uchar>(palette.size()));
      palette.push_back(c);
    }
  }
  if (!fits) palette = FixedPalette();
  if (palette.isEmpty()) palette.push_back(qRgb(255, 255, 255));
  out.setColorTable(palette);
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* line = out.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = in[x] | 0xFF000000u;
      line[x] = fits ? index.at(c) : NearestFixed(c, palette);
    }
  }
  return out;
}

QImage InPixelFormat(const QImage& image, long pixelFormat) {
  if (pixelFormat == kTrueColour) return image.convertToFormat(QImage::Format_RGB888);
  if (pixelFormat == kPalette256) return Palette256(image);
  return image;
}

QByteArray BmpOfImage(const QImage& image) {
  const bool indexed = image.format() == QImage::Format_Indexed8;
  const QImage source = indexed ? image : image.convertToFormat(QImage::Format_RGB888);
  const int bits = indexed ? 8 : 24;
  const uint32_t colours = indexed ? static_cast<uint32_t>(source.colorCount()) : 0;
  const uint32_t stride = ((static_cast<uint32_t>(source.width()) * bits + 31) / 32) * 4;
  const uint32_t pixelBytes = stride * static_cast<uint32_t>(source.height());
  const uint32_t offset = 14 + 40 + colours * 4;

  QByteArray out;
  out.reserve(static_cast<qsizetype>(offset + pixelBytes));
  out.append("BM", 2);
  Put32(out, offset + pixelBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(source.width()));
  Put32(out, static_cast<uint32_t>(source.height()));  // positive: rows from the bottom up
  Put16(out, 1);
  Put16(out, static_cast<uint16_t>(bits));
  Put32(out, 0);  // no compression
  Put32(out, pixelBytes);
  Put32(out, PerMetre(image.dotsPerMeterX()));
  Put32(out, PerMetre(image.dotsPerMeterY()));
  Put32(out, colours);
  Put32(out, 0);
  for (uint32_t i = 0; i < colours; ++i) {
    const QRgb c = source.color(static_cast<int>(i));
    out.append(static_cast<char>(qBlue(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qRed(c)));
    out.append('\0');
  }
  std::vector<char> row(stride, 0);
  for (int y = source.height() - 1; y >= 0; --y) {
    const uchar* in = source.constScanLine(y);
    if (indexed) {
      std::copy(in, in + source.width(), row.begin());
    } else {
      for (int x = 0; x < source.width(); ++x) {  // BMP keeps blue, green, red
        row[3 * x] = static_cast<char>(in[3 * x + 2]);
        row[3 * x + 1] = static_cast<char>(in[3 * x + 1]);
        row[3 * x + 2] = static_cast<char>(in[3 * x]);
      }
    }
    out.append(row.data(), static_cast<qsizetype>(stride));
  }
  return out;
}

std::optional<QByteArray> JpegOfImage(const QImage& image, int quality, std::string& error) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  rgb.setDotsPerMeterX(image.dotsPerMeterX());
  rgb.setDotsPerMeterY(image.dotsPerMeterY());
  QByteArray bytes;
  JpegError jpegError;
  if (!Compress(rgb, std::clamp(quality, 1, 100), bytes, jpegError)) {
    error = jpegError.message;
    return std::nullopt;
  }
  return bytes;
}

}  // namespace gw
