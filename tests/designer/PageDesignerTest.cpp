// The page designer driven by synthetic mouse events and the scripted seams.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <memory>
#include <random>

#include "base/Settings.h"
#include "designer/ObjectBorderDialog.h"
#include "designer/ObjectGeometryDialog.h"
#include "designer/PageDesigner.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutTables.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {
namespace {

constexpr long kRecord = sizeof(PageLayout);

// The panels in button order, with the kind each arms.
struct PanelKind {
  const char* panel;
  int kind;
};
constexpr PanelKind kPanels[] = {
    {"TitlePanel", kKindTitle},    {"PuzzlePanel", kKindPuzzle}, {"WordsPanel", kKindWords},
    {"BonusPanel", kKindBonus},    {"TextPanel", kKindText},     {"BitmapPanel", kKindBitmap},
    {"RectPanel", kKindRectangle}, {"CirclePanel", kKindCircle},
};

void Mouse(PageDesigner& d, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons buttons) {
  QWidget* w = d.PageImage();
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
void Hover(PageDesigner& d, QPoint at) {
  Mouse(d, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}
void Press(PageDesigner& d, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  Mouse(d, QEvent::MouseButtonPress, at, button, button);
}
void DragTo(PageDesigner& d, QPoint at) {
  Mouse(d, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}
void Release(PageDesigner& d, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  Mouse(d, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}
void Click(PageDesigner& d, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  Hover(d, at);
  Press(d, at, button);
  Release(d, at, button);
}
void Drag(PageDesigner& d, QPoint from, QPoint to) {
  Hover(d, from);
  Press(d, from);
  DragTo(d, (from + to) / 2);
  DragTo(d, to);
  Release(d, to);
}

Qt::CursorShape Cursor(const PageDesigner& d) {
  return d.PageImage()->cursor().shape();
}

std::string Bounds(const LayoutObject& o) {
  const LayoutBounds& b = o.bounds;
  return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.right) +
         "," + std::to_string(b.bottom);
}

// Runs `act` on the modal dialog of type D once it is up.
template <typename D>
void WhenShown(std::function<void(D&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget()))
      act(*dialog);
    else
      ADD_FAILURE() << "the dialog did not open";
  });
}

class PageDesignerTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
  }
  void TearDown() override { SetHelpHandler({}); }

  std::string Library() const { return dir_.File("QLFPAGE.DAT"); }
  std::unique_ptr<PageDesigner> Open(DesignerMode mode = DesignerMode::New,
                                     const PageLayout* layout = nullptr, long index = -1) {
    auto d = std::make_unique<PageDesigner>(paths_, mode, layout, index);
    d->FormShow();
    return d;
  }
  static QPushButton* Panel(const PageDesigner& d, const char* name) {
    return d.findChild<QPushButton*>(name);
  }
  // Arms `panel` and clicks the page at `at`: a new object there.
  static void Place(PageDesigner& d, const char* panel, QPoint at) {
    Panel(d, panel)->click();
    Hover(d, at);
    Click(d, at);
  }
  static void Trigger(const PageDesigner& d, const char* action) {
    d.findChild<QAction*>(action)->trigger();
  }
  std::unique_ptr<PageLayout> Stored(long index) const {
    auto l = std::make_unique<PageLayout>();
    EXPECT_TRUE(ReadLayout(Library(), index, *l));
    return l;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
};

TEST_F(PageDesignerTest, ANewLayoutIsABlankLetterPageAtTheRememberedZoomAndPlace) {
  AppSettings().zoom = kZoomSmall;
  AppSettings().designerLeft = 40;
  AppSettings().designerTop = 30;
  AppSettings().designerWidth = 900;
  AppSettings().designerHeight = 700;
  auto d = Open();
  EXPECT_EQ(d->windowTitle().toStdString(), "Page Creator");
  EXPECT_EQ(d->pos(), QPoint(40, 30));
  EXPECT_EQ(d->size(), QSize(900, 700));
  EXPECT_EQ(d->findChild<QLineEdit*>("Title")->text().toStdString(), "New Page");
  EXPECT_EQ(d->findChild<QComboBox*>("PageSize")->currentText().toStdString(), "Letter");
  EXPECT_TRUE(d->findChild<QRadioButton*>("PortraitButton")->isChecked());
  EXPECT_FALSE(d->findChild<QLineEdit*>("PageWidth")->isVisibleTo(d.get()));
  EXPECT_TRUE(d->findChild<QAction*>("MenuSmall")->isChecked());
  EXPECT_EQ(d->PageBitmap().size(), QSize(408, 528)) << "8.5 x 11 inches at 48 pixels";
  EXPECT_EQ(d->PageBitmap().pixelColor(200, 200), QColor(Qt::white));
  EXPECT_EQ(d->Layout().objectCount, 0);
  for (const PanelKind& p : kPanels) EXPECT_TRUE(Panel(*d, p.panel)->isEnabled()) << p.panel;
  EXPECT_FALSE(d->findChild<QAction*>("Obj1")->isVisible());
  EXPECT_TRUE(seams_.Messages().empty());

  // A remembered place off the screen comes back onto it.
  AppSettings().designerLeft = 5000;
  AppSettings().designerTop = -300;
  d = Open();
  EXPECT_EQ(d->pos(), QPoint(1280 - 900, 0));

  // The size grows with the screen layout and is remembered as it was designed.
  Forms().scaleFactor = 1.25;
  d = Open();
  EXPECT_EQ(d->size(), QSize(1125, 875));
  d->resize(1250, 875);
  d->CancelButtonClick();
  EXPECT_EQ(AppSettings().designerWidth, 1000);
  EXPECT_EQ(AppSettings().designerHeight, 700);
}

