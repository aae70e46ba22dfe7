// Import and export between groups, single-puzzle files and the start-up conversion, driven
// through the main window and the message and file-dialog seams.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstring>
#include <filesystem>
#include <functional>

#include "app/ExportPuzzlesDialog.h"
#include "app/ImportPuzzlesDialog.h"
#include "app/MainWindow.h"
#include "app/PuzzlePickList.h"
#include "base/Settings.h"
#include "layouts/LayoutLibrary.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/ListItems.h"
#include "support/OldFiles.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::Items;
using test::Selected;

namespace fs = std::filesystem;

class ExchangeWindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir_.File("program"));
    fs::create_directory(dir_.File("start"));
    paths_ = AppPaths{dir_.File("program"), dir_.File("start")};
    test::ResetProgramWide(paths_);
  }

  std::string Group() const { return AppSettings().lastGroup; }
  std::string Start(const std::string& name) const { return dir_.File("start/" + name); }
  std::string Program(const std::string& name) const { return dir_.File("program/" + name); }

  void Add(const std::string& file, const std::string& category, const std::string& title) {
    auto p = std::make_unique<PuzzleRecord>();
    InitNewPuzzle(*p);
    p->category.Set(category);
    p->title.Set(title);
    p->Word(1).Set(title + " word");
    ASSERT_TRUE(AppendPuzzle(file, *p));
  }
  static std::vector<std::string> Titles(const std::string& file) {
    std::vector<std::string> titles;
    for (const auto& t : ListGroup(file).titles) titles.push_back(t.title);
    return titles;
  }
  static void SelectRows(QListWidget* box, std::initializer_list<int> rows) {
    for (int r : rows) box->item(r)->setSelected(true);
  }
  // Runs `work` on the modal window of type W once it is shown by `trigger`.
  template <typename W>
  static bool WhileShown(const std::function<void()>& trigger,
                         const std::function<void(W&)>& work) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
        seen = true;
        work(*w);
        if (w->isVisible()) w->reject();
      }
    });
    trigger();
    return seen;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
};

TEST_F(ExchangeWindowsTest, ImportAppendsTheSelectedPuzzlesAlphabeticallyAndSelectsAgain) {
  Add(Group(), "Animals", "Zoo");
  const std::string source = dir_.File("Autumn term.QL3");
  for (const char* t : {"Pumpkins", "Leaves", "Harvest", "Acorns", "Owls"})
    Add(source, "Autumn", t);
  MainWindow win(paths_);
  AppSettings().lastImportPuzzleFile = dir_.File("last.QL3");
  QAction* item = win.findChild<QAction*>("ImportPuzzlesItem");
  ASSERT_TRUE(item->isEnabled());
  EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+I"));

  seams_.ChooseFile(source);
  std::vector<std::string> listed;
  const bool shown = WhileShown<ImportPuzzlesDialog>(
      [&] { item->trigger(); },
      [&](ImportPuzzlesDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Import Word Search Puzzles");
        EXPECT_EQ(d.findChild<QLabel*>("FileNameLabel")->text().toStdString(),
                  "File Name: " + source);
        listed = Items(d.List().Box());
        SelectRows(d.List().Box(), {4, 3, 1});  // Pumpkins, Owls, Harvest
        d.OkButtonClick();
      });
  ASSERT_TRUE(shown);
  const FileDialogRequest& asked = seams_.FileDialogs().at(0);
  EXPECT_EQ(asked.title, "Import Puzzles");
  EXPECT_EQ(asked.filter, "QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX");
  EXPECT_EQ(asked.defaultExt, "QL3");
  EXPECT_EQ(asked.initial, dir_.File("last.QL3"));
  EXPECT_TRUE(asked.mustExist);
  EXPECT_EQ(AppSettings().lastImportPuzzleFile, source);
  EXPECT_EQ(listed, (std::vector<std::string>{"Acorns", "Harvest", "Leaves", "Owls", "Pumpkins"}));

  EXPECT_EQ(Titles(Group()), (std::vector<std::string>{"Zoo", "Harvest", "Owls", "Pumpkins"}));
  EXPECT_TRUE(seams_.Messages().empty());
  // The user's selection stays; the new category is listed.
  EXPECT_EQ(Items(win.CategoryBox()), (std::vector<std::string>{"Animals", "Autumn"}));
  EXPECT_EQ(Selected(win.CategoryBox()), "Animals");
  EXPECT_EQ(Selected(win.PuzzleBox()), "Zoo");
}

