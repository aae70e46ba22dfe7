// Title and bonus lines, text objects, rectangles, circles, bitmaps, and the helpers every
// renderer shares.
#include <algorithm>
#include <cmath>
#include <string>

#include "base/TextUtils.h"
#include "page/ListTexts.h"
#include "page/Renderers.h"

namespace gw {

namespace {

// Text a little narrower than the box gets the box's alignment; values other than centre and
// right align left.
double AlignedX(const Box& box, double textWidth, int alignment) {
  if (alignment == 2) return box.x1 + (box.W() - textWidth) / 2;
  if (alignment == 3) return box.x1 + box.W() - textWidth;
  return box.x1;
}

int AlignedXPixels(const PageTarget& c, const Box& box, int textWidth, int alignment) {
  const int left = XPixels(c, box.x1), width = XPixels(c, box.x2) - left;
  if (alignment == 2) return left + (width - textWidth) / 2;
  if (alignment == 3) return left + width - textWidth;
  return left;
}

// A text object's lines at the current font: greedy filling, a line break always starting a new
// line. Lines keep their characters' place in the text so the metafile mode can cut it again.
struct TextLayout {
  std::vector<TextValues::Line> lines;
  bool fits = true;
};

TextLayout LayOutText(PageTarget& c, const std::vector<std::string>& tokens, double width,
                      int rows) {
  TextLayout out;
  std::string line;
  auto close = [&] {
    if (c.TextWidth(line) > width) out.fits = false;
  };
  for (const std::string& token : tokens) {
    const size_t brk = BreakLength(token);
    const std::string body = token.substr(brk);
    if (!out.lines.empty() && brk == 0 && c.TextWidth(line + body) <= width) {
      line += body;
      out.lines.back().chars = static_cast<int16_t>(out.lines.back().chars + token.size());
      continue;
    }
    if (!out.lines.empty()) close();
    if (static_cast<int>(out.lines.size()) == kMaxTextLines) {
      out.fits = false;
      return out;
    }
    out.lines.push_back({static_cast<int16_t>(token.size()), brk > 0});
    line = body;
  }
  if (!out.lines.empty()) close();
  if (static_cast<int>(out.lines.size()) > rows) out.fits = false;
  return out;
}

}  // namespace

Box ObjectBox(const RenderContext& ctx, const LayoutObject& object) {
  const double s = ctx.values.scale;
  const LayoutBounds b = object.bounds;
  // A record may put an edge anywhere in its range; no more than a page beyond the paper is ever
  // drawn, and whole pixels of what lies within stay far from the ends of an int.
  const double w = ctx.canvas.PageWidth(), h = ctx.canvas.PageHeight();
  const auto x = [&](int32_t v) { return std::clamp(v * s, -w, 2 * w); };
  const auto y = [&](int32_t v) { return std::clamp(v * s, -h, 2 * h); };
  return {x(b.left), y(b.top), x(b.right), y(b.bottom)};
}

ReportFont ObjectFont(const LayoutObject& object, int size) {
  ReportFont f;
  f.name = object.fontName.Get();
  f.size = size;
  f.color = FromLayoutColor(object.fontColor);
  f.bold = object.fontBold != 0;
  f.italic = object.fontItalic != 0;
  f.underline = object.fontUnderline != 0;
  f.strikeOut = object.fontStrikeOut != 0;
  return f;
}

namespace {
// Truncated toward zero, but a value that is a whole pixel in exact arithmetic stays on it.
int Pixels(double inches, double dpi) {
  const double v = inches * dpi, whole = std::round(v);
  return static_cast<int>(std::abs(v - whole) < 1e-6 ? whole : std::trunc(v));
}
}  // namespace

int XPixels(const PageTarget& canvas, double inches) {
  return Pixels(inches, canvas.XDpi());
}

int YPixels(const PageTarget& canvas, double inches) {
  return Pixels(inches, canvas.YDpi());
}

void TextBackgroundOf(RenderContext& ctx, const LayoutObject& object) {
  PageTarget& c = ctx.canvas;
  const bool transparent = object.optionA != 0;
  c.SetTextBackground(transparent ? TextBackground::Transparent : TextBackground::Opaque);
  if (!transparent) c.SetBrushColor(Qt::white);
  if (ctx.Metafile()) c.SetBrushStyle(transparent ? BrushStyle::Clear : BrushStyle::Solid);
}

void PrintRow(RenderContext& ctx, double x, double rowTop, double rowHeight,
              const std::string& text) {
  if (ctx.Metafile())
    ctx.canvas.PrintTopLeft(x, rowTop, text);
  else
    ctx.canvas.PrintAt(x, rowTop + rowHeight - 0.2 * rowHeight, text);
}

void DrawBorder(RenderContext& ctx, const LayoutObject& object, const Box& box) {
  if (!object.border) return;
  PageTarget& c = ctx.canvas;
  c.SetPenColor(FromLayoutColor(object.borderColor));
  const int l = c.XI2D(box.x1), t = c.XI2D(box.y1), r = c.XI2D(box.x2), b = c.XI2D(box.y2);
  const int width = std::min<int>(object.borderWidth, 9);
  for (int k = 0; k < width; ++k) {
    const double x1 = c.XD2I(l - k), y1 = c.XD2I(t - k), x2 = c.XD2I(r + k), y2 = c.XD2I(b + k);
    if (object.kind == kKindCircle) {
      const double cy = (y1 + y2) / 2;
      c.Arc(x1, y1, x2, y2, x2, cy, x1, cy);
      c.Arc(x1, y1, x2, y2, x1, cy, x2, cy);
      continue;
    }
    c.MoveTo(x1, y1);
    c.LineTo(x2, y1);
    c.LineTo(x2, y2);
    c.LineTo(x1, y2);
    c.LineTo(x1, y1);
  }
}

void DrawTextLine(RenderContext& ctx, LayoutObject& object, const std::string& text) {
  PageTarget& c = ctx.canvas;
  const Box box = ObjectBox(ctx, object);
  TextBackgroundOf(ctx, object);
  if (ctx.Metafile()) {
    c.SetFont(ObjectFont(object, object.fittedFontSize));
    const int top = YPixels(c, (box.y1 + box.y2) / 2) - c.YI2D(c.TextHeight(text)) / 2;
    const int x = AlignedXPixels(c, box, c.XI2D(c.TextWidth(text)), object.alignment);
    c.PrintTopLeft(c.XD2I(x), c.YD2I(top), text);
  } else {
    int size = DrawnFontSize(object.fontSize);
    c.SetFont(ObjectFont(object, size));
    if (object.makeItFit)
      while (size > 2 && (c.TextWidth(text) >= box.W() || c.TextHeight(text) >= box.H()))
        c.SetFont(ObjectFont(object, --size));
    object.fittedFontSize = static_cast<int16_t>(size);
    const double baseline = (box.y1 + box.y2) / 2 + (c.Ascent() - c.Descent()) / 2;
    c.PrintAt(AlignedX(box, c.TextWidth(text), object.alignment), baseline, text);
  }
  DrawBorder(ctx, object, box);
}

void DrawText(RenderContext& ctx, LayoutObject& object) {
  PageTarget& c = ctx.canvas;
  const Box box = ObjectBox(ctx, object);
  const std::string text = ObjectText(object);
  const int number = ++ctx.textNumber;
  auto& texts = ctx.values.texts;
  if (static_cast<int>(texts.size()) < number) texts.resize(number);
  TextValues& kept = texts[number - 1];
  TextBackgroundOf(ctx, object);

  double lineHeight = 0;
  if (ctx.Metafile()) {
    c.SetFont(ObjectFont(object, object.fittedFontSize));
    lineHeight = c.YD2I(c.YI2D(c.TextHeight(kLineProbe)));
  } else {
    const std::vector<std::string> tokens = TextTokens(text);
    int size = DrawnFontSize(object.fontSize);
    c.SetFont(ObjectFont(object, size));
    TextLayout layout;
    while (true) {
      lineHeight = c.TextHeight(kLineProbe);
      const int rows = lineHeight > 0 ? static_cast<int>(box.H() / lineHeight) : 0;
      layout = LayOutText(c, tokens, box.W(), std::max(rows, 0));
      if (layout.fits || !object.makeItFit || size <= 3) {
        kept.printed = std::min<int>(std::max(rows, 0), static_cast<int>(layout.lines.size()));
        break;
      }
      c.SetFont(ObjectFont(object, --size));
    }
    object.fittedFontSize = static_cast<int16_t>(size);
    kept.lines = layout.lines;
    kept.fits = layout.fits;
  }

  size_t at = 0;
  for (int i = 0; i < static_cast<int>(kept.lines.size()); ++i) {
    const TextValues::Line& line = kept.lines[i];
    const size_t chars = std::min<size_t>(std::max<int>(line.chars, 0), text.size() - at);
    std::string piece = text.substr(at, chars);
    at += chars;
    if (i >= kept.printed) break;
    piece = Trim(piece.substr(BreakLength(piece)));
    if (ctx.Metafile()) {
      const int x = AlignedXPixels(c, box, c.XI2D(c.TextWidth(piece)), object.alignment);
      const double top = c.YD2I(YPixels(c, box.y1)) + i * lineHeight;
      c.PrintTopLeft(c.XD2I(x), top, piece);
    } else {
      PrintRow(ctx, AlignedX(box, c.TextWidth(piece), object.alignment), box.y1 + i * lineHeight,
               lineHeight, piece);
    }
  }
  DrawBorder(ctx, object, box);
}

void DrawRectangleOrCircle(RenderContext& ctx, const LayoutObject& object) {
  PageTarget& c = ctx.canvas;
  const Box box = ObjectBox(ctx, object);
  if (object.optionB) {
    const QColor fill = FromLayoutColor(object.fillColor);
    c.SetPenColor(fill);
    c.SetBrushColor(fill);
    c.SetBrushStyle(BrushStyle::Solid);
    if (object.kind == kKindCircle)
      c.Ellipse(box.x1, box.y1, box.x2, box.y2);
    else
      c.FillRect(box.x1, box.y1, box.x2, box.y2);
  }
  DrawBorder(ctx, object, box);
}

void DrawBitmap(RenderContext& ctx, const LayoutObject& object, const QImage& picture) {
  PageTarget& c = ctx.canvas;
  const Box box = ObjectBox(ctx, object);
  // A picture that could not be loaded leaves its place empty.
  if (!object.optionA) {
    if (!picture.isNull()) c.StretchBitmap(box.x1, box.y1, box.x2, box.y2, picture);
    DrawBorder(ctx, object, box);
    return;
  }
  // Tiles the size of the box cover the whole page from its top-left corner, wherever the box
  // stands. A box too small to tile sensibly is not tiled at all.
  const double tw = box.W(), th = box.H();
  if (picture.isNull() || !(tw > 0) || !(th > 0)) return;
  const double columns = std::ceil(c.PageWidth() / tw), rows = std::ceil(c.PageHeight() / th);
  if (columns * rows > 10000) return;
  for (int r = 0; r < rows; ++r)
    for (int col = 0; col < columns; ++col)
      c.StretchBitmap(col * tw, r * th, (col + 1) * tw, (r + 1) * th, picture);
}

}  // namespace gw
