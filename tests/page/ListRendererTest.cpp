// Word lists, clue lists and text objects drawn through a recording target, and the texts they
// print.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/TextUtils.h"
#include "page/CallLog.h"
#include "page/ListTexts.h"

namespace gw {
namespace {

using test::Call;
using test::CallLog;

constexpr double kEps = 1e-9;

// A page with one words object at `bounds` (64ths of an inch), 8 points, Make It Fit as given.
struct ListPage {
  ListPage(const std::vector<std::string>& words, LayoutBounds bounds, bool fit,
           const std::vector<std::string>& clues = {}) {
    puzzle = test::PagePuzzle();
    test::SetWords(*puzzle, words, clues);
    LayoutObject& o =
        test::AddObject(*puzzle, kKindWords, bounds.left, bounds.top, bounds.right, bounds.bottom);
    o.fontSize = 8;
    o.makeItFit = fit;
    o.border = 0;
  }
  PageJobResult Run(const PrintOptions& options) {
    log = CallLog();
    return RunPageJob(*puzzle, options, log);
  }
  LayoutObject& Object() { return puzzle->pageLayout.objects[0]; }
  std::unique_ptr<PuzzleRecord> puzzle;
  CallLog log;
};

PrintOptions Columns(int n, long form = kNormalWords) {
  PrintOptions o;
  o.numColumns = n;
  o.wordOption = form;
  return o;
}

std::vector<std::string> Numbered(const std::string& stem, int n) {
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back(stem + static_cast<char>('A' + i));
  return out;
}

TEST(WordList, TenWordsInTwoColumnsOfFiveRowsFitExactlyColumnByColumn) {
  // 8 points: lines 1/8 inch high, so a box 5/8 inch high holds five rows.
  const std::vector<std::string> words = {"Mole", "ant", "Zebra", "bee", "CAT",
                                          "dog",  "Emu", "fox",   "Gnu", "hen"};
  for (bool fit : {false, true}) {
    ListPage page(words, {64, 64, 64 + 256, 64 + 40}, fit);
    const PageJobResult r = page.Run(Columns(2));
    EXPECT_TRUE(r.fitWarnings.empty());
    EXPECT_EQ(page.log.Of("SetFont").size(), 1u);
    std::vector<std::string> sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
      return UpperCopy(a, 60) < UpperCopy(b, 60);
    });
    EXPECT_EQ(page.log.Printed(), sorted);  // alphabetical, in the stored letter case
    const std::vector<Call> rows = page.log.Of("PrintAt");
    const double indent = 0.25 * 8 / 128, column = (4 - indent) / 2, h = 0.125;
    for (int i = 0; i < 10; ++i) {
      EXPECT_NEAR(rows[i].v[0], 1 + indent + (i / 5) * column, kEps);
      EXPECT_NEAR(rows[i].v[1], 1 + (i % 5) * h + 0.8 * h, kEps);
    }
  }
}

TEST(WordList, AWordTooWideForItsColumnLeavesItsSlotEmptyWithoutAWarning) {
  std::vector<std::string> words = {"ANT", "BEE", "CHRYSANTHEMUMBED", "DOG"};
  ListPage page(words, {0, 0, 128, 64}, false);  // two columns just under an inch wide
  PageJobResult r = page.Run(Columns(2));
  EXPECT_TRUE(r.fitWarnings.empty());
  EXPECT_EQ(page.log.Printed(), (std::vector<std::string>{"ANT", "BEE", "DOG"}));
  const double h = 1.0 / 8;
  EXPECT_NEAR(page.log.Of("PrintAt")[2].v[1], 3 * h + 0.8 * h, kEps);  // DOG keeps slot 4
  EXPECT_EQ(r.values.words.chars, (std::vector<int>{3, 3, 0, 3}));

  // With Make It Fit the font shrinks until the long word fits too.
  page.Object().makeItFit = 1;
  r = page.Run(Columns(2));
  EXPECT_TRUE(r.fitWarnings.empty());
  EXPECT_EQ(page.log.Printed().size(), 4u);
  EXPECT_EQ(page.Object().fittedFontSize, 7);
}

