// gridwright-make run as a user runs it: real processes, temporary folders.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"
#include "storage/PuzzleGroup.h"
#include "support/OldFiles.h"
#include "support/Shell.h"
#include "support/TempDir.h"
#include "tools/MakePuzzle.h"

namespace gw {
namespace {

using ToolRun = test::ShellRun;

ToolRun Make(const std::string& arguments, const std::string& folder) {
  return test::RunShell("cd '" + folder + "' && '" GW_MAKE_TOOL "' " + arguments);
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
  // Folders in the places of the libraries.
  std::filesystem::create_directories(dir_.File("badlib/QLFPAGE.DAT"));
  std::filesystem::create_directories(dir_.File("badshapes/QLFLAY.DAT"));

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
      {Common() + "--versions 3 --explain", 2, "--explain and --versions cannot be used together"},
      {"animals.txt --library badlib --group G.QL3", 2, "Cannot read the page layout library"},
      {"animals.txt --library badshapes --group G.QL3 --shape Heart", 2, "Cannot read the shape"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Make(c.arguments, dir_.Path());
    EXPECT_EQ(run.code, c.code) << c.arguments << "\n" << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
  }
  EXPECT_EQ(test::ReadBytes(dir_.File("G.QL3")), before);
}

TEST_F(MakeToolTest, RepeatedWordsAreRefusedUnlessAllowed) {
  test::WriteText(dir_.File("pets.txt"), "CAT : purrs\nDOG\ncat : again\nHAMSTER\n");
  const ToolRun refused = Make("pets.txt --library lib --group G.QL3", dir_.Path());
  EXPECT_EQ(refused.code, 2) << refused.out;
  EXPECT_NE(refused.out.find("The word CAT appears more than once."), std::string::npos)
      << refused.out;
  EXPECT_EQ(test::FileSize(dir_.File("G.QL3")), -1);

  const ToolRun allowed =
      Make("pets.txt --library lib --group G.QL3 --allow-duplicates --seed 3", dir_.Path());
  ASSERT_EQ(allowed.code, 0) << allowed.out;
  std::vector<std::string> stored;
  for (int i = 1; i <= 4; ++i) stored.push_back(Record(0)->Word(i).Get());
  EXPECT_NE(std::find(stored.begin(), stored.end(), "CAT"), stored.end());
  EXPECT_NE(std::find(stored.begin(), stored.end(), "cat"), stored.end());
  EXPECT_NE(Make("--help", dir_.Path()).out.find("--allow-duplicates"), std::string::npos);
}

TEST_F(MakeToolTest, ARunGivenUpOnRefusedTriesSaysTheScreenRefusedThem) {
  // A hand-written entry ending in a space: a Q beside an empty cell, which every grid has.
  test::WriteText(dir_.File("lib/BADLIST.TXT"), "q \n");
  test::WriteText(dir_.File("quiz.txt"), "QUIZ\nLION\n");
  const ToolRun run = Make("quiz.txt --library lib --group G.QL3 --seed 4", dir_.Path());
  EXPECT_EQ(run.code, 3) << run.out;
  EXPECT_NE(run.out.find("Offensive-word screening refused every attempt"), std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("directions"), std::string::npos) << run.out;
  EXPECT_EQ(test::FileSize(dir_.File("G.QL3")), -1);
}

TEST_F(MakeToolTest, ShapesComeFromTheLibraryOrAnExportFileAndEmptyShapesAreRefused) {
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
  EXPECT_EQ(run.code, 2) << run.out;
  EXPECT_NE(run.out.find("has no cells to place words in."), std::string::npos) << run.out;
  EXPECT_EQ(ListGroup(dir_.File("G.QL3")).titles.size(), 1u);
}

TEST_F(MakeToolTest, ExplainSaysWhyWordsWereLeftOutEvenWhenNoneFit) {
  // A band three cells high, and words that may only run up or down it.
  ShapeRecord band;
  MakeNewShape(band);
  band.shapeName.Set("Band");
  band.shapeWidth = 15;
  band.shapeHeight = 3;
  ASSERT_TRUE(ExportShape(dir_.File("band.LAY"), band).ok);
  const ToolRun none =
      Make(Common() + "--shape-file band.LAY --directions up,down --explain", dir_.Path());
  EXPECT_EQ(none.code, 3) << none.out;
  EXPECT_NE(none.out.find("No word could be placed"), std::string::npos) << none.out;
  EXPECT_NE(none.out.find("Not placed:\n"
                          "LION: longer than any line of the shape in the chosen directions "
                          "(longest line: 3)\n"
                          "TIGER: longer than"),
            std::string::npos)
      << none.out;
  EXPECT_NE(none.out.find("Suggestions:\n"
                          "Switching on Right and Left would give lines of up to 15 letters, "
                          "enough for LION, TIGER, ZEBRA, GIRAFFE and 4 more.\n"
                          "A square shape of 8 x 8 or larger would take the longest word, "
                          "ELEPHANT (8 letters).\n"),
            std::string::npos)
      << none.out;
  EXPECT_EQ(test::FileSize(dir_.File("G.QL3")), -1);

  // With a way across, the usual line comes first; a crowded word tells how often it went in.
  test::WriteText(dir_.File("more.txt"), std::string(kAnimals) + "CHEETAH\nPANTHER\nLEOPARD\n");
  const ToolRun some = Make(
      "more.txt --library lib --group G.QL3 --shape-file band.LAY "
      "--directions right,left,up,down --integration 0 --attempts 40 "
      "--seed 5 --explain",
      dir_.Path());
  ASSERT_EQ(some.code, 0) << some.out;
  EXPECT_EQ(some.out.rfind("Record 0 of G.QL3: ", 0), 0u) << some.out;
  EXPECT_NE(some.out.find(" attempts, crowded out here\n"), std::string::npos) << some.out;
  EXPECT_NE(some.out.find("(over 40 attempts).\n"), std::string::npos) << some.out;
}

TEST_F(MakeToolTest, EstimateSaysHowManyWordsWillFitAndWritesNothing) {
  const auto before = std::distance(std::filesystem::directory_iterator(dir_.Path()), {});
  const ToolRun all = Make("animals.txt --library lib --estimate", dir_.Path());
  EXPECT_EQ(all.code, 0) << all.out;
  EXPECT_EQ(all.out, "about 8 of 8 words fit\n");
  // Eight words are too many for a 5 x 5 square with two directions and no shared letters.
  ShapeRecord small;
  MakeNewShape(small);
  small.shapeName.Set("Small");
  small.shapeWidth = small.shapeHeight = 5;
  ASSERT_TRUE(ExportShape(dir_.File("small.LAY"), small).ok);
  const ToolRun few = Make(
      "animals.txt --library lib --estimate --shape-file small.LAY "
      "--directions right,down --integration 0",
      dir_.Path());
  EXPECT_EQ(few.code, 0) << few.out;
  EXPECT_NE(few.out.find(" of 8 words fit\n"), std::string::npos) << few.out;
  EXPECT_EQ(few.out.find("about 8 "), std::string::npos) << few.out;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), before + 1);

