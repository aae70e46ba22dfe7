// gridwright-make's first commands: make a puzzle from a word file, list a group, show a record.
#include <QString>
#include <array>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "base/AppPaths.h"
#include "base/IoError.h"
#include "base/Settings.h"
#include "base/SettingsFile.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "storage/StoredKinds.h"
#include "storage/PuzzleGroup.h"
#include "storage/RecordFile.h"
#include "tools/MakeCommands.h"
#include "tools/MakePuzzle.h"

namespace gw::cli {
namespace {

bool HasGroupExtension(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".QL3");
}

bool ParseDirections(const std::string& list, std::array<bool, 9>& directions) {
  static const char* const names[9] = {"",     "up",        "up-right", "right",  "down-right",
                                       "down", "down-left", "left",     "up-left"};
  if (list == "all") {
    directions.fill(true);
    directions[0] = false;
    return true;
  }
  directions.fill(false);
  // No direction at all is a list of its own, refused with the other inputs no run can use.
  if (Trim(list).empty()) return true;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = Trim(list.substr(start, comma - start));
    bool known = false;
    for (int d = 1; d <= 8; ++d)
      if (EqualsNoCase(name, names[d])) directions[d] = known = true;
    if (!known) return false;
    start = comma + 1;
  }
  return true;
}

// WORDFILE --estimate: how many words would fit, and nothing written.
int Estimate(MakeRequest& request, const std::vector<std::string>& makingOnly) {
  if (!makingOnly.empty())
    return UsageError(makingOnly.front() +
                      " is not used with --estimate: an estimate makes no puzzle");
  const MakeOutcome outcome = EstimateWords(request);
  if (outcome.code != MakeOutcome::Done) {
    std::cerr << "gridwright-make: " << ToTerminal(outcome.message) << "\n";
    return outcome.code;
  }
  std::cout << "about " << outcome.placed << " of " << outcome.words << " words fit\n";
  return 0;
}

}  // namespace

int RunList(const Args& args) {
  if (args.size() != 1) return UsageError("--list takes one group file");
  const std::string& group = args[0];
  try {
    if (!std::filesystem::exists(group)) return UsageError("cannot open " + group);
    // A file that cannot be read or holds something else must not look like an empty group.
    if (!CountRecords(group, sizeof(PuzzleRecord))) return Fail(kBadInput, "cannot open " + group);
    if (StoredKindOf(group) != StoredKind::PuzzleGroup)
      return Fail(kBadInput, group + " is not a puzzle group");
    const GroupListing listing = ListGroup(group);
    for (const GroupListing::Title& t : listing.titles)
      std::cout << t.Record() << '\t' << ToTerminal(listing.categories[t.Category()]) << '\t'
                << ToTerminal(t.title) << '\n';
  } catch (const IoError& e) {
    std::cerr << "gridwright-make: " << e.what() << "\n";
    return kBadInput;
  }
  return 0;
}

int RunShow(const Args& args) {
  if (args.size() != 2) return UsageError("--show takes a group file and a record number");
  const std::string& group = args[0];
  const std::string& recordText = args[1];
  const std::optional<long> record = Number(recordText, 0, 65535);
  if (!record) return UsageError("RECORD must be a record number");
  auto puzzle = std::make_unique<PuzzleRecord>();
  try {
    if (!ReadPuzzle(group, static_cast<int>(*record), *puzzle))
      return UsageError("cannot open " + group);
  } catch (const IoError&) {
    return UsageError(group + " has no record " + recordText);
  }
  std::cout << ToTerminal(ShowPuzzle(*puzzle));
  return 0;
}

