// The interactive web puzzle's page and the index page of a group's puzzles.
#include "page/InteractivePage.h"

#include <QByteArray>
#include <QString>
#include <cstdlib>
#include <filesystem>

#include "base/Random.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "page/HtmlPage.h"
#include "page/ListTexts.h"

namespace gw {

// The page's style sheet and script, kept as files of their own beside this one and built in.
extern const char kInteractivePageStyle[];
extern const char kInteractivePageScript[];

namespace {

// Record text as HTML text: UTF-8, the characters markup gives a meaning to as references, and
// control characters (which no browser shows) as spaces.
std::string HtmlText(const std::string& cp1252) {
  std::string out;
  for (const QChar ch : ToQString(cp1252)) {
    const char16_t u = ch.unicode();
    if (u == '<') {
      out += "&lt;";
    } else if (u == '>') {
      out += "&gt;";
    } else if (u == '&') {
      out += "&amp;";
    } else if (u == '"') {
      out += "&quot;";
    } else if (u == '\'') {
      out += "&#39;";
    } else if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) {
      out += ' ';
    } else {
      out += QString(ch).toUtf8().toStdString();
    }
  }
  return out;
}

// Text as a JSON string inside a script element: nothing in it can end the element or start
// markup, whatever the record holds.
std::string JsonString(const std::string& cp1252) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const QChar ch : ToQString(cp1252)) {
    const char16_t u = ch.unicode();
    if (u < 0x20 || u == '"' || u == '\\' || u == '<' || u == '>' || u == '&' || u == '\'' ||
        (u >= 0x7F && u <= 0x9F)) {
      out += "\\u00";
      out += kHex[(u >> 4) & 0xF];
      out += kHex[u & 0xF];
    } else {
      out += QString(ch).toUtf8().toStdString();
    }
  }
  return out + "\"";
}

bool InGrid(int cell, int width, int height) {
  return cell >= 1 && cell <= kGridCells && CellRow(cell) <= height && CellColumn(cell) <= width;
}

// A word that can be found: placed, both ends in the grid's cells, one of the eight directions.
bool Findable(const PuzzleRecord& p, int word) {
  if (p.wordPlaced[word - 1] != 1) return false;
  const int width = ClampedGridWidth(p), height = ClampedGridHeight(p);
  const int start = p.wordStart[word - 1], end = p.wordEnd[word - 1];
  if (!InGrid(start, width, height) || !InGrid(end, width, height)) return false;
  if (p.Letter(start) == 0 || p.Letter(end) == 0) return false;
  const int dr = CellRow(end) - CellRow(start), dc = CellColumn(end) - CellColumn(start);
  return dr == 0 || dc == 0 || std::abs(dr) == std::abs(dc);
}

// The letter a cell shows, or 0 outside the shape (and in a cell that never got its letter).
uint8_t CellLetter(const PuzzleRecord& p, int row, int column, bool lowerCase) {
  const int cell = CellIndex(row, column);
  if (p.Letter(cell) == 0) return 0;
  const uint8_t shown = ShownLetter(p, cell);
  if (shown == 0 || shown == ' ') return 0;
  return lowerCase ? ToLowerAccented(shown) : shown;
}

// The list entries the page shows: placed words only, in the order and form of the print options.
// Clues keep the puzzle's order, as on paper; the answers stay hidden until found or shown.
std::vector<WordEntry> PageEntries(const PuzzleRecord& p, PrintOptions options) {
  options.answerKey = false;
  const int n = PrintedWordCount(p);
  std::vector<WordEntry> entries;
  if (options.wordOption == kClues) {
    for (int i = 1; i <= n; ++i)
      if (Findable(p, i)) entries.push_back({ClueEntryText(p, i, options), i});
    return entries;
  }
  Rng random(options.scrambleSeed.value_or(ClockSeed()));
  for (WordEntry& e : WordListEntries(p, n, options, random))
    if (Findable(p, e.word)) entries.push_back(std::move(e));
  return entries;
}