  ShapeRecord none = small;
  std::memset(none.cells, 0, sizeof none.cells);
  ASSERT_TRUE(ExportShape(dir_.File("none.LAY"), none).ok);
  test::WriteText(dir_.File("empty.txt"), "\n  \n");
  struct Case {
    std::string arguments, message;
  };
  const Case cases[] = {
      {"empty.txt --estimate", "The word list holds no words."},
      {"animals.txt --estimate --shape-file none.LAY", "has no cells to place words in."},
      {"animals.txt --estimate --directions \"\"", "No word direction is switched on."},
      {"animals.txt --estimate --group G.QL3", "--group is not used with --estimate"},
      {"animals.txt --estimate --explain", "--explain is not used with --estimate"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Make(c.arguments + " --library lib", dir_.Path());
    EXPECT_EQ(run.code, 2) << c.arguments << "\n" << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
  }
  EXPECT_EQ(test::FileSize(dir_.File("G.QL3")), -1);
  const std::string help = Make("--help", dir_.Path()).out;
  EXPECT_NE(help.find("--estimate"), std::string::npos);
  EXPECT_NE(help.find("--explain"), std::string::npos);
}

TEST_F(MakeToolTest, UnreadableLibrariesAndShapeFilesAreReportedNeverAborted) {
  // A folder in a file's place opens but cannot be read: each is a clear error, never a crash.
  struct Case {
    std::string folder;  // made where a file is expected
    std::string extra;   // arguments that make the run read it
    int code;
    std::string message;
  };
  const Case cases[] = {
      {"lib/QLFPAGE.DAT", "", 2, "lib/QLFPAGE.DAT is a folder"},
      {"lib/QLFLAY.DAT", "--shape Heart", 2, "lib/QLFLAY.DAT is a folder"},
      {"folder.LAY", "--shape-file folder.LAY", 2, "folder.LAY is a folder"},
      // The offensive list is optional: an unreadable one leaves the built-in words.
      {"lib/BADLIST.TXT", "", 0, "Record 0 of G.QL3"},
  };
  for (const Case& c : cases) {
    std::filesystem::create_directory(dir_.File(c.folder));
    const ToolRun run = Make(Common() + "--seed 4 " + c.extra, dir_.Path());
    EXPECT_EQ(run.code, c.code) << c.folder << "\n" << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.folder << "\n" << run.out;
    std::filesystem::remove(dir_.File(c.folder));
  }
  const ToolRun list = Make("--list lib", dir_.Path());
  EXPECT_EQ(list.code, 2);
  EXPECT_NE(list.out.find("lib is a folder"), std::string::npos) << list.out;
}

TEST_F(MakeToolTest, OnlyPuzzleGroupsAreWrittenAndATornLastRecordIsWrittenOver) {
  const std::vector<char> words = test::ReadBytes(dir_.File("animals.txt"));
  const ToolRun sameFile = Make("animals.txt --library lib --group animals.txt", dir_.Path());
  EXPECT_EQ(sameFile.code, 2);
  EXPECT_NE(sameFile.out.find("ends in .QL3"), std::string::npos) << sameFile.out;
  // Named like a group but holding something else: refused, whatever its name says.
  test::WriteBytes(dir_.File("Words.QL3"), words);
  const ToolRun foreign = Make("animals.txt --library lib --group Words.QL3", dir_.Path());
  EXPECT_EQ(foreign.code, 2);
  EXPECT_NE(foreign.out.find("Words.QL3 is not a puzzle group"), std::string::npos) << foreign.out;
  EXPECT_EQ(test::ReadBytes(dir_.File("animals.txt")), words);
  EXPECT_EQ(test::ReadBytes(dir_.File("Words.QL3")), words);

  // A real group whose last record was torn keeps the old rule: the new one goes over the tail.
  ASSERT_EQ(Make(Common() + "--seed 5", dir_.Path()).code, 0);
  std::vector<char> torn = test::ReadBytes(dir_.File("G.QL3"));
  torn.resize(torn.size() + 1000, 'x');
  test::WriteBytes(dir_.File("G.QL3"), torn);
  ASSERT_EQ(Make(Common() + "--seed 6", dir_.Path()).code, 0);
  EXPECT_EQ(test::FileSize(dir_.File("G.QL3")), static_cast<long>(2 * sizeof(PuzzleRecord)));
}

TEST_F(MakeToolTest, NumbersAreStrictAndControlCharactersAreRefusedByLine) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  test::WriteText(dir_.File("tab.txt"), "LION\n\nTI\tGER : striped\n");
  test::WriteText(dir_.File("nul.txt"), std::string("LION : king\nZEBRA : str\0ipes\n", 29));
  // A lone CR ends a line like LF (old Mac files), so the tab is on line 3.
  test::WriteText(dir_.File("cr.txt"), "LION\rTIGER\rZE\tBRA\n");
  const Case cases[] = {
      {Common() + "--attempts 5x", "--attempts takes a whole number"},
      {Common() + "--attempts ' 5'", "--attempts takes a whole number"},
      {Common() + "--attempts 99999999999999999999", "--attempts takes a whole number"},
      {Common() + "--seed -1", "--seed takes a whole number"},
      {Common() + "--seed 18446744073709551616", "--seed takes a whole number"},
      {Common() + "--integration 3x", "--integration takes 0 to 6"},
      {"tab.txt --library lib --group G.QL3", "Line 3 of tab.txt: the word holds a control"},
      {"nul.txt --library lib --group G.QL3", "Line 2 of nul.txt: the clue holds a control"},
      {"cr.txt --library lib --group G.QL3", "Line 3 of cr.txt: the word holds a control"},
      {Common() + "--title \"$(printf 'A\\tB')\"", "--title holds a control character"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Make(c.arguments, dir_.Path());
    EXPECT_EQ(run.code, 2) << c.arguments << "\n" << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("G.QL3")));
  // The largest seed is a seed like any other; a tab may still separate word and clue.
  test::WriteText(dir_.File("tabbed.txt"), "LION\tking of beasts\nTIGER\tstriped\n");
  EXPECT_EQ(Make(Common() + "--seed 18446744073709551615", dir_.Path()).code, 0);
  EXPECT_EQ(
      Make("tabbed.txt --library lib --group G.QL3 --sep \"$(printf '\\t')\"", dir_.Path()).code,
      0);
  EXPECT_EQ(Record(1)->Clue(1).Get(), "king of beasts");
}