TEST_F(PageDesignerTest, EachKindIsPlacedWhereClickedAndTheSingleKindsOnlyOnce) {
  auto d = Open();  // Medium zoom: 72 pixels per inch
  int x = 20;
  for (const PanelKind& p : kPanels) {
    Panel(*d, p.panel)->click();
    EXPECT_EQ(d->ArmedKind(), p.kind);
    EXPECT_TRUE(Panel(*d, p.panel)->isChecked());
    Hover(*d, {x, 40});
    EXPECT_EQ(Cursor(*d), Qt::DragCopyCursor);
    Click(*d, {x, 40});
    EXPECT_EQ(d->ArmedKind(), 0) << "placing disarms";
    EXPECT_FALSE(Panel(*d, p.panel)->isChecked());
    EXPECT_EQ(Cursor(*d), Qt::ArrowCursor);
    const LayoutKindInfo& info = *FindLayoutKind(p.kind);
    const LayoutObject& o = d->Layout().objects[d->Layout().objectCount - 1];
    EXPECT_EQ(o.kind, p.kind);
    EXPECT_EQ(Bounds(o), std::to_string(x) + ",40," +
                             std::to_string(x + static_cast<int>(info.width * 72)) + "," +
                             std::to_string(40 + static_cast<int>(info.height * 72)));
    EXPECT_EQ(d->SelectedObject(), 0) << "a new object is not selected";
    x += 50;
  }
  ASSERT_EQ(d->Layout().objectCount, 8);
  const char* names[] = {"Title",  "Puzzle",   "Words / Clues", "Bonus Question",
                         "Text 1", "Bitmap 1", "Rectangle 1",   "Circle 1"};
  for (int k = 1; k <= 8; ++k) {
    const QAction* item = d->findChild<QAction*>(QStringLiteral("Obj%1").arg(k));
    EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(item->text().toStdString(), names[k - 1]);
  }
  // Later objects cover earlier ones: the text (silver, from x 220) lies over the bonus question.
  EXPECT_EQ(d->PageBitmap().pixelColor(230, 45), QColor(192, 192, 192));

  for (const char* single : {"TitlePanel", "PuzzlePanel", "WordsPanel", "BonusPanel"}) {
    EXPECT_FALSE(Panel(*d, single)->isEnabled()) << single;
    Panel(*d, single)->click();
    EXPECT_EQ(d->ArmedKind(), 0) << single;
  }
  Place(*d, "TextPanel", {300, 400});
  EXPECT_EQ(d->Layout().objects[8].objectName.Get(), "Text 2");

  // The same button twice disarms; another button takes over.
  Panel(*d, "TextPanel")->click();
  Panel(*d, "TextPanel")->click();
  EXPECT_EQ(d->ArmedKind(), 0);
  Panel(*d, "TextPanel")->click();
  Panel(*d, "CirclePanel")->click();
  EXPECT_EQ(d->ArmedKind(), kKindCircle);
  EXPECT_FALSE(Panel(*d, "TextPanel")->isChecked());

  // Deleting the title brings its button back.
  d->ObjClick(1);
  EXPECT_TRUE(d->PopUp()->isVisible());
  Trigger(*d, "PopDelete");
  d->PopUp()->hide();
  EXPECT_TRUE(Panel(*d, "TitlePanel")->isEnabled());
  EXPECT_EQ(d->Layout().objects[0].kind, kKindPuzzle);
}

