// Fixed-size record files shared by groups and libraries.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

#include "base/FileIo.h"
#include "base/IoError.h"
#include "storage/RecordFile.h"
#include "support/Faults.h"
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

TEST(RecordFile, AFolderInTheFilesPlaceIsAnErrorForReadersAndRefusedByWriters) {
  test::TempDir dir;
  const std::string f = dir.File("r.dat");
  std::filesystem::create_directory(f);
  EXPECT_THROW(CountRecords(f, 4), IoError);
  char out[4];
  EXPECT_THROW(ReadRecord(f, 0, 4, out), IoError);
  EXPECT_THROW(ForEachRecord(f, 4, [](long, const void*) {}), IoError);
  EXPECT_FALSE(AppendRecord(f, 4, "aaaa"));
  EXPECT_FALSE(ReplaceRecord(f, 0, 4, "aaaa"));
  EXPECT_FALSE(DeleteRecord(f, 0, 4));
  EXPECT_TRUE(std::filesystem::is_empty(f));
}

TEST(RecordFile, RewritesReplaceTheFileALinkPointsAtAndKeepItsPermissions) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.File("real"));
  const std::string real = dir.File("real/r.dat");
  test::WriteText(real, "aaaabbbbcccc");
  test::SetMode(real, 0640);
  std::filesystem::create_symlink(real, dir.File("link.dat"));
  ASSERT_TRUE(ReplaceRecord(dir.File("link.dat"), 1, 4, "BBBB"));
  ASSERT_TRUE(DeleteRecord(dir.File("link.dat"), 0, 4));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.dat")));
  EXPECT_EQ(Contents(real), "BBBBcccc");
  EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
            std::filesystem::perms(0640));
}

// A process id that belonged to a process now gone, as a killed writer leaves it.
pid_t GonePid() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST(RecordFile, ACopyAKilledRewriteLeftBesideTheFileGoesWhenTheFileIsNextUsed) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.File("real"));
  const std::string real = dir.File("real/r.dat");
  test::WriteText(real, "aaaabbbb");
  std::filesystem::create_symlink(real, dir.File("link.dat"));
  const std::string gone = dir.File("real/.r.dat.new-" + std::to_string(GonePid()) + "-0");
  // Ours (another thread may be writing it), a live process's, and look-alikes stay.
  const std::string ours = dir.File("real/.r.dat.new-" + std::to_string(getpid()) + "-7");
  const std::string live = dir.File("real/.r.dat.new-1-3");
  const std::string other = dir.File("real/.s.dat.new-" + std::to_string(GonePid()) + "-0");
  const std::string odd = dir.File("real/.r.dat.new-x-0");
  for (const std::string& f : {gone, ours, live, other, odd}) test::WriteText(f, "aaaa");

  ASSERT_EQ(CountRecords(dir.File("link.dat"), 4), 2);  // opened through a link to it
  EXPECT_FALSE(std::filesystem::exists(gone));
  for (const std::string& f : {ours, live, other, odd}) EXPECT_TRUE(std::filesystem::exists(f));

  test::WriteText(gone, "aaaa");  // killed again; every write looks anew
  ASSERT_TRUE(AppendRecord(real, 4, "cccc"));
  EXPECT_FALSE(std::filesystem::exists(gone));
  test::WriteText(gone, "aaaa");
  ASSERT_TRUE(fileio::ReplaceFileContents(real, "dddd"));
  EXPECT_FALSE(std::filesystem::exists(gone));
  EXPECT_EQ(Contents(real), "dddd");
}

class LockWaitFor {
 public:
  explicit LockWaitFor(std::chrono::milliseconds wait) : old_(fileio::LockWait()) {
    fileio::SetLockWait(wait);
  }
  ~LockWaitFor() { fileio::SetLockWait(old_); }

 private:
  std::chrono::milliseconds old_;
};

TEST(RecordFileLock, ASecondWriterWaitsBrieflyThenReportsTheFileBusy) {
  test::TempDir dir;
  const std::string f = dir.File("r.dat");
  test::WriteText(f, "aaaabbbb");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  // Another program holds the file for a second and a half.
  const int holder = test::StartChild([&] {
    const int fd = open(f.c_str(), O_RDWR);
    if (fd < 0 || flock(fd, LOCK_EX) != 0) throw std::runtime_error("no lock");
    if (write(ready[1], "x", 1) != 1) throw std::runtime_error("no pipe");
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  });
  char x;
  ASSERT_EQ(read(ready[0], &x, 1), 1);
  {
    const LockWaitFor brief(std::chrono::milliseconds(100));
    EXPECT_THROW(AppendRecord(f, 4, "cccc"), FileBusy);
    EXPECT_THROW(ReplaceRecord(f, 0, 4, "AAAA"), FileBusy);
    EXPECT_THROW(DeleteRecord(f, 0, 4), FileBusy);
    EXPECT_THROW(CountRecords(f, 4), FileBusy);  // a reader never sees a rewrite half done
    EXPECT_EQ(Contents(f), "aaaabbbb");
  }
  // Waiting long enough, the write goes through once the other program lets go.
  const LockWaitFor patient(std::chrono::seconds(10));
  EXPECT_EQ(AppendRecord(f, 4, "cccc"), 2);
  EXPECT_EQ(Contents(f), "aaaabbbbcccc");
  EXPECT_EQ(test::WaitChild(holder), 0);
  close(ready[0]);
  close(ready[1]);
}

