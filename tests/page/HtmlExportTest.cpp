// The web page: its lines exactly, the picture's name, and the page and picture written together
// or not at all.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "page/HtmlExport.h"
#include "page/ImageFiles.h"
#include "page/PageExport.h"
#include "page/PrintJob.h"
#include "support/Faults.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

const std::string kHead =
    "<HTML>\r\n <HEAD>\r\n  <TITLE>Word Search Puzzle</TITLE>\r\n"
    "  <META NAME=\"GENERATOR\" CONTENT=\"Kelvane / Gridwright 97\">\r\n </HEAD>\r\n <BODY>\r\n";
const std::string kPicture =
    "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n";
const std::string kTail = " </BODY>\r\n</HTML>\r\n";

HtmlPageOptions FirstUse() {
  return HtmlOptionsFrom(SettingsValues::Defaults(AppPaths("/start", "/program")));
}

TEST(HtmlPage, EveryLineInItsPlaceWithCrLfAndOnlyWhatIsSet) {
  // As a new user first makes it: the bold centred size-4 header, then the picture directly.
  HtmlPageOptions o = FirstUse();
  EXPECT_EQ(
      HtmlPageText(o, "PUZZLE.JPG"),
      kHead + "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n" + kPicture + kTail);
  // All blocks empty and no rules: the body holds only the picture.
  o.firstHeader.text.clear();
  EXPECT_EQ(HtmlPageText(o, "PUZZLE.JPG"), kHead + kPicture + kTail);
  // Every block and both rules, a two-line header keeping its CR LF inside its FONT element.
  o.firstHeader = {KeptBlockText("One\nand a half"), false, false, false, 3};
  o.secondHeader = {"Two", false, false, false, 2};
  o.firstFooter = {"Three", false, false, false, 5};
  o.secondFooter = {"Four", false, false, false, 6};
  o.horizontalUpper = o.horizontalLower = true;
  EXPECT_EQ(HtmlPageText(o, "PUZZLE.JPG"),
            kHead +
                "  <FONT SIZE=3>One\r\nand a half</FONT><P>\r\n  <FONT SIZE=2>Two</FONT><P>\r\n" +
                "  <HR><P>\r\n" + kPicture + "  <HR><P>\r\n" +
                "  <FONT SIZE=5>Three</FONT><P>\r\n  <FONT SIZE=6>Four</FONT><P>\r\n" + kTail);
}

TEST(HtmlPage, StylesNestItalicOutsideBoldAndTextGoesInAsTyped) {
  HtmlBlock b{"Tom & <i>Jerry</i>", true, true, true, 7};
  EXPECT_EQ(HtmlBlockLine(b),
            "  <CENTER><I><B><FONT SIZE=7>Tom & <i>Jerry</i></FONT></B></I></CENTER><P>");
  // A size edited by hand in the settings file stays within the sizes browsers know.
  b = {"x", false, true, false, 0};
  EXPECT_EQ(HtmlBlockLine(b), "  <I><FONT SIZE=1>x</FONT></I><P>");
  b.fontSize = 12;
  EXPECT_EQ(HtmlBlockLine(b), "  <I><FONT SIZE=7>x</FONT></I><P>");
}

