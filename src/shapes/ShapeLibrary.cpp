// Shape library and shape export file operations.
#include "shapes/ShapeLibrary.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "base/IoError.h"
#include "base/TextUtils.h"
#include "storage/RecordFile.h"

namespace gw {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr char kMagic[] = "LAY";
constexpr char kVersion[] = "1.0";
constexpr char kCorrupt[] = "Puzzle shape file is corrupt or incompatible.  Import aborted.";

// Reads exactly n bytes; false at the end of the file, IoError when the read itself fails.
bool ReadExactly(std::FILE* f, void* out, size_t n, const std::string& path) {
  if (std::fread(out, 1, n, f) == n) return true;
  if (std::ferror(f)) throw IoError("cannot read " + path);
  return false;
}

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
  if (!AppendRecord(library, sizeof shape, &shape)) return std::nullopt;
  // The record went after the last whole one (over any fragment), so it is the last one now.
  const std::optional<long> count = CountRecords(library, sizeof shape);
  if (!count || *count < 1) throw IoError("cannot read back " + library);
  return *count - 1;
}

std::optional<long> ReplaceShape(const std::string& library, long index, const ShapeRecord& shape) {
  const std::optional<long> count = CountRecords(library, sizeof shape);
  if (!count || index < 0 || index >= *count) return AppendShape(library, shape);
  if (!ReplaceRecord(library, index, sizeof shape, &shape)) return std::nullopt;
  return index;
}

OpResult DeleteShape(const std::string& library, long index) {
  if (!DeleteRecord(library, index, sizeof(ShapeRecord)))
    return OpResult::Failure("Unable to delete puzzle shape.", "Disk Error");
  return OpResult::Success();
}

OpResult ExportShape(const std::string& file, const ShapeRecord& shape) {
  FilePtr f(std::fopen(file.c_str(), "wb"));
  if (!f) return OpResult::Failure("Shape could not be exported.", "Error");
  if (std::fwrite(kMagic, 1, 3, f.get()) != 3 || std::fwrite(kVersion, 1, 3, f.get()) != 3 ||
      std::fwrite(&shape, 1, sizeof shape, f.get()) != sizeof shape)
    throw IoError("cannot write " + file);
  if (std::fclose(f.release()) != 0) throw IoError("cannot write " + file);
  return OpResult::Success("Puzzle Shape Exported!", "OK");
}

OpResult ReadShapeExport(const std::string& file, ShapeRecord& out) {
  FilePtr f(std::fopen(file.c_str(), "rb"));
  if (!f) return OpResult::Failure("Puzzle shape could not be imported.", "Error");
  // The magic is compared as a text that a zero byte would end early; "LAY" holds no zero, so
  // this comes down to the three exact bytes, case included.
  char magic[3];
  char version[3];
  ShapeRecord shape;
  if (!ReadExactly(f.get(), magic, 3, file) || std::memcmp(magic, kMagic, 3) != 0 ||
      !ReadExactly(f.get(), version, 3, file) || !ReadExactly(f.get(), &shape, sizeof shape, file))
    return OpResult::Failure(kCorrupt, "Error");
  out = shape;
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
