// The six layout object dialogs: what they show, what they refuse, and what "&Ok" hands back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "designer/GridPropertiesDialog.h"
#include "designer/ObjectBorderDialog.h"
#include "designer/ObjectFillDialog.h"
#include "designer/ObjectGeometryDialog.h"
#include "designer/ObjectPropertiesDialog.h"
#include "designer/ObjectTextDialog.h"
#include "layouts/LayoutTables.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

LayoutObject Made(int kind, int u = 72) {
  PageLayout layout;
  std::memset(&layout, 0, sizeof layout);
  LayoutObject o;
  MakeNewObject(layout, kind, 72, 144, u, o);
  return o;
}

std::string Text(const QWidget& d, const char* box) {
  return d.findChild<QLineEdit*>(box)->text().toStdString();
}
void Type(const QWidget& d, const char* box, const char* text) {
  d.findChild<QLineEdit*>(box)->setText(QString::fromLatin1(text));
}
QWidget* Focused(const QWidget& d) {
  return d.focusWidget();
}
QColor Swatch(const QWidget& d, const char* name) {
  return d.findChild<QLabel*>(name)->palette().color(QPalette::Window);
}

class ObjectDialogsTest : public testing::Test {
 protected:
  void SetUp() override { test::ResetProgramWide(AppPaths{dir_.Path(), dir_.Path()}); }
  test::TempDir dir_;
  test::ScriptedSeams seams_;
};

TEST_F(ObjectDialogsTest, SizeAndPositionShowsUnitsAndChecksEveryBoxInTurn) {
  LayoutObject o = Made(kKindRectangle);  // 72,144 - 216,288 at 72 pixels per inch
  o.objectName.Set("Frame");
  ObjectGeometryDialog d(o, 72, true, 612, 792);
  d.FormShow();
  EXPECT_EQ(d.windowTitle().toStdString(), "Size & Location of Frame");
  EXPECT_EQ(d.findChild<QLabel*>("ValueCaption")->text().toStdString(), "Values In Inches");
  EXPECT_EQ(Text(d, "LeftPos"), "1.000");
  EXPECT_EQ(Text(d, "TopPos"), "2.000");
  EXPECT_EQ(Text(d, "WidthSize"), "2.000");
  EXPECT_EQ(Text(d, "HeightSize"), "2.000");
  EXPECT_EQ(d.findChild<QLineEdit*>("LeftPos")->maxLength(), 6);

  const struct {
    const char* box;
    const char* text;
    const char* message;
  } refusals[] = {
      {"LeftPos", "-1", "Invalid left position entered."},
      {"TopPos", "two", "Invalid top position entered."},
      {"WidthSize", "0", "Invalid width entered."},
      {"HeightSize", "-0.5", "Invalid height entered."},
  };
  for (const auto& r : refusals) {
    const std::string kept = Text(d, r.box);
    Type(d, r.box, r.text);
    seams_.Clear();
    d.OkButtonClick();
    EXPECT_EQ(seams_.Single(), r.message);
    EXPECT_EQ(seams_.Messages().back().caption, "Error");
    EXPECT_EQ(Focused(d), d.findChild<QLineEdit*>(r.box));
    EXPECT_FALSE(d.Accepted());
    Type(d, r.box, kept.c_str());
  }
  // A position of 0 is fine; the far edges may leave the page.
  Type(d, "LeftPos", "0");
  Type(d, "TopPos", "10.5");
  Type(d, "WidthSize", "9");
  seams_.Clear();
  d.OkButtonClick();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_TRUE(d.Accepted());
  EXPECT_EQ(d.Object().bounds.left, 0);
  EXPECT_EQ(d.Object().bounds.top, 756);
  EXPECT_EQ(d.Object().bounds.right, 648);
  EXPECT_EQ(d.Object().bounds.bottom, 900);
}

TEST_F(ObjectDialogsTest, ACornerOffThePageIsTakenOnlyWhenTheUserDoesNotAbort) {
  ObjectGeometryDialog d(Made(kKindText, 30), 30, false, 630, 891);  // A4 at 30 pixels per cm
  d.FormShow();
  EXPECT_EQ(d.findChild<QLabel*>("ValueCaption")->text().toStdString(), "Values In Centimeters");
  EXPECT_EQ(Text(d, "LeftPos"), "2.400");
  Type(d, "LeftPos", "21");  // exactly the page's width: off the page
  seams_.Answer(MsgResult::Yes);
  d.OkButtonClick();
  EXPECT_EQ(seams_.Single(),
            "The location you have specified will place the object off the page.  Do you wish "
            "abort your changes?");
  EXPECT_EQ(seams_.Messages().back().buttons, MsgButtons::YesNo);
  EXPECT_FALSE(d.Accepted()) << "Yes keeps the dialog open";
  seams_.Answer(MsgResult::No);
  d.OkButtonClick();
  EXPECT_TRUE(d.Accepted());
  EXPECT_EQ(d.Object().bounds.left, 630);

  // Centimetres in and out: the shown values give back the same pixels.
  LayoutObject odd = Made(kKindText, 30);
  odd.bounds = {37, 451, 612, 455};
  ObjectGeometryDialog again(odd, 30, false, 630, 891);
  again.FormShow();
  again.OkButtonClick();
  EXPECT_TRUE(again.Accepted());
  EXPECT_EQ(std::memcmp(&again.Object().bounds, &odd.bounds, sizeof odd.bounds), 0);
}

