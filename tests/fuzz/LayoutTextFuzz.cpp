// Fuzz target: the readable starter-layout description of any text either becomes a layout whose
// every object lies on its page, or stops with the line that is wrong.
#include <memory>

#include "FuzzSupport.h"
#include "tools/LayoutText.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  auto layout = std::make_unique<PageLayout>();
  std::string error;
  if (!ParseLayoutText(text, *layout, error)) {
    FUZZ_CHECK(error.rfind("line ", 0) == 0 || error.rfind("at the end", 0) == 0);
    return 0;
  }
  FUZZ_CHECK(layout->pixelWidth > 0 && layout->pixelHeight > 0);
  FUZZ_CHECK(layout->objectCount >= 0 && layout->objectCount <= kMaxLayoutObjects);
  for (int i = 0; i < layout->objectCount; ++i) {
    const LayoutObject& o = layout->objects[i];
    FUZZ_CHECK(o.bounds.left >= 0 && o.bounds.top >= 0);
    FUZZ_CHECK(o.bounds.left <= o.bounds.right && o.bounds.top <= o.bounds.bottom);
    FUZZ_CHECK(o.bounds.right <= layout->pixelWidth && o.bounds.bottom <= layout->pixelHeight);
  }
  return 0;
}