TEST_F(ExchangeWindowsTest, ImportIntoAnEmptyGroupSelectsTheFirstImportedPuzzle) {
  const std::string source = dir_.File("Autumn term.QL3");
  Add(source, "Trees", "Oak");
  Add(source, "Birds", "Owls");
  Add(source, "Birds", "Crows");
  MainWindow win(paths_);
  seams_.ChooseFile(source);
  WhileShown<ImportPuzzlesDialog>([&] { win.ImportPuzzlesClick(); },
                                  [&](ImportPuzzlesDialog& d) {
                                    SelectRows(d.List().Box(), {1, 2});  // Oak, Owls
                                    d.OkButtonClick();
                                  });
  EXPECT_EQ(Titles(Group()), (std::vector<std::string>{"Oak", "Owls"}));
  EXPECT_EQ(Selected(win.CategoryBox()), "Trees");
  EXPECT_EQ(Selected(win.PuzzleBox()), "Oak");
}

TEST_F(ExchangeWindowsTest, TheImportWindowEnablesOkOnlyWithASelection) {
  const std::string source = dir_.File("Autumn term.QL3");
  Add(source, "Autumn", "Leaves");
  Add(source, "Autumn", "Acorns");
  AppState state;
  state.groupFile = Group();
  ImportPuzzlesDialog d(state, source);
  auto* ok = d.findChild<QPushButton*>("OkButton");
  QListWidget* box = d.List().Box();
  EXPECT_EQ(Items(box), (std::vector<std::string>{"Acorns", "Leaves"}));
  EXPECT_FALSE(ok->isEnabled());
  d.findChild<QPushButton*>("SelectAll")->click();
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_EQ(d.List().SelectedRecords(), (std::vector<int>{1, 0}));
  d.findChild<QPushButton*>("ClearAll")->click();
  EXPECT_FALSE(ok->isEnabled());
  box->item(1)->setSelected(true);
  EXPECT_TRUE(ok->isEnabled());
  box->item(1)->setSelected(false);
  EXPECT_FALSE(ok->isEnabled());

  d.OkButtonClick();
  EXPECT_EQ(seams_.Single(), "No puzzles have been selected for import.");
  EXPECT_EQ(test::FileSize(Group()), -1);

  // A file that cannot be read lists nothing; the group cannot be written to.
  ImportPuzzlesDialog none(state, dir_.File("gone.QL3"));
  EXPECT_EQ(none.List().Box()->count(), 0);
  state.groupFile = dir_.File("no/such/folder/G.QL3");
  ImportPuzzlesDialog failing(state, source);
  failing.List().SelectAllClick();
  seams_.Clear();
  failing.OkButtonClick();
  EXPECT_EQ(seams_.Single(), "Unable to import puzzles.");
  EXPECT_EQ(failing.result(), QDialog::Rejected);
}

TEST_F(ExchangeWindowsTest, ImportRefusesTheOpenGroupAndOtherKindsOfFile) {
  Add(Group(), "Animals", "Zoo");
  MainWindow win(paths_);
  const std::string upper = Start("default.ql3");
  for (const std::string& name : {Group(), upper}) {
    seams_.Clear();
    seams_.ChooseFile(name);
    win.ImportPuzzlesClick();
    EXPECT_EQ(seams_.Single(), "Import File cannot be the same as the currently open file.");
  }
  seams_.Clear();
  test::WriteText(Start("notes.txt"), "x");
  seams_.ChooseFile(Start("notes.txt"));
  win.ImportPuzzlesClick();
  EXPECT_EQ(seams_.Single(), "The file selected is not a valid Gridwright file.");
  EXPECT_EQ(AppSettings().lastImportPuzzleFile, Start("notes.txt"));
  seams_.ChooseFile(std::nullopt);
  win.ImportPuzzlesClick();
  EXPECT_EQ(Titles(Group()), (std::vector<std::string>{"Zoo"}));
}

