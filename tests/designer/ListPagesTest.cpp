// The layout library dialog driven through the message and file-dialog seams.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstring>
#include <memory>

#include "app/MainWin.h"
#include "base/Settings.h"
#include "designer/ListPages.h"
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

class ListPagesTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
  }

  std::string Library() const { return dir_.File("QLFPAGE.DAT"); }
  void Add(const PageLayout& l) { ASSERT_TRUE(AppendLayout(Library(), l).ok); }
  void Add(const std::string& name, const char* paper = "Letter") { Add(*Layout(name, paper)); }
  long Count() const { return test::FileSize(Library()) / kRecord; }
  std::unique_ptr<PageLayout> Stored(long index) const {
    auto l = std::make_unique<PageLayout>();
    EXPECT_TRUE(ReadLayout(Library(), index, *l));
    return l;
  }

  std::unique_ptr<TListPages> Open(ListPagesMode mode = ListPagesMode::Manage,
                                   PageLayout* target = nullptr) {
    auto d = std::make_unique<TListPages>(paths_, mode, target);
    d->FormShow();
    return d;
  }

  static std::vector<std::string> Items(const TListPages& d) {
    std::vector<std::string> items;
    for (int i = 0; i < d.ShapeBox()->count(); ++i)
      items.push_back(d.ShapeBox()->item(i)->text().toStdString());
    return items;
  }
  static int SelectedRow(const TListPages& d) {
    QListWidgetItem* item = d.ShapeBox()->currentItem();
    return item && item->isSelected() ? d.ShapeBox()->row(item) : -1;
  }
  static void ClickRow(const TListPages& d, int row) { test::ClickRow(d.ShapeBox(), row); }
  static bool Enabled(const TListPages& d, const char* name) {
    return d.findChild<QPushButton*>(name)->isEnabled();
  }
  static bool SameRecord(const PageLayout& a, const PageLayout& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
};

TEST_F(ListPagesTest, AMissingLibraryWarnsAndLeavesOnlyImportSetDefaultAndExit) {
  PageLayout target;
  MakeBuiltInDefaultLayout(target);
  auto d = Open(ListPagesMode::PickForPuzzle, &target);
  EXPECT_EQ(d->windowTitle().toStdString(), "Puzzle Page Layouts");
  EXPECT_EQ(d->findChild<QLabel*>("Heading")->text().toStdString(), "Page Layouts");
  EXPECT_EQ(seams_.Single(), "No saved page layouts could be found.");
  EXPECT_EQ(seams_.Messages().back().caption, "Warning");
  for (const char* name :
       {"SelectButton", "NewButton", "ModifyButton", "CopyButton", "DeleteButton", "ExportButton"})
    EXPECT_FALSE(Enabled(*d, name)) << name;
  for (const char* name : {"ImportButton", "SetDefaultButton", "ExitButton"})
    EXPECT_TRUE(Enabled(*d, name)) << name;
  EXPECT_TRUE(d->PreviewImage().isNull());

  // Every command that needs an entry says so, and nothing is asked or opened.
  seams_.Clear();
  d->DeleteButtonClick();
  d->ExportButtonClick();
  d->SetDefaultButtonClick();
  d->SelectButtonClick();
  EXPECT_EQ(seams_.Texts(),
            (std::vector<std::string>{"No page layout selected.", "No page layout selected.",
                                      "No page layout selected.", "No layout has been selected."}));
  for (const MessageRecord& m : seams_.Messages()) EXPECT_EQ(m.caption, "Error");
  EXPECT_TRUE(seams_.FileDialogs().empty());
  EXPECT_EQ(d->result(), QDialog::Rejected);
  EXPECT_EQ(target.layoutName.Get(), "New Page");
  EXPECT_EQ(AppSettings().defaultPage, 0);
}

