// gridwright-make --render as a user runs it: real files, read back with poppler's tools.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "storage/PuzzleGroup.h"
#include "support/Faults.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::RunShell;
using ToolRun = test::ShellRun;

// Width and height from a PNG's header.
std::pair<int, int> PngSize(const std::string& path) {
  const std::vector<char> b = test::ReadBytes(path);
  if (b.size() < 24) return {0, 0};
  auto be = [&](size_t at) {
    return (uint8_t(b[at]) << 24) | (uint8_t(b[at + 1]) << 16) | (uint8_t(b[at + 2]) << 8) |
           uint8_t(b[at + 3]);
  };
  return {static_cast<int>(be(16)), static_cast<int>(be(20))};
}

class RenderToolTest : public testing::Test {
 protected:
  void SetUp() override {
    test::WriteText(dir_.File("words.txt"),
                    "LION : king of beasts\nTIGER : striped cat\nZEBRA : a striped horse\n"
                    "GIRAFFE : tallest animal\nHIPPO : Hippopotamusamphibius\n");
    std::filesystem::create_directory(dir_.File("lib"));  // built-in page, built-in screen
    for (const char* title : {"Safari", "Jungle"})
      ASSERT_EQ(Tool(std::string("words.txt --library lib --group G.QL3 --seed 5 --attempts 20 "
                                 "--title ") +
                     title)
                    .code,
                0);
  }
  ToolRun Tool(const std::string& arguments) {
    return RunShell("cd '" + dir_.Path() + "' && '" GW_MAKE_TOOL "' " + arguments);
  }
  static bool Have(const char* program) {
    return RunShell(std::string("command -v ") + program).code == 0;
  }
  test::TempDir dir_;
};

TEST_F(RenderToolTest, APdfHoldsTheTitleEveryPlacedWordAndTheGridRowByRow) {
  if (!Have("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const ToolRun run = Tool("--render G.QL3 0 --out page.pdf");
  ASSERT_EQ(run.code, 0) << run.out;
  const ToolRun text = RunShell("pdftotext -layout '" + dir_.File("page.pdf") + "' -");
  ASSERT_EQ(text.code, 0);
  EXPECT_NE(text.out.find("Safari"), std::string::npos);

  PuzzleRecord p;
  ASSERT_TRUE(ReadPuzzle(dir_.File("G.QL3"), 0, p));
  std::vector<std::string> lines;
  std::istringstream in(text.out);
  for (std::string line; std::getline(in, line);) {
    std::string packed;
    for (char c : line)
      if (c != ' ') packed += c;
    lines.push_back(packed);
  }
  auto found = [&](const std::string& s) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(s) != std::string::npos; });
  };
  for (int i = 1; i <= p.wordCount; ++i)
    if (p.wordPlaced[i - 1]) {
      EXPECT_TRUE(found(p.Word(i).Get())) << p.Word(i).Get();
    }
  for (int r = 1; r <= p.gridHeight; ++r) {
    std::string row;
    for (int c = 1; c <= p.gridWidth; ++c)
      row += static_cast<char>(ShownLetter(p, CellIndex(r, c)));
    EXPECT_TRUE(found(row)) << "row " << r << ": " << row;
  }
}

TEST_F(RenderToolTest, APngHasThePageSizeAtTheChosenResolution) {
  ASSERT_EQ(Tool("--render G.QL3 1 --out page.png").code, 0);
  EXPECT_EQ(PngSize(dir_.File("page.png")), std::make_pair(1275, 1650));
  ASSERT_EQ(Tool("--render G.QL3 1 --out small.PNG --dpi 40 --answer-key --words partial").code, 0);
  EXPECT_EQ(PngSize(dir_.File("small.PNG")), std::make_pair(340, 440));
  ASSERT_EQ(Tool("--render G.QL3 1 --out page.svg --words scrambled --seed 4").code, 0);
  EXPECT_NE(test::ReadText(dir_.File("page.svg")).find("<svg"), std::string::npos);
}

