// Page layout records byte by byte, the built-in default, creation values and damaged records.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "layouts/LayoutTables.h"
#include "storage/PageLayout.h"
#include "support/Bytes.h"

namespace gw {
namespace {

using test::Bytes;
using test::U16At;
using test::U32At;

std::unique_ptr<PageLayout> Zeroed() {
  return test::Zeroed<PageLayout>();
}

TEST(LayoutRecord, HeaderAndEveryObjectFieldLandAtTheirOffsets) {
  auto l = Zeroed();
  l->layoutName.Set("Worksheet");
  l->paperName.Set("A4");
  l->pageWidth = 21;
  l->pageHeight = 29.7;
  l->pixelWidth = 630;
  l->pixelHeight = 891;
  l->inches = 1;
  l->objectCount = 20;
  l->portrait = 1;
  l->zoom = 2;
  l->reserved[19] = 0x5A;

  // The last slot, so the stride of the object array is checked too.
  LayoutObject& o = l->objects[19];
  o.kind = 13;
  o.objectName.Set("Circle 2");
  o.bounds = {-1, 0x01020304, 300, 0x7FFFFFFF};
  o.fontName.Set("Times New Roman");
  o.fontSize = 0x0A0B;
  o.fontColor = 0x00112233;
  o.fontBold = 1;
  o.fontItalic = 2;
  o.fontUnderline = 3;
  o.fontStrikeOut = 4;
  o.font2Name.Set("Courier New");
  o.font2Size = 0x0C0D;
  o.font2Color = 0x00445566;
  o.font2Bold = 5;
  o.font2Italic = 6;
  o.font2Underline = 7;
  o.font2StrikeOut = 8;
  o.backgroundColor = 0x00778899;
  o.gridLineColor = 0x00AABBCC;
  o.lowerCase = 9;
  o.lineWidth = 0x0E0F1011;
  o.alignment = 3;
  SetObjectText(o, "Name:\r\nDate:");
  o.optionA = 10;
  o.columns = 0x1213;
  o.spare = 11;
  o.makeItFit = 12;
  o.optionB = 13;
  o.fillColor = 0x00DDEEFF;
  o.borderColor = 0x00102030;
  o.border = 14;
  o.borderWidth = 0x1415;
  o.bitmapFile.Set("/home/pictures/frame.bmp");
  o.pictureSlot = 0x16171819;
  o.fittedFontSize = 0x1A1B;
  o.reserved[27] = 0x1C;

  const unsigned char* b = Bytes(l.get());
  EXPECT_EQ(std::memcmp(b + 0,
                        "\x09"
                        "Worksheet",
                        10),
            0);
  EXPECT_EQ(std::memcmp(b + 21,
                        "\x02"
                        "A4",
                        3),
            0);
  double width, height;
  std::memcpy(&width, b + 42, 8);
  std::memcpy(&height, b + 50, 8);
  EXPECT_EQ(width, 21);
  EXPECT_EQ(height, 29.7);
  EXPECT_EQ(U16At(b, 58), 630);
  EXPECT_EQ(U16At(b, 60), 891);
  EXPECT_EQ(b[62], 1);
  EXPECT_EQ(U16At(b, 63), 20);
  EXPECT_EQ(b[65], 1);
  EXPECT_EQ(U16At(b, 66), 2);
  EXPECT_EQ(b[87], 0x5A);

  const unsigned char* ob = b + 88 + 19 * 1439;
  EXPECT_EQ(U16At(ob, 0), 13);
  EXPECT_EQ(std::memcmp(ob + 2,
                        "\x08"
                        "Circle 2",
                        9),
            0);
  EXPECT_EQ(U32At(ob, 18), 0xFFFFFFFFu);
  EXPECT_EQ(U32At(ob, 22), 0x01020304u);
  EXPECT_EQ(U32At(ob, 26), 300u);
  EXPECT_EQ(U32At(ob, 30), 0x7FFFFFFFu);
  EXPECT_EQ(std::memcmp(ob + 34,
                        "\x0F"
                        "Times New Roman",
                        16),
            0);
  EXPECT_EQ(U16At(ob, 65), 0x0A0B);
  EXPECT_EQ(U32At(ob, 67), 0x00112233u);
  EXPECT_EQ(ob[71], 1);
  EXPECT_EQ(ob[72], 2);
  EXPECT_EQ(ob[73], 3);
  EXPECT_EQ(ob[74], 4);
  EXPECT_EQ(std::memcmp(ob + 75,
                        "\x0B"
                        "Courier New",
                        12),
            0);
  EXPECT_EQ(U16At(ob, 106), 0x0C0D);
  EXPECT_EQ(U32At(ob, 108), 0x00445566u);
  EXPECT_EQ(ob[112], 5);
  EXPECT_EQ(ob[113], 6);
  EXPECT_EQ(ob[114], 7);
  EXPECT_EQ(ob[115], 8);
  EXPECT_EQ(U32At(ob, 116), 0x00778899u);
  EXPECT_EQ(U32At(ob, 120), 0x00AABBCCu);
  EXPECT_EQ(ob[124], 9);
  EXPECT_EQ(U32At(ob, 125), 0x0E0F1011u);
  EXPECT_EQ(U16At(ob, 129), 3);
  EXPECT_EQ(std::memcmp(ob + 131, "Name:\r\nDate:\0", 13), 0);
  EXPECT_EQ(ob[1132], 10);
  EXPECT_EQ(U16At(ob, 1133), 0x1213);
  EXPECT_EQ(ob[1135], 11);
  EXPECT_EQ(ob[1136], 12);
  EXPECT_EQ(ob[1137], 13);
  EXPECT_EQ(U32At(ob, 1138), 0x00DDEEFFu);
  EXPECT_EQ(U32At(ob, 1142), 0x00102030u);
  EXPECT_EQ(ob[1146], 14);
  EXPECT_EQ(U16At(ob, 1147), 0x1415);
  EXPECT_EQ(std::memcmp(ob + 1149,
                        "\x18"
                        "/home/pictures/frame.bmp",
                        25),
            0);
  EXPECT_EQ(U32At(ob, 1405), 0x16171819u);
  EXPECT_EQ(U16At(ob, 1409), 0x1A1B);
  EXPECT_EQ(ob[1438], 0x1C);
  EXPECT_EQ(ob + 1439, b + sizeof(PageLayout));
}

TEST(LayoutRecord, BuiltInDefaultHoldsTheListedValuesAndZeroElsewhere) {
  auto l = std::make_unique<PageLayout>();
  std::memset(l.get(), 0xA5, sizeof *l);  // whatever the buffer held before must not survive
  MakeBuiltInDefaultLayout(*l);

  EXPECT_EQ(l->layoutName.Get(), "New Page");
  EXPECT_EQ(l->paperName.Get(), "Letter");
  EXPECT_EQ(l->pageWidth, 8.5);
  EXPECT_EQ(l->pageHeight, 11);
  EXPECT_EQ(l->pixelWidth, 408);
  EXPECT_EQ(l->pixelHeight, 528);
  EXPECT_EQ(l->inches, 1);
  EXPECT_EQ(l->objectCount, 3);
  EXPECT_EQ(l->portrait, 1);
  EXPECT_EQ(l->zoom, 0);

  struct Expect {
    int16_t kind;
    const char* name;
    LayoutBounds bounds;
    int16_t alignment;
    uint8_t optionA;
    int16_t columns;
    uint32_t fillColor;
  };
  const Expect expected[3] = {{1, "Title", {48, 48, 360, 72}, 2, 1, 0, 0xFFFFFF},
                              {2, "Puzzle", {96, 76, 312, 292}, 2, 0, 0, 0},
                              {7, "Word List", {48, 316, 192, 484}, 2, 1, 1, 0xFFFFFF}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    LayoutObject& o = l->objects[i];
    const Expect& e = expected[i];
    EXPECT_EQ(o.kind, e.kind);
    EXPECT_EQ(o.objectName.Get(), e.name);
    EXPECT_EQ(o.bounds.left, e.bounds.left);
    EXPECT_EQ(o.bounds.top, e.bounds.top);
    EXPECT_EQ(o.bounds.right, e.bounds.right);
    EXPECT_EQ(o.bounds.bottom, e.bounds.bottom);
    EXPECT_EQ(o.fontName.Get(), "Arial");
    EXPECT_EQ(o.fontSize, 12);
    EXPECT_EQ(o.alignment, e.alignment);
    EXPECT_EQ(o.optionA, e.optionA);
    EXPECT_EQ(o.columns, e.columns);
    EXPECT_EQ(o.makeItFit, 1);
    EXPECT_EQ(o.fillColor, e.fillColor);
    EXPECT_EQ(o.borderWidth, 1);
    EXPECT_EQ(o.border, 0);
    // Clear what was listed; whatever is left over must be zero.
    o.kind = 0;
    o.objectName.Set("");
    o.bounds = {0, 0, 0, 0};
    o.fontName.Set("");
    o.fontSize = 0;
    o.alignment = 0;
    o.optionA = 0;
    o.columns = 0;
    o.makeItFit = 0;
    o.fillColor = 0;
    o.borderWidth = 0;
  }
  LayoutObject& puzzle = l->objects[1];
  EXPECT_EQ(puzzle.font2Name.Get(), "Arial");
  EXPECT_EQ(puzzle.font2Size, 5);
  EXPECT_EQ(puzzle.backgroundColor, 0xFFFFFFu);
  EXPECT_EQ(puzzle.lineWidth, 1);
  puzzle.font2Name.Set("");
  puzzle.font2Size = 0;
  puzzle.backgroundColor = 0;
  puzzle.lineWidth = 0;

  l->layoutName.Set("");
  l->paperName.Set("");
  l->pageWidth = l->pageHeight = 0;
  l->pixelWidth = l->pixelHeight = 0;
  l->inches = 0;
  l->objectCount = 0;
  l->portrait = 0;
  auto zero = Zeroed();
  EXPECT_EQ(std::memcmp(l.get(), zero.get(), sizeof *l), 0);
}

TEST(LayoutTables, DesignUnitsAndPapers) {
  EXPECT_EQ(DesignUnit(1, true), 48);
  EXPECT_EQ(DesignUnit(2, true), 72);
  EXPECT_EQ(DesignUnit(3, true), 96);
  EXPECT_EQ(DesignUnit(1, false), 20);
  EXPECT_EQ(DesignUnit(2, false), 30);
  EXPECT_EQ(DesignUnit(3, false), 40);
  EXPECT_EQ(DesignUnit(0, true), 0);
  EXPECT_EQ(DesignUnit(4, false), 0);

  auto l = Zeroed();
  SetPaper(*l, *FindPaper("Letter"), false);
  EXPECT_EQ(l->paperName.Get(), "Letter");
  EXPECT_EQ(l->pageWidth, 11);  // landscape stores the sizes swapped
  EXPECT_EQ(l->pageHeight, 8.5);
  EXPECT_EQ(l->portrait, 0);
  ASSERT_TRUE(SetDesignZoom(*l, 2));
  EXPECT_EQ(l->pixelWidth, 792);
  EXPECT_EQ(l->pixelHeight, 612);

  // Trunc(page × u) must not lose a pixel to floating point on the metric papers.
  const struct {
    const char* name;
    int zoom, width, height;
  } metric[] = {{"A4", 1, 420, 594}, {"A4", 2, 630, 891}, {"A4", 3, 840, 1188},
                {"A5", 2, 444, 630}, {"B5", 2, 546, 771}, {"B5", 3, 728, 1028}};
  for (const auto& m : metric) {
    SCOPED_TRACE(std::string(m.name) + " zoom " + std::to_string(m.zoom));
    SetPaper(*l, *FindPaper(m.name), true);
    EXPECT_EQ(l->inches, 0);
    ASSERT_TRUE(SetDesignZoom(*l, m.zoom));
    EXPECT_EQ(l->pixelWidth, m.width);
    EXPECT_EQ(l->pixelHeight, m.height);
  }
  EXPECT_FALSE(SetDesignZoom(*l, 0));
  EXPECT_EQ(l->zoom, 3);  // unchanged
  EXPECT_EQ(FindPaper("Custom"), nullptr);
  EXPECT_EQ(FindPaper("letter"), nullptr);
  EXPECT_EQ(FindPaper("Executive")->width, 7.25);
}

TEST(LayoutTables, NewObjectsGetTheirKindsCreationValues) {
  auto l = Zeroed();
  const int u = 30;  // centimetres at Medium: Trunc(0.25 × 30) = 7 shows the truncation
  const struct {
    int kind;
    const char* name;
    int width, height;
    int16_t alignment;
    uint8_t optionA, border;
    uint32_t fill;
  } expected[] = {{1, "Title", 60, 7, 2, 1, 1, 0xFFFFFF},
                  {2, "Puzzle", 90, 90, 1, 0, 1, 0},
                  {7, "Words / Clues", 60, 90, 1, 1, 1, 0xFFFFFF},
                  {8, "Bonus Question", 120, 7, 1, 1, 1, 0xFFFFFF},
                  {10, "Text 1", 60, 60, 1, 1, 1, 0xFFFFFF},
                  {11, "Bitmap 1", 60, 60, 1, 0, 0, 0xFFFFFF},
                  {12, "Rectangle 1", 60, 60, 1, 1, 1, 0xFFFFFF},
                  {13, "Circle 1", 60, 60, 1, 1, 1, 0xFFFFFF}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.name);
    const int at = AddNewObject(*l, e.kind, 15, 25, u);
    ASSERT_EQ(at, UsedObjectCount(*l));
    const LayoutObject& o = l->objects[at - 1];
    EXPECT_EQ(o.kind, e.kind);
    EXPECT_EQ(o.objectName.Get(), e.name);
    EXPECT_EQ(o.bounds.left, 15);
    EXPECT_EQ(o.bounds.top, 25);
    EXPECT_EQ(o.bounds.right, 15 + e.width);
    EXPECT_EQ(o.bounds.bottom, 25 + e.height);
    EXPECT_EQ(o.fontName.Get(), "Arial");
    EXPECT_EQ(o.fontSize, 10);
    EXPECT_EQ(o.font2Name.Get(), "Arial");
    EXPECT_EQ(o.font2Size, 5);
    EXPECT_EQ(o.backgroundColor, 0xFFFFFFu);
    EXPECT_EQ(o.lineWidth, 1);
    EXPECT_EQ(o.alignment, e.alignment);
    EXPECT_EQ(o.optionA, e.optionA);
    EXPECT_EQ(o.columns, 3);
    EXPECT_EQ(o.makeItFit, 1);
    EXPECT_EQ(o.optionB, 0);
    EXPECT_EQ(o.fillColor, e.fill);
    EXPECT_EQ(o.border, e.border);
    EXPECT_EQ(o.borderWidth, 1);
    EXPECT_TRUE(ObjectText(o).empty());
    EXPECT_TRUE(o.bitmapFile.Empty());
  }
}

TEST(LayoutTables, NamesCountTheirKindAndTheLayoutRefusesWhatItCannotHold) {
  auto l = Zeroed();
  EXPECT_EQ(AddNewObject(*l, kKindText, 0, 0, 48), 1);
  EXPECT_EQ(AddNewObject(*l, kKindRectangle, 0, 0, 48), 2);
  EXPECT_EQ(AddNewObject(*l, kKindText, 0, 0, 48), 3);
  EXPECT_EQ(AddNewObject(*l, kKindText, 0, 0, 48), 4);
  EXPECT_EQ(l->objects[3].objectName.Get(), "Text 3");
  EXPECT_EQ(l->objects[1].objectName.Get(), "Rectangle 1");
  // After a deletion the numbers may repeat.
  std::memmove(&l->objects[0], &l->objects[1], 3 * sizeof(LayoutObject));
  l->objectCount = 3;
  EXPECT_EQ(AddNewObject(*l, kKindText, 0, 0, 48), 4);
  EXPECT_EQ(l->objects[3].objectName.Get(), "Text 3");

  EXPECT_EQ(AddNewObject(*l, kKindTitle, 0, 0, 48), 5);
  EXPECT_EQ(AddNewObject(*l, kKindTitle, 0, 0, 48), 0);  // one title per layout
  EXPECT_EQ(AddNewObject(*l, 9, 0, 0, 48), 0);           // never created
  while (UsedObjectCount(*l) < kMaxLayoutObjects)
    ASSERT_NE(AddNewObject(*l, kKindCircle, 0, 0, 48), 0);
  EXPECT_EQ(AddNewObject(*l, kKindCircle, 0, 0, 48), 0);
  EXPECT_EQ(l->objectCount, 20);
  EXPECT_EQ(l->objects[19].objectName.Get(), "Circle 15");
}

TEST(LayoutRecord, DamagedCountsKindsAndTextsAreReadSafely) {
  auto z = Zeroed();
  z->objectCount = 300;
  z->objects[0].kind = kKindTitle;
  z->objects[1].kind = 0;
  z->objects[2].kind = 5;
  z->objects[19].kind = kKindCircle;
  ASSERT_EQ(DrawnObjects(*z).size(), 2u);
  EXPECT_EQ(DrawnObjects(*z)[1], &z->objects[19]);
  z->objectCount = -4;
  EXPECT_TRUE(DrawnObjects(*z).empty());
  z->objectCount = 0;  // an empty page is valid and draws nothing
  EXPECT_TRUE(DrawnObjects(*z).empty());

  // A text field with no NUL anywhere.
  std::memset(z->objects[0].text, 'x', sizeof z->objects[0].text);
  EXPECT_EQ(ObjectText(z->objects[0]), std::string(1000, 'x'));
  SetObjectText(z->objects[0], std::string(1200, 'y'));
  EXPECT_EQ(ObjectText(z->objects[0]), std::string(1000, 'y'));
  EXPECT_EQ(z->objects[0].text[1000], 0);
}

TEST(LayoutRecord, ScaleMapsDesignPixelsOrRefusesADamagedPage) {
  auto l = Zeroed();
  l->pixelWidth = 612;
  l->pixelHeight = 792;
  // The thumbnail of a portrait Letter page at Medium zoom in a 117 × 137 image.
  const double s = LayoutScale(*l, 117, 137).value();
  EXPECT_NEAR(s, 137.0 / 792, 1e-12);
  EXPECT_EQ(static_cast<int>(612 * s), 105);
  EXPECT_EQ(static_cast<int>(792 * s), 137);
  EXPECT_NEAR(LayoutScale(*l, 8.5, 11).value(), 8.5 / 612, 1e-15);

  for (int16_t bad : {0, -612}) {
    l->pixelWidth = bad;
    l->pixelHeight = 792;
    EXPECT_FALSE(LayoutScale(*l, 117, 137).has_value());
    l->pixelWidth = 612;
    l->pixelHeight = bad;
    EXPECT_FALSE(LayoutScale(*l, 117, 137).has_value());
  }
  l->pixelHeight = 792;
  EXPECT_FALSE(LayoutScale(*l, 0, 137).has_value());
  EXPECT_FALSE(LayoutScale(*l, std::nan(""), 137).has_value());
  EXPECT_FALSE(LayoutScale(*l, 117, INFINITY).has_value());
}

}  // namespace
}  // namespace gw
