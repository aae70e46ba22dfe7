// Page files: BMP and JPEG of the page image, WMF and EMF of the kept page, PDF, PNG and SVG of a
// recorded page; each read back by a program we did not write where one is installed.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QSvgRenderer>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>

#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "page/ImageFiles.h"
#include "page/MetafileTarget.h"
#include "page/PageDocuments.h"
#include "page/PageExport.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::RunShell;

bool Have(const char* program) {
  return RunShell(std::string("command -v ") + program).code == 0;
}

uint32_t U32(const QByteArray& b, int at) {
  uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<uint8_t>(b[at + k]);
  return v;
}
uint16_t U16(const QByteArray& b, int at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) |
                               (static_cast<uint8_t>(b[at + 1]) << 8));
}

// A page with a title of accented letters, a grid with its answer key, the word list and a
// rectangle; the job has run on it, recorded at `dpi`.
struct Page {
  std::unique_ptr<PuzzleRecord> puzzle = test::PagePuzzle(6, 6);
  PrintOptions options;
  FinishedJob job;

  explicit Page(double dpi = 96, const std::string& title = "Caf\xE9 Se\xF1or \x8Cuvre") {
    puzzle->title.Set(title);
    test::SetWords(*puzzle, {"ABC", "DEF"});
    puzzle->wordStart[1] = static_cast<int16_t>(CellIndex(2, 2));
    puzzle->wordEnd[1] = static_cast<int16_t>(CellIndex(5, 5));
    test::AddObject(*puzzle, kKindTitle, 0, 0, 544, 48);
    test::AddObject(*puzzle, kKindPuzzle, 32, 64, 288, 320);
    test::AddObject(*puzzle, kKindWords, 320, 64, 512, 320);
    LayoutObject& box = test::AddObject(*puzzle, kKindRectangle, 32, 400, 160, 480);
    box.optionB = 1;
    box.fillColor = 0x000080;  // dark red
    options.answerKey = true;
    options.useGrid = true;
    Record(dpi);
  }
  void Record(double dpi) {
    job = RecordPage(*puzzle, options, RecordingPage{QSizeF(8.5, 11), dpi});
  }
};

// The EMF records' types in file order, or nothing when the sizes do not add up.
std::vector<uint32_t> EmfRecordTypes(const QByteArray& emf) {
  std::vector<uint32_t> types;
  int at = 0;
  while (at + 8 <= emf.size()) {
    const uint32_t type = U32(emf, at), size = U32(emf, at + 4);
    if (size < 8 || size % 4 || at + static_cast<qsizetype>(size) > emf.size()) return {};
    types.push_back(type);
    at += static_cast<int>(size);
  }
  return at == emf.size() ? types : std::vector<uint32_t>{};
}

TEST(ImageFiles, ABmpHoldsEveryPixelBottomUpInTwentyFourBitsOrInAPalette) {
  QImage image(5, 3, QImage::Format_RGB32);  // 5 pixels: rows padded from 15 to 16 bytes
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(40 * x, 100 * y, 7 + x + y));
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);

  const QByteArray bmp = BmpOfImage(InPixelFormat(image, kTrueColour));
  ASSERT_EQ(bmp.left(2), "BM");
  EXPECT_EQ(U32(bmp, 2), static_cast<uint32_t>(bmp.size()));
  EXPECT_EQ(U32(bmp, 10), 54u);
  EXPECT_EQ(U32(bmp, 18), 5u);
  EXPECT_EQ(U32(bmp, 22), 3u);
  EXPECT_EQ(U16(bmp, 28), 24);
  EXPECT_EQ(U32(bmp, 38), 3780u);
  EXPECT_EQ(bmp.size(), 54 + 3 * 16);
  // The first row stored is the bottom one, blue first.
  EXPECT_EQ(static_cast<uint8_t>(bmp[54]), qBlue(image.pixel(0, 2)));
  EXPECT_EQ(static_cast<uint8_t>(bmp[56]), qRed(image.pixel(0, 2)));
  const QImage back = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(back, image);

  const QImage palette = InPixelFormat(image, kPalette256);
  ASSERT_EQ(palette.format(), QImage::Format_Indexed8);
  const QByteArray bmp8 = BmpOfImage(palette);
  EXPECT_EQ(U16(bmp8, 28), 8);
  EXPECT_EQ(U32(bmp8, 46), 15u);                // its own 15 colours
  EXPECT_EQ(U32(bmp8, 10), 54u + 15 * 4);       // the palette before the pixels
  EXPECT_EQ(bmp8.size(), 54 + 15 * 4 + 3 * 8);  // rows of 5 indices padded to 8
  EXPECT_EQ(QImage::fromData(bmp8, "BMP").convertToFormat(QImage::Format_RGB32), image);
}

