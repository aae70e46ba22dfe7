// gridwright-make --export-words: a stored puzzle's words and clues as a word/clue text file.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>

#include "base/IoError.h"
#include "base/TextCodec.h"
#include "editor/WordFile.h"
#include "storage/PuzzleGroup.h"
#include "tools/MakeCommands.h"

namespace gw::cli {

int RunExportWords(const Args& args) {
  if (args.size() < 3) return UsageError("--export-words takes a group file, a record and a file");
  const std::string& group = args[0];
  const std::string& out = args[2];
  const std::optional<long> record = Number(args[1], 0, 65535);
  if (!record) return UsageError("RECORD must be a record number");
  WordFileForm form = WordFileForm::WordsAndClues;
  std::string separator = ":";
  for (size_t i = 3; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return UsageError(a + " needs a value");
    const std::string& v = args[++i];
    if (a == "--form") {
      if (v == "words")
        form = WordFileForm::Words;
      else if (v == "clues")
        form = WordFileForm::Clues;
      else if (v == "both")
        form = WordFileForm::WordsAndClues;
      else
        return UsageError("--form takes words, clues or both");
    } else if (a == "--sep") {
      separator = FromArg(v);
      if (separator.size() != 1 || separator == " ") return UsageError("--sep takes one character");
    } else {
      return UsageError("unknown option " + a);
    }
  }

  auto puzzle = std::make_unique<PuzzleRecord>();
  try {
    if (!std::filesystem::exists(group) || !ReadPuzzle(group, static_cast<int>(*record), *puzzle))
      return UsageError("cannot open " + group);
  } catch (const IoError&) {
    return UsageError(group + " has no record " + args[1]);
  }
  std::vector<PuzzleEntries::Row> rows;
  for (int i = 1; i <= kMaxWords; ++i)
    rows.push_back({puzzle->Word(i).Get(), puzzle->Clue(i).Get()});
  // Every line, in the order the export dialog lists them.
  std::vector<std::string> lines = WordFileExportLines(rows, form, separator);
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return ListTextLess(ToQString(a), ToQString(b));
  });
  try {
    const OpResult written = WriteWordFile(out, lines, group);
    if (written.refused) return Fail(kBadInput, written.message);
    if (!written.ok) return Fail(kCannotDo, written.detail);
  } catch (const IoError& e) {
    return Fail(kCannotDo, e.what());
  }
  std::cout << lines.size() << " lines written to " << out << ".\n";
  return kDone;
}

}  // namespace gw::cli
