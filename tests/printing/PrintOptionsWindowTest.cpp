// The print options window and the status window, driven through the seams, printing through a
// real print queue where one can be started.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstring>

#include "base/Settings.h"
#include "generator/BonusQuestionDialog.h"
#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "page/PrinterSetup.h"
#include "printing/PreviewWindow.h"
#include "printing/PrintOptionsWindow.h"
#include "support/AppFixture.h"
#include "support/ModalScript.h"
#include "support/PrintQueue.h"
#include "support/Seams.h"
#include "support/Shell.h"
#include "support/TempDir.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {
namespace {

class PrintOptionsWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
    // No test reaches a printer of the machine; those that print start their own queue.
    test::UseNoPrinters();
    SessionPrinter() = PrinterChoice{};
  }

  std::unique_ptr<PrintOptionsWindow> Open(LayoutPicker picker = {}) {
    return std::make_unique<PrintOptionsWindow>(paths_, *puzzle_, std::move(picker));
  }
  template <typename T>
  static T* Get(QWidget& w, const char* name) {
    T* child = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static void Show(QWidget& w) {
    w.show();
    QApplication::processEvents();
  }
  static QCheckBox* Box(QWidget& w, const char* name) { return Get<QCheckBox>(w, name); }
  // Once View/Print's preview is up: prints everything from it, notes the job it shows, closes.
  static test::ModalScript PrintFromPreview(FinishedJob* shown) {
    return test::ModalScript({[shown] {
      PreviewWindow* preview = test::ModalScript::Visible<PreviewWindow>();
      if (!preview) return false;
      preview->PrintAllClick();
      shown->stream = preview->Job().stream;
      shown->result = preview->Job().result;
      preview->ExitClick();
      return true;
    }});
  }
  static QLineEdit* Edit(QWidget& w, const char* name) { return Get<QLineEdit>(w, name); }
  static std::vector<std::string> FontItems(const PrintOptionsWindow& w) {
    std::vector<std::string> items;
    for (QAction* a : w.FontMenu()->actions())
      if (a->isVisible()) items.push_back(a->text().toStdString());
    return items;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
  std::unique_ptr<PuzzleRecord> puzzle_ = test::PrintablePuzzle();
};

TEST_F(PrintOptionsWindowTest, OpensWithTheSavedOptionsWhereTheLayoutHasNoSay) {
  SettingsValues& s = AppSettings();
  s.answerKey = true;
  s.printBonus = false;
  s.wordOption = kPartialWords;
  s.firstLetters = 2;
  s.lastLetters = 0;
  s.useGrid = true;
  s.numColumns = 6;
  LayoutObject* grid = nullptr;
  for (LayoutObject& o : puzzle_->pageLayout.objects)
    if (o.kind == kKindPuzzle) grid = &o;
  grid->lowerCase = 1;
  grid->optionA = 0;
  auto w = Open();
  EXPECT_EQ(w->windowTitle().toStdString(), "Reports");
  EXPECT_TRUE(Box(*w, "AnswerKey")->isChecked());
  EXPECT_FALSE(Box(*w, "PrintBonus")->isChecked());
  EXPECT_TRUE(Box(*w, "PrintTitle")->isChecked());
  // The layout's puzzle object decides lower case and grid lines, its words object the columns.
  EXPECT_TRUE(Box(*w, "LowerCase")->isChecked());
  EXPECT_TRUE(s.lowerCase);
  EXPECT_FALSE(Box(*w, "UseGrid")->isChecked());
  EXPECT_FALSE(s.useGrid);
  EXPECT_EQ(Edit(*w, "NumColumns")->text().toStdString(), "3");
  EXPECT_EQ(s.numColumns, 3);
  EXPECT_TRUE(Get<QRadioButton>(*w, "PartialWords")->isChecked());
  EXPECT_EQ(Edit(*w, "FirstLetters")->text().toStdString(), "2");
  EXPECT_EQ(Edit(*w, "LastLetters")->text().toStdString(), "0");
  EXPECT_EQ(s.lastLetters, 0);
  EXPECT_TRUE(Edit(*w, "FirstLetters")->isEnabled());

  // The thumbnail shows the page: white paper and the words object's teal.
  const QImage& img = w->Thumbnail();
  EXPECT_EQ(img.size(), QSize(129, 201));
  EXPECT_EQ(img.pixelColor(10, 3), QColor(Qt::black));  // the rectangle's outline
  EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::white));   // the page
  bool teal = false;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      teal = teal || img.pixelColor(x, y) == QColor(0, 128, 128);
  EXPECT_TRUE(teal);
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST_F(PrintOptionsWindowTest, EachControlWritesItsOptionAtOnceAndTheWordFormEnablesItsControls) {
  auto w = Open();
  Box(*w, "PrintTitle")->click();
  EXPECT_FALSE(AppSettings().printTitle);
  Box(*w, "UseGrid")->click();
  EXPECT_TRUE(AppSettings().useGrid);
  Box(*w, "AnswerKey")->click();
  EXPECT_TRUE(AppSettings().answerKey);

  Get<QRadioButton>(*w, "Clues")->click();
  EXPECT_EQ(AppSettings().wordOption, kClues);
  EXPECT_TRUE(Box(*w, "ClueUnderscore")->isEnabled());
  EXPECT_FALSE(Box(*w, "PartialUnderscore")->isEnabled());
  EXPECT_FALSE(Edit(*w, "FirstLetters")->isEnabled());
  EXPECT_FALSE(Edit(*w, "LastLetters")->isEnabled());
  Box(*w, "ClueUnderscore")->click();
  EXPECT_TRUE(AppSettings().clueUnderscore);

  Get<QRadioButton>(*w, "PartialWords")->click();
  EXPECT_EQ(AppSettings().wordOption, kPartialWords);
  EXPECT_FALSE(Box(*w, "ClueUnderscore")->isEnabled());
  EXPECT_TRUE(Box(*w, "PartialUnderscore")->isEnabled());
  EXPECT_TRUE(Edit(*w, "LastLetters")->isEnabled());

  Get<QRadioButton>(*w, "ScrambleWords")->click();
  EXPECT_EQ(AppSettings().wordOption, kScrambledWords);
  EXPECT_FALSE(Box(*w, "PartialUnderscore")->isEnabled());
  EXPECT_FALSE(Edit(*w, "FirstLetters")->isEnabled());
}

