// The Shapes dialog driven through the message and file-dialog seams, with the editor.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstring>

#include "app/MainWindow.h"
#include "base/Settings.h"
#include "shapes/ShapeEditing.h"
#include "shapes/ShapeEditor.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapeLibraryDialog.h"
#include "storage/PuzzleRecord.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/FormLayout.h"

namespace gw {
namespace {

ShapeRecord Shape(const std::string& name, int width, int height) {
  ShapeRecord s;
  std::memset(&s, 0, sizeof s);
  s.shapeName.Set(name);
  s.shapeWidth = static_cast<int16_t>(width);
  s.shapeHeight = static_cast<int16_t>(height);
  for (int r = 1; r <= height; ++r)
    for (int c = 1; c <= width; ++c) s.SetCell(r, c, r == c || r == 1);
  return s;
}

bool Same(const ShapeRecord& a, const ShapeRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class ShapeLibraryDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    state_.paths = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(state_.paths);
  }

  std::string Library() const { return dir_.File("QLFLAY.DAT"); }
  void Add(const ShapeRecord& s) { ASSERT_TRUE(AppendShape(Library(), s).has_value()); }
  ShapeRecord Stored(long index) const {
    ShapeRecord s;
    EXPECT_TRUE(ReadShape(Library(), index, s));
    return s;
  }
  long Count() const { return test::FileSize(Library()) / 2555; }

  static std::vector<std::string> Items(const ShapeLibraryDialog& d) {
    std::vector<std::string> items;
    for (int i = 0; i < d.ShapeBox()->count(); ++i)
      items.push_back(d.ShapeBox()->item(i)->text().toStdString());
    return items;
  }
  static std::string Selected(const ShapeLibraryDialog& d) {
    QListWidgetItem* item = d.ShapeBox()->currentItem();
    return item && item->isSelected() ? item->text().toStdString() : "<none>";
  }
  static void ClickRow(const ShapeLibraryDialog& d, int row) { test::ClickRow(d.ShapeBox(), row); }
  static bool Enabled(const ShapeLibraryDialog& d, const char* name) {
    return d.findChild<QPushButton*>(name)->isEnabled();
  }

  test::TempDir dir_;
  AppState state_;
  test::ScriptedSeams seams_;
};

TEST_F(ShapeLibraryDialogTest, WithoutALibraryTheListIsEmptyAndNothingCanBeExported) {
  ShapeLibraryDialog d(state_);
  d.FormShow();
  EXPECT_EQ(d.windowTitle().toStdString(), "Shapes");
  EXPECT_EQ(d.findChild<QLabel*>("Heading")->text().toStdString(), "Puzzle Shape");
  EXPECT_EQ(seams_.Single(), "No saved shape information could be found.");
  EXPECT_EQ(seams_.Messages().back().caption, "Warning");
  EXPECT_EQ(d.ShapeBox()->count(), 0);
  EXPECT_TRUE(d.Panel().PreviewImage().isNull()) << "the preview is not drawn";

  seams_.Clear();
  d.DeleteShapeClick();  // no question: nothing is selected
  d.ExportShapeClick();
  EXPECT_EQ(seams_.Single(), "No shape selected.");
  EXPECT_EQ(seams_.Messages().back().caption, "Error");
  EXPECT_TRUE(seams_.FileDialogs().empty());
}

TEST_F(ShapeLibraryDialogTest, ListsSortedTextSelectsTheFirstAndDrawsIt) {
  Add(Shape("Dot", 5, 5));
  Add(Shape("Star", 10, 10));
  Add(Shape("Kite", 6, 5));
  ShapeLibraryDialog d(state_);
  d.FormShow();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(Items(d), (std::vector<std::string>{"10x10 Star", "5x5 Dot", "6x5 Kite"}));
  EXPECT_EQ(Selected(d), "10x10 Star");
  EXPECT_TRUE(Same(state_.currentShape, Stored(1)));
  EXPECT_TRUE(Enabled(d, "ModifyShape"));
  EXPECT_TRUE(Enabled(d, "DeleteShape"));

  // A click loads through the tag; 6 x 5 on 240 pixels gives 40-pixel cells, 200 pixels high.
  ClickRow(d, 2);
  EXPECT_EQ(Selected(d), "6x5 Kite");
  EXPECT_TRUE(Same(state_.currentShape, Stored(2)));
  const QImage& image = d.Panel().PreviewImage();
  ASSERT_EQ(image.size(), QSize(240, 240));
  EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::black));   // cell (1, 1), usable
  EXPECT_EQ(image.pixelColor(60, 100), QColor(Qt::white));  // cell (3, 2), outside the shape
  // The grid line at x = 40 parts cells (1, 1) and (1, 2), both usable, so they can be counted.
  EXPECT_EQ(image.pixelColor(60, 20), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(40, 20), QColor(160, 160, 160));
  EXPECT_EQ(image.pixelColor(100, 220), d.palette().color(QPalette::Button));  // below the grid
}

