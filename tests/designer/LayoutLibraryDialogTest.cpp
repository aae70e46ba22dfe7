// The layout library dialog driven through the message and file-dialog seams.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstring>
#include <memory>

#include "app/MainWindow.h"
#include "base/Settings.h"
#include "designer/LayoutLibraryDialog.h"
#include "designer/PageDesigner.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutTables.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

constexpr long kRecord = 28868;

// A layout told apart by its name, paper and one object: a title band on top of a page in inches,
// or a puzzle square in the top-left corner of a page in centimetres.
std::unique_ptr<PageLayout> Layout(const std::string& name, const char* paper = "Letter") {
  auto l = std::make_unique<PageLayout>();
  std::memset(l.get(), 0, sizeof *l);
  l->layoutName.Set(name);
  SetPaper(*l, *FindPaper(paper), true);
  SetDesignZoom(*l, kZoomSmall);
  if (l->inches)
    AddNewObject(*l, kKindTitle, 0, 0, 48);
  else
    AddNewObject(*l, kKindPuzzle, 0, 0, 20);
  return l;
}

// An export file holding `layout`.
std::vector<char> PagFile(const PageLayout& layout) {
  std::vector<char> bytes(6 + kRecord);
  std::memcpy(bytes.data(), "PAG1.0", 6);
  std::memcpy(bytes.data() + 6, &layout, kRecord);
  return bytes;
}

class LayoutLibraryDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
  }

  std::string Library() const { return dir_.File("QLFPAGE.DAT"); }
  void Add(const PageLayout& l) { ASSERT_TRUE(AppendLayout(Library(), l).ok); }
  void Add(const std::string& name, const char* paper = "Letter") { Add(*Layout(name, paper)); }
  std::unique_ptr<PageLayout> Stored(long index) const {
    auto l = std::make_unique<PageLayout>();
    EXPECT_TRUE(ReadLayout(Library(), index, *l));
    return l;
  }

  std::unique_ptr<LayoutLibraryDialog> Open(LayoutLibraryMode mode = LayoutLibraryMode::Manage,
                                            PageLayout* target = nullptr) {
    auto d = std::make_unique<LayoutLibraryDialog>(paths_, mode, target);
    d->FormShow();
    return d;
  }

  static std::vector<std::string> Items(const LayoutLibraryDialog& d) {
    std::vector<std::string> items;
    for (int i = 0; i < d.ShapeBox()->count(); ++i)
      items.push_back(d.ShapeBox()->item(i)->text().toStdString());
    return items;
  }
  static int SelectedRow(const LayoutLibraryDialog& d) {
    QListWidgetItem* item = d.ShapeBox()->currentItem();
    return item && item->isSelected() ? d.ShapeBox()->row(item) : -1;
  }
  static void ClickRow(const LayoutLibraryDialog& d, int row) { test::ClickRow(d.ShapeBox(), row); }
  static bool Enabled(const LayoutLibraryDialog& d, const char* name) {
    return d.findChild<QPushButton*>(name)->isEnabled();
  }
  // The dialog's buffer holds record `index` byte for byte.
  bool Holds(const LayoutLibraryDialog& d, long index) const {
    return std::memcmp(&d.Buffer(), Stored(index).get(), kRecord) == 0;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
};

TEST_F(LayoutLibraryDialogTest, AnEmptyLibraryWarnsAndAnImportFillsIt) {
  PageLayout target;
  auto d = Open(LayoutLibraryMode::PickForPrint, &target);
  EXPECT_EQ(d->windowTitle().toStdString(), "Puzzle Page Layouts");
  EXPECT_EQ(seams_.Single(), "No saved page layouts could be found.");
  EXPECT_EQ(seams_.Messages().back().caption, "Warning");
  for (const char* name : {"SelectButton", "DeleteButton", "ExportButton"})
    EXPECT_FALSE(Enabled(*d, name)) << name;
  EXPECT_TRUE(d->PreviewImage().isNull());

  // The commands that need an entry say so; nothing is asked or opened.
  seams_.Clear();
  d->ExportButtonClick();
  d->SelectButtonClick();
  EXPECT_EQ(seams_.Texts(),
            (std::vector<std::string>{"No page layout selected.", "No layout has been selected."}));
  EXPECT_TRUE(seams_.FileDialogs().empty());

  const std::string file = dir_.File("one.pag");
  test::WriteBytes(file, PagFile(*Layout("Imported", "A4")));
  seams_.ChooseFile(file);
  d->ImportButtonClick();
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"Imported (A4)  <<DEFAULT>>"}));
  EXPECT_EQ(SelectedRow(*d), 0);
  for (const char* name : {"SelectButton", "DeleteButton", "ExportButton"})
    EXPECT_TRUE(Enabled(*d, name)) << name;
  EXPECT_EQ(d->PreviewImage().pixelColor(20, 20), QColor(128, 0, 0));
}

