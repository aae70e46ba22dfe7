// Fuzz target: the same bytes as a page layout library (listed, loaded, read, deleted) and as a
// layout export file (checked, imported and exported again).
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutTables.h"

using namespace gw;

namespace {

// What the designer, the thumbnails and the renderers take from a record nobody checked.
void Examine(const PageLayout& layout) {
  FUZZ_CHECK(UsedObjectCount(layout) <= kMaxLayoutObjects);
  for (const LayoutObject* object : DrawnObjects(layout)) {
    FUZZ_CHECK(IsKnownKind(object->kind));
    FUZZ_CHECK(ObjectText(*object).size() <= kMaxObjectText);
    FUZZ_CHECK(object->objectName.Get().size() <= 15);
    FUZZ_CHECK(object->bitmapFile.Get().size() <= 255);
  }
  if (const std::optional<double> scale = LayoutScale(layout, 96, 128)) FUZZ_CHECK(*scale > 0);
  auto copy = std::make_unique<PageLayout>(layout);
  for (int zoom = kZoomSmall; zoom <= kZoomLarge; ++zoom) {
    FUZZ_CHECK(SetDesignZoom(*copy, zoom));
    FUZZ_CHECK(copy->pixelWidth >= 0 && copy->pixelHeight >= 0);
  }
  AddNewObject(*copy, kKindText, 10, 10, DesignUnit(kZoomMedium, copy->inches != 0));
  FUZZ_CHECK(UsedObjectCount(*copy) <= kMaxLayoutObjects);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kRecord = sizeof(PageLayout);
  const size_t count = size / kRecord;
  const std::string library = fuzz::Scratch("QLFPAGE.DAT", data, size);

  const std::vector<LayoutEntry> entries = ListLayouts(library);
  FUZZ_CHECK(entries.size() == count);
  auto layout = std::make_unique<PageLayout>();
  for (long index : {-1L, 0L, 1L, 1L << 40}) {
    const LayoutSource source = LoadLayout(library, index, *layout);
    FUZZ_CHECK((source == LayoutSource::Library) == (count > 0));
    Examine(*layout);
  }
  for (const LayoutEntry& entry : entries) {
    FUZZ_CHECK(ReadLayout(library, entry.index, *layout));
    FUZZ_CHECK(entry.text == layout->layoutName.Get());
    FUZZ_CHECK(LayoutEntryText(entry, entry.index).rfind(entry.text, 0) == 0);
    Examine(*layout);
  }
  if (count > 0) {
    FUZZ_CHECK(DeleteLayout(library, 0).ok);
    FUZZ_CHECK(ListLayouts(library).size() == count - 1);
  }

  // As an export file: imported exactly when it starts with "PAG" and holds a whole record,
  // and exported again byte for byte.
  const std::string exported = fuzz::Scratch("page.PAG", data, size);
  const std::string target = fuzz::ScratchFolder() + "/import.DAT";
  fuzz::Remove(target);
  const OpResult imported = ImportLayout(target, exported);
  const bool valid = size >= 6 + kRecord && std::memcmp(data, "PAG", 3) == 0;
  FUZZ_CHECK(imported.ok == valid);
  if (valid) {
    FUZZ_CHECK(imported.index == 0);
    const std::string again = fuzz::ScratchFolder() + "/again.PAG";
    FUZZ_CHECK(ExportLayout(target, 0, again).ok);
    const std::string bytes = fuzz::FileBytes(again);
    FUZZ_CHECK(bytes.size() == 6 + kRecord);
    FUZZ_CHECK(bytes.compare(6, kRecord, reinterpret_cast<const char*>(data) + 6, kRecord) == 0);
  }
  return 0;
}