TEST_F(ObjectDialogsTest, BorderAndFillEnableTheirControlsAndKeepTheirChoicesInTheCopy) {
  LayoutObject o = Made(kKindRectangle);
  o.borderWidth = 3;
  o.borderColor = 0x00FF00;
  ObjectBorderDialog b(o);
  b.FormShow();
  EXPECT_EQ(b.windowTitle().toStdString(), "Border Info for Rectangle 1");
  EXPECT_EQ(Text(b, "WidthSize"), "3");
  EXPECT_EQ(Swatch(b, "ColorBox"), QColor(0, 255, 0));
  auto* use = b.findChild<QCheckBox*>("UseBorder");
  auto* change = b.findChild<QPushButton*>("ChangeColor");
  EXPECT_TRUE(use->isChecked());
  use->click();
  EXPECT_EQ(b.Object().border, 0);
  EXPECT_FALSE(change->isEnabled());
  EXPECT_FALSE(b.findChild<QLineEdit*>("WidthSize")->isEnabled());
  // A bad width blocks Ok even without a border.
  Type(b, "WidthSize", "0");
  b.OkButtonClick();
  EXPECT_EQ(seams_.Single(), "Invalid width entered.");
  EXPECT_FALSE(b.Accepted());
  use->click();
  seams_.ChooseColor(std::nullopt);  // the chooser cancelled: nothing changes
  b.ChangeColorClick();
  EXPECT_EQ(b.Object().borderColor, 0x00FF00u);
  seams_.ChooseColor(QColor(0, 0, 128));
  b.ChangeColorClick();
  EXPECT_EQ(Swatch(b, "ColorBox"), QColor(0, 0, 128));
  Type(b, "WidthSize", "9");
  b.OkButtonClick();
  EXPECT_TRUE(b.Accepted());
  EXPECT_EQ(b.Object().borderWidth, 9);
  EXPECT_EQ(b.Object().borderColor, 0x800000u);
  EXPECT_EQ(b.Object().border, 1);

  ObjectFillDialog f(Made(kKindCircle));
  f.FormShow();
  EXPECT_EQ(f.windowTitle().toStdString(), "Fill Info for Circle 1");
  auto* fill = f.findChild<QCheckBox*>("UseBorder");
  EXPECT_EQ(fill->text().toStdString(), "&Fill In Shape");
  EXPECT_FALSE(fill->isChecked());
  EXPECT_FALSE(f.findChild<QPushButton*>("ChangeColor")->isEnabled());
  fill->click();
  EXPECT_TRUE(f.findChild<QPushButton*>("ChangeColor")->isEnabled());
  seams_.ChooseColor(QColor(255, 255, 0));
  f.ChangeColorClick();
  f.CancelButtonClick();
  EXPECT_FALSE(f.Accepted());
  EXPECT_EQ(f.Object().optionB, 1) << "the copy changed; the designer drops it on Cancel";
  EXPECT_EQ(f.Object().fillColor, 0x00FFFFu);
}

