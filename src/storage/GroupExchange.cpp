// Group import and export, the single-puzzle import and the conversion of the old data files.
#include "storage/GroupExchange.h"

#include <cstring>
#include <filesystem>
#include <memory>

#include "base/AppPaths.h"
#include "base/IoError.h"
#include "base/TextUtils.h"
#include "storage/StoredKinds.h"
#include "storage/OldRecords.h"
#include "storage/PuzzleGroup.h"
#include "storage/RecordFile.h"

namespace gw {

namespace fs = std::filesystem;

namespace {

constexpr size_t kPuzzleSize = sizeof(PuzzleRecord);

// Fills `out` with record `index` of `file`; a record that went missing since it was listed is
// an input/output error like any other failed read.
void CopyRecord(const std::string& file, long index, size_t size, void* out) {
  if (!ReadRecord(file, index, size, out)) throw IoError("cannot open " + file);
}

// Whether the last `count` records of `target` are those `make` gives, over their first
// `compared` bytes: an earlier run wrote them and was stopped before the old file went.
bool AlreadyAtEnd(const std::string& target, size_t size, size_t compared, long count,
                  const RecordSource& make) {
  if (count == 0) return false;
  const std::optional<long> total = CountRecords(target, size);
  if (!total || *total < count) return false;
  std::vector<char> have(size), want(size);
  for (long i = 0; i < count; ++i) {
    CopyRecord(target, *total - count + i, size, have.data());
    std::fill(want.begin(), want.end(), 0);
    make(i, want.data());
    if (std::memcmp(have.data(), want.data(), compared) != 0) return false;
  }
  return true;
}

// "QLFUPUZZ.BAK" beside the old file, or "QLFUPUZZ-2.BAK" and so on when that is taken.
std::string FreeBackupName(const std::string& oldFile) {
  const fs::path old(oldFile);
  const std::string stem = old.stem().string();
  for (int n = 1; n < 1000; ++n) {
    const fs::path candidate =
        old.parent_path() / (stem + (n == 1 ? std::string() : "-" + std::to_string(n)) + ".BAK");
    std::error_code ec;
    if (!fs::exists(candidate, ec) && !ec) return candidate.string();
  }
  return {};
}

// The old file after its records are safe: removed, or kept under a backup name when some of
// its records were left out. Returns its name afterwards (empty when removed). When it can be
// neither removed nor renamed it stays, and the next run finds its records written already.
std::string RetireOldFile(const std::string& oldFile, long skipped) {
  std::error_code ec;
  if (skipped == 0) {
    fs::remove(oldFile, ec);
    return ec ? oldFile : std::string();
  }
  const std::string backup = FreeBackupName(oldFile);
  if (backup.empty()) return oldFile;
  fs::rename(oldFile, backup, ec);
  return ec ? oldFile : backup;
}

struct OldFileKind {
  size_t recordSize;
  size_t compared;  // bytes that identify a written record (a puzzle's page may differ)
  const char* cannotWrite;
  const char* done;
  const char* noun;  // "puzzle", "shape"
  const char* leftOut;
  const char* verb;  // "convert", "add"
};

ConversionOutcome ConvertOldFile(const std::string& oldFile, const std::string& target,
                                 const OldFileKind& kind, const std::optional<OldFileScan>& scan,
                                 const std::function<void(long oldIndex, void* out)>& convert) {
  ConversionOutcome outcome;
  if (!scan) {
    outcome.result = OpResult::Failure("Puzzles could not be imported.", "Error");
    return outcome;
  }
  const long count = static_cast<long>(scan->sound.size());
  const RecordSource make = [&](long i, void* out) {
    convert(scan->sound[static_cast<size_t>(i)], out);
  };
  if (count == 0) {
    // Nothing to write: no target is made, and an old file without a single record stays as it
    // is (one with damaged records only is kept under its backup name, as below).
    outcome.skipped = scan->skipped;
    outcome.keptAs = scan->skipped > 0 ? RetireOldFile(oldFile, scan->skipped) : oldFile;
    outcome.result =
        OpResult::Success(std::string("There were no ") + kind.noun + "s to " + kind.verb +
                              " in \"" + fs::path(oldFile).filename().string() + "\".",
                          "Notice");
  } else {
    outcome.alreadyThere = AlreadyAtEnd(target, kind.recordSize, kind.compared, count, make);
    if (!outcome.alreadyThere && !AppendRecords(target, kind.recordSize, count, make)) {
      outcome.result = OpResult::Failure(kind.cannotWrite, "Error");
      return outcome;
    }
    outcome.written = count;
    outcome.skipped = scan->skipped;
    outcome.keptAs = RetireOldFile(oldFile, scan->skipped);
    outcome.result = OpResult::Success(kind.done, "Ok");
  }
  if (scan->skipped > 0) {
    const std::string kept = outcome.keptAs.empty()
                                 ? std::string()
                                 : "  The previous version's file was kept as \"" +
                                       fs::path(outcome.keptAs).filename().string() + "\".";
    outcome.note =
        OpResult::Success(std::to_string(scan->skipped) + " damaged " + kind.noun +
                              (scan->skipped == 1 ? " " : "s ") + kind.leftOut + "." + kept,
                          "Notice");
  }
  return outcome;
}

void Tell(const ConversionOutcome& outcome, const TellUser& tell) {
  tell(outcome.result);
  if (outcome.note.HasMessage()) tell(outcome.note);
}

}  // namespace

ImportKind ImportKindOf(const std::string& fileName) {
  const std::string tail = fileName.size() >= 4 ? fileName.substr(fileName.size() - 4) : fileName;
  if (EqualsNoCase(tail, ".QLX")) return ImportKind::SinglePuzzle;
  if (EqualsNoCase(tail, ".QL3")) return ImportKind::Group;
  return ImportKind::NotValid;
}

OpResult ImportPuzzles(const std::string& source, const std::vector<int>& records,
                       const std::string& group) {
  const OpResult failed = OpResult::Failure("Unable to import puzzles.", "Error");
  if (!CountRecords(source, kPuzzleSize)) return failed;
  const bool written =
      AppendRecords(group, kPuzzleSize, static_cast<long>(records.size()),
                    [&](long i, void* out) { CopyRecord(source, records[i], kPuzzleSize, out); });
  return written ? OpResult::Success() : failed;
}

OpResult ExportPuzzles(const std::string& group, const std::vector<int>& records,
                       const std::string& target) {
  if (const auto refused = RefusedExportTarget(target, StoredKind::PuzzleGroup, group))
    return OpResult::Refusal(*refused, "Error");
  const OpResult failed = OpResult::Failure("Unable to export puzzles.", "Error");
  if (!CountRecords(group, kPuzzleSize)) return failed;
  const bool written =
      WriteRecords(target, kPuzzleSize, static_cast<long>(records.size()),
                   [&](long i, void* out) { CopyRecord(group, records[i], kPuzzleSize, out); });
  return written ? OpResult::Success() : failed;
}

OpResult ImportSinglePuzzle(const std::string& file, const PageLayout& layout,
                            const std::string& group, PuzzleRecord& current) {
  auto old = std::make_unique<OldPuzzleRecord>();
  const OpResult read = ReadQlxFile(file, *old);
  if (!read.ok) return read;
  ConvertOldPuzzle(*old, layout, current);
  const long index = CountRecords(group, kPuzzleSize).value_or(0);
  if (!AppendPuzzle(group, current)) return OpResult::Failure("Unable to save puzzle.", "Error");
  OpResult done = OpResult::Success();
  done.index = index;
  return done;
}

OldDataFiles FindOldData(const std::string& dir) {
  auto found = [&](const char* name) {
    const std::string path = FindFileNoCase(dir, name);
    std::error_code ec;
    return fs::is_regular_file(path, ec) ? path : std::string();
  };
  return {found(kOldPuzzleFileName), found(kOldShapeFileName)};
}

ConversionOutcome ConvertOldPuzzleFile(const std::string& oldFile, const std::string& group,
                                       const PageLayout& layout) {
  static const OldFileKind kind{kPuzzleSize,
                                offsetof(PuzzleRecord, pageLayout),
                                "Unable to save puzzles.",
                                "A new puzzle group named \"OLDPUZZ.QL3\" has been created.",
                                "puzzle",
                                "could not be converted",
                                "convert"};
  auto old = std::make_unique<OldPuzzleRecord>();
  ConversionOutcome outcome =
      ConvertOldFile(oldFile, group, kind, ScanOldPuzzleFile(oldFile), [&](long index, void* out) {
        CopyRecord(oldFile, index, sizeof *old, old.get());
        ConvertOldPuzzle(*old, layout, *static_cast<PuzzleRecord*>(out));
      });
  // The group is made beside the libraries, which is no folder the user chose: say which.
  if (outcome.written > 0) {
    std::error_code ec;
    const fs::path folder = fs::absolute(group, ec).parent_path();
    outcome.result.message += "  It is in " + (ec ? group : folder.string()) + ".";
  }
  return outcome;
}

ConversionOutcome AddOldShapeFile(const std::string& oldFile, const std::string& library) {
  static const OldFileKind kind{sizeof(ShapeRecord),
                                sizeof(ShapeRecord),
                                "Unable to add shapes.",
                                "Puzzle shapes have been added.",
                                "shape",
                                "could not be added",
                                "add"};
  return ConvertOldFile(
      oldFile, library, kind, ScanOldShapeFile(oldFile),
      [&](long index, void* out) { CopyRecord(oldFile, index, sizeof(ShapeRecord), out); });
}

OldDataSummary OfferOldDataConversion(const OldDataFiles& found, const OldDataTargets& targets,
                                      const PageLayout& layout, const AskUser& ask,
                                      const TellUser& tell) {
  OldDataSummary summary;
  if (!found.puzzles.empty() &&
      ask("User generated puzzles from a previous version of Gridwright have been detected.  "
          "Would you like to convert them to a puzzle group?",
          "Notice")) {
    summary.puzzles = ConvertOldPuzzleFile(found.puzzles, targets.group, layout);
    Tell(*summary.puzzles, tell);
    if (!summary.puzzles->result.ok) return summary;
  }
  if (!found.shapes.empty() &&
      ask("User generated shapes from a previous version of Gridwright have been detected.  "
          "Would you like to add them to the current list of puzzle shapes?",
          "Notice")) {
    summary.shapes = AddOldShapeFile(found.shapes, targets.shapeLibrary);
    Tell(*summary.shapes, tell);
  }
  return summary;
}

}  // namespace gw
