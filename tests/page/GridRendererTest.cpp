// The puzzle grid drawn through a recording target: geometry, shapes, lines, fonts, answer key.
#include <gtest/gtest.h>

#include <map>

#include "page/CallLog.h"

namespace gw {
namespace {

using test::Call;
using test::CallLog;

constexpr double kEps = 1e-9;

struct Drawn {
  std::unique_ptr<PuzzleRecord> puzzle;
  CallLog log;
  PageJobResult result;
};

// A page with only a puzzle object at `bounds` (64ths of an inch), drawn with `options`.
void Draw(Drawn& d, const LayoutBounds& bounds, const PrintOptions& options,
          const std::function<void(PuzzleRecord&, LayoutObject&)>& setUp = {}) {
  if (!d.puzzle) d.puzzle = test::PagePuzzle();
  LayoutObject& grid =
      test::AddObject(*d.puzzle, kKindPuzzle, bounds.left, bounds.top, bounds.right, bounds.bottom);
  if (setUp) setUp(*d.puzzle, grid);
  d.result = RunPageJob(*d.puzzle, options, d.log);
}

TEST(GridRenderer, CellsAreSquareAndTheGridIsCentredAlongTheLongerSide) {
  struct Case {
    LayoutBounds bounds;
    double x0, y0;
  } cases[] = {
      {{0, 0, 256, 128}, 1.0, 0.0},  // 4 x 2 inches: cells sized by the height
      {{0, 0, 128, 256}, 0.0, 1.0},  // 2 x 4 inches: cells sized by the width
      {{64, 64, 192, 192}, 1.0, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bounds.right);
    Drawn d;
    Draw(d, c.bounds, PrintOptions{});
    const std::vector<Call> fills = d.log.Of("FillRect");
    ASSERT_EQ(fills.size(), 100u);
    const double s = 0.2;
    for (int i = 0; i < 100; ++i) {
      const int r = i / 10, col = i % 10;
      EXPECT_NEAR(fills[i].v[0], c.x0 + col * s, kEps);
      EXPECT_NEAR(fills[i].v[1], c.y0 + r * s, kEps);
      EXPECT_NEAR(fills[i].v[2] - fills[i].v[0], s, kEps);
      EXPECT_NEAR(fills[i].v[3] - fills[i].v[1], s, kEps);
    }
    // Each letter's cell, from the top of the font to the bottom, sits in the middle of its
    // grid cell.
    const std::vector<Call> letters = d.log.Of("PrintAt");
    ASSERT_EQ(letters.size(), 100u);
    const double ascent = d.log.Ascent(), descent = d.log.Descent();
    for (int i = 0; i < 100; ++i) {
      const int r = i / 10, col = i % 10;
      const double width = d.log.TextWidth(letters[i].text);
      EXPECT_NEAR(letters[i].v[0] + width / 2, c.x0 + (col + 0.5) * s, kEps);
      const double top = letters[i].v[1] - ascent, bottom = letters[i].v[1] + descent;
      EXPECT_NEAR((top + bottom) / 2, c.y0 + (r + 0.5) * s, kEps);
      EXPECT_EQ(letters[i].text[0], d.puzzle->Letter(CellIndex(r + 1, col + 1)));
    }
  }
}

TEST(GridRenderer, CellsOutsideTheShapeGetNoFillNoLinesAndNoLetter) {
  PrintOptions options;
  options.useGrid = true;
  Drawn d;
  d.puzzle = test::PagePuzzle();
  // A diamond: cells whose distance from the middle is at most 4 belong to the shape.
  std::map<std::pair<int, int>, bool> inShape;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 10; ++c) {
      const bool in = std::abs(2 * r - 11) + std::abs(2 * c - 11) <= 9;
      inShape[{r, c}] = in;
      if (!in) d.puzzle->Letter(CellIndex(r, c)) = 0;
    }
  Draw(d, {0, 0, 128, 128}, options);
  const double s = 0.2;
  // Which shape cell a point lies in or on the edge of; {0, 0} when none.
  auto cellOf = [&](double x, double y) -> std::pair<int, int> {
    for (auto [cell, in] : inShape)
      if (in && x >= (cell.second - 1) * s - kEps && x <= cell.second * s + kEps &&
          y >= (cell.first - 1) * s - kEps && y <= cell.first * s + kEps)
        return cell;
    return {0, 0};
  };
  const int count = static_cast<int>(
      std::count_if(inShape.begin(), inShape.end(), [](auto& e) { return e.second; }));
  EXPECT_EQ(static_cast<int>(d.log.Of("FillRect").size()), count);
  EXPECT_EQ(static_cast<int>(d.log.Of("PrintAt").size()), count);
  EXPECT_EQ(static_cast<int>(d.log.Of("MoveTo").size()), count);
  for (const Call& c : d.log.calls)
    if (c.op == "FillRect" || c.op == "MoveTo" || c.op == "LineTo" || c.op == "PrintAt") {
      EXPECT_NE(cellOf(c.v[0], c.v[1]), std::make_pair(0, 0))
          << c.op << " " << c.v[0] << "," << c.v[1];
    }
}

TEST(GridRenderer, TransparentWithoutGridLinesDrawsOnlyTheLetters) {
  Drawn d;
  Draw(d, {0, 0, 128, 128}, PrintOptions{}, [](PuzzleRecord&, LayoutObject& o) { o.optionB = 1; });
  EXPECT_TRUE(d.log.Of("FillRect").empty());
  EXPECT_TRUE(d.log.Of("LineTo").empty());
  EXPECT_EQ(d.log.Of("PrintAt").size(), 100u);
}

TEST(GridRenderer, ThickGridLinesAreDrawnOnePassPerPixelGrowingIntoTheCell) {
  PrintOptions options;
  options.useGrid = true;
  Drawn d;
  d.puzzle = test::PagePuzzle(2, 2);
  Draw(d, {0, 0, 64, 64}, options, [](PuzzleRecord&, LayoutObject& o) {
    o.lineWidth = 3;
    o.gridLineColor = 0x0000FF;  // red
  });
  ASSERT_EQ(d.log.Of("SetPenColor").front().color, QColor(Qt::red));
  const std::vector<Call> moves = d.log.Of("MoveTo"), lines = d.log.Of("LineTo");
  ASSERT_EQ(moves.size(), 4u * 3);
  ASSERT_EQ(lines.size(), 4u * 3 * 4);
  // Cell (1, 2) spans 50..100 by 0..50 pixels at 100 per inch.
  for (int k = 0; k < 3; ++k) {
    const Call& m = moves[3 + k];
    EXPECT_NEAR(m.v[0], (50 + k) / 100.0, kEps);
    EXPECT_NEAR(m.v[1], (0 + k) / 100.0, kEps);
    const Call& corner = lines[(3 + k) * 4 + 1];  // the bottom-right corner of the outline
    EXPECT_NEAR(corner.v[0], (100 - k) / 100.0, kEps);
    EXPECT_NEAR(corner.v[1], (50 - k) / 100.0, kEps);
  }
}

TEST(GridRenderer, TheFontShrinksPointByPointUntilAWFitsButNotBelowFour) {
  struct Case {
    int boxPixels;  // 10 cells across
    int expected;
  } cases[] = {
      {64 * 2, 12},  // 0.2 inch cells: 12 points fits at once (W = 12/128 inch)
      {38, 7},       // 0.059375 inch cells: 7/128 is the first width below
      {6, 4},        // far too small: stops at 4
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.boxPixels);
    Drawn d;
    Draw(d, {0, 0, c.boxPixels, c.boxPixels}, PrintOptions{},
         [](PuzzleRecord&, LayoutObject& o) { o.fontSize = 12; });
    std::vector<int> sizes;
    for (const Call& f : d.log.Of("SetFont")) sizes.push_back(f.font.size);
    ASSERT_FALSE(sizes.empty());
    for (size_t i = 0; i < sizes.size(); ++i) EXPECT_EQ(sizes[i], 12 - static_cast<int>(i));
    EXPECT_EQ(sizes.back(), c.expected);
    EXPECT_EQ(d.puzzle->pageLayout.objects[0].fittedFontSize, c.expected);
  }
}