TEST(ImageFiles, AnImageOfManyColoursTakesTheNearestOfTheFixedPalette) {
  QImage image(256, 3, QImage::Format_RGB32);
  for (int x = 0; x < 256; ++x) {
    image.setPixel(x, 0, qRgb(x, x, x));          // every grey
    image.setPixel(x, 1, qRgb(x, 255 - x, 128));  // a colour ramp
    image.setPixel(x, 2, qRgb(255, x / 2, 0));
  }
  const QImage p = Palette256(image);
  ASSERT_EQ(p.format(), QImage::Format_Indexed8);
  EXPECT_LE(p.colorCount(), 256);
  for (int x = 0; x < 256; ++x) {
    const QRgb grey = p.pixel(x, 0);
    EXPECT_EQ(qRed(grey), qGreen(grey));
    EXPECT_NEAR(qRed(grey), x, 4) << "grey " << x;  // smoothed text keeps its shades
    for (int y = 1; y < 3; ++y) {
      const QRgb want = image.pixel(x, y), got = p.pixel(x, y);
      EXPECT_NEAR(qRed(got), qRed(want), 26);
      EXPECT_NEAR(qGreen(got), qGreen(want), 26);
      EXPECT_NEAR(qBlue(got), qBlue(want), 26);
    }
  }
}

TEST(Jpeg, DjpegReadsThePictureAtItsSizeAndTheQualityDecidesTheDetail) {
  if (!Have("djpeg")) GTEST_SKIP() << "djpeg (libjpeg-turbo-progs) is not installed";
  test::TempDir dir;
  Page page;
  const QImage image = PageImage(page.job.stream, 0, 50, kScreenDpi, kTrueColour);
  ASSERT_EQ(image.size(), QSize(408, 528));
  for (int quality : {10, 95}) {
    const std::string file = dir.File("q" + std::to_string(quality) + ".jpg");
    ASSERT_TRUE(SaveJpeg(file, image, quality).ok);
    const auto run = RunShell("djpeg -pnm '" + file + "' > '" + file + ".ppm'");
    ASSERT_EQ(run.code, 0) << run.out;
    QImage decoded(QString::fromStdString(file + ".ppm"));
    ASSERT_EQ(decoded.size(), image.size());
    // The filled rectangle stays dark whatever the quality; the page around it white.
    EXPECT_LT(qGray(decoded.pixel(48, 330)), 60);
    EXPECT_GT(qGray(decoded.pixel(200, 500)), 230);
  }
  EXPECT_GT(test::FileSize(dir.File("q95.jpg")), test::FileSize(dir.File("q10.jpg")));
}

TEST(Jpeg, APictureLibjpegRefusesIsReportedAndNothingIsWritten) {
  test::TempDir dir;
  QImage wide(70000, 1, QImage::Format_RGB32);  // beyond the 65500 pixels a JPEG can hold
  wide.fill(Qt::white);
  std::string error;
  EXPECT_FALSE(JpegOfImage(wide, 50, error));
  EXPECT_NE(error.find("65500"), std::string::npos) << error;
  const OpResult saved = SaveJpeg(dir.File("wide.jpg"), wide, 50);
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.caption, "Error");
  EXPECT_NE(saved.message.find(dir.File("wide.jpg")), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
  // The library is usable again afterwards.
  EXPECT_TRUE(JpegOfImage(QImage(8, 8, QImage::Format_RGB32), 50, error));
}

