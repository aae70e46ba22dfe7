// Page layout library and export files, on the shared fixed-record file helpers.
#include "layouts/LayoutLibrary.h"

#include <QSaveFile>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

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

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Reads up to n bytes; a short count means the file ended, a read error throws.
size_t ReadSome(std::FILE* f, void* out, size_t n, const std::string& path) {
  const size_t got = std::fread(out, 1, n, f);
  if (got < n && std::ferror(f)) throw IoError("cannot read " + path);
  return got;
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
  const long before = CountRecords(libraryPath, kRecordSize).value_or(0);
  if (!AppendRecord(libraryPath, kRecordSize, &layout)) return CannotAdd();
  OpResult r;
  r.index = before;
  return r;
}

OpResult ReplaceLayout(const std::string& libraryPath, long index, const PageLayout& layout) {
  const long count = CountRecords(libraryPath, kRecordSize).value_or(0);
  if (!ReplaceRecord(libraryPath, index, kRecordSize, &layout)) return CannotAdd();
  OpResult r;
  r.index = (index >= 0 && index < count) ? index : count;
  return r;
}

OpResult DeleteLayout(const std::string& libraryPath, long index) {
  if (!DeleteRecord(libraryPath, index, kRecordSize))
    return OpResult::Failure("Unable to delete page layout.", "Disk Error");
  return {};
}

OpResult ExportLayout(const std::string& libraryPath, long index, const std::string& fileName) {
  // Reading a record that is not there would otherwise surface as a read error; it is simply a
  // layout that cannot be exported.
  const std::optional<long> count = CountRecords(libraryPath, kRecordSize);
  auto layout = std::make_unique<PageLayout>();
  if (!count || index < 0 || index >= *count ||
      !ReadRecord(libraryPath, index, kRecordSize, layout.get()))
    return OpResult::Failure("Page layout could not be exported.", "Error");

  // Written beside the target and renamed over it, so a failed export never destroys an
  // existing file of that name.
  QSaveFile out(QString::fromLocal8Bit(fileName.c_str()));
  if (!out.open(QIODevice::WriteOnly))
    return OpResult::Failure("Page layout could not be exported.", "Error");
  const qint64 size = static_cast<qint64>(kRecordSize);
  if (out.write("PAG1.0", 6) != 6 ||
      out.write(reinterpret_cast<const char*>(layout.get()), size) != size || !out.commit())
    throw IoError("cannot write " + fileName);
  OpResult r = OpResult::Success("Page Layout Exported!", "OK");
  r.index = index;
  return r;
}

OpResult ImportLayout(const std::string& libraryPath, const std::string& fileName) {
  std::unique_ptr<std::FILE, FileCloser> in(std::fopen(fileName.c_str(), "rb"));
  if (!in) return OpResult::Failure("Page layout could not be imported.", "Error");
  char magic[3];
  if (ReadSome(in.get(), magic, 3, fileName) != 3 || std::memcmp(magic, "PAG", 3) != 0)
    return CorruptImport();
  char version[3];  // written by every export, never checked
  if (ReadSome(in.get(), version, 3, fileName) != 3) return CorruptImport();
  auto layout = std::make_unique<PageLayout>();
  if (ReadSome(in.get(), layout.get(), kRecordSize, fileName) != kRecordSize)
    return CorruptImport();
  in.reset();
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
