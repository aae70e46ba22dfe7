// The shape library file "QLFLAY.DAT" and the single-shape export file (*.LAY).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "base/OpResult.h"
#include "storage/StoredKinds.h"
#include "storage/ShapeRecord.h"

namespace gw {

// Records are taken as they are read, from the library and from export files alike: a width or
// height outside 1..50 is clamped wherever it is listed, drawn or edited, a name length byte
// above 50 reads as 50 characters, and the record itself travels on unchanged. Rejecting such a
// record would hide a shape the user can still repair in the editor.

// Tag of the word list editor's "<Current Puzzle>" entry; no record index gets this far.
constexpr int kCurrentPuzzleTag = 100000;
// "LAY" + "1.0" + one record.
constexpr size_t kShapeExportSize = 6 + sizeof(ShapeRecord);

// The library beside the executable (found whatever the case of its name).
std::string ShapeLibraryPath(const AppPaths& paths);

// One line of a shape list: "<width>x<height> <name>" and the record index as its tag.
struct ShapeEntry {
  std::string text;
  int tag;
};

// "15x15 Heart". A damaged record shows its clamped size, the one the preview draws.
std::string ShapeEntryText(const ShapeRecord& shape);

// Every whole record of the library in file order, tagged 0, 1, 2, ...; a trailing partial
// record is ignored. Nothing when the library cannot be opened.
std::optional<std::vector<ShapeEntry>> ListShapes(const std::string& library);

// False when the library cannot be opened; IoError when the record is missing or unreadable.
// `out` is only changed on success.
bool ReadShape(const std::string& library, long index, ShapeRecord& out);

// Appends after the last whole record and returns the new record's index; nothing when the
// library can be neither opened nor created. IoError when writing fails.
std::optional<long> AppendShape(const std::string& library, const ShapeRecord& shape);

// Overwrites record `index` in place and returns it; past the end the shape is appended and the
// appended index returned. Nothing when the library can be neither opened nor created.
std::optional<long> ReplaceShape(const std::string& library, long index, const ShapeRecord& shape);

// Removes record `index`; later records move down by one. Fails with "Unable to delete puzzle
// shape." when the library cannot be opened.
OpResult DeleteShape(const std::string& library, long index);

// Writes "LAY1.0" and the record. Refuses (nothing written) files of the program's other kinds,
// the shape library among them (see RefusedExportTarget). Fails with "Shape could not be
// exported." when the file cannot be created; on success carries "Puzzle Shape Exported!".
OpResult ExportShape(const std::string& file, const ShapeRecord& shape);

// Reads a shape export file: the magic "LAY" (case-sensitive), three version bytes (ignored)
// and a whole record; bytes after it are ignored. `out` is only changed on success.
OpResult ReadShapeExport(const std::string& file, ShapeRecord& out);

// The whole import: reads the file into `current`, then appends it to the library (even when an
// identical record is there already). When only the append fails, `current` keeps the imported
// record and the result says "Unable to add shape.". `newIndex` receives the appended index.
OpResult ImportShape(const std::string& file, const std::string& library, ShapeRecord& current,
                     long& newIndex);

}  // namespace gw
