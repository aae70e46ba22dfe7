// What a page rendering measured and decided, kept for the metafile mode that draws the same page
// again without measuring, and for the warnings after the job.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace gw {

// The word list (normal, scrambled or partial words).
struct WordListValues {
  int rows = 0;            // rows per column
  double columnWidth = 0;  // inches
  double indent = 0;       // inches
  double rowHeight = 0;    // inches
  int fitting = 0;         // entries that have a slot
  std::vector<int> chars;  // per entry in print order: characters printed, 0 = left blank
};

constexpr int kMaxClueLines = 7;

// The clue list.
struct ClueListValues {
  struct Entry {
    int lines = 0;
    std::array<int, kMaxClueLines> chars{};  // characters of each line, spaces included
    int column = 0, row = 0;                 // where the entry starts, 0-based
  };
  int rows = 0;
  double numberWidth = 0, gap = 0, indent = 0, textWidth = 0, rowHeight = 0;  // inches
  int fitting = 0;  // entries printed: those before the first that falls outside the columns
  std::vector<Entry> entries;
};

constexpr int kMaxTextLines = 100;

// One text object, found by its running number among the page's text objects.
struct TextValues {
  struct Line {
    int16_t chars = 0;         // characters of the text in this line, its line break included
    bool forcedBreak = false;  // the line starts at a line break of the text
  };
  std::vector<Line> lines;
  int printed = 0;  // lines within the box
  bool fits = true;
};

struct PageValues {
  double pageWidth = 0, pageHeight = 0;  // inches
  double scale = 0;                      // inches per design pixel
  double xDpi = 0, yDpi = 0;             // of the target
  int printedWords = 0;                  // N
  WordListValues words;
  ClueListValues clues;
  std::vector<TextValues> texts;
  bool wordsFit = true;
  bool cluesFit = true;
  bool lettersFit = true;  // false only when a smallest font kept the letters wider than a cell
};

}  // namespace gw
