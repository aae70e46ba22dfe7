// A page target for tests: keeps every drawing call, with metrics simple enough to reason about.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "page/PageJob.h"
#include "page/PageTarget.h"

namespace gw::test {

struct Call {
  std::string op;         // "PrintAt", "MoveTo", "Arc", "FillRect", "SetFont", ...
  std::vector<double> v;  // coordinates in inches, in the order the call takes them; a pen width
  std::string text;       // printed text
  ReportFont font;        // SetFont
  QColor color;           // SetPenColor, SetBrushColor
  int style = 0;          // SetBrushStyle (1 clear), SetTextBackground (1 opaque)
};

// Every character is size/128 inch wide, every line size/64 inch high (ascent three quarters of
// it, descent one quarter), so sizes and fits come out in round binary numbers. `width` can
// replace the character rule.
class CallLog : public PageTarget {
 public:
  explicit CallLog(double dpi = 100, double pageWidth = 8.5, double pageHeight = 11)
      : dpi_(dpi), pageWidth_(pageWidth), pageHeight_(pageHeight) {}

  std::vector<Call> calls;
  std::function<double(const std::string& text, int size)> width;

  // The calls named `op`, in order.
  std::vector<Call> Of(const std::string& op) const;
  // The texts printed (PrintAt and PrintTopLeft), in order.
  std::vector<std::string> Printed() const;
  int Size() const { return font_.size; }

  double PageWidth() const override { return pageWidth_; }
  double PageHeight() const override { return pageHeight_; }
  double XDpi() const override { return dpi_; }
  double YDpi() const override { return dpi_; }

  void SetPenColor(const QColor& color) override;
  void SetPenWidth(double inches) override;
  void SetBrushColor(const QColor& color) override;
  void SetBrushStyle(BrushStyle style) override;
  void SetTextBackground(TextBackground mode) override;
  void SetFont(const ReportFont& font) override;
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string&) override { return font_.size / 64.0; }
  double Ascent() override { return font_.size / 64.0 * 0.75; }
  double Descent() override { return font_.size / 64.0 * 0.25; }
  void PrintAt(double x, double y, const std::string& text) override;
  void PrintTopLeft(double x, double y, const std::string& text) override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
           double y4) override;
  void Ellipse(double x1, double y1, double x2, double y2) override;
  void FillRect(double x1, double y1, double x2, double y2) override;
  void StretchBitmap(double x1, double y1, double x2, double y2, const QImage& picture) override;

 private:
  Call& Add(const std::string& op, std::vector<double> v = {});
  double dpi_, pageWidth_, pageHeight_;
  ReportFont font_;
};

// A puzzle whose page is 8.5 x 11 inches at 64 design pixels per inch, so an object's bounds
// are in 64ths of an inch. The grid is `columns` x `rows` of letters A, B, C, ... with nothing
// placed; `objects` are added with their creation values and the given bounds.
std::unique_ptr<PuzzleRecord> PagePuzzle(int columns = 10, int rows = 10);
LayoutObject& AddObject(PuzzleRecord& puzzle, int kind, int left, int top, int right, int bottom);
// A puzzle as a user prints it: title, grid, word list (3 columns), bonus question, a text and a
// rectangle on a Letter page, with the words ANTELOPE, BUFFALO, CHEETAH and their clues.
std::unique_ptr<PuzzleRecord> PrintablePuzzle();
// Words 1..n, all placed, with their clues.
void SetWords(PuzzleRecord& puzzle, const std::vector<std::string>& words,
              const std::vector<std::string>& clues = {});

}  // namespace gw::test
