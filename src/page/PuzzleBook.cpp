// The puzzle book: planning its pages, drawing them, and the PDF and report stream made of them.
#include "page/PuzzleBook.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <memory>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "page/PageRecorder.h"
#include "page/PainterTarget.h"
#include "page/PrinterSetup.h"
#include "page/ScaledPageTarget.h"

namespace gw {

namespace {

// The book's own texts: page numbers, headings, contents and key labels, larger in large print.
struct BookStyle {
  int numberPoints, headingPoints, entryPoints, labelPoints, titlePoints;
  double Foot() const { return numberPoints * 2.2 / 72; }      // band of the page number, inches
  double Heading() const { return headingPoints * 2.4 / 72; }  // band under the top margin
  double Row() const { return entryPoints * 1.7 / 72; }        // a contents line
};

BookStyle StyleOf(const BookOptions& o) {
  if (o.largePrint) return {kLargePrintPoints, 26, kLargePrintPoints + 2, kLargePrintPoints, 40};
  return {10, 20, 12, 10, 32};
}

ReportFont BookFont(int points, bool bold = false) {
  ReportFont f;
  f.name = "Arial";
  f.size = points;
  f.bold = bold;
  return f;
}

QSizeF PaperSize(const PuzzleRecord& puzzle) {
  const PagePaper paper = PaperOfLayout(puzzle.pageLayout);
  return QSizeF(paper.width, paper.height);
}

// Box of the page's printable part: inside the margin, above the page number's band.
struct Area {
  double x1, y1, x2, y2;
  double W() const { return x2 - x1; }
  double H() const { return y2 - y1; }
};

Area SafeArea(const QSizeF& size, const BookOptions& o, const BookStyle& style) {
  return {kBookMargin, kBookMargin, size.width() - kBookMargin,
          size.height() - kBookMargin - (o.pageNumbers ? style.Foot() : 0)};
}

int ContentsRows(const QSizeF& size, const BookOptions& o, const BookStyle& style) {
  const Area a = SafeArea(size, o, style);
  return std::max(1, static_cast<int>((a.H() - style.Heading()) / style.Row()));
}

// The grid of keys on a key page: columns and rows, more columns on a landscape trim.
std::pair<int, int> KeyGrid(int perPage, const QSizeF& size) {
  const bool wide = size.width() > size.height();
  switch (perPage) {
    case 2:
      return wide ? std::pair{2, 1} : std::pair{1, 2};
    case 4:
      return {2, 2};
    case 6:
      return wide ? std::pair{3, 2} : std::pair{2, 3};
    default:
      return {1, 1};
  }
}

// The inches a layout's objects take on its paper: what is scaled to fit the trim, so a layout's
// own blank border does not shrink the puzzle. Only the puzzle objects when `gridOnly`. The
// whole paper when there is nothing to measure.
std::optional<Area> UsedPart(const PageLayout& layout, bool gridOnly) {
  const PagePaper paper = PaperOfLayout(layout);
  const std::optional<double> scale = LayoutScale(layout, paper.width, paper.height);
  if (!scale) return std::nullopt;
  std::optional<Area> used;
  for (const LayoutObject* object : DrawnObjects(layout)) {
    if (gridOnly && object->kind != kKindPuzzle) continue;
    const LayoutBounds& b = object->bounds;
    const Area box{std::min(b.left, b.right) * *scale, std::min(b.top, b.bottom) * *scale,
                   std::max(b.left, b.right) * *scale, std::max(b.top, b.bottom) * *scale};
    if (!used)
      used = box;
    else
      used = Area{std::min(used->x1, box.x1), std::min(used->y1, box.y1),
                  std::max(used->x2, box.x2), std::max(used->y2, box.y2)};
    if (gridOnly) break;
  }
  if (!used || !(used->W() > 0) || !(used->H() > 0)) {
    if (gridOnly) return std::nullopt;
    return Area{0, 0, paper.width, paper.height};
  }
  // Borders are drawn a pixel or two outside their objects.
  constexpr double kPad = 0.02;
  return Area{used->x1 - kPad, used->y1 - kPad, used->x2 + kPad, used->y2 + kPad};
}

// Text cut at its end, with "...", until it is no wider than `width` in the current font.
std::string Fitted(PageTarget& t, const std::string& text, double width) {
  if (t.TextWidth(text) <= width) return text;
  std::string cut = text;
  while (!cut.empty() && t.TextWidth(Trim(cut) + "...") > width) cut.pop_back();
  return Trim(cut) + "...";
}

void Centred(PageTarget& t, double centreX, double baseline, const std::string& text) {
  t.PrintAt(centreX - t.TextWidth(text) / 2, baseline, text);
}

// A text cut into lines no wider than `width` at its spaces; a word wider than that stays whole.
std::vector<std::string> Wrapped(PageTarget& t, const std::string& text, double width) {
  std::vector<std::string> lines;
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    const size_t start = text.find_first_not_of(' ', at);
    if (start == std::string::npos) break;
    const size_t end = std::min(text.find(' ', start), text.size());
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && t.TextWidth(line + " " + word) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = line.empty() ? word : line + " " + word;
    }
    at = end;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

class BookDrawer {
 public:
  BookDrawer(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
             const std::vector<BookPage>& plan, const std::function<bool()>& cancelled)
      : puzzles_(puzzles),
        o_(options),
        plan_(plan),
        style_(StyleOf(options)),
        cancelled_(cancelled),
        pageOf_(puzzles.size(), 0) {
    for (const BookPage& page : plan)
      if (page.kind == BookPageKind::Puzzle) pageOf_[page.first] = page.number;
  }