TEST_F(LayoutLibraryDialogTest, ListsSortedEntriesMarksTheDefaultAndDrawsTheClickedOne) {
  Add("Worksheet");
  Add("Booklet", "A5");
  AppSettings().defaultPage = 1;
  auto d = Open();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(Items(*d),
            (std::vector<std::string>{"Booklet (A5)  <<DEFAULT>>", "Worksheet (Letter)"}));
  EXPECT_EQ(SelectedRow(*d), 0);
  EXPECT_TRUE(Holds(*d, 1));
  // Managing the library selects nothing for anyone; the designer's commands are there.
  EXPECT_FALSE(Enabled(*d, "SelectButton"));
  for (const char* name : {"NewButton", "ModifyButton", "CopyButton"})
    EXPECT_TRUE(Enabled(*d, name)) << name;

  ClickRow(*d, 1);  // a Letter page with its title band on top
  EXPECT_TRUE(Holds(*d, 0));
  ASSERT_EQ(d->PreviewImage().size(), QSize(245, 313));
  EXPECT_EQ(d->PreviewImage().pixelColor(40, 5), QColor(255, 255, 0));
  EXPECT_EQ(d->PreviewImage().pixelColor(40, 100), QColor(Qt::white));

  AppSettings().defaultPage = 2;  // the record count: marks nothing
  d->LoadInLayouts();
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"Booklet (A5)", "Worksheet (Letter)"}));
}

TEST_F(LayoutLibraryDialogTest, SetDefaultMovesTheMarkerAndKeepsTheSelectedEntryEvenAmongTwins) {
  Add("Alpha");
  Add("Beta");
  auto twin = Layout("Beta");
  twin->objects[0].bounds.top = 200;  // the same entry text, another page
  Add(*twin);
  auto d = Open();
  // Two equal entries are told apart by their records; marking one sorts it after its twin, and
  // the selection goes with it. Row 1 is always the unmarked twin.
  long previous = -1;
  for (int round = 0; round < 2; ++round) {
    d->ShapeBox()->setCurrentRow(1);
    const long marked = d->SelectedIndex();
    EXPECT_NE(marked, previous);
    EXPECT_TRUE(Holds(*d, marked));
    d->SetDefaultButtonClick();
    EXPECT_EQ(AppSettings().defaultPage, marked);
    EXPECT_EQ(SelectedRow(*d), 2);
    EXPECT_EQ(d->SelectedIndex(), marked);
    EXPECT_TRUE(Holds(*d, marked));
    EXPECT_EQ(Items(*d)[1], "Beta (Letter)");
    EXPECT_EQ(Items(*d)[2], "Beta (Letter)  <<DEFAULT>>");
    previous = marked;
  }
}

TEST_F(LayoutLibraryDialogTest, DeleteAsksKeepsThePositionAndTheDefaultOnItsLayout) {
  for (const char* name : {"A", "B", "C"}) Add(name);
  AppSettings().defaultPage = 2;  // C
  auto d = Open();
  d->ShapeBox()->setCurrentRow(0);  // A, record 0

  seams_.Answer(MsgResult::No);
  d->DeleteButtonClick();
  EXPECT_EQ(seams_.Single(), "Are you sure you want to delete \"A (Letter)\"?");
  EXPECT_EQ(seams_.Messages().back().caption, "Delete?");
  EXPECT_EQ(seams_.Messages().back().buttons, MsgButtons::YesNo);
  EXPECT_EQ(test::FileSize(Library()), 3 * kRecord);

  // A record before the default goes: the default stays on C, which moved down.
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  EXPECT_EQ(AppSettings().defaultPage, 1);
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"B (Letter)", "C (Letter)  <<DEFAULT>>"}));
  EXPECT_EQ(SelectedRow(*d), 0) << "the same position";
  EXPECT_TRUE(Holds(*d, 0));

  // The default itself, the last entry, goes: record 0 takes over and the new last is selected.
  d->ShapeBox()->setCurrentRow(1);
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  EXPECT_EQ(AppSettings().defaultPage, 0);
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"B (Letter)  <<DEFAULT>>"}));
  EXPECT_EQ(SelectedRow(*d), 0);

  // The only record goes: the warning, and nothing left to work on.
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  EXPECT_EQ(test::FileSize(Library()), 0);
  EXPECT_EQ(seams_.Texts().back(), "No saved page layouts could be found.");
  EXPECT_FALSE(Enabled(*d, "DeleteButton"));
  EXPECT_FALSE(Enabled(*d, "ExportButton"));
  EXPECT_TRUE(d->PreviewImage().isNull()) << "no picture of a layout that is gone";
}

