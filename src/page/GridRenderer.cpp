// The puzzle grid: cells, grid lines, letters, and the answer key's word capsules and phrase
// circles.
#include <algorithm>
#include <string>

#include "base/TextUtils.h"
#include "page/Renderers.h"

namespace gw {

namespace {

struct Cell {
  double L, T, R, B;
  double CX() const { return (L + R) / 2; }
  double CY() const { return (T + B) / 2; }
};

struct Grid {
  int columns, rows;
  double s, x0, y0;
  Cell At(int r, int c) const {
    const double L = x0 + (c - 1) * s, T = y0 + (r - 1) * s;
    return {L, T, L + s, T + s};
  }
};

// Square cells as large as the box allows, the grid centred along the box's longer side.
Grid FitGrid(const Box& box, int columns, int rows) {
  const double cw = box.W() / columns, ch = box.H() / rows;
  if (cw > ch) return {columns, rows, ch, box.x1 + (box.W() - ch * columns) / 2, box.y1};
  if (ch > cw) return {columns, rows, cw, box.x1, box.y1 + (box.H() - cw * rows) / 2};
  return {columns, rows, cw, box.x1, box.y1};
}

void Outline(PageTarget& c, double l, double t, double r, double b) {
  c.MoveTo(l, t);
  c.LineTo(r, t);
  c.LineTo(r, b);
  c.LineTo(l, b);
  c.LineTo(l, t);
}

void GridLines(PageTarget& c, const Cell& cell, int width) {
  if (width <= 1) {
    Outline(c, cell.L, cell.T, cell.R, cell.B);
    return;
  }
  // Each further pass lies one device pixel further inside, so thick lines grow into the cell.
  const int l = c.XI2D(cell.L), t = c.XI2D(cell.T), r = c.XI2D(cell.R), b = c.XI2D(cell.B);
  for (int k = 0; k < width; ++k)
    Outline(c, c.XD2I(l + k), c.XD2I(t + k), c.XD2I(r - k), c.XD2I(b - k));
}

// Reading direction from the first letter's cell to the last's: 1 up, 2 up-right, 3 right,
// 4 down-right, 5 down, 6 down-left, 7 left, 8 up-left. A word whose ends coincide counts as up.
int WordDirection(int rs, int cs, int re, int ce) {
  if (cs < ce) return rs == re ? 3 : (rs < re ? 4 : 2);
  if (ce < cs) return rs == re ? 7 : (rs < re ? 6 : 8);
  return rs < re ? 5 : 1;
}

struct Point {
  double x, y;
};

// The answer key's mark: two straight sides and a round cap in each end cell, drawn as line 1,
// the cap in the first cell, line 2, the cap in the last cell.
void Capsule(PageTarget& c, const Cell& S, const Cell& E, int direction) {
  struct Stroke {
    Point line1From, line1To, arcSFrom, arcSTo, line2From, line2To, arcEFrom, arcETo;
  };
  const Point sL{S.L, S.CY()}, sR{S.R, S.CY()}, sT{S.CX(), S.T}, sB{S.CX(), S.B};
  const Point eL{E.L, E.CY()}, eR{E.R, E.CY()}, eT{E.CX(), E.T}, eB{E.CX(), E.B};
  Stroke k{};
  switch (direction) {
    case 1:  // up: lower half in the first cell, upper half in the last
      k = {sL, eL, sL, sR, sR, eR, eR, eL};
      break;
    case 2:  // up-right
      k = {sL, eT, sL, sB, sB, eR, eR, eT};
      break;
    case 3:  // right
      k = {sT, eT, sT, sB, sB, eB, eB, eT};
      break;
    case 4:  // down-right
      k = {sL, eB, sT, sL, sT, eR, eB, eR};
      break;
    case 5:  // down
      k = {sL, eL, sR, sL, sR, eR, eL, eR};
      break;
    case 6:  // down-left
      k = {sT, eL, sR, sT, sR, eB, eL, eB};
      break;
    case 7:  // left
      k = {sT, eT, sB, sT, sB, eB, eT, eB};
      break;
    default:  // 8, up-left
      k = {sB, eL, sB, sR, sR, eT, eT, eL};
      break;
  }
  c.MoveTo(k.line1From.x, k.line1From.y);
  c.LineTo(k.line1To.x, k.line1To.y);
  c.Arc(S.L, S.T, S.R, S.B, k.arcSFrom.x, k.arcSFrom.y, k.arcSTo.x, k.arcSTo.y);
  c.MoveTo(k.line2From.x, k.line2From.y);
  c.LineTo(k.line2To.x, k.line2To.y);
  c.Arc(E.L, E.T, E.R, E.B, k.arcEFrom.x, k.arcEFrom.y, k.arcETo.x, k.arcETo.y);
}

// The font size whose "W" is narrower than the cell, one point at a time down to 4, or down to
// the options' smallest font; `fits` tells whether that floor left the letters too wide.
int FitGridFont(PageTarget& c, const LayoutObject& object, double cell, int smallest, bool& fits) {
  int n = DrawnFontSize(std::max<int>(object.fontSize, smallest));
  c.SetFont(ObjectFont(object, n));
  while (n > std::max(4, smallest) && c.TextWidth("W") >= cell) c.SetFont(ObjectFont(object, --n));
  fits = smallest <= 0 || c.TextWidth("W") < cell;
  return n;
}

void Letter(RenderContext& ctx, const Cell& cell, const std::string& ch) {
  PageTarget& c = ctx.canvas;
  const double tw = c.TextWidth(ch), th = c.TextHeight(ch);
  if (!ctx.Metafile()) {
    const double s = cell.R - cell.L;
    c.PrintAt(cell.L + (s - tw) / 2, cell.B - (c.Descent() + (s - th) / 2), ch);
    return;
  }
  const int l = XPixels(c, cell.L), t = YPixels(c, cell.T);
  const int w = XPixels(c, cell.R) - l, h = YPixels(c, cell.B) - t;
  const int x = l + (w - c.XI2D(tw)) / 2, y = t + (h - c.YI2D(th)) / 2;
  c.PrintTopLeft(c.XD2I(x), c.YD2I(y), ch);
}

}  // namespace

void DrawPuzzleBody(RenderContext& ctx, LayoutObject& object) {
  PageTarget& c = ctx.canvas;
  const PuzzleRecord& p = ctx.puzzle;
  const Grid g = FitGrid(ObjectBox(ctx, object), ClampedGridWidth(p), ClampedGridHeight(p));
  if (!(g.s > 0)) return;
  auto inShape = [&](int r, int col) { return p.Letter(CellIndex(r, col)) != 0; };

  if (!object.optionB) {
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(FromLayoutColor(object.backgroundColor));
    for (int r = 1; r <= g.rows; ++r)
      for (int col = 1; col <= g.columns; ++col)
        if (inShape(r, col)) {
          const Cell cell = g.At(r, col);
          c.FillRect(cell.L, cell.T, cell.R, cell.B);
        }
  }

  if (ctx.options.useGrid) {
    c.SetPenColor(FromLayoutColor(object.gridLineColor));
    // The layout's width in device pixels, unless that is thinner than the thinnest line.
    const int width = std::min<int>(object.lineWidth, 9);  // a copy: the field is packed
    const bool thin = width < kThinnestLine * c.XDpi();
    c.SetPenWidth(thin ? kThinnestLine : 0);
    for (int r = 1; r <= g.rows; ++r)
      for (int col = 1; col <= g.columns; ++col)
        if (inShape(r, col)) GridLines(c, g.At(r, col), thin ? 1 : width);
    c.SetPenWidth(0);
  }

  c.SetTextBackground(TextBackground::Transparent);
  if (ctx.Metafile()) {
    c.SetFont(ObjectFont(object, object.fittedFontSize));
    c.SetBrushStyle(BrushStyle::Clear);
  } else {
    bool fits = true;
    object.fittedFontSize =
        static_cast<int16_t>(FitGridFont(c, object, g.s, ctx.options.smallestFont, fits));
    ctx.values.lettersFit = ctx.values.lettersFit && fits;
  }
  for (int r = 1; r <= g.rows; ++r)
    for (int col = 1; col <= g.columns; ++col) {
      uint8_t ch = p.Letter(CellIndex(r, col));
      if (ch == 0) continue;
      if (ch == ' ') ch = p.Fill(CellIndex(r, col));
      if (ch == 0) continue;  // a grid that never got its fill letters
      if (ctx.options.lowerCase) ch = ToLowerAccented(ch);
      Letter(ctx, g.At(r, col), std::string(1, static_cast<char>(ch)));
    }
  if (ctx.Metafile()) c.SetBrushStyle(BrushStyle::Solid);

  if (!ctx.options.answerKey) return;
  c.SetPenColor(Qt::black);
  c.SetPenWidth(kThinnestLine);
  auto onGrid = [&](int cell) {
    if (cell < 1 || cell > kGridCells) return false;
    return CellRow(cell) <= g.rows && CellColumn(cell) <= g.columns;
  };
  for (int i = 1; i <= ctx.values.printedWords; ++i) {
    // Words the generator could not place hold no cells worth marking.
    if (!p.wordPlaced[i - 1]) continue;
    const int start = p.wordStart[i - 1], end = p.wordEnd[i - 1];
    if (!onGrid(start) || !onGrid(end)) continue;
    const int rs = CellRow(start), cs = CellColumn(start);
    const int re = CellRow(end), ce = CellColumn(end);
    Capsule(c, g.At(rs, cs), g.At(re, ce), WordDirection(rs, cs, re, ce));
  }

  if (p.hiddenPhraseUsed) {
    c.SetBrushStyle(BrushStyle::Clear);
    for (int r = 1; r <= g.rows; ++r)
      for (int col = 1; col <= g.columns; ++col)
        if (p.Letter(CellIndex(r, col)) == ' ') {
          const Cell cell = g.At(r, col);
          c.Ellipse(cell.L, cell.T, cell.R, cell.B);
        }
    c.SetBrushStyle(BrushStyle::Solid);
  }
  c.SetPenWidth(0);
}

}  // namespace gw
