// Fuzz target: a word/clue text file of any bytes is read into lines and split into words and
// clues as the command line and the editor's import take them.
#include "FuzzSupport.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "editor/WordFile.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::Scratch("words.txt", data, size);
  const std::optional<std::vector<WordFileLine>> lines = ReadWordFileLines(path);
  FUZZ_CHECK(lines.has_value());
  int previous = 0;
  for (const WordFileLine& line : *lines) {
    FUZZ_CHECK(line.number > previous);
    previous = line.number;
    FUZZ_CHECK(!line.text.empty() && line.text.size() <= 255);
    FUZZ_CHECK(line.text.front() != ' ' && line.text.back() != ' ');
    const std::string text = Cp1252FromFileText(line.text);
    for (const char* separator : {":", "\t", ""}) {
      const WordAndClue entry = SplitWordClue(text, separator);
      FUZZ_CHECK(entry.word.size() + entry.clue.size() <= text.size());
      FindControlCharacter(entry.word);
      FUZZ_CHECK(!JoinWordClue(entry.word, separator, entry.clue).empty());
    }
  }
  return 0;
}