TEST(Metafile, ALetterPageIs816By1056PixelsAndStatesATimesOnePointTwoSize) {
  Page page;
  const QByteArray wmf =
      MetafileOfPage(MetafileKind::Wmf, *page.job.puzzle, page.job.options, page.job.result.values);
  ASSERT_GT(wmf.size(), 40);
  EXPECT_EQ(U32(wmf, 0), 0x9AC6CDD7u);  // placeable header
  EXPECT_EQ(U16(wmf, 10), 816);         // right
  EXPECT_EQ(U16(wmf, 12), 1056);        // bottom
  EXPECT_EQ(U16(wmf, 14), 80);          // units per inch: 816 of them make 10.2 inches
  // The window is the page in pixels.
  bool window = false;
  for (int at = 22 + 18; at + 10 <= wmf.size();) {
    const uint32_t words = U32(wmf, at);
    if (U16(wmf, at + 4) == 0x020C) window = U16(wmf, at + 6) == 1056 && U16(wmf, at + 8) == 816;
    if (words < 3) break;
    at += static_cast<int>(words * 2);
  }
  EXPECT_TRUE(window);

  const QByteArray emf =
      MetafileOfPage(MetafileKind::Emf, *page.job.puzzle, page.job.options, page.job.result.values);
  EXPECT_EQ(U32(emf, 8 + 8), 815u);  // bounds, inclusive
  EXPECT_EQ(U32(emf, 8 + 12), 1055u);
  EXPECT_EQ(U32(emf, 24 + 8), static_cast<uint32_t>(8.5 * 2540 * 1.2));
  EXPECT_EQ(U32(emf, 24 + 12), static_cast<uint32_t>(11 * 2540 * 1.2));
  const uint32_t chars = U32(emf, 60), offset = U32(emf, 64);
  const QString description =
      QString::fromUtf16(reinterpret_cast<const char16_t*>(emf.constData() + offset), chars);
  EXPECT_EQ(description.split(QChar(0)).mid(0, 2),
            QStringList({"Gridwright 98", "Word Search Puzzle"}));
  EXPECT_EQ(U32(emf, 48), static_cast<uint32_t>(emf.size()));
  EXPECT_FALSE(EmfRecordTypes(emf).empty());

  // A4 truncates: 8.27 x 11.69 inches.
  PageValues a4 = page.job.result.values;
  a4.pageWidth = 21 / 2.54;
  a4.pageHeight = 29.7 / 2.54;
  const MetafileSize size = MetafileSizeOf(a4.pageWidth, a4.pageHeight);
  EXPECT_EQ(size.width, 793);
  EXPECT_EQ(size.height, 1122);
}

TEST(Metafile, TextIsMeasuredInWholeScreenPixels) {
  MetafileTarget target(MetafileKind::Emf, 8.5, 11);
  target.SetFont(ReportFont{"Arial", 10});
  const double a = target.TextWidth("W"), b = target.TextWidth("i"), ab = target.TextWidth("Wi");
  EXPECT_DOUBLE_EQ(a * 96, std::round(a * 96));
  EXPECT_DOUBLE_EQ(ab, a + b);
  EXPECT_DOUBLE_EQ(target.TextHeight("x") * 96, std::round(target.TextHeight("x") * 96));
  EXPECT_GT(a, b);
}

