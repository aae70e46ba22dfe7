// Word/clue text lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/IoError.h"
#include "editor/WordFile.h"
#include "support/TempDir.h"

namespace gw {
namespace {

TEST(WordFile, ReadsNonBlankTrimmedLinesWithEitherLineEnd) {
  test::TempDir dir;
  test::WriteText(dir.File("w.txt"), "  owl : hoots\r\n\r\n   \r\nfox\n" + std::string(300, 'x'));
  const auto lines = ReadWordFileLines(dir.File("w.txt"));
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 3u);
  EXPECT_EQ((*lines)[0].text, "owl : hoots");
  EXPECT_EQ((*lines)[1].text, "fox");
  EXPECT_EQ((*lines)[2].text.size(), 255u);
  // Blank lines still count, so messages can name the line a user sees in an editor.
  EXPECT_EQ((*lines)[0].number, 1);
  EXPECT_EQ((*lines)[1].number, 4);
  EXPECT_EQ((*lines)[2].number, 5);
  EXPECT_FALSE(ReadWordFileLines(dir.File("missing.txt")));
}

TEST(WordFile, EndlessLinesAreCutWhileReadingAndHugeFilesRefused) {
  test::TempDir dir;
  // A line of ten million bytes costs no more than its head; the CR of a kept line still goes.
  test::WriteText(dir.File("long.txt"), std::string(10'000'000, 'w') + "\nCAT\r\n");
  const auto lines = ReadWordFileLines(dir.File("long.txt"));
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 2u);
  EXPECT_EQ((*lines)[0].text, std::string(255, 'w'));
  EXPECT_EQ((*lines)[1].text, "CAT");
  EXPECT_EQ((*lines)[1].number, 2);
  // A file bigger than any word file (a sparse one: nothing is written to the disk) is refused.
  { std::ofstream(dir.File("huge.txt")); }
  std::filesystem::resize_file(dir.File("huge.txt"), kMaxWordFileBytes + 1);
  EXPECT_THROW(ReadWordFileLines(dir.File("huge.txt")), IoError);
  std::filesystem::create_directory(dir.File("folder.txt"));
  EXPECT_THROW(ReadWordFileLines(dir.File("folder.txt")), IoError);
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
}

}  // namespace
}  // namespace gw
