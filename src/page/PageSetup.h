// What a page job is asked for: the print options, the paper of a layout, the printed words.
#pragma once

#include <cstdint>
#include <optional>

#include "base/Settings.h"
#include "storage/PageLayout.h"
#include "storage/PuzzleRecord.h"

namespace gw {

// The forms of the word list object.
enum WordOption { kNormalWords = 1, kClues = 2, kScrambledWords = 3, kPartialWords = 4 };

// The print options of one job: the "Reports" settings as the print options window edits them.
struct PrintOptions {
  bool printTitle = true;
  bool printBody = true;
  bool printWords = true;
  bool printBonus = true;
  bool answerKey = false;
  bool useGrid = false;
  bool lowerCase = false;
  long wordOption = kNormalWords;  // any other value prints normal words
  bool clueUnderscore = false;
  bool partialUnderscore = false;
  long firstLetters = 1;
  long lastLetters = 1;
  long numColumns = 3;  // a job refuses to run with fewer than 1
  // Scrambled words are shuffled from this seed, or from the clock when there is none.
  std::optional<uint64_t> scrambleSeed;
  // Large print: the grid's letters, the words and the clues are set at least this many points
  // of the layout, however Make It Fit would shrink them (0: no floor).
  int smallestFont = 0;
};

PrintOptions PrintOptionsFrom(const SettingsValues& settings);

// What the print options window does when it opens on a layout: the puzzle object's lower case
// and grid-line choice and the words object's column count override the saved options.
void ApplyLayoutDefaults(const PageLayout& layout, PrintOptions& options);

// The paper a layout is printed on, in inches and oriented as printed.
struct PagePaper {
  int code;  // Letter 1, Legal 5, A4 9, A5 11, B5 13, Executive 7, custom 0
  double width, height;
  bool portrait;
};
// A custom page keeps the layout's own width and height (already oriented as designed); a side no
// designer makes (SanePageSide: a damaged record) falls back to Letter, or A4 in centimetres.
PagePaper PaperOfLayout(const PageLayout& layout);

// N: the word count less the trailing words the generator could not place. Words 1..N are listed
// and marked in the answer key.
int PrintedWordCount(const PuzzleRecord& puzzle);

}  // namespace gw