TEST_F(MakeToolTest, ConvertTurnsAFolderOfOldFilesIntoAGroupAndShapes) {
  std::filesystem::create_directory(dir_.File("old"));
  const auto titles = test::WriteOldFileSet(dir_.File("old"), 4, true);
  const ToolRun run = Make("--convert old --library lib", dir_.Path());
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.out,
            "4 puzzles converted into lib/OLDPUZZ.QL3\n"
            "1 damaged puzzle could not be converted.  The previous version's file was kept as "
            "\"QLFUPUZZ.BAK\".\n"
            "2 shapes added to lib/QLFLAY.DAT\n");
  const GroupListing listing = ListGroup(dir_.File("lib/OLDPUZZ.QL3"));
  ASSERT_EQ(listing.titles.size(), titles.size());
  for (size_t i = 0; i < titles.size(); ++i)
    EXPECT_EQ(listing.titles[i].title, titles[i].substr(0, 35));
  EXPECT_EQ(listing.categories, (std::vector<std::string>{"Version 2.0 Puzzles"}));
  const auto shapes = ListShapes(dir_.File("lib/QLFLAY.DAT"));
  ASSERT_TRUE(shapes);
  EXPECT_EQ(shapes->size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("old/QLFUPUZZ.DAT")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("old/QLFULAY.DAT")));

  const ToolRun again = Make("--convert old --library lib", dir_.Path());
  EXPECT_EQ(again.code, 0);
  EXPECT_NE(again.out.find("Nothing to convert"), std::string::npos) << again.out;
  EXPECT_EQ(Make("--convert missing --library lib", dir_.Path()).code, 2);

  // A library folder that cannot take the group keeps the old file.
  test::WriteOldFileSet(dir_.File("old"), 1, false);
  std::filesystem::remove(dir_.File("old/QLFULAY.DAT"));
  std::filesystem::create_directory(dir_.File("full"));
  std::filesystem::create_directory(dir_.File("full/OLDPUZZ.QL3"));  // a folder in its way
  const ToolRun blocked = Make("--convert old --library full", dir_.Path());
  EXPECT_EQ(blocked.code, 3) << blocked.out;
  EXPECT_TRUE(std::filesystem::exists(dir_.File("old/QLFUPUZZ.DAT")));
}