TEST(GridRenderer, LowerCaseLowersWordAndFillLettersAccentedOnesToo) {
  PrintOptions options;
  options.lowerCase = true;
  Drawn d;
  d.puzzle = test::PagePuzzle(3, 1);
  d.puzzle->Letter(CellIndex(1, 1)) = 0xC9;  // É
  d.puzzle->Letter(CellIndex(1, 2)) = ' ';
  d.puzzle->Fill(CellIndex(1, 2)) = 'Q';
  d.puzzle->Letter(CellIndex(1, 3)) = 'Z';
  Draw(d, {0, 0, 192, 64}, options);
  EXPECT_EQ(d.log.Printed(), (std::vector<std::string>{"\xE9", "q", "z"}));
}

// The capsule table: for each direction the four strokes, in order, named by cell points.
TEST(GridRenderer, AnswerKeyCapsulesFollowTheTableForAllEightDirections) {
  enum P { L_CY, R_CY, CX_T, CX_B };
  struct Row {
    int dr, dc;
    P line1From, line1To, arcSFrom, arcSTo, line2From, line2To, arcEFrom, arcETo;
  } table[] = {
      {-1, 0, L_CY, L_CY, L_CY, R_CY, R_CY, R_CY, R_CY, L_CY},   // 1 up
      {-1, 1, L_CY, CX_T, L_CY, CX_B, CX_B, R_CY, R_CY, CX_T},   // 2 up-right
      {0, 1, CX_T, CX_T, CX_T, CX_B, CX_B, CX_B, CX_B, CX_T},    // 3 right
      {1, 1, L_CY, CX_B, CX_T, L_CY, CX_T, R_CY, CX_B, R_CY},    // 4 down-right
      {1, 0, L_CY, L_CY, R_CY, L_CY, R_CY, R_CY, L_CY, R_CY},    // 5 down
      {1, -1, CX_T, L_CY, R_CY, CX_T, R_CY, CX_B, L_CY, CX_B},   // 6 down-left
      {0, -1, CX_T, CX_T, CX_B, CX_T, CX_B, CX_B, CX_T, CX_B},   // 7 left
      {-1, -1, CX_B, L_CY, CX_B, R_CY, R_CY, CX_T, CX_T, L_CY},  // 8 up-left
  };
  PrintOptions options;
  options.answerKey = true;
  Drawn d;
  d.puzzle = test::PagePuzzle(5, 5);
  std::vector<std::string> words(8, "ABC");
  test::SetWords(*d.puzzle, words);
  for (int i = 0; i < 8; ++i) {
    d.puzzle->wordStart[i] = static_cast<int16_t>(CellIndex(3, 3));
    d.puzzle->wordEnd[i] =
        static_cast<int16_t>(CellIndex(3 + 2 * table[i].dr, 3 + 2 * table[i].dc));
  }
  Draw(d, {0, 0, 64, 64}, options);  // 0.2 inch cells

  auto point = [](int r, int c, P p) -> std::pair<double, double> {
    const double L = (c - 1) * 0.2, T = (r - 1) * 0.2;
    switch (p) {
      case L_CY:
        return {L, T + 0.1};
      case R_CY:
        return {L + 0.2, T + 0.1};
      case CX_T:
        return {L + 0.1, T};
      default:
        return {L + 0.1, T + 0.2};
    }
  };
  // The strokes after the letters: MoveTo, LineTo, Arc, MoveTo, LineTo, Arc per word.
  std::vector<Call> strokes;
  bool afterLetters = false;
  for (const Call& c : d.log.calls) {
    if (c.op == "PrintAt") afterLetters = true;
    if (afterLetters && (c.op == "MoveTo" || c.op == "LineTo" || c.op == "Arc"))
      strokes.push_back(c);
  }
  ASSERT_EQ(strokes.size(), 8u * 6);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE("direction " + std::to_string(i + 1));
    const Row& t = table[i];
    const int er = 3 + 2 * t.dr, ec = 3 + 2 * t.dc;
    const Call* s = &strokes[i * 6];
    auto expectAt = [](const Call& c, size_t at, std::pair<double, double> p) {
      EXPECT_NEAR(c.v[at], p.first, kEps);
      EXPECT_NEAR(c.v[at + 1], p.second, kEps);
    };
    EXPECT_EQ(s[0].op, "MoveTo");
    expectAt(s[0], 0, point(3, 3, t.line1From));
    expectAt(s[1], 0, point(er, ec, t.line1To));
    EXPECT_EQ(s[2].op, "Arc");
    expectAt(s[2], 0, {0.4, 0.4});  // the first cell's box
    expectAt(s[2], 2, {0.6, 0.6});
    expectAt(s[2], 4, point(3, 3, t.arcSFrom));
    expectAt(s[2], 6, point(3, 3, t.arcSTo));
    expectAt(s[3], 0, point(3, 3, t.line2From));
    expectAt(s[4], 0, point(er, ec, t.line2To));
    expectAt(s[5], 0, {(ec - 1) * 0.2, (er - 1) * 0.2});  // the last cell's box
    expectAt(s[5], 2, {ec * 0.2, er * 0.2});
    expectAt(s[5], 4, point(er, ec, t.arcEFrom));
    expectAt(s[5], 6, point(er, ec, t.arcETo));
  }
}