TEST_F(ExchangeWindowsTest, ASinglePuzzleFileIsConvertedWithTheDefaultPage) {
  Add(Group(), "Animals", "Zoo");
  PageLayout second;
  MakeBuiltInDefaultLayout(second);
  second.layoutName.Set("Second Page");
  PageLayout first = second;
  first.layoutName.Set("First Page");
  ASSERT_TRUE(AppendLayout(LayoutLibraryPath(paths_), first).ok);
  ASSERT_TRUE(AppendLayout(LayoutLibraryPath(paths_), second).ok);
  const std::string qlx = Start("planets.QLX");
  test::WriteBytes(qlx, test::QlxBytes(test::OldPuzzleBytes(
                            {std::string(50, 'P'), 12, {"MARS", "VENUS", "EARTH"}, 1})));
  MainWindow win(paths_);
  AppSettings().defaultPage = 1;

  seams_.ChooseFile(qlx);
  win.ImportPuzzlesClick();
  EXPECT_TRUE(seams_.Messages().empty());
  auto stored = std::make_unique<PuzzleRecord>();
  ASSERT_TRUE(ReadPuzzle(Group(), 1, *stored));
  EXPECT_EQ(stored->title.Get(), std::string(35, 'P'));
  EXPECT_EQ(stored->wordCount, 3);
  EXPECT_EQ(stored->pageLayout.layoutName.Get(), "Second Page");
  EXPECT_EQ(Selected(win.CategoryBox()), "Version 2.0 Puzzles");
  EXPECT_EQ(Selected(win.PuzzleBox()), std::string(35, 'P'));

  test::WriteBytes(qlx, {'Q', 'L', 'X'});
  seams_.ChooseFile(qlx);
  win.ImportPuzzlesClick();
  EXPECT_EQ(seams_.Single(), "Puzzle file is corrupt or incompatible.  Import aborted.");
  EXPECT_EQ(ListGroup(Group()).titles.size(), 2u);
}

