// Program files found whatever the letter case of their names.
#include <gtest/gtest.h>

#include "base/AppPaths.h"
#include "support/TempDir.h"

namespace gw {
namespace {

TEST(AppPaths, FindsFilesIgnoringLetterCase) {
  test::TempDir dir;
  test::WriteText(dir.File("badlist.txt"), "x");
  AppPaths paths{dir.Path(), dir.Path()};
  EXPECT_EQ(paths.ProgramFile("BADLIST.TXT"), dir.File("badlist.txt"));
  EXPECT_EQ(paths.ProgramFile("QLFLAY.DAT"), dir.File("QLFLAY.DAT"));  // missing: as given
  EXPECT_EQ(JoinPath("/", "a"), "/a");
}

}  // namespace
}  // namespace gw