TEST(WordList, MoreWordsThanSlotsPrintWhatFitsAndWarnUnlessMakeItFitShrinks) {
  const std::vector<std::string> words = Numbered("W", 12);
  ListPage page(words, {0, 0, 256, 40}, false);
  PageJobResult r = page.Run(Columns(2));
  EXPECT_EQ(page.log.Printed().size(), 10u);
  ASSERT_EQ(r.fitWarnings.size(), 1u);
  EXPECT_EQ(r.fitWarnings[0].rfind("Puzzle Words would not fit in allocated space.  ", 0), 0u);

  page.Object().makeItFit = 1;
  r = page.Run(Columns(2));
  EXPECT_TRUE(r.fitWarnings.empty());
  EXPECT_EQ(page.log.Printed().size(), 12u);
  EXPECT_EQ(page.Object().fittedFontSize, 6);  // six rows of 6/64 inch in 5/8 inch

  // At the floor of 3 points the list still overflows: what fits prints, with the warning.
  page.Object().bounds.bottom = 3;
  r = page.Run(Columns(2));
  EXPECT_EQ(page.Object().fittedFontSize, 3);
  EXPECT_EQ(r.fitWarnings.size(), 1u);
}

TEST(WordList, PartialAndScrambledWordsAndNormalWordsInTheirForms) {
  EXPECT_EQ(PartialWord("CAT", 2, 2, true), "CAT");
  EXPECT_EQ(PartialWord("WORDSEARCH", 1, 1, true), "W _ _ _ _ _ _ _ _ H");
  EXPECT_EQ(PartialWord("WORDSEARCH", 1, 1, false), "W...H");
  EXPECT_EQ(PartialWord("WORDSEARCH", 0, 0, false), "...");
  EXPECT_EQ(PartialWord("OX", 9, 9, false), "OX");

  auto puzzle = test::PagePuzzle();
  test::SetWords(*puzzle, {"Zebra", "ant", "Cat Fish"});
  Rng random(7);
  PrintOptions o;
  o.wordOption = kScrambledWords;
  const std::vector<WordEntry> scrambled = WordListEntries(*puzzle, 3, o, random);
  ASSERT_EQ(scrambled.size(), 3u);
  const char* const lower[] = {"zebra", "ant", "cat fish"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(scrambled[i].word, i + 1);  // puzzle order
    std::string a = scrambled[i].text, b = lower[i];
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b);  // the same letters, lower case
  }
  o.wordOption = kPartialWords;
  o.firstLetters = 1;
  o.lastLetters = 2;
  const std::vector<WordEntry> partial = WordListEntries(*puzzle, 3, o, random);
  EXPECT_EQ(partial[0].text, "Z...RA");
  EXPECT_EQ(partial[1].text, "ANT");
  o.wordOption = kNormalWords;
  const std::vector<WordEntry> normal = WordListEntries(*puzzle, 3, o, random);
  EXPECT_EQ(normal[0].text, "ant");
  EXPECT_EQ(normal[1].text, "Cat Fish");
  EXPECT_EQ(normal[2].word, 1);
}

TEST(ClueList, EntriesShowTheWordOnlyInTheAnswerKeyOrAsUnderscores) {
  auto puzzle = test::PagePuzzle();
  test::SetWords(*puzzle, {"CAVE"}, {"A dark place"});
  PrintOptions o;
  EXPECT_EQ(ClueEntryText(*puzzle, 1, o), "A dark place");
  o.clueUnderscore = true;
  EXPECT_EQ(ClueEntryText(*puzzle, 1, o), "(_ _ _ _) A dark place");
  o.answerKey = true;
  EXPECT_EQ(ClueEntryText(*puzzle, 1, o), "(CAVE) A dark place");
  o.clueUnderscore = false;
  EXPECT_EQ(ClueEntryText(*puzzle, 1, o), "(CAVE) A dark place");
}

TEST(ClueList, NumbersReserveTwoDigitWidthsBelowTenEntriesAndThreeFromTen) {
  for (int n : {9, 10}) {
    SCOPED_TRACE(n);
    ListPage page(Numbered("W", n), {0, 0, 512, 512}, false, std::vector<std::string>(n, "clue"));
    const PageJobResult r = page.Run(Columns(1, kClues));
    EXPECT_TRUE(r.fitWarnings.empty());
    const std::vector<Call> rows = page.log.Of("PrintAt");
    ASSERT_EQ(rows.size(), 2u * n);
    const double u = 8.0 / 128;
    EXPECT_EQ(rows[0].text, "1.");
    EXPECT_NEAR(rows[0].v[0], 0.25 * u, kEps);
    EXPECT_NEAR(rows[1].v[0] - rows[0].v[0], (n < 10 ? 2 : 3) * u, kEps);
    EXPECT_EQ(rows[2 * n - 2].text, std::to_string(n) + ".");
  }
}