TEST_F(MakeToolTest, ImportPicksPuzzlesByTitleInListOrderAndConvertsQlxFiles) {
  ASSERT_EQ(Make(Common() + "--title Zebras --seed 1", dir_.Path()).code, 0);
  ASSERT_EQ(Make(Common() + "--title antelopes --seed 2", dir_.Path()).code, 0);
  ASSERT_EQ(Make(Common() + "--title Lions --seed 3", dir_.Path()).code, 0);
  const std::vector<char> source = test::ReadBytes(dir_.File("G.QL3"));

  ToolRun run = Make("--import G.QL3 --group Year4.QL3 --pick-title ZEBRAS --pick-title Antelopes",
                     dir_.Path());
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.out,
            "Record 0 of Year4.QL3: antelopes\nRecord 1 of Year4.QL3: Zebras\n2 puzzles "
            "imported.\n");
  const std::vector<char> year4 = test::ReadBytes(dir_.File("Year4.QL3"));
  ASSERT_EQ(year4.size(), 2 * sizeof(PuzzleRecord));
  EXPECT_TRUE(std::equal(year4.begin(), year4.begin() + sizeof(PuzzleRecord),
                         source.begin() + sizeof(PuzzleRecord)));

  ASSERT_EQ(Make("--import G.QL3 --group All.QL3", dir_.Path()).code, 0);
  std::vector<std::string> all;
  for (const auto& t : ListGroup(dir_.File("All.QL3")).titles) all.push_back(t.title);
  EXPECT_EQ(all, (std::vector<std::string>{"antelopes", "Lions", "Zebras"}));

  test::WriteBytes(dir_.File("Moon.QLX"),
                   test::QlxBytes(test::OldPuzzleBytes({"Moon", 10, {"CRATER", "DUST"}, 1})));
  run = Make("--import Moon.QLX --group Year4.QL3 --library lib", dir_.Path());
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.out, "Record 2 of Year4.QL3: Moon (Version 2.0 Puzzles, 2 words)\n");

  // Refusals leave every file as it was.
  const std::vector<char> before = test::ReadBytes(dir_.File("Year4.QL3"));
  test::WriteBytes(dir_.File("Bad.QLX"), {'Q', 'L', 'X'});
  for (const char* bad :
       {"--import G.QL3 --group Year4.QL3 --pick-title Tigers",
        "--import Year4.QL3 --group ./year4.ql3", "--import words.txt --group Year4.QL3",
        "--import Moon.QLX --group Year4.QL3 --pick-title Moon",
        "--import Bad.QLX --group Year4.QL3", "--import G.QL3"}) {
    const ToolRun refused = Make(bad, dir_.Path());
    EXPECT_EQ(refused.code, 2) << bad << "\n" << refused.out;
  }
  EXPECT_EQ(Make("--import G.QL3 --group no/such/Year4.QL3", dir_.Path()).code, 3);
  EXPECT_EQ(test::ReadBytes(dir_.File("Year4.QL3")), before);
}

