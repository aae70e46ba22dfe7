// The built-in default page layout and the accessors that keep readers safe from damaged records.
#include "storage/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gw {

std::string ObjectText(const LayoutObject& object) {
  const void* nul = std::memchr(object.text, 0, kMaxObjectText);
  const size_t n = nul ? static_cast<const char*>(nul) - object.text : kMaxObjectText;
  return std::string(object.text, n);
}

void SetObjectText(LayoutObject& object, const std::string& text) {
  const size_t n = std::min(text.size(), kMaxObjectText);
  std::memset(object.text, 0, sizeof object.text);
  std::memcpy(object.text, text.data(), n);
}

std::vector<const LayoutObject*> DrawnObjects(const PageLayout& layout) {
  std::vector<const LayoutObject*> objects;
  for (int i = 0; i < UsedObjectCount(layout); ++i)
    if (IsKnownKind(layout.objects[i].kind)) objects.push_back(&layout.objects[i]);
  return objects;
}

std::optional<double> LayoutScale(const PageLayout& layout, double targetWidth,
                                  double targetHeight) {
  if (layout.pixelWidth <= 0 || layout.pixelHeight <= 0) return std::nullopt;
  // Written so that NaN targets fail the test too.
  if (!(targetWidth > 0) || !(targetHeight > 0) || !std::isfinite(targetWidth) ||
      !std::isfinite(targetHeight))
    return std::nullopt;
  return std::min(targetWidth / layout.pixelWidth, targetHeight / layout.pixelHeight);
}

void MakeBuiltInDefaultLayout(PageLayout& layout) {
  std::memset(&layout, 0, sizeof layout);
  layout.layoutName.Set("New Page");
  layout.paperName.Set("Letter");
  layout.pageWidth = 8.5;
  layout.pageHeight = 11;
  layout.pixelWidth = 408;
  layout.pixelHeight = 528;
  layout.inches = 1;
  layout.objectCount = 3;
  layout.portrait = 1;
  layout.zoom = 0;

  LayoutObject& title = layout.objects[0];
  title.kind = kKindTitle;
  title.objectName.Set("Title");
  title.bounds = {48, 48, 360, 72};
  title.fontName.Set("Arial");
  title.fontSize = 12;
  title.alignment = 2;
  title.optionA = 1;
  title.makeItFit = 1;
  title.fillColor = 0xFFFFFF;
  title.borderWidth = 1;

  LayoutObject& puzzle = layout.objects[1];
  puzzle.kind = kKindPuzzle;
  puzzle.objectName.Set("Puzzle");
  puzzle.bounds = {96, 76, 312, 292};
  puzzle.fontName.Set("Arial");
  puzzle.fontSize = 12;
  puzzle.font2Name.Set("Arial");
  puzzle.font2Size = 5;
  puzzle.backgroundColor = 0xFFFFFF;
  puzzle.gridLineColor = 0;
  puzzle.lineWidth = 1;
  puzzle.alignment = 2;
  puzzle.optionA = 0;
  puzzle.makeItFit = 1;
  puzzle.optionB = 0;
  puzzle.fillColor = 0;
  puzzle.borderWidth = 1;

  LayoutObject& words = layout.objects[2];
  words.kind = kKindWords;
  words.objectName.Set("Word List");
  words.bounds = {48, 316, 192, 484};
  words.fontName.Set("Arial");
  words.fontSize = 12;
  words.alignment = 2;
  words.optionA = 1;
  words.columns = 1;
  words.makeItFit = 1;
  words.fillColor = 0xFFFFFF;
  words.borderWidth = 1;
}

}  // namespace gw
