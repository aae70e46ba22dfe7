// Object kinds with their creation values, design pixels per unit, and the standard paper sizes.
#pragma once

#include <span>
#include <string_view>

#include "storage/PageLayout.h"

namespace gw {

struct LayoutKindInfo {
  int16_t kind;
  const char* button;  // the designer's button caption
  const char* name;    // objectName at creation; numbered kinds get " n" appended
  bool numbered;
  double width, height;  // default size in units
  bool single;           // at most one per layout
};

// The eight kinds in the designer's button order.
std::span<const LayoutKindInfo> LayoutKinds();
// nullptr for codes that are never created (0, 3..6, 9, ...).
const LayoutKindInfo* FindLayoutKind(int kind);

// Design pixels per unit: 48/72/96 per inch or 20/30/40 per centimetre for zoom 1/2/3.
// 0 for a zoom outside 1..3, so a caller cannot mistake a damaged zoom for a real one.
int DesignUnit(int zoom, bool inches);

constexpr int kZoomSmall = 1;
constexpr int kZoomMedium = 2;
constexpr int kZoomLarge = 3;

struct PaperSize {
  const char* name;
  double width, height;  // portrait
  bool inches;
};

// "Letter", "Legal", "A4", "A5", "B5", "Executive"; "Custom" has no fixed size.
std::span<const PaperSize> StandardPapers();
// Exact, case-sensitive match as the designer's list holds them; nullptr for "Custom" or unknown.
const PaperSize* FindPaper(std::string_view name);

// The sizes a "Custom" page may take, in its unit: 3..12 x 4..18 inches or 7..31 x 10..46 cm.
struct CustomPaperRange {
  double minWidth, maxWidth, minHeight, maxHeight;
};
CustomPaperRange CustomPaperLimits(bool inches);

// Whether a page side read from a record is one the designer could have made: at least a whole
// unit and no larger than the largest side it offers (18 inches, 46 cm). Anything else marks a
// damaged or foreign record, whose page is taken as Letter (inches) or A4 (centimetres).
bool SanePageSide(double side, bool inches);

// Sets paperName, pageWidth/pageHeight (swapped in landscape), inches and portrait.
void SetPaper(PageLayout& layout, const PaperSize& paper, bool portrait);
// Records the zoom the coordinates are in and sets pixelWidth/pixelHeight = Trunc(page × u),
// held to 0..32767 (a damaged size must not wrap or overflow the 16-bit fields). False (layout
// unchanged) for a zoom outside 1..3.
bool SetDesignZoom(PageLayout& layout, int zoom);

// A new object of `kind` with its top-left corner at (x, y), sized for u design pixels per unit
// and named after the objects of that kind already in `layout` ("Text 3"). False for an unknown
// kind.
bool MakeNewObject(const PageLayout& layout, int kind, int x, int y, int u, LayoutObject& out);
// Adds such an object in front of the others. Returns its position 1..20, or 0 when the layout is
// full, the kind is unknown, or it is a single kind the layout already has.
int AddNewObject(PageLayout& layout, int kind, int x, int y, int u);
// Whether objects 1..objectCount include one of `kind`.
bool HasObjectOfKind(const PageLayout& layout, int kind);

}  // namespace gw