TEST_F(MakeToolTest, WordFilesGoOutAndComeBackWithTheirAccents) {
  // UTF-8 in, Windows-1252 in the record and in the exported file.
  test::WriteText(dir_.File("utf8.txt"),
                  "\xC3\x91"
                  "AND\xC3\x9A : a bird\nCAF\xC3\x89\nlion : king: of beasts\n");
  ASSERT_EQ(Make("utf8.txt --library lib --group G.QL3 --seed 4", dir_.Path()).code, 0);
  EXPECT_EQ(ShowPuzzle(*Record(0)).find("?"), std::string::npos);
  const ToolRun out = Make("--export-words G.QL3 0 out.txt --sep /", dir_.Path());
  ASSERT_EQ(out.code, 0) << out.out;
  auto padded = [](const std::string& word) { return word + std::string(31 - word.size(), ' '); };
  EXPECT_EQ(test::ReadText(dir_.File("out.txt")), padded("CAF\xC9") + "/ \r\n" + padded("lion") +
                                                      "/ king: of beasts\r\n" +
                                                      padded("\xD1"
                                                             "AND\xDA") +
                                                      "/ a bird\r\n");
  ASSERT_EQ(Make("out.txt --library lib --group H.QL3 --seed 4 --sep /", dir_.Path()).code, 0);
  const auto again = Record(0, "H.QL3");
  std::vector<std::string> before, after;
  for (int i = 1; i <= 3; ++i) {
    before.push_back(Record(0)->Word(i).Get() + "|" + Record(0)->Clue(i).Get());
    after.push_back(again->Word(i).Get() + "|" + again->Clue(i).Get());
  }
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);

  ASSERT_EQ(Make("--export-words G.QL3 0 words.txt --form words", dir_.Path()).code, 0);
  EXPECT_EQ(test::ReadText(dir_.File("words.txt")),
            "CAF\xC9\r\nlion\r\n\xD1"
            "AND\xDA\r\n");

  // Letters a puzzle cannot hold are refused, not turned into question marks.
  test::WriteText(dir_.File("foreign.txt"), "\xE4\xB8\xAD\xE6\x96\x87\nCAT\n");
  const ToolRun foreign = Make("foreign.txt --library lib --group G.QL3", dir_.Path());
  EXPECT_EQ(foreign.code, 2);
  EXPECT_NE(foreign.out.find("U+4E2D, U+6587"), std::string::npos) << foreign.out;
  EXPECT_EQ(Make("--export-words G.QL3 5 x.txt", dir_.Path()).code, 2);
  EXPECT_EQ(Make("--export-words G.QL3 0 x.txt --form pairs", dir_.Path()).code, 2);
  EXPECT_EQ(Make("--export-words G.QL3 0 nowhere/x.txt", dir_.Path()).code, 3);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.txt")));
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

