// The web page: its lines exactly, the picture's name, and the page and picture written together
// or not at all.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "layouts/LayoutTables.h"
#include "output/CallLog.h"
#include "output/HtmlExport.h"
#include "output/ImageFiles.h"
#include "output/PageExport.h"
#include "support/Faults.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw {
namespace {

// The page with nothing but the first header's defaults set, as a new user first makes it.
HtmlPageOptions FirstUse() {
  return HtmlOptionsFrom(SettingsValues::Defaults(AppPaths("/start", "/program")));
}

// The lines between <BODY> and </BODY>, each without its CR LF; fails when a line ends otherwise.
std::vector<std::string> Body(const std::string& page) {
  std::vector<std::string> lines;
  size_t at = 0;
  bool inBody = false;
  while (at < page.size()) {
    const size_t end = page.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "the page does not end in CR LF";
      break;
    }
    const std::string line = page.substr(at, end - at);
    at = end + 2;
    if (line == " </BODY>") inBody = false;
    if (inBody) lines.push_back(line);
    if (line == " <BODY>") inBody = true;
  }
  return lines;
}

const std::string kPictureLine =
    "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>";

TEST(HtmlPage, TheFirstPageIsTheBoldCentredHeaderThenThePictureInCrLfLines) {
  HtmlPageOptions o = FirstUse();
  o.webTitle = "Word Search Puzzle";
  const std::string page = HtmlPageText(o, "PUZZLE.JPG");
  EXPECT_EQ(page,
            "<HTML>\r\n"
            " <HEAD>\r\n"
            "  <TITLE>Word Search Puzzle</TITLE>\r\n"
            "  <META NAME=\"GENERATOR\" CONTENT=\"Kelvane / Gridwright 97\">\r\n"
            " </HEAD>\r\n"
            " <BODY>\r\n"
            "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n" +
                kPictureLine +
                "\r\n"
                " </BODY>\r\n"
                "</HTML>\r\n");
  // No line ends in a bare LF or CR.
  for (size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') {
      EXPECT_TRUE(i > 0 && page[i - 1] == '\r') << i;
    }
    if (page[i] == '\r') {
      EXPECT_TRUE(i + 1 < page.size() && page[i + 1] == '\n') << i;
    }
  }
}

TEST(HtmlPage, StylesNestFontInsideBoldInsideItalicInsideCenterAndTextGoesInAsTyped) {
  HtmlBlock b{"Tom & <i>Jerry</i>", true, true, false, 7};
  EXPECT_EQ(HtmlBlockLine(b), "  <I><B><FONT SIZE=7>Tom & <i>Jerry</i></FONT></B></I><P>");
  b.center = true;
  b.fontSize = 1;
  EXPECT_EQ(HtmlBlockLine(b),
            "  <CENTER><I><B><FONT SIZE=1>Tom & <i>Jerry</i></FONT></B></I></CENTER><P>");
  b = {"Plain", false, true, false, 3};
  EXPECT_EQ(HtmlBlockLine(b), "  <I><FONT SIZE=3>Plain</FONT></I><P>");
  // A size edited by hand in the settings file stays within the sizes browsers know.
  b = {"x", false, false, false, 0};
  EXPECT_EQ(HtmlBlockLine(b), "  <FONT SIZE=1>x</FONT><P>");
  b.fontSize = 12;
  EXPECT_EQ(HtmlBlockLine(b), "  <FONT SIZE=7>x</FONT><P>");
}

TEST(HtmlPage, BlocksAndRulesTakeTheirPlacesAroundThePictureOnlyWhenSet) {
  HtmlPageOptions o;
  o.webTitle = "T";
  EXPECT_EQ(Body(HtmlPageText(o, "PUZZLE.JPG")), std::vector<std::string>{kPictureLine});

  o.firstHeader = {"One", false, false, false, 3};
  o.secondHeader = {"Two", false, false, false, 2};
  o.firstFooter = {"Three", false, false, false, 5};
  o.secondFooter = {"Four", false, false, false, 6};
  o.horizontalUpper = o.horizontalLower = true;
  EXPECT_EQ(
      Body(HtmlPageText(o, "PUZZLE.JPG")),
      (std::vector<std::string>{
          "  <FONT SIZE=3>One</FONT><P>", "  <FONT SIZE=2>Two</FONT><P>", "  <HR><P>", kPictureLine,
          "  <HR><P>", "  <FONT SIZE=5>Three</FONT><P>", "  <FONT SIZE=6>Four</FONT><P>"}));
  o.secondHeader.text.clear();
  o.horizontalLower = false;
  o.firstFooter.text.clear();
  EXPECT_EQ(Body(HtmlPageText(o, "PUZZLE.JPG")),
            (std::vector<std::string>{"  <FONT SIZE=3>One</FONT><P>", "  <HR><P>", kPictureLine,
                                      "  <FONT SIZE=6>Four</FONT><P>"}));
}

