// The main window driven through the message and file-dialog seams.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "app/MainWindow.h"
#include "base/FileIo.h"
#include "base/Random.h"
#include "base/Settings.h"
#include "base/SettingsFile.h"
#include "designer/LayoutLibraryDialog.h"
#include "generator/CandidateSave.h"
#include "generator/FillLetters.h"
#include "generator/MakeVersionsDialog.h"
#include "printing/JpegQualityDialog.h"
#include "printing/PrintOptionsWindow.h"
#include "printing/PuzzleBookWindow.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/Faults.h"
#include "support/ListItems.h"
#include "support/ModalScript.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/FormLayout.h"

namespace gw {
namespace {

using test::Items;
using test::Selected;

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
  }

  std::string Group() const { return AppSettings().lastGroup; }

  void Add(const std::string& category, const std::string& title, const std::string& file = "") {
    PuzzleRecord p;
    InitNewPuzzle(p);
    p.category.Set(category);
    p.title.Set(title);
    ASSERT_TRUE(AppendPuzzle(file.empty() ? Group() : file, p));
  }

  static bool Enabled(QWidget& w, const char* action) {
    return w.findChild<QAction*>(action)->isEnabled();
  }
  static bool Checked(QWidget& w, const char* action) {
    return w.findChild<QAction*>(action)->isChecked();
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
};

TEST_F(MainWindowTest, WithoutAGroupFileTheListsAreEmptyAndPuzzleCommandsDisabled) {
  MainWindow win(paths_);
  EXPECT_EQ(win.windowTitle().toStdString(), "Gridwright 98");
  EXPECT_EQ(win.CategoryBox()->count(), 0);
  EXPECT_EQ(win.PuzzleBox()->count(), 0);
  for (const char* name : {"ModifyPuzzleItem", "CopyPuzzleItem", "DeletePuzzleItem",
                           "PrintPuzzleItem", "MakeVersionsItem", "PrintBookItem"})
    EXPECT_FALSE(Enabled(win, name)) << name;
  EXPECT_FALSE(win.findChild<QToolButton*>("SpeedDelete")->isEnabled());
  EXPECT_TRUE(Enabled(win, "NewGroupItem"));
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST_F(MainWindowTest, ListsSortedCategoriesAndSelectsTheFirstPuzzle) {
  Add("Food", "Pasta");
  Add("animals", "Zoo");
  Add("Food", "Fruit");
  Add("Birds", "Owls");
  MainWindow win(paths_);
  EXPECT_EQ(Items(win.CategoryBox()), (std::vector<std::string>{"animals", "Birds", "Food"}));
  EXPECT_EQ(Selected(win.CategoryBox()), "animals");
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Zoo"}));
  EXPECT_EQ(Selected(win.PuzzleBox()), "Zoo");
  EXPECT_EQ(win.SelectedRecord(), 1);
  EXPECT_TRUE(Enabled(win, "DeletePuzzleItem"));

  win.CategoryBox()->setCurrentRow(2);
  win.CategoryBoxClick(2);
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Fruit", "Pasta"}));
  EXPECT_EQ(Selected(win.PuzzleBox()), "<none>");
  EXPECT_FALSE(Enabled(win, "DeletePuzzleItem"));
}

TEST_F(MainWindowTest, ThePuzzleListFollowsTheCategoryMovedToByKeyboard) {
  Add("Food", "Pasta");
  Add("animals", "Zoo");
  Add("Food", "Fruit");
  Add("Birds", "Owls");
  MainWindow win(paths_);
  win.CategoryBox()->setFocus();
  QTest::keyClick(win.CategoryBox(), Qt::Key_Down);
  EXPECT_EQ(Selected(win.CategoryBox()), "Birds");
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Owls"}));
  EXPECT_FALSE(Enabled(win, "ModifyPuzzleItem"));  // nothing of the old category stays chosen
  QTest::keyClick(win.CategoryBox(), Qt::Key_End);
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Fruit", "Pasta"}));
  QTest::keyClick(win.PuzzleBox(), Qt::Key_Down);
  EXPECT_EQ(Selected(win.PuzzleBox()), "Fruit");
  EXPECT_TRUE(Enabled(win, "ModifyPuzzleItem"));
  EXPECT_EQ(win.SelectedRecord(), 2);
  QTest::keyClick(win.CategoryBox(), Qt::Key_Home);
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Zoo"}));
  // Space selects the current puzzle without moving to another: the commands follow too.
  win.PuzzleBox()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  EXPECT_FALSE(Enabled(win, "ModifyPuzzleItem"));
  QTest::keyClick(win.PuzzleBox(), Qt::Key_Space);
  EXPECT_EQ(Selected(win.PuzzleBox()), "Zoo");
  EXPECT_TRUE(Enabled(win, "ModifyPuzzleItem"));
  // Clicking the category already shown changes nothing.
  win.PuzzleBox()->setCurrentRow(0);
  win.CategoryBoxClick(0);
  EXPECT_EQ(Selected(win.PuzzleBox()), "Zoo");
}

TEST_F(MainWindowTest, DeleteAsksThenReselectsThePuzzleAbove) {
  for (const char* t : {"Alpha", "Bravo", "Charlie"}) Add("Words", t);
  MainWindow win(paths_);
  win.PuzzleBox()->setCurrentRow(2);
  seams_.Answer(MsgResult::No);
  win.DeletePuzzleClick();
  EXPECT_EQ(seams_.Single(), "Are you sure you want to delete Charlie?");
  EXPECT_EQ(seams_.Messages()[0].caption, "Delete");
  EXPECT_EQ(ListGroup(Group()).titles.size(), 3u);

  seams_.Answer(MsgResult::Yes);
  win.DeletePuzzleClick();
  EXPECT_EQ(ListGroup(Group()).titles.size(), 2u);
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Alpha", "Bravo"}));
  EXPECT_EQ(Selected(win.PuzzleBox()), "Bravo");
}

TEST_F(MainWindowTest, DeletingTheOnlyPuzzleOfACategoryRemovesIt) {
  Add("Zebras", "Stripes");
  Add("Apes", "Gorillas");
  MainWindow win(paths_);
  win.CategoryBox()->setCurrentRow(1);
  win.CategoryBoxClick(1);
  win.PuzzleBox()->setCurrentRow(0);
  seams_.Answer(MsgResult::Yes);
  win.DeletePuzzleClick();
  EXPECT_EQ(Items(win.CategoryBox()), (std::vector<std::string>{"Apes"}));
  EXPECT_EQ(Selected(win.CategoryBox()), "Apes");
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Gorillas"}));
}

TEST_F(MainWindowTest, EveryFailedDeleteIsReportedAndLeavesThePuzzleListed) {
  Add("Words", "Alpha");
  Add("Words", "Bravo");
  MainWindow win(paths_);
  win.PuzzleBox()->setCurrentRow(1);
  // The group went away after it was listed: it cannot be opened.
  const std::vector<char> bytes = test::ReadBytes(Group());
  std::filesystem::remove(Group());
  seams_.Answer(MsgResult::Yes);
  win.DeletePuzzleClick();
  ASSERT_EQ(seams_.Texts().size(), 2u);
  EXPECT_EQ(seams_.Messages()[1].text, "Unable to delete puzzle.");
  EXPECT_EQ(seams_.Messages()[1].caption, "Error");
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Alpha", "Bravo"}));

  // Another program is working on it: reported as busy once the short wait is over.
  test::WriteBytes(Group(), bytes);
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const std::string group = Group();
  const int holder = test::StartChild([&] {
    const int fd = open(group.c_str(), O_RDWR);
    if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(ready[1], "x", 1) != 1)
      throw std::runtime_error("no lock");
    std::this_thread::sleep_for(std::chrono::seconds(2));
  });
  char x;
  ASSERT_EQ(read(ready[0], &x, 1), 1);
  const auto wait = fileio::LockWait();
  fileio::SetLockWait(std::chrono::milliseconds(100));
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  win.DeletePuzzleClick();
  fileio::SetLockWait(wait);
  ASSERT_EQ(seams_.Texts().size(), 2u);
  EXPECT_EQ(seams_.Messages()[1].text.rfind("Input/output error: ", 0), 0u);
  EXPECT_NE(seams_.Messages()[1].text.find("in use by another program"), std::string::npos);
  EXPECT_EQ(test::WaitChild(holder), 0);
  close(ready[0]);
  close(ready[1]);
  EXPECT_EQ(test::ReadBytes(Group()), bytes);
  EXPECT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Alpha", "Bravo"}));
}

TEST_F(MainWindowTest, ARecordThatVanishedAfterListingIsReportedAsAnInputOutputError) {
  Add("Words", "Alpha");
  Add("Words", "Bravo");
  MainWindow win(paths_);
  win.PuzzleBox()->setCurrentRow(1);
  const PuzzleRecord before = *win.State().currentPuzzle;
  std::filesystem::resize_file(Group(), sizeof(PuzzleRecord) + 10);  // another program cut it
  win.ModifyPuzzleClick();
  ASSERT_EQ(seams_.Messages().size(), 1u);
  EXPECT_EQ(seams_.Messages()[0].text.rfind("Input/output error: ", 0), 0u);
  EXPECT_EQ(seams_.Messages()[0].caption, "Error");
  EXPECT_EQ(std::memcmp(&before, win.State().currentPuzzle.get(), sizeof before), 0);
}

TEST_F(MainWindowTest, CommandsWithoutSelectionReport) {
  MainWindow win(paths_);
  win.DeletePuzzleClick();
  EXPECT_EQ(seams_.Single(), "No puzzle selected.  Please select a puzzle first.");
  EXPECT_EQ(seams_.Messages()[0].caption, "Error");
}

TEST_F(MainWindowTest, OpenGroupRefusesOtherExtensionsWhateverTheirContent) {
  Add("Mine", "Kept");
  const std::string other = dir_.File("other.QL3");
  Add("Theirs", "Opened", other);
  const std::string disguised = dir_.File("group.dat");
  std::filesystem::copy_file(other, disguised);
  MainWindow win(paths_);

  seams_.ChooseFile(disguised);
  win.OpenGroupClick();
  EXPECT_EQ(seams_.Single(), "The file selected is not a valid Gridwright file.");
  EXPECT_EQ(win.State().groupFile, Group());
  EXPECT_EQ(Items(win.CategoryBox()), (std::vector<std::string>{"Mine"}));
  EXPECT_EQ(seams_.FileDialogs()[0].title, "Open Puzzle Group");
  EXPECT_EQ(seams_.FileDialogs()[0].initial, Group());

  seams_.Clear();
  seams_.ChooseFile(other);
  win.OpenGroupClick();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(win.State().groupFile, other);
  EXPECT_EQ(Items(win.CategoryBox()), (std::vector<std::string>{"Theirs"}));

  seams_.ChooseFile(std::nullopt);  // Cancel keeps everything
  win.OpenGroupClick();
  EXPECT_EQ(win.State().groupFile, other);
}

TEST_F(MainWindowTest, NewGroupClearsTheListsWithoutCreatingAFile) {
  Add("Mine", "Kept");
  MainWindow win(paths_);
  const std::string fresh = dir_.File("Fresh.QL3");
  seams_.ChooseFile(fresh);
  win.NewGroupClick();
  EXPECT_EQ(seams_.FileDialogs()[0].title, "Create New Puzzle Group");
  EXPECT_TRUE(seams_.FileDialogs()[0].overwritePrompt);
  EXPECT_EQ(win.State().groupFile, fresh);
  EXPECT_EQ(win.CategoryBox()->count(), 0);
  EXPECT_EQ(test::FileSize(fresh), -1);
}

TEST_F(MainWindowTest, SavedPuzzleIsSelectedInItsNewCategory) {
  Add("Animals", "Zoo");
  MainWindow win(paths_);
  AppState& state = win.State();
  InitNewPuzzle(*state.currentPuzzle);
  state.currentPuzzle->category.Set("Vehicles");
  state.currentPuzzle->title.Set("Trains");
  state.newPuzzle = true;
  ASSERT_TRUE(SaveCurrentPuzzle(state));
  win.PuzzleSaved();
  EXPECT_EQ(Selected(win.CategoryBox()), "Vehicles");
  EXPECT_EQ(Selected(win.PuzzleBox()), "Trains");
  EXPECT_EQ(win.SelectedRecord(), 1);
  EXPECT_FALSE(state.reselect);
}

TEST_F(MainWindowTest, ScreenSizeIsStoredOnlyWhenTheScreenIsLargeEnough) {
  MainWindow win(paths_);
  win.ScreenSizeClick(1280);
  EXPECT_EQ(AppSettings().windowSize, 1280);
  EXPECT_DOUBLE_EQ(Forms().scaleFactor, 2.0);
  EXPECT_TRUE(win.findChild<QAction*>("ScreenSize1280")->isChecked());
  EXPECT_FALSE(win.findChild<QAction*>("ScreenSize640")->isChecked());
  EXPECT_EQ(win.PuzzleBox()->width(), 354 * 2);

  Forms().screenWidth = 1024;
  Forms().screenHeight = 768;
  win.ScreenSizeClick(640);
  win.ScreenSizeClick(1280);
  EXPECT_EQ(seams_.Single(), "Your current screen resolution does not support 1280 x 1024 pixels.");
  EXPECT_EQ(AppSettings().windowSize, 640);
  EXPECT_EQ(win.PuzzleBox()->width(), 354);
}

TEST_F(MainWindowTest, StartsWithTheSmallLayoutWhenTheScreenIsTooSmall) {
  test::WriteText(dir_.File("QUARL3.INI"), "[Misc]\r\nWindow Size=1280\r\n");
  Forms().screenWidth = 1024;
  Forms().screenHeight = 768;
  MainWindow win(paths_);
  EXPECT_DOUBLE_EQ(Forms().scaleFactor, 1.0);
  EXPECT_TRUE(Checked(win, "ScreenSize640"));
  EXPECT_FALSE(Checked(win, "ScreenSize1280"));
  // The stored choice is kept for a larger screen; choosing it again changes nothing.
  win.ScreenSizeClick(1280);
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(AppSettings().windowSize, 1280);
  EXPECT_TRUE(Checked(win, "ScreenSize640"));
  EXPECT_FALSE(Checked(win, "ScreenSize1280"));
}

TEST_F(MainWindowTest, BackgroundAndFontsChangeSettings) {
  MainWindow win(paths_);
  EXPECT_TRUE(win.findChild<QAction*>("BackgroundItem")->isChecked());
  win.BackgroundClick();
  EXPECT_FALSE(AppSettings().backgroundBitmap);
  EXPECT_FALSE(win.findChild<QAction*>("BackgroundItem")->isChecked());

  QFont font("Liberation Serif");
  font.setBold(true);
  seams_.ChooseFont(FontChoice{font, QColor(255, 0, 0)});
  win.FontClick(0);
  EXPECT_EQ(AppSettings().labelFont.name, "Liberation Serif");
  EXPECT_TRUE(AppSettings().labelFont.bold);
  EXPECT_EQ(AppSettings().labelFont.color, 0x0000FF);
  EXPECT_EQ(win.CategoryBox()->font().family().toStdString(), "Liberation Serif");
  EXPECT_EQ(win.CategoryBox()->font().pixelSize(), 17);  // sizes never change with fonts

  seams_.ChooseFont(std::nullopt);
  win.FontClick(1);
  EXPECT_EQ(AppSettings().editFont.name, "Arial");
}

TEST_F(MainWindowTest, ChoicesSurviveARestart) {
  const std::string group = dir_.File("Other.QL3");
  {
    MainWindow win(paths_);
    win.ScreenSizeClick(1024);
    win.BackgroundClick();
    QFont font("Liberation Serif");
    font.setItalic(true);
    seams_.ChooseFont(FontChoice{font, QColor(0, 0, 255)});
    win.FontClick(2);
    seams_.ChooseFile(group);
    win.NewGroupClick();
    win.PixelFormatClick(2);
    win.close();
  }
  ASSERT_GT(test::FileSize(dir_.File("QUARL3.INI")), 0);

  // Nothing carried over in memory: everything comes back from the file.
  AppSettings() = SettingsValues{};
  Forms() = FormGlobals{};
  Forms().screenWidth = 1280;
  Forms().screenHeight = 1024;
  MainWindow win(paths_);
  EXPECT_EQ(AppSettings().windowSize, 1024);
  EXPECT_DOUBLE_EQ(Forms().scaleFactor, 1.6);
  EXPECT_TRUE(Checked(win, "ScreenSize1024"));
  EXPECT_FALSE(Checked(win, "ScreenSize640"));
  EXPECT_FALSE(AppSettings().backgroundBitmap);
  EXPECT_FALSE(Checked(win, "BackgroundItem"));
  EXPECT_EQ(Forms().buttonFont.family().toStdString(), "Liberation Serif");
  EXPECT_TRUE(Forms().buttonFont.italic());
  EXPECT_EQ(Forms().buttonColor, QColor(0, 0, 255));
  EXPECT_EQ(Forms().labelFont.family().toStdString(), "Arial");
  EXPECT_EQ(win.State().groupFile, group);
  EXPECT_TRUE(Checked(win, "Colors256Item"));
  EXPECT_FALSE(Checked(win, "Colors16MItem"));
}

TEST_F(MainWindowTest, TheJpegFactorItemSetsTheQualityTheSettingsKeep) {
  {
    MainWindow win(paths_);
    QAction* item = win.findChild<QAction*>("JpegFactorItem");
    ASSERT_TRUE(item->isEnabled());
    EXPECT_EQ(item->shortcut().toString(), "Ctrl+J");
    test::ModalScript script({[] {
      auto* dialog = test::ModalScript::Visible<JpegQualityDialog>();
      if (!dialog) return false;
      dialog->findChild<QLineEdit*>("JpegFactor")->setText("85");
      dialog->findChild<QPushButton*>("OkButton")->click();
      return true;
    }});
    item->trigger();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(AppSettings().jpegQuality, 85);
    win.close();
  }
  EXPECT_NE(test::ReadText(dir_.File("QUARL3.INI")).find("JPeg Compression Quality=85\r\n"),
            std::string::npos);
}

TEST_F(MainWindowTest, AnotherStartUpDirectoryUsesItsOwnFile) {
  test::TempDir other;
  test::WriteText(dir_.File("QUARL3.INI"), "[Misc]\r\nWindow Size=800\r\n");
  MainWindow win(AppPaths{dir_.Path(), other.Path()});
  EXPECT_EQ(AppSettings().windowSize, 640);
  EXPECT_EQ(win.State().groupFile, other.File("DEFAULT.QL3"));
  win.close();
  EXPECT_GT(test::FileSize(other.File("QUARL3.INI")), 0);
  EXPECT_EQ(test::ReadText(dir_.File("QUARL3.INI")), "[Misc]\r\nWindow Size=800\r\n");
}

TEST_F(MainWindowTest, LanguageItemsFollowTheInstalledFiles) {
  test::TempDir languages;
  for (const char* f :
       {"en_US.dic", "en_US.aff", "de_DE.dic", "de_DE.aff", "th_en_US_v2.idx", "th_en_US_v2.dat"})
    test::WriteText(languages.File(f), "x");
  test::WriteText(dir_.File("QUARL3.INI"), "[Misc]\r\nDictionary=2\r\nThesaurus=2\r\n");
  paths_.dictionaryDir = paths_.thesaurusDir = languages.Path();
  MainWindow win(paths_);
  EXPECT_EQ(AppSettings().dictionary, 1);
  EXPECT_EQ(AppSettings().thesaurus, 1);
  EXPECT_TRUE(Checked(win, "DictionaryAmericanItem"));
  EXPECT_FALSE(Enabled(win, "DictionaryBritishItem"));
  EXPECT_TRUE(Enabled(win, "DictionaryGermanItem"));
  EXPECT_TRUE(Enabled(win, "DictionaryChooseItem"));
  EXPECT_TRUE(Checked(win, "ThesaurusAmericanItem"));
  EXPECT_FALSE(Enabled(win, "ThesaurusBritishItem"));

  win.DictionaryClick(6);
  win.ThesaurusClick(3);
  EXPECT_TRUE(Checked(win, "DictionaryGermanItem"));
  EXPECT_FALSE(Checked(win, "DictionaryAmericanItem"));
  EXPECT_TRUE(Checked(win, "ThesaurusChooseItem"));
  win.close();
  SettingsValues saved = SettingsValues::Defaults(paths_);
  LoadSettings(dir_.File("QUARL3.INI"), saved);
  EXPECT_EQ(saved.dictionary, 6);
  EXPECT_EQ(saved.thesaurus, 3);
}

TEST_F(MainWindowTest, PrintPuzzleOpensThePrintOptionsOnACopyOfAGeneratedPuzzleOnly) {
  Add("Animals", "Draft");  // its word list was never made into a puzzle
  PuzzleRecord zoo;
  InitNewPuzzle(zoo);
  zoo.category.Set("Animals");
  zoo.title.Set("Zoo");
  zoo.puzzleGenerated = 1;
  MakeBuiltInDefaultLayout(zoo.pageLayout);
  ASSERT_TRUE(AppendPuzzle(Group(), zoo));
  MainWindow win(paths_);
  EXPECT_TRUE(Enabled(win, "PrinterSetupItem"));
  ASSERT_EQ(Items(win.PuzzleBox()), (std::vector<std::string>{"Draft", "Zoo"}));
  win.PuzzleBox()->setCurrentRow(0);
  EXPECT_TRUE(Enabled(win, "PrintPuzzleItem"));
  EXPECT_TRUE(win.findChild<QToolButton*>("SpeedPrint")->isEnabled());
  EXPECT_EQ(win.findChild<QAction*>("PrintPuzzleItem")->shortcut(), QKeySequence("Ctrl+P"));
  win.findChild<QAction*>("PrintPuzzleItem")->trigger();
  EXPECT_EQ(seams_.Single(),
            "A puzzle has never been generated for this word/clue list. Please select "
            "\"File|Modify\" from the menu and create the puzzle first");
  EXPECT_EQ(seams_.Messages().back().caption, "Warning");
  seams_.Clear();

  // A double click on a generated puzzle opens the print options; what they change stays theirs.
  std::string title;
  LayoutLibraryMode mode = LayoutLibraryMode::Manage;
  seams_.ChooseFont(FontChoice{QFont(QStringLiteral("Courier New")), Qt::red});
  QTimer::singleShot(0, [&] {
    auto* report = qobject_cast<PrintOptionsWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(report, nullptr);
    title = report->windowTitle().toStdString();
    report->FontItemClick(0);
    QTimer::singleShot(0, [&] {
      if (auto* pages = qobject_cast<LayoutLibraryDialog*>(QApplication::activeModalWidget())) {
        mode = pages->Mode();
        pages->ExitButtonClick();
      }
    });
    report->ChangeLayoutClick();
    report->ExitClick();
  });
  win.PuzzleBox()->setCurrentRow(1);
  emit win.PuzzleBox()->itemDoubleClicked(win.PuzzleBox()->item(1));
  EXPECT_EQ(title, "Reports");
  EXPECT_EQ(mode, LayoutLibraryMode::PickForPrint);
  EXPECT_NE(win.State().currentPuzzle->pageLayout.objects[0].fontName.Get(), "Courier New");
  PuzzleRecord stored;
  ASSERT_TRUE(ReadPuzzle(Group(), 1, stored));
  EXPECT_EQ(std::memcmp(&stored, &zoo, sizeof zoo), 0);

  win.PuzzleBox()->clearSelection();
  EXPECT_FALSE(Enabled(win, "PrintPuzzleItem"));
  EXPECT_FALSE(win.findChild<QToolButton*>("SpeedPrint")->isEnabled());
  EXPECT_TRUE(Enabled(win, "PrinterSetupItem"));
}

TEST_F(MainWindowTest, MakeVersionsAppendsLetteredVersionsOfAGeneratedPuzzleAndSelectsTheFirst) {
  Add("Animals", "Draft");  // never made into a puzzle
  auto zoo = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*zoo);
  zoo->category.Set("Animals");
  zoo->title.Set("Zoo");
  MakeBuiltInDefaultLayout(zoo->pageLayout);
  const char* const words[] = {"LION", "TIGER", "ZEBRA", "GIRAFFE", "MONKEY"};
  for (int i = 0; i < 5; ++i) zoo->words[i].Set(words[i]);
  zoo->wordCount = 5;
  zoo->gridWidth = zoo->gridHeight = 10;
  ShapeRecord square;
  MakeNewShape(square);
  square.shapeWidth = square.shapeHeight = 10;
  PlacementOptions options;
  options.seed = 1;
  options.attempts = 5;
  CandidateSlots candidates;
  RunPlacementEngine(*zoo, square, options, {}, candidates);
  auto stored = std::make_unique<PuzzleRecord>(*candidates[0].record);
  MarkCandidateStored(*stored, candidates[0]);
  Rng rng(2);
  FillRandomly(*stored, rng);
  ASSERT_TRUE(AppendPuzzle(Group(), *stored));