TEST_F(MakeToolTest, ExportsNeverReplaceAGroupALibraryOrTheFileTheyRead) {
  ASSERT_EQ(Make(Common() + "--seed 1", dir_.Path()).code, 0);
  ASSERT_EQ(Make("animals.txt --library lib --group H.QL3 --seed 2", dir_.Path()).code, 0);
  PageLayout l;
  MakeBuiltInDefaultLayout(l);
  ASSERT_TRUE(AppendLayout(dir_.File("lib/QLFPAGE.DAT"), l).ok);
  std::filesystem::create_symlink("G.QL3", dir_.File("link.txt"));
  std::filesystem::create_symlink("lib/QLFPAGE.DAT", dir_.File("library.pag"));
  std::filesystem::create_symlink("H.QL3", dir_.File("page.pdf"));
  const std::string files[] = {"G.QL3", "H.QL3", "lib/QLFPAGE.DAT"};
  std::vector<std::vector<char>> before;
  for (const std::string& f : files) before.push_back(test::ReadBytes(dir_.File(f)));

  for (const char* refused :
       {"--export-words G.QL3 0 G.QL3", "--export-words G.QL3 0 link.txt",
        "--export-words G.QL3 0 H.QL3", "--export-words G.QL3 0 lib/QLFPAGE.DAT",
        "--layouts --library lib --export 0 lib/QLFPAGE.DAT",
        "--layouts --library lib --export 0 library.pag",
        "--layouts --library lib --export 0 H.QL3",
        "--render G.QL3 0 --library lib --out page.pdf"}) {
    const ToolRun run = Make(refused, dir_.Path());
    EXPECT_EQ(run.code, 2) << refused << "\n" << run.out;
    EXPECT_NE(run.out.find("nothing was written over it.  Choose another file."), std::string::npos)
        << refused << "\n"
        << run.out;
  }
  for (size_t i = 0; i < std::size(files); ++i)
    EXPECT_EQ(test::ReadBytes(dir_.File(files[i])), before[i]) << files[i];

  // A file that cannot be written: exit 3, in the words every export uses.
  for (const char* out :
       {"--export-words G.QL3 0 nowhere/x.txt", "--layouts --library lib --export 0 nowhere/x.pag",
        "--render G.QL3 0 --library lib --out nowhere/x.pdf",
        "--render G.QL3 0 --library lib --out nowhere/x.bmp"}) {
    const ToolRun run = Make(out, dir_.Path());
    EXPECT_EQ(run.code, 3) << out << "\n" << run.out;
    EXPECT_NE(run.out.find("gridwright-make: Unable to write the file nowhere/x."),
              std::string::npos)
        << out << "\n"
        << run.out;
    EXPECT_NE(run.out.find(".  No such file or directory.\n"), std::string::npos) << run.out;
  }
}