TEST(HtmlPage, ATwoLineHeaderKeepsItsCrLfInsideTheFontElement) {
  HtmlPageOptions o;
  o.firstHeader = {KeptBlockText("Animals\nof the plain"), true, false, false, 3};
  const std::string page = HtmlPageText(o, "P.JPG");
  EXPECT_NE(page.find("  <B><FONT SIZE=3>Animals\r\nof the plain</FONT></B><P>\r\n"),
            std::string::npos)
      << page;
}

TEST(HtmlPage, KeptTextsHaveCrLfLinesAndTheirLengthsAndTheTitleIsTrimmed) {
  EXPECT_EQ(KeptBlockText("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(KeptBlockText(std::string(1200, 'x')).size(), 999u);
  // Cut at 999 characters between CR and LF: the half line break goes too.
  const std::string cut = KeptBlockText(std::string(998, 'x') + "\nmore");
  EXPECT_EQ(cut, std::string(998, 'x'));
  EXPECT_EQ(KeptWebTitle("   My   page  "), "My   page");
  EXPECT_EQ(KeptWebTitle(std::string(150, 't')).size(), 100u);
}

TEST(HtmlPage, ThePictureIsThePageNameWithItsExtensionReplacedByJpg) {
  EXPECT_EQ(HtmlPictureName("/home/u/PUZZLE.HTM"), "PUZZLE.JPG");
  EXPECT_EQ(HtmlPictureName("/home/u/puzzle.htm"), "puzzle.JPG");
  // Any extension length, or none; dots in folders and leading dots do not count.
  EXPECT_EQ(HtmlPictureName("/home/u/PUZZLE.html"), "PUZZLE.JPG");
  EXPECT_EQ(HtmlPictureName("/home/u.v/PUZZLE"), "PUZZLE.JPG");
  EXPECT_EQ(HtmlPictureName("/home/u/.htm"), ".htm.JPG");
  EXPECT_EQ(HtmlPictureName("a.b.htm"), "a.b.JPG");
  // A page named as its picture would be keeps its own name.
  EXPECT_EQ(HtmlPictureName("/home/u/PAGE.JPG"), "PAGE.JPG.JPG");
  EXPECT_EQ(HtmlPicturePath("/home/u/PUZZLE.HTM"), "/home/u/PUZZLE.JPG");
  EXPECT_EQ(HtmlPicturePath("PUZZLE.HTM"), "PUZZLE.JPG");
}

TEST(HtmlPage, PictureNamesThatMeanSomethingInAnAddressAreEncodedInTheSource) {
  EXPECT_EQ(HtmlSourceOf("PUZZLE_1-b.JPG"), "PUZZLE_1-b.JPG");
  EXPECT_EQ(HtmlSourceOf("my page #1?.JPG"), "my%20page%20%231%3F.JPG");
  EXPECT_EQ(HtmlSourceOf("a\"b%c.JPG"), "a%22b%25c.JPG");
  EXPECT_EQ(HtmlSourceOf("caf\xC3\xA9.JPG"), "caf%C3%A9.JPG");  // the file name's UTF-8 bytes
  HtmlPageOptions o;
  EXPECT_NE(HtmlPageText(o, "my page.JPG").find("SRC=\"my%20page.JPG\""), std::string::npos);
}

// A recorded page with a dark rectangle, as the preview shows it at half size.
QImage PreviewImage() {
  auto puzzle = test::PagePuzzle(6, 6);
  test::SetWords(*puzzle, {"ABC"});
  test::AddObject(*puzzle, kKindPuzzle, 32, 64, 288, 320);
  LayoutObject& box = test::AddObject(*puzzle, kKindRectangle, 32, 400, 160, 480);
  box.optionB = 1;
  box.fillColor = 0;
  PageJobResult result;
  const RecordedReport report = RecordPage(*puzzle, PrintOptions{}, 96, result);
  return PageImage(report.stream, 0, 50, kScreenDpi, kTrueColour);
}

class HtmlSave : public testing::Test {
 protected:
  HtmlPageOptions options_ = FirstUse();
  QImage image_ = PreviewImage();
  test::TempDir dir_;
};

TEST_F(HtmlSave, ThePageAndItsPictureLandTogetherInThePagesFolderWhateverTheCurrentOne) {
  std::filesystem::create_directory(dir_.File("site"));
  const std::string page = dir_.File("site/Safari.html");
  ASSERT_TRUE(SaveHtmlPage(page, options_, image_, 80).ok);
  EXPECT_EQ(test::ReadText(page), HtmlPageText(options_, "Safari.JPG"));
  ASSERT_GT(test::FileSize(dir_.File("site/Safari.JPG")), 0);
  // Only the two files: no sibling left behind, nothing in the current folder.
  EXPECT_EQ(test::Snapshot(dir_.File("site")).size(), 2u);

  if (!test::RunShell("command -v djpeg").code) {
    const std::string ppm = dir_.File("picture.ppm");
    ASSERT_EQ(
        test::RunShell("djpeg -pnm '" + dir_.File("site/Safari.JPG") + "' > '" + ppm + "'").code,
        0);
    const QImage decoded(QString::fromStdString(ppm));
    EXPECT_EQ(decoded.size(), image_.size());
    EXPECT_EQ(decoded.size(), QSize(408, 528));  // letter paper at 48 pixels per inch
    EXPECT_LT(qGray(decoded.pixel(48, 330)), 60);
  }

  // Saving again replaces both.
  options_.webTitle = "Again";
  ASSERT_TRUE(SaveHtmlPage(page, options_, image_, 20).ok);
  EXPECT_NE(test::ReadText(page).find("<TITLE>Again</TITLE>"), std::string::npos);
}

TEST_F(HtmlSave, APageThatCannotBeMadeSaysSoAndWritesNoPicture) {
  const OpResult missing = SaveHtmlPage(dir_.File("no such folder/page.htm"), options_, image_, 50);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "Unable to create html file.");
  EXPECT_EQ(missing.caption, "Error");

  // A folder under the page's name is never replaced.
  std::filesystem::create_directory(dir_.File("page.htm"));
  EXPECT_EQ(SaveHtmlPage(dir_.File("page.htm"), options_, image_, 50).message,
            "Unable to create html file.");
  EXPECT_EQ(test::Snapshot(dir_.Path()).size(), 1u);

  if (const auto why = test::PermissionFaultsUnavailable()) GTEST_SKIP() << *why;
  std::filesystem::create_directory(dir_.File("locked"));
  test::ShareWithUnprivileged(dir_.Path());
  test::SetMode(dir_.File("locked"), 0555);
  const std::string outcome = test::RunInChild(
      [&] {
        const OpResult r = SaveHtmlPage(dir_.File("locked/page.htm"), options_, image_, 50);
        return r.ok ? test::Done() : r.message;
      },
      {.fileSizeLimit = std::nullopt, .unprivileged = true});
  EXPECT_EQ(outcome, "Unable to create html file.");
  EXPECT_TRUE(std::filesystem::is_empty(dir_.File("locked")));
}

TEST_F(HtmlSave, APictureThatCannotBeWrittenIsReportedAndLeavesNoPageBehind) {
  // The picture's name is taken by a folder.
  std::filesystem::create_directory(dir_.File("page.JPG"));
  const OpResult folder = SaveHtmlPage(dir_.File("page.htm"), options_, image_, 50);
  EXPECT_FALSE(folder.ok);
  EXPECT_EQ(folder.caption, "Error");
  EXPECT_NE(folder.message.find(dir_.File("page.JPG")), std::string::npos) << folder.message;
  EXPECT_FALSE(std::filesystem::exists(dir_.File("page.htm")));

  // A picture too wide for JPEG, and an old page kept as it was.
  test::WriteText(dir_.File("old.htm"), "the old page");
  QImage wide(70000, 1, QImage::Format_RGB32);
  wide.fill(Qt::white);
  EXPECT_FALSE(SaveHtmlPage(dir_.File("old.htm"), options_, wide, 50).ok);
  EXPECT_EQ(test::ReadText(dir_.File("old.htm")), "the old page");

  // The disk fills while the picture is written: the page (a few hundred bytes) was ready, the
  // picture is not, and neither is left.
  std::filesystem::create_directory(dir_.File("full"));
  const std::string outcome = test::RunInChild(
      [&] {
        const OpResult r = SaveHtmlPage(dir_.File("full/page.htm"), options_, image_, 95);
        return r.ok ? test::Done() : r.message;
      },
      {.fileSizeLimit = 2000});
  EXPECT_NE(outcome.find("page.JPG"), std::string::npos) << outcome;
  EXPECT_TRUE(std::filesystem::is_empty(dir_.File("full")));
}

}  // namespace
}  // namespace gw
