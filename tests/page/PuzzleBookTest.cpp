// The puzzle book: its pages in order with their numbers, puzzles fitted inside the safe margin,
// the keys, large print, and the trim sizes it takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "page/CallLog.h"
#include "page/PageRecorder.h"
#include "page/PuzzleBook.h"

namespace gw {
namespace {

// Every page of a book as the calls it received.
class LoggedPages : public BookPages {
 public:
  PageTarget& NewPage(const QSizeF& size) override {
    pages.push_back(std::make_unique<test::CallLog>(300, size.width(), size.height()));
    return *pages.back();
  }
  std::vector<std::unique_ptr<test::CallLog>> pages;
};

struct Book {
  explicit Book(int count, int columns = 8) {
    for (int i = 0; i < count; ++i) {
      auto p = test::PrintablePuzzle();
      if (columns != 8) {
        p->gridWidth = p->gridHeight = static_cast<int16_t>(columns);
        for (int r = 1; r <= columns; ++r)
          for (int c = 1; c <= columns; ++c) p->Letter(CellIndex(r, c)) = 'W';
      }
      p->title.Set("Puzzle " + std::to_string(i + 1));
      PrintOptions o;
      o.numColumns = 3;
      pages.push_back({p.get(), o});
      puzzles.push_back(std::move(p));
    }
  }
  std::vector<std::unique_ptr<PuzzleRecord>> puzzles;
  std::vector<BookPuzzle> pages;
};

std::vector<BookPageKind> Kinds(const std::vector<BookPage>& plan) {
  std::vector<BookPageKind> kinds;
  for (const BookPage& p : plan) kinds.push_back(p.kind);
  return kinds;
}

TEST(PuzzleBook, PagesComeInBookOrderNumberedFromTheStartAfterTheTitlePage) {
  Book book(7);
  BookOptions o;
  o.trim = TrimSize("6x9");
  o.titlePage = "Holiday Puzzles";
  o.contents = true;
  o.startNumber = 5;
  std::vector<BookPage> plan = PlanBook(book.pages, o);
  using K = BookPageKind;
  ASSERT_EQ(Kinds(plan),
            (std::vector<K>{K::Title, K::Contents, K::Puzzle, K::Puzzle, K::Puzzle, K::Puzzle,
                            K::Puzzle, K::Puzzle, K::Puzzle, K::Keys, K::Keys}));
  EXPECT_EQ(plan[0].number, 0);
  for (size_t i = 1; i < plan.size(); ++i) EXPECT_EQ(plan[i].number, static_cast<int>(i) + 4);
  EXPECT_EQ(plan[1].count, 8);  // seven puzzles and the answers
  EXPECT_EQ(plan[9].first, 0);
  EXPECT_EQ(plan[9].count, 4);
  EXPECT_EQ(plan[10].first, 4);
  EXPECT_EQ(plan[10].count, 3);
  for (const BookPage& p : plan) EXPECT_EQ(p.size, QSizeF(6, 9));

  o.keys = BookKeys::After;
  o.titlePage.clear();
  o.contents = false;
  plan = PlanBook(book.pages, o);
  ASSERT_EQ(plan.size(), 14u);
  for (size_t i = 0; i < plan.size(); ++i) {
    EXPECT_EQ(plan[i].kind, i % 2 ? K::Keys : K::Puzzle);
    EXPECT_EQ(plan[i].first, static_cast<int>(i / 2));
    EXPECT_EQ(plan[i].number, static_cast<int>(i) + 5);
  }
  o.keys = BookKeys::None;
  EXPECT_EQ(PlanBook(book.pages, o).size(), 7u);

  // Long contents go on over as many pages as they need; without a trim every page is on its
  // layout's paper.
  Book many(60);
  o = BookOptions{};
  o.contents = o.largePrint = true;
  plan = PlanBook(many.pages, o);
  int listed = 0, contentsPages = 0;
  for (const BookPage& p : plan) {
    EXPECT_EQ(p.size, QSizeF(8.5, 11));
    if (p.kind == K::Contents) listed += p.count, ++contentsPages;
  }
  EXPECT_EQ(listed, 61);
  EXPECT_GT(contentsPages, 1);
}

// Left, top, right and bottom of what a page draws, in inches.
std::array<double, 4> Extent(const test::CallLog& page) {
  std::array<double, 4> e{1e9, 1e9, -1e9, -1e9};
  for (const test::Call& c : page.calls) {
    if (c.op != "MoveTo" && c.op != "LineTo" && c.op != "FillRect" && c.op != "PrintAt") continue;
    for (size_t i = 0; i + 1 < c.v.size(); i += 2) {
      e[0] = std::min(e[0], c.v[i]);
      e[2] = std::max(e[2], c.v[i]);
      e[1] = std::min(e[1], c.v[i + 1]);
      e[3] = std::max(e[3], c.v[i + 1]);
    }
  }
  return e;
}

TEST(PuzzleBook, APuzzleFillsTheTrimInsideTheMarginCentredWithItsNumberAndKeyBelow) {
  Book book(3);
  BookOptions o;
  o.trim = TrimSize("6x9");
  o.contents = true;
  LoggedPages pages;
  const BookResult result = DrawBook(book.pages, o, pages);
  EXPECT_TRUE(result.refusal.empty());
  EXPECT_TRUE(result.warnings.empty());
  ASSERT_EQ(result.pages, 5);
  ASSERT_EQ(pages.pages.size(), 5u);

  const test::CallLog& puzzle = *pages.pages[1];
  const auto [left, top, right, bottom] = Extent(puzzle);
  EXPECT_GE(left, kBookMargin - 1e-9);
  EXPECT_LE(right, 6 - kBookMargin + 1e-9);
  EXPECT_GE(top, kBookMargin - 1e-9);
  EXPECT_LE(bottom, 9 - kBookMargin + 1e-9);
  EXPECT_NEAR(left + right, 6, 0.05);                    // centred across
  EXPECT_NEAR(right - left, 6 - 2 * kBookMargin, 0.05);  // as wide as the trim allows
  const std::vector<std::string> printed = puzzle.Printed();
  EXPECT_EQ(printed.front(), "Puzzle 1");
  EXPECT_EQ(printed.back(), "2");  // its number, at the foot
  EXPECT_GT(puzzle.Of("PrintAt").back().v[1], 8.4);

  const std::vector<std::string> contents = pages.pages[0]->Printed();
  EXPECT_EQ(contents.front(), "Contents");
  EXPECT_NE(std::find(contents.begin(), contents.end(), "Answers"), contents.end());
  EXPECT_EQ(contents.back(), "1");

  // The keys: the heading, each label with its page, the grid ringed, nothing else of the page.
  const test::CallLog& keys = *pages.pages[4];
  const std::vector<std::string> texts = keys.Printed();
  EXPECT_EQ(texts.front(), kAnswersHeading);
  for (const char* label : {"Puzzle 1, page 2", "Puzzle 2, page 3", "Puzzle 3, page 4"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
  for (const char* absent : {"Bring a pencil", "ANTELOPE", "Which one runs fastest?"})
    EXPECT_EQ(std::find(texts.begin(), texts.end(), absent), texts.end()) << absent;
  EXPECT_EQ(keys.Of("Arc").size(), 3u * 3 * 2);  // three words, two caps each, three keys
  EXPECT_EQ(texts.back(), "5");

  // On a landscape trim the page's height sets the scale, and it is centred across.
  o.trim = TrimSize("9x6");
  LoggedPages wide;
  DrawBook(book.pages, o, wide);
  const auto [wideLeft, wideTop, wideRight, wideBottom] = Extent(*wide.pages[1]);
  EXPECT_NEAR(wideLeft + wideRight, 9, 0.05);
  EXPECT_LT(wideRight - wideLeft, 6);
  EXPECT_GE(wideTop, kBookMargin - 1e-9);
}

// The size of the font each text was printed in.
std::vector<std::pair<std::string, int>> PrintedSizes(const test::CallLog& page) {
  std::vector<std::pair<std::string, int>> sizes;
  int size = 10;
  for (const test::Call& c : page.calls) {
    if (c.op == "SetFont") size = c.font.size;
    if (c.op == "PrintAt" || c.op == "PrintTopLeft") sizes.emplace_back(c.text, size);
  }
  return sizes;
}

TEST(PuzzleBook, LargePrintKeepsLettersAndWordsAtFourteenPointsAndSaysWhatNoLongerFits) {
  Book book(2);
  book.puzzles[0]->pageLayout.objects[1].fontSize = 8;  // the grid's letters
  book.puzzles[0]->pageLayout.objects[2].fontSize = 8;  // the word list
  BookOptions o;
  o.trim = TrimSize("6x9");
  for (bool large : {false, true}) {
    o.largePrint = large;
    LoggedPages pages;
    const BookResult result = DrawBook(book.pages, o, pages);
    int smallest = 1000;
    for (const auto& [text, size] : PrintedSizes(*pages.pages[0]))
      if (text.size() == 1 || text == "ANTELOPE" || text == "CHEETAH")
        smallest = std::min(smallest, size);
    if (large) {
      EXPECT_GE(smallest, kLargePrintPoints);
      EXPECT_TRUE(result.warnings.empty());
    } else {
      EXPECT_LT(smallest, kLargePrintPoints);
    }
  }

  // Forty columns of letters do not fit a small page at 14 points: the book says which puzzle.
  Book crowded(2, 40);
  o.trim = TrimSize("4x5");
  o.largePrint = true;
  LoggedPages pages;
  const BookResult result = DrawBook(crowded.pages, o, pages);
  ASSERT_EQ(result.warnings.size(), 2u);
  EXPECT_EQ(result.warnings[1].puzzle, 1);
  EXPECT_EQ(result.warnings[1].page, 2);
  EXPECT_EQ(result.warnings[1].text.rfind("Puzzle Letters would not fit", 0), 0u);
}

// A page target that hands its calls over when the replay is done with it.
class KeptLog : public test::CallLog {
 public:
  explicit KeptLog(std::vector<std::vector<test::Call>>& kept) : CallLog(300), kept_(kept) {}
  ~KeptLog() override { kept_.push_back(calls); }

 private:
  std::vector<std::vector<test::Call>>& kept_;
};

TEST(PuzzleBook, ARecordedBookReplaysInOnePassAsPageByPage) {
  Book book(3);
  BookOptions o;
  o.keys = BookKeys::After;
  BookResult result;
  const FinishedJob job = RecordBook(book.pages, o, 300, result);
  const std::optional<ReportStreamInfo> info = ReadReportInfo(job.stream);
  ASSERT_TRUE(info);
  ASSERT_EQ(info->pages.size(), 6u);
  EXPECT_EQ(job.puzzle, nullptr);

  std::vector<std::vector<test::Call>> pass;
  int started = 0;
  ASSERT_TRUE(ReplayReportPages(job.stream, 1, 4,
                                [&](int page, const QSizeF& size) -> std::unique_ptr<PageTarget> {
                                  EXPECT_EQ(page, ++started);
                                  EXPECT_EQ(size, QSizeF(8.5, 11));
                                  return std::make_unique<KeptLog>(pass);
                                }));
  ASSERT_EQ(pass.size(), 4u);
  for (int page = 1; page <= 4; ++page) {
    test::CallLog single(300);
    ASSERT_TRUE(ReplayReport(job.stream, page, single));
    ASSERT_EQ(single.calls.size(), pass[page - 1].size()) << page;
    for (size_t i = 0; i < single.calls.size(); ++i) {
      EXPECT_EQ(single.calls[i].op, pass[page - 1][i].op);
      EXPECT_EQ(single.calls[i].v, pass[page - 1][i].v);
      EXPECT_EQ(single.calls[i].text, pass[page - 1][i].text);
    }
  }
  EXPECT_FALSE(
      ReplayReportPages(job.stream, 5, 9, [](int, const QSizeF&) -> std::unique_ptr<PageTarget> {
        return std::make_unique<test::CallLog>();
      }));
}

TEST(PuzzleBook, TrimSizesByNameOrInches) {
  EXPECT_EQ(TrimSize("letter"), QSizeF(8.5, 11));
  EXPECT_EQ(TrimSize("8.5x11"), QSizeF(8.5, 11));
  EXPECT_EQ(TrimSize("6X9"), QSizeF(6, 9));
  EXPECT_EQ(TrimSize(" 5.5 x 8.5 "), QSizeF(5.5, 8.5));
  EXPECT_NEAR(TrimSize("A4")->width(), 8.27, 0.01);
  EXPECT_NEAR(TrimSize("a5")->height(), 8.27, 0.01);
  for (const char* bad : {"", "legal", "6x", "x9", "1x9", "6x51", "6x9x2", "six x nine"})
    EXPECT_FALSE(TrimSize(bad)) << bad;
  for (int n = 0; n <= 7; ++n)
    EXPECT_EQ(KeysPerPageAllowed(n), n == 1 || n == 2 || n == 4 || n == 6);
}

}  // namespace
}  // namespace gw
