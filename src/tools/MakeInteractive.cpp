// gridwright-make --render ... --interactive: web pages on which puzzles are solved in a browser.
#include <filesystem>
#include <iostream>

#include "page/InteractiveExport.h"
#include "page/InteractivePage.h"
#include "tools/MakeCommands.h"
#include "tools/PageArgs.h"

namespace gw::cli {

int RunInteractiveRender(const PageArgs& args, const std::string& out, bool showAnswers) {
  PagePuzzles puzzles;
  if (const int code = LoadPagePuzzles(args, puzzles); code != kDone) return code;
  const bool all = args.record == "all";
  // One page per puzzle: a record number rather than "all" asks for no answer-key pages.
  PageArgs each = args;
  each.record = "each";
  std::vector<int> records;
  const std::vector<PageRequest> requests = PageRequests(puzzles, each, records);

  std::vector<WebPageFile> pages;
  std::vector<IndexEntry> index;
  for (size_t i = 0; i < requests.size(); ++i) {
    const PuzzleRecord& puzzle = *requests[i].puzzle;
    const std::string where = "record " + std::to_string(records[i]);
    if (const auto refusal = InteractivePageRefusal(puzzle)) {
      if (!all) return Fail(kBadInput, where + ": " + *refusal);
      // The rest of the group still makes its pages.
      std::cerr << "gridwright-make: " << where << " left out: " << *refusal << "\n";
      continue;
    }
    const std::optional<uint64_t> seed =
        args.seed ? std::optional<uint64_t>(*args.seed + static_cast<uint64_t>(records[i]))
                  : std::nullopt;
    const InteractivePageOptions options{
        requests[i].options, showAnswers, InteractivePageKey(seed),
        all ? std::filesystem::path(out).filename().string() : std::string()};
    const std::string path = all ? InteractivePagePath(out, records[i]) : out;
    pages.push_back({path, InteractivePageText(puzzle, options)});
    index.push_back({puzzle.title.Get(), puzzle.category.Get(),
                     std::filesystem::path(path).filename().string()});
  }
  if (pages.empty()) return Fail(kBadInput, args.group + " holds no puzzle to solve on a page");
  if (all) {
    const std::string heading = FromArg(std::filesystem::path(args.group).stem().string());
    pages.push_back({out, InteractiveIndexText(heading, index)});
  }

  for (const WebPageFile& page : pages)
    if (const auto refusal = WebPageTargetRefusal(page.path))
      return Fail(kBadInput, ToTerminal(*refusal));
  const OpResult saved = SaveWebPages(pages);
  if (!saved.ok) return Fail(kCannotDo, ToTerminal(saved.message));
  for (size_t i = 0; i < pages.size(); ++i)
    std::cout << pages[i].path << (all && i + 1 == pages.size() ? ": the index\n" : "\n");
  return kDone;
}

}  // namespace gw::cli