TEST_F(PageDesignerTest, TheTwentiethObjectDisablesEveryKindUntilOneIsDeleted) {
  auto d = Open();
  Place(*d, "TitlePanel", {10, 10});
  for (int i = 1; i < kMaxLayoutObjects; ++i) Place(*d, "RectPanel", {10 + i * 5, 100});
  ASSERT_EQ(d->Layout().objectCount, kMaxLayoutObjects);
  for (const PanelKind& p : kPanels) EXPECT_FALSE(Panel(*d, p.panel)->isEnabled()) << p.panel;
  EXPECT_TRUE(d->findChild<QAction*>("Obj20")->isVisible());
  EXPECT_EQ(d->findChild<QAction*>("Obj20")->text().toStdString(), "Rectangle 19");

  Click(*d, {200, 200}, Qt::RightButton);  // inside the frontmost rectangle
  EXPECT_EQ(d->PopUpObject(), kMaxLayoutObjects);
  Trigger(*d, "PopDelete");
  d->PopUp()->hide();
  for (const PanelKind& p : kPanels)
    EXPECT_EQ(Panel(*d, p.panel)->isEnabled(), p.kind != kKindTitle) << p.panel;
  EXPECT_FALSE(d->findChild<QAction*>("Obj20")->isVisible());
}

TEST_F(PageDesignerTest, AClickSelectsAndADragMovesTheSelectedObjectBehindAnOutline) {
  auto d = Open();
  Place(*d, "RectPanel", {100, 100});  // 100,100 - 244,244
  Hover(*d, {150, 150});
  EXPECT_EQ(Cursor(*d), Qt::ArrowCursor) << "not selected yet";
  Click(*d, {150, 150});
  EXPECT_EQ(d->SelectedObject(), 1);
  EXPECT_EQ(d->PageBitmap().pixelColor(98, 98), QColor(Qt::black)) << "a handle";
  Hover(*d, {150, 150});
  EXPECT_EQ(Cursor(*d), Qt::OpenHandCursor);

  Press(*d, {150, 150});
  DragTo(*d, {170, 160});
  DragTo(*d, {180, 170});
  ASSERT_TRUE(d->DragOutline());
  EXPECT_EQ(*d->DragOutline(), QRect(QPoint(130, 120), QPoint(273, 263)));
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "100,100,244,244") << "the outline changes nothing";
  Release(*d, {180, 170});
  EXPECT_FALSE(d->DragOutline());
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "130,120,274,264");
  EXPECT_EQ(d->SelectedObject(), 1) << "moving keeps the selection";
  EXPECT_EQ(d->PageBitmap().pixelColor(128, 118), QColor(Qt::black)) << "handles follow";

  // Off the page: nothing limits a move.
  Drag(*d, {200, 200}, {-100, 200});
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "-170,120,-26,264");

  Click(*d, {400, 500});
  EXPECT_EQ(d->SelectedObject(), 0);
  EXPECT_EQ(d->PageBitmap().pixelColor(128, 118), QColor(Qt::white));
}

TEST_F(PageDesignerTest, EachHandleShowsItsCursorAndDragsItsOwnEdges) {
  struct Case {
    int handle;
    QPoint grab;  // inside the handle's square of 100,100 - 244,244 (mx 172, my 172)
    Qt::CursorShape cursor;
    const char* after;  // bounds after dragging by (10, -6)
  };
  const Case cases[] = {
      {1, {100, 100}, Qt::SizeFDiagCursor, "110,94,244,244"},
      {2, {171, 99}, Qt::SizeVerCursor, "100,94,244,244"},
      {3, {243, 101}, Qt::SizeBDiagCursor, "100,94,254,244"},
      {4, {98, 171}, Qt::SizeHorCursor, "110,100,244,244"},
      {5, {245, 172}, Qt::SizeHorCursor, "100,100,254,244"},
      {6, {102, 243}, Qt::SizeBDiagCursor, "110,100,244,238"},
      {7, {170, 242}, Qt::SizeVerCursor, "100,100,244,238"},
      {8, {242, 245}, Qt::SizeFDiagCursor, "100,100,254,238"},
  };
  for (const Case& c : cases) {
    auto d = Open();
    Place(*d, "RectPanel", {100, 100});
    Click(*d, {150, 150});
    Hover(*d, c.grab);
    EXPECT_EQ(Cursor(*d), c.cursor) << c.handle;
    Drag(*d, c.grab, c.grab + QPoint(10, -6));
    EXPECT_EQ(Bounds(d->Layout().objects[0]), c.after) << c.handle;
    EXPECT_EQ(Cursor(*d), Qt::ArrowCursor);
  }

  // The zone reaches outside the object; dragging a corner past the opposite one swaps them.
  auto d = Open();
  Place(*d, "RectPanel", {100, 100});
  Click(*d, {150, 150});
  Hover(*d, {98, 98});
  EXPECT_EQ(Cursor(*d), Qt::SizeFDiagCursor);
  Drag(*d, {98, 98}, {298, 318});
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "244,244,300,320");
}

