// Fuzz target: a word/clue text file of any bytes is read into lines (UTF-8, UTF-16 or
// Windows-1252) and split into words and clues as the command line and the editor's import take
// them, and told apart from the program's own files as an export's target.
#include <algorithm>

#include "FuzzSupport.h"
#include "base/TextUtils.h"
#include "editor/WordFile.h"
#include "storage/StoredKinds.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::Scratch("words.txt", data, size);
  const std::optional<WordFileLines> file = ReadWordFile(path);
  FUZZ_CHECK(file.has_value());
  FUZZ_CHECK(file->lines.size() == file->numbers.size());
  int previous = 0;
  for (size_t i = 0; i < file->lines.size(); ++i) {
    const std::string& text = file->lines[i];
    FUZZ_CHECK(file->numbers[i] > previous);
    previous = file->numbers[i];
    FUZZ_CHECK(!text.empty() && text.size() <= 255);
    FUZZ_CHECK(text.front() != ' ' && text.back() != ' ');
    FUZZ_CHECK(text.find_first_of("\r\n") == std::string::npos);
    for (const char* separator : {":", "\t", ""}) {
      const WordAndClue entry = SplitWordClue(text, separator);
      FUZZ_CHECK(entry.word.size() + entry.clue.size() <= text.size());
      FindControlCharacter(entry.word);
      FUZZ_CHECK(!JoinWordClue(entry.word, separator, entry.clue).empty());
    }
  }

  // Where no line is long enough to be cut while reading, reading the file is reading its bytes.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const bool utf16 = bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
  size_t longest = 0, run = 0;
  for (char c : bytes) {
    run = (c == '\r' || c == '\n') ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  if (!utf16 && longest < 1000) {
    const WordFileLines whole = WordFileFromBytes(bytes);
    FUZZ_CHECK(whole.lines == file->lines);
    FUZZ_CHECK(whole.numbers == file->numbers);
    FUZZ_CHECK(whole.unmapped == file->unmapped);
  }

  // Whether an export may replace these bytes: a text, one without NUL bytes, never passes for a
  // group or a library, only an export file's signature can make it one of the program's own.
  const StoredKind kind = StoredKindOf(path);
  if (bytes.find('\0') == std::string::npos && bytes.rfind("LAY", 0) != 0 &&
      bytes.rfind("PAG", 0) != 0)
    FUZZ_CHECK(kind == StoredKind::Other);
  FUZZ_CHECK(RefusedExportTarget(path, StoredKind::Other).has_value() == (kind != StoredKind::Other));
  return 0;
}
