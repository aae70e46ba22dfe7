// The previous version's records: their layout, their conversion and defensive reading.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "storage/OldRecords.h"
#include "support/Bytes.h"
#include "support/OldFiles.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::OldPuzzle;
using test::OldPuzzleBytes;

std::unique_ptr<OldPuzzleRecord> AsRecord(const std::vector<char>& bytes) {
  auto r = std::make_unique<OldPuzzleRecord>();
  EXPECT_EQ(bytes.size(), sizeof *r);
  std::memcpy(r.get(), bytes.data(), sizeof *r);
  return r;
}

PageLayout MarkedLayout() {
  PageLayout layout;
  std::memset(&layout, 0, sizeof layout);
  layout.layoutName.Set("Marked Page");
  layout.objectCount = 3;
  return layout;
}

const OldPuzzle kTwelve{std::string(50, 'T'),
                        15,
                        {"KETTLE", "TOASTER", "SPATULA", "WHISK", "LADLE", "COLANDER", "BLENDER",
                         "TEAPOT", "SAUCEPAN", "OVEN", "FRIDGE", "SINK"},
                        3};

TEST(OldRecords, EveryFieldIsReadFromItsTableOffset) {
  const std::vector<char> bytes = OldPuzzleBytes(kTwelve);
  const auto old = AsRecord(bytes);
  EXPECT_EQ(old->title.Get(), kTwelve.title);
  EXPECT_EQ(old->gridSize, 15);
  EXPECT_EQ(old->wordCount, 12);
  EXPECT_EQ(test::OldWords(bytes), kTwelve.words);  // all twelve found room
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(old->words[i - 1].Get(), kTwelve.words[static_cast<size_t>(i - 1)]);
    EXPECT_EQ(old->wordStart[i - 1], test::GetI16(bytes, test::OldStartAt(i)));
    EXPECT_EQ(old->wordEnd[i - 1], test::GetI16(bytes, test::OldEndAt(i)));
    // The first letter of each word sits at its start cell.
    EXPECT_EQ(old->grid[old->wordStart[i - 1] - 1], kTwelve.words[static_cast<size_t>(i - 1)][0]);
  }
  for (int cell : {1, 15, 751, 2500})
    EXPECT_EQ(old->grid[cell - 1], static_cast<uint8_t>(bytes[test::OldCellAt(cell)]));
  EXPECT_TRUE(OldPuzzleSound(*old));
}

TEST(OldRecords, ConversionOfTwelveWordsWithALongTitle) {
  const auto old = AsRecord(OldPuzzleBytes(kTwelve));
  auto p = std::make_unique<PuzzleRecord>();
  std::memset(p.get(), 0x5A, sizeof *p);  // stale bytes must not survive
  ConvertOldPuzzle(*old, MarkedLayout(), *p);

  const unsigned char version[4] = {3, '3', '.', '0'};
  EXPECT_EQ(std::memcmp(test::Bytes(p.get()), version, 4), 0);
  EXPECT_EQ(p->title.Get(), std::string(35, 'T'));
  EXPECT_EQ(p->category.Get(), "Version 2.0 Puzzles");
  EXPECT_TRUE(p->bonusQuestion.Empty());
  EXPECT_EQ(p->gridWidth, 15);
  EXPECT_EQ(p->gridHeight, 15);
  EXPECT_EQ(std::memcmp(p->letterGrid, old->grid, kGridCells), 0);
  EXPECT_EQ(p->wordCount, 12);
  for (int i = 1; i <= kMaxWords; ++i) {
    const bool used = i <= 12;
    EXPECT_EQ(p->Word(i).Get(), used ? old->words[i - 1].Get() : std::string()) << i;
    EXPECT_TRUE(p->Clue(i).Empty()) << i;
    EXPECT_EQ(p->wordPlaced[i - 1], used ? 1 : 0) << i;
    EXPECT_EQ(p->wordStart[i - 1], old->wordStart[i - 1]) << i;
    EXPECT_EQ(p->wordEnd[i - 1], old->wordEnd[i - 1]) << i;
  }
  EXPECT_EQ(p->puzzleGenerated, 1);
  EXPECT_EQ(p->hiddenPhraseUsed, 0);
  for (int cell = 1; cell <= kGridCells; ++cell) ASSERT_EQ(p->Fill(cell), ' ');
  EXPECT_EQ(p->pageLayout.layoutName.Get(), "Marked Page");
  EXPECT_EQ(p->pageLayout.objectCount, 3);
  for (uint8_t b : p->reserved) ASSERT_EQ(b, 0);
}

TEST(OldRecords, DamagedRecordsAreTold) {
  struct Case {
    const char* what;
    size_t at;
    int value;
    bool sound;
  };
  const std::vector<char> good = OldPuzzleBytes({"Edges", 12, {"ALPHA", "BRAVO"}, 1});
  const Case cases[] = {
      {"grid size 50", test::kOldGridSizeAt, 50, true},
      {"grid size 4", test::kOldGridSizeAt, 4, false},
      {"grid size 51", test::kOldGridSizeAt, 51, false},
      {"grid size -3", test::kOldGridSizeAt, -3, false},
      {"word count 0", test::kOldWordCountAt, 0, true},
      {"word count -1", test::kOldWordCountAt, -1, false},
      {"word count 331", test::kOldWordCountAt, 331, false},
      {"start 0", test::OldStartAt(1), 0, false},
      {"end 2501", test::OldEndAt(2), 2501, false},
      {"start in column 13 of 12", test::OldStartAt(1), 13, false},
      {"end in row 13 of 12", test::OldEndAt(1), 12 * 50 + 1, false},
      // Entries past the word count are never looked at.
      {"start of word 3", test::OldStartAt(3), -32768, true},
  };
  for (const Case& c : cases) {
    std::vector<char> bytes = good;
    test::PutI16(bytes, c.at, c.value);
    EXPECT_EQ(OldPuzzleSound(*AsRecord(bytes)), c.sound) << c.what;
  }
  EXPECT_TRUE(OldPuzzleSound(*AsRecord(OldPuzzleBytes({"Tiny", 5, {"ABCDE", "AXYZ"}, 1}))));
  // Converting a damaged record anyway stays inside the record.
  std::vector<char> wild = good;
  test::PutI16(wild, test::kOldWordCountAt, 32000);
  wild[0] = static_cast<char>(255);
  auto p = std::make_unique<PuzzleRecord>();
  ConvertOldPuzzle(*AsRecord(wild), MarkedLayout(), *p);
  EXPECT_EQ(p->title.Size(), 35u);
  EXPECT_EQ(p->wordPlaced[kMaxWords - 1], 1);
}