TEST_F(MakeToolTest, InputsThatAreNotWhatTheySeemAreRefusedWithExitTwo) {
  ASSERT_EQ(Make(Common() + "--seed 1", dir_.Path()).code, 0);
  test::WriteText(dir_.File("notes.txt"), "not a group\n");
  test::WriteText(dir_.File("huge.txt"), "layout Huge\n" + std::string(2 << 20, '#'));
  ASSERT_EQ(mkfifo(dir_.File("pipe").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(dir_.File("pipe.QL3").c_str(), 0600), 0);
  std::filesystem::copy_file(dir_.File("G.QL3"), dir_.File("locked.QL3"));
  std::filesystem::permissions(dir_.File("locked.QL3"), std::filesystem::perms::none);
  const bool root = geteuid() == 0;  // root reads any file

  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"--list notes.txt", "notes.txt is not a puzzle group"},
      {"--layouts --library no/such/folder", "the folder no/such/folder does not exist"},
      {"--layouts --library notes.txt", "notes.txt is not a folder"},
      // A pipe would block for ever, a folder reads as nothing: neither is read.
      {"pipe --library lib --group G.QL3", "pipe is not a regular file"},
      {"--check-spelling pipe", "pipe is not a regular file"},
      {"--layouts --library lib --add pipe", "pipe is not a regular file"},
      {"--layouts --library lib --add lib", "lib is a folder, not a file"},
      {"--layouts --library lib --add huge.txt", "huge.txt is larger than 1 MB"},
      {root ? "--list pipe" : "--list locked.QL3", root ? "pipe" : "cannot open locked.QL3"},
      // The source that cannot be read is named, not the group imported into.
      {root ? "--import pipe.QL3 --group G.QL3" : "--import locked.QL3 --group G.QL3",
       root ? "cannot open pipe.QL3" : "cannot read locked.QL3"},
  };
  for (const auto& c : cases) {
    const ToolRun run =
        test::RunShell("cd '" + dir_.Path() + "' && timeout 20 '" GW_MAKE_TOOL "' " + c.arguments);
    EXPECT_EQ(run.code, 2) << c.arguments << "\n" << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
  }
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

