// Page images as Windows bitmaps and JPEG pictures, in the colour depth the user chose.
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>

namespace gw {

// The "Pixel Format" setting: the colour depth of page images and the bitmaps made from them.
inline constexpr long kTrueColour = 1;  // "&16 Million Colors": 24 bits per pixel
inline constexpr long kPalette256 = 2;  // "&256 Colors": 8 bits per pixel with a palette

// `image` in the depth of a "Pixel Format" value: 24-bit RGB for 1, an 8-bit palette image for 2,
// unchanged for anything else.
QImage InPixelFormat(const QImage& image, long pixelFormat);

// The image with a palette of at most 256 colours: its own colours when it has no more, else the
// nearest of a 6 x 6 x 6 colour cube and a ramp of greys, which keeps the shades of smoothed text.
QImage Palette256(const QImage& image);

// A BMP file of the image: 8 bits per pixel with its palette for a palette image, 24 bits per
// pixel otherwise; the image's resolution goes into the header.
QByteArray BmpOfImage(const QImage& image);

// A JPEG file of the image at `quality` 1..100 (values outside are brought within), or nothing,
// with libjpeg's reason in `error`, when the image cannot be compressed.
std::optional<QByteArray> JpegOfImage(const QImage& image, int quality, std::string& error);

}  // namespace gw
