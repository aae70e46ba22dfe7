// Font metrics of the Qt-drawn targets.
#include "page/FontMeasure.h"

#include <algorithm>
#include <cmath>

#include "base/TextCodec.h"

namespace gw {

namespace {
QChar CharOf(unsigned char b) {
  return ToQString(std::string(1, static_cast<char>(b))).at(0);
}
}  // namespace

QFont MakeQFont(const ReportFont& f) {
  QFont font(ToQString(f.name));
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(DrawnFontSize(f.size) / 72.0 * kUnitsPerInch))));
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeOut);
  font.setKerning(false);
  // Outlines at design size: the same glyph advances at every resolution.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

FontMeasure::Entry::Entry(const ReportFont& f)
    : font(MakeQFont(f)),
      metrics(font),
      ascent(metrics.ascent() / kUnitsPerInch),
      descent(metrics.descent() / kUnitsPerInch) {
  advance.fill(-1.0);
}

void FontMeasure::Set(const ReportFont& font) {
  font_ = font;
  // Colour does not change a measure; underline and strike-out do not either, but they are
  // part of the QFont that draws.
  const Key key{font.name,   DrawnFontSize(font.size), font.bold,
                font.italic, font.underline,           font.strikeOut};
  auto it = cache_.find(key);
  if (it == cache_.end()) it = cache_.emplace(key, std::make_unique<Entry>(font)).first;
  entry_ = it->second.get();
}

double FontMeasure::TextWidth(const std::string& text) {
  double width = 0;
  for (unsigned char b : text) {
    double& a = entry_->advance[b];
    if (a < 0) a = entry_->metrics.horizontalAdvance(CharOf(b)) / kUnitsPerInch;
    width += a;
  }
  return width;
}

}  // namespace gw