TEST_F(ListPagesTest, ListsSortedEntriesMarksTheDefaultAndDrawsTheFirst) {
  Add("Worksheet");
  Add("Booklet", "A5");
  auto poster = Layout("Poster", "A4");
  poster->paperName.Set("Custom");
  poster->pageWidth = 40.6;
  poster->pageHeight = 59.4;
  Add(*poster);
  AppSettings().defaultPage = 2;
  auto d = Open();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(Items(*d),
            (std::vector<std::string>{"Booklet (A5)", "Poster (Custom 41\" x 59\")  <<DEFAULT>>",
                                      "Worksheet (Letter)"}));
  EXPECT_EQ(SelectedRow(*d), 0);
  EXPECT_EQ(d->SelectedIndex(), 1);
  EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(1)));
  // Managing the library never selects a layout for anything.
  EXPECT_FALSE(Enabled(*d, "SelectButton"));
  EXPECT_TRUE(Enabled(*d, "DeleteButton"));
  EXPECT_TRUE(Enabled(*d, "ExportButton"));
  // The page designer is not there yet: its three commands wait for it.
  for (const char* name : {"NewButton", "ModifyButton", "CopyButton"})
    EXPECT_FALSE(Enabled(*d, name)) << name;

  // The A5 page (148 x 210 mm at 20 pixels per cm) fills the 313-pixel height; its puzzle square
  // covers the page from the top-left corner.
  const QImage& a5 = d->PreviewImage();
  ASSERT_EQ(a5.size(), QSize(245, 313));
  EXPECT_EQ(a5.pixelColor(40, 40), QColor(128, 0, 0));
  EXPECT_EQ(a5.pixelColor(240, 300), d->palette().color(QPalette::Button)) << "beside the page";

  // A click reads that entry's record and draws it: a Letter page with its title band on top.
  ClickRow(*d, 2);
  EXPECT_EQ(d->SelectedIndex(), 0);
  EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(0)));
  EXPECT_EQ(d->PreviewImage().pixelColor(40, 5), QColor(255, 255, 0));
  EXPECT_EQ(d->PreviewImage().pixelColor(40, 100), QColor(Qt::white));

  // A default at or beyond the end marks nothing.
  for (long beyond : {3L, 40L}) {
    AppSettings().defaultPage = beyond;
    d->LoadInLayouts();
    for (const std::string& item : Items(*d))
      EXPECT_EQ(item.find("<<DEFAULT>>"), std::string::npos) << item;
  }
}

TEST_F(ListPagesTest, LegendShowsTheKindColoursOfThePreview) {
  auto d = Open();
  const struct {
    const char* name;
    const char* text;
    QColor color;
  } legend[] = {{"LegendPuzzle", "Puzzle", QColor(128, 0, 0)},
                {"LegendWords", "Words", QColor(0, 128, 128)},
                {"LegendTitle", "Title", QColor(255, 255, 0)},
                {"LegendBonus", "Bonus", QColor(255, 0, 255)},
                {"LegendText", "Text, Shapes", QColor(128, 128, 128)}};
  for (const auto& l : legend) {
    auto* swatch = d->findChild<QLabel*>(l.name);
    ASSERT_NE(swatch, nullptr) << l.name;
    EXPECT_EQ(swatch->palette().color(QPalette::Window), l.color) << l.name;
    EXPECT_EQ(d->findChild<QLabel*>(QString(l.name) + "Label")->text().toStdString(), l.text);
  }
}

TEST_F(ListPagesTest, SetDefaultMovesTheMarkerAndKeepsTheSelectedEntry) {
  Add("Alpha");
  Add("Beta");
  Add("Gamma");
  auto d = Open();
  d->ShapeBox()->setCurrentRow(1);  // Beta, record 1
  d->SetDefaultButtonClick();
  EXPECT_EQ(AppSettings().defaultPage, 1);
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"Alpha (Letter)", "Beta (Letter)  <<DEFAULT>>",
                                                 "Gamma (Letter)"}));
  EXPECT_EQ(SelectedRow(*d), 1);
  EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(1)));

  d->ShapeBox()->setCurrentRow(2);
  d->SetDefaultButtonClick();
  EXPECT_EQ(AppSettings().defaultPage, 2);
  EXPECT_EQ(Items(*d)[1], "Beta (Letter)");
  EXPECT_EQ(Items(*d)[2], "Gamma (Letter)  <<DEFAULT>>");
  EXPECT_EQ(SelectedRow(*d), 2);
}