TEST(ClueList, LongCluesWrapAtWordsUpToSevenLines) {
  // One column of a 1-inch box: the text gets 1 inch less the number (2u) and the indent.
  const std::string clue =
      "one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
      "fifteen sixteen seventeen eighteen nineteen twenty";
  ListPage page({"WORD", "NEXT"}, {0, 0, 64, 512}, false, {clue, "short"});
  PageJobResult r = page.Run(Columns(1, kClues));
  const double u = 8.0 / 128, textWidth = 1 - (2 * u + 0.25 * u);
  std::vector<std::string> lines;
  for (const Call& c : page.log.Of("PrintAt"))
    if (c.text != "1." && c.text != "2.") lines.push_back(c.text);
  ASSERT_EQ(lines.size(), 8u);  // seven lines of the long clue, one of the short one
  std::string joined;
  for (int i = 0; i < 7; ++i) {
    EXPECT_LT(lines[i].size() * u, textWidth) << lines[i];
    EXPECT_FALSE(lines[i].empty());
    joined += (i ? " " : "") + lines[i];
  }
  // Nothing is lost or reordered; the eighth line is cut without a warning.
  EXPECT_EQ(clue.rfind(joined, 0), 0u);
  EXPECT_LT(joined.size(), clue.size());
  EXPECT_TRUE(r.fitWarnings.empty());
  EXPECT_EQ(r.values.clues.entries[0].lines, 7);
  // The second entry starts on the row after the first one's seven.
  const std::vector<Call> rows = page.log.Of("PrintAt");
  const auto two =
      std::find_if(rows.begin(), rows.end(), [](const Call& c) { return c.text == "2."; });
  ASSERT_NE(two, rows.end());
  EXPECT_NEAR(two->v[1], 7 * 0.125 + 0.1, kEps);

  // With Make It Fit the font shrinks until the clue needs no more than seven lines.
  page.Object().makeItFit = 1;
  r = page.Run(Columns(1, kClues));
  EXPECT_TRUE(r.fitWarnings.empty());
  EXPECT_LT(page.Object().fittedFontSize, 8);
  EXPECT_LE(r.values.clues.entries[0].lines, 7);
}

TEST(ClueList, EntriesMoveToTheNextColumnAndThoseBeyondTheLastAreLeftOutWithAWarning) {
  // Two rows per column, two columns: entries of one line each fill (1,1) (1,2) (2,1) (2,2).
  ListPage page(Numbered("W", 5), {0, 0, 512, 16}, false, std::vector<std::string>(5, "x"));
  const PageJobResult r = page.Run(Columns(2, kClues));
  EXPECT_EQ(r.values.clues.fitting, 4);
  ASSERT_EQ(r.fitWarnings.size(), 1u);
  EXPECT_EQ(r.fitWarnings[0].rfind("Puzzle Clues would not fit in allocated space.  ", 0), 0u);
  const std::vector<Call> rows = page.log.Of("PrintAt");
  ASSERT_EQ(rows.size(), 8u);
  const ClueListValues& v = r.values.clues;
  EXPECT_NEAR(rows[4].v[0], v.indent + v.numberWidth + v.gap + v.textWidth, kEps);  // "3."
}

TEST(ClueList, AnEmptyClueWithoutAnswerOrUnderscoresWarnsButShrinksNothing) {
  ListPage page({"ANT", "BEE"}, {0, 0, 256, 256}, true, {"", "It buzzes"});
  PageJobResult r = page.Run(Columns(1, kClues));
  ASSERT_EQ(r.fitWarnings.size(), 1u);
  EXPECT_EQ(r.fitWarnings[0].rfind("Puzzle Clues would not fit in allocated space.  ", 0), 0u);
  // A smaller font cannot give the clue a text, so the list keeps its size and prints as it is.
  EXPECT_EQ(page.Object().fittedFontSize, 8);
  EXPECT_EQ(page.log.Printed(), (std::vector<std::string>{"1.", "", "2.", "It buzzes"}));

  // The word in the answer key or as underscores is text enough.
  PrintOptions o = Columns(1, kClues);
  o.clueUnderscore = true;
  EXPECT_TRUE(page.Run(o).fitWarnings.empty());
  o.clueUnderscore = false;
  o.answerKey = true;
  EXPECT_TRUE(page.Run(o).fitWarnings.empty());
}

