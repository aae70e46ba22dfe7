// The page-drawing layer's shared conversions.
#include "page/PageTarget.h"

#include <QFileInfo>
#include <cmath>

#include "base/TextCodec.h"

namespace gw {

QColor FromLayoutColor(uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QImage LoadLayoutPicture(const std::string& bitmapFile) {
  // A damaged record's name may hold a NUL, which no file name does.
  if (bitmapFile.empty() || bitmapFile.find('\0') != std::string::npos) return {};
  const QString path = ToQString(bitmapFile);
  if (!QFileInfo(path).isFile()) return {};
  return QImage(path);
}

int PageTarget::XI2D(double inches) const {
  return static_cast<int>(std::lround(inches * XDpi()));
}

double PageTarget::XD2I(int pixels) const {
  return pixels / XDpi();
}

int PageTarget::YI2D(double inches) const {
  return static_cast<int>(std::lround(inches * YDpi()));
}

double PageTarget::YD2I(int pixels) const {
  return pixels / YDpi();
}

}  // namespace gw
