// gridwright-make --book as a user runs it on the sample group, the PDF read back with poppler.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::RunShell;
using ToolRun = test::ShellRun;

class BookToolTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!Have("pdfinfo") || !Have("pdftotext") || !Have("pdffonts"))
      GTEST_SKIP() << "poppler-utils is not installed";
    // The sample group the build makes: six puzzles, from "Zoo Animals" to "What's the Weather?".
    std::filesystem::copy_file(GW_SAMPLE_GROUP, dir_.File("Samples.QL3"));
  }
  ToolRun Tool(const std::string& arguments) {
    return RunShell("cd '" + dir_.Path() + "' && '" GW_MAKE_TOOL "' " + arguments);
  }
  static bool Have(const char* program) {
    return RunShell(std::string("command -v ") + program).code == 0;
  }
  std::string Info(const std::string& pdf) {
    return RunShell("pdfinfo '" + dir_.File(pdf) + "'").out;
  }
  // The lines of one page's text, blank ones left out, blanks inside squeezed to one.
  std::vector<std::string> PageLines(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    const ToolRun text =
        RunShell("pdftotext -layout -f " + n + " -l " + n + " '" + dir_.File(pdf) + "' -");
    std::vector<std::string> lines;
    std::istringstream in(text.out);
    for (std::string line; std::getline(in, line);) {
      std::string squeezed;
      for (char c : line)
        if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) squeezed += c;
      while (!squeezed.empty() && (squeezed.back() == ' ' || squeezed.back() == '\f'))
        squeezed.pop_back();
      if (!squeezed.empty()) lines.push_back(squeezed);
    }
    return lines;
  }
  static bool Holds(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& line : lines)
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
  test::TempDir dir_;
};

TEST_F(BookToolTest, TheSampleBookHasNumberedTrimPagesEmbeddedFontsAndTheKeysAtTheBack) {
  const ToolRun run = Tool(
      "--book Samples.QL3 --out book.pdf --trim 6x9 --contents "
      "--title-page 'Puzzles for the Holidays'");
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.out, "book.pdf: 10 pages, 6 puzzles\n");
  const std::string info = Info("book.pdf");
  EXPECT_NE(info.find("Pages:           10"), std::string::npos) << info;
  EXPECT_NE(info.find("Page size:       432 x 648 pts"), std::string::npos) << info;
  EXPECT_NE(info.find("Title:           Puzzles for the Holidays"), std::string::npos) << info;
  EXPECT_NE(info.find("Creator:         Gridwright"), std::string::npos) << info;
  std::istringstream fonts(RunShell("pdffonts '" + dir_.File("book.pdf") + "'").out);
  int listed = 0;
  for (std::string line; std::getline(fonts, line);)
    if (line.find("TrueType") != std::string::npos) {
      ++listed;
      EXPECT_NE(line.find(" yes "), std::string::npos) << "not embedded: " << line;
    }
  EXPECT_GT(listed, 0);

  // Title page without a number; then contents 1, puzzles 2 to 7, keys 8 and 9.
  EXPECT_EQ(PageLines("book.pdf", 1), std::vector<std::string>{"Puzzles for the Holidays"});
  const std::vector<std::string> contents = PageLines("book.pdf", 2);
  EXPECT_EQ(contents.front(), "Contents");
  EXPECT_TRUE(Holds(contents, "Zoo Animals ....")) << contents[1];
  EXPECT_TRUE(Holds(contents, "Answers ...."));
  const char* const titles[] = {"Zoo Animals",   "Fruit Bowl", "Our Solar System",
                                "Under the Sea", "Sports Day", "What's the Weather?"};
  for (int page = 2; page <= 10; ++page) {
    const std::vector<std::string> lines = PageLines("book.pdf", page);
    ASSERT_FALSE(lines.empty()) << page;
    EXPECT_EQ(lines.back(), std::to_string(page - 1)) << "foot of page " << page;
    if (page >= 3 && page <= 8) {
      EXPECT_TRUE(Holds(lines, titles[page - 3])) << page;
    }
  }
  const std::vector<std::string> keys = PageLines("book.pdf", 9), more = PageLines("book.pdf", 10);
  EXPECT_EQ(keys.front(), "Answers");
  EXPECT_EQ(more.front(), "Answers");
  for (int i = 0; i < 6; ++i)
    EXPECT_TRUE(
        Holds(i < 4 ? keys : more, std::string(titles[i]) + ", page " + std::to_string(i + 2)))
        << titles[i];
}

