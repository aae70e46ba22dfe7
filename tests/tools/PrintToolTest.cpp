// gridwright-make --print as a user runs it, printing through a real print queue.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/PrintQueue.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::RunShell;

class PrintToolTest : public testing::Test {
 protected:
  void SetUp() override {
    test::UseNoPrinters();
    test::WriteText(dir_.File("words.txt"),
                    "LION : king of beasts\nTIGER : striped cat\nZEBRA : a striped horse\n");
    std::filesystem::create_directory(dir_.File("lib"));
    for (const char* title : {"Safari", "Jungle"})
      ASSERT_EQ(Tool(std::string("words.txt --library lib --group G.QL3 --seed 5 --attempts 5 "
                                 "--title ") +
                     title)
                    .code,
                0);
  }
  test::ShellRun Tool(const std::string& arguments) {
    return RunShell("cd '" + dir_.Path() + "' && '" GW_MAKE_TOOL "' " + arguments);
  }
  test::TempDir dir_;
};

TEST_F(PrintToolTest, ABookGoesToTheQueueAsOneJobWithItsCopies) {
  test::PrintQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.WhyNot();
  queue.Use();
  const test::ShellRun run =
      Tool("--print G.QL3 all --copies 2 --words clues --printer " + queue.Name());
  ASSERT_EQ(run.code, 0) << run.out;
  EXPECT_NE(run.out.find(queue.Name() + ": 4 pages, 2 copies"), std::string::npos) << run.out;
  const std::vector<std::string> pdfs = queue.WaitForPdfs(1);
  ASSERT_EQ(pdfs.size(), 1u);
  const test::PdfFacts pdf = test::ReadPdf(pdfs[0]);
  EXPECT_GE(pdf.pages, 4);
  EXPECT_NEAR(pdf.width, 612, 1.5);
  EXPECT_NEAR(pdf.height, 792, 1.5);
  for (const char* text : {"Safari", "Jungle", "king of beasts", "a striped horse"})
    EXPECT_NE(pdf.text.find(text), std::string::npos) << text;
  const std::vector<test::PrintQueue::Job> jobs = queue.Jobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].copies, 2);
  EXPECT_EQ(jobs[0].state, "completed");
}

TEST_F(PrintToolTest, NoPrinterExitsThreeAndBadInputTwoPrintingNothing) {
  test::ShellRun run = Tool("--print G.QL3 0");
  EXPECT_EQ(run.code, 3);
  EXPECT_NE(run.out.find("gridwright-make: No printers are defined, aborting print job."),
            std::string::npos)
      << run.out;
  const struct {
    const char* args;
    const char* message;
  } bad[] = {{"--print G.QL3 0 --copies 0", "--copies takes 1 to 999"},
             {"--print G.QL3 9", "G.QL3 has no record 9"},
             {"--print G.QL3", "--print takes a group file and a record number or all"},
             {"--print G.QL3 0 --words sideways", "--words takes normal"},
             {"--print G.QL3 0 --out x.pdf", "unknown option --out"}};
  for (const auto& b : bad) {
    run = Tool(b.args);
    EXPECT_EQ(run.code, 2) << b.args;
    EXPECT_NE(run.out.find(b.message), std::string::npos) << b.args << "\n" << run.out;
  }

  test::PrintQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.WhyNot();
  queue.Use();
  run = Tool("--print G.QL3 0 --printer NoSuchPrinter");
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.out.find("there is no printer NoSuchPrinter"), std::string::npos) << run.out;
  EXPECT_TRUE(queue.Jobs().empty());

  // A queue that refuses jobs is a failure, never "1 page".
  queue.RejectJobs();
  run = Tool("--print G.QL3 0");
  EXPECT_EQ(run.code, 3) << run.out;
  EXPECT_EQ(run.out, "gridwright-make: the printer " + queue.Name() + " did not take the job\n");
  EXPECT_TRUE(queue.Jobs().empty());
}

}  // namespace
}  // namespace gw