TEST(HtmlPage, KeptTextsHaveCrLfLinesTheirLengthsAndNoHalfLineBreak) {
  EXPECT_EQ(KeptBlockText("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(KeptBlockText(std::string(1200, 'x')).size(), 999u);
  EXPECT_EQ(KeptBlockText(std::string(998, 'x') + "\nmore"), std::string(998, 'x'));
  EXPECT_EQ(KeptWebTitle("   My   page  "), "My   page");
  EXPECT_EQ(KeptWebTitle(std::string(150, 't')).size(), 100u);
}

TEST(HtmlPage, ThePictureIsNamedAfterThePageWithJpgAndItsSourceIsAnAddress) {
  EXPECT_EQ(HtmlPictureName("/home/u/PUZZLE.HTM"), "PUZZLE.JPG");
  EXPECT_EQ(HtmlPictureName("/home/u/puzzle.htm"), "puzzle.JPG");
  // Any extension length, or none; dots in folders and leading dots do not count.
  EXPECT_EQ(HtmlPictureName("/home/u/PUZZLE.html"), "PUZZLE.JPG");
  EXPECT_EQ(HtmlPictureName("/home/u.v/PUZZLE"), "PUZZLE.JPG");
  EXPECT_EQ(HtmlPictureName("/home/u/.htm"), ".htm.JPG");
  // A page named as its picture would be is never overwritten by it.
  EXPECT_EQ(HtmlPictureName("/home/u/PAGE.JPG"), "PAGE.JPG.JPG");
  EXPECT_EQ(HtmlPicturePath("/home/u/PUZZLE.HTM"), "/home/u/PUZZLE.JPG");

  EXPECT_EQ(HtmlSourceOf("PUZZLE_1-b.JPG"), "PUZZLE_1-b.JPG");
  EXPECT_EQ(HtmlSourceOf("my page #1?.JPG"), "my%20page%20%231%3F.JPG");
  EXPECT_EQ(HtmlSourceOf("a\"b%c\xC3\xA9.JPG"), "a%22b%25c%C3%A9.JPG");
}

class HtmlSave : public testing::Test {
 protected:
  HtmlSave() {
    // A recorded page with a dark rectangle, as the preview shows it at half size.
    auto puzzle = test::PagePuzzle(6, 6);
    LayoutObject& box = test::AddObject(*puzzle, kKindRectangle, 32, 400, 160, 480);
    box.optionB = 1;
    box.fillColor = 0;
    const FinishedJob job = RecordPage(*puzzle, PrintOptions{}, RecordingPage{QSizeF(8.5, 11), 96});
    image_ = PageImage(job.stream, 0, 50, kScreenDpi, kTrueColour);
  }
  // SaveHtmlPage in a child process under `limits`: "done" or its message.
  std::string InChild(const std::string& page, test::ChildLimits limits) {
    return test::RunInChild(
        [&] {
          const OpResult r = SaveHtmlPage(page, options_, image_, 95);
          return r.ok ? test::Done() : r.message;
        },
        limits);
  }
  HtmlPageOptions options_ = FirstUse();
  QImage image_;
  test::TempDir dir_;
};

TEST_F(HtmlSave, ThePageAndItsPictureLandTogetherInThePagesFolder) {
  std::filesystem::create_directory(dir_.File("site"));
  const std::string page = dir_.File("site/Safari.html");
  ASSERT_TRUE(SaveHtmlPage(page, options_, image_, 80).ok);
  EXPECT_EQ(test::ReadText(page), HtmlPageText(options_, "Safari.JPG"));
  EXPECT_EQ(test::Snapshot(dir_.File("site")).size(), 2u);  // no sibling left behind
  if (test::RunShell("command -v djpeg").code) GTEST_SKIP() << "djpeg is not installed";
  const std::string ppm = dir_.File("picture.ppm");
  ASSERT_EQ(
      test::RunShell("djpeg -pnm '" + dir_.File("site/Safari.JPG") + "' > '" + ppm + "'").code, 0);
  const QImage decoded(QString::fromStdString(ppm));
  EXPECT_EQ(decoded.size(), QSize(408, 528));  // letter paper at 48 pixels per inch
  EXPECT_LT(qGray(decoded.pixel(48, 330)), 60);
}

TEST_F(HtmlSave, APageThatCannotBeMadeSaysSoAndWritesNoPicture) {
  const OpResult missing = SaveHtmlPage(dir_.File("no such folder/page.htm"), options_, image_, 50);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "Unable to create html file.");
  EXPECT_EQ(missing.caption, "Error");

  if (const auto why = test::PermissionFaultsUnavailable()) GTEST_SKIP() << *why;
  std::filesystem::create_directory(dir_.File("locked"));
  test::ShareWithUnprivileged(dir_.Path());
  test::SetMode(dir_.File("locked"), 0555);
  EXPECT_EQ(InChild(dir_.File("locked/page.htm"), {std::nullopt, true}),
            "Unable to create html file.");
  EXPECT_TRUE(std::filesystem::is_empty(dir_.File("locked")));
}

TEST_F(HtmlSave, APictureThatCannotBeWrittenIsReportedAndLeavesNoPageBehind) {
  // The picture's name is taken by a folder; the old page stays as it was.
  test::WriteText(dir_.File("page.htm"), "the old page");
  std::filesystem::create_directory(dir_.File("page.JPG"));
  const OpResult folder = SaveHtmlPage(dir_.File("page.htm"), options_, image_, 50);
  EXPECT_FALSE(folder.ok);
  EXPECT_NE(folder.message.find(dir_.File("page.JPG")), std::string::npos) << folder.message;
  EXPECT_EQ(test::ReadText(dir_.File("page.htm")), "the old page");

  // The disk fills while the picture is written, after the page (a few hundred bytes) was ready.
  std::filesystem::create_directory(dir_.File("full"));
  const std::string outcome = InChild(dir_.File("full/page.htm"), {2000, false});
  EXPECT_NE(outcome.find("page.JPG"), std::string::npos) << outcome;
  EXPECT_TRUE(std::filesystem::is_empty(dir_.File("full")));
}

}  // namespace
}  // namespace gw
