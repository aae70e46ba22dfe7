// Word/clue text files: one entry per line, a word, a clue, or a word, a separator and a clue.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "base/OpResult.h"
#include "editor/PuzzleEntries.h"

namespace gw {

// What a word file holds, as Windows-1252 lines.
struct WordFileLines {
  // The non-blank lines, each cut to its first 255 characters and trimmed, in file order.
  std::vector<std::string> lines;
  // The 1-based line number in the file of each of `lines`, for messages that name it.
  std::vector<int> numbers;
  bool converted = false;  // the file was Unicode text (UTF-8, or UTF-16 with a byte order mark)
  // Characters with no Windows-1252 byte, each once; they read as '?'.
  QString unmapped;
  // The file holds NUL bytes or control characters, as programs and pictures do and no text
  // file in any encoding we read.
  bool binary = false;
};

// Lines may end in CR LF, LF or CR alone. Windows-1252 files are taken as they are; UTF-8 files
// are recognised and converted.
WordFileLines WordFileFromBytes(const std::string& bytes);

// No word file comes near this; anything longer is read no further (it may be endless).
constexpr long kMaxWordFileBytes = 64L << 20;

// The file as WordFileFromBytes reads it, but of each line only the bytes its first 255
// characters can take are kept while reading, so a huge line costs no memory. Nothing when the
// file cannot be opened; IoError on a read error, for a folder, a pipe or a device (never read),
// and for a file longer than kMaxWordFileBytes.
std::optional<WordFileLines> ReadWordFile(const std::string& path);

struct WordAndClue {
  std::string word;
  std::string clue;
};

// Splits at the first occurrence of `separator` and trims both halves; a line without it is a
// word with an empty clue. An empty separator never splits.
WordAndClue SplitWordClue(const std::string& line, const std::string& separator);

// A words-and-clues export line: the word padded to 31 characters, the separator, a space, the
// clue, laid out for a fixed-pitch font.
std::string JoinWordClue(const std::string& word, const std::string& separator,
                         const std::string& clue);

// The three forms of a word file, numbered as the "Import Option" and "Export Option" settings.
enum class WordFileForm { Words = 1, Clues = 2, WordsAndClues = 3 };

// The separator as typed into a separator box: trimmed, at most 10 characters. Empty means none
// was given (a space cannot separate).
std::string TypedSeparator(const std::string& typed);

// Takes `lines` in order into the first rows that are free for `form`, while fewer than 330 words
// are counted (the rows' words plus one per line taken). Words: a row without a word takes the
// line as its word. Clues: a row without word and clue takes it as its clue. Words and clues: a
// row without word and clue takes the line split at `separator`. Returns the indexes of the rows
// written; lines finding no free row are dropped.
std::vector<size_t> MergeWordFileLines(std::vector<PuzzleEntries::Row>& rows,
                                       const std::vector<std::string>& lines, WordFileForm form,
                                       const std::string& separator);

// The lines offered for export, in row order: the trimmed non-blank words, the trimmed non-blank
// clues (of rows without words too), or for every row with a word or a clue the fixed-pitch line
// with `separator` (":" when empty).
std::vector<std::string> WordFileExportLines(const std::vector<PuzzleEntries::Row>& rows,
                                             WordFileForm form, const std::string& separator);

// Writes the lines as Windows-1252, each ended by CR LF, in place of the file (see
// fileio::ReplaceFileContents). Refuses (nothing written) a file of the program's own kinds (a
// group, a library, an export file) and `source`, the file the words come from (see
// RefusedExportTarget). Fails with "Unable to create export file." when the file cannot be created
// or replaced; IoError when writing fails, the old file then staying as it was.
OpResult WriteWordFile(const std::string& path, const std::vector<std::string>& lines,
                       const std::string& source = {});

}  // namespace gw
