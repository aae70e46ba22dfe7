// The preview's zoom, copies and dialog readings.
#include "printing/PreviewModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/TextUtils.h"

namespace gw {

namespace {

// The whole text as a number of type T, or nothing.
template <typename T>
std::optional<T> WholeText(const std::string& text) {
  const std::string t = Trim(text);
  const char* begin = t.data() + (t.size() > 1 && t[0] == '+' ? 1 : 0);
  T value{};
  const auto [end, error] = std::from_chars(begin, t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return value;
}

}  // namespace

double ClampZoom(double zoom) {
  if (!std::isfinite(zoom)) return zoom > 0 ? kMaxZoom : kMinZoom;
  return std::clamp(zoom, kMinZoom, kMaxZoom);
}

double ZoomIn(double zoom) {
  return ClampZoom(zoom + kZoomStep);
}

double ZoomOut(double zoom) {
  return ClampZoom(zoom - kZoomStep);
}

std::string ZoomText(double zoom) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", zoom);
  return text;
}

std::optional<double> ZoomFromText(const std::string& text, double current) {
  const std::optional<double> asked = WholeText<double>(text);
  if (!asked || std::isnan(*asked)) return std::nullopt;
  const double zoom = ClampZoom(*asked);
  if (zoom == current) return std::nullopt;
  return zoom;
}

double FitWidthZoom(double viewWidth, double pageWidth, double dpi) {
  const double full = pageWidth * dpi * (1 + 2 * kPageMargin);
  return full > 0 ? ClampZoom(100.0 * viewWidth / full) : 100.0;
}

double WholePageZoom(double viewWidth, double viewHeight, double pageWidth, double pageHeight,
                     double dpi) {
  const double full = pageHeight * dpi * (1 + 2 * kPageMargin);
  const double byHeight = full > 0 ? 100.0 * viewHeight / full : 100.0;
  return std::min(FitWidthZoom(viewWidth, pageWidth, dpi), ClampZoom(byHeight));
}

CopiesPlan PlanCopies(int copies, int driverMaxCopies) {
  if (copies < driverMaxCopies) return {1, copies};
  return {copies, 1};
}

std::optional<int> CopiesFromText(const std::string& text) {
  const std::optional<int> n = WholeText<int>(text);
  if (!n || *n <= 0) return std::nullopt;
  return n;
}

std::optional<int> QualityFromText(const std::string& text) {
  const std::optional<int> n = WholeText<int>(text);
  if (!n || *n <= 0 || *n > 100) return std::nullopt;
  return n;
}

}  // namespace gw