TEST_F(ObjectDialogsTest, PropertiesReadTheColumnsOfAWordListOnly) {
  ObjectPropertiesDialog words(Made(kKindWords));
  words.FormShow();
  EXPECT_EQ(words.windowTitle().toStdString(), "Properties for Words / Clues");
  EXPECT_TRUE(words.findChild<QLineEdit*>("NumColumns")->isVisibleTo(&words));
  EXPECT_EQ(Text(words, "NumColumns"), "3");
  EXPECT_EQ(words.findChild<QLineEdit*>("NumColumns")->maxLength(), 1);
  Type(words, "NumColumns", "0");
  words.OkButtonClick();
  EXPECT_EQ(seams_.Single(), "Invalid columns entered.");
  EXPECT_EQ(Focused(words), words.findChild<QLineEdit*>("NumColumns"));
  Type(words, "NumColumns", "5");
  words.findChild<QCheckBox*>("Transparent")->click();
  words.findChild<QCheckBox*>("MakeFit")->click();
  words.OkButtonClick();
  EXPECT_TRUE(words.Accepted());
  EXPECT_EQ(words.Object().columns, 5);
  EXPECT_EQ(words.Object().optionA, 0);
  EXPECT_EQ(words.Object().makeItFit, 0);

  // Without columns, the hidden box is never read, whatever it holds.
  ObjectPropertiesDialog title(Made(kKindTitle));
  title.FormShow();
  EXPECT_FALSE(title.findChild<QLineEdit*>("NumColumns")->isVisibleTo(&title));
  Type(title, "NumColumns", "x");
  seams_.Clear();
  title.OkButtonClick();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_TRUE(title.Accepted());
  EXPECT_EQ(title.Object().columns, 3);

  ObjectPropertiesDialog bitmap(Made(kKindBitmap));
  bitmap.FormShow();
  EXPECT_EQ(bitmap.findChild<QCheckBox*>("Transparent")->text().toStdString(), "&Tile Bitmap");
  bitmap.findChild<QCheckBox*>("Transparent")->click();
  bitmap.OkButtonClick();
  EXPECT_EQ(bitmap.Object().optionA, 1);
}

TEST_F(ObjectDialogsTest, PuzzlePropertiesFollowTheGridAndTransparencyChecks) {
  GridPropertiesDialog d(Made(kKindPuzzle));
  d.FormShow();
  auto* grid = d.findChild<QCheckBox*>("UseGrid");
  auto* transparent = d.findChild<QCheckBox*>("Transparent");
  auto enabled = [&](const char* name) { return d.findChild<QWidget*>(name)->isEnabled(); };
  EXPECT_FALSE(grid->isChecked());
  EXPECT_FALSE(enabled("ChangeLine"));
  EXPECT_FALSE(enabled("LineWidth"));
  EXPECT_TRUE(enabled("ChangeColor"));
  EXPECT_EQ(Swatch(d, "BlockBox"), QColor(Qt::white));
  grid->click();
  transparent->click();
  EXPECT_TRUE(enabled("ChangeLine"));
  EXPECT_TRUE(enabled("LineWidth"));
  EXPECT_FALSE(enabled("ChangeColor"));
  d.findChild<QCheckBox*>("LowerCase")->click();
  seams_.ChooseColor(QColor(0, 0, 255));
  d.ChangeLineClick();
  EXPECT_EQ(Swatch(d, "LineBox"), QColor(0, 0, 255));

  Type(d, "LineWidth", "");
  d.OkButtonClick();
  EXPECT_EQ(seams_.Single(), "Invalid width entered.");
  EXPECT_FALSE(d.Accepted());
  Type(d, "LineWidth", "2");
  d.OkButtonClick();
  const LayoutObject& o = d.Object();
  EXPECT_TRUE(d.Accepted());
  EXPECT_EQ(o.optionA, 1);
  EXPECT_EQ(o.optionB, 1);
  EXPECT_EQ(o.lowerCase, 1);
  EXPECT_EQ(o.gridLineColor, 0xFF0000u);
  EXPECT_EQ(o.lineWidth, 2);
}

TEST_F(ObjectDialogsTest, TheTextKeepsItsLineBreaksAndItsLimit) {
  LayoutObject o = Made(kKindText);
  SetObjectText(o, "Name:\r\nDate:");
  ObjectTextDialog d(o);
  d.FormShow();
  EXPECT_EQ(d.windowTitle().toStdString(), "Text");
  EXPECT_EQ(d.DataField()->toPlainText().toStdString(), "Name:\nDate:");
  EXPECT_EQ(Focused(d), d.DataField());
  d.DataField()->setPlainText(QStringLiteral("Class:\nTeacher:"));
  d.OkButtonClick();
  EXPECT_TRUE(d.Accepted());
  EXPECT_EQ(ObjectText(d.Object()), "Class:\r\nTeacher:");

  // Exactly 1000 characters survive; more cannot be typed in.
  const std::string full(998, 'x');
  d.DataField()->setPlainText(QString::fromStdString(full + "\n"));
  d.DataField()->insertPlainText(QStringLiteral("y"));
  EXPECT_EQ(d.DataField()->toPlainText().toStdString(), full + "\n");
  d.OkButtonClick();
  EXPECT_EQ(ObjectText(d.Object()), full + "\r\n");

  ObjectTextDialog cancelled(o);
  cancelled.FormShow();
  cancelled.DataField()->setPlainText(QStringLiteral("Gone"));
  cancelled.CancelButtonClick();
  EXPECT_FALSE(cancelled.Accepted());
}

}  // namespace
}  // namespace gw
