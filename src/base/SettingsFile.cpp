// Reading and writing QUARL3.INI: one list of keys drives both, so load and save cannot drift.
#include "base/SettingsFile.h"

#include <cstdint>
#include <optional>

#include "base/IniFile.h"
#include "base/TextUtils.h"

namespace gw {
namespace {

constexpr size_t kTextKeep = 149;   // a read buffer of 150
constexpr size_t kBlockKeep = 999;  // the HTML texts' buffer of 1000
constexpr size_t kAccentKeyKeep = 4;
constexpr size_t kWebTitleKeep = 100;

// The HTML texts hold several lines (CR LF between them). Written raw, every line after the first
// would become a stray key of [HTML] and the text would come back cut at its first line, so a
// line break is stored as \n and a backslash as \\. Other backslashes read as themselves.
std::string EncodeBlock(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string DecodeBlock(const std::string& stored) {
  std::string out;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == '\\') {
      out += '\\';
      ++i;
    } else {
      out += stored[i];
    }
  }
  return out;
}

class Reader {
 public:
  explicit Reader(const IniFile& ini) : ini_(ini) {}
  void Section(const char* name) { section_ = name; }
  void Text(const char* key, std::string& v, size_t keep = kTextKeep) {
    v = Cut(ini_.GetString(section_, key, v), keep);
  }
  void Block(const char* key, std::string& v) {
    const std::string stored = ini_.GetString(section_, key, EncodeBlock(v), std::string::npos);
    v = Cut(DecodeBlock(stored), kBlockKeep);
  }
  void Flag(const char* key, bool& v) { v = ini_.GetFlag(section_, key, v); }
  template <class N>
  void Number(const char* key, N& v) {
    v = static_cast<N>(ini_.GetNumber(section_, key, static_cast<long>(v)));
  }
  // One character; an empty value gives ":".
  void Char(const char* key, char& v) {
    const std::string s = ini_.GetString(section_, key, std::string(1, v));
    v = s.empty() ? ':' : s[0];
  }

 private:
  const IniFile& ini_;
  std::string section_;
};

class Writer {
 public:
  explicit Writer(IniFile& ini) : ini_(ini) {}
  void Section(const char* name) { section_ = name; }
  void Text(const char* key, const std::string& v, size_t = 0) { ini_.SetString(section_, key, v); }
  void Block(const char* key, const std::string& v) {
    ini_.SetString(section_, key, EncodeBlock(v));
  }
  void Flag(const char* key, bool v) { ini_.SetFlag(section_, key, v); }
  template <class N>
  void Number(const char* key, const N& v) {
    ini_.SetNumber(section_, key, static_cast<long>(v));
  }
  void Char(const char* key, char v) {
    ini_.SetString(section_, key, v == '\0' ? std::string() : std::string(1, v));
  }

