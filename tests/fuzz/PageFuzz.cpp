// Fuzz target: a puzzle page drawn through the page job into every writer — the recorded page and
// its image, WMF and EMF, PDF, page image, SVG, BMP, JPEG and the web page — from a full puzzle
// with twenty objects that the input patches byte by byte, as a damaged or hand-made group may
// hold it.
//
// Input: five option bytes (parts and forms, word option, columns, first and last letters), then
// patches, each three bytes of offset into the puzzle record, a length byte and that many bytes.
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "layouts/LayoutTables.h"
#include "page/HtmlExport.h"
#include "page/PageExport.h"
#include "page/PageRecorder.h"
#include "page/PrintJob.h"

using namespace gw;

namespace {

// Resolutions low enough that a page of a hundred inches stays a small picture.
constexpr double kRecordDpi = 72, kImageDpi = 12;

void StartApplication() {
  static int argc = 3;
  static char arg0[] = "fuzz_page", arg1[] = "-platform", arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static QGuiApplication app(argc, argv);
}

// A puzzle as the program makes one: a 15 x 15 grid with words across and down, their clues, a
// hidden phrase, a bonus question, and a layout holding every kind of object up to twenty.
std::unique_ptr<PuzzleRecord> BasePuzzle() {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  p->title.Set("Rivers of the World");
  p->bonusQuestion.Set("Which river is the longest?");
  p->gridWidth = p->gridHeight = 15;
  for (int r = 1; r <= 15; ++r)
    for (int c = 1; c <= 15; ++c) {
      p->Letter(CellIndex(r, c)) = static_cast<uint8_t>(r + c < 4 ? 0 : 'A' + (r * 7 + c) % 26);
      p->Fill(CellIndex(r, c)) = 'Q';
    }
  p->Letter(CellIndex(15, 15)) = p->Letter(CellIndex(14, 15)) = ' ';
  p->hiddenPhraseUsed = 1;
  const char* const words[] = {"AMAZON", "DANUBE", "GANGES", "MEKONG", "MURRAY", "NIGER",
                               "NILE",   "RHINE",  "THAMES", "VOLGA",  "YUKON",  "ZAMBEZI"};
  p->wordCount = 12;
  for (int i = 0; i < 12; ++i) {
    p->words[i].Set(words[i]);
    p->clues[i].Set(std::string("Flows through a long valley to the sea, clue ") + words[i]);
    p->wordPlaced[i] = 1;
    const int row = 4 + i, length = static_cast<int>(std::strlen(words[i]));
    p->wordStart[i] = static_cast<int16_t>(CellIndex(i % 2 ? row : 2, i % 2 ? 2 : row));
    p->wordEnd[i] =
        static_cast<int16_t>(i % 2 ? CellIndex(row, 1 + length) : CellIndex(1 + length, row));
  }
  p->puzzleGenerated = 1;

  PageLayout& l = p->pageLayout;
  SetPaper(l, *FindPaper("Letter"), true);
  l.pixelWidth = 8.5 * 64;
  l.pixelHeight = 11 * 64;
  l.objectCount = 0;
  const struct {
    int kind, left, top, right, bottom;
  } objects[] = {{kKindTitle, 32, 16, 512, 56},     {kKindPuzzle, 64, 64, 480, 400},
                 {kKindWords, 32, 408, 512, 560},   {kKindBonus, 32, 568, 512, 592},
                 {kKindText, 32, 600, 512, 640},    {kKindBitmap, 448, 600, 512, 660},
                 {kKindRectangle, 16, 8, 528, 696}, {kKindCircle, 8, 660, 40, 692}};
  for (const auto& o : objects) {
    const int at = AddNewObject(l, o.kind, o.left, o.top, 64);
    if (at == 0) continue;
    LayoutObject& added = l.objects[at - 1];
    added.bounds = {o.left, o.top, o.right, o.bottom};
    added.border = 1;
    added.borderWidth = 2;
    added.makeItFit = 1;
  }
  SetObjectText(l.objects[4], "A text object\r\nwith a line break and words enough to wrap.");
  l.objects[5].bitmapFile.Set(fuzz::ScratchFolder() + "/tile.png");
  // The rest are copies, as a file may hold them: every kind again, any number of times.
  for (int i = UsedObjectCount(l); i < kMaxLayoutObjects; ++i) {
    l.objects[i] = l.objects[i % 8];
    l.objects[i].bounds.top += 8 * i;
    l.objects[i].bounds.bottom += 8 * i;
  }
  l.objectCount = kMaxLayoutObjects;
  return p;
}

struct Input {
  const uint8_t* data;
  size_t size;
  uint8_t Byte() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
};

}  // namespace