TEST_F(PageDesignerTest, ZoomsRescaleByTheTableAndAreRememberedForEveryDesign) {
  AppSettings().zoom = kZoomSmall;
  auto d = Open();
  Place(*d, "RectPanel", {73, 73});  // 96 x 96 at 48 pixels per inch
  Trigger(*d, "MenuLarge");
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "146,146,338,338");
  EXPECT_EQ(d->PageBitmap().size(), QSize(816, 1056));
  EXPECT_EQ(AppSettings().zoom, kZoomLarge);
  Trigger(*d, "MenuMedium");
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "109,109,253,253") << "x 0.75, truncated";
  EXPECT_EQ(d->PageBitmap().size(), QSize(612, 792));
  Trigger(*d, "MenuMedium");  // already there
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "109,109,253,253");
  EXPECT_TRUE(d->findChild<QAction*>("MenuMedium")->isChecked());
  EXPECT_FALSE(d->findChild<QAction*>("MenuLarge")->isChecked());

  // A stored layout opens in the current zoom; one of no known zoom is shown as it is.
  PageLayout layout = d->Layout();
  layout.zoom = kZoomSmall;
  d = Open(DesignerMode::Modify, &layout, 0);
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "163,163,379,379") << "x 1.5";
  layout.zoom = 7;
  d = Open(DesignerMode::Modify, &layout, 0);
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "109,109,253,253");
}

TEST_F(PageDesignerTest, OnAnEnlargedScreenLayoutThePageGrowsWhileTheMouseWorksInDesignPixels) {
  Forms().scaleFactor = 2.0;
  Forms().screenWidth = 2560;
  Forms().screenHeight = 2048;
  auto d = Open();  // Medium: 612 x 792 design pixels, each two screen pixels wide
  EXPECT_EQ(d->PageBitmap().size(), QSize(1224, 1584));
  Panel(*d, "RectPanel")->click();
  Click(*d, {201, 101});  // screen pixels: design pixel (100, 50)
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "100,50,244,194");
  EXPECT_EQ(d->PageBitmap().pixelColor(200, 150), QColor(Qt::black)) << "its outline, doubled";
  Click(*d, {300, 300});
  Hover(*d, {197, 97});  // within the top-left handle, which is 10 screen pixels wide
  EXPECT_EQ(Cursor(*d), Qt::SizeFDiagCursor);
}

TEST_F(PageDesignerTest, ACustomPageTakesItsSizeAndUnitAndRescalesTheObjects) {
  auto d = Open();
  Place(*d, "RectPanel", {72, 144});
  auto* paper = d->findChild<QComboBox*>("PageSize");
  auto* width = d->findChild<QLineEdit*>("PageWidth");
  auto* height = d->findChild<QLineEdit*>("PageHeight");
  auto* inches = d->findChild<QCheckBox*>("Inches");
  paper->setCurrentText(QStringLiteral("Custom"));
  d->PageSizeChange();
  EXPECT_EQ(seams_.Single(),
            "Some printers do not support odd sized pages.  Printed results may vary.");
  EXPECT_TRUE(width->isVisibleTo(d.get()));
  EXPECT_EQ(width->text().toStdString(), "8.50");
  EXPECT_EQ(height->text().toStdString(), "11.00");
  EXPECT_TRUE(inches->isChecked());

  inches->click();  // to centimetres: 76.2 / 72
  EXPECT_EQ(d->Layout().inches, 0);
  EXPECT_EQ(width->text().toStdString(), "21.59");
  EXPECT_EQ(height->text().toStdString(), "27.94");
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "76,152,228,304");
  EXPECT_EQ(d->PageBitmap().width(), 647) << "21.59 cm at 30 pixels";
  inches->click();  // and back: 72 / 76.2
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "71,143,215,287");
  inches->click();

  seams_.Clear();
  width->setText(QStringLiteral("6"));
  d->PageWidthExit();
  EXPECT_EQ(seams_.Single(), "Width must be between 7 and 31 centimeters.  Please re-enter width.");
  EXPECT_EQ(d->Layout().pageWidth, 21.59);
  width->setText(QStringLiteral("20"));
  d->PageWidthExit();
  EXPECT_EQ(d->PageBitmap().width(), 600);

  // The save checks the height first and writes nothing while a box is wrong.
  seams_.Clear();
  height->setText(QStringLiteral("x"));
  width->setText(QStringLiteral("40"));
  d->SaveButtonClick();
  EXPECT_EQ(seams_.Single(),
            "Height must be between 10 and 46 centimeters.  Please re-enter height.");
  EXPECT_FALSE(d->Saved());
  EXPECT_EQ(test::FileSize(Library()), -1);

  // A stored custom layout shows its size at once, without the warning.
  height->setText(QStringLiteral("30"));
  width->setText(QStringLiteral("25"));
  seams_.Clear();
  d->SaveButtonClick();
  EXPECT_TRUE(d->Saved());
  d = Open(DesignerMode::Modify, Stored(0).get(), 0);
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_TRUE(d->findChild<QLineEdit*>("PageWidth")->isVisibleTo(d.get()));
  EXPECT_EQ(d->findChild<QLineEdit*>("PageWidth")->text().toStdString(), "25.00");
  EXPECT_FALSE(d->findChild<QCheckBox*>("Inches")->isChecked());
}

