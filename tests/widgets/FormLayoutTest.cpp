// Scale factor, dialog placement and fonts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "support/Seams.h"
#include "widgets/FormLayout.h"

namespace gw {
namespace {

TEST(FormLayout, FactorFollowsTheWindowSizeWhenTheScreenAllowsIt) {
  EXPECT_DOUBLE_EQ(FactorForWindowSize(640, 640, 480), 1.0);
  EXPECT_DOUBLE_EQ(FactorForWindowSize(800, 800, 600), 1.25);
  EXPECT_DOUBLE_EQ(FactorForWindowSize(1024, 1024, 768), 1.6);
  EXPECT_DOUBLE_EQ(FactorForWindowSize(1280, 1280, 1024), 2.0);
  EXPECT_DOUBLE_EQ(FactorForWindowSize(1280, 1024, 768), 1.0);
  EXPECT_DOUBLE_EQ(FactorForWindowSize(1024, 1280, 700), 1.0);
  EXPECT_DOUBLE_EQ(FactorForWindowSize(999, 1920, 1200), 1.0);
}

struct Dialog {
  Dialog() {
    dialog.resize(200, 100);
    label = new QLabel("Text", &dialog);
    label->setObjectName("Label1");
    label->setGeometry(10, 20, 80, 20);
    label->setFont(DesignFont(17));
    button = new QPushButton("&Ok", &dialog);
    button->setObjectName("OkButton");
    button->setGeometry(100, 60, 80, 30);
    button->setFont(DesignFont(15));
  }
  QDialog dialog;
  QLabel* label;
  QPushButton* button;
};

TEST(FormLayout, DialogsAreScaledCentredAndOptionallyRaised) {
  Forms() = FormGlobals{};
  Forms().screenWidth = 1024;
  Forms().screenHeight = 768;
  Forms().scaleFactor = 1.25;
  Dialog d;
  PlaceDialog(&d.dialog, false);
  EXPECT_EQ(d.dialog.size(), QSize(250, 125));
  EXPECT_EQ(d.label->geometry(), QRect(13, 25, 100, 25));  // 12.5 rounds away from zero
  EXPECT_EQ(d.label->font().pixelSize(), 21);
  EXPECT_EQ(d.dialog.pos(), QPoint((1024 - 250) / 2, (768 - 125) / 2));

  Dialog raised;
  PlaceDialog(&raised.dialog, true);
  EXPECT_EQ(raised.dialog.y(), (768 - 125) / 2 - 15);
  Forms() = FormGlobals{};
}

TEST(FormLayout, DialogsLargerThanTheScreenAreScaledDownToFit) {
  Forms() = FormGlobals{};
  Forms().screenWidth = 1024;
  Forms().screenHeight = 768;
  Forms().scaleFactor = 1.6;
  Dialog d;
  d.dialog.resize(900, 580);
  PlaceDialog(&d.dialog, false);
  EXPECT_EQ(d.dialog.width(), 900 * 113 / 100);  // 1024 * 100 / 900 = 113 percent
  EXPECT_LE(d.dialog.height(), 768);
  EXPECT_EQ(FormPercent(&d.dialog), 113);
  MoveToDesign(d.label, QRect(100, 100, 50, 20));
  EXPECT_EQ(d.label->geometry(), QRect(113, 113, 57, 23));
  Forms() = FormGlobals{};
}

TEST(FormLayout, ApplyFontsTakesNameStyleAndColourButNeverTheSize) {
  Forms() = FormGlobals{};
  Forms().labelFont = QFont("Liberation Serif");
  Forms().labelFont.setItalic(true);
  Forms().labelColor = QColor(0, 0, 255);
  Forms().buttonFont = QFont("Liberation Mono");
  Dialog d;
  ApplyFonts(&d.dialog);
  EXPECT_EQ(d.label->font().family(), "Liberation Serif");
  EXPECT_TRUE(d.label->font().italic());
  EXPECT_EQ(d.label->font().pixelSize(), 17);
  EXPECT_EQ(d.label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  // A disabled control keeps the style's greyed text.
  EXPECT_EQ(d.label->palette().color(QPalette::Disabled, QPalette::WindowText),
            QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
  EXPECT_EQ(d.button->font().family(), "Liberation Mono");
  EXPECT_EQ(d.button->font().pixelSize(), 15);
  Forms() = FormGlobals{};
}

TEST(FormLayout, RepeatedLayoutChangesAreExactNotCumulative) {
  Forms() = FormGlobals{};
  Forms().screenWidth = 1280;
  Forms().screenHeight = 1024;
  Dialog d;
  ASSERT_TRUE(SaveMainGeometry(&d.dialog));
  ApplyScreenLayout(&d.dialog, 160, 10);
  ApplyScreenLayout(&d.dialog, 125, 10);
  ApplyScreenLayout(&d.dialog, 100, 10);
  EXPECT_EQ(d.label->geometry(), QRect(10, 20, 80, 20));
  EXPECT_EQ(d.dialog.pos(), QPoint((1280 - 200) / 2, (1024 - 100) / 2 - 10));
  Forms() = FormGlobals{};
}

TEST(FormLayout, MoreThan101ControlsAreNotRecorded) {
  test::ScriptedSeams seams;
  QDialog dialog;
  for (int i = 0; i < 102; ++i) {
    auto* l = new QLabel(&dialog);
    l->setObjectName(QString("L%1").arg(i));
  }
  EXPECT_FALSE(SaveMainGeometry(&dialog));
  EXPECT_EQ(seams.Single(), "Too many compenents to save dimensions.");
}

}  // namespace
}  // namespace gw