TEST_F(ListPagesTest, EqualEntriesAreToldApartByTheirRecords) {
  auto first = Layout("Twin");
  auto second = Layout("Twin");
  second->objects[0].bounds.top = 200;  // the same entry text, another page
  Add(*first);
  Add(*second);
  AppSettings().defaultPage = 7;
  auto d = Open();
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"Twin (Letter)", "Twin (Letter)"}));
  for (int row = 0; row < 2; ++row) {
    d->ShapeBox()->setCurrentRow(row);
    const long index = d->SelectedIndex();
    EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(index))) << row;
  }
  EXPECT_NE(d->ShapeBox()->item(0)->data(Qt::UserRole), d->ShapeBox()->item(1)->data(Qt::UserRole));

  // Marking one of them sorts it after its twin; the selection goes with it, so the entry the
  // user marked is the one still selected.
  for (int row = 0; row < 2; ++row) {
    d->ShapeBox()->setCurrentRow(row);
    const long marked = d->SelectedIndex();
    d->SetDefaultButtonClick();
    EXPECT_EQ(AppSettings().defaultPage, marked);
    EXPECT_EQ(d->ShapeBox()->currentItem()->text().toStdString(), "Twin (Letter)  <<DEFAULT>>");
    EXPECT_EQ(d->SelectedIndex(), marked);
    EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(marked)));
  }
}

TEST_F(ListPagesTest, DeleteAsksKeepsThePositionAndTheDefaultOnItsLayout) {
  for (const char* name : {"A", "B", "C", "D"}) Add(name);
  AppSettings().defaultPage = 2;  // C
  auto d = Open();
  d->ShapeBox()->setCurrentRow(1);  // B, record 1

  seams_.Answer(MsgResult::No);
  d->DeleteButtonClick();
  EXPECT_EQ(seams_.Single(), "Are you sure you want to delete \"B (Letter)\"?");
  EXPECT_EQ(seams_.Messages().back().caption, "Delete?");
  EXPECT_EQ(seams_.Messages().back().buttons, MsgButtons::YesNo);
  EXPECT_EQ(Count(), 4);

  // A record before the default goes: the default stays on C, which moved down.
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(AppSettings().defaultPage, 1);
  EXPECT_EQ(Items(*d),
            (std::vector<std::string>{"A (Letter)", "C (Letter)  <<DEFAULT>>", "D (Letter)"}));
  EXPECT_EQ(SelectedRow(*d), 1) << "the same position";
  EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(1)));

  // The default itself goes (its whole text is in the question): record 0 takes over.
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  EXPECT_EQ(seams_.Single(), "Are you sure you want to delete \"C (Letter)  <<DEFAULT>>\"?");
  EXPECT_EQ(AppSettings().defaultPage, 0);
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"A (Letter)  <<DEFAULT>>", "D (Letter)"}));
  EXPECT_EQ(SelectedRow(*d), 1);

  // The last entry goes: the new last one is selected.
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"A (Letter)  <<DEFAULT>>"}));
  EXPECT_EQ(SelectedRow(*d), 0);
  EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(0)));

  // The only record goes: an empty library, the warning, and nothing left to work on.
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  EXPECT_EQ(test::FileSize(Library()), 0);
  EXPECT_EQ(seams_.Texts().back(), "No saved page layouts could be found.");
  EXPECT_EQ(d->ShapeBox()->count(), 0);
  EXPECT_FALSE(Enabled(*d, "DeleteButton"));
  EXPECT_FALSE(Enabled(*d, "ExportButton"));
  EXPECT_TRUE(d->PreviewImage().isNull()) << "no picture of a layout that is gone";
}