TEST_F(PageDesignerTest, PapersAndOrientationSetThePageButNeverMoveTheObjects) {
  auto d = Open();
  Place(*d, "TitlePanel", {50, 60});
  auto* paper = d->findChild<QComboBox*>("PageSize");
  const struct {
    const char* name;
    bool warns;
    QSize page;
  } papers[] = {
      {"A4", false, {630, 891}},
      {"A5", true, {444, 630}},
      {"Executive", true, {522, 756}},
      {"Legal", false, {612, 1008}},
  };
  for (const auto& p : papers) {
    seams_.Clear();
    paper->setCurrentText(QString::fromLatin1(p.name));
    d->PageSizeChange();
    EXPECT_EQ(seams_.Messages().size(), p.warns ? 1u : 0u) << p.name;
    EXPECT_EQ(d->PageBitmap().size(), p.page) << p.name;
    EXPECT_EQ(Bounds(d->Layout().objects[0]), "50,60,194,78") << p.name;
  }
  EXPECT_EQ(d->Layout().inches, 1);
  d->findChild<QRadioButton*>("LandscapeButton")->click();
  EXPECT_EQ(d->PageBitmap().size(), QSize(1008, 612));
  paper->setCurrentText(QStringLiteral("A4"));
  d->PageSizeChange();
  EXPECT_EQ(d->PageBitmap().size(), QSize(891, 630)) << "papers keep the orientation";
  EXPECT_EQ(d->Layout().portrait, 0);
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "50,60,194,78");
}

TEST_F(PageDesignerTest, SaveAppendsOrReplacesAndSetsTheSavedFlagWhileCancelWritesNothing) {
  auto d = Open();
  d->findChild<QLineEdit*>("Title")->setText(QStringLiteral("  Worksheet  "));
  Place(*d, "PuzzlePanel", {30, 40});
  d->resize(1000, 760);
  d->SaveButtonClick();
  EXPECT_TRUE(d->Saved());
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->WrittenIndex(), 0);
  EXPECT_EQ(AppSettings().designerWidth, 1000);
  EXPECT_EQ(AppSettings().designerHeight, 760);
  ASSERT_EQ(test::FileSize(Library()), kRecord);
  EXPECT_EQ(Stored(0)->layoutName.Get(), "Worksheet");
  EXPECT_EQ(Stored(0)->zoom, kZoomMedium);
  EXPECT_EQ(Stored(0)->pixelWidth, 612);
  EXPECT_EQ(std::memcmp(&Stored(0)->objects[0], &d->Layout().objects[0], sizeof(LayoutObject)), 0);

  // Copy adds a record; Modify writes over its own.
  auto copy = Stored(0);
  copy->layoutName.Set("Worksheet (2)");
  d = Open(DesignerMode::Copy, copy.get());
  EXPECT_EQ(d->findChild<QLineEdit*>("Title")->text().toStdString(), "Worksheet (2)");
  d->MenuSaveClick();
  EXPECT_EQ(d->WrittenIndex(), 1);
  ASSERT_EQ(test::FileSize(Library()), 2 * kRecord);

  d = Open(DesignerMode::Modify, Stored(0).get(), 0);
  d->findChild<QLineEdit*>("Title")->setText(QStringLiteral("Changed"));
  d->SaveButtonClick();
  EXPECT_EQ(d->WrittenIndex(), 0);
  EXPECT_EQ(test::FileSize(Library()), 2 * kRecord);
  EXPECT_EQ(Stored(0)->layoutName.Get(), "Changed");
  EXPECT_EQ(Stored(1)->layoutName.Get(), "Worksheet (2)");

  // Cancel and Exit, answered No, close without writing; the window's place is remembered all
  // the same.
  const std::vector<char> before = test::ReadBytes(Library());
  for (auto close : {&PageDesigner::CancelButtonClick, &PageDesigner::MenuExitClick}) {
    d = Open(DesignerMode::Modify, Stored(0).get(), 0);
    d->findChild<QLineEdit*>("Title")->setText(QStringLiteral("Not kept"));
    Place(*d, "TextPanel", {5, 5});
    d->resize(820, 640);
    seams_.Answer(MsgResult::No);
    ((*d).*close)();
    EXPECT_FALSE(d->Saved());
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(AppSettings().designerWidth, 820);
    EXPECT_EQ(test::ReadBytes(Library()), before);
  }
  EXPECT_EQ(seams_.Messages().size(), 2u);
}