TEST(GridRenderer, PhraseCirclesNeedTheAnswerKeyAndAPhrase) {
  struct Case {
    bool key, phrase;
    size_t circles;
  } cases[] = {{true, true, 3}, {true, false, 0}, {false, true, 0}};
  for (const Case& c : cases) {
    PrintOptions options;
    options.answerKey = c.key;
    Drawn d;
    d.puzzle = test::PagePuzzle(4, 1);
    d.puzzle->hiddenPhraseUsed = c.phrase;
    for (int col = 2; col <= 4; ++col) {
      d.puzzle->Letter(CellIndex(1, col)) = ' ';
      d.puzzle->Fill(CellIndex(1, col)) = 'P';
    }
    Draw(d, {0, 0, 256, 64}, options);
    const std::vector<Call> circles = d.log.Of("Ellipse");
    ASSERT_EQ(circles.size(), c.circles);
    for (size_t i = 0; i < circles.size(); ++i) EXPECT_NEAR(circles[i].v[0], i + 1.0, kEps);
    if (c.circles) {
      // Outlines only, and the brush is solid again afterwards.
      std::vector<int> styles;
      for (const Call& call : d.log.Of("SetBrushStyle")) styles.push_back(call.style);
      EXPECT_EQ(styles.back(), 0);
      EXPECT_EQ(styles[styles.size() - 2], 1);
    }
  }
}