TEST(Lists, WordAndClueListsDrawTheirBorderOnThePageAndInTheMetafile) {
  ListPage page({"ANT", "BEE"}, {64, 64, 128, 128}, false, {"six legs", "It buzzes"});
  page.Object().border = 1;
  page.Object().borderWidth = 2;
  page.Object().borderColor = 0x0000FF;  // red
  for (long form : {kNormalWords, kScrambledWords, kClues}) {
    SCOPED_TRACE(form);
    const PageJobResult r = page.Run(Columns(1, form));
    CallLog meta(96);
    DrawKeptPage(*page.puzzle, Columns(1, form), r.values, meta);
    for (const CallLog* log : {&page.log, &meta}) {
      // Two closed outlines, the second one pixel further out, in the border's colour.
      const std::vector<Call> moves = log->Of("MoveTo");
      ASSERT_EQ(moves.size(), 2u);
      EXPECT_EQ(log->Of("LineTo").size(), 8u);
      EXPECT_NEAR(moves[0].v[0], 1, kEps);
      EXPECT_NEAR(moves[1].v[0], 1 - 1 / log->XDpi(), kEps);
      EXPECT_EQ(log->Of("SetPenColor").back().color, QColor(Qt::red));
    }
  }
}

// A page with one text object.
struct TextPage {
  TextPage(const std::string& text, LayoutBounds bounds, bool fit, int alignment = 1) {
    puzzle = test::PagePuzzle();
    LayoutObject& o =
        test::AddObject(*puzzle, kKindText, bounds.left, bounds.top, bounds.right, bounds.bottom);
    SetObjectText(o, text);
    o.fontSize = 8;
    o.makeItFit = fit;
    o.alignment = static_cast<int16_t>(alignment);
    o.border = 0;
    result = RunPageJob(*puzzle, PrintOptions{}, log);
  }
  std::unique_ptr<PuzzleRecord> puzzle;
  CallLog log;
  PageJobResult result;
};

TEST(TextObject, ALineBreakStartsANewLineEvenWhenMoreWouldFit) {
  TextPage page("AAA BBB\r\nCC DD\nEE", {0, 0, 640, 640}, false);
  EXPECT_EQ(page.log.Printed(), (std::vector<std::string>{"AAA BBB", "CC DD", "EE"}));
  const std::vector<TextValues::Line>& lines = page.result.values.texts.at(0).lines;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_FALSE(lines[0].forcedBreak);
  EXPECT_TRUE(lines[1].forcedBreak);
  EXPECT_EQ(lines[1].chars, 7);  // CR LF and "CC DD"
  const std::vector<Call> rows = page.log.Of("PrintAt");
  EXPECT_NEAR(rows[2].v[1], 2 * 0.125 + 0.1, kEps);
}

TEST(TextObject, WordsWrapToTheBoxWidthAndAlignWithinIt) {
  // 16 characters per inch at 8 points: "AAAA BBBB" is 9/16 inch, wider than a half-inch box.
  for (int alignment : {1, 2, 3}) {
    TextPage page("AAAA BBBB CC", {0, 0, 32, 64}, false, alignment);
    EXPECT_EQ(page.log.Printed(), (std::vector<std::string>{"AAAA", "BBBB CC"}));
    const std::vector<Call> rows = page.log.Of("PrintAt");
    const double w0 = 4.0 / 16, w1 = 7.0 / 16;
    const double expect0 = alignment == 1 ? 0 : alignment == 2 ? (0.5 - w0) / 2 : 0.5 - w0;
    const double expect1 = alignment == 1 ? 0 : alignment == 2 ? (0.5 - w1) / 2 : 0.5 - w1;
    EXPECT_NEAR(rows[0].v[0], expect0, kEps);
    EXPECT_NEAR(rows[1].v[0], expect1, kEps);
    EXPECT_TRUE(page.result.fitWarnings.empty());
  }
}

