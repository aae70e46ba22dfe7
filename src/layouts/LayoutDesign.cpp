// The designer's model: every change the page designer makes to a layout, without any window.
#include "layouts/LayoutDesign.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

#include "base/TextUtils.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutTables.h"

namespace gw {

namespace {

// Coordinates come from files too; a factor applied to a damaged one must not overflow.
int32_t TruncCoord(double v) {
  constexpr double lo = std::numeric_limits<int32_t>::min();
  constexpr double hi = std::numeric_limits<int32_t>::max();
  if (!(v >= lo)) return std::numeric_limits<int32_t>::min();
  if (v > hi) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(v);
}

// A coordinate moved by a drag; a damaged record's extreme coordinate stops at the limit.
int32_t Shifted(int32_t v, int by) {
  return TruncCoord(static_cast<double>(v) + by);
}

int32_t RoundCoord(double v) {
  // nearbyint rounds halves to even in the default rounding mode.
  return TruncCoord(std::nearbyint(v));
}

PageSizeCheck CheckSide(const std::string& text, bool inches, double low, double high,
                        const char* what, const char* box) {
  const std::optional<double> v = ReadDecimal(text);
  if (v && *v >= low && *v <= high) return {v, {}};
  return {std::nullopt, std::string(what) + " must be between " + FormatPlain(low) + " and " +
                            FormatPlain(high) + (inches ? " inches" : " centimeters") +
                            ".  Please re-enter " + box + "."};
}

}  // namespace

// ---- The page ----------------------------------------------------------------------------------

void MakeNewDesignLayout(PageLayout& layout) {
  // The built-in page without its objects; the designer works out its pixel size itself.
  MakeBuiltInDefaultLayout(layout);
  std::memset(layout.objects, 0, sizeof layout.objects);
  layout.objectCount = 0;
  layout.pixelWidth = layout.pixelHeight = 0;
}

bool RepairDesignLayout(PageLayout& layout) {
  bool repaired = false;
  if (layout.objectCount != UsedObjectCount(layout)) {
    layout.objectCount = static_cast<int16_t>(UsedObjectCount(layout));
    repaired = true;
  }
  // Far beyond any page, yet small enough that no sum or product of the designer overflows.
  constexpr int32_t kFar = 1 << 24;
  for (int i = 0; i < UsedObjectCount(layout); ++i) {
    LayoutBounds& b = layout.objects[i].bounds;
    const LayoutBounds kept = b;
    for (int32_t* v : {&b.left, &b.top, &b.right, &b.bottom}) *v = std::clamp(*v, -kFar, kFar);
    b = Normalised(b);
    if (std::memcmp(&kept, &b, sizeof b) != 0) repaired = true;
  }
  const bool inches = layout.inches != 0;
  if (!SanePageSide(layout.pageWidth, inches) || !SanePageSide(layout.pageHeight, inches)) {
    const PaperSize& paper = *FindPaper(inches ? "Letter" : "A4");
    const bool portrait = layout.portrait != 0;
    layout.pageWidth = portrait ? paper.width : paper.height;
    layout.pageHeight = portrait ? paper.height : paper.width;
    repaired = true;
  }
  return repaired;
}

double ZoomFactor(int to, int from) {
  // Rows: the zoom gone to; columns: the zoom come from.
  static constexpr double kTable[3][3] = {
      {0, 0.667, 0.5},
      {1.5, 0, 0.75},
      {2, 1.334, 0},
  };
  if (to < kZoomSmall || to > kZoomLarge || from < kZoomSmall || from > kZoomLarge) return 0;
  return kTable[to - 1][from - 1];
}

void RescaleObjects(PageLayout& layout, double factor) {
  for (int i = 0; i < UsedObjectCount(layout); ++i) {
    LayoutBounds& b = layout.objects[i].bounds;
    b = {TruncCoord(b.left * factor), TruncCoord(b.top * factor), TruncCoord(b.right * factor),
         TruncCoord(b.bottom * factor)};
  }
}

void ChangeUnit(PageLayout& layout, bool toInches) {
  if ((layout.inches != 0) == toInches) return;
  if (toInches) {
    layout.inches = 1;
    layout.pageWidth = std::trunc(layout.pageWidth * 0.3937007874015748 * 100) / 100;
    layout.pageHeight = std::trunc(layout.pageHeight * 0.3937007874015748 * 100) / 100;
    RescaleObjects(layout, 0.9448818897637795);  // 72 / 76.2
  } else {
    layout.inches = 0;
    layout.pageWidth = std::trunc(layout.pageWidth * 254) / 100;
    layout.pageHeight = std::trunc(layout.pageHeight * 254) / 100;
    RescaleObjects(layout, 1.0583333333333333);  // 76.2 / 72
  }
}

PageSizeCheck CheckPageWidth(const std::string& text, bool inches) {
  return inches ? CheckSide(text, true, 3, 12, "Width", "width")
                : CheckSide(text, false, 7, 31, "Width", "width");
}

PageSizeCheck CheckPageHeight(const std::string& text, bool inches) {
  return inches ? CheckSide(text, true, 4, 18, "Height", "height")
                : CheckSide(text, false, 10, 46, "Height", "height");
}

bool PaperNeedsWarning(const std::string& paperName) {
  return paperName == "A5" || paperName == "B5" || paperName == "Executive" ||
         paperName == "Custom";
}

// ---- Objects -----------------------------------------------------------------------------------

int ObjectAt(const PageLayout& layout, DesignPoint press, DesignPoint release) {
  for (int i = UsedObjectCount(layout); i >= 1; --i) {
    const LayoutObject& o = layout.objects[i - 1];
    if (!IsKnownKind(o.kind)) continue;
    const LayoutBounds& b = o.bounds;
    if (press.x >= b.left && press.y >= b.top && release.x <= b.right && release.y <= b.bottom)
      return i;
  }
  return 0;
}

LayoutBounds Normalised(LayoutBounds b) {
  if (b.right < b.left) std::swap(b.left, b.right);
  if (b.bottom < b.top) std::swap(b.top, b.bottom);
  return b;
}

LayoutBounds MovedBounds(LayoutBounds b, int dx, int dy) {
  return {Shifted(b.left, dx), Shifted(b.top, dy), Shifted(b.right, dx), Shifted(b.bottom, dy)};
}

HandleSquare HandleSquareOf(const LayoutBounds& b, int handle) {
  const int mx = b.left + (b.right - b.left) / 2;
  const int my = b.top + (b.bottom - b.top) / 2;
  // Squares on the left or top edge straddle it by 2 pixels each way; on the right or bottom edge
  // they sit one pixel further in, where the outline's last pixel lies.
  const int left = b.left - 2, right = b.right - 3, middleX = mx - 3;
  const int top = b.top - 2, bottom = b.bottom - 3, middleY = my - 3;
  switch (handle) {
    case 1:
      return {left, left + 4, top, top + 4};
    case 2:
      return {middleX, middleX + 4, top, top + 4};
    case 3:
      return {right, right + 4, top, top + 4};
    case 4:
      return {left, left + 4, middleY, middleY + 4};
    case 5:
      return {right, right + 4, middleY, middleY + 4};
    case 6:
      return {left, left + 4, bottom, bottom + 4};
    case 7:
      return {middleX, middleX + 4, bottom, bottom + 4};
    default:
      return {right, right + 4, bottom, bottom + 4};
  }
}

int HandleAt(const LayoutBounds& bounds, DesignPoint p) {
  static constexpr int kTestOrder[] = {1, 3, 6, 8, 2, 7, 4, 5};
  for (int handle : kTestOrder) {
    const HandleSquare s = HandleSquareOf(bounds, handle);
    if (p.x >= s.x0 && p.x <= s.x1 + 1 && p.y >= s.y0 && p.y <= s.y1 + 1) return handle;
  }
  return 0;
}

LayoutBounds ResizedBounds(const LayoutBounds& bounds, int handle, int dx, int dy) {
  // The edges each handle drags: 1 top-left, 2 top, 3 top-right, 4 left, 5 right, 6 bottom-left,
  // 7 bottom, 8 bottom-right.
  const bool left = handle == 1 || handle == 4 || handle == 6;
  const bool right = handle == 3 || handle == 5 || handle == 8;
  const bool top = handle == 1 || handle == 2 || handle == 3;
  const bool bottom = handle == 6 || handle == 7 || handle == 8;
  LayoutBounds b = bounds;
  if (left) b.left = Shifted(b.left, dx);
  if (right) b.right = Shifted(b.right, dx);
  if (top) b.top = Shifted(b.top, dy);
  if (bottom) b.bottom = Shifted(b.bottom, dy);
  return Normalised(b);
}

HandleCursor CursorOfHandle(int handle) {
  switch (handle) {
    case 1:
    case 8:
      return HandleCursor::DiagonalDown;
    case 3:
    case 6:
      return HandleCursor::DiagonalUp;
    case 2:
    case 7:
      return HandleCursor::Vertical;
    default:
      return HandleCursor::Horizontal;
  }
}

void DeleteObject(PageLayout& layout, int index) {
  const int count = UsedObjectCount(layout);
  if (index < 1 || index > count) return;
  std::memmove(&layout.objects[index - 1], &layout.objects[index],
               sizeof(LayoutObject) * (count - index));
  std::memset(&layout.objects[count - 1], 0, sizeof(LayoutObject));
  layout.objectCount = static_cast<int16_t>(count - 1);
}

void BringToFront(PageLayout& layout, int index) {
  const int count = UsedObjectCount(layout);
  if (index < 1 || index > count) return;
  std::rotate(layout.objects + index - 1, layout.objects + index, layout.objects + count);
}

void SendToBack(PageLayout& layout, int index) {
  const int count = UsedObjectCount(layout);
  if (index < 1 || index > count) return;
  std::rotate(layout.objects, layout.objects + index - 1, layout.objects + index);
}

bool KindAvailable(const PageLayout& layout, int kind) {
  const LayoutKindInfo* info = FindLayoutKind(kind);
  if (!info || UsedObjectCount(layout) >= kMaxLayoutObjects) return false;
  return !(info->single && HasObjectOfKind(layout, kind));
}

ObjectCommands CommandsForKind(int kind) {
  ObjectCommands c;
  switch (kind) {
    case kKindTitle:
    case kKindBonus:
      c.properties = c.border = c.alignment = c.font = true;
      break;
    case kKindPuzzle:
      c.properties = c.font = true;
      break;
    case kKindWords:
      c.properties = c.border = c.font = true;
      break;
    case kKindText:
      c.properties = c.border = c.changeText = c.alignment = c.font = true;
      break;
    case kKindBitmap:
      // Properties offers "Tile Bitmap": a picture can fill the whole page behind the puzzle.
      c.properties = c.border = c.loadBitmap = true;
      break;
    case kKindRectangle:
    case kKindCircle:
      c.border = c.fill = true;
      break;
    default:
      break;
  }
  return c;
}

// ---- Rulers ------------------------------------------------------------------------------------

std::vector<RulerMark> RulerMarks(double length, int u, bool inches) {
  struct Minor {
    int offset, from;
  };
  std::vector<Minor> minors;
  if (inches) {
    const int q = u / 4, e = u / 8;
    minors = {{u / 2, 18}, {q, 21}, {3 * q, 21}, {e, 24}, {3 * e, 24}, {5 * e, 24}, {7 * e, 24}};
  } else {
    const int t = u / 10;
    for (int k = 1; k <= 9; ++k) minors.push_back({k * t, k == 5 ? 20 : 24});
  }
  std::vector<RulerMark> marks;
  if (!(length > 0) || u <= 0) return marks;
  const int whole = static_cast<int>(std::min(length, 1000.0));
  for (int n = 1; n <= whole; ++n) {
    marks.push_back({n * u, 15, n});
    for (const Minor& m : minors) marks.push_back({n * u - m.offset, m.from, 0});
  }
  const double rest = (length - whole) * u;
  for (const Minor& m : minors)
    if (m.offset <= rest) marks.push_back({whole * u + m.offset, m.from, 0});
  return marks;
}

// ---- Object dialogs ----------------------------------------------------------------------------

UnitBox BoundsInUnits(const LayoutBounds& b, int u) {
  const double d = u > 0 ? u : 1;
  return {b.left / d, b.top / d, (static_cast<double>(b.right) - b.left) / d,
          (static_cast<double>(b.bottom) - b.top) / d};
}

LayoutBounds BoundsFromUnits(const UnitBox& box, int u) {
  const int32_t left = RoundCoord(u * box.left);
  const int32_t top = RoundCoord(u * box.top);
  return {left, top, TruncCoord(static_cast<double>(RoundCoord(u * box.width)) + left),
          TruncCoord(static_cast<double>(RoundCoord(u * box.height)) + top)};
}

SizeEntry ReadSizeEntry(const std::string& left, const std::string& top, const std::string& width,
                        const std::string& height) {
  struct Box {
    const std::string& text;
    double UnitBox::*field;
    bool sizeBox;  // a size must be above 0, a position at least 0
    const char* message;
  };
  const Box boxes[] = {
      {left, &UnitBox::left, false, "Invalid left position entered."},
      {top, &UnitBox::top, false, "Invalid top position entered."},
      {width, &UnitBox::width, true, "Invalid width entered."},
      {height, &UnitBox::height, true, "Invalid height entered."},
  };
  SizeEntry entry;
  for (int i = 0; i < 4; ++i) {
    const std::optional<double> v = ReadDecimal(boxes[i].text);
    if (!v || (boxes[i].sizeBox ? *v <= 0 : *v < 0)) {
      entry.failed = i;
      entry.message = boxes[i].message;
      return entry;
    }
    entry.box.*boxes[i].field = *v;
  }
  return entry;
}

bool CornerOnPage(const LayoutBounds& bounds, int pixelWidth, int pixelHeight) {
  return bounds.left < pixelWidth && bounds.top < pixelHeight;
}

std::optional<int> ReadCount(const std::string& text) {
  const std::optional<long> v = ReadWhole(text);
  if (!v || *v <= 0 || *v > 9) return std::nullopt;
  return static_cast<int>(*v);
}

std::string TextForEditing(const std::string& recordText) {
  std::string out;
  out.reserve(recordText.size());
  for (size_t i = 0; i < recordText.size(); ++i) {
    const char c = recordText[i];
    if (c == '\r') {
      out += '\n';
      if (i + 1 < recordText.size() && recordText[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string TextForRecord(const std::string& edited, size_t limit) {
  std::string out;
  for (char c : TextForEditing(edited)) {
    const size_t need = c == '\n' ? 2 : 1;
    if (out.size() + need > limit) break;
    if (c == '\n')
      out += "\r\n";
    else if (c != '\0')
      out += c;
  }
  return out;
}

// ---- Save --------------------------------------------------------------------------------------

void NameDesignedLayout(PageLayout& layout, const std::string& name, const std::string& paper,
                        int zoom) {
  layout.layoutName.Set(Trim(name));
  layout.paperName.Set(paper);
  SetDesignZoom(layout, zoom);
}

bool DesignsDiffer(const PageLayout& a, const PageLayout& b) {
  if (std::memcmp(&a, &b, offsetof(PageLayout, objects)) != 0) return true;
  for (int i = 0; i < UsedObjectCount(a); ++i) {
    LayoutObject x = a.objects[i], y = b.objects[i];
    x.pictureSlot = y.pictureSlot = 0;
    if (std::memcmp(&x, &y, sizeof x) != 0) return true;
  }
  return false;
}

OpResult SaveDesignedLayout(const std::string& libraryPath, DesignerMode mode, long index,
                            const std::string& name, const std::string& paper, int zoom,
                            PageLayout& layout) {
  NameDesignedLayout(layout, name, paper, zoom);
  return mode == DesignerMode::Modify ? ReplaceLayout(libraryPath, index, layout)
                                      : AppendLayout(libraryPath, layout);
}

}  // namespace gw
