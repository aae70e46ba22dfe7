// The test page target and page fixtures.
#include "page/CallLog.h"

#include <stdexcept>

#include "layouts/LayoutTables.h"

namespace gw::test {

std::vector<Call> CallLog::Of(const std::string& op) const {
  std::vector<Call> out;
  for (const Call& c : calls)
    if (c.op == op) out.push_back(c);
  return out;
}

std::vector<std::string> CallLog::Printed() const {
  std::vector<std::string> out;
  for (const Call& c : calls)
    if (c.op == "PrintAt" || c.op == "PrintTopLeft") out.push_back(c.text);
  return out;
}

Call& CallLog::Add(const std::string& op, std::vector<double> v) {
  calls.emplace_back();
  calls.back().op = op;
  calls.back().v = std::move(v);
  return calls.back();
}

void CallLog::SetPenColor(const QColor& color) {
  Add("SetPenColor").color = color;
}
void CallLog::SetPenWidth(double inches) {
  Add("SetPenWidth", {inches});
}
void CallLog::SetBrushColor(const QColor& color) {
  Add("SetBrushColor").color = color;
}
void CallLog::SetBrushStyle(BrushStyle style) {
  Add("SetBrushStyle").style = style == BrushStyle::Clear;
}
void CallLog::SetTextBackground(TextBackground mode) {
  Add("SetTextBackground").style = mode == TextBackground::Opaque;
}
void CallLog::SetFont(const ReportFont& font) {
  font_ = font;
  Add("SetFont").font = font;
}
double CallLog::TextWidth(const std::string& text) {
  if (width) return width(text, font_.size);
  return text.size() * font_.size / 128.0;
}
void CallLog::PrintAt(double x, double y, const std::string& text) {
  Add("PrintAt", {x, y}).text = text;
}
void CallLog::PrintTopLeft(double x, double y, const std::string& text) {
  Add("PrintTopLeft", {x, y}).text = text;
}
void CallLog::MoveTo(double x, double y) {
  Add("MoveTo", {x, y});
}
void CallLog::LineTo(double x, double y) {
  Add("LineTo", {x, y});
}
void CallLog::Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                  double y4) {
  Add("Arc", {x1, y1, x2, y2, x3, y3, x4, y4});
}
void CallLog::Ellipse(double x1, double y1, double x2, double y2) {
  Add("Ellipse", {x1, y1, x2, y2});
}
void CallLog::FillRect(double x1, double y1, double x2, double y2) {
  Add("FillRect", {x1, y1, x2, y2});
}
void CallLog::StretchBitmap(double x1, double y1, double x2, double y2, const QImage&) {
  Add("StretchBitmap", {x1, y1, x2, y2});
}

std::unique_ptr<PuzzleRecord> PagePuzzle(int columns, int rows) {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  PageLayout& l = p->pageLayout;
  SetPaper(l, *FindPaper("Letter"), true);
  l.pixelWidth = 8.5 * 64;
  l.pixelHeight = 11 * 64;
  l.objectCount = 0;
  p->title.Set("Test Page");
  p->gridWidth = static_cast<int16_t>(columns);
  p->gridHeight = static_cast<int16_t>(rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= columns; ++c)
      p->Letter(CellIndex(r, c)) = static_cast<uint8_t>('A' + (r * columns + c) % 26);
  p->puzzleGenerated = 1;
  return p;
}

LayoutObject& AddObject(PuzzleRecord& puzzle, int kind, int left, int top, int right, int bottom) {
  PageLayout& l = puzzle.pageLayout;
  const int at = AddNewObject(l, kind, left, top, 64);
  if (at == 0) throw std::logic_error("the layout takes no more objects of this kind");
  LayoutObject& o = l.objects[at - 1];
  o.bounds = {left, top, right, bottom};
  return o;
}

std::unique_ptr<PuzzleRecord> PrintablePuzzle() {
  auto p = PagePuzzle(8, 8);
  p->title.Set("Safari Printout");
  SetWords(*p, {"ANTELOPE", "BUFFALO", "CHEETAH"},
           {"graceful grazer", "heavy horned grazer", "spotted sprinter"});
  p->bonusQuestion.Set("Which one runs fastest?");
  AddObject(*p, kKindTitle, 32, 32, 512, 80);
  AddObject(*p, kKindPuzzle, 96, 96, 448, 448);
  AddObject(*p, kKindWords, 32, 464, 512, 560).columns = 3;
  AddObject(*p, kKindBonus, 32, 576, 512, 608);
  SetObjectText(AddObject(*p, kKindText, 32, 624, 512, 656), "Bring a pencil");
  AddObject(*p, kKindRectangle, 16, 16, 528, 24);
  return p;
}

void SetWords(PuzzleRecord& puzzle, const std::vector<std::string>& words,
              const std::vector<std::string>& clues) {
  puzzle.wordCount = static_cast<int16_t>(words.size());
  for (size_t i = 0; i < words.size(); ++i) {
    puzzle.words[i].Set(words[i]);
    puzzle.clues[i].Set(i < clues.size() ? clues[i] : "");
    puzzle.wordPlaced[i] = 1;
    puzzle.wordStart[i] = static_cast<int16_t>(CellIndex(1, 1));
    puzzle.wordEnd[i] = static_cast<int16_t>(CellIndex(1, 1));
  }
}

}  // namespace gw::test
