// Program files found whatever the letter case of their names.
#include <gtest/gtest.h>

#include <filesystem>

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

TEST(AppPaths, AnInstalledCopyReadsItsDataAndKeepsTheUsersFilesApart) {
  AppPaths paths("/opt/gw/bin", "/home/pat/work");
  EXPECT_FALSE(paths.Installed());
  EXPECT_EQ(paths.LibraryFile("QLFLAY.DAT"), "/opt/gw/bin/QLFLAY.DAT");
  EXPECT_EQ(paths.StartupFile("QUARL3.INI"), "/home/pat/work/QUARL3.INI");
  EXPECT_EQ(paths.DocFile("QUARL.pdf"), "/opt/gw/bin/QUARL.pdf");
  paths.dataDir = "/opt/gw/share/gridwright";
  paths.docDir = "/opt/gw/share/doc/gridwright";
  paths.userDir = "/home/pat/.local/share/gridwright";
  EXPECT_EQ(paths.ProgramFile("QUARL.HLP"), "/opt/gw/share/gridwright/QUARL.HLP");
  EXPECT_EQ(paths.DocFile("QUARL.pdf"), "/opt/gw/share/doc/gridwright/QUARL.pdf");
  EXPECT_EQ(paths.LibraryFile("QLFPAGE.DAT"), "/home/pat/.local/share/gridwright/QLFPAGE.DAT");
  EXPECT_EQ(paths.StartupFile("DEFAULT.QL3"), "/home/pat/.local/share/gridwright/DEFAULT.QL3");
}

TEST(AppPaths, FirstUseCopiesTheStarterLibrariesButNeverReplacesTheUsers) {
  test::TempDir dir;
  AppPaths paths(dir.File("bin"), dir.Path());
  paths.dataDir = dir.File("share");
  paths.userDir = dir.File("home/data/gridwright");
  std::filesystem::create_directories(paths.dataDir);
  test::WriteText(dir.File("share/QLFLAY.DAT"), "starter shapes");
  test::WriteText(dir.File("share/QLFPAGE.DAT"), "starter pages");
  ASSERT_TRUE(PrepareUserFolder(paths));
  EXPECT_EQ(test::ReadText(paths.LibraryFile("QLFLAY.DAT")), "starter shapes");
  test::WriteText(paths.LibraryFile("QLFLAY.DAT"), "my shapes");
  std::filesystem::rename(paths.LibraryFile("QLFPAGE.DAT"), paths.userDir + "/qlfpage.dat");
  ASSERT_TRUE(PrepareUserFolder(paths));
  EXPECT_EQ(test::ReadText(paths.LibraryFile("QLFLAY.DAT")), "my shapes");
  EXPECT_EQ(test::FileSize(paths.userDir + "/QLFPAGE.DAT"), -1);  // found as qlfpage.dat
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(paths.userDir),
                          std::filesystem::directory_iterator()),
            2);  // no half-made copies left behind

  // A file where the folder should be: reported, nothing copied.
  AppPaths blocked = paths;
  blocked.userDir = dir.File("share/QLFLAY.DAT/gridwright");
  EXPECT_FALSE(PrepareUserFolder(blocked));
}

TEST(AppPaths, OnlyTheVeryFirstStartBeginsWithTheSamplePuzzles) {
  test::TempDir dir;
  const AppPaths paths(dir.File("bin"), dir.File("start"));
  std::filesystem::create_directories(paths.programDir);
  std::filesystem::create_directories(paths.startupDir);
  EXPECT_FALSE(StartWithSamples(paths));  // nothing to copy
  test::WriteText(dir.File("bin/Samples.QL3"), "samples");
  ASSERT_TRUE(StartWithSamples(paths));
  EXPECT_EQ(test::ReadText(dir.File("start/DEFAULT.QL3")), "samples");

  // The user's own default group is never replaced, nor is a group started once settings exist.
  test::WriteText(dir.File("start/DEFAULT.QL3"), "mine");
  EXPECT_FALSE(StartWithSamples(paths));
  EXPECT_EQ(test::ReadText(dir.File("start/DEFAULT.QL3")), "mine");
  std::filesystem::remove(dir.File("start/DEFAULT.QL3"));
  test::WriteText(dir.File("start/QUARL3.INI"), "[Options]\n");
  EXPECT_FALSE(StartWithSamples(paths));
  EXPECT_EQ(test::FileSize(dir.File("start/DEFAULT.QL3")), -1);
}

}  // namespace
}  // namespace gw
