// The interactive web puzzle's page text and its files: what the source gives away, what it keeps
// as text, which words it lists, and pages written all together or not at all, never over a file
// of another kind. Solving it in a browser is tested in tests/browser.
#include <gtest/gtest.h>

#include <filesystem>

#include "page/CallLog.h"
#include "page/InteractiveExport.h"
#include "page/InteractivePage.h"
#include "support/Faults.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

// Writes word `i` into the grid from (row, column) in direction (dr, dc) and marks it placed there.
void Place(PuzzleRecord& p, int i, const std::string& word, int row, int column, int dr, int dc) {
  p.words[i - 1].Set(word);
  for (size_t k = 0; k < word.size(); ++k)
    p.Letter(CellIndex(row + dr * static_cast<int>(k), column + dc * static_cast<int>(k))) =
        static_cast<uint8_t>(word[k]);
  const int n = static_cast<int>(word.size()) - 1;
  p.wordStart[i - 1] = static_cast<int16_t>(CellIndex(row, column));
  p.wordEnd[i - 1] = static_cast<int16_t>(CellIndex(row + dr * n, column + dc * n));
  p.wordPlaced[i - 1] = 1;
  p.wordCount = static_cast<int16_t>(std::max<int>(p.wordCount, i));
}

// An 8 x 8 puzzle with words in four directions, each with a clue.
std::unique_ptr<PuzzleRecord> FourWords() {
  auto p = test::PagePuzzle(8, 8);
  p->wordCount = 0;
  p->title.Set("Safari");
  Place(*p, 1, "LION", 1, 1, 0, 1);    // right
  Place(*p, 2, "TIGER", 2, 8, 1, 0);   // down
  Place(*p, 3, "ZEBRA", 8, 1, -1, 1);  // up-right
  Place(*p, 4, "GNU", 8, 8, 0, -1);    // left
  for (int i = 1; i <= 4; ++i) p->clues[i - 1].Set("clue " + std::to_string(i));
  return p;
}

