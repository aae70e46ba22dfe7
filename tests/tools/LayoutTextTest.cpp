// The readable layout descriptions the starter library is built from.
#include <gtest/gtest.h>

#include <memory>

#include "tools/LayoutText.h"

namespace gw {
namespace {

struct Parsed {
  bool ok;
  std::string error;
  std::unique_ptr<PageLayout> layout = std::make_unique<PageLayout>();
};

Parsed Parse(const std::string& text) {
  Parsed p;
  p.ok = ParseLayoutText(text, *p.layout, p.error);
  return p;
}

TEST(LayoutText, DescriptionBecomesTheRecordItSays) {
  const Parsed p = Parse(
      "# a comment line\n"
      "layout  Quiz  Sheet   # trailing comment\n"
      "paper   Custom 20 25 cm landscape\n"
      "zoom    large\n"
      "\n"
      "rectangle\n"
      "  box 1 1 3 2.01\n"
      "  fill #102030\n"
      "  border 3 #FF0000\n"
      "text\n"
      "  name Greeting Card\n"
      "  box 0.5 0.5 10 4\n"
      "  font \"Times New Roman\" 14 bold italic\n"
      "  colour #0000FF\n"
      "  align right\n"
      "  line \"Name:  ____\"\n"
      "  line\n"
      "  line \"Caf\xC3\xA9 #1\"\n"
      "  fit off\n"
      "puzzle\n"
      "  box 5 5 15 15\n"
      "  gridlines on\n"
      "  transparent on\n"
      "  lowercase on\n"
      "  linewidth 2\n");
  ASSERT_TRUE(p.ok) << p.error;
  const PageLayout& l = *p.layout;
  EXPECT_EQ(l.layoutName.Get(), "Quiz Sheet");
  EXPECT_EQ(l.paperName.Get(), "Custom");
  EXPECT_EQ(l.pageWidth, 20);  // Custom sizes are taken as oriented
  EXPECT_EQ(l.pageHeight, 25);
  EXPECT_EQ(l.inches, 0);
  EXPECT_EQ(l.portrait, 0);
  EXPECT_EQ(l.zoom, 3);
  EXPECT_EQ(l.pixelWidth, 800);
  EXPECT_EQ(l.pixelHeight, 1000);
  ASSERT_EQ(l.objectCount, 3);

  const LayoutObject& rect = l.objects[0];
  EXPECT_EQ(rect.kind, 12);
  EXPECT_EQ(rect.objectName.Get(), "Rectangle 1");
  EXPECT_EQ(rect.bounds.right, 120);
  EXPECT_EQ(rect.bounds.bottom, 80);  // 2.01 × 40 = 80.4 rounds to 80
  EXPECT_EQ(rect.optionB, 1);
  EXPECT_EQ(rect.fillColor, 0x302010u);  // stored 0x00BBGGRR
  EXPECT_EQ(rect.border, 1);
  EXPECT_EQ(rect.borderWidth, 3);
  EXPECT_EQ(rect.borderColor, 0x0000FFu);

  const LayoutObject& text = l.objects[1];
  EXPECT_EQ(text.objectName.Get(), "Greeting Card");
  EXPECT_EQ(text.fontName.Get(), "Times New Roman");
  EXPECT_EQ(text.fontSize, 14);
  EXPECT_EQ(text.fontBold, 1);
  EXPECT_EQ(text.fontItalic, 1);
  EXPECT_EQ(text.fontUnderline, 0);
  EXPECT_EQ(text.fontColor, 0xFF0000u);
  EXPECT_EQ(text.alignment, 3);
  EXPECT_EQ(ObjectText(text), "Name:  ____\r\n\r\nCaf\xE9 #1");  // Windows-1252
  EXPECT_EQ(text.makeItFit, 0);
  EXPECT_EQ(text.optionA, 1);  // creation value kept

  const LayoutObject& puzzle = l.objects[2];
  EXPECT_EQ(puzzle.optionA, 1);  // grid lines
  EXPECT_EQ(puzzle.optionB, 1);  // transparent
  EXPECT_EQ(puzzle.lowerCase, 1);
  EXPECT_EQ(puzzle.lineWidth, 2);
}

TEST(LayoutText, MistakesStopWithTheirLine) {
  const std::string head = "layout X\npaper Letter\n";  // lines 1 and 2
  const struct {
    std::string body;
    std::string error;
  } cases[] = {
      {"title\n box 1 1 2 2\n colums 3\n", "line 5: unknown property \"colums\""},
      {"title\n box 1 1 2 2\n columns 3\n", "line 5: \"columns\" does not apply"},
      {"title\n box 1 1 9 2\n", "line 4: the box reaches outside the page"},
      {"title\n box 2 1 1 2\n", "line 4: the box's right"},
      {"title\n box 1 1 2 2\ntitle\n box 1 1 2 2\n", "line 5: a layout holds at most one"},
      {"text\n font Arial 10\n", "at the end: the object before this point has no box"},
      {"text\n box 1 1 2 2\n line \"open\n", "line 5: a quoted text is not closed"},
      {"text\n box 1 1 2 2\n name Sixteen chars....\n", "line 5: the object name is longer"},
      {"text\n box 1 1 2 2\n line \"\xE2\x82\xAC ok \xE2\x9C\x93\"\n",
       "line 5: the line has characters outside Windows-1252"},
      {"text\n box 1 1 2 2\n align middle\n", "line 5: align is left"},
      {"rectangle\n box 1 1 2 2\n fill #12345\n", "line 5: colour \"#12345\""},
      {"words\n box 1 1 2 2\n columns 10\n", "line 5: \"10\" is not a whole number from 1 to 9"},
      {"words\n box 1 1 2 2\nzoom small\n", "line 5: page settings come before"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const Parsed p = Parse(head + c.body);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error.rfind(c.error, 0), 0u) << p.error;
  }
  EXPECT_EQ(Parse("paper Letter\n").error, "at the end: the layout has no name (layout <name>)");
  EXPECT_EQ(Parse("layout X\npaper Tabloid\n").error, "line 2: unknown paper \"Tabloid\"");
  EXPECT_EQ(Parse("layout X\ntitle\n").error, "line 2: the layout has no paper (paper <name>)");

  std::string many = head;
  for (int i = 0; i < 21; ++i) many += "circle\n box 1 1 2 2\n";
  EXPECT_EQ(Parse(many).error, "line 43: a layout holds at most 20 objects");
}

TEST(LayoutText, CustomPagesKeepToTheDesignersLimitsAndFarOffBoxesAreRefused) {
  const struct {
    std::string text;
    std::string error;  // empty: accepted
  } cases[] = {
      {"paper Custom 1e300 11 inches", "line 2: a custom page is 3 to 12 inches wide"},
      {"paper Custom 2000 11 inches", "line 2: a custom page is 3 to 12 inches wide"},
      {"paper Custom 8 -11 inches", "line 2: a custom page is 4 to 18 inches high"},
      {"paper Custom 30 46 cm", ""},
      {"paper Custom 30 47 cm", "line 2: a custom page is 10 to 46 cm high"},
      {"paper Custom 12 18 inches landscape", ""},
      {"paper Custom 6 4 inches\ntitle\n box 0 0 1e300 1", "line 4: the box reaches outside"},
      {"paper Custom 6 4 inches\ntitle\n box -1e300 0 1 1", "line 4: the box reaches outside"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Parsed p = Parse("layout X\n" + c.text + "\n");
    EXPECT_EQ(p.ok, c.error.empty()) << p.error;
    if (!c.error.empty()) {
      EXPECT_EQ(p.error.rfind(c.error, 0), 0u) << p.error;
    }
  }
  // The largest page still fits its pixel counts: 18 inches at 72 pixels each.
  const Parsed large = Parse("layout X\npaper Custom 12 18 inches\nzoom large\n");
  ASSERT_TRUE(large.ok) << large.error;
  EXPECT_EQ(large.layout->pixelWidth, 12 * 96);
  EXPECT_EQ(large.layout->pixelHeight, 18 * 96);
}

}  // namespace
}  // namespace gw