TEST(OldRecords, QlxFilesAreCheckedBeforeAnythingIsTaken) {
  test::TempDir dir;
  const std::vector<char> record = OldPuzzleBytes({"Planets", 11, {"MARS", "VENUS"}, 2});
  std::vector<char> shortByOne = test::QlxBytes(record);
  shortByOne.pop_back();
  std::vector<char> otherSignature = test::QlxBytes(record);
  otherSignature[0] = 'P';
  std::vector<char> lowerCase = test::QlxBytes(record);
  lowerCase[1] = 'l';
  std::vector<char> damaged = record;
  test::PutI16(damaged, test::kOldGridSizeAt, 99);
  std::vector<char> trailing = test::QlxBytes(record, "");
  trailing.insert(trailing.end(), 100, 'z');
  const struct {
    const char* what;
    std::vector<char> bytes;
    bool ok;
  } cases[] = {
      {"signature only", {'Q', 'L', 'X'}, false},
      {"another signature", otherSignature, false},
      {"lower-case signature", lowerCase, false},
      {"one byte short", shortByOne, false},
      {"damaged record", test::QlxBytes(damaged), false},
      {"longest note", test::QlxBytes(record, std::string(255, 'n')), true},
      {"empty note, bytes after the record", trailing, true},
  };
  for (const auto& c : cases) {
    const std::string file = dir.File("p.qlx");
    test::WriteBytes(file, c.bytes);
    auto out = test::Zeroed<OldPuzzleRecord>();
    const OpResult r = ReadQlxFile(file, *out);
    EXPECT_EQ(r.ok, c.ok) << c.what;
    if (c.ok) {
      EXPECT_EQ(out->title.Get(), "Planets") << c.what;
      EXPECT_EQ(out->wordCount, 2) << c.what;
    } else {
      EXPECT_EQ(r.message, "Puzzle file is corrupt or incompatible.  Import aborted.") << c.what;
      EXPECT_EQ(r.caption, "Error");
      EXPECT_EQ(out->title.length, 0) << c.what << ": changed on failure";
    }
  }
  auto out = test::Zeroed<OldPuzzleRecord>();
  EXPECT_EQ(ReadQlxFile(dir.File("missing.qlx"), *out).message, "Puzzle could not be imported.");
  // A folder, or a pipe nobody writes to (which would block a plain open), is no puzzle file.
  std::filesystem::create_directory(dir.File("folder.qlx"));
  EXPECT_EQ(ReadQlxFile(dir.File("folder.qlx"), *out).message, "Puzzle could not be imported.");
  ASSERT_EQ(mkfifo(dir.File("pipe.qlx").c_str(), 0600), 0);
  EXPECT_EQ(ReadQlxFile(dir.File("pipe.qlx"), *out).message, "Puzzle could not be imported.");
}

TEST(OldRecords, ScansCountDamagedRecordsAndATrailingFragment) {
  test::TempDir dir;
  std::vector<char> broken = OldPuzzleBytes({"Broken", 10, {"ONE"}, 1});
  test::PutI16(broken, test::kOldGridSizeAt, 0);
  std::vector<char> puzzles = test::Concat(
      {OldPuzzleBytes({"A", 10, {"ONE"}, 1}), broken, OldPuzzleBytes({"C", 10, {"TWO"}, 2})});
  puzzles.resize(puzzles.size() + 500, 'x');
  test::WriteBytes(dir.File("p.dat"), puzzles);
  const auto scan = ScanOldPuzzleFile(dir.File("p.dat"));
  ASSERT_TRUE(scan);
  EXPECT_EQ(scan->sound, (std::vector<long>{0, 2}));
  EXPECT_EQ(scan->skipped, 2);

  std::vector<char> longName = test::ShapeBytes("Name", {"#####"});
  longName[0] = 60;
  std::vector<char> wide = test::ShapeBytes("Wide", {"#####"});
  test::PutI16(wide, 51, 51);
  test::WriteBytes(dir.File("s.dat"),
                   test::Concat({longName, test::ShapeBytes("Fine", {"#####", "#####"}), wide,
                                 test::ShapeBytes("Flat", {std::string(50, '#')})}));
  const auto shapes = ScanOldShapeFile(dir.File("s.dat"));
  ASSERT_TRUE(shapes);
  EXPECT_EQ(shapes->sound, (std::vector<long>{1, 3}));
  EXPECT_EQ(shapes->skipped, 2);

  EXPECT_FALSE(ScanOldPuzzleFile(dir.File("none.dat")));
  test::WriteBytes(dir.File("empty.dat"), {});
  EXPECT_EQ(ScanOldShapeFile(dir.File("empty.dat"))->skipped, 0);
}

}  // namespace
}  // namespace gw