  MainWindow win(paths_);
  EXPECT_TRUE(Enabled(win, "PrintBookItem"));
  EXPECT_EQ(win.findChild<QAction*>("MakeVersionsItem")->text(),
            QString::fromUtf8("Make &Versions\u2026"));
  win.PuzzleBox()->setCurrentRow(0);
  win.findChild<QAction*>("MakeVersionsItem")->trigger();
  EXPECT_EQ(seams_.Messages().size(), 1u);
  EXPECT_EQ(seams_.Messages().back().caption, "Warning");
  seams_.Clear();

  win.PuzzleBox()->setCurrentRow(1);
  test::ModalScript script({[] {
    auto* dialog = test::ModalScript::Visible<MakeVersionsDialog>();
    if (!dialog) return false;
    dialog->SetCount(3);
    dialog->MakeClick();
    return true;
  }});
  win.findChild<QAction*>("MakeVersionsItem")->trigger();
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(seams_.Messages().empty()) << seams_.Texts()[0];
  EXPECT_EQ(Items(win.PuzzleBox()),
            (std::vector<std::string>{"Draft", "Zoo", "Zoo (A)", "Zoo (B)", "Zoo (C)"}));
  EXPECT_EQ(Selected(win.PuzzleBox()), "Zoo (A)");
  for (int record = 2; record <= 4; ++record) {
    PuzzleRecord version;
    ASSERT_TRUE(ReadPuzzle(Group(), record, version));
    EXPECT_EQ(version.category.Get(), "Animals");
    EXPECT_EQ(version.wordCount, 5);
    EXPECT_EQ(std::count(version.wordPlaced, version.wordPlaced + 5, 1), 5);
    EXPECT_NE(std::memcmp(version.letterGrid, stored->letterGrid, sizeof version.letterGrid), 0);
  }

