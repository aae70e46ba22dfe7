// Puzzle group files: listing, reading, appending, replacing and deleting records.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "base/IoError.h"
#include "storage/PuzzleGroup.h"
#include "support/Faults.h"
#include "support/TempDir.h"

namespace gw {
namespace {

constexpr long kRecord = sizeof(PuzzleRecord);

std::unique_ptr<PuzzleRecord> Puzzle(const std::string& category, const std::string& title) {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  p->category.Set(category);
  p->title.Set(title);
  return p;
}

class GroupTest : public testing::Test {
 protected:
  std::string Group() const { return dir_.File("TEST.QL3"); }
  void Add(const std::string& category, const std::string& title) {
    ASSERT_TRUE(AppendPuzzle(Group(), *Puzzle(category, title)));
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& t : ListGroup(Group()).titles) titles.push_back(t.title);
    return titles;
  }
  test::TempDir dir_;
};

TEST_F(GroupTest, MissingAndEmptyFilesListNothing) {
  EXPECT_TRUE(ListGroup(Group()).categories.empty());
  test::WriteText(Group(), "");
  const GroupListing listing = ListGroup(Group());
  EXPECT_TRUE(listing.categories.empty());
  EXPECT_TRUE(listing.titles.empty());
}

TEST_F(GroupTest, FirstSaveCreatesRecordZero) {
  Add("Animals", "Zoo");
  EXPECT_EQ(test::FileSize(Group()), kRecord);
  PuzzleRecord read;
  ASSERT_TRUE(ReadPuzzle(Group(), 0, read));
  EXPECT_EQ(read.title.Get(), "Zoo");
}

TEST_F(GroupTest, ListingNumbersCategoriesByFirstAppearanceAndKeepsCase) {
  Add("Animals", "Zoo");
  Add("Food", "Fruit");
  Add("animals", "Pets");
  Add("Animals", "Farm");
  const GroupListing listing = ListGroup(Group());
  ASSERT_EQ(listing.categories, (std::vector<std::string>{"Animals", "Food", "animals"}));
  ASSERT_EQ(listing.titles.size(), 4u);
  EXPECT_EQ(listing.titles[3].title, "Farm");
  EXPECT_EQ(listing.titles[3].Record(), 3);
  EXPECT_EQ(listing.titles[3].Category(), 0);
  EXPECT_EQ(listing.titles[2].Category(), 2);
  EXPECT_EQ(listing.titles[2].value, (2u << 16) | 2u);
}

TEST_F(GroupTest, TrailingPartialRecordIsIgnoredAndOverwrittenByTheNextAppend) {
  Add("A", "One");
  Add("A", "Two");
  std::vector<char> bytes = test::ReadBytes(Group());
  bytes.resize(bytes.size() + 500, 'x');
  test::WriteBytes(Group(), bytes);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two"}));
  Add("A", "Three");
  EXPECT_EQ(test::FileSize(Group()), 3 * kRecord);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two", "Three"}));
}

TEST_F(GroupTest, ReplaceOverwritesInPlace) {
  Add("A", "One");
  Add("A", "Two");
  Add("A", "Three");
  ASSERT_TRUE(ReplacePuzzle(Group(), 1, *Puzzle("B", "Second")));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Second", "Three"}));
  EXPECT_EQ(test::FileSize(Group()), 3 * kRecord);
}

TEST_F(GroupTest, DeleteMovesLaterRecordsDown) {
  for (const char* t : {"One", "Two", "Three", "Four"}) Add("A", t);
  ASSERT_TRUE(DeletePuzzle(Group(), 1));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Three", "Four"}));
  ASSERT_TRUE(DeletePuzzle(Group(), 2));  // the last one only truncates
  EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Three"}));
  ASSERT_TRUE(DeletePuzzle(Group(), 0));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Three"}));
  ASSERT_TRUE(DeletePuzzle(Group(), 0));
  EXPECT_EQ(test::FileSize(Group()), 0);
}

TEST_F(GroupTest, WholeRecordsSurviveAByteForByteRoundTrip) {
  auto p = Puzzle("Cat", "Title");
  for (int i = 0; i < kGridCells; ++i) p->letterGrid[i] = static_cast<uint8_t>(i * 7);
  p->Word(17).Set("SEVENTEEN");
  p->reserved[29] = 0xEE;
  Add("X", "first");
  ASSERT_TRUE(AppendPuzzle(Group(), *p));
  PuzzleRecord read;
  ASSERT_TRUE(ReadPuzzle(Group(), 1, read));
  EXPECT_EQ(std::memcmp(&read, p.get(), sizeof read), 0);
}

TEST_F(GroupTest, FailuresAreReportedWithoutChangingAnything) {
  const std::string nowhere = dir_.File("missing/G.QL3");
  PuzzleRecord read;
  read.title.Set("keep");
  EXPECT_FALSE(ReadPuzzle(nowhere, 0, read));
  EXPECT_FALSE(AppendPuzzle(nowhere, *Puzzle("A", "B")));
  EXPECT_FALSE(ReplacePuzzle(nowhere, 0, *Puzzle("A", "B")));
  EXPECT_FALSE(DeletePuzzle(nowhere, 0));
  Add("A", "One");
  EXPECT_THROW(ReadPuzzle(Group(), 5, read), IoError);
  EXPECT_EQ(read.title.Get(), "keep");
}

TEST_F(GroupTest, GarbageRecordsListSafely) {
  std::vector<char> junk(kRecord * 2, static_cast<char>(0xFF));
  test::WriteBytes(Group(), junk);
  const GroupListing listing = ListGroup(Group());
  ASSERT_EQ(listing.titles.size(), 2u);
  EXPECT_EQ(listing.titles[0].title.size(), 35u);  // length byte 255 clamped to the capacity
  EXPECT_EQ(listing.categories.size(), 1u);
}

TEST_F(GroupTest, AFileTooShortForOnePuzzleIsNeverOverwritten) {
  test::WriteText(Group(), "CAT\nDOG\n");
  EXPECT_THROW(AppendPuzzle(Group(), *Puzzle("A", "B")), IoError);
  EXPECT_THROW(ReplacePuzzle(Group(), 0, *Puzzle("A", "B")), IoError);
  EXPECT_EQ(test::ReadText(Group()), "CAT\nDOG\n");
}

test::RecordStore GroupStore() {
  auto record = [](char fill) {
    auto p = std::make_unique<PuzzleRecord>();
    std::memset(p.get(), fill, sizeof *p);
    return p;
  };
  auto outcome = [](bool ok) { return ok ? test::Done() : test::Refused(); };
  return {"G.QL3", sizeof(PuzzleRecord),
          [=](const std::string& path, char fill) {
            return outcome(AppendPuzzle(path, *record(fill)));
          },
          [=](const std::string& path, long index, char fill) {
            return outcome(ReplacePuzzle(path, static_cast<int>(index), *record(fill)));
          },
          [=](const std::string& path, long index) {
            return outcome(DeletePuzzle(path, static_cast<int>(index)));
          }};
}

class GroupWriteFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(GroupWriteFaults, FailWithoutATraceOrSucceedInPlace) {
  test::CheckWriteFault(GroupStore(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryWritePath, GroupWriteFaults, testing::ValuesIn(test::AllFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

}  // namespace
}  // namespace gw
