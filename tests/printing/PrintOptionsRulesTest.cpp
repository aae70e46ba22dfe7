// The print options window's rules: enabling, the digit edits, the font menu, the layout's say.
#include <gtest/gtest.h>

#include "layouts/LayoutTables.h"
#include "page/CallLog.h"
#include "printing/PrintOptionsRules.h"

namespace gw {
namespace {

TEST(ReportOptions, OnlyCluesEnableTheirUnderscoresAndOnlyPartialWordsTheirThreeControls) {
  for (long form = 0; form <= 5; ++form) {
    const WordFormControls on = EnabledForWordForm(form);
    EXPECT_EQ(on.clueUnderscore, form == kClues) << form;
    EXPECT_EQ(on.partialUnderscore, form == kPartialWords) << form;
    EXPECT_EQ(on.letterCounts, form == kPartialWords) << form;
  }
}

TEST(ReportOptions, DigitEditsReadWholeNumbersAndAnythingElseAsOneWithTheEditCleared) {
  const struct {
    const char* text;
    long value;
    bool cleared;
  } cases[] = {{"0", 0, false},  {"7", 7, false},   {" 9 ", 9, false}, {"", 1, true},
               {"   ", 1, true}, {"x", 1, true},    {"-", 1, true},    {"+", 1, true},
               {"3a", 1, true},  {"-2", -2, false}, {"1.5", 1, true},  {"99999999999", 1, true}};
  for (const auto& c : cases) {
    const OptionEditValue read = ReadOptionEdit(c.text);
    EXPECT_EQ(read.value, c.value) << "\"" << c.text << "\"";
    EXPECT_EQ(read.clearEdit, c.cleared) << "\"" << c.text << "\"";
  }
}

TEST(ReportOptions, TheFontMenuListsTextObjectsInStackingOrderAndNoMoreThanItHasItems) {
  auto p = test::PagePuzzle();
  test::AddObject(*p, kKindRectangle, 0, 0, 10, 10);
  test::AddObject(*p, kKindTitle, 0, 0, 10, 10).objectName.Set("Heading");
  test::AddObject(*p, kKindBitmap, 0, 0, 10, 10);
  test::AddObject(*p, kKindWords, 0, 0, 10, 10);
  test::AddObject(*p, kKindText, 0, 0, 10, 10);
  test::AddObject(*p, kKindCircle, 0, 0, 10, 10);
  test::AddObject(*p, kKindPuzzle, 0, 0, 10, 10);
  test::AddObject(*p, kKindBonus, 0, 0, 10, 10);
  std::vector<FontMenuItem> items = FontMenuItems(p->pageLayout);
  ASSERT_EQ(items.size(), 5u);
  const std::vector<int> positions{1, 3, 4, 6, 7};
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].object, positions[i]);
    EXPECT_EQ(items[i].caption, p->pageLayout.objects[positions[i]].objectName.Get() + " Font");
  }
  EXPECT_EQ(items[0].caption, "Heading Font");

  // A damaged count is clamped; an unknown kind gets no item.
  p->pageLayout.objects[0].kind = 5;
  p->pageLayout.objectCount = 200;
  items = FontMenuItems(p->pageLayout);
  EXPECT_LE(items.size(), static_cast<size_t>(kFontMenuItems));
  for (const FontMenuItem& item : items) EXPECT_NE(item.object, 0);
}

TEST(ReportOptions, AChosenFontIsStoredWithItsNameCutAndItsSizeKeptUsable) {
  LayoutObject object{};
  ObjectFontValues font;
  font.name = std::string(40, 'F');
  font.size = 5000;
  font.color = 0x0000FF;
  font.bold = font.strikeOut = true;
  SetFontValues(object, font);
  EXPECT_EQ(object.fontName.Get(), std::string(30, 'F'));
  EXPECT_EQ(object.fontSize, 1000);
  EXPECT_EQ(object.fontColor, 0x0000FFu);
  EXPECT_EQ(object.fontBold, 1);
  EXPECT_EQ(object.fontItalic, 0);
  EXPECT_EQ(object.fontUnderline, 0);
  EXPECT_EQ(object.fontStrikeOut, 1);
  const ObjectFontValues back = FontValuesOf(object);
  EXPECT_EQ(back.name, std::string(30, 'F'));
  EXPECT_TRUE(back.bold && back.strikeOut && !back.italic && !back.underline);
  font.size = 0;
  SetFontValues(object, font);
  EXPECT_EQ(object.fontSize, 1);
}

TEST(ReportOptions, OpeningOnALayoutStartsAtThreeColumnsThenTakesTheLayoutsChoices) {
  SettingsValues s = SettingsValues::Defaults({});
  s.numColumns = 7;
  s.lowerCase = false;
  s.useGrid = true;
  s.answerKey = true;
  auto p = test::PagePuzzle();
  OpenOptionsOnLayout(p->pageLayout, s);
  EXPECT_EQ(s.numColumns, 3);  // no words object
  EXPECT_TRUE(s.useGrid);      // no puzzle object either
  EXPECT_TRUE(s.answerKey);    // not the layout's to say

  LayoutObject& grid = test::AddObject(*p, kKindPuzzle, 0, 0, 64, 64);
  grid.lowerCase = 1;
  grid.optionA = 0;
  test::AddObject(*p, kKindWords, 0, 64, 64, 128).columns = 5;
  OpenOptionsOnLayout(p->pageLayout, s);
  EXPECT_TRUE(s.lowerCase);
  EXPECT_FALSE(s.useGrid);
  EXPECT_EQ(s.numColumns, 5);
}

}  // namespace
}  // namespace gw
