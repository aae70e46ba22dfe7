// Font metrics of the Qt-drawn targets: fonts sized in thousandths of an inch, so measures do
// not depend on the device and a recording measures exactly as its replay.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "page/PageTarget.h"

namespace gw {

// Painters draw pages in thousandths of an inch: whole-inch units would round font sizes.
constexpr double kUnitsPerInch = 1000.0;

// The QFont of a report font at kUnitsPerInch pixels per inch. Kerning is off so that a text's
// width is the sum of its characters' widths, as the measures assume.
QFont MakeQFont(const ReportFont& font);

class FontMeasure {
 public:
  FontMeasure() { Set(ReportFont{}); }
  void Set(const ReportFont& font);
  const ReportFont& Current() const { return font_; }
  const QFont& CurrentQFont() const { return entry_->font; }

  // In inches.
  double TextWidth(const std::string& text);
  double Ascent() const { return entry_->ascent; }
  double Descent() const { return entry_->descent; }

 private:
  struct Entry {
    explicit Entry(const ReportFont& f);
    QFont font;
    QFontMetricsF metrics;
    double ascent, descent;
    std::array<double, 256> advance;  // negative until measured
  };
  using Key = std::tuple<std::string, int, bool, bool, bool, bool>;

  ReportFont font_;
  std::map<Key, std::unique_ptr<Entry>> cache_;
  Entry* entry_ = nullptr;
};

}  // namespace gw
