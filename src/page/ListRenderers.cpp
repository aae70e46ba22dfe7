// The word list and the clue list, with Make It Fit.
#include <algorithm>
#include <string>

#include "base/TextUtils.h"
#include "page/ListTexts.h"
#include "page/Renderers.h"

namespace gw {

namespace {

int RowsIn(double height, double lineHeight) {
  return lineHeight > 0 && height > 0 ? static_cast<int>(height / lineHeight) : 0;
}

// Word list layout at the current font.
WordListValues PlanWords(PageTarget& c, const Box& box, const std::vector<std::string>& texts,
                         int columns, bool& tooWide) {
  WordListValues v;
  v.rows = RowsIn(box.H(), c.TextHeight(kLineProbe));
  v.indent = 0.25 * c.TextWidth(kDigitProbe);
  v.columnWidth = (box.W() - v.indent) / columns;
  v.rowHeight = v.rows > 0 ? box.H() / v.rows : 0;
  const long slotCount = static_cast<long>(v.rows) * columns;
  v.fitting = static_cast<int>(std::min<long>(slotCount, static_cast<long>(texts.size())));
  v.chars.assign(texts.size(), 0);
  tooWide = false;
  for (size_t i = 0; i < texts.size(); ++i) {
    const bool fits = c.TextWidth(texts[i]) <= v.columnWidth;
    tooWide = tooWide || !fits;
    if (static_cast<int>(i) < v.fitting && fits) v.chars[i] = static_cast<int>(texts[i].size());
  }
  return v;
}

// One clue entry cut into lines narrower than `width`: the last word moves to the next line
// while the line is too wide. A single word wider than the column gets a line of its own and
// spoils the fit; so does an eighth line when `strict`. Lines keep their spaces so the metafile
// mode can cut the text at the same places.
ClueListValues::Entry WrapClue(PageTarget& c, const std::string& text, double width, bool strict,
                               bool& ok) {
  ClueListValues::Entry e;
  std::string rest = text;
  while (e.lines < kMaxClueLines && (e.lines == 0 || !Trim(rest).empty())) {
    std::string line = rest, next;
    while (!line.empty() && c.TextWidth(line) >= width) {
      size_t end = line.size();
      while (end > 0 && line[end - 1] == ' ') --end;
      const size_t space = end > 0 ? line.rfind(' ', end - 1) : std::string::npos;
      const size_t start = space == std::string::npos ? 0 : space + 1;
      next = line.substr(start) + next;
      line.erase(start);
    }
    if (line.empty() && !rest.empty()) {
      ok = false;
      const size_t word = rest.find_first_not_of(' ');
      const size_t end = word == std::string::npos ? rest.size() : rest.find(' ', word);
      line = rest.substr(0, end == std::string::npos ? rest.size() : end);
      next = rest.substr(line.size());
    }
    e.chars[e.lines++] = static_cast<int>(line.size());
    rest = next;
  }
  if (strict && !Trim(rest).empty()) ok = false;
  return e;
}

ClueListValues PlanClues(PageTarget& c, const Box& box, const std::vector<std::string>& texts,
                         int columns, bool strict, bool& ok) {
  ClueListValues v;
  const int n = static_cast<int>(texts.size());
  const double u = c.TextWidth(kDigitProbe);
  v.numberWidth = u * (n < 10 ? 2 : n < 100 ? 3 : 4);
  v.gap = 2 * u;
  v.indent = 0.25 * u;
  v.textWidth = (box.W() - (columns * v.numberWidth + (columns - 1) * v.gap + v.indent)) / columns;
  v.rows = RowsIn(box.H(), c.TextHeight(kLineProbe));
  v.rowHeight = v.rows > 0 ? box.H() / v.rows : 0;
  ok = true;
  v.entries.reserve(n);
  v.fitting = n;
  int column = 0, row = 0;
  for (int i = 0; i < n; ++i) {
    ClueListValues::Entry e = WrapClue(c, texts[i], v.textWidth, strict, ok);
    // An entry that would pass the last row starts the next column.
    if (row + e.lines > v.rows) {
      ++column;
      row = 0;
    }
    if (column >= columns || e.lines > v.rows) {
      // Nothing from here on can be printed, so nothing more is measured.
      v.fitting = i;
      ok = false;
      v.entries.push_back(e);
      break;
    }
    e.column = column;
    e.row = row;
    row += e.lines;
    v.entries.push_back(e);
  }
  return v;
}

}  // namespace

void DrawWordList(RenderContext& ctx, LayoutObject& object) {
  PageTarget& c = ctx.canvas;
  const Box box = ObjectBox(ctx, object);
  const int columns = static_cast<int>(ctx.options.numColumns);
  if (columns < 1) return;
  std::vector<std::string> texts;
  for (const WordEntry& e :
       WordListEntries(ctx.puzzle, ctx.values.printedWords, ctx.options, ctx.random))
    texts.push_back(Trim(e.text));
  TextBackgroundOf(ctx, object);

  WordListValues& v = ctx.values.words;
  if (ctx.Metafile()) {
    c.SetFont(ObjectFont(object, object.fittedFontSize));
  } else {
    const int smallest = ctx.options.smallestFont;
    int size = DrawnFontSize(std::max<int>(object.fontSize, smallest));
    c.SetFont(ObjectFont(object, size));
    bool tooWide = false;
    while (true) {
      v = PlanWords(c, box, texts, columns, tooWide);
      const bool fits = !tooWide && v.fitting == static_cast<int>(texts.size());
      if (fits || !object.makeItFit || size <= std::max(3, smallest)) break;
      c.SetFont(ObjectFont(object, --size));
    }
    object.fittedFontSize = static_cast<int16_t>(size);
    // With Make It Fit off a word too wide for its column is simply left out.
    ctx.values.wordsFit =
        v.fitting == static_cast<int>(texts.size()) && !(object.makeItFit && tooWide);
  }

  for (int i = 0; i < v.fitting && i < static_cast<int>(texts.size()); ++i) {
    const int chars = i < static_cast<int>(v.chars.size()) ? v.chars[i] : 0;
    if (chars <= 0 || v.rows <= 0) continue;
    const int column = i / v.rows, row = i % v.rows;
    PrintRow(ctx, box.x1 + v.indent + column * v.columnWidth, box.y1 + row * v.rowHeight,
             v.rowHeight, Trim(texts[i].substr(0, chars)));
  }
  DrawBorder(ctx, object, box);
}

void DrawClueList(RenderContext& ctx, LayoutObject& object) {
  PageTarget& c = ctx.canvas;
  const Box box = ObjectBox(ctx, object);
  const int columns = static_cast<int>(ctx.options.numColumns);
  if (columns < 1) return;
  std::vector<std::string> texts;
  for (int i = 1; i <= ctx.values.printedWords; ++i)
    texts.push_back(ClueEntryText(ctx.puzzle, i, ctx.options));
  TextBackgroundOf(ctx, object);

  ClueListValues& v = ctx.values.clues;
  if (ctx.Metafile()) {
    c.SetFont(ObjectFont(object, object.fittedFontSize));
  } else {
    const int smallest = ctx.options.smallestFont;
    int size = DrawnFontSize(std::max<int>(object.fontSize, smallest));
    c.SetFont(ObjectFont(object, size));
    bool ok = true;
    while (true) {
      v = PlanClues(c, box, texts, columns, object.makeItFit != 0, ok);
      if (ok || !object.makeItFit || size <= std::max(3, smallest)) break;
      c.SetFont(ObjectFont(object, --size));
    }
    object.fittedFontSize = static_cast<int16_t>(size);
    // An entry with nothing to print (no clue, and the word neither shown nor underscored) leaves
    // a bare number: the list is flagged so the teacher hears of it, though no font size mends it.
    const bool blank = std::any_of(texts.begin(), texts.end(),
                                   [](const std::string& t) { return Trim(t).empty(); });
    ctx.values.cluesFit = ok && !blank;
  }

  const int shown = std::min<int>(v.fitting, static_cast<int>(v.entries.size()));
  for (int i = 0; i < shown && i < static_cast<int>(texts.size()); ++i) {
    const ClueListValues::Entry& e = v.entries[i];
    const double x = box.x1 + v.indent + e.column * (v.numberWidth + v.gap + v.textWidth);
    PrintRow(ctx, x, box.y1 + e.row * v.rowHeight, v.rowHeight, std::to_string(i + 1) + ".");
    size_t at = 0;
    const std::string& text = texts[i];
    for (int j = 0; j < e.lines && j < kMaxClueLines; ++j) {
      // Cut where the page rendering cut, whatever the kept values hold.
      at = std::min(at, text.size());
      const size_t chars = std::min<size_t>(std::max(e.chars[j], 0), text.size() - at);
      const std::string piece = Trim(text.substr(at, chars));
      at += chars;
      PrintRow(ctx, x + v.numberWidth, box.y1 + (e.row + j) * v.rowHeight, v.rowHeight, piece);
    }
  }
  DrawBorder(ctx, object, box);
}

}  // namespace gw
