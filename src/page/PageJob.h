// The page job: one puzzle drawn through its page layout onto a page target.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "page/PageSetup.h"
#include "page/PageTarget.h"
#include "page/PageValues.h"
#include "storage/PuzzleRecord.h"

namespace gw {

inline constexpr const char* kWarningCaption = "Warning";

struct PageJobResult {
  // False when the job refused to start; `refusal` then holds the message (caption "Error").
  bool ran = false;
  std::string refusal;
  bool cancelled = false;
  // "One or more bitmaps ..." when a bitmap file was missing or unreadable, else empty. A window
  // shows it before the fit warnings.
  std::string bitmapWarning;
  // What did not fit, in the order they are shown, each with caption kWarningCaption.
  std::vector<std::string> fitWarnings;
  // Page metrics, scale, N and the list and text layouts, for DrawKeptPage.
  PageValues values;
};

// Draws `puzzle` through its page layout onto `target`, whose page the caller has set up with the
// layout's paper (PaperOfLayout): the objects in stacking order, each only when the options ask
// for it. Writes the fitted font sizes into the layout objects (and the bonus question into the
// bonus object's text), so run it on the caller's copy of the puzzle. `cancelled` is asked
// between objects; a cancelled job draws no more and gives no warnings.
PageJobResult RunPageJob(PuzzleRecord& puzzle, const PrintOptions& options, PageTarget& target,
                         const std::function<bool()>& cancelled = {});

// The metafile mode: draws the page of the last RunPageJob on the same puzzle and options again,
// from `values` and the fitted sizes in the layout, measuring and fitting nothing. Coordinates
// are truncated to whole device pixels of `target`, and text is placed by its top-left corner.
// Bitmaps are not drawn. Scrambled words are shuffled afresh (from options.scrambleSeed when
// set) but keep their kept lengths.
void DrawKeptPage(const PuzzleRecord& puzzle, const PrintOptions& options, const PageValues& values,
                  PageTarget& target);

}  // namespace gw
