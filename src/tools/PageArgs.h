// The page options --render and --print share: which puzzles of a group, through which layout,
// with which print options; and what the page jobs came to.
#pragma once

#include <QGuiApplication>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/Settings.h"
#include "page/PageDocuments.h"
#include "tools/MakeCli.h"

namespace gw::cli {

struct PageArgs {
  std::string group;
  std::string record;  // a number or "all"
  bool answerKey = false;
  std::optional<long> wordOption, columns, first, last;
  bool grid = false, lowerCase = false, underscores = false;
  bool noTitle = false, noBody = false, noWords = false, noBonus = false;
  std::optional<uint64_t> seed;
  std::optional<long> layout;  // a record of the layout library instead of the puzzle's own page
  std::string libraryDir = DefaultLibraryDir();
  // RECORD may also be a list of records and ranges ("0,2,5-9"), and may be left out for all.
  bool recordList = false;
};

// Takes args[i] (and its value, moving i onto it) when it is one of the command's own options;
// false when it is not one. `problem` tells what is wrong with its value.
using OwnOption =
    std::function<bool(const Args& args, size_t& i, std::optional<std::string>& problem)>;
// Parses a page command's arguments: GROUP and RECORD, the page options and the command's own;
// a message when they are not usable.
std::optional<std::string> ParsePageArgs(const Args& args, const std::string& command, PageArgs& r,
                                         const OwnOption& own);
// The value after option args[i], moving i onto it; nothing (and `problem` set) when missing.
const std::string* OptionValue(const Args& args, size_t& i, std::optional<std::string>& problem);

// The puzzles of RECORD (one, or every one for "all"), each with the --layout page when given.
struct PagePuzzles {
  std::vector<int> records;
  std::vector<std::unique_ptr<PuzzleRecord>> puzzles;
};
// kDone, or the exit code after its message on stderr.
int LoadPagePuzzles(const PageArgs& r, PagePuzzles& out);

// The records a list names, in its order: numbers and ranges ("0,2,5-9") of a group of `count`
// records. A message when it is not such a list, names a record twice or one that is not there.
std::variant<std::vector<int>, std::string> RecordList(const std::string& text, int count,
                                                       const std::string& group);

// The print options of each puzzle's page, as PageRequests sets them for a page without its key.
std::vector<PrintOptions> PuzzlePageOptions(const PagePuzzles& puzzles, const PageArgs& r);

// The pages to draw: each puzzle, or for "all" a puzzle book (every puzzle, then every answer
// key in the same order). The print options saved in the settings of the current folder come
// first, then the layout's own choices, then the command line's. `pageRecords` gets the record
// of each page.
std::vector<PageRequest> PageRequests(PagePuzzles& puzzles, const PageArgs& r,
                                      std::vector<int>& pageRecords);

// Tells each page's warnings on stderr. A page its job refused gives kBadInput after the
// refusal; otherwise kDone.
int ReportPageResults(const std::vector<PageJobResult>& results,
                      const std::vector<int>& pageRecords);

// Fonts and printers need a GUI application; the offscreen platform needs no display.
std::unique_ptr<QGuiApplication> StartOffscreenApplication();

}  // namespace gw::cli