  // The book window lists the group, the versions included.
  test::ModalScript book({[] {
    auto* window = test::ModalScript::Visible<PuzzleBookWindow>();
    if (!window) return false;
    EXPECT_EQ(window->ChosenRecords(), (std::vector<int>{0, 1, 2, 3, 4}));
    window->reject();
    return true;
  }});
  win.findChild<QAction*>("PrintBookItem")->trigger();
  EXPECT_TRUE(book.Finished());
}

TEST_F(MainWindowTest, NoDictionaryOrThesaurusAtAllDisablesEveryLanguageItem) {
  test::TempDir empty;
  paths_.dictionaryDir = paths_.thesaurusDir = empty.Path();
  test::WriteText(dir_.File("QUARL3.INI"), "[Misc]\r\nDictionary=9\r\nThesaurus=3\r\n");
  MainWindow win(paths_);
  EXPECT_EQ(AppSettings().dictionary, 0);
  EXPECT_EQ(AppSettings().thesaurus, 0);
  for (const char* item :
       {"DictionaryChooseItem", "DictionaryAmericanItem", "DictionaryBritishItem",
        "DictionarySpanishItem", "DictionaryItalianItem", "DictionaryFrenchItem",
        "DictionaryGermanItem", "DictionaryDutchItem", "DictionarySwedishItem", "AddDictionaryItem",
        "ExcludeDictionaryItem", "ThesaurusChooseItem", "ThesaurusAmericanItem",
        "ThesaurusBritishItem"}) {
    EXPECT_FALSE(Enabled(win, item)) << item;
    EXPECT_FALSE(Checked(win, item)) << item;
  }
  win.DictionaryClick(9);
  EXPECT_EQ(AppSettings().dictionary, 0);
}

}  // namespace
}  // namespace gw