TEST_F(LayoutLibraryDialogTest, ExportThenImportGivesTheSameBytesAndRemembersTheFiles) {
  Add("Alpha");
  Add("Beta", "A4");
  AppSettings().lastExportLayoutFile = dir_.File("earlier.pag");
  AppSettings().lastImportLayoutFile = dir_.File("older.pag");
  auto d = Open();
  d->ShapeBox()->setCurrentRow(1);  // Beta (A4), record 1

  const std::string file = dir_.File("beta.pag");
  seams_.ChooseFile(file);
  d->ExportButtonClick();
  EXPECT_EQ(seams_.FileDialogs().back().title, "Export Page Layouts");
  EXPECT_EQ(seams_.FileDialogs().back().initial, dir_.File("earlier.pag"));
  EXPECT_EQ(seams_.Single(), "Page Layout Exported!");
  EXPECT_EQ(seams_.Messages().back().caption, "OK");
  EXPECT_EQ(AppSettings().lastExportLayoutFile, file);
  EXPECT_EQ(test::ReadBytes(file), PagFile(*Stored(1)));

  seams_.Clear();
  seams_.ChooseFile(file);
  d->ImportButtonClick();
  EXPECT_EQ(seams_.FileDialogs().back().title, "Import Page Layouts");
  EXPECT_EQ(seams_.FileDialogs().back().initial, dir_.File("older.pag"));
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(AppSettings().lastImportLayoutFile, file);
  ASSERT_EQ(test::FileSize(Library()), 3 * kRecord);
  EXPECT_EQ(PagFile(*Stored(2)), PagFile(*Stored(1))) << "a byte-identical record at the end";
  EXPECT_EQ(d->SelectedIndex(), 2) << "the new entry, not its twin";
  EXPECT_TRUE(Holds(*d, 2));
}