  BookResult Draw(BookPages& pages) {
    for (const BookPage& page : plan_) {
      if (cancelled_ && cancelled_()) {
        result_.cancelled = true;
        return result_;
      }
      PageTarget& t = pages.NewPage(page.size);
      ++result_.pages;
      switch (page.kind) {
        case BookPageKind::Title:
          TitlePage(t, page);
          break;
        case BookPageKind::Contents:
          ContentsPage(t, page);
          break;
        case BookPageKind::Puzzle:
          if (!PuzzlePage(t, page)) return result_;
          break;
        case BookPageKind::Keys:
          if (!KeysPage(t, page)) return result_;
          break;
      }
      if (o_.pageNumbers && page.kind != BookPageKind::Title) PageNumber(t, page);
    }
    return result_;
  }

 private:
  // False, with the refusal or the cancellation kept, when a page job did not draw its page.
  bool Finished(const PageJobResult& job) {
    if (!job.ran) result_.refusal = job.refusal;
    if (job.ran && job.cancelled) result_.cancelled = true;
    return job.ran && !job.cancelled;
  }

  void TitlePage(PageTarget& t, const BookPage& page) {
    const Area a = SafeArea(page.size, o_, style_);
    t.SetFont(BookFont(style_.titlePoints, true));
    const double line = (t.Ascent() + t.Descent()) * 1.2;
    double y = a.y1 + a.H() / 3;
    for (const std::string& text : Wrapped(t, o_.titlePage, a.W())) {
      Centred(t, page.size.width() / 2, y, Fitted(t, text, a.W()));
      y += line;
    }
  }

  // Each puzzle by title with its page, then the answers when they are at the back; dots lead
  // from the title to the number.
  void ContentsPage(PageTarget& t, const BookPage& page) {
    const Area a = SafeArea(page.size, o_, style_);
    t.SetFont(BookFont(style_.headingPoints, true));
    t.PrintAt(a.x1, a.y1 + t.Ascent(), "Contents");
    t.SetFont(BookFont(style_.entryPoints));
    const double dot = t.TextWidth(".");
    double baseline = a.y1 + style_.Heading() + t.Ascent();
    for (int i = page.first; i < page.first + page.count; ++i) {
      const auto [title, number] = ContentsEntry(i);
      const std::string digits = std::to_string(number);
      const double numberWidth = t.TextWidth(digits);
      const std::string shown = Fitted(t, title, a.W() - numberWidth - 6 * dot);
      const double titleEnd = a.x1 + t.TextWidth(shown + " ");
      const double dotsEnd = a.x2 - numberWidth - t.TextWidth(" ");
      const int dots = dot > 0 ? static_cast<int>((dotsEnd - titleEnd) / dot) : 0;
      t.PrintAt(a.x1, baseline, shown);
      if (dots > 0) t.PrintAt(dotsEnd - dots * dot, baseline, std::string(dots, '.'));
      t.PrintAt(a.x2 - numberWidth, baseline, digits);
      baseline += style_.Row();
    }
  }

  std::pair<std::string, int> ContentsEntry(int i) const {
    if (i < static_cast<int>(puzzles_.size())) return {puzzles_[i].puzzle->title.Get(), pageOf_[i]};
    for (const BookPage& page : plan_)
      if (page.kind == BookPageKind::Keys) return {kAnswersHeading, page.number};
    return {std::string(), 0};
  }