int RunMake(const Args& args) {
  if (args.empty()) return UsageError("no word file given");
  MakeRequest request;
  request.libraryDir = DefaultLibraryDir();
  std::optional<std::string> title, category;
  bool estimate = false;
  // Options that only make and store a puzzle, which an estimate would silently ignore.
  std::vector<std::string> makingOnly;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (a.rfind("--", 0) != 0) {
      if (!request.wordFile.empty()) return UsageError("more than one word file given");
      request.wordFile = a;
    } else if (a == "--estimate") {
      estimate = true;
    } else if (a == "--explain") {
      request.explain = true;
      makingOnly.push_back(a);
    } else if (a == "--shrink") {
      request.shrink = true;
      makingOnly.push_back(a);
    } else if (a == "--allow-duplicates") {
      request.allowDuplicates = true;
      makingOnly.push_back(a);
    } else if (!value(v)) {
      return UsageError(a == "--group" || a == "--title" || a == "--category" || a == "--shape" ||
                                a == "--shape-file" || a == "--library" || a == "--directions" ||
                                a == "--integration" || a == "--attempts" || a == "--phrase" ||
                                a == "--pick" || a == "--seed" || a == "--sep" || a == "--versions"
                            ? a + " needs a value"
                            : "unknown option " + a);
    } else if (a == "--group") {
      request.groupFile = v;
    } else if (a == "--title") {
      title = FromArg(v);
    } else if (a == "--category") {
      category = FromArg(v);
    } else if (a == "--shape") {
      request.shapeName = FromArg(v);
    } else if (a == "--shape-file") {
      request.shapeFile = v;
    } else if (a == "--library") {
      request.libraryDir = v;
    } else if (a == "--directions") {
      if (!ParseDirections(v, request.directions))
        return UsageError("unknown direction in \"" + v + "\"");
    } else if (a == "--integration") {
      const auto n = Number(v, 0, 6);
      if (!n) return UsageError("--integration takes 0 to 6");
      request.integration = *n;
    } else if (a == "--attempts") {
      // Out-of-range values reach the same check as the editor's "&Create".
      const auto n = Number(v, LONG_MIN, LONG_MAX);
      if (!n) return UsageError("--attempts takes a whole number");
      request.attempts = *n;
    } else if (a == "--phrase") {
      request.phrase = FromArg(v);
    } else if (a == "--pick") {
      const auto n = Number(v, 1, 4);
      if (!n) return UsageError("--pick takes 1 to 4");
      request.pick = static_cast<int>(*n);
    } else if (a == "--seed") {
      const auto seed = UnsignedNumber(v);
      if (!seed) return UsageError("--seed takes a whole number from 0 to 18446744073709551615");
      request.seed = *seed;
    } else if (a == "--versions") {
      const auto n = Number(v, 2, 26);
      if (!n) return UsageError("--versions takes 2 to 26");
      request.versions = static_cast<int>(*n);
    } else if (a == "--sep") {
      if (v.size() != 1) return UsageError("--sep takes one character");
      request.separator = v;
    } else {
      return UsageError("unknown option " + a);
    }
    if (a == "--group" || a == "--title" || a == "--category" || a == "--attempts" ||
        a == "--phrase" || a == "--pick" || a == "--seed" || a == "--versions")
      makingOnly.push_back(a);
  }
  if (request.wordFile.empty()) return UsageError("no word file given");
  if (request.shapeName && request.shapeFile)
    return UsageError("--shape and --shape-file cannot be used together");
  if (estimate) return Estimate(request, makingOnly);
  // Each version is a run of its own; --explain speaks of one.
  if (request.explain && request.versions != 0)
    return UsageError("--explain and --versions cannot be used together");
  if (request.groupFile.empty()) return UsageError("--group is required");
  // A typing slip must never turn the word list (or any other file) into a puzzle group.
  if (!HasGroupExtension(request.groupFile))
    return UsageError("--group takes a puzzle group file whose name ends in .QL3, not " +
                      request.groupFile);

  request.title = title.value_or(
      FromQString(QString::fromStdString(std::filesystem::path(request.wordFile).stem().string())));
  request.category = category.value_or("Puzzles");
  // The default page comes from the settings of the current folder, as for the program.
  request.defaultPage = DefaultPageSetting();

  const MakeOutcome outcome = MakePuzzle(request);
  if (outcome.code != MakeOutcome::Done) {
    std::cerr << "gridwright-make: " << ToTerminal(outcome.message) << "\n";
    // Why nothing could be placed is worth the most when nothing was.
    std::cout << ToTerminal(outcome.explanation);
    return outcome.code;
  }
  if (!outcome.note.empty()) std::cerr << "gridwright-make: " << ToTerminal(outcome.note) << "\n";
  for (const std::string& note : outcome.versionNotes)
    std::cerr << "gridwright-make: " << ToTerminal(note) << "\n";
  if (!outcome.versionPlaced.empty()) {
    for (size_t v = 0; v < outcome.versionPlaced.size(); ++v)
      std::cout << "Record " << outcome.record + static_cast<int>(v) << " of " << request.groupFile
                << ": version " << static_cast<char>('A' + v) << ", " << outcome.versionPlaced[v]
                << " of " << outcome.words << " words placed.\n";
    return 0;
  }
  std::cout << "Record " << outcome.record << " of " << request.groupFile << ": " << outcome.placed
            << " of " << outcome.words << " words placed.\n"
            << ToTerminal(outcome.explanation);
  return 0;
}

}  // namespace gw::cli
