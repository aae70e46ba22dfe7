// The page job: options, paper, what is drawn for which option, bitmaps, warnings, cancelling.
#include <gtest/gtest.h>

#include <QImage>

#include "base/TextUtils.h"
#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::Call;
using test::CallLog;

constexpr double kEps = 1e-9;

TEST(PageJob, TheLayoutOverridesTheSavedGridCaseAndColumnOptions) {
  SettingsValues settings = SettingsValues::Defaults({});
  settings.useGrid = true;
  settings.lowerCase = false;
  settings.numColumns = 5;
  settings.wordOption = kPartialWords;
  PrintOptions o = PrintOptionsFrom(settings);
  EXPECT_EQ(o.wordOption, kPartialWords);

  auto puzzle = test::PagePuzzle();
  LayoutObject& grid = test::AddObject(*puzzle, kKindPuzzle, 0, 0, 64, 64);
  grid.optionA = 0;
  grid.lowerCase = 1;
  ApplyLayoutDefaults(puzzle->pageLayout, o);
  EXPECT_FALSE(o.useGrid);
  EXPECT_TRUE(o.lowerCase);
  EXPECT_EQ(o.numColumns, 5);  // no words object: the saved count stays
  test::AddObject(*puzzle, kKindWords, 0, 64, 64, 128).columns = 2;
  ApplyLayoutDefaults(puzzle->pageLayout, o);
  EXPECT_EQ(o.numColumns, 2);
}

TEST(PageJob, PaperComesFromTheLayoutsNameOrItsOwnSize) {
  PageLayout l{};
  SetPaper(l, *FindPaper("A4"), false);
  PagePaper p = PaperOfLayout(l);
  EXPECT_EQ(p.code, 9);
  EXPECT_NEAR(p.width, 29.7 / 2.54, 1e-9);  // landscape
  EXPECT_NEAR(p.height, 21 / 2.54, 1e-9);

  SetPaper(l, *FindPaper("Executive"), true);
  p = PaperOfLayout(l);
  EXPECT_EQ(p.code, 7);
  EXPECT_EQ(p.width, 7.25);

  l.paperName.Set("Custom");
  l.inches = 0;
  l.pageWidth = 30;
  l.pageHeight = 20;
  l.portrait = 0;
  p = PaperOfLayout(l);
  EXPECT_EQ(p.code, 0);
  EXPECT_NEAR(p.width, 30 / 2.54, 1e-9);  // already oriented: not swapped again
  EXPECT_NEAR(p.height, 20 / 2.54, 1e-9);

  l.paperName.Set("Letter ");  // not one of the names: its own size
  l.inches = 1;
  l.pageWidth = 5;
  l.pageHeight = 7;
  EXPECT_EQ(PaperOfLayout(l).code, 0);
  l.pageWidth = -1;  // a damaged size prints on Letter
  p = PaperOfLayout(l);
  EXPECT_EQ(p.code, 1);
  EXPECT_EQ(p.width, 11);
  // So does a page larger than any the designer makes (100 inches would take gigabytes as an
  // image), and in centimetres on A4, as the designer opens such a record.
  l.pageWidth = l.pageHeight = 100;
  EXPECT_EQ(PaperOfLayout(l).code, 1);
  l.pageWidth = 12;
  l.pageHeight = 18.5;
  EXPECT_EQ(PaperOfLayout(l).code, 1);
  l.pageHeight = 18;
  EXPECT_EQ(PaperOfLayout(l).code, 0);
  l.inches = 0;
  l.pageWidth = 254;
  p = PaperOfLayout(l);
  EXPECT_EQ(p.code, 9);
  EXPECT_NEAR(p.width, 29.7 / 2.54, 1e-9);
}

// Every kind of object once, each with a recognisable text or colour.
std::unique_ptr<PuzzleRecord> FullPage() {
  auto p = test::PagePuzzle(3, 3);
  test::SetWords(*p, {"ANT", "BEE"}, {"small", "buzzy"});
  p->bonusQuestion.Set("Which bug stings?");
  test::AddObject(*p, kKindTitle, 0, 0, 512, 32);
  test::AddObject(*p, kKindPuzzle, 0, 64, 192, 256);
  test::AddObject(*p, kKindWords, 256, 64, 512, 256);
  test::AddObject(*p, kKindBonus, 0, 300, 512, 332);
  SetObjectText(test::AddObject(*p, kKindText, 0, 400, 512, 432), "Free text");
  test::AddObject(*p, kKindRectangle, 0, 500, 64, 564).fillColor = 0x00FF00;
  test::AddObject(*p, kKindCircle, 100, 500, 164, 564).optionB = 1;
  p->pageLayout.objects[5].optionB = 1;
  return p;
}