InteractivePageOptions Clues(uint32_t key) {
  InteractivePageOptions o;
  o.print.wordOption = kClues;
  o.key = key;
  return o;
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// The page without its line of grid letters: a word read straight off the grid is no secret.
std::string WithoutGrid(const std::string& page) {
  const size_t at = page.find("\"grid\":[");
  return page.substr(0, at) + page.substr(page.find(']', at));
}

TEST(InteractivePage, CluePagesKeepAnswersAndPlacesOutOfTheSourceWithAKeyOfTheirOwn) {
  const auto p = FourWords();
  const std::string page = InteractivePageText(*p, Clues(1234));
  for (const char* word : {"LION", "TIGER", "ZEBRA", "GNU"})
    EXPECT_EQ(WithoutGrid(page).find(word), std::string::npos) << word;
  for (int i = 1; i <= 4; ++i)
    EXPECT_NE(page.find("<span class=\"entry\">clue " + std::to_string(i) + "</span>"),
              std::string::npos);
  // Another key, other scrambled places; the rest of the page is the same.
  const std::string other = InteractivePageText(*p, Clues(98765));
  EXPECT_NE(page, other);
  EXPECT_EQ(page.size(), other.size() + std::string("1234").size() - std::string("98765").size());
  // A seed gives the same key every time, the clock a new one.
  EXPECT_EQ(InteractivePageKey(7), InteractivePageKey(7));
  EXPECT_NE(InteractivePageKey(7), InteractivePageKey(8));
}

TEST(InteractivePage, MarkupInTitlesCluesAndBonusIsWrittenAsTextAndAccentsAsUtf8) {
  auto p = FourWords();
  p->title.Set("</script><b>\xC9t\xE9</b> & \"x'");
  p->clues[0].Set("<img src=x onerror=alert(1)>");
  p->clues[1].Set("</script><script>alert(2)</script>");
  p->bonusQuestion.Set("Tom & <i>Jerry</i>?");
  p->Letter(CellIndex(5, 5)) = '<';  // a damaged grid letter
  const std::string page = InteractivePageText(*p, Clues(1));
  EXPECT_EQ(Count(page, "<script"), 2u);  // the puzzle's data and the page's script
  EXPECT_EQ(Count(page, "</script"), 2u);
  EXPECT_EQ(Count(page, "<img"), 0u);
  EXPECT_NE(page.find("<title>&lt;/script&gt;&lt;b&gt;\xC3\x89t\xC3\xA9&lt;/b&gt; &amp; "
                      "&quot;x&#39;</title>"),
            std::string::npos);
  EXPECT_NE(page.find("&lt;img src=x onerror=alert(1)&gt;"), std::string::npos);
  EXPECT_NE(page.find("Tom &amp; &lt;i&gt;Jerry&lt;/i&gt;?"), std::string::npos);
  EXPECT_NE(page.find("\\u003c"), std::string::npos);  // the '<' among the grid's letters
}

TEST(InteractivePage, ListsOnlyWordsThatCanBeFoundInTheFormAndPartsOfThePrintOptions) {
  auto p = FourWords();
  // Word 5 was never placed, 6 ends off the grid, 7 does not lie on a line: none can be found.
  Place(*p, 5, "OKAPI", 3, 1, 0, 1);
  p->wordPlaced[4] = 0;
  Place(*p, 6, "EMU", 4, 1, 0, 1);
  p->wordEnd[5] = CellIndex(4, 9);
  Place(*p, 7, "YAK", 7, 4, 0, 1);
  p->wordEnd[6] = CellIndex(8, 6);
  InteractivePageOptions o;
  std::string page = InteractivePageText(*p, o);
  // Normal words in alphabetical order, struck out as found: no answer to add.
  EXPECT_NE(page.find("<li id=\"w0\"><span class=\"entry\">GNU</span></li>\n"
                      "<li id=\"w1\"><span class=\"entry\">LION</span></li>\n"
                      "<li id=\"w2\"><span class=\"entry\">TIGER</span></li>\n"
                      "<li id=\"w3\"><span class=\"entry\">ZEBRA</span></li>\n</ul>"),
            std::string::npos);
  for (const char* gone : {"OKAPI", "EMU", "YAK"})
    EXPECT_EQ(WithoutGrid(page).find(gone), std::string::npos) << gone;
  EXPECT_NE(page.find("<h1>Safari</h1>"), std::string::npos);
  EXPECT_NE(page.find("id=\"answers\">Show answers</button>"), std::string::npos);

  // Lower case, grid lines, no title, no list, no button.
  o.print.lowerCase = o.print.useGrid = true;
  o.print.printTitle = o.print.printWords = false;
  o.showAnswers = false;
  page = InteractivePageText(*p, o);
  EXPECT_NE(page.find("\"lion"), std::string::npos);
  EXPECT_NE(page.find("class=\"board lines\""), std::string::npos);
  for (const char* gone : {"<h1>", "id=\"list\"", "id=\"answers\""})
    EXPECT_EQ(page.find(gone), std::string::npos) << gone;

  // A puzzle that cannot be solved on a page says why.
  EXPECT_EQ(InteractivePageRefusal(*p), std::nullopt);
  p->puzzleGenerated = 0;
  EXPECT_EQ(InteractivePageRefusal(*p), "the puzzle was never generated");
  p->puzzleGenerated = 1;
  for (int i = 0; i < 4; ++i) p->wordPlaced[i] = 0;
  EXPECT_EQ(InteractivePageRefusal(*p), "the puzzle's grid holds no word to find");
}

class WebPageFiles : public testing::Test {
 protected:
  std::vector<WebPageFile> Pages(const std::string& folder) {
    return {{dir_.File(folder + "/sea-0.html"), "<!DOCTYPE html>\n<p>one"},
            {dir_.File(folder + "/sea-1.html"), "<!DOCTYPE html>\n<p>two"},
            {dir_.File(folder + "/sea.html"), "<!DOCTYPE html>\n<p>index"}};
  }
  test::TempDir dir_;
};

TEST_F(WebPageFiles, AllPagesReplaceWebPagesTogetherAndNeverAFileOfAnotherKind) {
  EXPECT_EQ(InteractivePagePath("/site/sea.html", 3), "/site/sea-3.html");
  EXPECT_EQ(InteractivePagePath("Zoo.HTM", 0), "Zoo-0.HTM");
  EXPECT_EQ(InteractivePagePath("puzzles", 12), "puzzles-12.html");

  std::filesystem::create_directory(dir_.File("site"));
  test::WriteText(dir_.File("site/sea-1.html"), "\xEF\xBB\xBF  <HTML>an older page");
  ASSERT_TRUE(SaveWebPages(Pages("site")).ok);
  EXPECT_EQ(test::ReadText(dir_.File("site/sea-1.html")), "<!DOCTYPE html>\n<p>two");
  EXPECT_EQ(test::Snapshot(dir_.File("site")).size(), 3u);  // no sibling left behind

  // A group under one of the names: refused, and none of the pages is written.
  std::filesystem::create_directory(dir_.File("group"));
  const std::string records(95830, '\x05');
  test::WriteText(dir_.File("group/sea-1.html"), records);
  const OpResult refused = SaveWebPages(Pages("group"));
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.message,
            dir_.File("group/sea-1.html") + " exists and is not a web page; it is left as it is.");
  EXPECT_EQ(WebPageTargetRefusal(dir_.File("group/sea-1.html")), refused.message);
  EXPECT_EQ(test::Snapshot(dir_.File("group")).size(), 1u);
  EXPECT_EQ(test::ReadText(dir_.File("group/sea-1.html")), records);
  EXPECT_EQ(WebPageTargetRefusal(dir_.Path()), dir_.Path() + " is not a file that can be written.");
}

TEST_F(WebPageFiles, APageThatCannotBeWrittenLeavesEveryOtherAsItWas) {
  if (const auto why = test::PermissionFaultsUnavailable()) GTEST_SKIP() << *why;
  std::filesystem::create_directory(dir_.File("site"));
  test::WriteText(dir_.File("site/sea.html"), "<html>the old index");
  test::ShareWithUnprivileged(dir_.Path());
  test::SetMode(dir_.File("site/sea.html"), 0444);
  const auto before = test::Snapshot(dir_.File("site"));
  const std::string outcome = test::RunInChild(
      [&] {
        const OpResult r = SaveWebPages(Pages("site"));
        return r.ok ? test::Done() : r.message;
      },
      {std::nullopt, true});
  EXPECT_EQ(outcome.rfind("Unable to write the file " + dir_.File("site/sea.html") + ".  ", 0), 0u)
      << outcome;
  EXPECT_EQ(test::Snapshot(dir_.File("site")), before);
}

}  // namespace
}  // namespace gw
