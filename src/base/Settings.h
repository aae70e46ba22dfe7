// The program-wide options and remembered file names, loaded at start-up and saved at exit.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/AppPaths.h"

namespace gw {

struct FontSetting {
  std::string name = "Arial";
  bool bold = false;
  bool italic = false;
  int32_t color = 0;  // Windows colour value 0x00BBGGRR
  bool operator==(const FontSetting&) const = default;
};

struct HtmlBlock {
  std::string text;
  bool bold = false;
  bool italic = false;
  bool center = false;
  long fontSize = 3;
  bool operator==(const HtmlBlock&) const = default;
};

// Word directions in the order of the direction table: 1 Up .. 8 Up Left.
enum Direction { kUp = 1, kUpRight, kRight, kDownRight, kDown, kDownLeft, kLeft, kUpLeft };

struct SettingsValues {
  // [Misc]
  std::string lastImportPuzzleFile, lastExportPuzzleFile;
  std::string lastImportShapeFile, lastExportShapeFile;
  std::string lastImportLayoutFile, lastExportLayoutFile;
  std::string lastImportWordFile, lastExportWordFile;
  std::string lastExportBitmapFile, lastExportJpegFile, lastExportEmfFile, lastExportWmfFile;
  std::string lastExportHtmlFile;
  std::string lastExportPdfFile, lastExportPngFile, lastExportSvgFile;
  std::string lastGroup;
  long windowSize = 640;
  bool backgroundBitmap = true;
  long dictionary = 1;
  long userDictionary = 1;
  long thesaurus = 1;
  long userThesaurus = 1;
  bool showTips = true;

  // [HTML]
  HtmlBlock firstHeader{"My Puzzle", true, false, true, 4};
  HtmlBlock secondHeader;
  HtmlBlock firstFooter;
  HtmlBlock secondFooter;
  bool horizontalUpper = false;
  bool horizontalLower = false;
  std::string webTitle = "Word Search Puzzle";

  // [Interactive Web Page]: the preview's export of a page pupils solve in a browser.
  std::string lastInteractivePageFile;
  bool interactiveShowAnswers = true;  // the page has a "Show answers" button
  bool interactiveOpenWhenSaved = false;

  // [Create Options]
  bool useClues = true;
  bool shrink = false;
  long attempts = 1;
  long integration = 6;
  long importOption = 1;
  long exportOption = 3;
  long lastShape = 1;
  char sepChar = ':';
  std::array<std::string, 12> intKeys{"0225", "0233", "0237", "0243", "0241", "0246",
                                      "0250", "0228", "0229", "0224", "0232", "0242"};

  // [Create]: indexed by Direction (element 0 unused).
  std::array<bool, 9> directions{false, true, true, true, true, true, true, true, true};

  // [Page Layout]
  long zoom = 2;
  long designerLeft = 0, designerTop = 0, designerWidth = 640, designerHeight = 480;
  long defaultPage = 0;

  // [Reports]
  bool defaultPrinter = true;
  long printerIndex = 0;
  long viewerLeft = 0, viewerTop = 0, viewerWidth = 640, viewerHeight = 480;
  long jpegQuality = 50;
  long pixelFormat = 1;
  bool useGrid = false;
  bool lowerCase = false;
  bool answerKey = false;
  bool printTitle = true;
  bool printBody = true;
  bool printWords = true;
  bool printBonus = true;
  bool clueUnderscore = false;
  bool partialUnderscore = false;
  long numColumns = 3;
  long wordOption = 1;
  long firstLetters = 1;
  long lastLetters = 1;

  // [Edit Font], [Label Font], [Button Font]
  FontSetting editFont, labelFont, buttonFont;

  // Every value at its default; the remembered file names start in the start-up directory.
  static SettingsValues Defaults(const AppPaths& paths);
  bool operator==(const SettingsValues&) const = default;
};

// The one program-wide instance.
SettingsValues& AppSettings();

}  // namespace gw