// The words' ends and letters in list order, each as row, column, row, column, length and the
// UTF-8 bytes, turned unreadable by a xorshift stream from the key. The page's script reverses it.
std::string ScrambledAnswers(const PuzzleRecord& p, const std::vector<WordEntry>& entries,
                             uint32_t key) {
  QByteArray bytes;
  for (const WordEntry& e : entries) {
    const int start = p.wordStart[e.word - 1], end = p.wordEnd[e.word - 1];
    const QByteArray text = ToQString(p.Word(e.word).Get()).toUtf8().left(255);
    for (const int v : {CellRow(start), CellColumn(start), CellRow(end), CellColumn(end),
                        static_cast<int>(text.size())})
      bytes.append(static_cast<char>(v));
    bytes.append(text);
  }
  uint32_t x = key != 0 ? key : 0x9E3779B9u;
  for (char& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<char>(static_cast<uint8_t>(b) ^ (x & 0xFF));
  }
  return bytes.toBase64().toStdString();
}

const char* FormName(long wordOption) {
  switch (wordOption) {
    case kClues:
      return "clues";
    case kScrambledWords:
      return "scrambled";
    case kPartialWords:
      return "partial";
    default:
      return "words";
  }
}

}  // namespace

std::optional<std::string> InteractivePageRefusal(const PuzzleRecord& puzzle) {
  // The reasons end a sentence the preview window translates; the command line shows them as is.
  if (!puzzle.puzzleGenerated)
    return QT_TRANSLATE_NOOP("gw::Messages", "the puzzle was never generated");
  for (int i = 1; i <= ClampedWordCount(puzzle); ++i)
    if (Findable(puzzle, i)) return std::nullopt;
  return QT_TRANSLATE_NOOP("gw::Messages", "the puzzle's grid holds no word to find");
}

uint32_t InteractivePageKey(std::optional<uint64_t> seed) {
  Rng random(seed ? *seed ^ 0x6B65795F70616765ull : ClockSeed());
  return static_cast<uint32_t>(random.Next() >> 32);
}

// The start of every page this file writes, up to its title.
constexpr const char* kPageHead =
    "<!DOCTYPE html>\n"
    "<html lang=\"en\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<meta name=\"generator\" content=\"Gridwright\">";

