// What the preview window decides: its zoom, and how copies are sent to the printer; the copies
// and JPEG quality dialogs' readings.
#pragma once

#include <optional>
#include <string>

namespace gw {

inline constexpr double kMinZoom = 10.0;
inline constexpr double kMaxZoom = 200.0;
inline constexpr double kZoomStep = 10.0;
// Around the page the viewer leaves this part of the page's width and height free on each side.
inline constexpr double kPageMargin = 0.025;

// A zoom factor in percent, brought within 10 and 200.
double ClampZoom(double zoom);
double ZoomIn(double zoom);
double ZoomOut(double zoom);
// The zoom edit's text with one decimal, "100.0".
std::string ZoomText(double zoom);
// The zoom the edit's text asks for: its trimmed text read as a number and brought within the
// limits. Nothing when it is not a number or asks for the zoom there is already.
std::optional<double> ZoomFromText(const std::string& text, double current);

// The zoom at which a page `pageWidth` x `pageHeight` inches, drawn at `dpi` pixels per inch
// at 100 %, fills a view `viewWidth` x `viewHeight` pixels with its margins: by its width, or as a
// whole.
double FitWidthZoom(double viewWidth, double pageWidth, double dpi);
double WholePageZoom(double viewWidth, double viewHeight, double pageWidth, double pageHeight,
                     double dpi);

// Printing c copies: one job of c copies when the driver takes more than c, else c jobs of one.
struct CopiesPlan {
  int jobs;
  int copiesPerJob;
};
CopiesPlan PlanCopies(int copies, int driverMaxCopies);

// The copies dialog's text as a count of copies: a whole number above 0, or nothing.
std::optional<int> CopiesFromText(const std::string& text);
// The JPEG factor dialog's text as a quality: a whole number from 1 to 100, or nothing.
std::optional<int> QualityFromText(const std::string& text);

}  // namespace gw
