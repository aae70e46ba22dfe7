// The designer's model: rescaling, hit tests, handles, stacking, checks, rulers, text and saving.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

#include "layouts/LayoutDesign.h"
#include "layouts/LayoutTables.h"

namespace gw {
namespace {

std::unique_ptr<PageLayout> NewLayout() {
  auto l = std::make_unique<PageLayout>();
  MakeNewDesignLayout(*l);
  return l;
}

LayoutObject& Add(PageLayout& l, int kind, LayoutBounds b) {
  const int at = AddNewObject(l, kind, b.left, b.top, 72);
  EXPECT_GT(at, 0);
  LayoutObject& o = l.objects[at - 1];
  o.bounds = b;
  return o;
}

bool SameBounds(const LayoutBounds& a, const LayoutBounds& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const LayoutBounds& b) {
  return "(" + std::to_string(b.left) + "," + std::to_string(b.top) + "," +
         std::to_string(b.right) + "," + std::to_string(b.bottom) + ")";
}

TEST(LayoutDesign, ZoomChangesRescaleByTheTableAndDriftByTruncation) {
  auto l = NewLayout();
  Add(*l, kKindTitle, {72, 73, 100, -3});
  // There and back: exact decimals, each step truncated towards zero.
  RescaleObjects(*l, ZoomFactor(kZoomMedium, kZoomSmall));
  EXPECT_TRUE(SameBounds(l->objects[0].bounds, {108, 109, 150, -4})) << Show(l->objects[0].bounds);
  RescaleObjects(*l, ZoomFactor(kZoomSmall, kZoomMedium));
  EXPECT_TRUE(SameBounds(l->objects[0].bounds, {72, 72, 100, -2})) << Show(l->objects[0].bounds);

  EXPECT_EQ(ZoomFactor(kZoomLarge, kZoomSmall), 2);
  EXPECT_EQ(ZoomFactor(kZoomLarge, kZoomMedium), 1.334);
  EXPECT_EQ(ZoomFactor(kZoomSmall, kZoomLarge), 0.5);
  EXPECT_EQ(ZoomFactor(kZoomMedium, kZoomLarge), 0.75);
  EXPECT_EQ(ZoomFactor(kZoomMedium, kZoomMedium), 0);
  EXPECT_EQ(ZoomFactor(kZoomMedium, 0), 0) << "a layout of no known zoom is not rescaled";
  EXPECT_EQ(ZoomFactor(4, kZoomSmall), 0);

  // A damaged coordinate saturates instead of overflowing, whether scaled, moved or dragged.
  l->objects[0].bounds.right = 2'000'000'000;
  RescaleObjects(*l, 2);
  EXPECT_EQ(l->objects[0].bounds.right, 2147483647);
  EXPECT_EQ(MovedBounds(l->objects[0].bounds, 10, 0).right, 2147483647);
  EXPECT_EQ(ResizedBounds(l->objects[0].bounds, 5, 10, 0).right, 2147483647);
}

TEST(LayoutDesign, CustomPageSizesAreCheckedInTheLayoutsUnit) {
  EXPECT_EQ(CheckPageWidth(" 3 ", true).value, 3.0);
  EXPECT_EQ(CheckPageWidth("12", true).value, 12.0);
  EXPECT_EQ(CheckPageWidth("31", false).value, 31.0);
  EXPECT_EQ(CheckPageHeight("18", true).value, 18.0);
  EXPECT_EQ(CheckPageHeight("10", false).value, 10.0);
  for (const char* text : {"2.99", "12.01", "", "abc", "8.5in"}) {
    const PageSizeCheck c = CheckPageWidth(text, true);
    EXPECT_FALSE(c.value) << text;
    EXPECT_EQ(c.message, "Width must be between 3 and 12 inches.  Please re-enter width.");
  }
  EXPECT_EQ(CheckPageWidth("6.99", false).message,
            "Width must be between 7 and 31 centimeters.  Please re-enter width.");
  EXPECT_EQ(CheckPageHeight("3.5", true).message,
            "Height must be between 4 and 18 inches.  Please re-enter height.");
  EXPECT_EQ(CheckPageHeight("47", false).message,
            "Height must be between 10 and 46 centimeters.  Please re-enter height.");
}

TEST(LayoutDesign, TheFrontmostObjectIsHitEdgesIncluded) {
  auto l = NewLayout();
  Add(*l, kKindRectangle, {10, 10, 100, 100});
  Add(*l, kKindCircle, {50, 50, 150, 150});
  EXPECT_EQ(ObjectAt(*l, {10, 10}), 1);
  EXPECT_EQ(ObjectAt(*l, {100, 100}), 2) << "both hold it: the one in front";
  EXPECT_EQ(ObjectAt(*l, {150, 150}), 2);
  EXPECT_EQ(ObjectAt(*l, {151, 150}), 0);
  EXPECT_EQ(ObjectAt(*l, {9, 50}), 0);
  // A drag: the press against Left and Top, the release against Right and Bottom.
  EXPECT_EQ(ObjectAt(*l, {20, 20}, {100, 100}), 1);
  EXPECT_EQ(ObjectAt(*l, {20, 20}, {101, 100}), 0);
  // An object of a kind nobody draws cannot be clicked either.
  l->objects[1].kind = 9;
  EXPECT_EQ(ObjectAt(*l, {100, 100}), 1);
}

TEST(LayoutDesign, HandlesAreFoundInTheirZonesCornersFirst) {
  const LayoutBounds b{100, 200, 300, 260};  // mx 200, my 230
  struct Zone {
    int handle, x0, x1, y0, y1;  // drawn, inclusive
  };
  const Zone zones[] = {
      {1, 98, 102, 198, 202},  {2, 197, 201, 198, 202}, {3, 297, 301, 198, 202},
      {4, 98, 102, 227, 231},  {5, 297, 301, 227, 231}, {6, 98, 102, 257, 261},
      {7, 197, 201, 257, 261}, {8, 297, 301, 257, 261},
  };
  for (const Zone& z : zones) {
    const HandleSquare s = HandleSquareOf(b, z.handle);
    EXPECT_EQ(s.x0, z.x0) << z.handle;
    EXPECT_EQ(s.x1, z.x1) << z.handle;
    EXPECT_EQ(s.y0, z.y0) << z.handle;
    EXPECT_EQ(s.y1, z.y1) << z.handle;
    // The pointer counts one pixel further right and below than the square is drawn.
    EXPECT_EQ(HandleAt(b, {z.x0, z.y0}), z.handle);
    EXPECT_EQ(HandleAt(b, {z.x1 + 1, z.y1 + 1}), z.handle);
    EXPECT_EQ(HandleAt(b, {z.x0 - 1, z.y0}), 0) << z.handle;
    EXPECT_EQ(HandleAt(b, {z.x0, z.y1 + 2}), 0) << z.handle;
  }
  EXPECT_EQ(HandleAt(b, {200, 230}), 0) << "the middle of the object is no handle";
  // On an object too small for separate zones the corners win, in their order.
  EXPECT_EQ(HandleAt({10, 10, 12, 12}, {11, 11}), 1);
  EXPECT_EQ(HandleAt({10, 10, 14, 30}, {12, 11}), 1);
  EXPECT_EQ(HandleAt({10, 10, 14, 30}, {14, 11}), 3);

  EXPECT_EQ(CursorOfHandle(1), HandleCursor::DiagonalDown);
  EXPECT_EQ(CursorOfHandle(8), HandleCursor::DiagonalDown);
  EXPECT_EQ(CursorOfHandle(3), HandleCursor::DiagonalUp);
  EXPECT_EQ(CursorOfHandle(6), HandleCursor::DiagonalUp);
  EXPECT_EQ(CursorOfHandle(2), HandleCursor::Vertical);
  EXPECT_EQ(CursorOfHandle(7), HandleCursor::Vertical);
  EXPECT_EQ(CursorOfHandle(4), HandleCursor::Horizontal);
  EXPECT_EQ(CursorOfHandle(5), HandleCursor::Horizontal);
}

TEST(LayoutDesign, KeysStepByTheRulerTabLeavesAfterTheLastAndNoSideShrinksAway) {
  EXPECT_EQ(RulerStep(72, true), 9);   // an eighth of an inch at medium zoom
  EXPECT_EQ(RulerStep(30, false), 3);  // a millimetre
  EXPECT_EQ(RulerStep(4, true), 1);

  auto l = NewLayout();
  Add(*l, kKindTitle, {10, 10, 100, 30});
  Add(*l, kKindText, {10, 50, 100, 90});
  EXPECT_EQ(NextObjectForTab(*l, 0, false), 1);
  EXPECT_EQ(NextObjectForTab(*l, 1, false), 2);
  EXPECT_EQ(NextObjectForTab(*l, 2, false), 0);
  EXPECT_EQ(NextObjectForTab(*l, 0, true), 2);
  EXPECT_EQ(NextObjectForTab(*l, 1, true), 0);

  const LayoutBounds moved = NudgedBounds({10, 10, 100, 30}, Nudge::Move, -1, 1, 9);
  EXPECT_EQ(moved.left, 1);
  EXPECT_EQ(moved.bottom, 39);
  const LayoutBounds thin = NudgedBounds({10, 10, 14, 30}, Nudge::Resize, -1, 0, 9);
  EXPECT_EQ(thin.right, 11) << "a side is never shorter than one pixel";
  EXPECT_EQ(thin.left, 10);
}

TEST(LayoutDesign, RulersTickEveryUnitAndThePartAfterTheLast) {
  // Letter width at Small zoom: 8 whole inches and half an inch more.
  const std::vector<RulerMark> inches = RulerMarks(8.5, 48, true);
  std::set<int> majors, after;
  for (const RulerMark& m : inches) {
    if (m.number) {
      majors.insert(m.at);
      EXPECT_EQ(m.at, m.number * 48);
      EXPECT_EQ(m.from, 15);
    }
    if (m.at > 8 * 48) after.insert(m.at);
  }
  EXPECT_EQ(majors.size(), 8u);
  // Halves from 18, quarters from 21, eighths from 24 pixels.
  std::set<std::pair<int, int>> first;
  for (const RulerMark& m : inches)
    if (m.at < 48) first.insert({m.at, m.from});
  EXPECT_EQ(first, (std::set<std::pair<int, int>>{
                       {24, 18}, {36, 21}, {12, 21}, {42, 24}, {30, 24}, {18, 24}, {6, 24}}));
  // The half inch after the last whole one: offsets 6, 12, 18 and 24.
  EXPECT_EQ(after, (std::set<int>{390, 396, 402, 408}));

  // Centimetres at Medium zoom: millimetres every 3 pixels, the half from 20.
  int halves = 0, millimetres = 0;
  for (const RulerMark& m : RulerMarks(2, 30, false)) {
    if (m.number) continue;
    EXPECT_EQ(m.at % 3, 0);
    (m.from == 20 ? halves : millimetres)++;
  }
  EXPECT_EQ(halves, 2);
  EXPECT_EQ(millimetres, 16);
  EXPECT_TRUE(RulerMarks(0, 30, false).empty());
}

TEST(LayoutDesign, SizeEntriesAreCheckedInOrderAndRoundedHalfToEven) {
  EXPECT_EQ(ReadSizeEntry("-1", "x", "0", "0").message, "Invalid left position entered.");
  EXPECT_EQ(ReadSizeEntry("0", "-0.5", "0", "0").message, "Invalid top position entered.");
  const SizeEntry noWidth = ReadSizeEntry("0", "0", "0", "1");
  EXPECT_EQ(noWidth.failed, 2);
  EXPECT_EQ(noWidth.message, "Invalid width entered.");
  EXPECT_EQ(ReadSizeEntry("0", "0", "1", "").message, "Invalid height entered.");
  EXPECT_EQ(ReadSizeEntry("0", "0", "1", "abc").failed, 3);
  const SizeEntry ok = ReadSizeEntry(" 0 ", "0", "0.001", "2.5");
  EXPECT_EQ(ok.failed, -1);
  EXPECT_EQ(ok.box.height, 2.5);

  // 2.5 and 3.5 pixels: halves go to the even neighbour.
  const LayoutBounds b = BoundsFromUnits({0.125, 0.175, 0.125, 0.175}, 20);
  EXPECT_TRUE(SameBounds(b, {2, 4, 4, 8})) << Show(b);
  // Whole pixels survive a trip into units and back in every unit and zoom.
  for (int u : {20, 30, 40, 48, 72, 96}) {
    const LayoutBounds original{37, 451, 612, 455};
    EXPECT_TRUE(SameBounds(BoundsFromUnits(BoundsInUnits(original, u), u), original)) << u;
  }
  EXPECT_TRUE(CornerOnPage({611, 791, 2000, 2000}, 612, 792));
  EXPECT_FALSE(CornerOnPage({612, 0, 700, 10}, 612, 792));
  EXPECT_FALSE(CornerOnPage({0, 792, 10, 800}, 612, 792));

  EXPECT_EQ(ReadCount(" 9"), 9);
  for (const char* bad : {"0", "-1", "", "x", "10"}) EXPECT_FALSE(ReadCount(bad)) << bad;
}

TEST(LayoutDesign, TextKeepsCrLfLineBreaksAndItsLimit) {
  EXPECT_EQ(TextForEditing("Name:\r\nDate:\rEnd"), "Name:\nDate:\nEnd");
  EXPECT_EQ(TextForRecord("Name:\nDate:", 1000), "Name:\r\nDate:");
  EXPECT_EQ(TextForRecord("Name:\r\nDate:", 1000), "Name:\r\nDate:");
  const std::string full(1000, 'x');
  EXPECT_EQ(TextForRecord(full, 1000), full);
  EXPECT_EQ(TextForRecord(full + "y", 1000), full);
  // A line break that would not fit whole is left out with what follows.
  EXPECT_EQ(TextForRecord(std::string(999, 'x') + "\nz", 1000), std::string(999, 'x'));
  EXPECT_EQ(TextForRecord(std::string("a\0b", 3), 1000), "ab") << "a NUL would end the text";
}

TEST(LayoutDesign, RepairMakesAForeignPageSafeToDraw) {
  auto l = NewLayout();
  EXPECT_FALSE(RepairDesignLayout(*l));
  l->objectCount = 300;
  l->pageWidth = 1e9;
  l->portrait = 0;
  EXPECT_TRUE(RepairDesignLayout(*l));
  EXPECT_EQ(l->objectCount, kMaxLayoutObjects);
  EXPECT_EQ(l->pageWidth, 11) << "Letter, landscape";
  EXPECT_EQ(l->pageHeight, 8.5);
  l->inches = 0;
  l->pageHeight = std::nan("");
  EXPECT_TRUE(RepairDesignLayout(*l));
  EXPECT_EQ(l->pageWidth, 29.7) << "A4, landscape";
  l->pageHeight = 0.5;  // no paper is that small
  EXPECT_TRUE(RepairDesignLayout(*l));
  EXPECT_EQ(l->pageHeight, 21);
  l->objects[3].bounds = {2147483647, 5, -2147483647 - 1, 4};
  EXPECT_TRUE(RepairDesignLayout(*l));
  EXPECT_EQ(Show(l->objects[3].bounds), "(-16777216,4,16777216,5)");
}

}  // namespace
}  // namespace gw
