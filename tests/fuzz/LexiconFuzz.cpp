// Fuzz target: a user word list of any bytes is read, written back and read again unchanged.
#include "FuzzSupport.h"
#include "language/UserLexicon.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::Scratch("IncAmer.tlx", data, size);
  const std::vector<std::string> words = ReadLexicon(path);
  for (const std::string& w : words) {
    FUZZ_CHECK(!w.empty());
    FUZZ_CHECK(w.size() <= 255);
    FUZZ_CHECK(w.find('\n') == std::string::npos);
  }
  if (WriteLexicon(path, words).ok) FUZZ_CHECK(ReadLexicon(path) == words);
  return 0;
}
