// Word/clue text files: reading any text, merging into the editor's rows, export lines, writing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/IoError.h"
#include "editor/WordFile.h"
#include "storage/PuzzleGroup.h"
#include "support/Faults.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using Rows = std::vector<PuzzleEntries::Row>;

Rows EmptyRows() {
  return Rows(kMaxWords);
}

TEST(WordFile, ReadsNonBlankTrimmedLinesWithEitherLineEnd) {
  test::TempDir dir;
  test::WriteText(dir.File("w.txt"),
                  "  owl : hoots\r\n\r\n   \r\nfox\nhen\rcow\r\n" + std::string(300, 'x'));
  const auto file = ReadWordFile(dir.File("w.txt"));
  ASSERT_TRUE(file);
  const std::vector<std::string>& lines = file->lines;
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "owl : hoots");
  EXPECT_EQ(lines[1], "fox");
  EXPECT_EQ(lines[2], "hen");
  EXPECT_EQ(lines[3], "cow");
  EXPECT_EQ(lines[4].size(), 255u);
  EXPECT_FALSE(file->converted);
  // Blank lines still count, so messages can name the line a user sees in an editor.
  EXPECT_EQ(file->numbers, (std::vector<int>{1, 4, 5, 6, 7}));
  EXPECT_FALSE(ReadWordFile(dir.File("missing.txt")));
}

TEST(WordFile, ConvertsUnicodeFilesAndReportsWhatWindowsTextCannotHold) {
  // UTF-8 as Linux editors write it: accents and the euro sign have Windows-1252 bytes.
  WordFileLines utf8 = WordFileFromBytes(
      "caf\xC3\xA9 : co\xC3\xBBt \xE2\x82\xAC"
      "2\n\xC3\xB1"
      "and\xC3\xBA\n");
  EXPECT_TRUE(utf8.converted);
  ASSERT_EQ(utf8.lines.size(), 2u);
  EXPECT_EQ(utf8.lines[0],
            "caf\xE9 : co\xFBt \x80"
            "2");
  EXPECT_EQ(utf8.lines[1],
            "\xF1"
            "and\xFA");
  EXPECT_TRUE(utf8.unmapped.isEmpty());

  // A Windows-1252 file is not valid UTF-8 and stays as it is.
  WordFileLines ansi = WordFileFromBytes("caf\xE9\r\n\xC3\xA9t\xE9\r\n");
  EXPECT_FALSE(ansi.converted);
  EXPECT_EQ(ansi.lines, (std::vector<std::string>{"caf\xE9", "\xC3\xA9t\xE9"}));

  // Byte order marks: UTF-8 and UTF-16 as Windows editors save them.
  EXPECT_EQ(WordFileFromBytes("\xEF\xBB\xBFowl\r\n").lines, std::vector<std::string>{"owl"});
  const std::string utf16le("\xFF\xFEo\0w\0l\0\r\0\n\0\xE9\0", 14);
  EXPECT_EQ(WordFileFromBytes(utf16le).lines, (std::vector<std::string>{"owl", "\xE9"}));

  // Characters with no Windows-1252 byte become '?' and are each named once.
  WordFileLines foreign =
      WordFileFromBytes("\xE4\xB8\xAD\xE6\x96\x87\n\xE4\xB8\xAD \xF0\x9F\x98\x80\n");
  ASSERT_EQ(foreign.lines.size(), 2u);
  EXPECT_EQ(foreign.lines[0], "??");
  EXPECT_EQ(foreign.lines[1], "? ?");
  // Damaged text still reads: a cut UTF-16 file, zero bytes, stray line ends.
  EXPECT_EQ(WordFileFromBytes(std::string("\xFF\xFEo\0w", 5)).lines.size(), 1u);
  EXPECT_EQ(WordFileFromBytes(std::string("a\0b\r\r\n\n\r", 8)).lines,
            std::vector<std::string>{std::string("a\0b", 3)});
  EXPECT_EQ(foreign.unmapped, QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87\xF0\x9F\x98\x80"));
}

TEST(WordFile, LongLinesAreCutWhileReadingAndHugeFilesRefused) {
  test::TempDir dir;
  // A line of ten million bytes costs no more than its head.
  test::WriteText(dir.File("long.txt"), std::string(10'000'000, 'w') + "\nCAT\r\n");
  auto file = ReadWordFile(dir.File("long.txt"));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->lines, (std::vector<std::string>{std::string(255, 'w'), "CAT"}));
  EXPECT_EQ(file->numbers, (std::vector<int>{1, 2}));

  // A head never ends inside a character, or the whole file would no longer read as UTF-8
  // (or, behind a UTF-16 mark, would show a damaged character nobody typed).
  std::string accents = "a";
  for (int i = 0; i < 2000; ++i) accents += "\xC3\xA9";
  test::WriteText(dir.File("utf8.txt"), accents + "\nCAT\n");
  file = ReadWordFile(dir.File("utf8.txt"));
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->converted);
  EXPECT_EQ(file->lines, (std::vector<std::string>{"a" + std::string(254, '\xE9'), "CAT"}));
  std::string faces("\xFF\xFE", 2);
  for (int i = 0; i < 600; ++i) faces += std::string("\x3D\xD8\x00\xDE", 4);
  faces += std::string("\n\0o\0w\0l\0", 8);
  test::WriteText(dir.File("utf16.txt"), faces);
  file = ReadWordFile(dir.File("utf16.txt"));
  ASSERT_TRUE(file);
  ASSERT_EQ(file->lines.size(), 2u);
  EXPECT_EQ(file->lines[1], "owl");
  EXPECT_EQ(file->unmapped, QString::fromUtf8("\xF0\x9F\x98\x80"));

  // A file bigger than any word file (a sparse one: nothing is written to the disk) is refused.
  { std::ofstream(dir.File("huge.txt")); }
  std::filesystem::resize_file(dir.File("huge.txt"), kMaxWordFileBytes + 1);
  EXPECT_THROW(ReadWordFile(dir.File("huge.txt")), IoError);
  std::filesystem::create_directory(dir.File("folder.txt"));
  EXPECT_THROW(ReadWordFile(dir.File("folder.txt")), IoError);
}