TEST_F(PageDesignerTest, LeavingAChangedDesignAsksToSaveItFirstAndAnUnchangedOneLeavesAtOnce) {
  auto d = Open();
  Place(*d, "TitlePanel", {10, 10});
  d->SaveButtonClick();
  ASSERT_TRUE(d->Saved());
  const auto stored = Stored(0);

  // Opened and looked at, the zoom changed twice: nothing to ask about.
  d = Open(DesignerMode::Modify, stored.get(), 0);
  d->show();
  Trigger(*d, "MenuLarge");
  Trigger(*d, "MenuSmall");
  QTest::keyClick(d.get(), Qt::Key_Escape);
  EXPECT_FALSE(d->isVisible());
  EXPECT_TRUE(seams_.Messages().empty());

  // Escape, Ctrl+X and the close box on a changed design ask; Cancel stays with the design.
  const std::function<void(PageDesigner&)> leaves[] = {
      [](PageDesigner& w) { QTest::keyClick(&w, Qt::Key_Escape); },
      [](PageDesigner& w) { QTest::keyClick(&w, Qt::Key_X, Qt::ControlModifier); },
      [](PageDesigner& w) { w.close(); },
  };
  for (const auto& leave : leaves) {
    seams_.Clear();
    d = Open(DesignerMode::Modify, stored.get(), 0);
    d->show();
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    Place(*d, "RectPanel", {200, 200});
    seams_.Answer(MsgResult::Cancel);
    leave(*d);
    EXPECT_EQ(seams_.Single(), "Save changes to the page layout?");
    EXPECT_EQ(seams_.Messages()[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->Layout().objectCount, 2);
  }

  // Yes saves as Save does and leaves; when the save fails the window stays with the design.
  seams_.Answer(MsgResult::Yes);
  d->close();
  EXPECT_TRUE(d->Saved());
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(Stored(0)->objectCount, 2);

  paths_ = AppPaths{dir_.File("missing/folder"), dir_.Path()};
  d = Open();
  d->show();
  Place(*d, "TitlePanel", {10, 10});
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  d->CancelButtonClick();
  EXPECT_EQ(seams_.Messages().size(), 2u);
  EXPECT_EQ(seams_.Messages().back().text, "Unable to add page layout.");
  EXPECT_TRUE(d->isVisible());
  EXPECT_FALSE(d->Saved());
}

TEST_F(PageDesignerTest, AFailedSaveKeepsTheWindowOpenWithTheDesign) {
  paths_ = AppPaths{dir_.File("missing/folder"), dir_.Path()};
  auto d = Open();
  Place(*d, "TitlePanel", {10, 10});
  d->SaveButtonClick();
  EXPECT_EQ(seams_.Single(), "Unable to add page layout.");
  EXPECT_EQ(seams_.Messages().back().caption, "Disk Error");
  EXPECT_EQ(seams_.Messages().back().icon, MsgIcon::Warning);
  EXPECT_FALSE(d->Saved());
  EXPECT_NE(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->Layout().objectCount, 1);
}

TEST_F(PageDesignerTest, ThePopUpMenuOffersWhatTheObjectsKindCanDo) {
  auto d = Open();
  Place(*d, "TitlePanel", {10, 10});
  Place(*d, "PuzzlePanel", {10, 60});
  Place(*d, "RectPanel", {300, 60});
  Place(*d, "BitmapPanel", {300, 300});
  struct Case {
    QPoint at;
    int object;
    std::vector<const char*> enabled, disabled;
  };
  const Case cases[] = {
      {{20, 20},
       1,
       {"PopProperties", "PopBorder", "PopTextFont"},
       {"PopFill", "PopChangeText", "PopBitmap"}},
      {{20, 100}, 2, {"PopProperties", "PopTextFont"}, {"PopBorder", "PopFill", "PopBitmap"}},
      {{310, 100}, 3, {"PopBorder", "PopFill"}, {"PopProperties", "PopTextFont", "PopChangeText"}},
      {{310, 310}, 4, {"PopBitmap", "PopBorder", "PopProperties"}, {"PopFill", "PopTextFont"}},
  };
  for (const Case& c : cases) {
    Click(*d, c.at, Qt::RightButton);
    EXPECT_TRUE(d->PopUp()->isVisible());
    EXPECT_EQ(d->PopUpObject(), c.object);
    for (const char* name : c.enabled)
      EXPECT_TRUE(d->findChild<QAction*>(name)->isEnabled()) << c.object << " " << name;
    for (const char* name : c.disabled)
      EXPECT_FALSE(d->findChild<QAction*>(name)->isEnabled()) << c.object << " " << name;
    d->PopUp()->hide();
  }
  // The title's alignment is checked, and choosing another moves the check.
  Click(*d, {20, 20}, Qt::RightButton);
  EXPECT_TRUE(d->findChild<QAction*>("PopCenter")->isChecked());
  Trigger(*d, "PopRight");
  d->PopUp()->hide();
  EXPECT_EQ(d->Layout().objects[0].alignment, 3);
  d->ObjClick(1);
  EXPECT_TRUE(d->findChild<QAction*>("PopRight")->isChecked());
  EXPECT_FALSE(d->findChild<QAction*>("PopCenter")->isChecked());
  d->PopUp()->hide();

  // A right click on empty page opens nothing.
  Click(*d, {600, 700}, Qt::RightButton);
  EXPECT_FALSE(d->PopUp()->isVisible());

  // Stacking: the title to the front, then the bitmap to the back; both clear the selection.
  Click(*d, {20, 20});
  EXPECT_EQ(d->SelectedObject(), 1);
  d->ObjClick(1);
  Trigger(*d, "PopFront");
  EXPECT_EQ(d->SelectedObject(), 0);
  d->ObjClick(3);
  Trigger(*d, "PopBack");
  d->PopUp()->hide();
  std::string order;
  for (int k = 1; k <= 4; ++k)
    order += d->findChild<QAction*>(QStringLiteral("Obj%1").arg(k))->text().toStdString() + ";";
  EXPECT_EQ(order, "Bitmap 1;Puzzle;Rectangle 1;Title;");
}

TEST_F(PageDesignerTest, ObjectDialogsChangeThePopUpObjectOnlyOnOk) {
  auto d = Open();
  Place(*d, "RectPanel", {72, 72});
  d->ObjClick(1);
  d->PopUp()->hide();
  WhenShown<ObjectGeometryDialog>([](ObjectGeometryDialog& s) {
    s.findChild<QLineEdit*>("LeftPos")->setText(QStringLiteral("2"));
    s.findChild<QLineEdit*>("WidthSize")->setText(QStringLiteral("0.5"));
    s.OkButtonClick();
  });
  d->PopSizeClick();
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "144,72,180,216");

  WhenShown<ObjectGeometryDialog>([](ObjectGeometryDialog& s) {
    s.findChild<QLineEdit*>("LeftPos")->setText(QStringLiteral("5"));
    s.CancelButtonClick();
  });
  d->PopSizeClick();
  EXPECT_EQ(Bounds(d->Layout().objects[0]), "144,72,180,216");

  // A check box clicked and a colour chosen are not kept after Cancel.
  seams_.ChooseColor(QColor(255, 0, 0));
  WhenShown<ObjectBorderDialog>([](ObjectBorderDialog& b) {
    b.findChild<QCheckBox*>("UseBorder")->click();
    b.ChangeColorClick();
    b.CancelButtonClick();
  });
  d->PopBorderClick();
  EXPECT_EQ(d->Layout().objects[0].border, 1);
  EXPECT_EQ(d->Layout().objects[0].borderColor, 0u);

  seams_.ChooseColor(QColor(255, 0, 0));
  WhenShown<ObjectBorderDialog>([](ObjectBorderDialog& b) {
    b.ChangeColorClick();
    b.findChild<QLineEdit*>("WidthSize")->setText(QStringLiteral("4"));
    b.OkButtonClick();
  });
  d->PopBorderClick();
  EXPECT_EQ(d->Layout().objects[0].borderColor, 0x0000FFu);
  EXPECT_EQ(d->Layout().objects[0].borderWidth, 4);
  EXPECT_EQ(d->PageBitmap().pixelColor(144 + 3, 100), QColor(255, 0, 0)) << "fourth outline";
  EXPECT_EQ(d->PageBitmap().pixelColor(144 + 4, 100), QColor(Qt::white));

  // The font chooser stores name, size, colour and styles.
  QFont font(QStringLiteral("Courier New"));
  font.setPointSize(14);
  font.setItalic(true);
  seams_.ChooseFont(FontChoice{font, QColor(0, 0, 255)});
  d->PopTextFontClick();
  const LayoutObject& o = d->Layout().objects[0];
  EXPECT_EQ(o.fontName.Get(), "Courier New");
  EXPECT_EQ(o.fontSize, 14);
  EXPECT_EQ(o.fontColor, 0xFF0000u);
  EXPECT_EQ(o.fontItalic, 1);
  EXPECT_EQ(o.fontBold, 0);
}