TEST_F(MakeToolTest, CheckSpellingListsUnknownWordsWithSuggestionsAndSaysSoInItsExitCode) {
  test::WriteText(dir_.File("typos.txt"),
                  "ELEFANT : has a trunk\nCOLOUR : what a raynbow shows\nZEBRA\n");
  ToolRun run = Make("--check-spelling typos.txt", dir_.Path());
  EXPECT_EQ(run.code, 1) << run.out;
  EXPECT_NE(run.out.find("ELEFANT\t(word 1)\tELEPHANT"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("COLOUR\t(word 2)"), std::string::npos) << run.out;  // American
  EXPECT_NE(run.out.find("raynbow\t(clue 2)\t"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("ZEBRA"), std::string::npos) << run.out;
  run = Make("--check-spelling typos.txt --language british", dir_.Path());
  EXPECT_EQ(run.out.find("COLOUR"), std::string::npos) << run.out;

  test::WriteText(dir_.File("fine.txt"), "LION : king of beasts\nTIGER\n");
  run = Make("--check-spelling fine.txt --language british", dir_.Path());
  EXPECT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.out, "All words were found in the dictionary.\n");

  EXPECT_EQ(Make("--check-spelling fine.txt --language klingon", dir_.Path()).code, 2);
  EXPECT_EQ(Make("--check-spelling missing.txt", dir_.Path()).code, 2);
  EXPECT_EQ(Make("--check-spelling", dir_.Path()).code, 2);
}

TEST_F(MakeToolTest, CheckSpellingRefusesWhatIsNoTextFileInOneLine) {
  // A program, a picture: NUL bytes and control characters no word file holds.
  std::string program =
      "\x7f"
      "ELF\x02\x01\x01";
  for (int i = 0; i < 4000; ++i) program += std::string("\0\x03\x10 LIBC_2.34\n\x1b", 17);
  test::WriteText(dir_.File("program"), program);
  for (const char* file : {"program", "."}) {
    SCOPED_TRACE(file);
    const ToolRun run = Make(std::string("--check-spelling ") + file, dir_.Path());
    EXPECT_EQ(run.code, 2) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_EQ(run.out.find("read"), run.out.rfind("read")) << run.out;  // said once
  }
  EXPECT_EQ(Make("--check-spelling program", dir_.Path()).out,
            "gridwright-make: program is not a text file\n");
  // Text in UTF-16 has NUL bytes of its own and is checked as usual.
  test::WriteText(dir_.File("wide.txt"), std::string("\xFF\xFEL\0I\0O\0N\0\r\0\n\0", 14));
  const ToolRun wide = Make("--check-spelling wide.txt", dir_.Path());
  EXPECT_EQ(wide.code, 0) << wide.out;
}

TEST_F(MakeToolTest, SynonymsShowMeaningsAndAntonymsOrSuggestWords) {
  ToolRun run = Make("--synonyms happy", dir_.Path());
  EXPECT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.out.rfind("happy (adjective): ", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\nAntonyms:\nunhappy (adjective): "), std::string::npos) << run.out;
  run = Make("--synonyms colour --language british", dir_.Path());
  EXPECT_EQ(run.code, 0) << run.out;
  run = Make("--synonyms elefant", dir_.Path());
  EXPECT_EQ(run.code, 1) << run.out;
  EXPECT_NE(run.out.find("Suggestions: elephant"), std::string::npos) << run.out;
  EXPECT_EQ(Make("--synonyms happy --language german", dir_.Path()).code, 2);
}

TEST_F(MakeToolTest, VersionsDifferPairwiseHoldEveryWordAndComeAgainWithTheSeed) {
  const std::string versions = "--title 'Safari Animals' --versions 4 --seed 11 --attempts 20 ";
  const ToolRun run = Make(Common() + versions, dir_.Path());
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_NE(run.out.find("Record 3 of G.QL3: version D, 8 of 8 words placed."), std::string::npos)
      << run.out;
  ASSERT_EQ(Make("animals.txt --library lib --group H.QL3 " + versions, dir_.Path()).code, 0);
  EXPECT_EQ(test::ReadBytes(dir_.File("G.QL3")), test::ReadBytes(dir_.File("H.QL3")));

  std::vector<std::unique_ptr<PuzzleRecord>> made;
  for (int v = 0; v < 4; ++v) made.push_back(Record(v));
  std::vector<std::string> words;
  for (int i = 1; i <= 8; ++i) words.push_back(made[0]->Word(i).Get());
  std::sort(words.begin(), words.end());
  for (int v = 0; v < 4; ++v) {
    const PuzzleRecord& p = *made[v];
    EXPECT_EQ(p.title.Get(), std::string("Safari Animals (") + char('A' + v) + ")");
    std::vector<std::string> own;
    for (int i = 1; i <= p.wordCount; ++i) {
      EXPECT_EQ(p.wordPlaced[i - 1], 1) << p.title.Get() << " " << p.Word(i).Get();
      own.push_back(p.Word(i).Get());
    }
    std::sort(own.begin(), own.end());
    EXPECT_EQ(own, words);
    for (int w = 0; w < v; ++w)
      EXPECT_NE(std::memcmp(p.letterGrid, made[w]->letterGrid, sizeof p.letterGrid), 0)
          << v << " and " << w;
  }

  // A long title gives way to the letter; a phrase that fits no grid is left out and said.
  const ToolRun phrase = Make(Common() +
                                  "--title 'The Animals Of The Great Open Plains' "
                                  "--versions 2 --phrase ROAR",
                              dir_.Path());
  ASSERT_EQ(phrase.code, 0) << phrase.out;
  EXPECT_EQ(Record(4)->title.Get(), "The Animals Of The Great Open P (A)");
  EXPECT_NE(phrase.out.find("The hidden phrase does not fit version A"), std::string::npos);
  EXPECT_NE(phrase.out.find("The hidden phrase does not fit version B"), std::string::npos);

  for (const char* bad : {"--versions 1", "--versions 27", "--versions two"}) {
    const ToolRun refused = Make(Common() + bad, dir_.Path());
    EXPECT_EQ(refused.code, 2) << bad;
    EXPECT_NE(refused.out.find("--versions takes 2 to 26"), std::string::npos) << refused.out;
  }
  EXPECT_EQ(test::FileSize(dir_.File("G.QL3")), 6 * static_cast<long>(sizeof(PuzzleRecord)));
}

}  // namespace
}  // namespace gw