TEST(WordFile, SplitsAtTheFirstSeparatorAndJoinsForFixedPitch) {
  EXPECT_EQ(SplitWordClue("owl : hoots: at night", ":").clue, "hoots: at night");
  EXPECT_EQ(SplitWordClue("owl : hoots", ":").word, "owl");
  const WordAndClue lone = SplitWordClue("  badger ", ":");
  EXPECT_EQ(lone.word, "badger");
  EXPECT_EQ(lone.clue, "");
  const std::string line = JoinWordClue("owl", ":", "hoots");
  EXPECT_EQ(line, "owl" + std::string(28, ' ') + ": hoots");
  const WordAndClue back = SplitWordClue(line, ":");
  EXPECT_EQ(back.word, "owl");
  EXPECT_EQ(back.clue, "hoots");
  EXPECT_EQ(TypedSeparator("   "), "");  // a space cannot separate
  EXPECT_EQ(TypedSeparator(" ; "), ";");
}

TEST(WordFile, WordsFillRowsWithoutWordsAndKeepTheirClues) {
  Rows rows = EmptyRows();
  rows[0] = {"ant", ""};
  rows[1] = {"  ", "has a trunk"};
  rows[3] = {"", "striped"};
  const std::vector<size_t> written =
      MergeWordFileLines(rows, {"elephant", " zebra ", "yak"}, WordFileForm::Words, "");
  EXPECT_EQ(written, (std::vector<size_t>{1, 2, 3}));
  EXPECT_EQ(rows[0].word, "ant");
  EXPECT_EQ(rows[1].word, "elephant");
  EXPECT_EQ(rows[1].clue, "has a trunk");
  EXPECT_EQ(rows[2].word, "zebra");
  EXPECT_EQ(rows[3].word, "yak");
  EXPECT_EQ(rows[3].clue, "striped");
}

TEST(WordFile, CluesThenWordsPairUpInTheirOrder) {
  Rows rows = EmptyRows();
  rows[1] = {"cat", "purrs"};
  MergeWordFileLines(rows, {"barks", "hoots"}, WordFileForm::Clues, "");
  MergeWordFileLines(rows, {"dog", "owl"}, WordFileForm::Words, "");
  EXPECT_EQ(rows[0].word + "/" + rows[0].clue, "dog/barks");
  EXPECT_EQ(rows[1].word + "/" + rows[1].clue, "cat/purrs");
  EXPECT_EQ(rows[2].word + "/" + rows[2].clue, "owl/hoots");
}

TEST(WordFile, WordsAndCluesSplitAtTheFirstSeparatorIntoEmptyRows) {
  Rows rows = EmptyRows();
  rows[0] = {"", "only a clue"};  // not free for this form
  MergeWordFileLines(rows, {"owl : hoots: at night", "badger", ": lone clue"},
                     WordFileForm::WordsAndClues, ":");
  EXPECT_EQ(rows[0].clue, "only a clue");
  EXPECT_EQ(rows[1].word, "owl");
  EXPECT_EQ(rows[1].clue, "hoots: at night");
  EXPECT_EQ(rows[2].word, "badger");
  EXPECT_EQ(rows[2].clue, "");
  EXPECT_EQ(rows[3].word, "");
  EXPECT_EQ(rows[3].clue, "lone clue");
}