TEST(Metafile, AnEmfKeepsAccentedLettersThroughEmf2svg) {
  if (!Have("emf2svg-conv")) GTEST_SKIP() << "emf2svg-conv (emf2svg) is not installed";
  test::TempDir dir;
  Page page;
  ASSERT_TRUE(SaveMetafile(dir.File("page.emf"), MetafileKind::Emf, page.job).ok);
  const auto run = RunShell("emf2svg-conv -i '" + dir.File("page.emf") + "' -o '" +
                            dir.File("page.svg") + "' >/dev/null 2>&1");
  ASSERT_EQ(run.code, 0);
  const std::string svg = test::ReadText(dir.File("page.svg"));
  EXPECT_NE(svg.find("Caf\xC3\xA9 Se\xC3\xB1or \xC5\x92uvre"), std::string::npos);  // UTF-8
  EXPECT_NE(svg.find("CDATA[ABC]"), std::string::npos);
  // The answer key's capsules keep their arcs.
  EXPECT_TRUE(QString::fromStdString(svg).contains(QRegularExpression(R"(d="M [^"]* A )")));
}

TEST(Metafile, AWmfIsReadByLibwmfLetterForLetter) {
  if (!Have("wmf2svg")) GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
  test::TempDir dir;
  Page page;
  ASSERT_TRUE(SaveMetafile(dir.File("page.wmf"), MetafileKind::Wmf, page.job).ok);
  const auto run =
      RunShell("wmf2svg -o '" + dir.File("page.svg") + "' '" + dir.File("page.wmf") + "'");
  ASSERT_EQ(run.code, 0) << run.out;
  // wmf2svg writes one text element per character, in Windows-1252.
  QStringDecoder latin1(QStringDecoder::Latin1);
  const QString svg = latin1(QByteArray::fromStdString(test::ReadText(dir.File("page.svg"))));
  QString letters;
  QRegularExpression text(QStringLiteral(">(.)</text>"));
  for (auto m = text.globalMatch(svg); m.hasNext();) letters += m.next().captured(1);
  EXPECT_TRUE(letters.startsWith(QString::fromUtf8("Caf\xC3\xA9 Se\xC3\xB1or")))
      << letters.left(20).toStdString();
  EXPECT_TRUE(letters.contains(QStringLiteral("ABC")));
  if (Have("wmf2gd")) {
    EXPECT_EQ(RunShell("wmf2gd -o '" + dir.File("page.png") + "' '" + dir.File("page.wmf") +
                       "' >/dev/null 2>&1")
                  .code,
              0);
    EXPECT_FALSE(QImage(QString::fromStdString(dir.File("page.png"))).isNull());
  }
}

TEST(Metafile, ABitmapObjectIsLeftOutAndEverythingElseKept) {
  test::TempDir dir;
  QImage tile(4, 4, QImage::Format_RGB32);
  tile.fill(Qt::red);
  ASSERT_TRUE(tile.save(QString::fromStdString(dir.File("tile.png"))));
  Page plain;
  Page pictured;
  EXPECT_FALSE(LayoutHasBitmap(plain.puzzle->pageLayout));
  test::AddObject(*pictured.puzzle, kKindBitmap, 300, 400, 400, 480)
      .bitmapFile.Set(dir.File("tile.png"));
  pictured.Record(96);
  ASSERT_TRUE(LayoutHasBitmap(pictured.puzzle->pageLayout));

  auto emf = [](const Page& p) {
    return MetafileOfPage(MetafileKind::Emf, *p.job.puzzle, p.job.options, p.job.result.values);
  };
  EXPECT_EQ(emf(pictured), emf(plain));
  const std::vector<uint32_t> types = EmfRecordTypes(emf(pictured));
  ASSERT_FALSE(types.empty());
  for (uint32_t bitmapRecord :
       {76u, 77u, 80u, 81u})  // BITBLT, STRETCHBLT, SETDIBITS, STRETCHDIBITS
    EXPECT_EQ(std::count(types.begin(), types.end(), bitmapRecord), 0);
  EXPECT_GT(std::count(types.begin(), types.end(), 84u), 10);  // EXTTEXTOUTW: the letters
}

TEST(PageExport, AFailedSaveNamesTheFileAndLeavesWhatWasThere) {
  test::TempDir dir;
  Page page;
  const QImage image = PageImage(page.job.stream, 0, 20, kScreenDpi, kTrueColour);
  const std::string gone = dir.File("gone/page.bmp");
  for (const OpResult& r :
       {SaveBitmap(gone, image), SaveJpeg(gone, image, 50),
        SaveMetafile(gone, MetafileKind::Emf, page.job), SavePdf(gone, page.job),
        SavePng(gone, page.job, 0), SaveSvg(gone, page.job, 0)}) {
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.caption, "Error");
    EXPECT_NE(r.message.find(gone), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("No such file or directory"), std::string::npos) << r.message;
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

  // A folder where the file should go stays a folder, with its contents.
  std::filesystem::create_directory(dir.File("taken.bmp"));
  test::WriteText(dir.File("taken.bmp/inside.txt"), "kept");
  EXPECT_FALSE(SaveBitmap(dir.File("taken.bmp"), image).ok);
  EXPECT_EQ(test::ReadText(dir.File("taken.bmp/inside.txt")), "kept");

  // A save over an earlier file replaces it whole, with no sibling left over.
  test::WriteText(dir.File("page.bmp"), std::string(10'000'000, 'x'));
  ASSERT_TRUE(SaveBitmap(dir.File("page.bmp"), image).ok);
  EXPECT_EQ(QImage(QString::fromStdString(dir.File("page.bmp"))).size(), image.size());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

TEST(PageExport, ThePageImageFollowsTheZoomAndThePixelFormat) {
  Page page(300);
  const QImage half = PageImage(page.job.stream, 0, 50, kScreenDpi, kTrueColour);
  EXPECT_EQ(half.size(), QSize(408, 528));
  EXPECT_EQ(half.format(), QImage::Format_RGB888);
  const QImage twice = PageImage(page.job.stream, 0, 200, kScreenDpi, kPalette256);
  EXPECT_EQ(twice.size(), QSize(1632, 2112));
  EXPECT_EQ(twice.format(), QImage::Format_Indexed8);
  EXPECT_TRUE(PageImage(page.job.stream, 1, 100, kScreenDpi, kTrueColour).isNull());
  EXPECT_TRUE(PageImage(QByteArray("not a report"), 0, 100, kScreenDpi, 1).isNull());

  // No image passes 64 million pixels; the highest resolution says where that lies, and there is
  // no image to save beyond it: a failure, never an empty picture.
  EXPECT_EQ(MaxImageDpi(8.5, 11), 827);
  const QImage tooLarge = ImageOfStreamPage(page.job.stream, 0, 828);
  EXPECT_TRUE(tooLarge.isNull());
  test::TempDir dir;
  for (const OpResult& r :
       {SaveBitmap(dir.File("big.bmp"), tooLarge), SaveJpeg(dir.File("big.jpg"), tooLarge, 75)}) {
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("64 million pixels"), std::string::npos) << r.message;
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(PageExport, PdfPngAndSvgComeFromTheRecordedPageAndLookLikeIt) {
  test::TempDir dir;
  Page page(600, "Zoo Page");
  ASSERT_TRUE(SavePng(dir.File("page.png"), page.job, 0).ok);
  EXPECT_EQ(QImage(QString::fromStdString(dir.File("page.png"))).size(),
            QSize(2550, 3300));  // no finer than 300 dpi
  ASSERT_TRUE(SaveSvg(dir.File("page.svg"), page.job, 0).ok);
  const std::string svg = test::ReadText(dir.File("page.svg"));
  EXPECT_NE(svg.find("Zoo Page"), std::string::npos);
  // Vector, in screen pixels, and drawn at that size it looks like the preview at 100 %: the
  // one-dot lines of the grid and its frame stay lines rather than fading to nothing.
  EXPECT_NE(svg.find("width=\"816\""), std::string::npos);
  QSvgRenderer drawing(QByteArray::fromStdString(svg));
  ASSERT_TRUE(drawing.isValid());
  QImage shown(816, 1056, QImage::Format_RGB32);
  shown.fill(Qt::white);
  QPainter painter(&shown);
  drawing.render(&painter);
  painter.end();
  const QImage preview = PageImage(page.job.stream, 0, 100, kScreenDpi, kTrueColour);
  ASSERT_EQ(preview.size(), shown.size());
  auto darkNear = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (shown.valid(x + dx, y + dy) && qGray(shown.pixel(x + dx, y + dy)) < 160) return true;
    return false;
  };
  int dark = 0, matched = 0;
  for (int y = 0; y < preview.height(); ++y)
    for (int x = 0; x < preview.width(); ++x)
      if (qGray(preview.pixel(x, y)) < 128) {
        ++dark;
        matched += darkNear(x, y) ? 1 : 0;
      }
  ASSERT_GT(dark, 1000);
  EXPECT_GT(matched, dark * 95 / 100) << matched << " of " << dark;
  ASSERT_TRUE(SavePdf(dir.File("page.pdf"), page.job).ok);
  if (Have("pdftotext")) {
    const auto text = RunShell("pdftotext '" + dir.File("page.pdf") + "' -");
    EXPECT_NE(text.out.find("Zoo Page"), std::string::npos);
    EXPECT_NE(text.out.find("ABC"), std::string::npos);
  }
  if (Have("pdfinfo")) {
    const auto info = RunShell("pdfinfo '" + dir.File("page.pdf") + "'");
    EXPECT_NE(info.out.find("612 x 792"), std::string::npos) << info.out;  // Letter
  }
}

// The length of the dark run through (x, y) along a row (`across`) or a column, looking up to
// four pixels either side for its start.
int DarkRun(const QImage& image, int x, int y, bool across) {
  auto dark = [&](int i) {
    const int px = across ? x + i : x, py = across ? y : y + i;
    return image.valid(px, py) && qGray(image.pixel(px, py)) < 128;
  };
  for (int start = 0; start <= 4; ++start)
    for (int at : {start, -start}) {
      if (!dark(at)) continue;
      int from = at, to = at;
      while (dark(from - 1)) --from;
      while (dark(to + 1)) ++to;
      return to - from + 1;
    }
  return 0;
}

TEST(PageExport, GridLinesCapsulesAndPhraseCirclesAreAtLeastHalfAPointOnPaper) {
  // A grid of one-inch cells from (1, 1) inch: a word across row 2, columns 1 to 5, and a letter
  // of the hidden phrase in cell (5, 5).
  auto puzzle = test::PagePuzzle(6, 6);
  test::SetWords(*puzzle, {"ABCDE"});
  puzzle->wordStart[0] = static_cast<int16_t>(CellIndex(2, 1));
  puzzle->wordEnd[0] = static_cast<int16_t>(CellIndex(2, 5));
  puzzle->Letter(CellIndex(5, 5)) = ' ';
  puzzle->hiddenPhraseUsed = 1;
  LayoutObject& grid = test::AddObject(*puzzle, kKindPuzzle, 64, 64, 448, 448);
  PrintOptions key;
  key.answerKey = true;
  PrintOptions lines;
  lines.useGrid = true;
  test::TempDir dir;
  const bool poppler = Have("pdftoppm");
  // Half a point is 1/144 inch: more than four pixels at 600 dpi, eight at 1200.
  for (int lineWidth : {1, 9}) {
    grid.lineWidth = lineWidth;
    for (const PrintOptions& options : {key, lines}) {
      const FinishedJob job = RecordPage(*puzzle, options, RecordingPage{QSizeF(8.5, 11), 600});
      const QImage page = PageImage(job.stream, 0, 100, 600, kTrueColour);
      auto pdfRegion = [&](int x, int y) {
        EXPECT_TRUE(SavePdf(dir.File("page.pdf"), job).ok);
        RunShell("pdftoppm -r 1200 -gray -singlefile -x " + std::to_string(x - 20) + " -y " +
                 std::to_string(y - 20) + " -W 41 -H 41 '" + dir.File("page.pdf") + "' '" +
                 dir.File("region") + "'");
        return QImage(QString::fromStdString(dir.File("region.pgm")));
      };
      if (options.answerKey) {
        if (lineWidth > 1) continue;  // the line width is the grid's alone
        // The capsule's upper side at y = 2 inches, the circle's left end at (5, 5.5).
        EXPECT_GE(DarkRun(page, 1800, 1200, false), 4);
        EXPECT_GE(DarkRun(page, 3000, 3300, true), 4);
        if (poppler) {
          EXPECT_GE(DarkRun(pdfRegion(3600, 2400), 20, 20, false), 7);
          EXPECT_GE(DarkRun(pdfRegion(6000, 6600), 20, 20, true), 7);
        }
      } else {
        // The grid line at x = 2 inches, drawn by the cells on both sides; a thicker one keeps
        // the layout's width in pixels on each side.
        const int run = DarkRun(page, 1200, 720, true);
        if (lineWidth == 1) {
          EXPECT_GE(run, 4);
          if (poppler) {
            EXPECT_GE(DarkRun(pdfRegion(2400, 1440), 20, 20, true), 7);
          }
        } else {
          EXPECT_EQ(run, 2 * 9 - 1);
          if (poppler) {
            EXPECT_NEAR(DarkRun(pdfRegion(2400, 1440), 20, 20, true), 34, 1);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace gw
