// gridwright-make run as a user runs it: real processes, temporary folders.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include <sys/wait.h>

#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"
#include "storage/PuzzleGroup.h"
#include "support/TempDir.h"
#include "tools/MakePuzzle.h"

namespace gw {
namespace {

struct ToolRun {
  int code;
  std::string out;  // standard output and standard error together
};

ToolRun Make(const std::string& arguments, const std::string& folder) {
  const std::string command = "cd '" + folder + "' && '" GW_MAKE_TOOL "' " + arguments + " 2>&1";
  ToolRun run{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

const char* const kAnimals =
    "LION : king of beasts\n"
    "TIGER : striped cat\n"
    "ZEBRA\n"
    "GIRAFFE : tallest animal\n"
    "ELEPHANT : has a trunk\n"
    "MONKEY\n"
    "HIPPO\n"
    "RHINO\n";

class MakeToolTest : public testing::Test {
 protected:
  void SetUp() override {
    test::WriteText(dir_.File("animals.txt"), kAnimals);
    // An empty library folder: no shapes, the built-in page, the built-in offensive list.
    std::filesystem::create_directory(dir_.File("lib"));
  }
  std::string Common() const { return "animals.txt --library lib --group G.QL3 "; }

  std::unique_ptr<PuzzleRecord> Record(int n, const std::string& group = "G.QL3") const {
    auto p = std::make_unique<PuzzleRecord>();
    EXPECT_TRUE(ReadPuzzle(dir_.File(group), n, *p));
    return p;
  }

  test::TempDir dir_;
};

TEST_F(MakeToolTest, SeededRunsRepeatToTheByteAndListTheirPuzzles) {
  ASSERT_EQ(
      Make(Common() + "--title Safari --category Animals --attempts 50 --seed 7", dir_.Path()).code,
      0);
  ASSERT_EQ(Make("animals.txt --library lib --group H.QL3 --title Safari --category Animals "
                 "--attempts 50 --seed 7",
                 dir_.Path())
                .code,
            0);
  EXPECT_EQ(test::ReadBytes(dir_.File("G.QL3")), test::ReadBytes(dir_.File("H.QL3")));
  ASSERT_EQ(Make(Common() + "--seed 8", dir_.Path()).code, 0);
  const ToolRun list = Make("--list G.QL3", dir_.Path());
  EXPECT_EQ(list.code, 0);
  EXPECT_EQ(list.out, "0\tAnimals\tSafari\n1\tPuzzles\tanimals\n");
}

TEST_F(MakeToolTest, EveryPlacedWordReadsFromStartToEndInTheShownGrid) {
  ASSERT_EQ(Make(Common() + "--attempts 20 --seed 3", dir_.Path()).code, 0);
  const auto p = Record(0);
  EXPECT_EQ(p->puzzleGenerated, 1);
  const ToolRun show = Make("--show G.QL3 0", dir_.Path());
  ASSERT_EQ(show.code, 0);
  // The grid lines follow the heading and a blank line; letters are separated by spaces.
  std::istringstream lines(show.out);
  std::string line;
  std::getline(lines, line);
  std::getline(lines, line);
  std::vector<std::string> grid;
  for (int r = 0; r < p->gridHeight && std::getline(lines, line); ++r) {
    std::string row;
    for (size_t i = 0; i < line.size(); i += 2) row += line[i];
    grid.push_back(row);
  }
  ASSERT_EQ(static_cast<int>(grid.size()), p->gridHeight);
  for (int i = 1; i <= p->wordCount; ++i) {
    const std::string word = p->Word(i).Get();
    const int s = p->wordStart[i - 1], e = p->wordEnd[i - 1];
    const int dr = (CellRow(e) > CellRow(s)) - (CellRow(e) < CellRow(s));
    const int dc = (CellColumn(e) > CellColumn(s)) - (CellColumn(e) < CellColumn(s));
    std::string read;
    for (size_t k = 0; k < word.size(); ++k)
      read += grid[CellRow(s) - 1 + dr * static_cast<int>(k)]
                  [CellColumn(s) - 1 + dc * static_cast<int>(k)];
    EXPECT_EQ(read, word);
    EXPECT_NE(show.out.find(word), std::string::npos);
  }
  EXPECT_NE(show.out.find("king of beasts"), std::string::npos);
}

TEST_F(MakeToolTest, ThePhraseComesBackFromTheFillLetters) {
  ASSERT_EQ(Make(Common() + "--seed 11", dir_.Path()).code, 0);  // learn the empty cell count
  int empty = 0;
  {
    const auto p = Record(0);
    for (int r = 1; r <= p->gridHeight; ++r)
      for (int c = 1; c <= p->gridWidth; ++c) empty += p->Letter(CellIndex(r, c)) == ' ';
  }
  std::string phrase;
  while (static_cast<int>(phrase.size()) < empty) phrase += "quietzebra";
  phrase.resize(static_cast<size_t>(empty));
  const ToolRun run = Make(Common() + "--seed 11 --phrase " + phrase, dir_.Path());
  ASSERT_EQ(run.code, 0) << run.out;
  const auto p = Record(1);
  EXPECT_EQ(p->hiddenPhraseUsed, 1);
  std::string read;
  for (int r = 1; r <= p->gridHeight; ++r)
    for (int c = 1; c <= p->gridWidth; ++c)
      if (p->Letter(CellIndex(r, c)) == ' ')
        read += static_cast<char>(p->Fill(CellIndex(r, c)) + 32);
  EXPECT_EQ(read, phrase);

  const ToolRun shortPhrase = Make(Common() + "--seed 11 --phrase abc", dir_.Path());
  EXPECT_EQ(shortPhrase.code, 2);
  EXPECT_NE(shortPhrase.out.find(std::to_string(empty) +
                                 " characters are required for the hidden phrase.  You have "
                                 "entered 3 characters."),
            std::string::npos);
}

TEST_F(MakeToolTest, BadInputIsRefusedAndLeavesTheGroupAlone) {
  ASSERT_EQ(Make(Common() + "--seed 1", dir_.Path()).code, 0);
  const std::vector<char> before = test::ReadBytes(dir_.File("G.QL3"));
  std::string many;
  for (int i = 0; i < 331; ++i) many += "WORD" + std::to_string(i) + "\n";
  test::WriteText(dir_.File("many.txt"), many);
  test::WriteText(dir_.File("long.txt"), std::string(40, 'A') + "\nCAT\n");

  struct Case {
    std::string arguments;
    int code;
    std::string message;
  };
  const Case cases[] = {
      {"missing.txt --library lib --group G.QL3", 2, "Cannot open the word file"},
      {"many.txt --library lib --group G.QL3", 2, "331 entries"},
      {"long.txt --library lib --group G.QL3", 2,
       // Words are stored cut to 30 characters, as the editor stores them.
       "Word is greater than puzzle dimension size of 15 characters in \"" + std::string(30, 'A') +
           "\"."},
      {Common() + "--shape Unicorn", 2, "No shape named \"Unicorn\""},
      {Common() + "--directions right,sideways", 2, "unknown direction"},
      {Common() + "--attempts 0", 2, "Attempts must be between 1 and 999.  Please correct."},
      {Common() + "--title \"   \"", 2, "No title specified.  Please correct."},
      {Common() + "--pick 9", 2, "--pick takes 1 to 4"},
      {"animals.txt --library lib", 2, "--group is required"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Make(c.arguments, dir_.Path());
    EXPECT_EQ(run.code, c.code) << c.arguments << "\n" << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
  }
  EXPECT_EQ(test::ReadBytes(dir_.File("G.QL3")), before);
}

TEST_F(MakeToolTest, ShapesComeFromTheLibraryOrAnExportFileAndEmptyShapesPlaceNothing) {
  ShapeRecord diamond;
  MakeNewShape(diamond);
  diamond.shapeName.Set("Wide Band");
  diamond.shapeWidth = 20;
  diamond.shapeHeight = 8;
  ASSERT_TRUE(AppendShape(dir_.File("lib/QLFLAY.DAT"), diamond));
  ASSERT_EQ(Make(Common() + "--shape \"wide band\" --seed 2", dir_.Path()).code, 0);
  EXPECT_EQ(Record(0)->gridWidth, 20);
  EXPECT_EQ(Record(0)->gridHeight, 8);

  ShapeRecord none;
  MakeNewShape(none);
  std::memset(none.cells, 0, sizeof none.cells);
  ASSERT_TRUE(ExportShape(dir_.File("none.LAY"), none).ok);
  const ToolRun run = Make(Common() + "--shape-file none.LAY", dir_.Path());
  EXPECT_EQ(run.code, 3) << run.out;
  EXPECT_EQ(ListGroup(dir_.File("G.QL3")).titles.size(), 1u);
}

TEST_F(MakeToolTest, LayoutsAreListedExchangedDeletedAndMarkedAsTheDefault) {
  for (const char* name : {"Plain", "Wide", "Tall"}) {
    PageLayout l;
    MakeBuiltInDefaultLayout(l);
    l.layoutName.Set(name);
    ASSERT_TRUE(AppendLayout(dir_.File("lib/QLFPAGE.DAT"), l).ok);
  }
  const std::string layouts = "--layouts --library lib";
  // The default is the program's setting in the current folder.
  ASSERT_EQ(Make(layouts + " --default 2", dir_.Path()).code, 0);
  ASSERT_EQ(Make(layouts + " --export 1 wide.pag", dir_.Path()).code, 0);
  ASSERT_EQ(Make(layouts + " --import wide.pag", dir_.Path()).code, 0);
  // A record before the default goes: the default stays on its layout.
  const ToolRun run = Make(layouts + " --delete 0", dir_.Path());
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "0\tWide (Letter)\n1\tTall (Letter)  <<DEFAULT>>\n2\tWide (Letter)\n");
  EXPECT_NE(test::ReadText(dir_.File("QUARL3.INI")).find("Default Page=1"), std::string::npos);

  // Refused with a message: no such record, a damaged file, a bad command line.
  test::WriteText(dir_.File("short.pag"), "PAG1.0 and far too short");
  const long size = test::FileSize(dir_.File("lib/QLFPAGE.DAT"));
  for (const char* bad : {" --export 3 x.pag", " --import short.pag", " --delete 0 --default 1"}) {
    const ToolRun refused = Make(layouts + bad, dir_.Path());
    EXPECT_EQ(refused.code, 2) << bad << ": " << refused.out;
    EXPECT_EQ(refused.out.rfind("gridwright-make: ", 0), 0u) << bad;
  }
  EXPECT_EQ(test::FileSize(dir_.File("lib/QLFPAGE.DAT")), size);
  EXPECT_EQ(test::FileSize(dir_.File("x.pag")), -1);
}

TEST_F(MakeToolTest, LayoutsAreAddedAndReplacedFromDescriptions) {
  test::WriteText(dir_.File("quiz.txt"),
                  "layout Quiz\npaper A4\nzoom large\ntitle\n  box 2 1 19 3\npuzzle\n"
                  "  box 2 4 19 21\n");
  test::WriteText(dir_.File("poster.txt"),
                  "layout Poster\npaper Letter landscape\nwords\n  box 1 1 10 7\n");
  const std::string layouts = "--layouts --library lib";
  ToolRun run = Make(layouts + " --add quiz.txt", dir_.Path());
  EXPECT_EQ(run.code, 0) << run.out;
  run = Make(layouts + " --add quiz.txt", dir_.Path());
  EXPECT_EQ(run.code, 0) << run.out;
  run = Make(layouts + " --replace 0 poster.txt", dir_.Path());
  EXPECT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.out, "0\tPoster (Letter)  <<DEFAULT>>\n1\tQuiz (A4)\n");

  // Stored as the designer saves: the zoom the boxes are in and the page in its pixels.
  PageLayout quiz;
  ASSERT_TRUE(ReadLayout(dir_.File("lib/QLFPAGE.DAT"), 1, quiz));
  EXPECT_EQ(quiz.zoom, 3);
  EXPECT_EQ(quiz.pixelWidth, 21 * 40);
  EXPECT_EQ(quiz.objectCount, 2);
  EXPECT_EQ(quiz.objects[1].bounds.left, 2 * 40);

  const long size = test::FileSize(dir_.File("lib/QLFPAGE.DAT"));
  test::WriteText(dir_.File("broken.txt"), "layout Broken\n");
  for (const char* bad :
       {" --add broken.txt", " --add missing.txt", " --replace 2 quiz.txt", " --replace 0"}) {
    const ToolRun refused = Make(layouts + bad, dir_.Path());
    EXPECT_EQ(refused.code, 2) << bad << ": " << refused.out;
    EXPECT_EQ(refused.out.rfind("gridwright-make: ", 0), 0u) << bad;
  }
  EXPECT_EQ(test::FileSize(dir_.File("lib/QLFPAGE.DAT")), size);
}

TEST(ShowPuzzle, MarksFillLettersAndCellsOutsideTheShape) {
  PuzzleRecord p;
  InitNewPuzzle(p);
  p.title.Set("T");
  p.category.Set("C");
  p.gridWidth = 3;
  p.gridHeight = 1;
  p.Letter(1) = 'A';
  p.Letter(2) = ' ';
  p.Fill(2) = 'Q';
  p.Letter(3) = 0;
  p.Word(1).Set("A");
  p.wordCount = 1;
  p.wordPlaced[0] = 1;
  p.wordStart[0] = p.wordEnd[0] = 1;
  p.Word(2).Set("ZEBRA");
  EXPECT_EQ(ShowPuzzle(p),
            "T (C), 3 x 1\n\nA q .\n\n  1. A                1,1 -> 1,1\n  2. ZEBRA            (not "
            "placed)\n");
}

}  // namespace
}  // namespace gw
