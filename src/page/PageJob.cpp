// The page job and its metafile mode.
#include "page/PageJob.h"

#include <cmath>
#include <memory>

#include "base/ComposedMessage.h"
#include "page/Renderers.h"

namespace gw {

namespace {

const char* const kColumnsMessage =
    QT_TRANSLATE_NOOP("gw::Messages", "Invalid number of columns specified.");
const char* const kBitmapsMissing = QT_TRANSLATE_NOOP(
    "gw::Messages", "One or more bitmaps in the layout design could not be located.");
const char* const kWordsDidNotFit = QT_TRANSLATE_NOOP(
    "gw::Messages",
    "Puzzle Words would not fit in allocated space.  You will need to change the alotted word "
    "space on the page layout, change the font size for the words or select the \"Make It Fit\" "
    "attribute for the puzzle words.");
const char* const kCluesDidNotFit = QT_TRANSLATE_NOOP(
    "gw::Messages",
    "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue "
    "space on the page layout, change the font size for the clues or select the \"Make It Fit\" "
    "attribute for the clue fonts.");
const char* const kTextDidNotFit = QT_TRANSLATE_NOOP(
    "gw::Messages",
    "Text would not fit in allocated space.  You will need to change the alotted text space on "
    "the page layout, change the font size for the text or select the \"Make It Fit\" attribute "
    "for the text object.");
const char* const kLettersDidNotFit = QT_TRANSLATE_NOOP(
    "gw::Messages",
    "Puzzle Letters would not fit in their cells at the large print size.  You will need a larger "
    "page, a smaller grid or a layout with more room for the puzzle.");

// The metafile mode's coordinates: every value truncated to a whole device pixel of the target.
class PixelSnap : public PageTarget {
 public:
  explicit PixelSnap(PageTarget& target) : t_(target) {}

  double PageWidth() const override { return t_.PageWidth(); }
  double PageHeight() const override { return t_.PageHeight(); }
  double XDpi() const override { return t_.XDpi(); }
  double YDpi() const override { return t_.YDpi(); }
  void SetPenColor(const QColor& color) override { t_.SetPenColor(color); }
  void SetPenWidth(double inches) override { t_.SetPenWidth(inches); }
  void SetBrushColor(const QColor& color) override { t_.SetBrushColor(color); }
  void SetBrushStyle(BrushStyle style) override { t_.SetBrushStyle(style); }
  void SetTextBackground(TextBackground mode) override { t_.SetTextBackground(mode); }
  void SetFont(const ReportFont& font) override { t_.SetFont(font); }
  double TextWidth(const std::string& text) override { return t_.TextWidth(text); }
  double TextHeight(const std::string& text) override { return t_.TextHeight(text); }
  double Ascent() override { return t_.Ascent(); }
  double Descent() override { return t_.Descent(); }
  void PrintAt(double x, double y, const std::string& text) override {
    t_.PrintAt(X(x), Y(y), text);
  }
  void PrintTopLeft(double x, double y, const std::string& text) override {
    t_.PrintTopLeft(X(x), Y(y), text);
  }
  void MoveTo(double x, double y) override { t_.MoveTo(X(x), Y(y)); }
  void LineTo(double x, double y) override { t_.LineTo(X(x), Y(y)); }
  void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
           double y4) override {
    t_.Arc(X(x1), Y(y1), X(x2), Y(y2), X(x3), Y(y3), X(x4), Y(y4));
  }
  void Ellipse(double x1, double y1, double x2, double y2) override {
    t_.Ellipse(X(x1), Y(y1), X(x2), Y(y2));
  }
  void FillRect(double x1, double y1, double x2, double y2) override {
    t_.FillRect(X(x1), Y(y1), X(x2), Y(y2));
  }
  void StretchBitmap(double x1, double y1, double x2, double y2, const QImage& picture) override {
    t_.StretchBitmap(X(x1), Y(y1), X(x2), Y(y2), picture);
  }