 private:
  IniFile& ini_;
  std::string section_;
};

template <class Io, class Html>
void HtmlKeys(Io& io, Html& block, const std::string& name) {
  io.Block(name.c_str(), block.text);
  io.Flag(("Bold " + name).c_str(), block.bold);
  io.Flag(("Italic " + name).c_str(), block.italic);
  io.Flag(("Center " + name).c_str(), block.center);
  io.Number(("Font " + name).c_str(), block.fontSize);
}

template <class Io, class Font>
void FontKeys(Io& io, Font& font, const char* section) {
  io.Section(section);
  io.Text("Font Name", font.name);
  io.Flag("Bold", font.bold);
  io.Flag("Italic", font.italic);
  io.Number("Color", font.color);
}

// Every key in the order it is read and written. S is SettingsValues or const SettingsValues.
template <class Io, class S>
void AllKeys(Io& io, S& s) {
  io.Section("Misc");
  io.Text("Last Import Puzzle File", s.lastImportPuzzleFile);
  io.Text("Last Export Puzzle File", s.lastExportPuzzleFile);
  io.Text("Last Import Shape File", s.lastImportShapeFile);
  io.Text("Last Export Shape File", s.lastExportShapeFile);
  io.Text("Last Import Layout File", s.lastImportLayoutFile);
  io.Text("Last Export Layout File", s.lastExportLayoutFile);
  io.Text("Last Import Word File", s.lastImportWordFile);
  io.Text("Last Export Word File", s.lastExportWordFile);
  io.Text("Last Export Bitmap File", s.lastExportBitmapFile);
  io.Text("Last Export JPEG File", s.lastExportJpegFile);
  io.Text("Last Export EMF File", s.lastExportEmfFile);
  io.Text("Last Export WMF File", s.lastExportWmfFile);
  io.Text("Last Export HTML File", s.lastExportHtmlFile);
  // The preview's PDF, PNG and SVG exports came later than the others.
  io.Text("Last Export PDF File", s.lastExportPdfFile);
  io.Text("Last Export PNG File", s.lastExportPngFile);
  io.Text("Last Export SVG File", s.lastExportSvgFile);
  io.Text("Last Group", s.lastGroup);
  io.Number("Window Size", s.windowSize);
  io.Flag("Background Bitmap", s.backgroundBitmap);
  io.Number("Dictionary", s.dictionary);
  io.Number("User Dictionary", s.userDictionary);
  io.Number("Thesaurus", s.thesaurus);
  io.Number("User Thesaurus", s.userThesaurus);
  io.Flag("Show Tips", s.showTips);

  io.Section("HTML");
  HtmlKeys(io, s.firstHeader, "First Header");
  HtmlKeys(io, s.secondHeader, "Second Header");
  HtmlKeys(io, s.firstFooter, "First Footer");
  HtmlKeys(io, s.secondFooter, "Second Footer");
  io.Flag("Horizontal Upper", s.horizontalUpper);
  io.Flag("Horizontal Lower", s.horizontalLower);
  io.Text("Web Title", s.webTitle, kWebTitleKeep);

  // Came after every section above; a section of its own, so older files read as before.
  io.Section("Interactive Web Page");
  io.Text("Last File", s.lastInteractivePageFile);
  io.Flag("Show Answers", s.interactiveShowAnswers);
  io.Flag("Open When Saved", s.interactiveOpenWhenSaved);

  io.Section("Create Options");
  io.Flag("Use Clues", s.useClues);
  io.Flag("Shrink", s.shrink);
  io.Number("Attempts", s.attempts);
  io.Number("Integration", s.integration);
  io.Number("Import Option", s.importOption);
  io.Number("Export Option", s.exportOption);
  io.Number("Last Shape", s.lastShape);
  io.Char("Sep Char", s.sepChar);

  io.Section("Create");
  io.Flag("Up Right", s.directions[kUpRight]);
  io.Flag("Down", s.directions[kDown]);
  io.Flag("Down Right", s.directions[kDownRight]);
  io.Flag("Left", s.directions[kLeft]);
  io.Flag("Down Left", s.directions[kDownLeft]);
  io.Flag("Up", s.directions[kUp]);
  io.Flag("Up Left", s.directions[kUpLeft]);
  io.Flag("Right", s.directions[kRight]);

  // The international keys belong to "Create Options" but have always come after "Create".
  io.Section("Create Options");
  for (size_t i = 0; i < s.intKeys.size(); ++i)
    io.Text(("Int Key " + std::to_string(i + 1)).c_str(), s.intKeys[i], kAccentKeyKeep);

  io.Section("Page Layout");
  io.Number("Zoom", s.zoom);
  io.Number("Page Designer Window Left", s.designerLeft);
  io.Number("Page Designer Window Top", s.designerTop);
  io.Number("Page Designer Window Width", s.designerWidth);
  io.Number("Page Designer Window Height", s.designerHeight);
  io.Number("Default Page", s.defaultPage);

  io.Section("Reports");
  io.Flag("Default Printer", s.defaultPrinter);
  io.Number("Printer Index", s.printerIndex);
  io.Number("Report Viewing Window Left", s.viewerLeft);
  io.Number("Report Viewing Window Top", s.viewerTop);
  io.Number("Report Viewing Window Width", s.viewerWidth);
  io.Number("Report Viewing Window Height", s.viewerHeight);
  io.Number("JPeg Compression Quality", s.jpegQuality);
  io.Number("Pixel Format", s.pixelFormat);
  io.Flag("Use Grid", s.useGrid);
  io.Flag("Lower Case", s.lowerCase);
  io.Flag("Answer Key", s.answerKey);
  io.Flag("Print Title", s.printTitle);
  io.Flag("Print Body", s.printBody);
  io.Flag("Print Words", s.printWords);
  io.Flag("Print Bonus", s.printBonus);
  io.Flag("Clue Underscore", s.clueUnderscore);
  io.Flag("Partial Underscore", s.partialUnderscore);
  io.Number("Num Columns", s.numColumns);
  io.Number("Word Option", s.wordOption);
  io.Number("First Letters", s.firstLetters);
  io.Number("Last Letters", s.lastLetters);

  FontKeys(io, s.editFont, "Edit Font");
  FontKeys(io, s.labelFont, "Label Font");
  FontKeys(io, s.buttonFont, "Button Font");
}

}  // namespace

std::string SettingsFilePath(const AppPaths& paths) {
  return paths.StartupFile("QUARL3.INI");
}

void LoadSettings(const std::string& iniPath, SettingsValues& values) {
  const std::optional<IniFile> ini = IniFile::Read(iniPath);
  if (!ini) return;
  Reader reader(*ini);
  AllKeys(reader, values);
}

bool SaveSettings(const std::string& iniPath, const SettingsValues& values) {
  // A file we cannot read is not replaced: its other sections would be lost.
  std::optional<IniFile> ini = IniFile::Read(iniPath);
  if (!ini) return false;
  Writer writer(*ini);
  AllKeys(writer, values);
  return ini->Save(iniPath);
}

}  // namespace gw
