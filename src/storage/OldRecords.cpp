// Reading and converting the previous version's records, trusting none of their bytes.
#include "storage/OldRecords.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "base/ComposedMessage.h"
#include "base/IoError.h"
#include "storage/RecordFile.h"

namespace gw {

namespace {

bool InsideGrid(int cell, int size) {
  return cell >= 1 && cell <= kGridCells && CellRow(cell) <= size && CellColumn(cell) <= size;
}

template <typename Record>
std::optional<OldFileScan> Scan(const std::string& file, bool (*sound)(const Record&)) {
  OldFileScan scan;
  long whole = 0;
  const bool opened = ForEachRecord(file, sizeof(Record), [&](long k, const void* bytes) {
    Record record;
    std::memcpy(&record, bytes, sizeof record);
    if (sound(record))
      scan.sound.push_back(k);
    else
      ++scan.skipped;
    whole = k + 1;
  });
  if (!opened) return std::nullopt;
  // A partial record at the end is a record the user had and will not get back.
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (!ec && size > static_cast<uintmax_t>(whole) * sizeof(Record)) ++scan.skipped;
  return scan;
}

}  // namespace

bool OldPuzzleSound(const OldPuzzleRecord& old) {
  const int size = old.gridSize;
  if (size < kOldMinGridSize || size > kOldMaxGridSize) return false;
  if (old.wordCount < 0 || old.wordCount > kMaxWords) return false;
  for (int i = 0; i < old.wordCount; ++i)
    if (!InsideGrid(old.wordStart[i], size) || !InsideGrid(old.wordEnd[i], size)) return false;
  return true;
}

bool OldShapeSound(const ShapeRecord& shape) {
  return shape.shapeName.length <= shape.shapeName.Capacity() && shape.shapeWidth >= 1 &&
         shape.shapeWidth <= kGridStride && shape.shapeHeight >= 1 &&
         shape.shapeHeight <= kGridStride;
}

void ConvertOldPuzzle(const OldPuzzleRecord& old, const PageLayout& layout, PuzzleRecord& out) {
  std::memset(&out, 0, sizeof out);
  std::memcpy(&out.pageLayout, &layout, sizeof layout);
  out.version.Set("3.0");
  out.title.Set(old.title.Get());
  out.bonusQuestion.Set("");
  out.category.Set(kOldCategory);
  out.gridWidth = out.gridHeight = old.gridSize;
  out.wordCount = old.wordCount;
  std::memcpy(out.letterGrid, old.grid, kGridCells);
  std::memset(out.fillGrid, ' ', kGridCells);
  const int inUse = std::clamp<int>(old.wordCount, 0, kMaxWords);
  for (int i = 0; i < kMaxWords; ++i) {
    out.wordStart[i] = old.wordStart[i];
    out.wordEnd[i] = old.wordEnd[i];
    const bool used = i < inUse;
    out.words[i].Set(used ? old.words[i].Get() : std::string());
    out.clues[i].Set("");
    out.wordPlaced[i] = used ? 1 : 0;
  }
  out.puzzleGenerated = 1;
  out.hiddenPhraseUsed = 0;
}

OpResult ReadQlxFile(const std::string& file, OldPuzzleRecord& out) {
  // A folder or a pipe under the name is not a puzzle file (and a pipe would block the open).
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec))
    return OpResult::Failure(QT_TRANSLATE_NOOP("gw::Messages", "Puzzle could not be imported."),
                             "Error");
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(file.c_str(), "rb"), std::fclose);
  if (!f)
    return OpResult::Failure(QT_TRANSLATE_NOOP("gw::Messages", "Puzzle could not be imported."),
                             "Error");
  const OpResult corrupt = OpResult::Failure(
      QT_TRANSLATE_NOOP("gw::Messages", "Puzzle file is corrupt or incompatible.  Import aborted."),
      "Error");
  char signature[3];
  if (std::fread(signature, 1, 3, f.get()) != 3 || std::memcmp(signature, "QLX", 3) != 0)
    return corrupt;
  unsigned char length = 0;
  char skipped[255];
  if (std::fread(&length, 1, 1, f.get()) != 1 || std::fread(skipped, 1, length, f.get()) != length)
    return corrupt;
  auto record = std::make_unique<OldPuzzleRecord>();
  if (std::fread(record.get(), 1, sizeof *record, f.get()) != sizeof *record) {
    if (std::ferror(f.get())) throw IoError("cannot read " + file);
    return corrupt;
  }
  if (!OldPuzzleSound(*record)) return corrupt;
  std::memcpy(&out, record.get(), sizeof out);
  return OpResult::Success();
}

std::optional<OldFileScan> ScanOldPuzzleFile(const std::string& file) {
  return Scan<OldPuzzleRecord>(file, OldPuzzleSound);
}

std::optional<OldFileScan> ScanOldShapeFile(const std::string& file) {
  return Scan<ShapeRecord>(file, OldShapeSound);
}

}  // namespace gw