TEST_F(ShapeLibraryDialogTest, DeleteAsksThenKeepsThePositionOrTakesTheNewLast) {
  Add(Shape("Dot", 5, 5));
  Add(Shape("Star", 10, 10));
  Add(Shape("Kite", 6, 5));
  ShapeLibraryDialog d(state_);
  d.FormShow();
  d.ShapeBox()->setCurrentRow(2);  // 6x5 Kite, record 2

  seams_.Answer(MsgResult::No);
  d.DeleteShapeClick();
  EXPECT_EQ(seams_.Single(), "Are you sure you want to delete \"6x5 Kite\"?");
  EXPECT_EQ(seams_.Messages().back().caption, "Delete?");
  EXPECT_EQ(seams_.Messages().back().buttons, MsgButtons::YesNo);
  EXPECT_EQ(Count(), 3);

  seams_.Answer(MsgResult::Yes);
  d.DeleteShapeClick();
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(Selected(d), "5x5 Dot") << "the last entry was deleted: the new last one";
  EXPECT_TRUE(Same(state_.currentShape, Stored(0)));

  d.ShapeBox()->setCurrentRow(0);  // 10x10 Star, record 1
  seams_.Answer(MsgResult::Yes);
  d.DeleteShapeClick();
  EXPECT_EQ(Items(d), (std::vector<std::string>{"5x5 Dot"}));
  EXPECT_EQ(Selected(d), "5x5 Dot");

  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  d.DeleteShapeClick();
  EXPECT_EQ(test::FileSize(Library()), 0);
  EXPECT_EQ(seams_.Texts().back(), "No saved shape information could be found.");
  EXPECT_EQ(d.ShapeBox()->count(), 0);
}

TEST_F(ShapeLibraryDialogTest, ExportWritesTheStoredRecordAndImportAppendsIt) {
  Add(Shape("Heart", 15, 15));
  ShapeLibraryDialog d(state_);
  d.FormShow();
  state_.currentShape.shapeName.Set("Edited since");
  const std::string file = dir_.File("heart.lay");
  seams_.ChooseFile(file);
  d.ExportShapeClick();
  const FileDialogRequest& save = seams_.FileDialogs().back();
  EXPECT_EQ(save.kind, FileDialogRequest::Save);
  EXPECT_EQ(save.title, "Export Puzzle Shape");
  EXPECT_EQ(save.filter, "Puzzle Shape (*.LAY)|*.LAY");
  EXPECT_EQ(save.defaultExt, "LAY");
  EXPECT_TRUE(save.overwritePrompt);
  EXPECT_EQ(seams_.Single(), "Puzzle Shape Exported!");
  EXPECT_EQ(seams_.Messages().back().caption, "OK");
  EXPECT_EQ(AppSettings().lastExportShapeFile, file);
  const std::vector<char> bytes = test::ReadBytes(file);
  ASSERT_EQ(bytes.size(), 2561u);
  const ShapeRecord stored = Stored(0);
  EXPECT_EQ(std::memcmp(bytes.data() + 6, &stored, sizeof stored), 0);

  // Imported twice: appended each time, the new entry selected by its tag.
  seams_.Clear();
  for (int i = 0; i < 2; ++i) {
    seams_.ChooseFile(file);
    d.ImportShapeClick();
  }
  const FileDialogRequest& open = seams_.FileDialogs().back();
  EXPECT_EQ(open.kind, FileDialogRequest::Open);
  EXPECT_EQ(open.title, "Import Puzzle Shape");
  EXPECT_EQ(open.filter, "Puzzle Shapes (*.LAY)|*.LAY");
  EXPECT_TRUE(open.mustExist);
  EXPECT_EQ(open.initial, file);
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Items(d), (std::vector<std::string>(3, "15x15 Heart")));
  EXPECT_EQ(d.Panel().SelectedTag(), 2);

  // A corrupt file changes nothing.
  test::WriteText(dir_.File("bad.lay"), "lay1.0");
  seams_.ChooseFile(dir_.File("bad.lay"));
  state_.currentShape.shapeName.Set("Untouched");
  d.ImportShapeClick();
  EXPECT_EQ(seams_.Single(), "Puzzle shape file is corrupt or incompatible.  Import aborted.");
  EXPECT_EQ(state_.currentShape.shapeName.Get(), "Untouched");
  EXPECT_EQ(Count(), 3);
}