TEST(PageJob, EachPartPrintsOnlyWhenAskedAndShapesAndTextAlways) {
  struct Case {
    bool title, body, words, bonus;
  } cases[] = {{true, true, true, true}, {false, true, false, true}, {true, false, true, false}};
  for (const Case& c : cases) {
    auto p = FullPage();
    PrintOptions o;
    o.printTitle = c.title;
    o.printBody = c.body;
    o.printWords = c.words;
    o.printBonus = c.bonus;
    CallLog log;
    const PageJobResult r = RunPageJob(*p, o, log);
    ASSERT_TRUE(r.ran);
    const std::vector<std::string> printed = log.Printed();
    auto has = [&](const std::string& t) {
      return std::find(printed.begin(), printed.end(), t) != printed.end();
    };
    EXPECT_EQ(has("Test Page"), c.title);
    EXPECT_EQ(has("ANT"), c.words);
    EXPECT_EQ(has("Which bug stings?"), c.bonus);
    EXPECT_EQ(log.Of("PrintAt").size(), (c.title ? 1u : 0u) + (c.body ? 9u : 0u) +
                                            (c.words ? 2u : 0u) + (c.bonus ? 1u : 0u) + 1u);
    EXPECT_TRUE(has("Free text"));
    // The rectangle's green fill and the circle's white ellipse are always there.
    EXPECT_EQ(log.Of("Ellipse").size(), 1u);
    bool green = false;
    for (const Call& call : log.Of("SetBrushColor"))
      green = green || call.color == QColor(Qt::green);
    EXPECT_TRUE(green);
  }
}

TEST(PageJob, AnEmptyBonusQuestionPrintsNothingNotEvenItsBorder) {
  auto p = test::PagePuzzle();
  LayoutObject& bonus = test::AddObject(*p, kKindBonus, 0, 0, 512, 32);
  ASSERT_TRUE(bonus.border);
  CallLog log;
  RunPageJob(*p, PrintOptions{}, log);
  EXPECT_TRUE(log.calls.empty());
  p->bonusQuestion.Set("Why?");
  RunPageJob(*p, PrintOptions{}, log);
  EXPECT_EQ(log.Printed(), std::vector<std::string>{"Why?"});
  EXPECT_EQ(log.Of("LineTo").size(), 4u);
  EXPECT_EQ(ObjectText(p->pageLayout.objects[0]), "Why?");
}

TEST(PageJob, NoColumnsRefusesAndUnknownKindsAreSkipped) {
  auto p = FullPage();
  PrintOptions o;
  o.numColumns = 0;
  CallLog log;
  PageJobResult r = RunPageJob(*p, o, log);
  EXPECT_FALSE(r.ran);
  EXPECT_EQ(r.refusal, "Invalid number of columns specified.");
  EXPECT_TRUE(log.calls.empty());

  for (int i = 0; i < p->pageLayout.objectCount; ++i) p->pageLayout.objects[i].kind = 5;
  r = RunPageJob(*p, PrintOptions{}, log);
  EXPECT_TRUE(r.ran);
  EXPECT_TRUE(log.calls.empty());
}

TEST(PageJob, TheTitleIsCentredOnTheMiddleOfItsBoxAndShrinksToFit) {
  auto p = test::PagePuzzle();
  p->title.Set("ABCDEFGH");                                                // 8 characters
  LayoutObject& title = test::AddObject(*p, kKindTitle, 64, 64, 128, 96);  // 1 x 0.5 inch
  title.fontSize = 20;
  title.border = 0;
  CallLog log;
  RunPageJob(*p, PrintOptions{}, log);
  // Shrinks while 8 characters are at least an inch wide: 8 * n / 128 < 1 from 15 points.
  EXPECT_EQ(title.fittedFontSize, 15);
  const Call text = log.Of("PrintAt").at(0);
  EXPECT_NEAR(text.v[0], 1 + (1 - 8 * 15 / 128.0) / 2, kEps);
  EXPECT_NEAR(text.v[1], 1.25 + (log.Ascent() - log.Descent()) / 2, kEps);
}

TEST(PageJob, BordersAreOneDevicePixelFurtherOutPerPass) {
  auto p = test::PagePuzzle();
  LayoutObject& box = test::AddObject(*p, kKindRectangle, 64, 64, 128, 128);
  box.borderWidth = 2;
  box.borderColor = 0xFF0000;  // blue
  LayoutObject& ring = test::AddObject(*p, kKindCircle, 192, 64, 256, 128);
  ring.borderWidth = 1;
  CallLog log;
  RunPageJob(*p, PrintOptions{}, log);
  const std::vector<Call> moves = log.Of("MoveTo"), arcs = log.Of("Arc");
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_NEAR(moves[1].v[0], 0.99, kEps);  // 100 pixels per inch
  EXPECT_NEAR(moves[1].v[1], 0.99, kEps);
  EXPECT_NEAR(log.Of("LineTo")[5].v[0], 2.01, kEps);
  // The circle's outline: two arcs over the same box that together close it.
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0].v[4], arcs[1].v[6]);
  EXPECT_EQ(arcs[0].v[6], arcs[1].v[4]);
  EXPECT_EQ(log.Of("SetPenColor")[0].color, QColor(Qt::blue));
}

