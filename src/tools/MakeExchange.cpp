// gridwright-make --import and --convert: moving puzzles between groups and bringing in the
// previous version's files without windows.
#include <QString>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>

#include "base/AppPaths.h"
#include "base/IoError.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"
#include "storage/StoredKinds.h"
#include "storage/GroupExchange.h"
#include "storage/OldRecords.h"
#include "storage/PuzzleGroup.h"
#include "storage/RecordFile.h"
#include "tools/MakeCommands.h"

namespace gw::cli {
namespace {

namespace fs = std::filesystem;

// The page a converted puzzle gets: the "Default Page" of the layout library in `libraryDir`.
PageLayout DefaultPage(const std::string& libraryDir) {
  PageLayout layout;
  LoadLayout(LayoutLibraryPath(AppPaths{libraryDir, libraryDir}), DefaultPageSetting(), layout);
  return layout;
}

std::string Plural(long n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// The records of `listing` whose title is one of `titles` (any letter case), all when none is
// named, in the order the import window lists them. Nothing when a title names no puzzle.
std::optional<std::vector<int>> PickRecords(const GroupListing& listing,
                                            const std::vector<std::string>& titles,
                                            std::string& missing) {
  std::vector<const GroupListing::Title*> picked;
  for (const std::string& wanted : titles) {
    bool found = false;
    for (const GroupListing::Title& t : listing.titles)
      if (ToQString(t.title).compare(ToQString(wanted), Qt::CaseInsensitive) == 0) {
        found = true;
        if (std::find(picked.begin(), picked.end(), &t) == picked.end()) picked.push_back(&t);
      }
    if (!found) {
      missing = wanted;
      return std::nullopt;
    }
  }
  if (titles.empty())
    for (const GroupListing::Title& t : listing.titles) picked.push_back(&t);
  std::stable_sort(picked.begin(), picked.end(), [](const auto* a, const auto* b) {
    return ListTextLess(ToQString(a->title), ToQString(b->title));
  });
  std::vector<int> records;
  for (const GroupListing::Title* t : picked) records.push_back(t->Record());
  return records;
}

int ImportGroup(const std::string& source, const std::string& group,
                const std::vector<std::string>& titles) {
  if (!fs::is_regular_file(source)) return UsageError("cannot open " + source);
  // A source that cannot be read is named as such, not taken for a group that cannot be written.
  if (!CountRecords(source, sizeof(PuzzleRecord))) return Fail(kBadInput, "cannot read " + source);
  const GroupListing listing = ListGroup(source);
  std::string missing;
  const std::optional<std::vector<int>> records = PickRecords(listing, titles, missing);
  if (!records) return UsageError("no puzzle titled \"" + ToTerminal(missing) + "\" in " + source);
  const long first = CountRecords(group, sizeof(PuzzleRecord)).value_or(0);
  const OpResult result = ImportPuzzles(source, *records, group);
  if (!result.ok) return Fail(kCannotDo, result.message + " (" + group + ")");
  for (size_t i = 0; i < records->size(); ++i)
    for (const GroupListing::Title& t : listing.titles)
      if (t.Record() == (*records)[i])
        std::cout << "Record " << first + static_cast<long>(i) << " of " << group << ": "
                  << ToTerminal(t.title) << "\n";
  std::cout << Plural(static_cast<long>(records->size()), "puzzle") << " imported.\n";
  return kDone;
}

int ImportQlx(const std::string& source, const std::string& group, const std::string& library) {
  auto puzzle = std::make_unique<PuzzleRecord>();
  const OpResult result = ImportSinglePuzzle(source, DefaultPage(library), group, *puzzle);
  if (!result.ok) {
    const bool theirs = result.message != "Unable to save puzzle.";
    return Fail(theirs ? kBadInput : kCannotDo, result.message + " (" + source + ")");
  }
  std::cout << "Record " << result.index << " of " << group << ": "
            << ToTerminal(puzzle->title.Get()) << " (" << kOldCategory << ", "
            << Plural(puzzle->wordCount, "word") << ")\n";
  return kDone;
}

void PrintOutcome(const ConversionOutcome& c, const std::string& target, const char* noun,
                  const char* done) {
  if (!c.result.ok) return;
  if (c.written == 0)
    std::cout << ToTerminal(c.result.message) << "\n";
  else
    std::cout << Plural(c.written, noun) << " " << done << " " << target
              << (c.alreadyThere ? " (written there by an earlier, interrupted run)" : "") << "\n";
  if (c.note.HasMessage()) std::cout << ToTerminal(c.note.message) << "\n";
}

}  // namespace

int RunImport(const Args& args) {
  std::string source, group;
  std::string library = DefaultLibraryDir();
  std::vector<std::string> titles;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--group" || a == "--pick-title" || a == "--library") {
      if (i + 1 >= args.size()) return UsageError(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--group")
        group = v;
      else if (a == "--library")
        library = v;
      else
        titles.push_back(FromArg(v));
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("unknown option " + a);
    } else if (!source.empty()) {
      return UsageError("more than one file to import given");
    } else {
      source = a;
    }
  }
  if (source.empty()) return UsageError("--import needs a .QL3 or .QLX file");
  if (group.empty()) return UsageError("--group is required");
  const ImportKind kind = ImportKindOf(source);
  if (kind == ImportKind::NotValid)
    return UsageError(source + " is neither a puzzle group (.QL3) nor a puzzle file (.QLX)");
  if (ImportKindOf(group) != ImportKind::Group) return UsageError("--group must name a .QL3 file");
  if (SameFile(source, group)) return UsageError("cannot import a group into itself");
  try {
    if (kind == ImportKind::SinglePuzzle) {
      if (!titles.empty()) return UsageError("--pick-title is for group files only");
      return ImportQlx(source, group, library);
    }
    return ImportGroup(source, group, titles);
  } catch (const IoError& e) {
    return Fail(kCannotDo, e.what());
  }
}

int RunConvert(const Args& args) {
  std::string dir;
  std::string library = DefaultLibraryDir();
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--library") {
      if (i + 1 >= args.size()) return UsageError("--library needs a value");
      library = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      return UsageError("unknown option " + args[i]);
    } else if (!dir.empty()) {
      return UsageError("--convert takes one folder");
    } else {
      dir = args[i];
    }
  }
  if (dir.empty()) return UsageError("--convert needs the folder of the old files");
  if (!fs::is_directory(dir)) return UsageError(dir + " is not a folder");
  if (!fs::is_directory(library)) return UsageError(library + " is not a folder");

  const OldDataFiles found = FindOldData(dir);
  if (found.puzzles.empty() && found.shapes.empty()) {
    std::cout << "Nothing to convert: no " << kOldPuzzleFileName << " or " << kOldShapeFileName
              << " in " << dir << ".\n";
    return kDone;
  }
  const AppPaths paths{library, dir};
  const OldDataTargets targets{paths.LibraryFile(kConvertedGroupName), ShapeLibraryPath(paths)};
  try {
    std::string failure;
    const OldDataSummary summary = OfferOldDataConversion(
        found, targets, DefaultPage(library),
        [](const std::string&, const std::string&) { return true; },
        [&](const OpResult& r) {
          if (!r.ok) failure = r.message;
        });
    if (summary.puzzles) PrintOutcome(*summary.puzzles, targets.group, "puzzle", "converted into");
    if (summary.shapes) PrintOutcome(*summary.shapes, targets.shapeLibrary, "shape", "added to");
    if (!failure.empty()) return Fail(kCannotDo, failure);
  } catch (const IoError& e) {
    return Fail(kCannotDo, e.what());
  }
  return kDone;
}

}  // namespace gw::cli
