// Fixed-size record files shared by groups and libraries.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "base/IoError.h"

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

TEST(RecordFile, BatchesLandWholeOrNotAtAll) {
  test::TempDir dir;
  const std::string f = dir.File("r.dat");
  const char* batch[] = {"dddd", "eeee", "ffff"};
  auto from = [&](long i, void* out) { std::memcpy(out, batch[i], 4); };
  ASSERT_TRUE(AppendRecords(f, 4, 2, from));  // created when missing
  EXPECT_EQ(Contents(f), "ddddeeee");
  test::WriteText(f, "aaaabb");  // a partial record at the end is written over
  ASSERT_TRUE(AppendRecords(f, 4, 3, from));
  EXPECT_EQ(Contents(f), "aaaaddddeeeeffff");

  auto failing = [&](long i, void* out) {
    if (i == 2) throw IoError("source gone");
    from(i, out);
  };
  EXPECT_THROW(AppendRecords(f, 4, 3, failing), IoError);
  EXPECT_EQ(Contents(f), "aaaaddddeeeeffff");
  EXPECT_THROW(WriteRecords(f, 4, 3, failing), IoError);
  EXPECT_EQ(Contents(f), "aaaaddddeeeeffff");
  ASSERT_TRUE(WriteRecords(f, 4, 1, from));
  EXPECT_EQ(Contents(f), "dddd");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_FALSE(AppendRecords(dir.File("no/such/r.dat"), 4, 1, from));
  EXPECT_FALSE(WriteRecords(dir.File("no/such/r.dat"), 4, 1, from));
}

}  // namespace
}  // namespace gw
