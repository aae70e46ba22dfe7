// Page layout library and export files, on the shared fixed-record file helpers.
#include "layouts/LayoutLibrary.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>

#include "base/FileIo.h"
#include "base/IoError.h"
#include "storage/RecordFile.h"

namespace gw {
namespace {

constexpr size_t kRecordSize = sizeof(PageLayout);

OpResult CannotAdd() {
  return OpResult::Failure("Unable to add page layout.", "Disk Error");
}

OpResult CorruptImport() {
  return OpResult::Failure("Page layout file is corrupt or incompatible.  Import aborted.",
                           "Error");
}

}  // namespace

std::string LayoutLibraryPath(const AppPaths& paths) {
  return paths.LibraryFile(kLayoutLibraryName);
}

LayoutSource LoadLayout(const std::string& libraryPath, long index, PageLayout& out) {
  const std::optional<long> count = CountRecords(libraryPath, kRecordSize);
  if (!count || *count <= 0) {
    MakeBuiltInDefaultLayout(out);
    return LayoutSource::BuiltIn;
  }
  // The default index is never adjusted when records go, so it may well point past the end.
  if (index < 0 || index >= *count) index = 0;
  if (!ReadRecord(libraryPath, index, kRecordSize, &out)) {
    // Gone between counting and reading: as if it had never been there.
    MakeBuiltInDefaultLayout(out);
    return LayoutSource::BuiltIn;
  }
  return LayoutSource::Library;
}

std::vector<LayoutEntry> ListLayouts(const std::string& libraryPath) {
  std::vector<LayoutEntry> entries;
  ForEachRecord(libraryPath, kRecordSize, [&](long index, const void* bytes) {
    PageLayout layout;
    std::memcpy(&layout, bytes, sizeof layout);
    entries.push_back({layout.layoutName.Get(), index, layout.paperName.Get(), layout.pageWidth,
                       layout.pageHeight});
  });
  return entries;
}

std::string LayoutEntryText(const LayoutEntry& entry, long defaultPage) {
  // A damaged record may hold any double; what it shows must still be a plain number.
  const auto whole = [](double v) -> std::string {
    if (!std::isfinite(v) || std::fabs(v) > 1e9) return "0";
    return std::to_string(std::lround(v));
  };
  std::string text = entry.text + " (";
  if (entry.paperName == "Custom")
    text += "Custom " + whole(entry.pageWidth) + "\" x " + whole(entry.pageHeight) + "\"";
  else
    text += entry.paperName;
  text += ")";
  if (entry.index == defaultPage) text += "  <<DEFAULT>>";
  return text;
}

long DefaultAfterDelete(long defaultPage, long deleted) {
  if (deleted == defaultPage) return 0;
  if (deleted >= 0 && deleted < defaultPage) return defaultPage - 1;
  return defaultPage;
}

bool ReadLayout(const std::string& libraryPath, long index, PageLayout& out) {
  return ReadRecord(libraryPath, index, kRecordSize, &out);
}

OpResult AppendLayout(const std::string& libraryPath, const PageLayout& layout) {
  const std::optional<long> index = AppendRecord(libraryPath, kRecordSize, &layout);
  if (!index) return CannotAdd();
  OpResult r;
  r.index = *index;
  return r;
}

OpResult ReplaceLayout(const std::string& libraryPath, long index, const PageLayout& layout) {
  const std::optional<long> written = ReplaceRecord(libraryPath, index, kRecordSize, &layout);
  if (!written) return CannotAdd();
  OpResult r;
  r.index = *written;
  return r;
}

OpResult DeleteLayout(const std::string& libraryPath, long index) {
  if (!DeleteRecord(libraryPath, index, kRecordSize))
    return OpResult::Failure("Unable to delete page layout.", "Disk Error");
  return {};
}

OpResult ExportLayout(const std::string& libraryPath, long index, const std::string& fileName) {
  if (const auto refused = RefusedExportTarget(fileName, StoredKind::LayoutExport, libraryPath))
    return OpResult::Refusal(*refused, "Error");
  // Reading a record that is not there would otherwise surface as a read error; it is simply a
  // layout that cannot be exported.
  const std::optional<long> count = CountRecords(libraryPath, kRecordSize);
  auto layout = std::make_unique<PageLayout>();
  if (!count || index < 0 || index >= *count ||
      !ReadRecord(libraryPath, index, kRecordSize, layout.get()))
    return OpResult::Failure("Page layout could not be exported.", "Error");

  // Written beside the target and renamed over it, so a failed export never destroys an
  // existing file of that name.
  if (!WriteExportFile(fileName, "PAG", "1.0", kRecordSize, layout.get())) {
    const int error = errno;
    OpResult failed = OpResult::Failure("Page layout could not be exported.", "Error");
    failed.detail = fileio::CannotWriteText(fileName, std::strerror(error));
    return failed;
  }
  OpResult r = OpResult::Success("Page Layout Exported!", "OK");
  r.index = index;
  return r;
}

OpResult ImportLayout(const std::string& libraryPath, const std::string& fileName) {
  auto layout = std::make_unique<PageLayout>();
  switch (ReadExportFile(fileName, "PAG", kRecordSize, layout.get())) {
    case ExportRead::CannotOpen:
      return OpResult::Failure("Page layout could not be imported.", "Error");
    case ExportRead::Corrupt:
      return CorruptImport();
    case ExportRead::Done:
      break;
  }
  return AppendLayout(libraryPath, *layout);
}

LayoutSource CopyDefaultLayout(const AppPaths& paths, long defaultPage, PuzzleRecord& puzzle) {
  try {
    return LoadLayout(LayoutLibraryPath(paths), defaultPage, puzzle.pageLayout);
  } catch (const IoError&) {
    // A half-read record must not become the puzzle's page.
    MakeBuiltInDefaultLayout(puzzle.pageLayout);
    throw;
  }
}

}  // namespace gw
