// Kinds, units and papers of page layouts, and the values a freshly created object gets.
#include "layouts/LayoutTables.h"

#include <array>
#include <cstring>
#include <string>

namespace gw {
namespace {

constexpr std::array<LayoutKindInfo, 8> kKinds{{
    {kKindTitle, "Title", "Title", false, 2, 0.25, true},
    {kKindPuzzle, "Puzzle", "Puzzle", false, 3, 3, true},
    {kKindWords, "Words/Clues", "Words / Clues", false, 2, 3, true},
    {kKindBonus, "Bonus Quest", "Bonus Question", false, 4, 0.25, true},
    {kKindText, "Text", "Text", true, 2, 2, false},
    {kKindBitmap, "Bitmap", "Bitmap", true, 2, 2, false},
    {kKindRectangle, "Rectangle", "Rectangle", true, 2, 2, false},
    {kKindCircle, "Circle", "Circle", true, 2, 2, false},
}};

constexpr std::array<PaperSize, 6> kPapers{{
    {"Letter", 8.5, 11, true},
    {"Legal", 8.5, 14, true},
    {"A4", 21, 29.7, false},
    {"A5", 14.8, 21, false},
    {"B5", 18.2, 25.7, false},
    {"Executive", 7.25, 10.5, true},
}};

// Trunc(size × u) as a 16-bit pixel count; NaN and negatives give 0.
int16_t PixelCount(double size, int u) {
  const double pixels = size * u;
  if (!(pixels > 0)) return 0;
  if (pixels >= 32767) return 32767;
  return static_cast<int16_t>(pixels);
}

int CountOfKind(const PageLayout& layout, int kind) {
  int n = 0;
  for (int i = 0; i < UsedObjectCount(layout); ++i)
    if (layout.objects[i].kind == kind) ++n;
  return n;
}

}  // namespace

std::span<const LayoutKindInfo> LayoutKinds() {
  return kKinds;
}

const LayoutKindInfo* FindLayoutKind(int kind) {
  for (const LayoutKindInfo& k : kKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

int DesignUnit(int zoom, bool inches) {
  if (zoom < kZoomSmall || zoom > kZoomLarge) return 0;
  // The zooms stand 2 : 3 : 4; centimetres are not inches / 2.54 (20 px/cm is 50.8 px/in).
  return (zoom + 1) * (inches ? 24 : 10);
}

std::span<const PaperSize> StandardPapers() {
  return kPapers;
}

const PaperSize* FindPaper(std::string_view name) {
  for (const PaperSize& p : kPapers)
    if (name == p.name) return &p;
  return nullptr;
}

CustomPaperRange CustomPaperLimits(bool inches) {
  return inches ? CustomPaperRange{3, 12, 4, 18} : CustomPaperRange{7, 31, 10, 46};
}

bool SanePageSide(double side, bool inches) {
  // At least a whole unit: smaller is no paper at all, yet lies below every size the designer
  // gives (a 7 cm custom width is 2.75 inches once converted). The largest side is the custom
  // height, which is also Legal's in landscape. NaN fails both comparisons.
  const CustomPaperRange limits = CustomPaperLimits(inches);
  return side >= 1 && side <= limits.maxHeight;
}

void SetPaper(PageLayout& layout, const PaperSize& paper, bool portrait) {
  layout.paperName.Set(paper.name);
  layout.pageWidth = portrait ? paper.width : paper.height;
  layout.pageHeight = portrait ? paper.height : paper.width;
  layout.inches = paper.inches ? 1 : 0;
  layout.portrait = portrait ? 1 : 0;
}

bool SetDesignZoom(PageLayout& layout, int zoom) {
  const int u = DesignUnit(zoom, layout.inches != 0);
  if (u == 0) return false;
  layout.zoom = static_cast<int16_t>(zoom);
  layout.pixelWidth = PixelCount(layout.pageWidth, u);
  layout.pixelHeight = PixelCount(layout.pageHeight, u);
  return true;
}

bool MakeNewObject(const PageLayout& layout, int kind, int x, int y, int u, LayoutObject& out) {
  const LayoutKindInfo* info = FindLayoutKind(kind);
  if (!info) return false;
  std::memset(&out, 0, sizeof out);
  out.kind = info->kind;
  std::string name = info->name;
  if (info->numbered) name += " " + std::to_string(CountOfKind(layout, kind) + 1);
  out.objectName.Set(name);
  out.bounds = {x, y, x + static_cast<int32_t>(info->width * u),
                y + static_cast<int32_t>(info->height * u)};
  out.fontName.Set("Arial");
  out.fontSize = 10;
  out.font2Name.Set("Arial");
  out.font2Size = 5;
  out.backgroundColor = 0xFFFFFF;
  out.lineWidth = 1;
  out.alignment = kind == kKindTitle ? 2 : 1;
  out.optionA = (kind == kKindPuzzle || kind == kKindBitmap) ? 0 : 1;
  out.columns = 3;
  out.makeItFit = 1;
  out.fillColor = kind == kKindPuzzle ? 0 : 0xFFFFFF;
  out.border = kind == kKindBitmap ? 0 : 1;
  out.borderWidth = 1;
  return true;
}

bool HasObjectOfKind(const PageLayout& layout, int kind) {
  return CountOfKind(layout, kind) > 0;
}

int AddNewObject(PageLayout& layout, int kind, int x, int y, int u) {
  const LayoutKindInfo* info = FindLayoutKind(kind);
  const int count = UsedObjectCount(layout);
  if (!info || count >= kMaxLayoutObjects || (info->single && HasObjectOfKind(layout, kind)))
    return 0;
  if (!MakeNewObject(layout, kind, x, y, u, layout.objects[count])) return 0;
  layout.objectCount = static_cast<int16_t>(count + 1);
  return count + 1;
}

}  // namespace gw
