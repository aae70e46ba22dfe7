// QUARL3.INI: defaults, the exact text of a new file, every key's kind and a round trip.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/SettingsFile.h"
#include "support/Faults.h"
#include "support/TempDir.h"

namespace gw {
namespace {

const AppPaths kPaths{"/opt/gridwright", "/home/pat/Puzzles"};

// Every value changed from its default.
SettingsValues Changed() {
  SettingsValues s = SettingsValues::Defaults(kPaths);
  int k = 0;
  for (std::string* text : {&s.lastImportPuzzleFile,
                            &s.lastExportPuzzleFile,
                            &s.lastImportShapeFile,
                            &s.lastExportShapeFile,
                            &s.lastImportLayoutFile,
                            &s.lastExportLayoutFile,
                            &s.lastImportWordFile,
                            &s.lastExportWordFile,
                            &s.lastExportBitmapFile,
                            &s.lastExportJpegFile,
                            &s.lastExportEmfFile,
                            &s.lastExportWmfFile,
                            &s.lastExportHtmlFile,
                            &s.lastExportPdfFile,
                            &s.lastExportPngFile,
                            &s.lastExportSvgFile,
                            &s.lastInteractivePageFile,
                            &s.lastGroup,
                            &s.webTitle,
                            &s.editFont.name,
                            &s.labelFont.name,
                            &s.buttonFont.name})
    *text = "/data/my file " + std::to_string(++k);
  for (std::string& key : s.intKeys) key = "01" + std::to_string(10 + ++k);
  for (bool* flag :
       {&s.backgroundBitmap, &s.showTips,         &s.horizontalUpper, &s.horizontalLower,
        &s.useClues,         &s.shrink,           &s.defaultPrinter,  &s.useGrid,
        &s.lowerCase,        &s.answerKey,        &s.printTitle,      &s.printBody,
        &s.printWords,       &s.printBonus,       &s.clueUnderscore,  &s.partialUnderscore,
        &s.editFont.bold,    &s.labelFont.italic, &s.buttonFont.bold, &s.buttonFont.italic})
    *flag = !*flag;
  s.interactiveShowAnswers = !s.interactiveShowAnswers;
  s.interactiveOpenWhenSaved = !s.interactiveOpenWhenSaved;
  for (int d = kUp; d <= kUpLeft; ++d) s.directions[d] = d % 3 == 0;
  for (long* number :
       {&s.windowSize,   &s.dictionary,   &s.userDictionary, &s.thesaurus,     &s.userThesaurus,
        &s.attempts,     &s.integration,  &s.importOption,   &s.exportOption,  &s.lastShape,
        &s.zoom,         &s.designerLeft, &s.designerTop,    &s.designerWidth, &s.designerHeight,
        &s.defaultPage,  &s.printerIndex, &s.viewerLeft,     &s.viewerTop,     &s.viewerWidth,
        &s.viewerHeight, &s.jpegQuality,  &s.pixelFormat,    &s.numColumns,    &s.wordOption,
        &s.firstLetters, &s.lastLetters})
    *number = 7 - *number + ++k;  // negative ones too
  s.editFont.color = 0x0000FF;
  s.labelFont.color = 0x00FF00;
  s.buttonFont.color = 0xFF0000;
  s.sepChar = ' ';
  // Texts that only survive when line breaks, backslashes, blanks and quotes are looked after.
  s.firstHeader = {"Header\r\nsecond line", false, true, false, 7};
  s.secondHeader = {"C:\\temp\\new", true, true, true, 1};
  s.firstFooter = {"  padded  ", true, false, false, 2};
  s.secondFooter = {"\"quoted\"", false, false, true, 5};
  return s;
}

SettingsValues LoadedFrom(const std::string& path) {
  SettingsValues s = SettingsValues::Defaults(kPaths);
  LoadSettings(path, s);
  return s;
}

class SettingsFileTest : public testing::Test {
 protected:
  std::string Ini() const { return dir_.File("QUARL3.INI"); }
  test::TempDir dir_;
};

TEST_F(SettingsFileTest, WithoutAFileEverythingIsDefaultAndTheSaveWritesTheWholeFile) {
  const SettingsValues loaded = LoadedFrom(Ini());
  EXPECT_TRUE(loaded == SettingsValues::Defaults(kPaths));
  ASSERT_TRUE(SaveSettings(Ini(), loaded));
  EXPECT_EQ(test::ReadText(Ini()), test::ReadText(GW_TEST_DATA "/settings/QUARL3-defaults.INI"));
}

TEST_F(SettingsFileTest, EveryValueSurvivesASaveAndALoad) {
  const SettingsValues changed = Changed();
  ASSERT_TRUE(SaveSettings(Ini(), changed));
  const SettingsValues loaded = LoadedFrom(Ini());
  EXPECT_TRUE(loaded == changed);
  // A second save of what was loaded changes nothing in the file.
  const std::string first = test::ReadText(Ini());
  ASSERT_TRUE(SaveSettings(Ini(), loaded));
  EXPECT_EQ(test::ReadText(Ini()), first);
  // The header's two lines stay on one line of the file.
  EXPECT_NE(first.find("\r\nFirst Header=Header\\nsecond line\r\n"), std::string::npos);
  EXPECT_NE(first.find("\r\nSecond Header=C:\\\\temp\\\\new\r\n"), std::string::npos);
  EXPECT_NE(first.find("\r\nSep Char=\" \"\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, KindsReadTheirValuesByTheirRules) {
  const std::string longTitle(120, 'w'), longHeader(1200, 'h'), longName(200, 'n');
  test::WriteText(Ini(),
                  "[Misc]\n"
                  "Background Bitmap=yes\nShow Tips=YES\nLast Group=" +
                      longName +
                      "\n"
                      "[Reports]\n"
                      "Use Grid=Yes\nPrint Title=Y\nPrint Body=1\nPrint Words=True\n"
                      "[Create Options]\n"
                      "Attempts=12abc\nIntegration=abc\nSep Char=;;\nInt Key 3=02370\n"
                      "[Page Layout]\n"
                      "Zoom=000000000000123\n"  // only the first 14 characters count
                      "[HTML]\n"
                      "Web Title=" +
                      longTitle + "\nFirst Header=" + longHeader + "\n");
  SettingsValues s = SettingsValues::Defaults(kPaths);
  s.backgroundBitmap = s.showTips = s.useGrid = false;
  LoadSettings(Ini(), s);
  EXPECT_TRUE(s.backgroundBitmap);
  EXPECT_TRUE(s.showTips);
  EXPECT_TRUE(s.useGrid);
  EXPECT_FALSE(s.printTitle);
  EXPECT_FALSE(s.printBody);
  EXPECT_FALSE(s.printWords);
  EXPECT_TRUE(s.printBonus);  // missing: default
  EXPECT_EQ(s.attempts, 12);
  EXPECT_EQ(s.integration, 0);
  EXPECT_EQ(s.zoom, 12);
  EXPECT_EQ(s.lastGroup, std::string(149, 'n'));
  EXPECT_EQ(s.sepChar, ';');
  EXPECT_EQ(s.intKeys[2], "0237");
  EXPECT_EQ(s.intKeys[3], "0243");
  EXPECT_EQ(s.webTitle, std::string(100, 'w'));
  EXPECT_EQ(s.firstHeader.text, std::string(999, 'h'));

  test::WriteText(Ini(), "[Create Options]\nSep Char=\n");
  EXPECT_EQ(LoadedFrom(Ini()).sepChar, ':');
}

TEST_F(SettingsFileTest, HandEditedSpacingAndLetterCase) {
  test::WriteText(Ini(),
                  "[misc]\r\n"
                  "   WINDOW SIZE   =   1280   \r\n"
                  "last group=  \"/home/pat/My Groups/Words.QL3\"\r\n"
                  "\r\n"
                  "[LABEL FONT]\r\n"
                  "font name = Liberation Serif \r\n"
                  "bold=yes\r\n"
                  "Color =   $FF\r\n"
                  "[create]\r\n"
                  "UP=no\r\n");
  const SettingsValues s = LoadedFrom(Ini());
  EXPECT_EQ(s.windowSize, 1280);
  EXPECT_EQ(s.lastGroup, "/home/pat/My Groups/Words.QL3");
  EXPECT_EQ(s.labelFont.name, "Liberation Serif");
  EXPECT_TRUE(s.labelFont.bold);
  EXPECT_FALSE(s.labelFont.italic);
  EXPECT_EQ(s.labelFont.color, 255);
  EXPECT_FALSE(s.directions[kUp]);
  EXPECT_TRUE(s.directions[kDown]);
}

TEST_F(SettingsFileTest, SectionsAndKeysThatAreNotOursSurviveASave) {
  test::WriteText(Ini(),
                  "; my notes\r\n"
                  "[Plugins]\r\n"
                  "Path=/usr/lib/x\r\n"
                  "\r\n"
                  "[Misc]\r\n"
                  "window SIZE=800\r\n"
                  "Favourite=blue\r\n"
                  "\r\n"
                  "[Zed]\r\n"
                  "Last=1\r\n");
  SettingsValues s = LoadedFrom(Ini());
  EXPECT_EQ(s.windowSize, 800);
  s.windowSize = 1024;
  ASSERT_TRUE(SaveSettings(Ini(), s));
  // Our key changes on its own line; the missing ones follow the last line of their section.
  const std::string text = test::ReadText(Ini());
  EXPECT_EQ(text.rfind("; my notes\r\n[Plugins]\r\nPath=/usr/lib/x\r\n\r\n[Misc]\r\n"
                       "window SIZE=1024\r\nFavourite=blue\r\n"
                       "Last Import Puzzle File=/home/pat/Puzzles\r\n",
                       0),
            0u);
  const size_t zed = text.find("Show Tips=Yes\r\n\r\n[Zed]\r\nLast=1\r\n\r\n[HTML]\r\n");
  EXPECT_NE(zed, std::string::npos);
  EXPECT_TRUE(LoadedFrom(Ini()) == s);
}

TEST_F(SettingsFileTest, ASaveThatCannotBeWrittenFailsQuietly) {
  const std::string nowhere = dir_.File("missing/QUARL3.INI");
  EXPECT_FALSE(SaveSettings(nowhere, Changed()));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("missing")));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));

