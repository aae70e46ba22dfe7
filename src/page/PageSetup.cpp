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
  const double unit = layout.inches ? 1.0 : kCmToInches;
  const double w = layout.pageWidth * unit, h = layout.pageHeight * unit;
  auto usable = [](double v) { return std::isfinite(v) && v >= 0.5 && v <= 100.0; };
  if (!usable(w) || !usable(h))
    return portrait ? PagePaper{1, 8.5, 11, true} : PagePaper{1, 11, 8.5, false};
  return PagePaper{0, w, h, portrait};
}

int PrintedWordCount(const PuzzleRecord& puzzle) {
  int n = ClampedWordCount(puzzle);
  while (n > 0 && puzzle.wordPlaced[n - 1] == 0) --n;
  return n;
}

}  // namespace gw
