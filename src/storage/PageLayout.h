// Page layout record with its objects, exactly as stored in puzzles, the library and export files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/PString.h"

namespace gw {

// Object kind codes; other values (0, 3..6, 9, ...) are skipped by every reader.
enum LayoutKind : int16_t {
  kKindTitle = 1,
  kKindPuzzle = 2,
  kKindWords = 7,
  kKindBonus = 8,
  kKindText = 10,
  kKindBitmap = 11,
  kKindRectangle = 12,
  kKindCircle = 13,
};

inline bool IsKnownKind(int kind) {
  return kind == 1 || kind == 2 || kind == 7 || kind == 8 || (kind >= 10 && kind <= 13);
}

constexpr int kMaxLayoutObjects = 20;

#pragma pack(push, 1)
struct LayoutBounds {
  int32_t left, top, right, bottom;
};

struct LayoutObject {
  int16_t kind;
  PString<15> objectName;
  LayoutBounds bounds;
  PString<30> fontName;
  int16_t fontSize;
  uint32_t fontColor;  // 0x00BBGGRR
  uint8_t fontBold;
  uint8_t fontItalic;
  uint8_t fontUnderline;
  uint8_t fontStrikeOut;
  PString<30> font2Name;
  int16_t font2Size;
  uint32_t font2Color;
  uint8_t font2Bold;
  uint8_t font2Italic;
  uint8_t font2Underline;
  uint8_t font2StrikeOut;
  uint32_t backgroundColor;
  uint32_t gridLineColor;
  uint8_t lowerCase;
  int32_t lineWidth;
  int16_t alignment;  // 1 left, 2 centre, 3 right
  char text[1001];    // NUL-terminated, lines separated by CR LF
  uint8_t optionA;
  int16_t columns;
  uint8_t spare;
  uint8_t makeItFit;
  uint8_t optionB;
  uint32_t fillColor;
  uint32_t borderColor;
  uint8_t border;
  int16_t borderWidth;
  PString<255> bitmapFile;
  uint32_t pictureSlot;  // working storage of the designer; meaningless in files
  int16_t fittedFontSize;
  uint8_t reserved[28];
};

struct PageLayout {
  PString<20> layoutName;
  PString<20> paperName;
  double pageWidth;
  double pageHeight;
  int16_t pixelWidth;
  int16_t pixelHeight;
  uint8_t inches;
  int16_t objectCount;
  uint8_t portrait;
  int16_t zoom;
  uint8_t reserved[20];
  LayoutObject objects[kMaxLayoutObjects];
};
#pragma pack(pop)

static_assert(offsetof(LayoutObject, kind) == 0);
static_assert(offsetof(LayoutObject, objectName) == 2);
static_assert(offsetof(LayoutObject, bounds) == 18);
static_assert(offsetof(LayoutObject, fontName) == 34);
static_assert(offsetof(LayoutObject, fontSize) == 65);
static_assert(offsetof(LayoutObject, fontColor) == 67);
static_assert(offsetof(LayoutObject, fontBold) == 71);
static_assert(offsetof(LayoutObject, fontItalic) == 72);
static_assert(offsetof(LayoutObject, fontUnderline) == 73);
static_assert(offsetof(LayoutObject, fontStrikeOut) == 74);
static_assert(offsetof(LayoutObject, font2Name) == 75);
static_assert(offsetof(LayoutObject, font2Size) == 106);
static_assert(offsetof(LayoutObject, font2Color) == 108);
static_assert(offsetof(LayoutObject, font2Bold) == 112);
static_assert(offsetof(LayoutObject, font2StrikeOut) == 115);
static_assert(offsetof(LayoutObject, backgroundColor) == 116);
static_assert(offsetof(LayoutObject, gridLineColor) == 120);
static_assert(offsetof(LayoutObject, lowerCase) == 124);
static_assert(offsetof(LayoutObject, lineWidth) == 125);
static_assert(offsetof(LayoutObject, alignment) == 129);
static_assert(offsetof(LayoutObject, text) == 131);
static_assert(offsetof(LayoutObject, optionA) == 1132);
static_assert(offsetof(LayoutObject, columns) == 1133);
static_assert(offsetof(LayoutObject, spare) == 1135);
static_assert(offsetof(LayoutObject, makeItFit) == 1136);
static_assert(offsetof(LayoutObject, optionB) == 1137);
static_assert(offsetof(LayoutObject, fillColor) == 1138);
static_assert(offsetof(LayoutObject, borderColor) == 1142);
static_assert(offsetof(LayoutObject, border) == 1146);
static_assert(offsetof(LayoutObject, borderWidth) == 1147);
static_assert(offsetof(LayoutObject, bitmapFile) == 1149);
static_assert(offsetof(LayoutObject, pictureSlot) == 1405);
static_assert(offsetof(LayoutObject, fittedFontSize) == 1409);
static_assert(offsetof(LayoutObject, reserved) == 1411);
static_assert(sizeof(LayoutObject) == 1439);

static_assert(offsetof(PageLayout, layoutName) == 0);
static_assert(offsetof(PageLayout, paperName) == 21);
static_assert(offsetof(PageLayout, pageWidth) == 42);
static_assert(offsetof(PageLayout, pageHeight) == 50);
static_assert(offsetof(PageLayout, pixelWidth) == 58);
static_assert(offsetof(PageLayout, pixelHeight) == 60);
static_assert(offsetof(PageLayout, inches) == 62);
static_assert(offsetof(PageLayout, objectCount) == 63);
static_assert(offsetof(PageLayout, portrait) == 65);
static_assert(offsetof(PageLayout, zoom) == 66);
static_assert(offsetof(PageLayout, reserved) == 68);
static_assert(offsetof(PageLayout, objects) == 88);
static_assert(sizeof(PageLayout) == 28868);

// Objects in use, with a damaged objectCount clamped to 0..20.
inline int UsedObjectCount(const PageLayout& layout) {
  const int n = layout.objectCount;
  return n < 0 ? 0 : (n > kMaxLayoutObjects ? kMaxLayoutObjects : n);
}

constexpr size_t kMaxObjectText = 1000;

// The object's text up to its NUL; a damaged record without one yields at most 1000 characters.
std::string ObjectText(const LayoutObject& object);
// Stores text cut to 1000 characters and zeroes the rest of the field, so the NUL is always there.
void SetObjectText(LayoutObject& object, const std::string& text);

// The objects a drawing walks, back to front: slots 1..objectCount (clamped) whose kind is known.
std::vector<const LayoutObject*> DrawnObjects(const PageLayout& layout);

// The one factor that maps design pixels onto a target of the given size (page, thumbnail):
// min(width / pixelWidth, height / pixelHeight). Nullopt when the layout's pixel size or the
// target is not positive, which only a damaged or foreign record can cause; callers then draw
// nothing rather than divide by zero.
std::optional<double> LayoutScale(const PageLayout& layout, double targetWidth,
                                  double targetHeight);

// The layout new puzzles get when the layout library is missing or empty.
void MakeBuiltInDefaultLayout(PageLayout& layout);

}  // namespace gw