TEST_F(RenderToolTest, AllMakesABookOfPuzzlesThenTheirAnswerKeys) {
  if (!Have("pdfinfo") || !Have("pdftotext")) GTEST_SKIP() << "poppler-utils is not installed";
  const ToolRun run = Tool("--render G.QL3 all --out book.pdf");
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_NE(RunShell("pdfinfo '" + dir_.File("book.pdf") + "'").out.find("Pages:           4"),
            std::string::npos);
  const char* const titles[] = {"Safari", "Jungle", "Safari", "Jungle"};
  for (int page = 1; page <= 4; ++page) {
    const ToolRun text = RunShell("pdftotext -f " + std::to_string(page) + " -l " +
                                  std::to_string(page) + " '" + dir_.File("book.pdf") + "' -");
    EXPECT_NE(text.out.find(titles[page - 1]), std::string::npos) << page;
  }
}

TEST_F(RenderToolTest, ALayoutOfTheLibraryReplacesThePuzzlesOwnPage) {
  if (!Have("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const std::string library = std::filesystem::path(GW_STARTER_LAYOUTS).parent_path().string();
  const ToolRun run = Tool("--render G.QL3 0 --layout 0 --library '" + library + "' --out c.pdf");
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_NE(RunShell("pdftotext '" + dir_.File("c.pdf") + "' -").out.find("Name:"),
            std::string::npos);
  EXPECT_EQ(Tool("--render G.QL3 0 --layout 99 --library '" + library + "' --out d.pdf").code, 2);
}

TEST_F(RenderToolTest, EveryStarterLayoutPrintsAShortListWithoutAWarning) {
  const std::string library = std::filesystem::path(GW_STARTER_LAYOUTS).parent_path().string();
  const long layouts = test::FileSize(GW_STARTER_LAYOUTS) / static_cast<long>(sizeof(PageLayout));
  ASSERT_GT(layouts, 0);
  for (long i = 0; i < layouts; ++i)
    for (const char* form : {"normal", "clues"}) {
      const ToolRun run = Tool("--render G.QL3 0 --layout " + std::to_string(i) + " --library '" +
                               library + "' --words " + form + " --answer-key --out s.pdf");
      EXPECT_EQ(run.code, 0);
      EXPECT_EQ(run.out, "s.pdf: 1 page\n") << "layout " << i << ", " << form;
    }
}

TEST_F(RenderToolTest, WarningsGoToStandardErrorAndTheFileIsStillWritten) {
  // Nine columns of clues in the built-in page's narrow list box: a long word cannot fit.
  const ToolRun run = Tool("--render G.QL3 0 --words clues --columns 9 --out tight.pdf");
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("record 0: Puzzle Clues would not fit in allocated space."),
            std::string::npos)
      << run.out;
  EXPECT_GT(test::FileSize(dir_.File("tight.pdf")), 0);
}

TEST_F(RenderToolTest, BadInputExitsTwoAndAnUnwritableFileThreeLeavingNothing) {
  std::filesystem::create_directory(dir_.File("big"));
  test::WriteText(dir_.File("poster.txt"),
                  "layout Poster\npaper Custom 12 18 inches\ntitle\n  box 1 1 11 2\n");
  ASSERT_EQ(Tool("--layouts --library big --add poster.txt").code, 0);
  struct Case {
    std::string arguments;
    int code;
    std::string message;
  } cases[] = {
      {"--render G.QL3 7 --out x.pdf", 2, "G.QL3 has no record 7"},
      {"--render missing.QL3 0 --out x.pdf", 2, "cannot open missing.QL3"},
      {"--render G.QL3 0 --out x.gif", 2,
       "--out must end in .pdf, .png, .svg, .bmp, .jpg, .wmf, .emf, .htm or .html"},
      {"--render G.QL3 0 --out x.jpg --quality 0", 2, "--quality takes 1 to 100"},
      {"--render G.QL3 0 --out x.bmp --pixel-format 3", 2, "--pixel-format takes 1 or 2"},
      {"--render G.QL3 0 --out no/such/folder/x.emf", 3,
       "Unable to write the file no/such/folder/x.emf.  No such file or directory."},
      {"--render G.QL3 all --out x.png", 2, "all pages go into a PDF only"},
      {"--render G.QL3 0 --out x.pdf --columns 0", 2, "--columns takes 1 to 9"},
      {"--render G.QL3 0", 2, "--out is required"},
      {"--render G.QL3 0 --out no/such/folder/x.pdf", 3,
       "Unable to write the file no/such/folder/x.pdf.  No such file or directory."},
      // A picture too large for memory is refused before anything is drawn, saying what will do.
      {"--render G.QL3 0 --out x.bmp --dpi 600 --library big --layout 0", 2,
       "the page is 12 x 18 inches: at 600 dpi its picture would pass the 64 million pixels an "
       "image may hold; use --dpi 544 or lower"},
      {"--render G.QL3 0 --out no/such/folder/x.htm", 3, "Unable to create html file."},
      {"--render G.QL3 0 --out x.htm --quality 101", 2, "--quality takes 1 to 100"},
      {"--render G.QL3 0 --out x.pdf --header Hi", 2,
       "--web-title and --header go with a web page"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.code, c.code);
    EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.pdf")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.bmp")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.jpg")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.htm")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.JPG")));
}