 private:
  double X(double v) const { return XPixels(t_, v) / t_.XDpi(); }
  double Y(double v) const { return YPixels(t_, v) / t_.YDpi(); }
  PageTarget& t_;
};

struct Pictures {
  std::vector<QImage> byObject = std::vector<QImage>(kMaxLayoutObjects);
  bool missing = false;
};

// Bitmap objects' pictures, read once per job. A file that is there but is no picture counts as
// missing too: either way the page prints without it.
Pictures LoadPictures(const PageLayout& layout) {
  Pictures out;
  for (int i = 0; i < UsedObjectCount(layout); ++i) {
    const LayoutObject& object = layout.objects[i];
    if (object.kind != kKindBitmap || object.bitmapFile.Empty()) continue;
    out.byObject[i] = LoadLayoutPicture(object.bitmapFile.Get());
    if (out.byObject[i].isNull()) out.missing = true;
  }
  return out;
}

// Draws objects 1..objectCount in stacking order, each by its kind and the options.
bool DrawObjects(RenderContext& ctx, PageLayout& layout, const Pictures* pictures,
                 const std::function<bool()>& cancelled) {
  const PrintOptions& o = ctx.options;
  for (int i = 0; i < UsedObjectCount(layout); ++i) {
    if (cancelled && cancelled()) return false;
    LayoutObject& object = layout.objects[i];
    switch (object.kind) {
      case kKindTitle:
        if (o.printTitle) DrawTextLine(ctx, object, ctx.puzzle.title.Get());
        break;
      case kKindPuzzle:
        if (o.printBody) DrawPuzzleBody(ctx, object);
        break;
      case kKindWords:
        if (!o.printWords) break;
        if (o.wordOption == kClues)
          DrawClueList(ctx, object);
        else
          DrawWordList(ctx, object);
        break;
      case kKindBonus:
        if (!o.printBonus || ctx.puzzle.bonusQuestion.Empty()) break;
        if (!ctx.Metafile()) SetObjectText(object, ctx.puzzle.bonusQuestion.Get());
        DrawTextLine(ctx, object, ctx.puzzle.bonusQuestion.Get());
        break;
      case kKindText:
        DrawText(ctx, object);
        break;
      case kKindBitmap:
        if (pictures) DrawBitmap(ctx, object, pictures->byObject[i]);
        break;
      case kKindRectangle:
      case kKindCircle:
        DrawRectangleOrCircle(ctx, object);
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace

PageJobResult RunPageJob(PuzzleRecord& puzzle, const PrintOptions& options, PageTarget& target,
                         const std::function<bool()>& cancelled) {
  PageJobResult result;
  if (options.numColumns <= 0) {
    result.refusal = kColumnsMessage;
    return result;
  }
  result.ran = true;
  PageValues& v = result.values;
  v.pageWidth = target.PageWidth();
  v.pageHeight = target.PageHeight();
  v.xDpi = target.XDpi();
  v.yDpi = target.YDpi();
  v.printedWords = PrintedWordCount(puzzle);
  const Pictures pictures = LoadPictures(puzzle.pageLayout);
  if (pictures.missing) result.bitmapWarning = kBitmapsMissing;
  // A layout without a page size in design pixels cannot be placed: the page stays empty.
  const std::optional<double> scale = LayoutScale(puzzle.pageLayout, v.pageWidth, v.pageHeight);
  if (!scale) return result;
  v.scale = *scale;

  Rng random(options.scrambleSeed.value_or(ClockSeed()));
  RenderContext ctx{target, puzzle, options, RenderMode::Page, v, random};
  if (!DrawObjects(ctx, puzzle.pageLayout, &pictures, cancelled)) {
    result.cancelled = true;
    return result;
  }
  if (!v.lettersFit) result.fitWarnings.push_back(kLettersDidNotFit);
  if (!v.cluesFit) result.fitWarnings.push_back(kCluesDidNotFit);
  if (!v.wordsFit) result.fitWarnings.push_back(kWordsDidNotFit);
  for (const TextValues& t : v.texts)
    if (!t.fits) {
      result.fitWarnings.push_back(kTextDidNotFit);
      break;
    }
  return result;
}

void DrawKeptPage(const PuzzleRecord& puzzle, const PrintOptions& options, const PageValues& values,
                  PageTarget& target) {
  if (options.numColumns <= 0 || !(values.scale > 0)) return;
  PixelSnap snap(target);
  PageValues kept = values;
  Rng random(options.scrambleSeed.value_or(ClockSeed()));
  RenderContext ctx{snap, puzzle, options, RenderMode::Metafile, kept, random};
  // The renderers read the fitted sizes from the objects and write nothing back in this mode.
  auto layout = std::make_unique<PageLayout>(puzzle.pageLayout);
  DrawObjects(ctx, *layout, nullptr, {});
}

}  // namespace gw