// Fontconfig keeps the patterns of the fonts Qt asked for until the process ends; they are no
// leak of ours.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = [] {
    StartApplication();
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(Qt::darkGreen);
    tile.save(QString::fromStdString(fuzz::ScratchFolder() + "/tile.png"));
    return true;
  }();
  (void)started;
  static const std::unique_ptr<PuzzleRecord> base = BasePuzzle();

  Input in{data, size};
  PrintOptions o;
  const uint8_t flags = in.Byte();
  o.printTitle = !(flags & 1);
  o.printBody = !(flags & 2);
  o.printWords = !(flags & 4);
  o.printBonus = !(flags & 8);
  o.answerKey = flags & 16;
  o.useGrid = flags & 32;
  o.lowerCase = flags & 64;
  o.clueUnderscore = o.partialUnderscore = flags & 128;
  o.wordOption = in.Byte() % 6;
  o.numColumns = static_cast<int8_t>(in.Byte());
  o.firstLetters = in.Byte() % 40;
  o.lastLetters = in.Byte() % 40;
  o.scrambleSeed = 7;

  auto puzzle = std::make_unique<PuzzleRecord>(*base);
  auto* record = reinterpret_cast<uint8_t*>(puzzle.get());
  while (in.size >= 4) {
    const size_t offset =
        (static_cast<size_t>(in.Byte()) << 16 | in.Byte() << 8 | in.Byte()) % sizeof(PuzzleRecord);
    const size_t length = std::min<size_t>({in.Byte(), in.size, sizeof(PuzzleRecord) - offset});
    std::memcpy(record + offset, in.data, length);
    in.data += length;
    in.size -= length;
  }
  const bool runs = o.numColumns > 0;
  const PagePaper paper = PaperOfLayout(puzzle->pageLayout);
  FUZZ_CHECK(paper.width >= 0.5 && paper.height >= 0.5);

  // The page recorded as the print options window records it, then what the preview makes of it.
  auto copy = std::make_unique<PuzzleRecord>(*puzzle);
  const FinishedJob job =
      RecordPage(*copy, o, RecordingPage{QSizeF(paper.width, paper.height), kRecordDpi});
  FUZZ_CHECK(job.result.ran == runs);
  if (runs) {
    const std::optional<ReportStreamInfo> info = ReadReportInfo(job.stream);
    FUZZ_CHECK(info && info->pages.size() == 1);
    const QImage image = PageImage(job.stream, 0, 100, kImageDpi, 1 + flags % 2);
    FUZZ_CHECK(!image.isNull());
    const std::string folder = fuzz::ScratchFolder();
    FUZZ_CHECK(SaveMetafile(folder + "/page.wmf", MetafileKind::Wmf, job).ok);
    FUZZ_CHECK(SaveMetafile(folder + "/page.emf", MetafileKind::Emf, job).ok);
    FUZZ_CHECK(SaveBitmap(folder + "/page.bmp", image).ok);
    FUZZ_CHECK(SaveJpeg(folder + "/page.jpg", image, 1 + flags % 100).ok);
    HtmlPageOptions html;
    html.webTitle = puzzle->title.Get();
    html.firstHeader.text = puzzle->bonusQuestion.Get();
    FUZZ_CHECK(SaveHtmlPage(folder + "/page.htm", html, image, 75).ok);
  }

  // The files gridwright-make draws directly.
  copy = std::make_unique<PuzzleRecord>(*puzzle);
  std::vector<PageJobResult> results;
  const QByteArray pdf = PdfOfPages({PageRequest{copy.get(), o}}, results, kRecordDpi);
  FUZZ_CHECK(results.size() == 1 && results[0].ran == runs);
  FUZZ_CHECK(pdf.startsWith("%PDF"));
  copy = std::make_unique<PuzzleRecord>(*puzzle);
  PageJobResult result;
  const QImage image = ImageOfPage(*copy, o, kImageDpi, result);
  FUZZ_CHECK(!image.isNull() && result.ran == runs);
  copy = std::make_unique<PuzzleRecord>(*puzzle);
  FUZZ_CHECK(!SvgOfPage(*copy, o, kImageDpi, result).isEmpty());
  return 0;
}
