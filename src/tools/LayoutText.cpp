// Parses the readable layout descriptions into PageLayout records.
#include "tools/LayoutText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "layouts/LayoutTables.h"

namespace gw {
namespace {

// Thrown inside the parser and turned into the "line N: ..." message at its edge.
struct ParseError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& what) {
  throw ParseError(what);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::vector<std::string> Tokenize(const std::string& line) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    if (line[i] == '#' && (tokens.empty() || i + 1 >= line.size() || IsBlank(line[i + 1]))) break;
    std::string token;
    if (line[i] == '"') {
      ++i;
      while (true) {
        if (i >= line.size()) Fail("a quoted text is not closed");
        if (line[i] == '"') break;
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        token += line[i++];
      }
      ++i;
      if (i < line.size() && !IsBlank(line[i])) Fail("blank expected after the closing quote");
    } else {
      while (i < line.size() && !IsBlank(line[i])) token += line[i++];
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

// The rest of a line as one text: "layout Clues Worksheet" needs no quotes.
std::string Rest(const std::vector<std::string>& t) {
  if (t.size() < 2) Fail("\"" + t[0] + "\" needs a text");
  std::string text = t[1];
  for (size_t i = 2; i < t.size(); ++i) text += " " + t[i];
  return text;
}

double Number(const std::string& s) {
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
    Fail("\"" + s + "\" is not a number");
  return v;
}

int WholeNumber(const std::string& s, int low, int high) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v < low || v > high)
    Fail("\"" + s + "\" is not a whole number from " + std::to_string(low) + " to " +
         std::to_string(high));
  return v;
}

uint8_t OnOff(const std::string& s) {
  if (s == "on") return 1;
  if (s == "off") return 0;
  Fail("on or off expected, not \"" + s + "\"");
}

// "#RRGGBB" as the record stores colours: 0x00BBGGRR.
uint32_t Colour(const std::string& s) {
  if (s == "black") return 0;
  if (s == "white") return 0xFFFFFF;
  uint32_t rgb = 0;
  if (s.size() != 7 || s[0] != '#' ||
      std::from_chars(s.data() + 1, s.data() + 7, rgb, 16).ptr != s.data() + 7)
    Fail("colour \"" + s + "\" is not #RRGGBB, black or white");
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// Record text is Windows-1252; descriptions are UTF-8.
std::string RecordText(const std::string& utf8, size_t capacity, const char* what) {
  const QString q = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  if (!IsCp1252(q)) Fail(std::string(what) + " has characters outside Windows-1252");
  std::string text = FromQString(q);
  if (text.size() > capacity)
    Fail(std::string(what) + " is longer than " + std::to_string(capacity) + " characters");
  return text;
}

const std::map<std::string, int16_t> kObjectWords{
    {"title", kKindTitle},         {"puzzle", kKindPuzzle}, {"words", kKindWords},
    {"bonus", kKindBonus},         {"text", kKindText},     {"bitmap", kKindBitmap},
    {"rectangle", kKindRectangle}, {"circle", kKindCircle}};

class Parser {
 public:
  explicit Parser(PageLayout& layout) : layout_(layout) {
    std::memset(&layout_, 0, sizeof layout_);
  }

  void Line(const std::vector<std::string>& t) {
    const std::string& key = t[0];
    if (auto kind = kObjectWords.find(key); kind != kObjectWords.end()) {
      Args(t, 0, 0);
      StartObject(kind->second);
    } else if (!object_) {
      PageProperty(t);
    } else {
      ObjectProperty(t);
    }
  }

  void Finish() {
    EndObject();
    if (!pageReady_) ReadyPage();
  }

 private:
  static void Args(const std::vector<std::string>& t, size_t low, size_t high) {
    const size_t n = t.size() - 1;
    if (n < low || n > high)
      Fail("\"" + t[0] + "\" takes " +
           (low == high ? std::to_string(low)
                        : std::to_string(low) + " to " + std::to_string(high)) +
           (low == 1 && high == 1 ? " value" : " values") + ", not " + std::to_string(n));
  }

  void PageProperty(const std::vector<std::string>& t) {
    const std::string& key = t[0];
    if (key == "layout") {
      layout_.layoutName.Set(RecordText(Rest(t), 20, "the layout name"));
      haveName_ = true;
    } else if (key == "paper") {
      Args(t, 1, 5);
      Paper(t);
    } else if (key == "zoom") {
      Args(t, 1, 1);
      if (t[1] == "small")
        zoom_ = kZoomSmall;
      else if (t[1] == "medium")
        zoom_ = kZoomMedium;
      else if (t[1] == "large")
        zoom_ = kZoomLarge;
      else
        Fail("zoom is small, medium or large");
    } else {
      Fail("\"" + key + "\" is not a page setting (objects start with title, puzzle, words, ...)");
    }
  }

  void Paper(const std::vector<std::string>& t) {
    const bool landscape = t.back() == "landscape";
    const size_t n = t.size() - (landscape || t.back() == "portrait" ? 1 : 0);
    if (t[1] == "Custom") {
      if (n != 5) Fail("paper Custom <width> <height> inches|cm [portrait|landscape]");
      if (t[4] != "inches" && t[4] != "cm") Fail("the unit is inches or cm");
      layout_.paperName.Set("Custom");
      layout_.pageWidth = Number(t[2]);
      layout_.pageHeight = Number(t[3]);
      layout_.inches = t[4] == "inches" ? 1 : 0;
      layout_.portrait = landscape ? 0 : 1;
      // The designer's limits: anything else would not fit its 16-bit pixel counts either.
      const CustomPaperRange r = CustomPaperLimits(layout_.inches != 0);
      const char* unit = layout_.inches ? " inches" : " cm";
      if (!(layout_.pageWidth >= r.minWidth && layout_.pageWidth <= r.maxWidth))
        Fail("a custom page is " + FormatPlain(r.minWidth) + " to " + FormatPlain(r.maxWidth) +
             unit + " wide");
      if (!(layout_.pageHeight >= r.minHeight && layout_.pageHeight <= r.maxHeight))
        Fail("a custom page is " + FormatPlain(r.minHeight) + " to " + FormatPlain(r.maxHeight) +
             unit + " high");
    } else {
      const PaperSize* paper = FindPaper(t[1]);
      if (!paper) Fail("unknown paper \"" + t[1] + "\"");
      if (n != 2) Fail("paper <name> [portrait|landscape]");
      SetPaper(layout_, *paper, !landscape);
    }
    havePaper_ = true;
  }

  void ReadyPage() {
    if (!haveName_) Fail("the layout has no name (layout <name>)");
    if (!havePaper_) Fail("the layout has no paper (paper <name>)");
    SetDesignZoom(layout_, zoom_);
    u_ = DesignUnit(zoom_, layout_.inches != 0);
    pageReady_ = true;
  }

  void StartObject(int16_t kind) {
    EndObject();
    if (!pageReady_) ReadyPage();
    const int position = AddNewObject(layout_, kind, 0, 0, u_);
    if (position == 0)
      Fail(UsedObjectCount(layout_) >= kMaxLayoutObjects
               ? "a layout holds at most 20 objects"
               : "a layout holds at most one object of this kind");
    object_ = &layout_.objects[position - 1];
    haveBox_ = false;
    textLines_ = 0;
  }

  void EndObject() {
    if (object_ && !haveBox_) Fail("the object before this point has no box");
  }

  void ObjectProperty(const std::vector<std::string>& t) {
    const std::string& key = t[0];
    if (key == "layout" || key == "paper" || key == "zoom")
      Fail("page settings come before the first object");
    for (const Property& p : kProperties) {
      if (key != p.key && (!p.alias || key != p.alias)) continue;
      // Which properties each kind takes; anything else is a mistake worth stopping the build for.
      if (object_->kind < 0 || object_->kind > 31 || !(p.kinds >> object_->kind & 1u))
        Fail("\"" + key + "\" does not apply to this kind of object");
      Args(t, p.minArgs, p.maxArgs);
      (this->*p.apply)(t, *object_);
      return;
    }
    Fail("unknown property \"" + key + "\"");
  }

  // One object property of the description: its key, the kinds that take it, how many values
  // follow it and what it sets.
  struct Property {
    const char* key;
    const char* alias;
    uint32_t kinds;  // bit k set: kind k takes the property
    size_t minArgs, maxArgs;
    void (Parser::*apply)(const std::vector<std::string>&, LayoutObject&);
  };
  static const Property kProperties[18];

  void SetName(const std::vector<std::string>& t, LayoutObject& o) {
    o.objectName.Set(RecordText(Rest(t), 15, "the object name"));
  }
  void SetBox(const std::vector<std::string>& t, LayoutObject&) { Box(t); }
  void SetFont(const std::vector<std::string>& t, LayoutObject& o) {
    o.fontName.Set(RecordText(t[1], 30, "the font name"));
    o.fontSize = static_cast<int16_t>(WholeNumber(t[2], 2, 200));
    o.fontBold = o.fontItalic = o.fontUnderline = o.fontStrikeOut = 0;
    for (size_t i = 3; i < t.size(); ++i) {
      if (t[i] == "bold")
        o.fontBold = 1;
      else if (t[i] == "italic")
        o.fontItalic = 1;
      else if (t[i] == "underline")
        o.fontUnderline = 1;
      else if (t[i] == "strikeout")
        o.fontStrikeOut = 1;
      else
        Fail("font style \"" + t[i] + "\" is not bold, italic, underline or strikeout");
    }
  }
  void SetColour(const std::vector<std::string>& t, LayoutObject& o) { o.fontColor = Colour(t[1]); }
  void SetAlign(const std::vector<std::string>& t, LayoutObject& o) {
    if (t[1] == "left")
      o.alignment = 1;
    else if (t[1] == "centre" || t[1] == "center")
      o.alignment = 2;
    else if (t[1] == "right")
      o.alignment = 3;
    else
      Fail("align is left, centre or right");
  }
  void SetFit(const std::vector<std::string>& t, LayoutObject& o) { o.makeItFit = OnOff(t[1]); }
  void SetTransparent(const std::vector<std::string>& t, LayoutObject& o) {
    // The puzzle keeps its transparency where the other kinds keep their grid-line flag.
    (o.kind == kKindPuzzle ? o.optionB : o.optionA) = OnOff(t[1]);
  }
  void SetGridLines(const std::vector<std::string>& t, LayoutObject& o) { o.optionA = OnOff(t[1]); }
  void SetGridColour(const std::vector<std::string>& t, LayoutObject& o) {
    o.gridLineColor = Colour(t[1]);
  }
  void SetBackground(const std::vector<std::string>& t, LayoutObject& o) {
    o.backgroundColor = Colour(t[1]);
  }
  void SetLowerCase(const std::vector<std::string>& t, LayoutObject& o) {
    o.lowerCase = OnOff(t[1]);
  }
  void SetLineWidth(const std::vector<std::string>& t, LayoutObject& o) {
    o.lineWidth = WholeNumber(t[1], 1, 9);
  }
  void SetColumns(const std::vector<std::string>& t, LayoutObject& o) {
    o.columns = static_cast<int16_t>(WholeNumber(t[1], 1, 9));
  }
  void AddLine(const std::vector<std::string>& t, LayoutObject& o) {
    std::string text = ObjectText(o);
    if (textLines_++ > 0) text += "\r\n";
    text += t.size() > 1 ? RecordText(t[1], kMaxObjectText, "the line") : "";
    if (text.size() > kMaxObjectText) Fail("the text is longer than 1000 characters");
    SetObjectText(o, text);
  }
  void SetFile(const std::vector<std::string>& t, LayoutObject& o) {
    o.bitmapFile.Set(RecordText(t[1], 255, "the bitmap file name"));
  }
  void SetTile(const std::vector<std::string>& t, LayoutObject& o) { o.optionA = OnOff(t[1]); }
  void SetFill(const std::vector<std::string>& t, LayoutObject& o) {
    o.optionB = t[1] == "none" ? 0 : 1;
    if (o.optionB) o.fillColor = Colour(t[1]);
  }
  void SetBorder(const std::vector<std::string>& t, LayoutObject& o) {
    if (t[1] == "off") {
      if (t.size() > 2) Fail("border off takes no colour");
      o.border = 0;
    } else {
      o.border = 1;
      o.borderWidth = static_cast<int16_t>(WholeNumber(t[1], 1, 9));
      if (t.size() > 2) o.borderColor = Colour(t[2]);
    }
  }

  void Box(const std::vector<std::string>& t) {
    int32_t v[4];
    for (int i = 0; i < 4; ++i) {
      // Checked in units first, so that no far-off number is ever rounded into an int.
      const double units = Number(t[i + 1]);
      if (units < 0 || units > (i % 2 == 0 ? layout_.pageWidth : layout_.pageHeight))
        Fail("the box reaches outside the page");
      v[i] = static_cast<int32_t>(std::lround(units * u_));
    }
    if (v[0] > v[2] || v[1] > v[3])
      Fail("the box's right or bottom edge lies before its left or top");
    if (v[0] < 0 || v[1] < 0 || v[2] > layout_.pixelWidth || v[3] > layout_.pixelHeight)
      Fail("the box reaches outside the page");
    object_->bounds = {v[0], v[1], v[2], v[3]};
    haveBox_ = true;
  }

  PageLayout& layout_;
  bool haveName_ = false, havePaper_ = false, pageReady_ = false;
  int zoom_ = kZoomMedium;
  int u_ = 0;
  LayoutObject* object_ = nullptr;
  bool haveBox_ = false;
  int textLines_ = 0;
};

constexpr uint32_t Kinds(std::initializer_list<LayoutKind> kinds) {
  uint32_t mask = 0;
  for (LayoutKind k : kinds) mask |= 1u << k;
  return mask;
}
constexpr uint32_t kAnyKind = ~0u;
constexpr size_t kAnyCount = static_cast<size_t>(-1);
// Text kinds take fonts and colours; the boxed ones also fit their text to the box.
constexpr uint32_t kTextKinds = Kinds({kKindTitle, kKindPuzzle, kKindWords, kKindBonus, kKindText});
constexpr uint32_t kBoxedTextKinds = Kinds({kKindTitle, kKindWords, kKindBonus, kKindText});

const Parser::Property Parser::kProperties[18] = {
    {"name", nullptr, kAnyKind, 0, kAnyCount, &Parser::SetName},
    {"box", nullptr, kAnyKind, 4, 4, &Parser::SetBox},
    {"font", nullptr, kTextKinds, 2, 6, &Parser::SetFont},
    {"colour", "color", kTextKinds, 1, 1, &Parser::SetColour},
    {"align", nullptr, Kinds({kKindTitle, kKindBonus, kKindText}), 1, 1, &Parser::SetAlign},
    {"fit", nullptr, kBoxedTextKinds, 1, 1, &Parser::SetFit},
    {"transparent", nullptr, kTextKinds, 1, 1, &Parser::SetTransparent},
    {"gridlines", nullptr, Kinds({kKindPuzzle}), 1, 1, &Parser::SetGridLines},
    {"gridcolour", "gridcolor", Kinds({kKindPuzzle}), 1, 1, &Parser::SetGridColour},
    {"background", nullptr, Kinds({kKindPuzzle}), 1, 1, &Parser::SetBackground},
    {"lowercase", nullptr, Kinds({kKindPuzzle}), 1, 1, &Parser::SetLowerCase},
    {"linewidth", nullptr, Kinds({kKindPuzzle}), 1, 1, &Parser::SetLineWidth},
    {"columns", nullptr, Kinds({kKindWords}), 1, 1, &Parser::SetColumns},
    {"line", nullptr, Kinds({kKindText}), 0, 1, &Parser::AddLine},
    {"file", nullptr, Kinds({kKindBitmap}), 1, 1, &Parser::SetFile},
    {"tile", nullptr, Kinds({kKindBitmap}), 1, 1, &Parser::SetTile},
    {"fill", nullptr, Kinds({kKindRectangle, kKindCircle}), 1, 1, &Parser::SetFill},
    {"border", nullptr,
     Kinds(
         {kKindTitle, kKindWords, kKindBonus, kKindText, kKindBitmap, kKindRectangle, kKindCircle}),
     1, 2, &Parser::SetBorder},
};

}  // namespace

bool ParseLayoutText(const std::string& text, PageLayout& out, std::string& error) {
  Parser parser(out);
  std::istringstream in(text);
  std::string line;
  int number = 0;
  try {
    while (std::getline(in, line)) {
      ++number;
      const std::vector<std::string> tokens = Tokenize(line);
      if (!tokens.empty()) parser.Line(tokens);
    }
    number = 0;
    parser.Finish();
  } catch (const ParseError& e) {
    error = (number > 0 ? "line " + std::to_string(number) : std::string("at the end")) + ": " +
            e.what();
    return false;
  }
  return true;
}

}  // namespace gw