TEST_F(RenderToolTest, AWebPageTakesItsTitleAndHeaderAndHasThePagesPictureBesideIt) {
  std::filesystem::create_directory(dir_.File("site"));
  const ToolRun run = Tool(
      "--render G.QL3 1 --out site/jungle.html --dpi 60 --quality 70 --web-title '  Deep Jungle ' "
      "--header \"$(printf 'Jungle\nFind them all')\"");
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_NE(run.out.find("site/jungle.JPG"), std::string::npos) << run.out;
  const std::string page = test::ReadText(dir_.File("site/jungle.html"));
  EXPECT_EQ(page.rfind("<HTML>\r\n <HEAD>\r\n  <TITLE>Deep Jungle</TITLE>\r\n", 0), 0u) << page;
  // The first header keeps its saved style (bold, centred, size 4) and its two lines.
  EXPECT_NE(page.find("  <CENTER><B><FONT SIZE=4>Jungle\r\nFind them all</FONT></B></CENTER><P>\r\n"
                      "  <CENTER><IMG SRC=\"jungle.JPG\""),
            std::string::npos)
      << page;
  if (Have("djpeg")) {
    const ToolRun size = RunShell("djpeg -pnm '" + dir_.File("site/jungle.JPG") + "' | head -c 20");
    EXPECT_NE(size.out.find("510 660"), std::string::npos) << size.out;  // letter at 60 dpi
  }

  // Without the options the page has the settings' own title and header.
  ASSERT_EQ(Tool("--render G.QL3 0 --out safari.htm").code, 0);
  const std::string plain = test::ReadText(dir_.File("safari.htm"));
  EXPECT_NE(plain.find("<TITLE>Word Search Puzzle</TITLE>"), std::string::npos);
  EXPECT_NE(plain.find("<FONT SIZE=4>My Puzzle</FONT>"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir_.File("safari.JPG")));
}

