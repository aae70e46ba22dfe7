// Print options, paper and printed words of a page job.
#include "page/PageSetup.h"

#include <cmath>
#include <string>

#include "layouts/LayoutTables.h"

namespace gw {

PrintOptions PrintOptionsFrom(const SettingsValues& s) {
  PrintOptions o;
  o.printTitle = s.printTitle;
  o.printBody = s.printBody;
  o.printWords = s.printWords;
  o.printBonus = s.printBonus;
  o.answerKey = s.answerKey;
  o.useGrid = s.useGrid;
  o.lowerCase = s.lowerCase;
  o.wordOption = s.wordOption;
  o.clueUnderscore = s.clueUnderscore;
  o.partialUnderscore = s.partialUnderscore;
  o.firstLetters = s.firstLetters;
  o.lastLetters = s.lastLetters;
  o.numColumns = s.numColumns;
  return o;
}

void ApplyLayoutDefaults(const PageLayout& layout, PrintOptions& options) {
  for (const LayoutObject* object : DrawnObjects(layout)) {
    if (object->kind == kKindPuzzle) {
      options.lowerCase = object->lowerCase != 0;
      options.useGrid = object->optionA != 0;
    } else if (object->kind == kKindWords) {
      options.numColumns = object->columns;
    }
  }
}

PagePaper PaperOfLayout(const PageLayout& layout) {
  static constexpr struct {
    const char* name;
    int code;
  } kCodes[] = {{"Letter", 1}, {"Legal", 5}, {"A4", 9}, {"A5", 11}, {"B5", 13}, {"Executive", 7}};
  constexpr double kCmToInches = 0.39370078740157480316;
  const bool portrait = layout.portrait != 0;
  const std::string name = layout.paperName.Get();
  for (const auto& c : kCodes) {
    if (name != c.name) continue;
    const PaperSize* paper = FindPaper(name);
    const double unit = paper->inches ? 1.0 : kCmToInches;
    const double w = paper->width * unit, h = paper->height * unit;
    return portrait ? PagePaper{c.code, w, h, true} : PagePaper{c.code, h, w, false};
  }
  const bool inches = layout.inches != 0;
  const double unit = inches ? 1.0 : kCmToInches;
  if (!SanePageSide(layout.pageWidth, inches) || !SanePageSide(layout.pageHeight, inches)) {
    // A damaged page size: the paper the designer gives such a record.
    const PaperSize& paper = *FindPaper(inches ? "Letter" : "A4");
    const double w = paper.width * unit, h = paper.height * unit;
    const int code = inches ? 1 : 9;
    return portrait ? PagePaper{code, w, h, true} : PagePaper{code, h, w, false};
  }
  return PagePaper{0, layout.pageWidth * unit, layout.pageHeight * unit, portrait};
}

int PrintedWordCount(const PuzzleRecord& puzzle) {
  int n = ClampedWordCount(puzzle);
  while (n > 0 && puzzle.wordPlaced[n - 1] == 0) --n;
  return n;
}

}  // namespace gw
