// Moving puzzles between groups, single-puzzle files of the 16-bit generation, and the one-time
// conversion of the previous version's data files.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/OpResult.h"
#include "storage/PageLayout.h"
#include "storage/PuzzleRecord.h"

namespace gw {

inline constexpr char kOldPuzzleFileName[] = "QLFUPUZZ.DAT";
inline constexpr char kOldShapeFileName[] = "QLFULAY.DAT";
inline constexpr char kConvertedGroupName[] = "OLDPUZZ.QL3";

// What the import command makes of a chosen file, by the last four characters of its name in
// any letter case: ".QL3" a group, ".QLX" a single puzzle, anything else not a valid file.
enum class ImportKind { Group, SinglePuzzle, NotValid };
ImportKind ImportKindOf(const std::string& fileName);

// Puzzles move whole and unchanged, in the order given, and all of them or none: a failure half
// way leaves the target as it was. A record number the source no longer has is an IoError.

// Appends records `records` of group `source` to `group` (created when missing). Fails with
// "Unable to import puzzles." when the source cannot be opened or the group can be neither
// opened nor created.
OpResult ImportPuzzles(const std::string& source, const std::vector<int>& records,
                       const std::string& group);

// Writes records `records` of `group` to `target`, created anew (an existing group is replaced).
// Refuses (nothing written) a target that is `group` itself or a file of another of the program's
// kinds (see RefusedExportTarget). Fails with "Unable to export puzzles." when the group cannot be
// opened or the target created.
OpResult ExportPuzzles(const std::string& group, const std::vector<int>& records,
                       const std::string& target);

// The single-puzzle import: reads the file (ReadQlxFile's failures, `current` untouched),
// converts it into `current` with `layout` and appends it to `group` ("Unable to save puzzle."
// when the group can be neither opened nor created). The result's index is the record written.
OpResult ImportSinglePuzzle(const std::string& file, const PageLayout& layout,
                            const std::string& group, PuzzleRecord& current);

// ---- The previous version's data files ------------------------------------------------------

// The old files in `dir`, found whatever the letter case of their names; empty when absent.
struct OldDataFiles {
  std::string puzzles;
  std::string shapes;
};
OldDataFiles FindOldData(const std::string& dir);

struct ConversionOutcome {
  OpResult result;   // what the user is told: done, or why nothing was done
  OpResult note;     // when records were left out: how many, and where the old file is kept
  long written = 0;  // records of the old file now at the end of the target
  long skipped = 0;  // damaged records left out
  bool alreadyThere = false;  // an earlier, interrupted run had written them already
  std::string keptAs;         // the old file's name afterwards; empty when it was removed
};

// Both conversions write every sound record of the old file to the end of their target in one
// rewrite that is on disk before the old file goes: a failure leaves the old file and the target
// as they were. The old file is removed, or, when damaged records were left out, renamed to a
// free "*.BAK" name beside it, so nothing the user had is lost and the question is not asked
// again. A run stopped between the write and the removal is recognised next time: the records
// are found at the end of the target already and are not written twice.

// An old file without a single sound record writes nothing and says so ("There were no puzzles to
// convert in "QLFUPUZZ.DAT".", caption "Notice"); an empty one stays as it is.

// Fails with "Puzzles could not be imported." when the old file cannot be opened and with
// "Unable to save puzzles." when the group can be neither opened nor created. Success says
// "A new puzzle group named "OLDPUZZ.QL3" has been created." and names the folder it is in.
ConversionOutcome ConvertOldPuzzleFile(const std::string& oldFile, const std::string& group,
                                       const PageLayout& layout);

// Fails with "Puzzles could not be imported." or "Unable to add shapes."; success says
// "Puzzle shapes have been added.".
ConversionOutcome AddOldShapeFile(const std::string& oldFile, const std::string& library);

// The start-up offer: for each old file found, asks (`ask` returns true for Yes) and converts,
// telling the user each outcome. A failure with the puzzle file ends the offer. A No leaves the
// file, so the question comes again next time.
struct OldDataTargets {
  std::string group;         // "OLDPUZZ.QL3" beside the libraries
  std::string shapeLibrary;  // the shape library "QLFLAY.DAT"
};
struct OldDataSummary {
  std::optional<ConversionOutcome> puzzles;  // set when the user said Yes
  std::optional<ConversionOutcome> shapes;
};
using AskUser = std::function<bool(const std::string& text, const std::string& caption)>;
using TellUser = std::function<void(const OpResult& message)>;
OldDataSummary OfferOldDataConversion(const OldDataFiles& found, const OldDataTargets& targets,
                                      const PageLayout& layout, const AskUser& ask,
                                      const TellUser& tell);

}  // namespace gw