TEST(GridRenderer, OnlyTheWordsBeforeTheTrailingUnplacedOnesAreMarked) {
  PrintOptions options;
  options.answerKey = true;
  Drawn d;
  d.puzzle = test::PagePuzzle(10, 10);
  std::vector<std::string> words;
  for (int i = 0; i < 20; ++i) words.push_back("WORD" + std::to_string(i));
  test::SetWords(*d.puzzle, words);
  for (int i = 0; i < 20; ++i) {
    d.puzzle->wordStart[i] = static_cast<int16_t>(CellIndex(i % 10 + 1, 1));
    d.puzzle->wordEnd[i] = static_cast<int16_t>(CellIndex(i % 10 + 1, 5));
  }
  d.puzzle->wordPlaced[18] = d.puzzle->wordPlaced[19] = 0;
  d.puzzle->wordPlaced[4] = 0;  // an unplaced word among the placed ones is counted but not marked
  Draw(d, {0, 0, 128, 128}, options);
  EXPECT_EQ(d.result.values.printedWords, 18);
  EXPECT_EQ(d.log.Of("Arc").size(), 2u * 17);
}

TEST(GridRenderer, MetafileModePlacesLettersByTheirTopLeftCornerInWholePixels) {
  Drawn d;
  d.puzzle = test::PagePuzzle(3, 3);
  Draw(d, {0, 0, 100, 100}, PrintOptions{},
       [](PuzzleRecord&, LayoutObject& o) { o.fontSize = 80; });
  const int fitted = d.puzzle->pageLayout.objects[0].fittedFontSize;
  ASSERT_LT(fitted, 80);
  // The object's size changes after the page rendering: the metafile keeps the fitted one.
  d.puzzle->pageLayout.objects[0].fontSize = 20;
  CallLog meta(96);
  DrawKeptPage(*d.puzzle, PrintOptions{}, d.result.values, meta);
  const std::vector<Call> fonts = meta.Of("SetFont");
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].font.size, fitted);
  EXPECT_TRUE(meta.Of("PrintAt").empty());
  const std::vector<Call> letters = meta.Of("PrintTopLeft");
  ASSERT_EQ(letters.size(), 9u);
  const double cell = 100.0 / 64 / 3;  // inches
  auto pixel = [](double inches) { return static_cast<int>(inches * 96 + 1e-6); };
  for (int i = 0; i < 9; ++i) {
    const int r = i / 3, col = i % 3;
    const int left = pixel(col * cell), top = pixel(r * cell);
    const int width = pixel((col + 1) * cell) - left, height = pixel((r + 1) * cell) - top;
    const int tw = static_cast<int>(std::lround(meta.TextWidth("A") * 96));
    const int th = static_cast<int>(std::lround(meta.TextHeight("A") * 96));
    EXPECT_NEAR(letters[i].v[0] * 96, left + (width - tw) / 2, 1e-6);
    EXPECT_NEAR(letters[i].v[1] * 96, top + (height - th) / 2, 1e-6);
  }
  for (const Call& fill : meta.Of("FillRect"))
    for (double v : fill.v) EXPECT_NEAR(v * 96, std::round(v * 96), 1e-6);
}

}  // namespace
}  // namespace gw