TEST_F(PageDesignerTest, BitmapsShowTheirPictureAndAMissingOneAPlaceholderAfterOneWarning) {
  QImage red(10, 10, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString(dir_.File("red.png"))));
  QImage blue(10, 10, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(QString::fromStdString(dir_.File("blue.jpg"))));
  test::WriteText(dir_.File("broken.bmp"), "not a picture");
  test::WriteText(dir_.File("notes.txt"), "hello");

  auto layout = std::make_unique<PageLayout>();
  MakeNewDesignLayout(*layout);
  layout->zoom = kZoomMedium;
  for (int i = 0; i < 3; ++i) AddNewObject(*layout, kKindBitmap, 10 + i * 200, 10, 72);
  layout->objects[0].bitmapFile.Set(dir_.File("red.png"));
  layout->objects[1].bitmapFile.Set(dir_.File("gone.bmp"));
  layout->objects[2].bitmapFile.Set(dir_.File("gone.bmp"));
  auto d = Open(DesignerMode::Modify, layout.get(), 0);
  EXPECT_EQ(seams_.Single(), "A bitmap for this layout could not be located.");
  EXPECT_EQ(seams_.Messages().back().caption, "Warning");
  EXPECT_EQ(d->PageBitmap().pixelColor(80, 80), QColor(Qt::red));
  EXPECT_EQ(d->PageBitmap().pixelColor(210, 50), QColor(Qt::black)) << "placeholder frame";
  EXPECT_EQ(d->PageBitmap().pixelColor(215, 50), QColor(Qt::white));
  EXPECT_EQ(d->Layout().objects[1].bitmapFile.Get(), dir_.File("gone.bmp")) << "kept";

  // Load Bitmap: only pictures, only readable ones; the name stays until one is taken.
  Click(*d, {250, 50}, Qt::RightButton);
  d->PopUp()->hide();
  seams_.Clear();
  for (const char* file : {"notes.txt", "broken.bmp"}) {
    seams_.ChooseFile(dir_.File(file));
    d->PopBitmapClick();
    EXPECT_EQ(seams_.Single(), "The file selected is not a valid bitmap file.") << file;
    seams_.Clear();
  }
  EXPECT_EQ(seams_.FileDialogs().back().title, "Load Bitmap File");
  EXPECT_EQ(seams_.FileDialogs().back().initial, dir_.File("gone.bmp"));
  EXPECT_EQ(d->Layout().objects[1].bitmapFile.Get(), dir_.File("gone.bmp"));
  seams_.ChooseFile(dir_.File("blue.jpg"));
  d->PopBitmapClick();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(d->Layout().objects[1].bitmapFile.Get(), dir_.File("blue.jpg"));
  const QColor picture = d->PageBitmap().pixelColor(280, 80);
  EXPECT_TRUE(picture.blue() > 200 && picture.red() < 50 && picture.green() < 50)
      << picture.name().toStdString();
  EXPECT_EQ(d->PageBitmap().pixelColor(420, 30), QColor(Qt::white)) << "the other one still waits";
}