TEST_F(ExchangeWindowsTest, ExportWritesTheSelectedPuzzlesOverAnExistingFile) {
  for (const char* t : {"Zoo", "Farm", "Jungle"}) Add(Group(), "Animals", t);
  const std::string target = dir_.File("Year 4.QL3");
  for (const char* t : {"Old 1", "Old 2", "Old 3", "Old 4"}) Add(target, "Old", t);
  MainWindow win(paths_);
  AppSettings().lastExportPuzzleFile = dir_.File("last.QL3");
  EXPECT_EQ(win.findChild<QAction*>("ExportPuzzlesItem")->shortcut(), QKeySequence("Ctrl+E"));

  seams_.ChooseFile(target);
  const bool shown = WhileShown<ExportPuzzlesDialog>(
      [&] { win.findChild<QAction*>("ExportPuzzlesItem")->trigger(); },
      [&](ExportPuzzlesDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Export Word Search Puzzles");
        EXPECT_EQ(Items(d.List().Box()), (std::vector<std::string>{"Farm", "Jungle", "Zoo"}));
        EXPECT_FALSE(d.findChild<QPushButton*>("SaveFile")->isEnabled());
        SelectRows(d.List().Box(), {2, 0});
        d.SaveFileClick();
        EXPECT_EQ(d.result(), QDialog::Accepted);
      });
  ASSERT_TRUE(shown);
  const FileDialogRequest& asked = seams_.FileDialogs().at(0);
  EXPECT_EQ(asked.title, "Save Word Search Puzzles");
  EXPECT_EQ(asked.filter, "QUARL Files (*.QL3)|*.QL3");
  EXPECT_EQ(asked.initial, dir_.File("last.QL3"));
  EXPECT_TRUE(asked.overwritePrompt);
  EXPECT_EQ(AppSettings().lastExportPuzzleFile, target);
  EXPECT_EQ(Titles(target), (std::vector<std::string>{"Farm", "Zoo"}));
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST_F(ExchangeWindowsTest, ExportRefusalsKeepTheWindowOpen) {
  for (const char* t : {"Zoo", "Farm"}) Add(Group(), "Animals", t);
  const std::vector<char> group = test::ReadBytes(Group());
  AppState state;
  state.groupFile = Group();
  ExportPuzzlesDialog d(state);
  d.SaveFileClick();
  EXPECT_EQ(seams_.Single(), "No puzzles have been selected for export.");

  d.List().SelectAllClick();
  seams_.Clear();
  seams_.ChooseFile(Start("DEFAULT.ql3"));  // the open group itself
  d.SaveFileClick();
  EXPECT_EQ(seams_.Single(), "Export File cannot be the same as the currently open file.");
  EXPECT_EQ(test::ReadBytes(Group()), group);

  seams_.Clear();
  seams_.ChooseFile(dir_.File("no/such/folder/x.QL3"));
  d.SaveFileClick();
  EXPECT_EQ(seams_.Single(), "Unable to export puzzles.");
  EXPECT_EQ(d.result(), 0);

  seams_.ChooseFile(std::nullopt);  // Cancel in the save dialog closes the window
  d.SaveFileClick();
  EXPECT_EQ(d.result(), QDialog::Rejected);
}

// ---- The start-up conversion ----------------------------------------------------------------

TEST_F(ExchangeWindowsTest, NoAtStartUpKeepsTheOldFilesAndAsksAgainNextTime) {
  test::WriteOldFileSet(dir_.File("start"), 3, false);
  for (int start = 0; start < 2; ++start) {
    seams_.Clear();
    seams_.Answer(MsgResult::No);
    seams_.Answer(MsgResult::No);
    MainWindow win(paths_);
    ASSERT_EQ(seams_.Messages().size(), 2u);
    EXPECT_EQ(seams_.Messages()[0].text,
              "User generated puzzles from a previous version of Gridwright have been detected.  "
              "Would you like to convert them to a puzzle group?");
    EXPECT_EQ(seams_.Messages()[0].caption, "Notice");
    EXPECT_EQ(seams_.Messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(seams_.Messages()[1].text,
              "User generated shapes from a previous version of Gridwright have been detected.  "
              "Would you like to add them to the current list of puzzle shapes?");
    EXPECT_TRUE(fs::exists(Start("QLFUPUZZ.DAT")));
    EXPECT_TRUE(fs::exists(Start("QLFULAY.DAT")));
    EXPECT_FALSE(fs::exists(Program("OLDPUZZ.QL3")));
  }
}

TEST_F(ExchangeWindowsTest, YesAtStartUpConvertsPuzzlesAndShapesThatThenOpenAndList) {
  const auto titles = test::WriteOldFileSet(dir_.File("start"), 3, true);
  seams_.Answer(MsgResult::Yes);
  seams_.Answer(MsgResult::Yes);
  MainWindow win(paths_);
  EXPECT_EQ(seams_.Texts(),
            (std::vector<std::string>{
                seams_.Messages().at(0).text,
                "A new puzzle group named \"OLDPUZZ.QL3\" has been created.  It is in " +
                    dir_.File("program") + ".",
                "1 damaged puzzle could not be converted.  The previous version's file was kept "
                "as \"QLFUPUZZ.BAK\".",
                seams_.Messages().at(3).text, "Puzzle shapes have been added."}));
  EXPECT_EQ(seams_.Messages()[1].caption, "Ok");
  EXPECT_FALSE(fs::exists(Start("QLFUPUZZ.DAT")));
  EXPECT_TRUE(fs::exists(Start("QLFUPUZZ.BAK")));
  EXPECT_FALSE(fs::exists(Start("QLFULAY.DAT")));
  // The open group is not changed; the shapes are in the library.
  EXPECT_EQ(win.State().groupFile, Start("DEFAULT.QL3"));
  EXPECT_EQ(win.CategoryBox()->count(), 0);
  EXPECT_EQ(test::FileSize(Program("QLFLAY.DAT")), 2 * 2555);

  seams_.Clear();
  seams_.ChooseFile(Program("OLDPUZZ.QL3"));
  win.OpenGroupClick();
  EXPECT_EQ(Items(win.CategoryBox()), (std::vector<std::string>{"Version 2.0 Puzzles"}));
  std::vector<std::string> cut;
  for (const std::string& t : titles) cut.push_back(t.substr(0, 35));
  std::sort(cut.begin(), cut.end());
  EXPECT_EQ(Items(win.PuzzleBox()), cut);

  // Nothing is asked at the next start.
  seams_.Clear();
  MainWindow again(paths_);
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST_F(ExchangeWindowsTest, AConversionIntoTheOpenGroupIsListedAtOnce) {
  test::WriteOldFileSet(dir_.File("start"), 2, false);
  fs::remove(Start("QLFULAY.DAT"));
  test::WriteText(Start("QUARL3.INI"), "[Misc]\r\nLast Group=" + Program("OLDPUZZ.QL3") + "\r\n");
  seams_.Answer(MsgResult::Yes);
  MainWindow win(paths_);
  EXPECT_EQ(Items(win.CategoryBox()), (std::vector<std::string>{"Version 2.0 Puzzles"}));
  EXPECT_EQ(win.PuzzleBox()->count(), 2);
}

TEST_F(ExchangeWindowsTest, AnInstalledCopyConvertsIntoTheUsersFolder) {
  test::WriteOldFileSet(dir_.File("start"), 2, false);
  fs::create_directory(dir_.File("user"));
  paths_.dataDir = paths_.programDir;
  paths_.userDir = dir_.File("user");
  test::ResetProgramWide(paths_);
  seams_.Answer(MsgResult::Yes);
  seams_.Answer(MsgResult::Yes);
  MainWindow win(paths_);
  EXPECT_EQ(ListGroup(dir_.File("user/OLDPUZZ.QL3")).titles.size(), 2u);
  EXPECT_EQ(test::FileSize(dir_.File("user/QLFLAY.DAT")), 2 * 2555);
  EXPECT_FALSE(fs::exists(Program("OLDPUZZ.QL3")));
  EXPECT_FALSE(fs::exists(Start("QLFUPUZZ.DAT")));
}

}  // namespace
}  // namespace gw
