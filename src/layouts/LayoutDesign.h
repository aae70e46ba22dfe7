// Editing a page layout in the designer: zoom and unit rescaling, hit tests, handles, stacking,
// page size checks, ruler marks, the object dialogs' conversions and the save.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/OpResult.h"
#include "storage/PageLayout.h"

namespace gw {

// How the designer was opened: a new layout, a library record written back in place, or a copy
// added as a new record.
enum class DesignerMode { New = 1, Modify = 2, Copy = 3 };

struct DesignPoint {
  int x = 0, y = 0;
};

// ---- The page ----------------------------------------------------------------------------------

// The layout a new design starts from: "New Page" on portrait Letter, no objects.
void MakeNewDesignLayout(PageLayout& layout);

// Makes a record from elsewhere safe to edit: objectCount within 0..20, object bounds normalised
// and within 2^24 pixels of the page, and a page side below one unit, not finite or larger than
// any paper the designer offers (18 inches, 46 cm) set to Letter or A4 in the layout's unit and
// orientation. True when something was repaired.
bool RepairDesignLayout(PageLayout& layout);

// The factor of the zoom table for going from zoom `from` to zoom `to` (0.667, not 2/3, so going
// back and forth drifts by truncation); 0 when they are equal or either is outside 1..3.
double ZoomFactor(int to, int from);
// Multiplies the four coordinates of objects 1..objectCount by `factor`, truncating each towards
// zero.
void RescaleObjects(PageLayout& layout, double factor);

// Switches the page between inches and centimetres: the page size is converted and cut to two
// decimals, the objects rescaled by 72/76.2 or 76.2/72. Nothing happens when the unit is already
// the one asked for.
void ChangeUnit(PageLayout& layout, bool toInches);

// Checks a custom page width or height typed in the layout's unit. Nothing when it is a number
// within the range; else the message the designer shows.
struct PageSizeCheck {
  std::optional<double> value;
  std::string message;
};
PageSizeCheck CheckPageWidth(const std::string& text, bool inches);
PageSizeCheck CheckPageHeight(const std::string& text, bool inches);

// Whether picking this paper warns that printers may not support it ("A5", "B5", "Executive" and
// "Custom").
bool PaperNeedsWarning(const std::string& paperName);

// ---- Objects -----------------------------------------------------------------------------------

// The topmost object whose bounds hold the point (edges included): its position 1..objectCount,
// or 0. For a drag, the press point is tested against Left and Top and the release point against
// Right and Bottom. Objects of an unknown kind are never drawn and so never hit.
int ObjectAt(const PageLayout& layout, DesignPoint press, DesignPoint release);
inline int ObjectAt(const PageLayout& layout, DesignPoint point) {
  return ObjectAt(layout, point, point);
}

// Bounds with Left <= Right and Top <= Bottom.
LayoutBounds Normalised(LayoutBounds bounds);
LayoutBounds MovedBounds(LayoutBounds bounds, int dx, int dy);

// The eight handles of a selected object, numbered 1 top-left, 2 top-middle, 3 top-right, 4
// left-middle, 5 right-middle, 6 bottom-left, 7 bottom-middle, 8 bottom-right.
struct HandleSquare {
  int x0, x1, y0, y1;  // the pixels drawn, inclusive
};
HandleSquare HandleSquareOf(const LayoutBounds& bounds, int handle);
// The handle under the point (the drawn square widened by one pixel to the right and below),
// tested corners first; 0 when none.
int HandleAt(const LayoutBounds& bounds, DesignPoint point);
// The bounds after dragging `handle` by (dx, dy), normalised.
LayoutBounds ResizedBounds(const LayoutBounds& bounds, int handle, int dx, int dy);

enum class HandleCursor { DiagonalDown, DiagonalUp, Vertical, Horizontal };
// Corners 1 and 8 run north-west to south-east, 3 and 6 north-east to south-west.
HandleCursor CursorOfHandle(int handle);

// Removes object `index` (1..objectCount); the later ones move forward.
void DeleteObject(PageLayout& layout, int index);
// Moves object `index` in front of all others, or behind all others.
void BringToFront(PageLayout& layout, int index);
void SendToBack(PageLayout& layout, int index);

// Whether another object of `kind` may be added: fewer than 20 objects, and none of a kind that a
// layout holds once.
bool KindAvailable(const PageLayout& layout, int kind);

// The pop-up menu's object commands that apply to a kind (size and position, delete and the
// stacking order apply to every kind).
struct ObjectCommands {
  bool properties = false, border = false, fill = false, changeText = false, alignment = false,
       font = false, loadBitmap = false;
};
ObjectCommands CommandsForKind(int kind);

// ---- Rulers ------------------------------------------------------------------------------------

// One tick of a ruler: at `at` design pixels from the page edge, from `from` pixels across the
// ruler to its far edge; a whole unit carries its `number`, the others 0.
struct RulerMark {
  int at, from, number;
};
// The ticks along a page side of `length` units at u pixels per unit: every whole unit with its
// halves, quarters and eighths (inches) or millimetres (centimetres), and the ticks of the part
// after the last whole unit.
std::vector<RulerMark> RulerMarks(double length, int u, bool inches);

// ---- Object dialogs ----------------------------------------------------------------------------

// An object's place and size in page units.
struct UnitBox {
  double left, top, width, height;
};
UnitBox BoundsInUnits(const LayoutBounds& bounds, int u);
// Design pixels from units, each value rounded to the nearest pixel (halves to even).
LayoutBounds BoundsFromUnits(const UnitBox& box, int u);

// The four texts of the size and position dialog read in order; `failed` is the first box that
// does not hold a valid value (0 left, 1 top, 2 width, 3 height) with its message, or -1.
struct SizeEntry {
  UnitBox box{};
  int failed = -1;
  std::string message;
};
SizeEntry ReadSizeEntry(const std::string& left, const std::string& top, const std::string& width,
                        const std::string& height);

// Whether the object's top-left corner lies on the page.
bool CornerOnPage(const LayoutBounds& bounds, int pixelWidth, int pixelHeight);

// A one-character box holding a count or a thickness: its whole number when above 0.
std::optional<int> ReadCount(const std::string& text);

// An object's text as an editor shows it (lines separated by LF), and an edited text as the
// record keeps it: lines separated by CR LF, cut to `limit` characters without splitting a line
// break.
std::string TextForEditing(const std::string& recordText);
std::string TextForRecord(const std::string& edited, size_t limit);

// ---- Save --------------------------------------------------------------------------------------

// Names the layout (trimmed, cut to 20) and records the paper and the zoom its coordinates are
// in, as a save writes it.
void NameDesignedLayout(PageLayout& layout, const std::string& name, const std::string& paper,
                        int zoom);

// Whether two named designs differ in anything a save writes: the page, and each object in use
// (the designer's picture slots aside). Slots past the object count are not looked at.
bool DesignsDiffer(const PageLayout& a, const PageLayout& b);

// Names the layout (NameDesignedLayout) and writes it: appended in New and Copy mode, over record
// `index` in Modify mode. The result carries the record written; failure is "Unable to add page
// layout." (caption "Disk Error").
OpResult SaveDesignedLayout(const std::string& libraryPath, DesignerMode mode, long index,
                            const std::string& name, const std::string& paper, int zoom,
                            PageLayout& layout);

}  // namespace gw