TEST_F(PrintOptionsWindowTest, DigitEditsReadEveryChangeAndNoColumnsRefusesToPrint) {
  auto w = Open();
  Show(*w);
  QLineEdit* first = Edit(*w, "FirstLetters");
  first->setText("4");
  EXPECT_EQ(AppSettings().firstLetters, 4);
  first->clear();
  EXPECT_EQ(AppSettings().firstLetters, 1);
  EXPECT_TRUE(first->text().isEmpty());
  Edit(*w, "LastLetters")->setText("q");
  EXPECT_EQ(AppSettings().lastLetters, 1);
  EXPECT_TRUE(Edit(*w, "LastLetters")->text().isEmpty());

  QLineEdit* columns = Edit(*w, "NumColumns");
  columns->setText("0");
  EXPECT_EQ(AppSettings().numColumns, 0);
  Get<QPushButton>(*w, "ExitButton")->setFocus();
  EXPECT_FALSE(w->RunJob(ReportMode::Memory));
  EXPECT_EQ(seams_.Single(), "Invalid number of columns specified.");
  EXPECT_EQ(seams_.Messages().back().caption, "Error");
  EXPECT_EQ(QApplication::focusWidget(), columns);
  EXPECT_FALSE(w->LastJob().puzzle);  // no job ran
}

