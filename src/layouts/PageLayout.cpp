// The built-in default page layout.
#include "layouts/PageLayout.h"

#include <cstring>

namespace gw {

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
