// The web page window as a user drives it, from the preview to the files beside each other.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>

#include "base/Settings.h"
#include "page/CallLog.h"
#include "page/PrintJob.h"
#include "printing/PreviewWindow.h"
#include "printing/WebPageWindow.h"
#include "support/AppFixture.h"
#include "support/ModalScript.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

class HtmlWindowTest : public testing::Test {
 protected:
  HtmlWindowTest() : image_(200, 260, QImage::Format_RGB888) {
    test::ResetProgramWide(AppPaths(dir_.Path(), dir_.Path()));
    image_.fill(Qt::white);
  }
  template <typename T>
  static T* Control(QWidget* window, const char* name) {
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(control) << name;
    return control;
  }
  test::TempDir dir_;
  QImage image_;
  test::ScriptedSeams seams_;
};

TEST_F(HtmlWindowTest, ControlsOpenAsSetAndBoxesAndSizesWriteTheirSettingsAtOnce) {
  SettingsValues& s = AppSettings();
  s.secondFooter = {"Line one\r\nLine two", false, true, true, 6};
  s.horizontalLower = true;
  WebPageWindow window(image_);
  EXPECT_EQ(window.windowTitle(), "HTML Creation");
  EXPECT_EQ(Control<QPlainTextEdit>(&window, "SecondFooterLines")->toPlainText(),
            "Line one\nLine two");
  EXPECT_TRUE(Control<QCheckBox>(&window, "SecondFooterItalic")->isChecked());
  EXPECT_EQ(Control<QComboBox>(&window, "SecondFooterSize")->currentText(), "24 pt");
  EXPECT_EQ(Control<QComboBox>(&window, "FirstHeaderSize")->currentText(), "14 pt");
  EXPECT_TRUE(Control<QCheckBox>(&window, "LowerLineBox")->isChecked());
  EXPECT_EQ(Control<QLineEdit>(&window, "WebTitle")->text(), "Word Search Puzzle");

  Control<QCheckBox>(&window, "SecondHeaderBold")->click();
  Control<QCheckBox>(&window, "FirstFooterCenter")->click();
  Control<QCheckBox>(&window, "UpperLineBox")->click();
  Control<QComboBox>(&window, "FirstFooterSize")->setCurrentIndex(6);
  EXPECT_TRUE(s.secondHeader.bold);
  EXPECT_TRUE(s.firstFooter.center);
  EXPECT_TRUE(s.horizontalUpper);
  EXPECT_EQ(s.firstFooter.fontSize, 7);
  // The texts wait for the save.
  Control<QPlainTextEdit>(&window, "FirstHeaderLines")->setPlainText("Changed");
  Control<QPushButton>(&window, "CancelButton")->click();
  EXPECT_EQ(s.firstHeader.text, "My Puzzle");
}

TEST_F(HtmlWindowTest, SaveTakesTheTextsAndWritesThePageWithItsPictureBesideIt) {
  AppSettings().lastExportHtmlFile = dir_.File("before.htm");
  const std::string page = dir_.File("Zoo.htm");
  seams_.ChooseFile(page);
  WebPageWindow window(image_);
  window.show();
  Control<QPlainTextEdit>(&window, "FirstHeaderLines")->setPlainText("Zoo\nAnimals");
  Control<QLineEdit>(&window, "WebTitle")->setText("   Our zoo   ");
  Control<QPushButton>(&window, "SaveButton")->click();

  ASSERT_EQ(seams_.FileDialogs().size(), 1u);
  const FileDialogRequest& asked = seams_.FileDialogs()[0];
  EXPECT_EQ(asked.title, "Save HTML Document");
  EXPECT_EQ(asked.filter, "html (*.htm)|*.htm");
  EXPECT_EQ(asked.defaultExt, "htm");
  EXPECT_EQ(asked.initial, dir_.File("before.htm"));
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(window.result(), QDialog::Accepted);

  const SettingsValues& s = AppSettings();
  EXPECT_EQ(s.lastExportHtmlFile, page);
  EXPECT_EQ(s.firstHeader.text, "Zoo\r\nAnimals");
  EXPECT_EQ(s.webTitle, "Our zoo");
  const std::string text = test::ReadText(page);
  EXPECT_NE(text.find("<TITLE>Our zoo</TITLE>"), std::string::npos);
  EXPECT_NE(text.find("<FONT SIZE=4>Zoo\r\nAnimals</FONT>"), std::string::npos) << text;
  EXPECT_EQ(QImage(QString::fromStdString(dir_.File("Zoo.JPG"))).size(), image_.size());
}

TEST_F(HtmlWindowTest, ACancelledDialogChangesNothingAndAFailedSaveKeepsTheWindowAndItsTexts) {
  const std::string remembered = AppSettings().lastExportHtmlFile;
  seams_.ChooseFile(std::nullopt);
  WebPageWindow window(image_);
  window.show();
  auto* header = Control<QPlainTextEdit>(&window, "FirstHeaderLines");
  header->setPlainText("Kept");
  Control<QPushButton>(&window, "SaveButton")->click();
  EXPECT_EQ(AppSettings().firstHeader.text, "My Puzzle");
  EXPECT_EQ(AppSettings().lastExportHtmlFile, remembered);
  EXPECT_TRUE(window.isVisible());

  seams_.ChooseFile(dir_.File("no such folder/page.htm"));
  Control<QPushButton>(&window, "SaveButton")->click();
  ASSERT_EQ(seams_.Messages().size(), 1u);
  EXPECT_EQ(seams_.Messages()[0].text, "Unable to create html file.");
  EXPECT_EQ(seams_.Messages()[0].caption, "Error");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(header->toPlainText(), "Kept");
}

TEST_F(HtmlWindowTest, ThePreviewsWebPageButtonAndMenuOpenTheWindowOnTheShownPage) {
  auto puzzle = test::PagePuzzle(6, 6);
  const FinishedJob job = RecordPage(*puzzle, PrintOptions{}, RecordingPage{QSizeF(8.5, 11), 96});
  struct NoPrinter : RecordedPagePrinter {
    bool Busy() const override { return false; }
    int MaxCopies() override { return 1; }
    OpResult Print(const QByteArray&, int, int, int) override { return OpResult::Success(); }
  } printer;
  PreviewWindow preview(job, printer);
  preview.show();
  // The preview fits the page once it is on screen; the zoom chosen after that stays.
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  preview.SetZoom(50);
  auto press = [](const char* button) {
    return test::ModalScript({[button] {
      auto* window = test::ModalScript::Visible<WebPageWindow>();
      if (window) window->findChild<QPushButton*>(button)->click();
      return window != nullptr;
    }});
  };

  seams_.ChooseFile(dir_.File("page.htm"));
  auto save = press("SaveButton");
  preview.findChild<QToolButton*>("PreviewWeb")->click();
  EXPECT_TRUE(save.Finished());
  EXPECT_EQ(QImage(QString::fromStdString(dir_.File("page.JPG"))).size(), QSize(408, 528));

  auto cancel = press("CancelButton");
  preview.findChild<QAction*>("HtmlItem")->trigger();
  EXPECT_TRUE(cancel.Finished());
}

}  // namespace
}  // namespace gw
