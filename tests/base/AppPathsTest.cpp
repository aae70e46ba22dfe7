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
  // The user's own files sit beside the program while its folder can be written.
  test::WriteText(dir.File("incbrit.tlx"), "x");
  EXPECT_EQ(paths.UserFile("IncBrit.tlx"), dir.File("incbrit.tlx"));
  EXPECT_EQ(paths.UserFile("ExcBrit.tlx"), dir.File("ExcBrit.tlx"));
}

}  // namespace
}  // namespace gw
