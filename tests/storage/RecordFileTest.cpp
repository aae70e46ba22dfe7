// Fixed-size record files shared by groups and libraries.
#include <gtest/gtest.h>

#include <filesystem>

#include "storage/RecordFile.h"
#include "support/TempDir.h"

namespace gw {
namespace {

std::string Contents(const std::string& path) {
  return test::ReadText(path);
}

TEST(RecordFile, CountsWholeRecordsAndVisitsThemInOrder) {
  test::TempDir dir;
  const std::string f = dir.File("r.dat");
  EXPECT_FALSE(CountRecords(f, 4).has_value());
  test::WriteText(f, "aaaabbbbcc");
  EXPECT_EQ(CountRecords(f, 4), 2);
  std::string seen;
  EXPECT_TRUE(ForEachRecord(f, 4, [&](long k, const void* bytes) {
    seen += std::to_string(k) + std::string(static_cast<const char*>(bytes), 4);
  }));
  EXPECT_EQ(seen, "0aaaa1bbbb");
}

TEST(RecordFile, ReplaceAndDeleteRewriteWholeRecords) {
  test::TempDir dir;
  const std::string f = dir.File("r.dat");
  for (const char* r : {"aaaa", "bbbb", "cccc"}) ASSERT_TRUE(AppendRecord(f, 4, r));
  ASSERT_TRUE(ReplaceRecord(f, 2, 4, "CCCC"));
  EXPECT_EQ(Contents(f), "aaaabbbbCCCC");
  ASSERT_TRUE(ReplaceRecord(f, 7, 4, "dddd"));  // past the end: appended
  EXPECT_EQ(Contents(f), "aaaabbbbCCCCdddd");
  ASSERT_TRUE(DeleteRecord(f, 0, 4));
  EXPECT_EQ(Contents(f), "bbbbCCCCdddd");
  // Nothing is left behind beside the file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(RecordFile, DeleteDropsATrailingFragment) {
  test::TempDir dir;
  const std::string f = dir.File("r.dat");
  test::WriteText(f, "aaaabbbbcc");
  ASSERT_TRUE(DeleteRecord(f, 1, 4));
  EXPECT_EQ(Contents(f), "aaaa");
}

}  // namespace
}  // namespace gw
