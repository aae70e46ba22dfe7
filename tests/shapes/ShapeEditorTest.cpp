// The shape editor driven through its handlers, with pixel positions on its image.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLineEdit>
#include <QPushButton>
#include <cstring>

#include "base/Settings.h"
#include "shapes/ShapeEditor.h"
#include "shapes/ShapeLibrary.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/FormLayout.h"

namespace gw {
namespace {

const QColor kRed(255, 0, 0);

class ShapeEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    state_.paths = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(state_.paths);
  }

  std::string Library() const { return dir_.File("QLFLAY.DAT"); }
  long Count() const { return test::FileSize(Library()) / 2555; }

  static QLineEdit* Box(ShapeEditor& e, const char* name) { return e.findChild<QLineEdit*>(name); }
  static bool UndoEnabled(ShapeEditor& e) {
    return e.findChild<QPushButton*>("UndoButton")->isEnabled();
  }
  // A click with press and release at the given pixels.
  static void Click(ShapeEditor& e, Qt::MouseButton b, QPoint press, QPoint release) {
    e.ImgMouseDown(b, press);
    e.ImgMouseUp(b, release);
  }

  test::TempDir dir_;
  AppState state_;
  test::ScriptedSeams seams_;
};

TEST_F(ShapeEditorTest, ANewShapeIsAFullRedThirtyByThirtyGridOfTwelvePixelCells) {
  ShapeEditor e(state_, ShapeEditor::kNew);
  e.FormShow();
  EXPECT_EQ(e.windowTitle().toStdString(), "Shape Creator");
  EXPECT_EQ(Box(e, "Title")->text().toStdString(), "New Layout");
  EXPECT_EQ(Box(e, "WidthEdit")->text().toStdString(), "30");
  EXPECT_EQ(Box(e, "HeightEdit")->text().toStdString(), "30");
  EXPECT_FALSE(UndoEnabled(e));
  EXPECT_EQ(e.CellSize(), 12);
  const QImage& img = e.Image();
  ASSERT_EQ(img.size(), QSize(401, 401));
  EXPECT_EQ(img.pixelColor(6, 6), kRed);
  EXPECT_EQ(img.pixelColor(359, 359), kRed);               // inside cell (30, 30)
  EXPECT_EQ(img.pixelColor(12, 6), QColor(Qt::black));     // a grid line
  EXPECT_EQ(img.pixelColor(360, 100), QColor(Qt::black));  // the right edge line
  EXPECT_EQ(img.pixelColor(380, 100), e.palette().color(QPalette::Button));

  // Width 5: the height still rules the cell size.
  Box(e, "WidthEdit")->setText("5");
  EXPECT_TRUE(e.CheckWidth());
  EXPECT_EQ(e.Working().shapeWidth, 5);
  EXPECT_EQ(e.CellSize(), 12);
  EXPECT_EQ(e.Image().pixelColor(100, 100), e.palette().color(QPalette::Button));
}

TEST_F(ShapeEditorTest, WidthAndHeightGoThroughTheNumberRule) {
  ShapeEditor e(state_, ShapeEditor::kNew);
  e.FormShow();
  Box(e, "WidthEdit")->setText("7x");
  EXPECT_TRUE(e.CheckWidth());
  EXPECT_EQ(e.Working().shapeWidth, 7);
  EXPECT_TRUE(seams_.Messages().empty());

  for (const char* bad : {"ab", "4", "31", ""}) {
    seams_.Clear();
    Box(e, "WidthEdit")->setText(bad);
    EXPECT_FALSE(e.CheckWidth()) << bad;
    EXPECT_EQ(seams_.Single(), "Width must be between 5 and 30.  Please re-enter width.");
    EXPECT_EQ(e.Working().shapeWidth, 7);
  }
  seams_.Clear();
  Box(e, "HeightEdit")->setText("0");
  e.HeightEditExit();
  EXPECT_EQ(seams_.Single(), "Height must be between 5 and 30.  Please re-enter height.");
  EXPECT_EQ(seams_.Messages().back().caption, "Error");
}

TEST_F(ShapeEditorTest, MouseTogglesAndFillsOnlyOnACleanClickInsideTheGrid) {
  ShapeEditor e(state_, ShapeEditor::kNew);
  e.FormShow();
  Click(e, Qt::LeftButton, {30, 30}, {34, 33});  // cell (3, 3)
  EXPECT_FALSE(e.Working().Usable(3, 3));
  EXPECT_EQ(e.Image().pixelColor(30, 30), QColor(Qt::white));
  EXPECT_EQ(e.Image().pixelColor(36, 30), QColor(Qt::black)) << "its grid line stays";

  Click(e, Qt::LeftButton, {30, 30}, {40, 30});    // released in the next cell
  Click(e, Qt::LeftButton, {370, 10}, {370, 10});  // right of the grid
  Click(e, Qt::LeftButton, {10, 380}, {10, 380});  // below it
  Click(e, Qt::MiddleButton, {6, 6}, {6, 6});
  e.ImgMouseUp(Qt::LeftButton, {6, 6});  // a release without a press
  EXPECT_EQ(UsableCells(e.Working()), 899);

  // A right click on a usable cell empties its whole region, around the hole.
  Click(e, Qt::RightButton, {100, 100}, {101, 101});
  EXPECT_EQ(UsableCells(e.Working()), 0);
  EXPECT_EQ(e.Image().pixelColor(100, 100), QColor(Qt::white));
  EXPECT_EQ(e.Image().pixelColor(359, 359), QColor(Qt::white));
  EXPECT_TRUE(UndoEnabled(e));
  e.UndoButtonClick();
  EXPECT_EQ(UsableCells(e.Working()), 899);
  EXPECT_EQ(e.Image().pixelColor(100, 100), kRed);
  EXPECT_FALSE(UndoEnabled(e));

  e.RightButtonClick();
  EXPECT_TRUE(UndoEnabled(e));
  Click(e, Qt::LeftButton, {6, 6}, {6, 6});
  EXPECT_FALSE(UndoEnabled(e)) << "a toggle cannot be undone and ends the undo";
}