TEST_F(ListPagesTest, AFailedDeleteIsReportedAndChangesNothing) {
  Add("A");
  Add("B");
  AppSettings().defaultPage = 1;
  auto d = Open();
  // The library turns into a folder behind the dialog's back: it can no longer be rewritten.
  ASSERT_EQ(std::rename(Library().c_str(), dir_.File("saved").c_str()), 0);
  ASSERT_EQ(std::system(("mkdir '" + Library() + "'").c_str()), 0);
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  d->DeleteButtonClick();
  ASSERT_EQ(seams_.Texts().size(), 2u);
  EXPECT_EQ(seams_.Messages()[1].text, "Unable to delete page layout.");
  EXPECT_EQ(seams_.Messages()[1].caption, "Disk Error");
  EXPECT_EQ(AppSettings().defaultPage, 1);
  EXPECT_EQ(d->ShapeBox()->count(), 2) << "the list is unchanged";
}

TEST_F(ListPagesTest, ExportThenImportGivesTheSameBytesAndRemembersTheFiles) {
  Add("Alpha");
  Add("Beta", "A4");
  AppSettings().lastExportLayoutFile = dir_.File("earlier.pag");
  AppSettings().lastImportLayoutFile = dir_.File("older.pag");
  auto d = Open();
  d->ShapeBox()->setCurrentRow(1);  // Beta (A4), record 1

  seams_.ChooseFile(std::nullopt);  // cancelled: nothing written, nothing remembered
  d->ExportButtonClick();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(AppSettings().lastExportLayoutFile, dir_.File("earlier.pag"));

  const std::string file = dir_.File("beta.pag");
  seams_.ChooseFile(file);
  d->ExportButtonClick();
  const FileDialogRequest& save = seams_.FileDialogs().back();
  EXPECT_EQ(save.kind, FileDialogRequest::Save);
  EXPECT_EQ(save.title, "Export Page Layouts");
  EXPECT_EQ(save.filter, "Page Layouts (*.PAG)|*.PAG");
  EXPECT_EQ(save.defaultExt, "PAG");
  EXPECT_EQ(save.initial, dir_.File("earlier.pag"));
  EXPECT_TRUE(save.overwritePrompt);
  EXPECT_EQ(seams_.Single(), "Page Layout Exported!");
  EXPECT_EQ(seams_.Messages().back().caption, "OK");
  EXPECT_EQ(AppSettings().lastExportLayoutFile, file);
  const std::vector<char> bytes = test::ReadBytes(file);
  ASSERT_EQ(bytes.size(), 6u + kRecord);
  EXPECT_EQ(std::string(bytes.data(), 6), "PAG1.0");
  EXPECT_EQ(std::memcmp(bytes.data() + 6, Stored(1).get(), kRecord), 0);

  seams_.Clear();
  seams_.ChooseFile(file);
  d->ImportButtonClick();
  const FileDialogRequest& open = seams_.FileDialogs().back();
  EXPECT_EQ(open.kind, FileDialogRequest::Open);
  EXPECT_EQ(open.title, "Import Page Layouts");
  EXPECT_EQ(open.filter, "Page Layouts (*.PAG)|*.PAG");
  EXPECT_EQ(open.defaultExt, "PAG");
  EXPECT_EQ(open.initial, dir_.File("older.pag"));
  EXPECT_TRUE(open.mustExist);
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(AppSettings().lastImportLayoutFile, file);
  ASSERT_EQ(Count(), 3);
  EXPECT_TRUE(SameRecord(*Stored(2), *Stored(1))) << "a byte-identical record at the end";
  EXPECT_EQ(d->SelectedIndex(), 2) << "the new entry, not its twin";
  EXPECT_TRUE(SameRecord(d->Buffer(), *Stored(2)));
  EXPECT_EQ(Items(*d),
            (std::vector<std::string>{"Alpha (Letter)  <<DEFAULT>>", "Beta (A4)", "Beta (A4)"}));
}