TEST(RecordFileLock, ConcurrentAppendsRewritesAndDeletesLoseNothing) {
  test::TempDir dir;
  const std::string f = dir.File("r.dat");
  // Records big enough that a rewrite takes a while: "B<n>" for the first ones, "C<writer><n>"
  // for those the other processes append, "R" for a replaced one.
  constexpr size_t kSize = 32 * 1024;
  auto record = [](const std::string& head) {
    std::string r = head;
    r.resize(kSize, '.');
    return r;
  };
  constexpr int kBase = 12, kWriters = 3, kEach = 15, kDeletes = 6;
  for (int i = 0; i < kBase; ++i)
    ASSERT_TRUE(AppendRecord(f, kSize, record("B" + std::to_string(i)).data()));

  const LockWaitFor patient(std::chrono::seconds(30));
  std::vector<int> writers;
  for (int w = 0; w < kWriters; ++w)
    writers.push_back(test::StartChild([&, w] {
      for (int n = 0; n < kEach; ++n)
        if (!AppendRecord(f, kSize,
                          record("C" + std::to_string(w) + "-" + std::to_string(n)).data()))
          throw std::runtime_error("append failed");
    }));
  // Meanwhile this process rewrites the file again and again at its front (appends go to the
  // end): it deletes the first record and replaces the new first one.
  for (int i = 0; i < kDeletes; ++i) {
    ASSERT_TRUE(DeleteRecord(f, 0, kSize));
    ASSERT_TRUE(ReplaceRecord(f, 0, kSize, record("R" + std::to_string(i)).data()));
  }
  for (int pid : writers) EXPECT_EQ(test::WaitChild(pid), 0);

  std::multiset<std::string> heads;
  ASSERT_TRUE(ForEachRecord(f, kSize, [&](long, const void* bytes) {
    const std::string r(static_cast<const char*>(bytes), kSize);
    heads.insert(r.substr(0, r.find('.')));
  }));
  EXPECT_EQ(heads.size(), static_cast<size_t>(kBase - kDeletes + kWriters * kEach));
  for (int w = 0; w < kWriters; ++w)
    for (int n = 0; n < kEach; ++n)
      EXPECT_EQ(heads.count("C" + std::to_string(w) + "-" + std::to_string(n)), 1u)
          << "writer " << w << " record " << n;
  EXPECT_EQ(heads.count("R" + std::to_string(kDeletes - 1)), 1u);
  EXPECT_EQ(test::Snapshot(dir.Path()).size(), 1u);  // no temporary file left
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

// The batch writers of group import and export under the same faults: an append of one record
// through AppendRecords, and a new file through WriteRecords.
class BatchWriteFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(BatchWriteFaults, FailWithoutATraceOrSucceedInPlace) {
  static constexpr size_t kSize = 1000;
  auto outcome = [](bool ok) { return ok ? test::Done() : test::Refused(); };
  test::CheckWriteFault(
      {"G.QL3", kSize,
       [&](const std::string& path, char fill) {
         return outcome(AppendRecords(path, kSize, 1,
                                      [&](long, void* out) { std::memset(out, fill, kSize); }));
       },
       [&](const std::string& path, long index, char fill) {
         return outcome(
             ReplaceRecord(path, index, kSize, std::string(kSize, fill).data()).has_value());
       },
       [&](const std::string& path, long index) {
         return outcome(DeleteRecord(path, index, kSize));
       }},
      GetParam());
  if (GetParam() != test::Fault::NotARecordFile)
    test::CheckReplaceFault({"Export.QL3",
                             [&](const std::string& path) {
                               return outcome(WriteRecords(path, kSize, 3, [&](long i, void* out) {
                                 std::memset(out, 'a' + static_cast<int>(i), kSize);
                               }));
                             }},
                            GetParam());
}

INSTANTIATE_TEST_SUITE_P(GroupExchange, BatchWriteFaults, testing::ValuesIn(test::AllFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

}  // namespace
}  // namespace gw