TEST_F(BookToolTest, AListOfRecordsKeepsItsOrderWithEachKeyAfterItsPuzzle) {
  const ToolRun run = Tool(
      "--book Samples.QL3 3,0-1 --out list.pdf --keys after --start-number 21 "
      "--no-page-numbers --trim a5");
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_NE(Info("list.pdf").find("Pages:           6"), std::string::npos);
  EXPECT_NE(Info("list.pdf").find("Page size:       420 x 595 pts"), std::string::npos);
  EXPECT_NE(Info("list.pdf").find("Title:           Samples"), std::string::npos);
  const char* const order[] = {"Under the Sea", "Zoo Animals", "Fruit Bowl"};
  for (int i = 0; i < 3; ++i) {
    const std::vector<std::string> puzzle = PageLines("list.pdf", 2 * i + 1);
    const std::vector<std::string> key = PageLines("list.pdf", 2 * i + 2);
    EXPECT_TRUE(Holds(puzzle, order[i])) << order[i];
    EXPECT_EQ(key.front(), "Answers");
    EXPECT_EQ(key[1], std::string(order[i]) + ", page " + std::to_string(21 + 2 * i));
    EXPECT_NE(key.back(), std::to_string(22 + 2 * i)) << "no numbers at the feet";
  }

  // No keys at all, four to a page at the back by default, six when asked.
  ASSERT_EQ(Tool("--book Samples.QL3 all --out plain.pdf --keys none").code, 0);
  EXPECT_NE(Info("plain.pdf").find("Pages:           6"), std::string::npos);
  ASSERT_EQ(Tool("--book Samples.QL3 --out six.pdf --keys-per-page 6").code, 0);
  EXPECT_NE(Info("six.pdf").find("Pages:           7"), std::string::npos);
}

TEST_F(BookToolTest, LargePrintNamesThePuzzlesThatNoLongerFit) {
  const ToolRun run = Tool("--book Samples.QL3 0,2 --out large.pdf --trim 3x4 --large-print");
  EXPECT_EQ(run.code, 0) << run.out;
  EXPECT_NE(run.out.find("record 2 (page 2): Puzzle Letters would not fit"), std::string::npos)
      << run.out;
  EXPECT_GT(test::FileSize(dir_.File("large.pdf")), 0);
}

TEST_F(BookToolTest, BadInputExitsTwoAndWritesNothingOverAGroup) {
  std::filesystem::copy_file(dir_.File("Samples.QL3"), dir_.File("group.pdf"));
  const std::vector<char> group = test::ReadBytes(dir_.File("group.pdf"));
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"--book Samples.QL3 0,9 --out x.pdf", "Samples.QL3 has no record 9"},
      {"--book Samples.QL3 2-1 --out x.pdf", "a record list takes record numbers and ranges"},
      {"--book Samples.QL3 0,0 --out x.pdf", "record 0 is listed twice"},
      {"--book Samples.QL3 --out x.pdf --trim legal", "unknown trim size legal"},
      {"--book Samples.QL3 --out x.pdf --keys-per-page 5", "--keys-per-page takes 1, 2, 4 or 6"},
      {"--book Samples.QL3 --out x.pdf --keys front", "--keys takes back, after or none"},
      {"--book Samples.QL3 --out x.pdf --start-number 0", "--start-number takes 1 to 99999"},
      {"--book Samples.QL3 --out Samples.QL3", "--out must end in .pdf"},
      {"--book Samples.QL3 --out group.pdf", "group.pdf exists and is not a PDF"},
      {"--book Samples.QL3", "--out is required"},
      {"--book missing.QL3 --out x.pdf", "cannot open missing.QL3"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.code, 2) << c.arguments;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.pdf")));
  EXPECT_EQ(test::ReadBytes(dir_.File("group.pdf")), group);
  const ToolRun unwritable = Tool("--book Samples.QL3 --out no/such/folder/x.pdf");
  EXPECT_EQ(unwritable.code, 3);
  EXPECT_NE(unwritable.out.find(
                "Unable to write the file no/such/folder/x.pdf.  No such file or directory."),
            std::string::npos)
      << unwritable.out;
}

}  // namespace
}  // namespace gw
