// Fuzz target: the help collection's contents file and a page of any bytes give topics and
// keywords that keep their promises.
#include "FuzzSupport.h"
#include "base/HelpIndex.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const HelpTopic& t : ParseHelpContents(text)) {
    FUZZ_CHECK(t.depth >= 0 && t.depth <= 9);
    FUZZ_CHECK(!t.title.empty() && !t.page.empty());
  }
  const std::vector<HelpKeyword> index = PageKeywords("page.html", text);
  for (const HelpKeyword& k : index) {
    FUZZ_CHECK(!k.keyword.empty());
    FUZZ_CHECK(k.target.rfind("page.html", 0) == 0);
    FUZZ_CHECK(FindKeyword(index, k.keyword).has_value());
  }
  return 0;
}