TEST_F(ListPagesTest, ImportIntoAnEmptyLibraryEnablesTheListCommands) {
  const std::string file = dir_.File("one.pag");
  test::WriteBytes(file, PagFile(*Layout("Imported", "A4")));

  PageLayout target;
  auto d = Open(ListPagesMode::PickForPrint, &target);
  ASSERT_FALSE(Enabled(*d, "SelectButton"));
  seams_.ChooseFile(file);
  d->ImportButtonClick();
  EXPECT_EQ(Items(*d), (std::vector<std::string>{"Imported (A4)  <<DEFAULT>>"}));
  EXPECT_EQ(SelectedRow(*d), 0);
  for (const char* name : {"SelectButton", "DeleteButton", "ExportButton"})
    EXPECT_TRUE(Enabled(*d, name)) << name;
  EXPECT_EQ(d->PreviewImage().pixelColor(20, 20), QColor(128, 0, 0));
}

TEST_F(ListPagesTest, ADamagedOrForeignFileIsRefusedAndAddsNothing) {
  Add("Alpha");
  auto d = Open();
  const std::vector<char> good = PagFile(*Layout("Good"));
  std::vector<char> foreign = good;
  std::memcpy(foreign.data(), "LAY1.0", 6);  // a shape export file
  const std::vector<std::vector<char>> bad = {std::vector<char>(good.begin(), good.end() - 1),
                                              std::vector<char>(good.begin(), good.begin() + 4),
                                              foreign,
                                              {}};
  const std::string file = dir_.File("bad.pag");
  for (const std::vector<char>& bytes : bad) {
    test::WriteBytes(file, bytes);
    seams_.Clear();
    seams_.ChooseFile(file);
    d->ImportButtonClick();
    EXPECT_EQ(seams_.Single(), "Page layout file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(seams_.Messages().back().caption, "Error");
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Items(*d), (std::vector<std::string>{"Alpha (Letter)  <<DEFAULT>>"}));
  }
  EXPECT_EQ(AppSettings().lastImportLayoutFile, file) << "remembered even when refused";
}

TEST_F(ListPagesTest, PickingForAPrintRunCopiesTheChosenRecordOnly) {
  Add("Alpha");
  Add("Beta", "A4");
  PageLayout target;
  MakeBuiltInDefaultLayout(target);
  auto d = Open(ListPagesMode::PickForPrint, &target);
  EXPECT_TRUE(Enabled(*d, "SelectButton"));
  d->ExitButtonClick();
  EXPECT_EQ(d->result(), QDialog::Rejected);
  EXPECT_EQ(target.layoutName.Get(), "New Page") << "Exit copies nothing";

  d = Open(ListPagesMode::PickForPrint, &target);
  ClickRow(*d, 1);
  d->SelectButtonClick();
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_TRUE(SameRecord(target, *Stored(1)));
}

TEST_F(ListPagesTest, TheMainWindowOpensItToManageTheLibrary) {
  Add("Alpha");
  TMainWin win(paths_);
  QAction* item = win.findChild<QAction*>("PageLayoutItem");
  ASSERT_TRUE(item->isEnabled());
  EXPECT_EQ(item->text().toStdString(), "&Page Layout");
  ListPagesMode mode = ListPagesMode::PickForPuzzle;
  std::vector<std::string> items;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<TListPages*>(QApplication::activeModalWidget())) {
      mode = d->Mode();
      items = Items(*d);
      d->ExitButtonClick();
    }
  });
  item->trigger();
  EXPECT_EQ(mode, ListPagesMode::Manage);
  EXPECT_EQ(items, (std::vector<std::string>{"Alpha (Letter)  <<DEFAULT>>"}));
}

}  // namespace
}  // namespace gw