TEST_F(PageDesignerTest, ADamagedRecordOpensOnASanePageAndCanBeEditedAndSaved) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    std::mt19937 random(seed);
    auto layout = std::make_unique<PageLayout>();
    auto* bytes = reinterpret_cast<unsigned char*>(layout.get());
    for (size_t i = 0; i < sizeof(PageLayout); ++i) bytes[i] = static_cast<unsigned char>(random());
    // Every object of a kind the designer draws, so that each is drawn with its damaged fields.
    for (int i = 0; i < kMaxLayoutObjects; ++i)
      layout->objects[i].kind = LayoutKinds()[i % LayoutKinds().size()].kind;
    auto d = Open(DesignerMode::Modify, layout.get(), 0);
    EXPECT_LE(d->Layout().objectCount, kMaxLayoutObjects) << seed;
    EXPECT_GT(d->PageBitmap().width(), 1) << seed;
    EXPECT_LE(d->PageBitmap().width(), 18 * 72) << seed;
    for (QPoint at : {QPoint(5, 5), QPoint(300, 300), QPoint(600, 10)}) Click(*d, at);
    for (int k = 1; k <= d->Layout().objectCount; ++k) {
      d->ObjClick(k);
      Trigger(*d, "PopFront");
    }
    d->PopUp()->hide();
    Trigger(*d, "MenuLarge");
    Drag(*d, {10, 10}, {50, 60});
    d->SaveButtonClick();
    EXPECT_TRUE(d->Saved()) << seed;
  }
}

TEST_F(PageDesignerTest, HelpOpensAtTheObjectsTopic) {
  std::string keyword;
  SetHelpHandler([&](const std::string& k) { keyword = k; });
  auto d = Open();
  Trigger(*d, "MenuHelp");
  EXPECT_EQ(keyword, "WORD SEARCH OBJECTS");
}

}  // namespace
}  // namespace gw