TEST_F(PrintOptionsWindowTest, FontItemsNameEachTextObjectAndTheChosenFontGoesIntoTheCopy) {
  auto w = Open();
  EXPECT_EQ(FontItems(*w),
            (std::vector<std::string>{"Title Font", "Puzzle Font", "Words / Clues Font",
                                      "Bonus Question Font", "Text 1 Font"}));
  const int wi = w->FontMenuMap()[2].object;
  const LayoutObject& words = puzzle_->pageLayout.objects[wi];
  ASSERT_EQ(words.kind, kKindWords);
  const PuzzleRecord before = *puzzle_;

  QFont chosen(QStringLiteral("Courier New"));
  chosen.setPointSize(17);
  chosen.setItalic(true);
  chosen.setUnderline(true);
  seams_.ChooseFont(FontChoice{chosen, QColor(0, 0, 255)});
  w->FontItemClick(2);
  ASSERT_EQ(seams_.FontRequests().size(), 1u);
  const FontChoice& preset = seams_.FontRequests()[0];
  // The dialog is shown the installed family that prints the layout's font name.
  const QString named = QString::fromStdString(before.pageLayout.objects[wi].fontName.Get());
  EXPECT_EQ(preset.font.family(), QFontInfo(QFont(named)).family());
  EXPECT_EQ(preset.font.pointSize(), before.pageLayout.objects[wi].fontSize);
  EXPECT_EQ(words.fontName.Get(), "Courier New");
  EXPECT_EQ(words.fontSize, 17);
  EXPECT_EQ(words.fontColor, 0xFF0000u);  // blue as 0x00BBGGRR
  EXPECT_TRUE(words.fontItalic && words.fontUnderline && !words.fontBold);

  // Keeping the family shown keeps the layout's own name for it.
  QFont same = preset.font;
  same.setPointSize(9);
  seams_.ChooseFont(FontChoice{same, Qt::black});
  w->FontItemClick(4);
  const LayoutObject& text = puzzle_->pageLayout.objects[w->FontMenuMap()[4].object];
  EXPECT_EQ(text.fontName.Get(),
            before.pageLayout.objects[w->FontMenuMap()[4].object].fontName.Get());
  EXPECT_EQ(text.fontSize, 9);

  seams_.ChooseFont(std::nullopt);  // Cancel changes nothing
  w->FontItemClick(0);
  EXPECT_EQ(seams_.FontRequests().size(), 3u);
  EXPECT_EQ(std::memcmp(&puzzle_->pageLayout.objects[0], &before.pageLayout.objects[0],
                        sizeof(LayoutObject)),
            0);

  // A layout without text objects leaves nothing to choose.
  puzzle_->pageLayout.objectCount = 1;
  puzzle_->pageLayout.objects[0].kind = kKindRectangle;
  auto bare = Open();
  EXPECT_TRUE(FontItems(*bare).empty());
  EXPECT_FALSE(Get<QPushButton>(*bare, "ChangeFontsButton")->isEnabled());
}

TEST_F(PrintOptionsWindowTest, TheBonusQuestionAndTheLayoutChangeTheWindowsCopy) {
  PageLayout picked = puzzle_->pageLayout;
  SetPaper(picked, *FindPaper("A4"), false);
  picked.objectCount = 0;
  AddNewObject(picked, kKindWords, 0, 0, 64);
  picked.objects[0].columns = 2;
  picked.objects[0].objectName.Set("Answers");
  int asked = 0;
  bool pick = false;
  QWidget* over = nullptr;
  auto w = Open([&](PageLayout& layout, QWidget* parent) {
    ++asked;
    over = parent;
    if (pick) layout = picked;
    return pick;
  });
  const QImage before = w->Thumbnail();
  w->ChangeLayoutClick();  // the user closed the library without picking
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(over, w.get());
  EXPECT_EQ(Edit(*w, "NumColumns")->text().toStdString(), "3");
  pick = true;
  w->ChangeLayoutClick();
  EXPECT_EQ(puzzle_->pageLayout.paperName.Get(), "A4");
  EXPECT_EQ(Edit(*w, "NumColumns")->text().toStdString(), "2");
  EXPECT_EQ(FontItems(*w), (std::vector<std::string>{"Answers Font"}));
  EXPECT_NE(w->Thumbnail(), before);

  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<BonusQuestionDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->findChild<QLineEdit*>("BonusText")->setText("  Which one is striped?  ");
    d->OkButtonClick();
  });
  w->ChangeBonusClick();
  EXPECT_EQ(puzzle_->bonusQuestion.Get(), "Which one is striped?");

  // Without a way to the library the button is there but disabled.
  auto alone = Open();
  EXPECT_FALSE(Get<QPushButton>(*alone, "ChangeLayoutButton")->isEnabled());
}

