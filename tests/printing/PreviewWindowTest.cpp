// The preview window, the copies, JPEG factor and metafile windows, driven as a user drives them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <filesystem>

#include "base/Settings.h"
#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "page/ImageFiles.h"
#include "page/PrinterSetup.h"
#include "printing/CopiesDialog.h"
#include "printing/InteractivePageDialog.h"
#include "printing/JpegQualityDialog.h"
#include "printing/MetafileExportDialog.h"
#include "printing/PreviewWindow.h"
#include "support/AppFixture.h"
#include "support/ModalScript.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/DesktopFiles.h"

namespace gw {
namespace {

// A printer that keeps the jobs it is given.
struct Job {
  int first, last, copies;
  bool operator==(const Job&) const = default;
};
class FakePrinter : public RecordedPagePrinter {
 public:
  bool Busy() const override { return busy; }
  int MaxCopies() override { return maxCopies; }
  OpResult Print(const QByteArray& stream, int first, int last, int copies) override {
    EXPECT_FALSE(stream.isEmpty());
    jobs.push_back({first, last, copies});
    return result;
  }
  bool busy = false;
  int maxCopies = 99;
  OpResult result = OpResult::Success();
  std::vector<Job> jobs;
};

class PreviewTest : public testing::Test {
 protected:
  PreviewTest() {
    test::ResetProgramWide(AppPaths(dir_.Path(), dir_.Path()));
    auto p = test::PagePuzzle(8, 8);
    p->title.Set("Preview Page");
    test::SetWords(*p, {"ABC"});
    test::AddObject(*p, kKindTitle, 0, 0, 544, 48);
    test::AddObject(*p, kKindPuzzle, 32, 64, 288, 320);
    test::AddObject(*p, kKindWords, 320, 64, 512, 320);
    job_ = RecordPage(*p, PrintOptions{}, RecordingPage{QSizeF(8.5, 11), 300});
  }
  std::unique_ptr<PreviewWindow> Open() {
    auto preview = std::make_unique<PreviewWindow>(job_, printer_);
    preview->show();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    return preview;
  }
  static QAction* Item(QWidget* w, const char* name) {
    auto* a = w->findChild<QAction*>(name);
    EXPECT_TRUE(a) << name;
    return a;
  }
  // Answers the next modal dialog of type T by typing `text` into `edit` and pressing OK.
  template <typename T>
  static test::ModalScript Answer(const char* edit, QString text) {
    return test::ModalScript({[edit, text] {
      T* dialog = test::ModalScript::Visible<T>();
      if (!dialog) return false;
      dialog->template findChild<QLineEdit*>(edit)->setText(text);
      dialog->template findChild<QPushButton*>("OkButton")->click();
      return true;
    }});
  }