TEST_F(RenderToolTest, InteractivePagesOfAGroupComeWithAnIndexAndBadInputWritesNothing) {
  // A third puzzle that was never generated.
  auto draft = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*draft);
  draft->title.Set("Draft");
  ASSERT_TRUE(AppendPuzzle(dir_.File("G.QL3"), *draft));

  std::filesystem::create_directory(dir_.File("site"));
  ToolRun run = Tool("--render G.QL3 all --out site/index.html --interactive --seed 3");
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_NE(run.out.find("record 2 left out: the puzzle was never generated"), std::string::npos)
      << run.out;
  EXPECT_EQ(test::Snapshot(dir_.File("site")).size(), 3u);  // two pages and the index
  const std::string index = test::ReadText(dir_.File("site/index.html"));
  EXPECT_NE(index.find("<li><a href=\"index-0.html\">Safari</a>"), std::string::npos) << index;
  EXPECT_NE(index.find("<li><a href=\"index-1.html\">Jungle</a>"), std::string::npos) << index;
  const std::string jungle = test::ReadText(dir_.File("site/index-1.html"));
  EXPECT_NE(
      jungle.find("<p class=\"back\"><a href=\"index.html\">All puzzles</a></p>\n<h1>Jungle</h1>"),
      std::string::npos);
  // The same seed makes the same page.
  std::filesystem::create_directory(dir_.File("again"));
  ASSERT_EQ(Tool("--render G.QL3 all --out again/index.html --interactive --seed 3").code, 0);
  EXPECT_EQ(test::ReadText(dir_.File("again/index-1.html")), jungle);

  const std::string group = test::ReadText(dir_.File("G.QL3"));
  test::WriteText(dir_.File("taken.html"), group);
  struct Case {
    std::string arguments;
    int code;
    std::string message;
  } cases[] = {
      {"--render G.QL3 2 --out x.html --interactive", 2,
       "record 2: the puzzle was never generated"},
      {"--render G.QL3 5 --out x.html --interactive", 2, "G.QL3 has no record 5"},
      {"--render G.QL3 0 --out taken.html --interactive", 2,
       "taken.html exists and is not a web page; it is left as it is."},
      {"--render G.QL3 all --out taken.html --interactive", 2,
       "taken.html exists and is not a web page"},
      {"--render G.QL3 0 --out x.png --interactive", 2,
       "--interactive makes a web page: --out FILE.html"},
      {"--render G.QL3 0 --out x.html --no-answers", 2, "--no-answers goes with --interactive"},
      {"--render G.QL3 0 --out x.html --interactive --dpi 90", 2,
       "--dpi does not go with --interactive"},
      {"--render G.QL3 0 --out x.html --interactive --answer-key", 2,
       "--answer-key does not go with --interactive"},
      {"--render G.QL3 0 --out no/such/folder/x.html --interactive", 3,
       "Unable to write the file no/such/folder/x.html.  No such file or directory."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    run = Tool(c.arguments);
    EXPECT_EQ(run.code, c.code);
    EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.html")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("taken-0.html")));
  EXPECT_EQ(test::ReadText(dir_.File("taken.html")), group);
  EXPECT_EQ(test::ReadText(dir_.File("G.QL3")), group);
}

TEST_F(RenderToolTest, BitmapsJpegsAndMetafilesOpenInOtherPrograms) {
  ASSERT_EQ(Tool("--render G.QL3 0 --out true.bmp --dpi 100").code, 0);
  ASSERT_EQ(Tool("--render G.QL3 0 --out palette.bmp --dpi 100 --pixel-format 2").code, 0);
  for (const auto& [file, bits] : {std::pair{"true.bmp", 24}, std::pair{"palette.bmp", 8}}) {
    const std::vector<char> b = test::ReadBytes(dir_.File(file));
    ASSERT_GT(b.size(), 54u);
    EXPECT_EQ(uint8_t(b[18]) | uint8_t(b[19]) << 8, 850) << file;  // 8.5 inches at 100 dpi
    EXPECT_EQ(uint8_t(b[28]), bits) << file;
  }
  if (Have("djpeg")) {
    ASSERT_EQ(Tool("--render G.QL3 0 --out page.jpg --quality 90 --dpi 100").code, 0);
    const ToolRun size = RunShell("djpeg -pnm '" + dir_.File("page.jpg") + "' | head -c 20");
    EXPECT_NE(size.out.find("850 1100"), std::string::npos) << size.out;
  }
  if (Have("emf2svg-conv")) {
    ASSERT_EQ(Tool("--render G.QL3 0 --out page.emf").code, 0);
    ASSERT_EQ(RunShell("emf2svg-conv -i '" + dir_.File("page.emf") + "' -o '" +
                       dir_.File("emf.svg") + "' >/dev/null 2>&1")
                  .code,
              0);
    EXPECT_NE(test::ReadText(dir_.File("emf.svg")).find("CDATA[Safari]"), std::string::npos);
  }
  if (Have("wmf2gd")) {
    ASSERT_EQ(Tool("--render G.QL3 0 --out page.wmf").code, 0);
    EXPECT_EQ(RunShell("wmf2gd -o '" + dir_.File("wmf.png") + "' '" + dir_.File("page.wmf") +
                       "' >/dev/null 2>&1")
                  .code,
              0);
    EXPECT_GT(test::FileSize(dir_.File("wmf.png")), 1000);
  }
}

}  // namespace
}  // namespace gw
