// The object renderers a page job calls, one per kind of layout object. They draw in inches
// through the page-drawing layer, in one of two modes: the page mode measures, fits and keeps
// what it decided; the metafile mode draws the same page again from what was kept, with the
// text placed by its top-left corner in whole device pixels.
#pragma once

#include <QImage>
#include <string>

#include "base/Random.h"
#include "page/PageSetup.h"
#include "page/PageTarget.h"
#include "page/PageValues.h"
#include "storage/PuzzleRecord.h"

namespace gw {

enum class RenderMode { Page, Metafile };

struct RenderContext {
  PageTarget& canvas;
  const PuzzleRecord& puzzle;
  const PrintOptions& options;
  RenderMode mode;
  PageValues& values;  // written in page mode, read in metafile mode
  Rng& random;         // shuffles scrambled words
  int textNumber = 0;  // running number of the text object being drawn

  bool Metafile() const { return mode == RenderMode::Metafile; }
};

// An object's box in inches.
struct Box {
  double x1, y1, x2, y2;
  double W() const { return x2 - x1; }
  double H() const { return y2 - y1; }
};
Box ObjectBox(const RenderContext& ctx, const LayoutObject& object);

// Each writes the size it settled on into the object's fittedFontSize in page mode and reads it
// from there in metafile mode.
void DrawPuzzleBody(RenderContext& ctx, LayoutObject& object);
// Title and bonus question.
void DrawTextLine(RenderContext& ctx, LayoutObject& object, const std::string& text);
void DrawWordList(RenderContext& ctx, LayoutObject& object);
void DrawClueList(RenderContext& ctx, LayoutObject& object);
void DrawText(RenderContext& ctx, LayoutObject& object);
void DrawRectangleOrCircle(RenderContext& ctx, const LayoutObject& object);
void DrawBitmap(RenderContext& ctx, const LayoutObject& object, const QImage& picture);

// Shared by the renderers.
ReportFont ObjectFont(const LayoutObject& object, int size);
// The border of an object: borderWidth outlines, each one device pixel further out.
void DrawBorder(RenderContext& ctx, const LayoutObject& object, const Box& box);
// Transparent text for objects with optionA set, else opaque text on white.
void TextBackgroundOf(RenderContext& ctx, const LayoutObject& object);
// A row of a list or text: on the page, its baseline a fifth of the row height above the row's
// bottom; in metafile mode, its top at the row's top.
void PrintRow(RenderContext& ctx, double x, double rowTop, double rowHeight,
              const std::string& text);
// Whole device pixels, truncated, as the metafile mode places everything.
int XPixels(const PageTarget& canvas, double inches);
int YPixels(const PageTarget& canvas, double inches);

// The thinnest line of the grid, its answer key and its phrase circles: half a point. A line one
// printer dot wide prints faint grey.
inline constexpr double kThinnestLine = 1.0 / 144;

// The probes lists and text measure their lines with.
inline constexpr const char* kLineProbe = "ABCWjkl";
inline constexpr const char* kDigitProbe = "9";

}  // namespace gw