TEST_F(LayoutLibraryDialogTest, ADamagedOrForeignFileIsRefusedAndAddsNothing) {
  Add("Alpha");
  auto d = Open();
  const std::vector<char> good = PagFile(*Layout("Good"));
  std::vector<char> foreign = good;
  std::memcpy(foreign.data(), "LAY1.0", 6);  // a shape export file
  const std::string file = dir_.File("bad.pag");
  for (const std::vector<char>& bytes :
       {std::vector<char>(good.begin(), good.end() - 1), foreign, std::vector<char>()}) {
    test::WriteBytes(file, bytes);
    seams_.Clear();
    seams_.ChooseFile(file);
    d->ImportButtonClick();
    EXPECT_EQ(seams_.Single(), "Page layout file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(seams_.Messages().back().caption, "Error");
    EXPECT_EQ(test::FileSize(Library()), kRecord);
    EXPECT_EQ(Items(*d), (std::vector<std::string>{"Alpha (Letter)  <<DEFAULT>>"}));
  }
}

TEST_F(LayoutLibraryDialogTest, PickingCopiesTheChosenRecordAndExitCopiesNothing) {
  Add("Alpha");
  Add("Beta", "A4");
  PageLayout target;
  MakeBuiltInDefaultLayout(target);
  auto d = Open(LayoutLibraryMode::PickForPrint, &target);
  d->ExitButtonClick();
  EXPECT_EQ(target.layoutName.Get(), "New Page");

  d = Open(LayoutLibraryMode::PickForPrint, &target);
  ClickRow(*d, 1);
  d->SelectButtonClick();
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(std::memcmp(&target, Stored(1).get(), kRecord), 0);
}

// Answers the page designer once it is up: names the layout and saves, or cancels.
void InDesigner(const char* name, bool save, DesignerMode* mode = nullptr) {
  QTimer::singleShot(0, [=] {
    auto* d = qobject_cast<PageDesigner*>(QApplication::activeModalWidget());
    if (!d) {
      ADD_FAILURE() << "the designer did not open";
      return;
    }
    if (mode) *mode = d->Layout().objectCount > 0 ? DesignerMode::Modify : DesignerMode::New;
    d->findChild<QLineEdit*>("Title")->setText(QString::fromLatin1(name));
    save ? d->SaveButtonClick() : d->CancelButtonClick();
  });
}

TEST_F(LayoutLibraryDialogTest, NewModifyAndCopyOpenTheDesignerAndShowWhatItSaved) {
  AppSettings().zoom = kZoomSmall;  // the zoom the test layouts are drawn in
  auto d = Open();
  EXPECT_EQ(seams_.Single(), "No saved page layouts could be found.");
  for (const char* name : {"ModifyButton", "CopyButton"}) EXPECT_FALSE(Enabled(*d, name)) << name;

  // New on an empty library: the first record, selected and drawn, and the buttons come alive.
  InDesigner("Fresh", true);
  d->NewButtonClick();
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"Fresh (Letter)  <<DEFAULT>>"}));
  EXPECT_EQ(d->SelectedIndex(), 0);
  EXPECT_TRUE(Holds(*d, 0));
  for (const char* name : {"ModifyButton", "CopyButton", "DeleteButton", "ExportButton"})
    EXPECT_TRUE(Enabled(*d, name)) << name;

  Add("Alpha");  // record 1
  d->LoadInLayouts();
  ClickRow(*d, 0);  // Alpha, record 1

  // Copy: the designer gets the copy name and appends; the copy is selected.
  QTimer::singleShot(0, [] {
    auto* designer = qobject_cast<PageDesigner*>(QApplication::activeModalWidget());
    ASSERT_TRUE(designer);
    EXPECT_EQ(designer->findChild<QLineEdit*>("Title")->text().toStdString(), "Alpha (2)");
    designer->SaveButtonClick();
  });
  d->CopyButtonClick();
  EXPECT_EQ(test::FileSize(Library()), 3 * kRecord);
  EXPECT_EQ(d->SelectedIndex(), 2);
  EXPECT_EQ(Stored(2)->layoutName.Get(), "Alpha (2)");
  EXPECT_EQ(std::memcmp(&Stored(2)->objects[0], &Stored(1)->objects[0], sizeof(LayoutObject)), 0);

  // Modify writes over the selected record and keeps it selected; Cancel changes nothing.
  DesignerMode opened = DesignerMode::New;
  InDesigner("Beta", true, &opened);
  d->ModifyButtonClick();
  EXPECT_EQ(opened, DesignerMode::Modify) << "opened on the selected layout";
  EXPECT_EQ(test::FileSize(Library()), 3 * kRecord);
  EXPECT_EQ(Stored(2)->layoutName.Get(), "Beta");
  EXPECT_EQ(d->SelectedIndex(), 2);
  EXPECT_EQ(Items(*d)[1], "Beta (Letter)");

  // Cancelled after the name was changed, the designer asks; No writes nothing.
  const std::vector<char> before = test::ReadBytes(Library());
  seams_.Clear();
  seams_.Answer(MsgResult::No);
  InDesigner("Gamma", false);
  d->NewButtonClick();
  seams_.Answer(MsgResult::No);
  InDesigner("Gamma", false);
  d->ModifyButtonClick();
  EXPECT_EQ(test::ReadBytes(Library()), before);
  EXPECT_EQ(d->SelectedIndex(), 2);
  EXPECT_EQ(seams_.Messages().size(), 2u);
}

TEST_F(LayoutLibraryDialogTest, TheMainWindowOpensItToManageTheLibrary) {
  Add("Alpha");
  MainWindow win(paths_);
  LayoutLibraryMode mode = LayoutLibraryMode::PickForPuzzle;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<LayoutLibraryDialog*>(QApplication::activeModalWidget())) {
      mode = d->Mode();
      d->ExitButtonClick();
    }
  });
  win.findChild<QAction*>("PageLayoutItem")->trigger();
  EXPECT_EQ(mode, LayoutLibraryMode::Manage);
}

}  // namespace
}  // namespace gw