TEST(PageJob, ObjectsFarBeyondThePageAreDrawnNoFurtherThanAPageAway) {
  // Records from outside may hold any coordinate: here edges at the ends of their range.
  auto p = FullPage();
  p->title.Set("Far away");
  constexpr int32_t kFar = 2147483647;
  for (int i = 0; i < p->pageLayout.objectCount; ++i) {
    LayoutObject& o = p->pageLayout.objects[i];
    o.alignment = 2;
    o.border = 1;
    o.bounds = i % 2 ? LayoutBounds{-kFar - 1, 0, 64, kFar} : LayoutBounds{64, -kFar - 1, kFar, 64};
  }
  CallLog page;
  const PageJobResult r = RunPageJob(*p, PrintOptions{}, page);
  CallLog meta(96);
  DrawKeptPage(*p, PrintOptions{}, r.values, meta);
  for (const CallLog* log : {&page, &meta}) {
    ASSERT_FALSE(log->Printed().empty());
    for (const Call& c : log->calls)
      for (size_t k = 0; k < c.v.size(); ++k) {
        const double reach = k % 2 ? 11 : 8.5;
        EXPECT_GE(c.v[k], -reach - 1) << c.op;
        EXPECT_LE(c.v[k], 2 * reach + 1) << c.op;
      }
  }
}

TEST(PageJob, BitmapsTileTheWholePageOrStretchIntoTheirBoxAndMissingOnesWarn) {
  test::TempDir dir;
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("tile.png"))));
  test::WriteText(dir.File("broken.bmp"), "not a picture");

  auto p = test::PagePuzzle();
  LayoutObject& tile = test::AddObject(*p, kKindBitmap, 64, 64, 64 + 128, 64 + 192);  // 2 x 3
  tile.bitmapFile.Set(dir.File("tile.png"));
  tile.optionA = 1;
  CallLog log;
  PageJobResult r = RunPageJob(*p, PrintOptions{}, log);
  EXPECT_TRUE(r.bitmapWarning.empty());
  const std::vector<Call> tiles = log.Of("StretchBitmap");
  ASSERT_EQ(tiles.size(), 5u * 4);  // 8.5 / 2 and 11 / 3 rounded up
  EXPECT_NEAR(tiles[0].v[0], 0, kEps);
  EXPECT_NEAR(tiles[19].v[2], 10, kEps);
  EXPECT_NEAR(tiles[19].v[3], 12, kEps);
  EXPECT_TRUE(log.Of("LineTo").empty());  // tiles have no border

  tile.optionA = 0;
  tile.border = 1;
  log = CallLog();
  r = RunPageJob(*p, PrintOptions{}, log);
  ASSERT_EQ(log.Of("StretchBitmap").size(), 1u);
  EXPECT_NEAR(log.Of("StretchBitmap")[0].v[3], 4, kEps);
  EXPECT_EQ(log.Of("LineTo").size(), 4u);

  for (const std::string& file : {dir.File("gone.bmp"), dir.File("broken.bmp")}) {
    tile.bitmapFile.Set(file);
    log = CallLog();
    r = RunPageJob(*p, PrintOptions{}, log);
    EXPECT_EQ(r.bitmapWarning, "One or more bitmaps in the layout design could not be located.");
    EXPECT_TRUE(log.Of("StretchBitmap").empty());
    EXPECT_EQ(log.Of("LineTo").size(), 4u);  // the border of the empty picture still prints
  }
}

TEST(PageJob, FitWarningsComeCluesFirstThenOneForAllTexts) {
  auto p = test::PagePuzzle();
  test::SetWords(*p, {"ANT", "BEE", "CAT"}, {"a", "b", "c"});
  for (int i = 0; i < 2; ++i) {
    LayoutObject& t = test::AddObject(*p, kKindText, 0, 100 * i, 64, 100 * i + 1);
    SetObjectText(t, "too much text for a tiny box");
    t.makeItFit = 0;
  }
  LayoutObject& words = test::AddObject(*p, kKindWords, 0, 300, 512, 301);
  words.makeItFit = 0;
  PrintOptions o;
  o.wordOption = kClues;
  CallLog log;
  const PageJobResult r = RunPageJob(*p, o, log);
  ASSERT_EQ(r.fitWarnings.size(), 2u);
  EXPECT_EQ(r.fitWarnings[0].rfind("Puzzle Clues", 0), 0u);
  EXPECT_EQ(r.fitWarnings[1].rfind("Text would not fit", 0), 0u);
  EXPECT_EQ(r.values.texts.size(), 2u);
}

TEST(PageJob, ACancelledJobStopsBetweenObjectsAndWarnsOfNothing) {
  auto p = FullPage();
  int asked = 0;
  CallLog log;
  const PageJobResult r = RunPageJob(*p, PrintOptions{}, log, [&] { return ++asked > 2; });
  EXPECT_TRUE(r.cancelled);
  EXPECT_TRUE(r.fitWarnings.empty());
  // Title and grid only.
  EXPECT_EQ(log.Of("PrintAt").size(), 1u + 9u);
}

}  // namespace
}  // namespace gw