TEST(WordFile, MergeStopsAtThreeHundredThirtyWords) {
  Rows rows = EmptyRows();
  for (int i = 0; i < kMaxWords; ++i)
    if (i != 100) rows[static_cast<size_t>(i)].word = "w" + std::to_string(i);
  // 329 words: one line is taken, into the one free row; the rest are dropped.
  EXPECT_EQ(MergeWordFileLines(rows, {"first", "second"}, WordFileForm::Words, ""),
            std::vector<size_t>{100});
  EXPECT_EQ(rows[100].word, "first");
  EXPECT_EQ(CountWords(rows), kMaxWords);
  // Clue lines count against the limit as well, though they add no word.
  Rows clues = EmptyRows();
  for (int i = 0; i < kMaxWords - 2; ++i) clues[static_cast<size_t>(i)].word = "w";
  EXPECT_EQ(MergeWordFileLines(clues, {"a", "b", "c"}, WordFileForm::Clues, "").size(), 2u);
}

TEST(WordFile, ExportListsWordsCluesOrPaddedPairs) {
  Rows rows = EmptyRows();
  rows[0] = {" owl ", " hoots "};
  rows[2] = {"", "a clue without a word"};
  rows[4] = {"fox", ""};
  EXPECT_EQ(WordFileExportLines(rows, WordFileForm::Words, ""),
            (std::vector<std::string>{"owl", "fox"}));
  EXPECT_EQ(WordFileExportLines(rows, WordFileForm::Clues, ""),
            (std::vector<std::string>{"hoots", "a clue without a word"}));
  const std::vector<std::string> both = WordFileExportLines(rows, WordFileForm::WordsAndClues, "");
  ASSERT_EQ(both.size(), 3u);
  EXPECT_EQ(both[0], "owl" + std::string(28, ' ') + ": hoots");
  EXPECT_EQ(both[1], std::string(31, ' ') + ": a clue without a word");
  EXPECT_EQ(both[2], "fox" + std::string(28, ' ') + ": ");
  EXPECT_EQ(WordFileExportLines(rows, WordFileForm::WordsAndClues, ";")[0].substr(31), "; hoots");
}

TEST(WordFile, WritingReplacesAFileOrFailsWithoutOne) {
  test::TempDir dir;
  const std::string path = dir.File("list.txt");
  test::WriteText(path, "old contents that are longer than the new ones\r\n");
  ASSERT_TRUE(WriteWordFile(path, {"one", "two"}).ok);
  EXPECT_EQ(test::ReadText(path), "one\r\ntwo\r\n");
  const OpResult failed = WriteWordFile(dir.File("no such folder/list.txt"), {"one"});
  EXPECT_FALSE(failed.ok);
  EXPECT_FALSE(failed.refused);
  EXPECT_EQ(failed.message, "Unable to create export file.");
  EXPECT_EQ(failed.detail, "Unable to write the file " + dir.File("no such folder/list.txt") +
                               ".  No such file or directory.");
}

TEST(WordFile, NeverWrittenOverAGroupALibraryOrTheFileItComesFrom) {
  test::TempDir dir;
  PuzzleRecord puzzle;
  InitNewPuzzle(puzzle);
  ASSERT_TRUE(AppendPuzzle(dir.File("Farm.QL3"), puzzle));
  // A group under another name, through a link, and the library files by their names.
  std::filesystem::copy_file(dir.File("Farm.QL3"), dir.File("farm-copy.bin"));
  std::filesystem::create_symlink("Farm.QL3", dir.File("words.txt"));
  test::WriteText(dir.File("qlfpage.dat"), "");
  for (const char* target : {"Farm.QL3", "farm-copy.bin", "words.txt", "qlfpage.dat"}) {
    SCOPED_TRACE(target);
    const std::vector<char> before = test::ReadBytes(dir.File(target));
    const OpResult refused = WriteWordFile(dir.File(target), {"one"});
    EXPECT_TRUE(refused.refused);
    EXPECT_NE(refused.message.find("nothing was written over it"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(dir.File(target)), before);
  }
  // The file the words come from, even when it is no group.
  test::WriteText(dir.File("notes.txt"), "notes");
  EXPECT_TRUE(WriteWordFile(dir.File("notes.txt"), {"one"}, dir.File("./notes.txt")).refused);
  EXPECT_EQ(test::ReadText(dir.File("notes.txt")), "notes");
  EXPECT_TRUE(WriteWordFile(dir.File("notes.txt"), {"one"}, dir.File("Farm.QL3")).ok);
}

class WordFileExportFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(WordFileExportFaults, NeverDestroyTheFileThatWasThere) {
  std::vector<std::string> lines;
  for (int i = 0; i < 200; ++i) lines.push_back("word" + std::to_string(i) + " : its clue");
  test::CheckReplaceFault({"list.txt",
                           [&](const std::string& path) {
                             return WriteWordFile(path, lines).ok ? test::Done() : test::Refused();
                           }},
                          GetParam());
}

INSTANTIATE_TEST_SUITE_P(Export, WordFileExportFaults, testing::ValuesIn(test::WholeFileFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

}  // namespace
}  // namespace gw
