// The starter layout library as the build makes it, and the step that installs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutTables.h"
#include "support/TempDir.h"

namespace gw {
namespace {

TEST(StarterLayouts, EveryPageIsCompleteAndInsideItsPaper) {
  const std::vector<LayoutEntry> entries = ListLayouts(GW_STARTER_LAYOUTS);
  ASSERT_GE(entries.size(), 5u);
  EXPECT_EQ(test::FileSize(GW_STARTER_LAYOUTS), static_cast<long>(entries.size() * 28868));

  for (const LayoutEntry& e : entries) {
    SCOPED_TRACE(e.text + " (" + e.paperName + ")");
    PageLayout l;
    ASSERT_TRUE(ReadLayout(GW_STARTER_LAYOUTS, e.index, l));
    EXPECT_FALSE(e.text.empty());
    // What the designer would compute for this paper, so opening it changes nothing.
    const PaperSize* paper = FindPaper(l.paperName.Get());
    ASSERT_NE(paper, nullptr);
    EXPECT_EQ(l.inches, paper->inches ? 1 : 0);
    PageLayout sized = l;
    ASSERT_TRUE(SetDesignZoom(sized, l.zoom));
    EXPECT_EQ(sized.pixelWidth, l.pixelWidth);
    EXPECT_EQ(sized.pixelHeight, l.pixelHeight);
    EXPECT_EQ(l.pageWidth < l.pageHeight, l.portrait == 1);

    ASSERT_GE(l.objectCount, 1);
    ASSERT_LE(l.objectCount, kMaxLayoutObjects);
    std::map<int, int> kinds;
    for (int i = 0; i < l.objectCount; ++i) {
      const LayoutObject& o = l.objects[i];
      SCOPED_TRACE(o.objectName.Get());
      EXPECT_TRUE(IsKnownKind(o.kind));
      ++kinds[o.kind];
      EXPECT_LE(0, o.bounds.left);
      EXPECT_LE(0, o.bounds.top);
      EXPECT_LT(o.bounds.left, o.bounds.right);
      EXPECT_LT(o.bounds.top, o.bounds.bottom);
      EXPECT_LE(o.bounds.right, l.pixelWidth);
      EXPECT_LE(o.bounds.bottom, l.pixelHeight);
      EXPECT_GE(o.columns, 1);
      EXPECT_LE(o.columns, 9);
      EXPECT_GE(o.borderWidth, 1);
    }
    // Every starter is a puzzle page: one title, one grid, one list.
    EXPECT_EQ(kinds[kKindTitle], 1);
    EXPECT_EQ(kinds[kKindPuzzle], 1);
    EXPECT_EQ(kinds[kKindWords], 1);
    EXPECT_LE(kinds[kKindBonus], 1);
  }
  // The default page of new puzzles is the general-purpose Letter page.
  EXPECT_EQ(entries[0].text, "Classic");
  EXPECT_EQ(entries[0].paperName, "Letter");
}

int CopyIfMissing(const std::string& source, const std::string& destDir) {
  const std::string command = std::string("\"") + GW_CMAKE_COMMAND + "\" -DSOURCE=\"" + source +
                              "\" -DTARGET=\"" + destDir +
                              "/QLFPAGE.DAT\" -P \"" GW_COPY_IF_MISSING "\" > /dev/null";
  return std::system(command.c_str());
}

TEST(StarterLayouts, InstallNeverReplacesALibraryThatIsThere) {
  test::TempDir dir;
  ASSERT_EQ(CopyIfMissing(GW_STARTER_LAYOUTS, dir.Path()), 0);
  EXPECT_EQ(test::ReadBytes(dir.File("QLFPAGE.DAT")), test::ReadBytes(GW_STARTER_LAYOUTS));

  test::TempDir user;
  test::WriteText(user.File("qlfpage.dat"), "mine");  // any letter case is the user's library
  ASSERT_EQ(CopyIfMissing(GW_STARTER_LAYOUTS, user.Path()), 0);
  EXPECT_EQ(test::ReadText(user.File("qlfpage.dat")), "mine");
  EXPECT_EQ(test::FileSize(user.File("QLFPAGE.DAT")), -1);
}

}  // namespace
}  // namespace gw
