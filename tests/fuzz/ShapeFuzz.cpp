// Fuzz target: the same bytes as a shape library (listed, read, replaced, deleted) and as a
// shape export file (checked and imported).
#include <cstring>

#include "FuzzSupport.h"
#include "shapes/ShapeEditing.h"
#include "shapes/ShapeLibrary.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kRecord = sizeof(ShapeRecord);
  const size_t count = size / kRecord;
  const std::string library = fuzz::Scratch("QLFLAY.DAT", data, size);

  const std::optional<std::vector<ShapeEntry>> entries = ListShapes(library);
  FUZZ_CHECK(entries && entries->size() == count);
  ShapeRecord shape;
  for (const ShapeEntry& entry : *entries) {
    FUZZ_CHECK(ReadShape(library, entry.tag, shape));
    FUZZ_CHECK(entry.text == ShapeEntryText(shape));
    // What the lists and editors compute from a record nobody checked.
    const int w = ClampedShapeWidth(shape), h = ClampedShapeHeight(shape);
    FUZZ_CHECK(w >= 1 && w <= 50 && h >= 1 && h <= 50);
    FUZZ_CHECK(UsableCells(shape) <= w * h);
    FUZZ_CHECK(PreviewCellSize(240, 240, shape) >= 0);
    ShapeRecord edited = shape;
    ShiftLeft(edited);
    ShiftDown(edited);
    ReverseCells(edited);
    FillRegion(edited, ShapeCell{1, 1});
  }
  if (count > 1) {
    ShapeRecord last;
    FUZZ_CHECK(ReadShape(library, static_cast<long>(count - 1), last));
    FUZZ_CHECK(ReplaceShape(library, 0, last) == 0);
    FUZZ_CHECK(DeleteShape(library, 0).ok);
    FUZZ_CHECK(ListShapes(library)->size() == count - 1);
  }

  // The same bytes as an export file: accepted exactly when they start with "LAY" and hold a
  // whole record, which then arrives in the library byte for byte.
  const std::string exported = fuzz::Scratch("shape.LAY", data, size);
  const std::string target = fuzz::ScratchFolder() + "/import.DAT";
  fuzz::Remove(target);
  ShapeRecord current;
  MakeNewShape(current);
  long index = -1;
  const OpResult imported = ImportShape(exported, target, current, index);
  const bool valid = size >= 6 + kRecord && std::memcmp(data, "LAY", 3) == 0;
  FUZZ_CHECK(imported.ok == valid);
  if (valid) {
    FUZZ_CHECK(index == 0);
    FUZZ_CHECK(fuzz::FileBytes(target) ==
               std::string(reinterpret_cast<const char*>(data) + 6, kRecord));
  }
  return 0;
}