  test::TempDir dir_;
  FinishedJob job_;
  FakePrinter printer_;
  test::ScriptedSeams seams_;
};

TEST_F(PreviewTest, TheZoomEditAndButtonsKeepTheZoomBetweenTenAndTwoHundred) {
  auto preview = Open();
  auto* edit = preview->findChild<QLineEdit*>("ZoomEdit");
  edit->setText("5");
  emit edit->editingFinished();
  EXPECT_EQ(preview->Zoom(), 10);
  EXPECT_EQ(edit->text(), "10.0");
  edit->setText("500");
  emit edit->editingFinished();
  EXPECT_EQ(preview->Zoom(), 200);
  EXPECT_EQ(preview->PageImage().size(), QSize(1632, 2112));  // letter at 192 pixels per inch
  edit->setText("fifty");
  emit edit->editingFinished();
  EXPECT_EQ(edit->text(), "200.0");

  preview->SetZoom(40);
  auto* out = preview->findChild<QToolButton*>("PreviewZoomOut");
  EXPECT_EQ(out->toolTip(), "Zoom Out");
  std::vector<double> seen;
  for (int i = 0; i < 4; ++i) {
    out->click();
    seen.push_back(preview->Zoom());
  }
  EXPECT_EQ(seen, (std::vector<double>{30, 20, 10, 10}));
  EXPECT_EQ(preview->PageImage().width(), 82);  // 8.5 inches at 9.6 pixels per inch
  preview->findChild<QToolButton*>("PreviewZoomIn")->click();
  EXPECT_EQ(preview->Zoom(), 20);

  Item(preview.get(), "Zoom33Item")->trigger();
  EXPECT_EQ(edit->text(), "33.3");
  Item(preview.get(), "Zoom200Item")->trigger();
  EXPECT_EQ(preview->Zoom(), 200);
}

TEST_F(PreviewTest, FittingShowsThePageWidthOrTheWholePageWithItsMargins) {
  auto preview = Open();
  auto* scroll = preview->findChild<QScrollArea*>("ScrollBox");
  const QWidget* view = preview->findChild<QWidget*>("PageView");
  // The window opens fitted to the page width.
  const QSize room = scroll->maximumViewportSize();
  EXPECT_LE(view->width(), room.width());
  EXPECT_GT(view->width(), room.width() - 30);
  EXPECT_GT(view->height(), room.height());

  Item(preview.get(), "WholePageItem")->trigger();
  EXPECT_LE(view->width(), room.width());
  EXPECT_LE(view->height(), room.height());
  EXPECT_GT(view->height(), room.height() - 4);
  // The page image lies inside its 2.5 % margins.
  EXPECT_NEAR(view->height(), preview->PageImage().height() * 1.05, 2);
}

TEST_F(PreviewTest, TheWindowTakesAndKeepsItsPlaceAndSizeInTheSettings) {
  AppSettings().viewerLeft = 40;
  AppSettings().viewerTop = 30;
  AppSettings().viewerWidth = 700;
  AppSettings().viewerHeight = 500;
  auto preview = Open();
  EXPECT_EQ(preview->size(), QSize(700, 500));
  EXPECT_EQ(preview->windowTitle(), "Puzzle Preview");
  preview->resize(720, 540);
  preview->move(60, 50);
  preview->findChild<QToolButton*>("PreviewDone")->click();
  EXPECT_FALSE(preview->isVisible());
  EXPECT_EQ(AppSettings().viewerWidth, 720);
  EXPECT_EQ(AppSettings().viewerHeight, 540);
  EXPECT_EQ(AppSettings().viewerLeft, preview->x());
  EXPECT_EQ(AppSettings().viewerTop, preview->y());

  // A place off every screen comes back onto one.
  AppSettings().viewerLeft = -20000;
  AppSettings().viewerWidth = 10;
  auto again = Open();
  EXPECT_GE(again->x(), 0);
  EXPECT_GE(again->width(), 320);
}

TEST_F(PreviewTest, MenusToolbarAndShortcutsAreTheOnesUsersKnow) {
  auto preview = Open();
  const struct {
    const char* name;
    const char* text;
    const char* keys;
  } items[] = {{"PrintPageItem", "&Print Page", "Ctrl+P"},
               {"MultipleCopiesItem", "Print &Multiple Copies", "Ctrl+M"},
               {"ExitItem", "E&xit", "Ctrl+X"},
               {"PageWidthItem", "Zoom &Page Width", "Ctrl+Z"},
               {"WholePageItem", "Zoom &Whole Page", "Ctrl+W"},
               {"BitmapItem", "Windows &Bitmap (BMP)", "Ctrl+B"},
               {"JpegItem", "&JPEG (JPG)", "Ctrl+J"},
               {"WmfItem", "&Windows MetaFile (WMF)", "Ctrl+Shift+W"},
               {"EmfItem", "&Enhanced MetaFile (EMF)", "Ctrl+E"},
               {"JpegFactorItem", "JPEG Compression &Factor", "Ctrl+F"},
               {"PdfItem", "&PDF...", ""},
               {"PngItem", "P&NG...", ""},
               {"SvgItem", "&SVG...", ""},
               {"Zoom100InItem", "&1 : 1", ""},
               {"Zoom20Item", "1 : &5", ""}};
  std::set<QString> keys;
  for (const auto& i : items) {
    QAction* a = Item(preview.get(), i.name);
    EXPECT_EQ(a->text(), i.text);
    EXPECT_EQ(a->shortcut().toString(), i.keys);
    EXPECT_TRUE(a->isEnabled()) << i.name;
    if (*i.keys) {
      EXPECT_TRUE(keys.insert(i.keys).second) << "two items on " << i.keys;
    }
  }
  EXPECT_TRUE(Item(preview.get(), "HtmlItem")->isEnabled());
  const struct {
    const char* name;
    const char* hint;
  } buttons[] = {{"PreviewZoomIn", "Zoom In"},
                 {"PreviewZoomOut", "Zoom Out"},
                 {"PreviewPageWidth", "Zoom Page Width"},
                 {"PreviewWholePage", "Zoom Whole Page"},
                 {"PreviewPrint", "Print Page"},
                 {"PreviewBitmap", "Export As Bitmap"},
                 {"PreviewJpeg", "Export As JPEG"},
                 {"PreviewMetafile", "Export As Metafile"},
                 {"PreviewWeb", "Create Web Page"},
                 {"PreviewDone", "Done"}};
  for (const auto& b : buttons) {
    auto* button = preview->findChild<QToolButton*>(b.name);
    ASSERT_TRUE(button) << b.name;
    EXPECT_EQ(button->toolTip(), b.hint);
    EXPECT_TRUE(button->isEnabled()) << b.name;
  }
}

TEST_F(PreviewTest, PrintingSendsThePageTheWholeReportOrCopies) {
  auto preview = Open();
  Item(preview.get(), "PrintPageItem")->trigger();
  preview->findChild<QToolButton*>("PreviewPrint")->click();
  // The page once; the whole report (one page) in the copies Printer Setup asks for.
  EXPECT_EQ(printer_.jobs, (std::vector<Job>{{0, 0, 1}, {0, 0, 0}}));
  printer_.jobs.clear();

  // Three copies on a driver that makes 99 go as one job; on a driver that makes one, as three.
  auto script = Answer<CopiesDialog>("NumCopies", "3");
  Item(preview.get(), "MultipleCopiesItem")->trigger();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(printer_.jobs, (std::vector<Job>{{0, 0, 3}}));
  printer_.jobs.clear();
  printer_.maxCopies = 1;
  auto again = Answer<CopiesDialog>("NumCopies", "3");
  Item(preview.get(), "MultipleCopiesItem")->trigger();
  EXPECT_EQ(printer_.jobs, (std::vector<Job>(3, {0, 0, 1})));
  EXPECT_TRUE(seams_.Messages().empty());

  // A printer still busy refuses; a printer's failure is told.
  printer_.jobs.clear();
  printer_.busy = true;
  Item(preview.get(), "PrintPageItem")->trigger();
  preview->PrintAllClick();
  EXPECT_TRUE(printer_.jobs.empty());
  EXPECT_EQ(seams_.Texts(), std::vector<std::string>(
                                2, "Previous print job has not yet finished.  Try again later."));
  EXPECT_EQ(seams_.Messages().back().caption, "Error");
  seams_.Clear();
  printer_.busy = false;
  printer_.result = OpResult::Failure(kNoPrinters, "Error");
  preview->PrintPageClick();
  EXPECT_EQ(seams_.Single(), kNoPrinters);
}

TEST_F(PreviewTest, ABitmapAndAJpegAreThePageImageInTheChosenColoursAndQuality) {
  AppSettings().pixelFormat = kPalette256;
  AppSettings().jpegQuality = 80;
  auto preview = Open();
  preview->SetZoom(50);
  EXPECT_EQ(preview->PageImage().format(), QImage::Format_Indexed8);

  seams_.ChooseFile(dir_.File("page.bmp"));
  preview->findChild<QToolButton*>("PreviewBitmap")->click();
  const FileDialogRequest& asked = seams_.FileDialogs().back();
  EXPECT_EQ(asked.title, "Save Puzzle As Bitmap");
  EXPECT_EQ(asked.filter, "Bitmap (*.BMP)|*.BMP");
  EXPECT_EQ(asked.defaultExt, "BMP");
  EXPECT_EQ(asked.initial, dir_.Path());  // the start-up folder at first
  EXPECT_TRUE(asked.overwritePrompt);
  EXPECT_EQ(AppSettings().lastExportBitmapFile, dir_.File("page.bmp"));
  const std::vector<char> bmp = test::ReadBytes(dir_.File("page.bmp"));
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(bmp[28], 8);  // bits per pixel
  EXPECT_EQ(QImage(QString::fromStdString(dir_.File("page.bmp"))).size(), QSize(408, 528));

  seams_.ChooseFile(dir_.File("page.jpg"));
  Item(preview.get(), "JpegItem")->trigger();
  EXPECT_EQ(seams_.FileDialogs().back().title, "Save Puzzle As JPeg");
  std::string error;
  EXPECT_EQ(QByteArray::fromStdString(test::ReadText(dir_.File("page.jpg"))),
            *JpegOfImage(preview->PageImage(), 80, error));

  // A cancelled dialog does nothing; the next dialog starts at the last file.
  seams_.ChooseFile(std::nullopt);
  preview->BitmapClick();
  EXPECT_EQ(seams_.FileDialogs().back().initial, dir_.File("page.bmp"));
  EXPECT_EQ(AppSettings().lastExportBitmapFile, dir_.File("page.bmp"));
  EXPECT_TRUE(seams_.Messages().empty());

  // A failed save names the file.
  seams_.ChooseFile(dir_.File("gone/page.bmp"));
  preview->BitmapClick();
  EXPECT_NE(seams_.Single().find(dir_.File("gone/page.bmp")), std::string::npos);
}

TEST_F(PreviewTest, AMetafileOfALayoutWithABitmapWarnsAndIsMadeInItsWindow) {
  QImage tile(4, 4, QImage::Format_RGB32);
  tile.fill(Qt::blue);
  ASSERT_TRUE(tile.save(QString::fromStdString(dir_.File("tile.png"))));
  auto p = test::PagePuzzle(5, 5);
  test::AddObject(*p, kKindPuzzle, 32, 64, 288, 320);
  test::AddObject(*p, kKindBitmap, 300, 64, 400, 160).bitmapFile.Set(dir_.File("tile.png"));
  job_ = RecordPage(*p, PrintOptions{}, RecordingPage{QSizeF(8.5, 11), 300});
  auto preview = Open();

  seams_.ChooseFile(dir_.File("page.emf"));
  bool sawWindow = false;
  test::ModalScript script({[&] {
    MetafileExportDialog* window = test::ModalScript::Visible<MetafileExportDialog>();
    if (!window || !window->findChild<QPushButton*>("OkButton")->isVisible()) return false;
    sawWindow = window->windowTitle() == "Metafile Creation" &&
                window->findChild<QLabel*>("MetaLabel")->text() == "Metafile Created";
    window->findChild<QPushButton*>("OkButton")->click();
    return true;
  }});
  Item(preview.get(), "EmfItem")->trigger();
  EXPECT_TRUE(sawWindow);
  EXPECT_EQ(seams_.Single(), "Bitmaps in this puzzle will not be saved in the metafile.");
  EXPECT_EQ(seams_.Messages().back().caption, "Warning");
  EXPECT_EQ(seams_.FileDialogs().back().title, "Save Puzzle As Enhanced MetaFile");
  EXPECT_EQ(AppSettings().lastExportEmfFile, dir_.File("page.emf"));
  EXPECT_EQ(QByteArray::fromStdString(test::ReadText(dir_.File("page.emf"))),
            MetafileOfPage(MetafileKind::Emf, *job_.puzzle, job_.options, job_.result.values));
}

TEST_F(PreviewTest, TheInteractiveWebPageIsSavedWithItsChoicesRememberedAndRefusesAGroup) {
  auto preview = Open();
  QAction* item = Item(preview.get(), "InteractivePageItem");
  EXPECT_EQ(item->text(), QString::fromUtf8("&Interactive Web Page\u2026"));
  std::vector<std::string> opened;
  SetDesktopOpener([&](const std::string& path) {
    opened.push_back(path);
    return true;
  });

  // The first name holds a group: refused, the dialog stays open with its choices; the second
  // is saved and shown in the browser.
  const std::string group(95830, '\x07');
  test::WriteText(dir_.File("taken.html"), group);
  seams_.ChooseFile(dir_.File("taken.html"));
  seams_.ChooseFile(dir_.File("page.html"));
  bool stayedOpen = false;
  test::ModalScript script({[&] {
    auto* dialog = test::ModalScript::Visible<InteractivePageDialog>();
    if (!dialog) return false;
    EXPECT_EQ(dialog->windowTitle(), "Interactive Web Page");
    dialog->findChild<QCheckBox*>("ShowAnswersBox")->setChecked(false);
    dialog->findChild<QCheckBox*>("OpenWhenSavedBox")->setChecked(true);
    auto* save = dialog->findChild<QPushButton*>("SaveButton");
    save->click();
    stayedOpen = dialog->isVisible();
    save->click();
    return true;
  }});
  item->trigger();
  SetDesktopOpener({});
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(seams_.Single(),
            dir_.File("taken.html") + " exists and is not a web page; it is left as it is.");
  EXPECT_EQ(test::ReadText(dir_.File("taken.html")), group);
  const std::string page = test::ReadText(dir_.File("page.html"));
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(page.find("id=\"answers\""), std::string::npos);
  EXPECT_EQ(opened, std::vector<std::string>{dir_.File("page.html")});
  ASSERT_EQ(seams_.FileDialogs().size(), 2u);
  EXPECT_EQ(seams_.FileDialogs()[1].title, "Save Interactive Web Page");
  EXPECT_EQ(seams_.FileDialogs()[1].initial, dir_.File("taken.html"));
  EXPECT_EQ(AppSettings().lastInteractivePageFile, dir_.File("page.html"));
  EXPECT_FALSE(AppSettings().interactiveShowAnswers);
  EXPECT_TRUE(AppSettings().interactiveOpenWhenSaved);

  // A puzzle that was never generated has no page to solve.
  seams_.Clear();
  job_.puzzle->puzzleGenerated = 0;
  item->trigger();
  EXPECT_EQ(seams_.Single(),
            "A web page cannot be made of this puzzle: the puzzle was never generated.");
}

TEST_F(PreviewTest, TheMetafileWindowWaitsThenConfirmsOrReportsAFailure) {
  MetafileExportDialog window(job_, MetafileKind::Wmf, dir_.File("page.wmf"));
  auto* label = window.findChild<QLabel*>("MetaLabel");
  auto* ok = window.findChild<QPushButton*>("OkButton");
  EXPECT_EQ(label->text(), "Creating Metafile...  Please Wait.");
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_TRUE(ok->isHidden());
  window.FormActivate();
  EXPECT_EQ(label->text(), "Metafile Created");
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_FALSE(ok->isHidden());
  EXPECT_EQ(test::ReadBytes(dir_.File("page.wmf")).size() % 2, 0u);

  MetafileExportDialog failing(job_, MetafileKind::Wmf, dir_.File("gone/page.wmf"));
  failing.FormActivate();
  EXPECT_NE(seams_.Single().find(dir_.File("gone/page.wmf")), std::string::npos);
  EXPECT_EQ(failing.result(), QDialog::Rejected);
}

TEST_F(PreviewTest, PdfPngAndSvgAreSavedFromTheRecordedPage) {
  auto preview = Open();
  const struct {
    const char* item;
    const char* file;
    const char* title;
    std::string SettingsValues::*remembered;
    const char* starts;
  } exports[] = {
      {"PdfItem", "page.pdf", "Save Puzzle As PDF", &SettingsValues::lastExportPdfFile, "%PDF"},
      {"PngItem", "page.png", "Save Puzzle As PNG", &SettingsValues::lastExportPngFile, "\x89PNG"},
      {"SvgItem", "page.svg", "Save Puzzle As SVG", &SettingsValues::lastExportSvgFile, "<?xml"}};
  for (const auto& e : exports) {
    seams_.ChooseFile(dir_.File(e.file));
    Item(preview.get(), e.item)->trigger();
    EXPECT_EQ(seams_.FileDialogs().back().title, e.title);
    EXPECT_EQ(AppSettings().*e.remembered, dir_.File(e.file));
    EXPECT_EQ(test::ReadText(dir_.File(e.file)).rfind(e.starts, 0), 0u) << e.file;
  }
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST(CopiesAndFactor, TheDialogsRefuseWhatIsNoCountOrQualityAndStayOpen) {
  test::ScriptedSeams seams;
  CopiesDialog copies;
  auto* count = copies.findChild<QLineEdit*>("NumCopies");
  EXPECT_EQ(copies.windowTitle(), "Multi-Copies");
  EXPECT_EQ(count->text(), "1");
  EXPECT_EQ(count->maxLength(), 3);
  for (const char* refused : {"0", "-1", "", "abc"}) {
    count->setText(refused);
    copies.OkButtonClick();
  }
  EXPECT_EQ(seams.Texts(), std::vector<std::string>(4, "Invalid number of copies entered."));
  EXPECT_NE(copies.result(), QDialog::Accepted);
  count->setText(" 12 ");
  copies.OkButtonClick();
  EXPECT_EQ(copies.result(), QDialog::Accepted);
  EXPECT_EQ(copies.Copies(), 12);

  seams.Clear();
  AppSettings().jpegQuality = 65;
  JpegQualityDialog factor;
  auto* edit = factor.findChild<QLineEdit*>("JpegFactor");
  EXPECT_EQ(factor.windowTitle(), "JPEG Factor");
  EXPECT_EQ(edit->text(), "65");
  for (const char* refused : {"0", "101", "x"}) {
    edit->setText(refused);
    factor.OkButtonClick();
  }
  EXPECT_EQ(seams.Texts(), std::vector<std::string>(
                               3, "Invalid factor entered.  Factor must be between 1 and 100"));
  EXPECT_EQ(seams.Messages().back().caption, "Error");
  EXPECT_EQ(AppSettings().jpegQuality, 65);
  edit->setText("100");
  factor.OkButtonClick();
  EXPECT_EQ(factor.result(), QDialog::Accepted);
  EXPECT_EQ(AppSettings().jpegQuality, 100);
}

}  // namespace
}  // namespace gw