TEST(TextObject, TextThatDoesNotFitWarnsAndMakeItFitShrinksIt) {
  const std::string text = "one two three four five six";
  TextPage tooSmall(text, {0, 0, 32, 16}, false);  // two lines of 1/8 inch, 8 characters
  ASSERT_EQ(tooSmall.result.fitWarnings.size(), 1u);
  EXPECT_EQ(tooSmall.result.fitWarnings[0].rfind("Text would not fit in allocated space.  ", 0),
            0u);
  EXPECT_EQ(tooSmall.log.Printed().size(), 2u);  // only the rows within the box

  TextPage fitted(text, {0, 0, 32, 16}, true);
  EXPECT_TRUE(fitted.result.fitWarnings.empty());
  EXPECT_LT(fitted.puzzle->pageLayout.objects[0].fittedFontSize, 8);
  std::string joined;
  for (const std::string& line : fitted.log.Printed()) joined += (joined.empty() ? "" : " ") + line;
  EXPECT_EQ(joined, text);
}

TEST(TextObject, TheMetafileModeReusesEachTextsKeptLinesByItsRunningNumber) {
  auto puzzle = test::PagePuzzle();
  puzzle->title.Set("Title");
  LayoutObject& title = test::AddObject(*puzzle, kKindTitle, 0, 0, 512, 64);
  title.alignment = 3;
  const char* const texts[] = {"first text wraps here", "second\r\ntext"};
  for (int i = 0; i < 2; ++i) {
    LayoutObject& o = test::AddObject(*puzzle, kKindText, 0, 100 + 100 * i, 64, 190 + 100 * i);
    SetObjectText(o, texts[i]);
    o.fontSize = 10;
    o.alignment = 2;
  }
  CallLog page;
  const PageJobResult r = RunPageJob(*puzzle, PrintOptions{}, page);
  ASSERT_EQ(r.values.texts.size(), 2u);

  CallLog meta(96);
  DrawKeptPage(*puzzle, PrintOptions{}, r.values, meta);
  EXPECT_EQ(meta.Printed(), page.Printed());
  const std::vector<Call> tops = meta.Of("PrintTopLeft");
  ASSERT_GE(tops.size(), 4u);
  // The title: right-aligned, its top half its height above the box's middle, in pixels.
  const int height = static_cast<int>(std::lround(title.fittedFontSize / 64.0 * 96));
  EXPECT_NEAR(tops[0].v[1] * 96, 48 - height / 2, 1e-6);
  EXPECT_NEAR(tops[0].v[0] * 96 + std::lround(5 * title.fittedFontSize / 128.0 * 96), 768, 1e-6);
  // Text lines follow each other by the height of a line, from the box's top pixel.
  const int line = static_cast<int>(std::lround(10 / 64.0 * 96));
  EXPECT_NEAR(tops[2].v[1] * 96 - tops[1].v[1] * 96, line, 1e-6);
  EXPECT_NEAR(tops[1].v[1] * 96, 150, 1e-6);
}

TEST(Lists, TheMetafileModeRedrawsTheKeptLayoutWithoutMeasuringAgain) {
  ListPage page(Numbered("W", 12), {0, 0, 256, 40}, true,
                std::vector<std::string>(12, "a clue of some words"));
  for (long form : {kNormalWords, kClues}) {
    SCOPED_TRACE(form);
    const PageJobResult r = page.Run(Columns(2, form));
    CallLog meta(96);
    meta.width = [](const std::string&, int) { return 100.0; };  // would spoil any new fit
    DrawKeptPage(*page.puzzle, Columns(2, form), r.values, meta);
    EXPECT_EQ(meta.Printed(), page.log.Printed());
    ASSERT_EQ(meta.Of("SetFont").size(), 1u);
    EXPECT_EQ(meta.Of("SetFont")[0].font.size, page.Object().fittedFontSize);
    // Rows by their top edge, at the same x as on the page, in whole pixels.
    const std::vector<Call> tops = meta.Of("PrintTopLeft"), bases = page.log.Of("PrintAt");
    ASSERT_EQ(tops.size(), bases.size());
    const double h = form == kClues ? r.values.clues.rowHeight : r.values.words.rowHeight;
    for (size_t i = 0; i < tops.size(); ++i) {
      EXPECT_NEAR(tops[i].v[0] * 96, std::floor(bases[i].v[0] * 96 + 1e-6), 1e-6);
      EXPECT_NEAR(tops[i].v[1] * 96, std::floor((bases[i].v[1] - 0.8 * h) * 96 + 1e-6), 1e-6);
    }
  }
}

}  // namespace
}  // namespace gw