  bool PuzzlePage(PageTarget& t, const BookPage& page) {
    const BookPuzzle& book = puzzles_[page.first];
    PuzzleRecord& puzzle = *book.puzzle;
    const Area a = SafeArea(page.size, o_, style_);
    const QSizeF paper = PaperSize(puzzle);
    // A layout without a design size draws nothing; its page stays blank but numbered.
    const Area used =
        UsedPart(puzzle.pageLayout, false).value_or(Area{0, 0, paper.width(), paper.height()});
    const double scale = std::min(a.W() / used.W(), a.H() / used.H());
    ScaledPageTarget scaled(t, paper.width(), paper.height(), scale,
                            a.x1 + (a.W() - used.W() * scale) / 2 - used.x1 * scale,
                            a.y1 + (a.H() - used.H() * scale) / 2 - used.y1 * scale);
    PrintOptions options = book.options;
    if (o_.largePrint)
      options.smallestFont = static_cast<int>(std::ceil(kLargePrintPoints / scale - 1e-9));
    const PageJobResult job = RunPageJob(puzzle, options, scaled, cancelled_);
    if (!Finished(job)) return false;
    if (!job.bitmapWarning.empty())
      result_.warnings.push_back({page.first, page.number, job.bitmapWarning});
    for (const std::string& w : job.fitWarnings)
      result_.warnings.push_back({page.first, page.number, w});
    return true;
  }

  bool KeysPage(PageTarget& t, const BookPage& page) {
    const Area a = SafeArea(page.size, o_, style_);
    t.SetFont(BookFont(style_.headingPoints, true));
    Centred(t, page.size.width() / 2, a.y1 + t.Ascent(), kAnswersHeading);
    const Area keys{a.x1, a.y1 + style_.Heading(), a.x2, a.y2};
    const int perPage = o_.keys == BookKeys::After ? 1 : o_.keysPerPage;
    const auto [columns, rows] = KeyGrid(perPage, page.size);
    constexpr double kGap = 0.25;
    const double cellW = (keys.W() - (columns - 1) * kGap) / columns;
    const double cellH = (keys.H() - (rows - 1) * kGap) / rows;
    for (int k = 0; k < page.count; ++k) {
      const int column = k % columns, row = k / columns;
      const Area cell{keys.x1 + column * (cellW + kGap), keys.y1 + row * (cellH + kGap),
                      keys.x1 + column * (cellW + kGap) + cellW,
                      keys.y1 + row * (cellH + kGap) + cellH};
      if (!Key(t, page.first + k, cell)) return false;
    }
    return true;
  }

  // One key: "Title, page N" over the puzzle's grid with its capsules, drawn by the page job
  // through the layout's puzzle object alone.
  bool Key(PageTarget& t, int index, const Area& cell) {
    const PuzzleRecord& stored = *puzzles_[index].puzzle;
    t.SetFont(BookFont(style_.labelPoints, true));
    const std::string page = ", page " + std::to_string(pageOf_[index]);
    const std::string label = Fitted(t, stored.title.Get(), cell.W() - t.TextWidth(page)) + page;
    Centred(t, (cell.x1 + cell.x2) / 2, cell.y1 + t.Ascent(), label);
    const Area room{cell.x1, cell.y1 + (t.Ascent() + t.Descent()) * 1.5, cell.x2, cell.y2};

    auto key = std::make_unique<PuzzleRecord>(stored);
    PageLayout& layout = key->pageLayout;
    const std::optional<Area> grid = UsedPart(layout, true);
    if (!grid || !(room.W() > 0) || !(room.H() > 0)) return true;
    // The puzzle object alone: no title, list, texts or pictures around the grid.
    int kept = 0;
    for (int i = 0; i < UsedObjectCount(layout); ++i)
      if (layout.objects[i].kind == kKindPuzzle && kept == 0)
        layout.objects[kept++] = layout.objects[i];
    layout.objectCount = static_cast<int16_t>(kept);
    PrintOptions options = puzzles_[index].options;
    options.answerKey = options.printBody = true;
    options.printTitle = options.printWords = options.printBonus = false;
    options.smallestFont = 0;
    const QSizeF paper = PaperSize(*key);
    const double scale = std::min(room.W() / grid->W(), room.H() / grid->H());
    ScaledPageTarget scaled(t, paper.width(), paper.height(), scale,
                            room.x1 + (room.W() - grid->W() * scale) / 2 - grid->x1 * scale,
                            room.y1 - grid->y1 * scale);
    const PageJobResult job = RunPageJob(*key, options, scaled, cancelled_);
    if (!Finished(job)) return false;
    return true;
  }

  void PageNumber(PageTarget& t, const BookPage& page) {
    t.SetFont(BookFont(style_.numberPoints));
    Centred(t, page.size.width() / 2, page.size.height() - kBookMargin - t.Descent(),
            std::to_string(page.number));
  }

  const std::vector<BookPuzzle>& puzzles_;
  const BookOptions& o_;
  const std::vector<BookPage>& plan_;
  BookStyle style_;
  const std::function<bool()>& cancelled_;
  std::vector<int> pageOf_;
  BookResult result_;
};

// Pages into a PDF writer: the painter starts with the first page, whose size it must know.
class PdfBookPages : public BookPages {
 public:
  PdfBookPages(QPdfWriter& writer, QPainter& painter) : writer_(writer), painter_(painter) {}
  PageTarget& NewPage(const QSizeF& size) override {
    target_.reset();
    writer_.setPageLayout(PageLayoutForSize(size));
    if (!painter_.isActive())
      painter_.begin(&writer_);
    else
      writer_.newPage();
    target_ =
        std::make_unique<PainterTarget>(painter_, size.width(), size.height(), kPdfDpi, kPdfDpi);
    return *target_;
  }
  void Finish() {
    target_.reset();
    if (painter_.isActive()) painter_.end();
  }