TEST_F(PrintOptionsWindowTest, HelpOpensTheWindowsTopicAndExitCloses) {
  std::vector<std::string> opened;
  SetHelpHandler([&](const std::string& keyword) { opened.push_back(keyword); });
  auto w = Open();
  w->findChild<QAction*>("HelpItem")->trigger();
  SetHelpHandler({});
  EXPECT_EQ(opened, (std::vector<std::string>{"Report Window"}));
  Show(*w);
  w->findChild<QAction*>("ExitItem")->trigger();
  EXPECT_FALSE(w->isVisible());
}

TEST_F(PrintOptionsWindowTest, WithoutAPrinterTheJobIsRefusedWithTheMessageAlone) {
  auto w = Open();
  EXPECT_FALSE(w->RunJob(ReportMode::Printer));
  EXPECT_EQ(seams_.Single(), kNoPrinters);
  EXPECT_FALSE(w->LastJob().puzzle);
  // View/Print records the page and previews it; it is printing from there that finds no printer.
  seams_.Clear();
  FinishedJob shown;
  const test::ModalScript script = PrintFromPreview(&shown);
  EXPECT_FALSE(w->RunJob(ReportMode::Memory));
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(shown.stream.isEmpty());
  EXPECT_EQ(seams_.Single(), kNoPrinters);
  EXPECT_EQ(w->LastJob().result.values.printedWords, 3);
  // Printer Setup has nothing to set up.
  seams_.Clear();
  w->PrinterSetupClick();
  EXPECT_EQ(seams_.Single(), "No printers are defined.");
}

TEST_F(PrintOptionsWindowTest, StatusWindowShowsItsProgressThenTheOutcomeAndTheWarningsInOrder) {
  // Words and a text that cannot fit their boxes.
  for (LayoutObject& o : puzzle_->pageLayout.objects) {
    if (o.kind == kKindWords) o.bounds.bottom = o.bounds.top + 4;
    if (o.kind == kKindText) o.bounds.right = o.bounds.left + 6;
    o.makeItFit = 0;
  }
  std::vector<QString> seen;
  PrintStatusWindow form(ReportMode::Memory, *puzzle_, PrintOptionsFrom(AppSettings()));
  EXPECT_EQ(form.windowTitle().toStdString(), "Report Status Screen");
  QTimer::singleShot(0, [&] { seen.push_back(form.StatusText()); });
  form.FormActivate();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen[0].toStdString(),
            "Printing Page 1\nPreparing the page for viewing\nObject 1 of 6");
  EXPECT_EQ(form.StatusText().toStdString(), "\nPuzzle Generated!");
  EXPECT_EQ(Get<QPushButton>(form, "CancelButton")->text().toStdString(), "OK");
  EXPECT_TRUE(form.Ran());
  EXPECT_FALSE(form.Cancelled());
  EXPECT_FALSE(form.Job().stream.isEmpty());
  const std::vector<std::string> texts = seams_.Texts();
  ASSERT_EQ(texts.size(), 2u) << texts[0];
  EXPECT_EQ(texts[0].rfind("Puzzle Words would not fit", 0), 0u) << texts[0];
  EXPECT_EQ(texts[1].rfind("Text would not fit", 0), 0u) << texts[1];
  for (const MessageRecord& m : seams_.Messages()) EXPECT_EQ(m.caption, "Warning");
}

TEST_F(PrintOptionsWindowTest, CancelDuringAPrinterJobStopsItAndNothingReachesTheQueue) {
  test::PrintQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.WhyNot();
  queue.Use();
  PrintStatusWindow form(ReportMode::Printer, *puzzle_, PrintOptionsFrom(AppSettings()));
  // Cancel is pressed once the job is under way; it is heard between two objects.
  std::function<void()> press = [&] {
    if (form.Running())
      Get<QPushButton>(form, "CancelButton")->click();
    else
      QTimer::singleShot(0, press);
  };
  QTimer::singleShot(0, press);
  form.exec();
  EXPECT_TRUE(form.Cancelled());
  EXPECT_TRUE(form.Ran());
  EXPECT_EQ(form.StatusText().toStdString(), "\nPuzzle Generation Canceled!");
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_TRUE(form.Job().result.fitWarnings.empty());
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_TRUE(queue.Jobs().empty());
}

