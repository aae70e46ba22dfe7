// "Print Puzzle Book" driven as a user drives it: choosing puzzles and pages, the preview paged
// through, a PDF saved (never over a group), and the sample group printed through a real queue.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "base/Settings.h"
#include "page/CallLog.h"
#include "page/PrinterSetup.h"
#include "printing/PreviewWindow.h"
#include "printing/PuzzleBookWindow.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/ModalScript.h"
#include "support/PrintQueue.h"
#include "support/Seams.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

class PuzzleBookWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    test::ResetProgramWide(AppPaths(dir_.Path(), dir_.Path()));
    test::UseNoPrinters();
    SessionPrinter() = PrinterChoice{};
    for (const char* title : {"Lions", "Tigers", "Bears"}) {
      auto p = test::PrintablePuzzle();
      p->title.Set(title);
      ASSERT_TRUE(AppendPuzzle(Group(), *p));
    }
  }
  std::string Group() const { return dir_.File("G.QL3"); }
  template <typename T>
  static T* Get(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(name);
    EXPECT_TRUE(found) << name;
    return found;
  }
  static bool Have(const char* program) {
    return test::RunShell(std::string("command -v ") + program).code == 0;
  }

  test::TempDir dir_;
  test::ScriptedSeams seams_;
};

TEST_F(PuzzleBookWindowTest, SavingAsPdfWritesTheChosenPuzzlesAndNeverOverwritesAGroup) {
  PuzzleBookWindow w(AppPaths(dir_.Path(), dir_.Path()), Group());
  EXPECT_EQ(w.windowTitle(), "Print Puzzle Book");
  auto* list = Get<QListWidget>(w, "PuzzleList");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "Bears");
  EXPECT_EQ(w.ChosenRecords(), (std::vector<int>{0, 1, 2}));

  // Nothing chosen, then a size that is no size: each is said, and nothing is asked or written.
  Get<QPushButton>(w, "ClearAllButton")->click();
  Get<QPushButton>(w, "SavePdfButton")->click();
  EXPECT_EQ(seams_.Single(), "No puzzles have been chosen for the book.");
  seams_.Clear();
  list->item(0)->setCheckState(Qt::Checked);
  list->item(2)->setCheckState(Qt::Checked);
  Get<QComboBox>(w, "TrimBox")->setCurrentIndex(6);
  EXPECT_TRUE(Get<QLineEdit>(w, "TrimEdit")->isEnabled());
  Get<QLineEdit>(w, "TrimEdit")->setText("wide");
  Get<QPushButton>(w, "SavePdfButton")->click();
  EXPECT_EQ(seams_.Single().rfind("The page size must be a width and a height in inches", 0), 0u);
  EXPECT_TRUE(seams_.FileDialogs().empty());
  seams_.Clear();

  Get<QLineEdit>(w, "TrimEdit")->setText("6 x 9");
  Get<QCheckBox>(w, "TitlePageCheck")->setChecked(true);
  Get<QLineEdit>(w, "TitlePageEdit")->setText("Big Cats");
  Get<QComboBox>(w, "KeysPerPageBox")->setCurrentIndex(0);  // one key a page
  seams_.ChooseFile(dir_.File("cats.pdf"));
  Get<QPushButton>(w, "SavePdfButton")->click();
  EXPECT_TRUE(seams_.Messages().empty()) << seams_.Texts()[0];
  if (Have("pdfinfo")) {
    const test::PdfFacts pdf = test::ReadPdf(dir_.File("cats.pdf"));
    EXPECT_EQ(pdf.pages, 5);  // title, two puzzles numbered from 1, two keys
    EXPECT_NEAR(pdf.width, 432, 1);
    EXPECT_NEAR(pdf.height, 648, 1);
    EXPECT_EQ(pdf.title, "Big Cats");
    for (const char* text : {"Lions, page 1", "Bears, page 2", "Answers"})
      EXPECT_NE(pdf.text.find(text), std::string::npos) << text << "\n" << pdf.text;
    EXPECT_EQ(pdf.text.find("Tigers"), std::string::npos);
  }

  // The group itself, picked by a slip in the file dialog, is left as it was.
  const std::vector<char> before = test::ReadBytes(Group());
  seams_.ChooseFile(Group());
  Get<QPushButton>(w, "SavePdfButton")->click();
  EXPECT_NE(seams_.Single().find("exists and is not a PDF; it is left as it is."),
            std::string::npos);
  EXPECT_EQ(test::ReadBytes(Group()), before);
}

TEST_F(PuzzleBookWindowTest, ThePreviewPagesThroughTheBookAndPrintingNeedsAPrinter) {
  PuzzleBookWindow w(AppPaths(dir_.Path(), dir_.Path()), Group());
  Get<QComboBox>(w, "KeysBox")->setCurrentIndex(1);  // after each puzzle
  EXPECT_FALSE(Get<QComboBox>(w, "KeysPerPageBox")->isEnabled());
  std::vector<std::string> seen;
  test::ModalScript script({[&] {
    auto* preview = test::ModalScript::Visible<PreviewWindow>();
    if (!preview) return false;
    EXPECT_EQ(preview->PageCount(), 6);
    auto* label = preview->findChild<QLabel*>("PageLabel");
    seen.push_back(label->text().toStdString());
    preview->NextPageClick();
    seen.push_back(label->text().toStdString());
    preview->ShowPage(99);
    seen.push_back(label->text().toStdString());
    preview->PreviousPageClick();
    seen.push_back(label->text().toStdString());
    // A book is drawn once: no metafile of one of its pages.
    EXPECT_FALSE(preview->findChild<QAction*>("WmfItem")->isEnabled());
    preview->ExitClick();
    return true;
  }});
  Get<QPushButton>(w, "PreviewButton")->click();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(seen,
            (std::vector<std::string>{"Page 1 of 6", "Page 2 of 6", "Page 6 of 6", "Page 5 of 6"}));
  EXPECT_TRUE(seams_.Messages().empty());

  Get<QPushButton>(w, "PrintButton")->click();
  EXPECT_EQ(seams_.Single(), kNoPrinters);
}

TEST_F(PuzzleBookWindowTest, TheSampleBookPrintsThroughARealQueue) {
  test::PrintQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.WhyNot();
  queue.Use();
  std::filesystem::copy_file(GW_SAMPLE_GROUP, dir_.File("Samples.QL3"));
  PuzzleBookWindow w(AppPaths(dir_.Path(), dir_.Path()), dir_.File("Samples.QL3"));
  Get<QComboBox>(w, "TrimBox")->setCurrentIndex(1);  // Letter
  Get<QCheckBox>(w, "ContentsCheck")->setChecked(true);
  Get<QPushButton>(w, "PrintButton")->click();
  EXPECT_TRUE(seams_.Messages().empty()) << seams_.Texts()[0];
  const std::vector<std::string> pdfs = queue.WaitForPdfs(1);
  ASSERT_EQ(pdfs.size(), 1u);
  const test::PdfFacts pdf = test::ReadPdf(pdfs[0]);
  EXPECT_EQ(pdf.pages, 9);  // contents, six puzzles, two pages of keys
  EXPECT_NEAR(pdf.width, 612, 1.5);
  for (const char* text :
       {"Contents", "Zoo Animals", "What's the Weather?", "Answers", "Sports Day, page 6"})
    EXPECT_NE(pdf.text.find(text), std::string::npos) << text;
  EXPECT_EQ(pdf.title, "Samples");  // the job's name: the group's
  EXPECT_EQ(queue.Jobs().size(), 1u);
}

}  // namespace
}  // namespace gw