TEST_F(ShapeLibraryDialogTest, NewCopyAndModifyGoThroughTheEditorAndReselectTheRecord) {
  Add(Shape("Heart", 15, 15));
  Add(Shape("Dot", 5, 5));
  ShapeLibraryDialog d(state_);
  d.FormShow();
  d.SetShapeBoxIndex(0);
  d.LoadALayout();

  // Copy: the editor opens on "Heart (2)" and appends it.
  d.Panel().SetEditorRunner([](ShapeEditor& e) {
    e.FormShow();
    EXPECT_EQ(e.findChild<QLineEdit*>("Title")->text().toStdString(), "Heart (2)");
    e.SaveButtonClick();
  });
  d.CopyShapeClick();
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Stored(2).shapeName.Get(), "Heart (2)");
  EXPECT_EQ(Selected(d), "15x15 Heart (2)");
  EXPECT_EQ(d.Panel().SelectedTag(), 2);

  // Copy cancelled: the new name stays in CurrentShape, the library does not change.
  d.Panel().SetEditorRunner([](ShapeEditor& e) {
    e.FormShow();
    e.CancelButtonClick();
  });
  d.CopyShapeClick();
  EXPECT_EQ(state_.currentShape.shapeName.Get(), "Heart (3)");
  EXPECT_EQ(Count(), 3);

  // New: a 30 x 30 grid, shrunk and named, appended and selected.
  d.Panel().SetEditorRunner([](ShapeEditor& e) {
    e.FormShow();
    e.findChild<QLineEdit*>("Title")->setText("  Kite ");
    e.findChild<QLineEdit*>("WidthEdit")->setText("7");
    e.findChild<QLineEdit*>("HeightEdit")->setText("9");
    e.SaveButtonClick();
  });
  d.NewShapeClick();
  EXPECT_EQ(Count(), 4);
  EXPECT_EQ(Selected(d), "7x9 Kite");
  EXPECT_TRUE(Same(state_.currentShape, Stored(3)));

  // Modify: the selected record is overwritten in place and stays selected.
  d.Panel().SetEditorRunner([](ShapeEditor& e) {
    e.FormShow();
    e.ImgMouseDown(Qt::LeftButton, QPoint(5, 5));
    e.ImgMouseUp(Qt::LeftButton, QPoint(6, 6));
    e.SaveButtonClick();
  });
  d.ModifyShapeClick();
  EXPECT_EQ(Count(), 4);
  EXPECT_FALSE(Stored(3).Usable(1, 1));
  EXPECT_EQ(Selected(d), "7x9 Kite");
  EXPECT_TRUE(Same(state_.currentShape, Stored(3)));
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST_F(ShapeLibraryDialogTest, TheWordListPanelModesAddThePuzzleEntryOrFollowTheLastShape) {
  Add(Shape("Heart", 15, 15));
  Add(Shape("Dot", 5, 5));
  QWidget form;
  auto* box = new QListWidget(&form);
  auto* preview = new QLabel(&form);
  preview->resize(148, 148);
  auto* modify = new QPushButton(&form);
  auto* remove = new QPushButton(&form);

  auto puzzle = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*puzzle);
  puzzle->gridWidth = 12;
  puzzle->gridHeight = 8;
  std::memset(puzzle->letterGrid, 0, sizeof puzzle->letterGrid);
  puzzle->Letter(CellIndex(2, 3)) = 'Q';
  puzzle->Letter(CellIndex(8, 12)) = ' ';  // inside the shape, no letter yet
  ShapeListView edit(box, preview, modify, remove, state_,
                     ShapeListMode{ShapeListMode::EditPuzzle, puzzle.get()}, &form);
  edit.LoadInLayouts();
  edit.SelectDefaultEntry();
  edit.LoadALayout();
  edit.DrawTheBox();
  EXPECT_EQ(box->currentItem()->text().toStdString(), "12x8 <Current Puzzle>");
  EXPECT_EQ(edit.SelectedTag(), kCurrentPuzzleTag);
  EXPECT_EQ(UsableCells(state_.currentShape), 2);
  EXPECT_TRUE(state_.currentShape.Usable(2, 3));
  EXPECT_TRUE(state_.currentShape.Usable(8, 12));
  EXPECT_FALSE(modify->isEnabled());
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_EQ(edit.PreviewImage().size(), QSize(148, 148));

  QListWidget newBox;
  AppSettings().lastShape = 1;
  ShapeListView fresh(&newBox, preview, modify, remove, state_,
                      ShapeListMode{ShapeListMode::NewPuzzle, nullptr}, &form);
  fresh.LoadInLayouts();
  fresh.SelectDefaultEntry();
  fresh.LoadALayout();
  EXPECT_EQ(newBox.currentItem()->text().toStdString(), "5x5 Dot");
  EXPECT_TRUE(modify->isEnabled());
  fresh.SetShapeBoxIndex(0);
  fresh.LoadALayout();
  EXPECT_EQ(AppSettings().lastShape, 0) << "remembered for the next new puzzle";
}

TEST_F(ShapeLibraryDialogTest, TheMainWindowOpensItFromPuzzleShape) {
  Add(Shape("Heart", 15, 15));
  MainWindow win(state_.paths);
  QAction* item = win.findChild<QAction*>("PuzzleShapeItem");
  ASSERT_TRUE(item->isEnabled());
  std::string shown;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<ShapeLibraryDialog*>(QApplication::activeModalWidget())) {
      shown = Selected(*d);
      d->ExitButtonClick();
    }
  });
  item->trigger();
  EXPECT_EQ(shown, "15x15 Heart");
  EXPECT_EQ(win.State().currentShape.shapeName.Get(), "Heart");
}

}  // namespace
}  // namespace gw
