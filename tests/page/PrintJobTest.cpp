// Print jobs through a real print queue: paper, orientation, word forms, cancelling, replaying a
// recorded page, and no printer at all.
#include <gtest/gtest.h>

#include <QPrinter>
#include <algorithm>
#include <cctype>
#include <sstream>

#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "page/ListTexts.h"
#include "page/PrintJob.h"
#include "page/PrinterSetup.h"
#include "support/PrintQueue.h"

namespace gw {
namespace {

constexpr double kPt = 72.0;

#define START_QUEUE(queue)                            \
  test::PrintQueue queue;                             \
  if (!queue.Ready()) GTEST_SKIP() << queue.WhyNot(); \
  queue.Use();                                        \
  SessionPrinter() = PrinterChoice {}

// The page's size as printed, whichever way round the sheet was fed.
void ExpectSheet(const test::PdfFacts& pdf, double widthInches, double heightInches) {
  EXPECT_NEAR(std::min(pdf.width, pdf.height), std::min(widthInches, heightInches) * kPt, 1.5);
  EXPECT_NEAR(std::max(pdf.width, pdf.height), std::max(widthInches, heightInches) * kPt, 1.5);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool HasWord(const std::string& text, const std::string& word) {
  const std::vector<std::string> words = Words(text);
  return std::find(words.begin(), words.end(), word) != words.end();
}

PrintOutcome PrintOne(PuzzleRecord& puzzle, const PrintOptions& options,
                      const std::function<bool()>& cancelled = {}) {
  QPrinter printer(QPrinter::HighResolution);
  EXPECT_TRUE(UsePrinter(printer, SessionPrinter()));
  return PrintPages(printer, {{&puzzle, options}}, cancelled);
}

TEST(PrintJob, EachWordFormPrintsThroughTheQueueWithTheTitleOnTheLayoutsPaper) {
  START_QUEUE(queue);
  for (long form = kNormalWords; form <= kPartialWords; ++form) {
    auto p = test::PrintablePuzzle();
    PrintOptions o;
    o.wordOption = form;
    o.firstLetters = 2;
    o.lastLetters = 1;
    const PrintOutcome out = PrintOne(*p, o);
    ASSERT_TRUE(out.started);
    ASSERT_EQ(out.pages.size(), 1u);
    EXPECT_TRUE(out.pages[0].ran && !out.cancelled);
  }
  const std::vector<std::string> pdfs = queue.WaitForPdfs(4);
  ASSERT_EQ(pdfs.size(), 4u);
  for (size_t i = 0; i < pdfs.size(); ++i) {
    const long form = static_cast<long>(i) + 1;
    const test::PdfFacts pdf = test::ReadPdf(pdfs[i]);
    SCOPED_TRACE("word form " + std::to_string(form));
    EXPECT_EQ(pdf.pages, 1);
    ExpectSheet(pdf, 8.5, 11);
    EXPECT_EQ(pdf.title, "Safari Printout");
    EXPECT_NE(pdf.text.find("Safari Printout"), std::string::npos);
    EXPECT_NE(pdf.text.find("Which one runs fastest?"), std::string::npos);
    EXPECT_NE(pdf.text.find("Bring a pencil"), std::string::npos);
    const bool clues = form == kClues;
    EXPECT_EQ(pdf.text.find("spotted sprinter") != std::string::npos, clues) << pdf.text;
    EXPECT_EQ(HasWord(pdf.text, "CHEETAH"), form == kNormalWords) << pdf.text;
    if (form == kPartialWords) {
      EXPECT_TRUE(HasWord(pdf.text, PartialWord("CHEETAH", 2, 1, false))) << pdf.text;
    }
    if (form == kScrambledWords) {
      // Each word in lower case with its letters moved about.
      std::string sorted = "cheetah";
      std::sort(sorted.begin(), sorted.end());
      bool found = false;
      for (std::string w : Words(pdf.text)) {
        std::sort(w.begin(), w.end());
        found = found || w == sorted;
      }
      EXPECT_TRUE(found) << pdf.text;
    }
  }
  for (const test::PrintQueue::Job& job : queue.Jobs()) EXPECT_EQ(job.state, "completed");
}

TEST(PrintJob, PaperAndOrientationComeFromTheLayoutWhateverThePrintersOwnPaper) {
  START_QUEUE(queue);
  SessionPrinter().paper = QPageSize(QPageSize::Legal);  // chosen in the setup dialog
  auto a4 = test::PrintablePuzzle();
  SetPaper(a4->pageLayout, *FindPaper("A4"), false);
  ASSERT_TRUE(PrintOne(*a4, PrintOptions{}).started);
  auto custom = test::PrintablePuzzle();
  PageLayout& l = custom->pageLayout;
  l.paperName.Set("Custom");
  l.inches = 0;
  l.pageWidth = 15;  // centimetres, portrait
  l.pageHeight = 20;
  l.portrait = 1;
  ASSERT_TRUE(PrintOne(*custom, PrintOptions{}).started);

  const std::vector<std::string> pdfs = queue.WaitForPdfs(2);
  ASSERT_EQ(pdfs.size(), 2u);
  const test::PdfFacts landscape = test::ReadPdf(pdfs[0]);
  ExpectSheet(landscape, 21 / 2.54, 29.7 / 2.54);
  // A4 across: the printer feeds the sheet upright, so the page's text runs down it.
  EXPECT_TRUE(test::WordRunsDown(pdfs[0], "Safari"));
  const test::PdfFacts small = test::ReadPdf(pdfs[1]);
  ExpectSheet(small, 15 / 2.54, 20 / 2.54);
  EXPECT_FALSE(test::WordRunsDown(pdfs[1], "Safari"));
  EXPECT_NE(small.text.find("Safari Printout"), std::string::npos);
}

TEST(PrintJob, ACancelledJobNeverReachesTheQueue) {
  START_QUEUE(queue);
  auto p = test::PrintablePuzzle();
  int asked = 0;
  const PrintOutcome cancelled = PrintOne(*p, PrintOptions{}, [&] { return ++asked > 2; });
  EXPECT_FALSE(cancelled.started);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(asked, 3);  // stopped before the third object
  auto q = test::PrintablePuzzle();
  q->title.Set("Second Printout");
  ASSERT_TRUE(PrintOne(*q, PrintOptions{}).started);
  const std::vector<std::string> pdfs = queue.WaitForPdfs(1);
  ASSERT_EQ(pdfs.size(), 1u);
  EXPECT_EQ(test::ReadPdf(pdfs[0]).title, "Second Printout");
  EXPECT_EQ(queue.Jobs().size(), 1u);
}

TEST(PrintJob, ARecordedPagePrintsAsThePagePrintedDirectly) {
  START_QUEUE(queue);
  PrintOptions o;
  o.wordOption = kClues;
  o.answerKey = true;
  auto direct = test::PrintablePuzzle();
  ASSERT_TRUE(PrintOne(*direct, o).started);
  auto recorded = test::PrintablePuzzle();
  const FinishedJob job =
      RecordPage(*recorded, o, RecordingPageFor(PaperOfLayout(recorded->pageLayout)));
  ASSERT_FALSE(job.stream.isEmpty());
  ASSERT_TRUE(job.puzzle);
  EXPECT_EQ(job.puzzle->pageLayout.objects[0].fittedFontSize,
            recorded->pageLayout.objects[0].fittedFontSize);
  EXPECT_EQ(job.result.values.printedWords, 3);
  EXPECT_EQ(job.options.wordOption, kClues);
  QPrinter printer(QPrinter::HighResolution);
  ASSERT_TRUE(UsePrinter(printer, SessionPrinter()));
  printer.setDocName(QStringLiteral("Safari Printout"));
  ASSERT_TRUE(PrintReportStream(printer, job.stream));

  const std::vector<std::string> pdfs = queue.WaitForPdfs(2);
  ASSERT_EQ(pdfs.size(), 2u);
  const test::PdfFacts a = test::ReadPdf(pdfs[0]), b = test::ReadPdf(pdfs[1]);
  EXPECT_EQ(Words(a.text), Words(b.text));
  EXPECT_NE(b.text.find("spotted sprinter"), std::string::npos);
  ExpectSheet(b, 8.5, 11);
  // A damaged stream (cut inside its last operation) sends nothing.
  EXPECT_FALSE(PrintReportStream(printer, job.stream.left(job.stream.size() - 3)));
  EXPECT_EQ(queue.Jobs().size(), 2u);

  // A queue that refuses jobs: neither way of printing counts as printed.
  queue.RejectJobs();
  EXPECT_FALSE(PrintReportStream(printer, job.stream));
  EXPECT_FALSE(PrintOne(*direct, o).started);
  EXPECT_EQ(PrinterDidNotTakeJob(printer),
            "The printer " + queue.Name() + " did not take the job.");
  EXPECT_EQ(queue.Jobs().size(), 2u);
}

TEST(PrinterSetup, TheChosenPrinterServesWhileInstalledAndRecordingTakesItsPage) {
  START_QUEUE(queue);
  PrinterChoice choice;
  choice.printerName = QStringLiteral("no such printer");
  EXPECT_EQ(TargetPrinter(choice).toStdString(), queue.Name());  // the default instead
  choice.printerName = QString::fromStdString(queue.Name());
  choice.copies = 2;
  QPrinter printer(QPrinter::HighResolution);
  ASSERT_TRUE(UsePrinter(printer, choice));
  EXPECT_EQ(printer.copyCount(), 2);
  PrinterChoice kept;
  RememberPrinter(printer, kept);
  EXPECT_EQ(kept.printerName, choice.printerName);
  EXPECT_EQ(kept.copies, 2);

  // Recording for this printer takes its resolution and the physical page it took.
  const PagePaper legal{5, 8.5, 14, true};
  const RecordingPage page = RecordingPageFor(legal);
  EXPECT_EQ(page.dpi, QPrinter(QPrinter::HighResolution).resolution());
  EXPECT_NEAR(page.size.width(), 8.5, 0.01);
  EXPECT_NEAR(page.size.height(), 14, 0.01);
}

TEST(PrinterSetup, WithoutAnyPrinterNothingIsSetUpAndPagesAreRecordedOnTheirPaper) {
  test::UseNoPrinters();
  EXPECT_FALSE(AnyPrinter());
  EXPECT_TRUE(TargetPrinter(SessionPrinter()).isEmpty());
  QPrinter printer(QPrinter::HighResolution);
  EXPECT_FALSE(UsePrinter(printer, SessionPrinter()));
  const RecordingPage page = RecordingPageFor(PagePaper{9, 11.69, 8.27, false});
  EXPECT_EQ(page.dpi, kRecordingDpi);
  EXPECT_DOUBLE_EQ(page.size.width(), 11.69);
  EXPECT_DOUBLE_EQ(page.size.height(), 8.27);
}

TEST(PrintJob, ANoColumnsRefusalSendsNothing) {
  test::UseNoPrinters();
  auto p = test::PrintablePuzzle();
  PrintOptions o;
  o.numColumns = 0;
  QPrinter printer(QPrinter::HighResolution);
  const PrintOutcome out = PrintPages(printer, {{p.get(), o}});
  EXPECT_FALSE(out.started);
  ASSERT_EQ(out.pages.size(), 1u);
  EXPECT_EQ(out.pages[0].refusal, "Invalid number of columns specified.");
}

}  // namespace
}  // namespace gw