TEST_F(ShapeEditorTest, ShiftLeftOnAFiveWideShapeAndUndo) {
  ShapeEditor e(state_, ShapeEditor::kNew);
  e.FormShow();
  Box(e, "WidthEdit")->setText("5");
  ASSERT_TRUE(e.CheckWidth());
  Click(e, Qt::LeftButton, {6, 6}, {6, 6});  // (1, 1) off: column 1 differs from column 5
  const ShapeRecord before = e.Working();
  e.LeftButtonClick();
  for (int r = 1; r <= 30; ++r) EXPECT_FALSE(e.Working().Usable(r, 5));
  EXPECT_TRUE(e.Working().Usable(1, 1)) << "column 2 moved into column 1";
  e.UndoButtonClick();
  EXPECT_EQ(std::memcmp(&e.Working(), &before, sizeof before), 0);

  e.ReverseButtonClick();
  EXPECT_FALSE(UndoEnabled(e)) << "Reverse takes no snapshot";
}

TEST_F(ShapeEditorTest, SaveAppendsInNewModeAndOverwritesInModifyMode) {
  for (const char* name : {"A", "B"}) {
    ShapeRecord s;
    MakeNewShape(s);
    s.shapeName.Set(name);
    ASSERT_TRUE(AppendShape(Library(), s));
  }
  {
    ShapeEditor e(state_, ShapeEditor::kNew);
    e.FormShow();
    Box(e, "Title")->setText("   Spaced out   ");
    e.SaveButtonClick();
    EXPECT_TRUE(e.Saved());
    EXPECT_EQ(e.WrittenIndex(), 2);
    EXPECT_EQ(Count(), 3);
  }
  ShapeRecord third;
  ASSERT_TRUE(ReadShape(Library(), 2, third));
  EXPECT_EQ(third.shapeName.Get(), "Spaced out");

  ASSERT_TRUE(ReadShape(Library(), 1, state_.currentShape));
  ShapeEditor e(state_, ShapeEditor::kModify, 1);
  e.FormShow();
  EXPECT_EQ(Box(e, "Title")->text().toStdString(), "B");
  Box(e, "HeightEdit")->setText("12");
  e.SaveButtonClick();
  EXPECT_TRUE(e.Saved());
  EXPECT_EQ(Count(), 3);
  ShapeRecord second;
  ASSERT_TRUE(ReadShape(Library(), 1, second));
  EXPECT_EQ(second.shapeHeight, 12);
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST_F(ShapeEditorTest, SaveChecksHeightFirstAndStaysOpenWhenTheLibraryFails) {
  ShapeEditor e(state_, ShapeEditor::kNew);
  e.FormShow();
  Box(e, "WidthEdit")->setText("99");
  Box(e, "HeightEdit")->setText("2");
  e.SaveButtonClick();
  EXPECT_EQ(seams_.Single(), "Height must be between 5 and 30.  Please re-enter height.");
  EXPECT_FALSE(e.Saved());
  EXPECT_EQ(test::FileSize(Library()), -1);

  // The library can be neither opened nor created: a folder stands in its way.
  ASSERT_EQ(::mkdir(Library().c_str(), 0700), 0);
  Box(e, "WidthEdit")->setText("10");
  Box(e, "HeightEdit")->setText("10");
  seams_.Clear();
  e.SaveButtonClick();
  EXPECT_EQ(seams_.Single(), "Unable to add shape.");
  EXPECT_EQ(seams_.Messages().back().caption, "Disk Error");
  EXPECT_EQ(seams_.Messages().back().icon, MsgIcon::Warning);
  EXPECT_FALSE(e.Saved());
}

TEST_F(ShapeEditorTest, ADamagedRecordOpensSafelyAndKeepsItsLongName) {
  std::memset(&state_.currentShape, 1, sizeof state_.currentShape);
  state_.currentShape.shapeName.length = 250;
  std::memset(state_.currentShape.shapeName.data, 'L', 50);
  state_.currentShape.shapeWidth = -4;
  state_.currentShape.shapeHeight = 3000;
  ShapeEditor e(state_, ShapeEditor::kCopy);
  e.FormShow();
  EXPECT_EQ(Box(e, "WidthEdit")->text().toStdString(), "1");
  EXPECT_EQ(Box(e, "HeightEdit")->text().toStdString(), "50");
  EXPECT_EQ(Box(e, "Title")->text().size(), 50) << "longer than the box takes when typing";
  Click(e, Qt::RightButton, {3, 3}, {3, 3});
  e.DownButtonClick();
  Box(e, "WidthEdit")->setText("20");
  Box(e, "HeightEdit")->setText("20");
  e.SaveButtonClick();
  ASSERT_TRUE(e.Saved());
  ShapeRecord saved;
  ASSERT_TRUE(ReadShape(Library(), 0, saved));
  EXPECT_EQ(saved.shapeName.Get(), std::string(50, 'L'));
}

}  // namespace
}  // namespace gw