std::string InteractivePageText(const PuzzleRecord& p, const InteractivePageOptions& options) {
  const PrintOptions& print = options.print;
  const int width = ClampedGridWidth(p), height = ClampedGridHeight(p);
  const std::vector<WordEntry> entries = PageEntries(p, print);
  const std::string title = Trim(p.title.Get());
  const std::string form = FormName(print.wordOption);

  std::string page;
  auto line = [&page](const std::string& text) { page += text + "\n"; };
  line(kPageHead);
  line("<title>" + (title.empty() ? std::string("Word Search Puzzle") : HtmlText(title)) +
       "</title>");
  line("<style>");
  page += kInteractivePageStyle;
  line("</style>");
  line("</head>");
  line("<body>");
  line("<main>");
  if (!options.indexName.empty())
    line("<p class=\"back\"><a href=\"" + HtmlSourceOf(options.indexName) +
         "\">All puzzles</a></p>");
  if (print.printTitle && !title.empty()) line("<h1>" + HtmlText(title) + "</h1>");
  line(
      "<p class=\"how\" id=\"how\">Drag from the first letter of a word to its last, or tap both "
      "letters. With the keyboard: arrow keys move, Enter or Space marks the first and the last "
      "letter.</p>");
  line("<div class=\"play\">");
  line("<div class=\"board" + std::string(print.useGrid ? " lines" : "") +
       "\" style=\"--rows:" + std::to_string(height) + ";--cols:" + std::to_string(width) + "\">");
  line("<svg id=\"marks\" aria-hidden=\"true\" viewBox=\"0 0 " + std::to_string(width) + " " +
       std::to_string(height) + "\" preserveAspectRatio=\"none\"></svg>");
  line("<div id=\"grid\" role=\"grid\" aria-label=\"Letter grid, " + std::to_string(height) +
       " rows by " + std::to_string(width) + " columns\" aria-describedby=\"how\"></div>");
  line("<noscript>Solving this puzzle on screen needs JavaScript.</noscript>");
  line("</div>");
  if (print.printWords) {
    const bool clues = print.wordOption == kClues;
    line("<section class=\"list " + form + "\" aria-labelledby=\"list-heading\">");
    line(std::string("<h2 id=\"list-heading\">") + (clues ? "Clues" : "Words") + "</h2>");
    line(clues ? "<ol id=\"list\">" : "<ul id=\"list\">");
    for (size_t k = 0; k < entries.size(); ++k)
      line("<li id=\"w" + std::to_string(k) + "\"><span class=\"entry\">" +
           HtmlText(entries[k].text) + "</span></li>");
    line(clues ? "</ol>" : "</ul>");
    line("</section>");
  }
  line("</div>");
  if (print.printBonus && !Trim(p.bonusQuestion.Get()).empty())
    line("<p class=\"bonus\"><strong>Bonus question:</strong> " + HtmlText(p.bonusQuestion.Get()) +
         "</p>");
  line("<p id=\"done\" class=\"done\" hidden></p>");
  if (options.showAnswers)
    line("<p class=\"tools\"><button type=\"button\" id=\"answers\">Show answers</button></p>");
  line("<div id=\"live\" class=\"sr-only\" aria-live=\"polite\"></div>");
  line("</main>");

  std::string rows;
  for (int r = 1; r <= height; ++r) {
    std::string row;
    for (int c = 1; c <= width; ++c) {
      const uint8_t letter = CellLetter(p, r, c, print.lowerCase);
      row += letter ? static_cast<char>(letter) : ' ';
    }
    rows += (r > 1 ? "," : "") + JsonString(row);
  }
  line("<script type=\"application/json\" id=\"puzzle-data\">");
  line("{\"rows\":" + std::to_string(height) + ",\"cols\":" + std::to_string(width) +
       ",\"form\":\"" + form + "\",\"key\":" + std::to_string(options.key) + ",\"grid\":[" + rows +
       "],\"answers\":\"" + ScrambledAnswers(p, entries, options.key) + "\"}");
  line("</script>");
  line("<script>");
  page += kInteractivePageScript;
  line("</script>");
  line("</body>");
  line("</html>");
  return page;
}

std::string InteractiveIndexText(const std::string& heading,
                                 const std::vector<IndexEntry>& entries) {
  std::string page;
  auto line = [&page](const std::string& text) { page += text + "\n"; };
  line(kPageHead);
  line("<title>" + HtmlText(heading) + "</title>");
  line("<style>");
  line("body{margin:0;font:1.125rem/1.5 system-ui,sans-serif;color:#1a1a1a;background:#fff}");
  line("main{max-width:40rem;margin:0 auto;padding:1rem}");
  line("h1{font-size:1.6rem;overflow-wrap:anywhere}");
  line("li{margin:.5rem 0;overflow-wrap:anywhere}");
  line("a{color:#0b57d0}a:focus-visible{outline:3px solid #0b57d0;outline-offset:2px}");
  line(".category{color:#595959}");
  line("</style>");
  line("</head>");
  line("<body>");
  line("<main>");
  line("<h1>" + HtmlText(heading) + "</h1>");
  line("<ol>");
  for (const IndexEntry& e : entries) {
    const std::string title = Trim(e.title).empty() ? "Word Search Puzzle" : Trim(e.title);
    std::string item =
        "<li><a href=\"" + HtmlSourceOf(e.fileName) + "\">" + HtmlText(title) + "</a>";
    if (!Trim(e.category).empty())
      item += " <span class=\"category\">(" + HtmlText(Trim(e.category)) + ")</span>";
    line(item + "</li>");
  }
  line("</ol>");
  line("</main>");
  line("</body>");
  line("</html>");
  return page;
}

std::string InteractivePagePath(const std::string& indexPath, int record) {
  const std::filesystem::path index(indexPath);
  const std::string name = index.filename().string();
  const size_t dot = name.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot != 0;
  const std::string stem = hasExtension ? name.substr(0, dot) : name;
  const std::string extension = hasExtension ? name.substr(dot) : ".html";
  return (index.parent_path() / (stem + "-" + std::to_string(record) + extension)).string();
}

}  // namespace gw