  // Something we cannot read is never replaced by a file without its contents.
  std::filesystem::create_directory(Ini());
  EXPECT_FALSE(SaveSettings(Ini(), Changed()));
  EXPECT_TRUE(std::filesystem::is_directory(Ini()));
  EXPECT_TRUE(LoadedFrom(Ini()) == SettingsValues::Defaults(kPaths));
}

TEST_F(SettingsFileTest, EachStartUpDirectoryHasItsOwnFile) {
  test::TempDir other;
  test::WriteText(other.File("quarl3.ini"), "[Misc]\r\nWindow Size=800\r\n");
  EXPECT_EQ(SettingsFilePath(AppPaths{dir_.Path(), dir_.Path()}), dir_.File("QUARL3.INI"));
  EXPECT_EQ(SettingsFilePath(AppPaths{dir_.Path(), other.Path()}), other.File("quarl3.ini"));
}

class SettingsSaveFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(SettingsSaveFaults, NeverDestroyTheFileThatWasThere) {
  test::CheckReplaceFault({"QUARL3.INI",
                           [](const std::string& path) {
                             return SaveSettings(path, Changed()) ? test::Done() : test::Refused();
                           }},
                          GetParam());
}

INSTANTIATE_TEST_SUITE_P(Save, SettingsSaveFaults, testing::ValuesIn(test::WholeFileFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

}  // namespace
}  // namespace gw
