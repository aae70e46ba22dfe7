// Shape library and shape export file operations.
#include "shapes/ShapeLibrary.h"

#include <cstring>

#include "base/TextUtils.h"
#include "storage/RecordFile.h"

namespace gw {

namespace {

constexpr char kMagic[] = "LAY";
constexpr char kVersion[] = "1.0";
constexpr char kCorrupt[] = "Puzzle shape file is corrupt or incompatible.  Import aborted.";

}  // namespace

std::string ShapeLibraryPath(const AppPaths& paths) {
  return paths.LibraryFile(kShapeLibraryName);
}

std::string ShapeEntryText(const ShapeRecord& shape) {
  return FormatGrouped(ClampedShapeWidth(shape)) + "x" + FormatGrouped(ClampedShapeHeight(shape)) +
         " " + shape.shapeName.Get();
}

std::optional<std::vector<ShapeEntry>> ListShapes(const std::string& library) {
  std::vector<ShapeEntry> entries;
  ShapeRecord shape;
  const bool opened = ForEachRecord(library, sizeof shape, [&](long index, const void* bytes) {
    // Tags stay below the current-puzzle tag even in an absurdly large file.
    if (index >= kCurrentPuzzleTag) return;
    std::memcpy(&shape, bytes, sizeof shape);
    entries.push_back({ShapeEntryText(shape), static_cast<int>(index)});
  });
  if (!opened) return std::nullopt;
  return entries;
}

bool ReadShape(const std::string& library, long index, ShapeRecord& out) {
  ShapeRecord buffer;
  if (!ReadRecord(library, index, sizeof buffer, &buffer)) return false;
  out = buffer;
  return true;
}

std::optional<long> AppendShape(const std::string& library, const ShapeRecord& shape) {
  return AppendRecord(library, sizeof shape, &shape);
}

std::optional<long> ReplaceShape(const std::string& library, long index, const ShapeRecord& shape) {
  return ReplaceRecord(library, index, sizeof shape, &shape);
}

OpResult DeleteShape(const std::string& library, long index) {
  if (!DeleteRecord(library, index, sizeof(ShapeRecord)))
    return OpResult::Failure("Unable to delete puzzle shape.", "Disk Error");
  return OpResult::Success();
}

OpResult ExportShape(const std::string& file, const ShapeRecord& shape) {
  // Written beside the target and renamed over it, so a failed export never destroys an
  // existing file of that name.
  if (const auto refused = RefusedExportTarget(file, StoredKind::ShapeExport))
    return OpResult::Refusal(*refused, "Error");
  if (!WriteExportFile(file, kMagic, kVersion, sizeof shape, &shape))
    return OpResult::Failure("Shape could not be exported.", "Error");
  return OpResult::Success("Puzzle Shape Exported!", "OK");
}

OpResult ReadShapeExport(const std::string& file, ShapeRecord& out) {
  // The magic is compared as a text that a zero byte would end early; "LAY" holds no zero, so
  // this comes down to the three exact bytes, case included.
  switch (ReadExportFile(file, kMagic, sizeof out, &out)) {
    case ExportRead::CannotOpen:
      return OpResult::Failure("Puzzle shape could not be imported.", "Error");
    case ExportRead::Corrupt:
      return OpResult::Failure(kCorrupt, "Error");
    case ExportRead::Done:
      break;
  }
  return OpResult::Success();
}

OpResult ImportShape(const std::string& file, const std::string& library, ShapeRecord& current,
                     long& newIndex) {
  OpResult read = ReadShapeExport(file, current);
  if (!read.ok) return read;
  const std::optional<long> index = AppendShape(library, current);
  if (!index) return OpResult::Failure("Unable to add shape.", "Disk Error");
  newIndex = *index;
  return OpResult::Success();
}

}  // namespace gw