 private:
  QPdfWriter& writer_;
  QPainter& painter_;
  std::unique_ptr<PainterTarget> target_;
};

class RecordedBookPages : public BookPages {
 public:
  explicit RecordedBookPages(double dpi) : dpi_(dpi) {}
  PageTarget& NewPage(const QSizeF& size) override {
    if (!recorder_)
      recorder_ = std::make_unique<PageRecorder>(size.width(), size.height(), dpi_, dpi_);
    else
      recorder_->NewPage(size.width(), size.height());
    return *recorder_;
  }
  QByteArray Stream() const { return recorder_ ? recorder_->Stream() : QByteArray(); }

 private:
  double dpi_;
  std::unique_ptr<PageRecorder> recorder_;
};

}  // namespace

std::optional<QSizeF> TrimSize(const std::string& name) {
  std::string n;
  for (char c : Trim(name)) n += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (n == "letter" || n == "8.5x11") return QSizeF(8.5, 11);
  if (n == "a4") return QSizeF(210 / 25.4, 297 / 25.4);
  if (n == "a5") return QSizeF(148 / 25.4, 210 / 25.4);
  const size_t x = n.find('x');
  if (x == std::string::npos) return std::nullopt;
  const std::optional<double> w = ReadDecimal(n.substr(0, x)), h = ReadDecimal(n.substr(x + 1));
  if (!w || !h || *w < 2 || *w > 50 || *h < 2 || *h > 50) return std::nullopt;
  return QSizeF(*w, *h);
}

bool KeysPerPageAllowed(int count) {
  return count == 1 || count == 2 || count == 4 || count == 6;
}

std::vector<BookPage> PlanBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& o) {
  std::vector<BookPage> plan;
  if (puzzles.empty()) return plan;
  const BookStyle style = StyleOf(o);
  const QSizeF first = o.trim.value_or(PaperSize(*puzzles.front().puzzle));
  const int count = static_cast<int>(puzzles.size());
  int number = o.startNumber;
  if (!Trim(o.titlePage).empty()) plan.push_back({BookPageKind::Title, 0, first, 0, 0});
  if (o.contents) {
    const int entries = count + (o.keys == BookKeys::Back ? 1 : 0);
    const int rows = ContentsRows(first, o, style);
    for (int at = 0; at < entries; at += rows)
      plan.push_back({BookPageKind::Contents, number++, first, at, std::min(rows, entries - at)});
  }
  for (int i = 0; i < count; ++i) {
    const QSizeF size = o.trim.value_or(PaperSize(*puzzles[i].puzzle));
    plan.push_back({BookPageKind::Puzzle, number++, size, i, 1});
    if (o.keys == BookKeys::After) plan.push_back({BookPageKind::Keys, number++, size, i, 1});
  }
  if (o.keys == BookKeys::Back) {
    const int perPage = KeysPerPageAllowed(o.keysPerPage) ? o.keysPerPage : 4;
    for (int at = 0; at < count; at += perPage)
      plan.push_back({BookPageKind::Keys, number++, first, at, std::min(perPage, count - at)});
  }
  return plan;
}

BookResult DrawBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                    BookPages& pages, const std::function<bool()>& cancelled) {
  const std::vector<BookPage> plan = PlanBook(puzzles, options);
  BookDrawer drawer(puzzles, options, plan, cancelled);
  return drawer.Draw(pages);
}

QByteArray PdfOfBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                     BookResult& result) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDpi);
    writer.setCreator(QStringLiteral("Gridwright"));
    writer.setTitle(ToQString(options.title));
    QPainter painter;
    PdfBookPages pages(writer, painter);
    result = DrawBook(puzzles, options, pages);
    pages.Finish();
  }
  if (!result.refusal.empty() || result.cancelled || result.pages == 0) bytes.clear();
  return bytes;
}

FinishedJob RecordBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                       double dpi, BookResult& result, const std::function<bool()>& cancelled) {
  FinishedJob job;
  job.title = options.title;
  RecordedBookPages pages(dpi);
  result = DrawBook(puzzles, options, pages, cancelled);
  job.result.ran = result.refusal.empty();
  job.result.refusal = result.refusal;
  job.result.cancelled = result.cancelled;
  if (job.result.ran && !result.cancelled) job.stream = pages.Stream();
  return job;
}

}  // namespace gw
