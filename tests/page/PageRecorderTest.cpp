// The report stream: a recorded page replays to the same pixels and the same stream, pages keep
// their sizes, and damaged streams are refused without harm.
#include <gtest/gtest.h>

#include <QPainter>

#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "page/PageDocuments.h"
#include "page/PageRecorder.h"
#include "page/PainterTarget.h"
#include "support/TempDir.h"

namespace gw {
namespace {

// A page with every kind of drawing call: letters, answer key arcs, phrase circles, opaque
// text, fills, borders, a tiled picture.
std::unique_ptr<PuzzleRecord> BusyPage(const std::string& pictureFile) {
  auto p = test::PagePuzzle(6, 6);
  test::SetWords(*p, {"ABC", "DEF"}, {"first clue", "second clue"});
  p->wordStart[1] = static_cast<int16_t>(CellIndex(2, 2));
  p->wordEnd[1] = static_cast<int16_t>(CellIndex(5, 5));
  p->Letter(CellIndex(6, 6)) = ' ';
  p->Fill(CellIndex(6, 6)) = 'Z';
  p->hiddenPhraseUsed = 1;
  LayoutObject& bitmap = test::AddObject(*p, kKindBitmap, 0, 0, 200, 150);
  bitmap.bitmapFile.Set(pictureFile);
  bitmap.optionA = 1;
  test::AddObject(*p, kKindTitle, 0, 0, 512, 40).optionA = 0;  // opaque
  LayoutObject& grid = test::AddObject(*p, kKindPuzzle, 32, 64, 288, 320);
  grid.lineWidth = 2;
  grid.backgroundColor = 0xE0FFFF;
  test::AddObject(*p, kKindWords, 320, 64, 512, 320);
  test::AddObject(*p, kKindCircle, 32, 400, 160, 480).optionB = 1;
  return p;
}

PrintOptions KeyWithGrid() {
  PrintOptions o;
  o.answerKey = true;
  o.useGrid = true;
  o.wordOption = kClues;
  return o;
}

QImage Blank(double dpi) {
  QImage image(static_cast<int>(8.5 * dpi), static_cast<int>(11 * dpi), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(ReportStream, AReplayedPageMatchesTheDirectDrawingPixelForPixel) {
  test::TempDir dir;
  QImage tile(3, 3, QImage::Format_RGB32);
  tile.fill(QColor(200, 220, 255));
  ASSERT_TRUE(tile.save(QString::fromStdString(dir.File("tile.png"))));
  auto direct = BusyPage(dir.File("tile.png"));
  auto recorded = BusyPage(dir.File("tile.png"));

  const double dpi = 72;
  QImage drawn = Blank(dpi), replayed = Blank(dpi);
  {
    QPainter painter(&drawn);
    PainterTarget target(painter, 8.5, 11, dpi, dpi);
    RunPageJob(*direct, KeyWithGrid(), target);
  }
  PageRecorder filer(8.5, 11, dpi, dpi);
  const PageJobResult r = RunPageJob(*recorded, KeyWithGrid(), filer);
  ASSERT_TRUE(r.bitmapWarning.empty());
  {
    QPainter painter(&replayed);
    PainterTarget target(painter, 8.5, 11, dpi, dpi);
    ASSERT_TRUE(ReplayReport(filer.Stream(), 0, target));
  }
  EXPECT_TRUE(drawn == replayed);
  EXPECT_NE(drawn, Blank(dpi));

  // Replayed into another recorder, the stream comes out byte for byte the same.
  PageRecorder again(8.5, 11, dpi, dpi);
  ASSERT_TRUE(ReplayReport(filer.Stream(), 0, again));
  EXPECT_EQ(again.Stream(), filer.Stream());
}

TEST(ReportStream, PagesKeepTheirSizesAndReplayOneAtATime) {
  PageRecorder filer(8.5, 11, 300, 300);
  filer.PrintAt(1, 1, "first");
  filer.NewPage(11, 8.5);
  filer.SetFont({"Courier New", 14, Qt::red, true, false, true, false});
  filer.PrintAt(2, 2, "second");
  filer.Ellipse(1, 1, 2, 2);

  const std::optional<ReportStreamInfo> info = ReadReportInfo(filer.Stream());
  ASSERT_TRUE(info);
  EXPECT_EQ(info->xDpi, 300);
  ASSERT_EQ(info->pages.size(), 2u);
  EXPECT_EQ(info->pages[1], QSizeF(11, 8.5));

  test::CallLog log;
  ASSERT_TRUE(ReplayReport(filer.Stream(), 1, log));
  EXPECT_EQ(log.Printed(), std::vector<std::string>{"second"});
  EXPECT_EQ(log.Of("SetFont").at(0).font,
            (ReportFont{"Courier New", 14, Qt::red, true, false, true, false}));
  EXPECT_EQ(log.Of("Ellipse").size(), 1u);
  EXPECT_FALSE(ReplayReport(filer.Stream(), 2, log));
  EXPECT_FALSE(ReplayReport(filer.Stream(), -1, log));
}

TEST(ReportStream, DamagedStreamsAreRefusedWithoutHarm) {
  auto p = test::PagePuzzle();
  test::AddObject(*p, kKindPuzzle, 0, 0, 128, 128);
  PageRecorder filer(8.5, 11, 100, 100);
  RunPageJob(*p, PrintOptions{}, filer);
  const QByteArray whole = filer.Stream();
  ASSERT_GT(whole.size(), 100);

  test::CallLog log;
  EXPECT_FALSE(ReplayReport(QByteArray(), 0, log));
  EXPECT_FALSE(ReadReportInfo("not a report stream at all"));
  // Cut anywhere: never more than the whole page, and a cut inside an operation is noticed.
  for (qsizetype n = 0; n < whole.size(); n += 7) {
    log.calls.clear();
    ReplayReport(whole.left(n), 0, log);
    EXPECT_LE(log.calls.size(), 300u);
  }
  EXPECT_FALSE(ReadReportInfo(whole.left(whole.size() - 3)));
  // A text whose length claims more than the stream holds: header (22 bytes), page (17), the
  // operation and its point (17), then the length.
  PageRecorder one(8.5, 11, 100, 100);
  one.PrintAt(1, 1, "hello");
  ASSERT_EQ(one.Stream().size(), 22 + 17 + 17 + 4 + 5);
  QByteArray lying = one.Stream().left(56);
  lying.append(QByteArray("\x7f\xff\xff\xff", 4));
  lying.append("AB");
  log.calls.clear();
  EXPECT_FALSE(ReplayReport(lying, 0, log));
  EXPECT_TRUE(log.calls.empty());
  EXPECT_FALSE(ReadReportInfo(lying));
}

TEST(PageDocuments, QtPagesHaveTheSizeTheLayoutIsDrawnFor) {
  for (const PaperSize& standard : StandardPapers())
    for (bool portrait : {true, false}) {
      SCOPED_TRACE(standard.name);
      PageLayout l{};
      SetPaper(l, standard, portrait);
      const PagePaper paper = PaperOfLayout(l);
      const QRectF page = QtPageLayout(paper).fullRect(QPageLayout::Inch);
      EXPECT_NEAR(page.width(), paper.width, 0.01);
      EXPECT_NEAR(page.height(), paper.height, 0.01);
      EXPECT_EQ(QtPageLayout(paper).margins(), QMarginsF(0, 0, 0, 0));
    }
}

TEST(PageDocuments, ImagesHaveThePageSizeAtTheirResolution) {
  auto p = test::PagePuzzle();
  test::AddObject(*p, kKindPuzzle, 0, 0, 128, 128);
  PageJobResult r;
  const QImage image = ImageOfPage(*p, PrintOptions{}, 50, r);
  EXPECT_EQ(image.size(), QSize(425, 550));
  SetPaper(p->pageLayout, *FindPaper("Legal"), false);
  EXPECT_EQ(ImageOfPage(*p, PrintOptions{}, 50, r).size(), QSize(700, 425));
  const QByteArray png = PngOfImage(image);
  QImage back;
  ASSERT_TRUE(back.loadFromData(png, "PNG"));
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
}

}  // namespace
}  // namespace gw
