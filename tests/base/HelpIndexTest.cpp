// The help collection's contents and keyword index.
#include <gtest/gtest.h>

#include "base/HelpIndex.h"

namespace gw {
namespace {

TEST(HelpIndex, ContentsKeepTheirOrderAndDepthAndSkipWhatIsNotATopic) {
  const std::vector<HelpTopic> topics = ParseHelpContents(
      "# comment\r\n"
      "0\tWelcome\tindex.html\r\n"
      "\n"
      "1\tPrinting a puzzle\tprinting.html\n"
      "1\tno page here\n"
      "x\tDamaged depth\tdamaged.html\n"
      "2\t  Columns  \t printing.html#columns \n");
  ASSERT_EQ(topics.size(), 4u);
  EXPECT_EQ(topics[0].title, "Welcome");
  EXPECT_EQ(topics[1].depth, 1);
  EXPECT_EQ(topics[1].page, "printing.html");
  EXPECT_EQ(topics[2].depth, 0);  // an unreadable depth is a chapter
  EXPECT_EQ(topics[3].title, "Columns");
  EXPECT_EQ(topics[3].page, "printing.html#columns");
}

TEST(HelpIndex, KeywordsComeFromThePageAndItsNamedAnchors) {
  const std::string html =
      "<html><head><META name=\"keywords\" content=\"Report Window; Printing;;  Fonts &amp; "
      "colours \"></head><body><h2><a name=\"cols\" title=\"keywords: Columns\"></a>"
      "Columns</h2><a name=\"plain\">not indexed</a></body></html>";
  const std::vector<HelpKeyword> index = PageKeywords("printing.html", html);
  ASSERT_EQ(index.size(), 4u);
  EXPECT_EQ(index[2].keyword, "Fonts & colours");
  EXPECT_EQ(FindKeyword(index, "report window"), "printing.html");
  EXPECT_EQ(FindKeyword(index, " Columns "), "printing.html#cols");
  EXPECT_FALSE(FindKeyword(index, "Print"));
}

}  // namespace
}  // namespace gw