TEST_F(PrintOptionsWindowTest, ViewPrintPreviewsThePageWhichPrintsOnThePrinterChosenInSetup) {
  test::PrintQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.WhyNot();
  queue.Use();
  auto w = Open();
  // Printer Setup: Cancel keeps the old choice, OK keeps the new one for the session.
  seams_.ChoosePrinter([](QPrinter& printer) {
    printer.setCopyCount(5);
    return false;
  });
  w->PrinterSetupClick();
  EXPECT_EQ(SessionPrinter().copies, 1);
  seams_.ChoosePrinter([&](QPrinter& printer) {
    EXPECT_EQ(printer.printerName().toStdString(), queue.Name());
    printer.setCopyCount(2);
    return true;
  });
  w->PrinterSetupClick();
  EXPECT_EQ(SessionPrinter().copies, 2);
  EXPECT_EQ(SessionPrinter().printerName.toStdString(), queue.Name());

  Get<QRadioButton>(*w, "Clues")->click();
  Box(*w, "PrintBonus")->click();  // off
  FinishedJob shown;
  const test::ModalScript script = PrintFromPreview(&shown);
  w->findChild<QAction*>("ViewPrintItem")->trigger();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(shown.result.values.printedWords, 3);
  EXPECT_TRUE(seams_.Messages().empty()) << seams_.Texts()[0];
  // The kept values stay for the export; the stream went with the preview.
  EXPECT_EQ(w->LastJob().result.values.printedWords, 3);
  EXPECT_TRUE(w->LastJob().stream.isEmpty());
  ASSERT_TRUE(w->LastJob().puzzle);

  const std::vector<std::string> pdfs = queue.WaitForPdfs(1);
  ASSERT_EQ(pdfs.size(), 1u);
  const test::PdfFacts pdf = test::ReadPdf(pdfs[0]);
  EXPECT_EQ(pdf.title, "Safari Printout");
  EXPECT_NE(pdf.text.find("1. graceful grazer"), std::string::npos) << pdf.text;
  EXPECT_EQ(pdf.text.find("Which one runs fastest?"), std::string::npos);
  EXPECT_NE(pdf.text.find("Bring a pencil"), std::string::npos);
  const std::vector<test::PrintQueue::Job> jobs = queue.Jobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].copies, 2);
}

TEST_F(PrintOptionsWindowTest, APrinterJobPrintsStraightAwayAndWordsOffKeepsTextsAndShapes) {
  test::PrintQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.WhyNot();
  queue.Use();
  puzzle_->bonusQuestion.Set("");
  auto w = Open();
  Box(*w, "PrintWords")->click();  // off
  EXPECT_FALSE(w->RunJob(ReportMode::Printer));
  EXPECT_TRUE(seams_.Messages().empty());
  const std::vector<std::string> pdfs = queue.WaitForPdfs(1);
  ASSERT_EQ(pdfs.size(), 1u);
  const test::PdfFacts pdf = test::ReadPdf(pdfs[0]);
  EXPECT_NE(pdf.text.find("Safari Printout"), std::string::npos);
  EXPECT_NE(pdf.text.find("Bring a pencil"), std::string::npos);
  EXPECT_EQ(pdf.text.find("CHEETAH"), std::string::npos);
  EXPECT_EQ(pdf.text.find("Which one"), std::string::npos);
  // The rectangle across the top is still there: a dark line a quarter inch down the page.
  const test::ShellRun png = test::RunShell("pdftoppm -r 40 -png -f 1 -l 1 -singlefile '" +
                                            pdfs[0] + "' '" + dir_.File("page") + "'");
  ASSERT_EQ(png.code, 0) << png.out;
  const QImage page(QString::fromStdString(dir_.File("page.png")));
  ASSERT_EQ(page.size(), QSize(340, 440));
  int dark = 0;
  for (int y = 9; y <= 16; ++y)
    for (int x = 40; x < 200; ++x) dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
  EXPECT_GT(dark, 100);

  // A queue that refuses jobs is said so, and the job does not count as run.
  queue.RejectJobs();
  EXPECT_FALSE(w->RunJob(ReportMode::Printer));
  EXPECT_EQ(seams_.Single(), "The printer " + queue.Name() + " did not take the job.");
}

}  // namespace
}  // namespace gw
