// Puzzle and page layout records, byte by byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "storage/PageLayout.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"
#include "support/Bytes.h"

namespace gw {
namespace {

using test::Bytes;
using test::U16At;

std::unique_ptr<PuzzleRecord> Zeroed() {
  return test::Zeroed<PuzzleRecord>();
}

TEST(PuzzleRecord, EveryFieldLandsAtItsOffset) {
  auto p = Zeroed();
  p->version.Set("3.0");
  p->category.Set("Animals");
  p->title.Set("Zoo");
  p->gridWidth = 0x0102;
  p->gridHeight = 0x0304;
  p->Letter(1) = 'A';
  p->Letter(2500) = 'Z';
  p->Fill(1) = 'b';
  p->Fill(2500) = 'y';
  p->wordCount = 330;
  p->Word(1).Set("LION");
  p->Word(330).Set("ZEBRA");
  p->Clue(1).Set("king");
  p->Clue(330).Set("stripes");
  p->wordStart[0] = 0x0A0B;
  p->wordStart[329] = 0x0C0D;
  p->wordEnd[0] = 0x0E0F;
  p->wordEnd[329] = 0x1011;
  p->wordPlaced[0] = 1;
  p->wordPlaced[329] = 1;
  p->puzzleGenerated = 1;
  p->bonusQuestion.Set("Why?");
  p->hiddenPhraseUsed = 1;
  p->pageLayout.layoutName.Set("Page");
  p->reserved[0] = 0x77;

  const unsigned char* b = Bytes(p.get());
  EXPECT_EQ(std::memcmp(b + 0,
                        "\x03"
                        "3.0",
                        4),
            0);
  EXPECT_EQ(std::memcmp(b + 6,
                        "\x07"
                        "Animals",
                        8),
            0);
  EXPECT_EQ(std::memcmp(b + 27,
                        "\x03"
                        "Zoo",
                        4),
            0);
  EXPECT_EQ(U16At(b, 63), 0x0102);
  EXPECT_EQ(U16At(b, 65), 0x0304);
  EXPECT_EQ(b[66 + 1], 'A');  // cell p at 66 + p
  EXPECT_EQ(b[66 + 2500], 'Z');
  EXPECT_EQ(b[2566 + 1], 'b');
  EXPECT_EQ(b[2566 + 2500], 'y');
  EXPECT_EQ(U16At(b, 5067), 330);
  EXPECT_EQ(std::memcmp(b + 5038 + 31 * 1,
                        "\x04"
                        "LION",
                        5),
            0);
  EXPECT_EQ(std::memcmp(b + 5038 + 31 * 330,
                        "\x05"
                        "ZEBRA",
                        6),
            0);
  EXPECT_EQ(std::memcmp(b + 15148 + 151 * 1,
                        "\x04"
                        "king",
                        5),
            0);
  EXPECT_EQ(std::memcmp(b + 15148 + 151 * 330,
                        "\x07"
                        "stripes",
                        8),
            0);
  EXPECT_EQ(U16At(b, 65127 + 2 * 1), 0x0A0B);
  EXPECT_EQ(U16At(b, 65127 + 2 * 330), 0x0C0D);
  EXPECT_EQ(U16At(b, 65787 + 2 * 1), 0x0E0F);
  EXPECT_EQ(U16At(b, 65787 + 2 * 330), 0x1011);
  EXPECT_EQ(b[66448 + 1], 1);
  EXPECT_EQ(b[66448 + 330], 1);
  EXPECT_EQ(b[66779], 1);
  EXPECT_EQ(std::memcmp(b + 66780,
                        "\x04"
                        "Why?",
                        5),
            0);
  EXPECT_EQ(b[66931], 1);
  EXPECT_EQ(std::memcmp(b + 66932,
                        "\x04"
                        "Page",
                        5),
            0);
  EXPECT_EQ(b[95800], 0x77);
  EXPECT_EQ(sizeof(PuzzleRecord), 95830u);
}

TEST(PuzzleRecord, StringsAreCutToCapacityAndDamagedLengthsClamped) {
  auto p = Zeroed();
  p->title.Set(std::string(40, 't'));
  EXPECT_EQ(p->title.Get(), std::string(35, 't'));
  p->category.Set(std::string(25, 'c'));
  EXPECT_EQ(p->category.Get().size(), 20u);
  p->title.Set("ab");
  EXPECT_EQ(Bytes(p.get())[27 + 3], 0);  // unused bytes are zeroed
  p->title.length = 200;                 // as a damaged file might hold
  EXPECT_EQ(p->title.Get().size(), 35u);
  p->gridWidth = 999;
  p->gridHeight = -3;
  p->wordCount = 5000;
  EXPECT_EQ(ClampedGridWidth(*p), 50);
  EXPECT_EQ(ClampedGridHeight(*p), 1);
  EXPECT_EQ(ClampedWordCount(*p), 330);
}

TEST(PuzzleRecord, NewPuzzleIsEmptyAndFifteenSquare) {
  auto p = std::make_unique<PuzzleRecord>();
  std::memset(p.get(), 0x5A, sizeof *p);
  InitNewPuzzle(*p);
  EXPECT_EQ(p->gridWidth, 15);
  EXPECT_EQ(p->gridHeight, 15);
  EXPECT_EQ(p->wordCount, 0);
  EXPECT_TRUE(p->title.Empty());
  EXPECT_TRUE(p->category.Empty());
  EXPECT_TRUE(p->bonusQuestion.Empty());
  EXPECT_TRUE(p->Word(330).Empty());
  EXPECT_TRUE(p->Clue(1).Empty());
  EXPECT_EQ(p->wordPlaced[100], 0);
  EXPECT_EQ(p->puzzleGenerated, 0);
  EXPECT_EQ(p->hiddenPhraseUsed, 0);
}

TEST(PuzzleRecord, DiffersOnlyInWhatTheUserSees) {
  auto a = Zeroed();
  InitNewPuzzle(*a);
  a->title.Set("Zoo");
  a->Word(330).Set("ZEBRA");
  auto b = std::make_unique<PuzzleRecord>(*a);
  EXPECT_FALSE(PuzzleDiffers(*a, *b));

  // Bytes past a string's length and fields the editor does not show are not a change.
  b->title.data[20] = 'x';
  b->wordPlaced[3] = 1;
  b->pageLayout.objects[0].bounds.left = 7;
  EXPECT_FALSE(PuzzleDiffers(*a, *b));

  const auto changed = [&](auto change) {
    auto c = std::make_unique<PuzzleRecord>(*a);
    change(*c);
    return PuzzleDiffers(*a, *c);
  };
  EXPECT_TRUE(changed([](PuzzleRecord& p) { p.Word(330).Set("ZEBRAS"); }));
  EXPECT_TRUE(changed([](PuzzleRecord& p) { p.Clue(1).Set("x"); }));
  EXPECT_TRUE(changed([](PuzzleRecord& p) { p.bonusQuestion.Set("Why?"); }));
  EXPECT_TRUE(changed([](PuzzleRecord& p) { p.Fill(5) = 'Q'; }));
  EXPECT_TRUE(changed([](PuzzleRecord& p) { p.hiddenPhraseUsed = 1; }));
  EXPECT_TRUE(changed([](PuzzleRecord& p) { p.pageLayout.layoutName.Set("Other"); }));
  EXPECT_TRUE(changed([](PuzzleRecord& p) { p.pageLayout.portrait ^= 1; }));
}

TEST(PuzzleRecord, ACopyIsRenamedAndHasNothingPlaced) {
  auto p = Zeroed();
  p->title.Set("Zoo Animals");
  p->wordPlaced[0] = p->wordPlaced[329] = 1;
  p->Letter(1) = 'A';
  PrepareCopy(*p);
  EXPECT_EQ(p->title.Get(), "Zoo Animals (2)");
  EXPECT_EQ(std::count(std::begin(p->wordPlaced), std::end(p->wordPlaced), 0), kMaxWords);
  EXPECT_EQ(p->Letter(1), 'A');  // the grid stays until the copy is created again
  PrepareCopy(*p);
  EXPECT_EQ(p->title.Get(), "Zoo Animals (3)");
}

TEST(CellIndex, RowsAreFiftyWide) {
  EXPECT_EQ(CellIndex(1, 1), 1);
  EXPECT_EQ(CellIndex(2, 1), 51);
  EXPECT_EQ(CellIndex(50, 50), 2500);
  EXPECT_EQ(CellRow(51), 2);
  EXPECT_EQ(CellColumn(50), 50);
  EXPECT_EQ(CellColumn(51), 1);
}

TEST(ShapeRecord, FieldsAndNewShapeDefaults) {
  ShapeRecord s;
  MakeNewShape(s);
  const unsigned char* b = Bytes(&s);
  EXPECT_EQ(std::memcmp(b,
                        "\x0A"
                        "New Layout",
                        11),
            0);
  EXPECT_EQ(U16At(b, 51), 30);
  EXPECT_EQ(U16At(b, 53), 30);
  s.SetCell(2, 3, false);
  EXPECT_EQ(b[55 + (2 - 1) * 50 + (3 - 1)], 0);
  EXPECT_EQ(b[54 + CellIndex(2, 4)], 1);
}

TEST(PageLayout, BuiltInDefaultMatchesTheListedValues) {
  PageLayout l;
  MakeBuiltInDefaultLayout(l);
  EXPECT_EQ(l.layoutName.Get(), "New Page");
  EXPECT_EQ(l.paperName.Get(), "Letter");
  EXPECT_EQ(l.pageWidth, 8.5);
  EXPECT_EQ(l.pageHeight, 11);
  EXPECT_EQ(l.pixelWidth, 408);
  EXPECT_EQ(l.pixelHeight, 528);
  EXPECT_EQ(l.objectCount, 3);
  EXPECT_EQ(l.zoom, 0);
  const unsigned char* b = Bytes(&l);
  // Object 2 starts at 88 + 1439; its kind and bounds at the listed offsets.
  EXPECT_EQ(U16At(b, 88 + 1439), 2);
  EXPECT_EQ(U16At(b, 88 + 1439 + 18), 96);
  EXPECT_EQ(std::memcmp(b + 88 + 2 * 1439 + 2,
                        "\x09"
                        "Word List",
                        10),
            0);
  EXPECT_EQ(l.objects[2].columns, 1);
  EXPECT_EQ(b[88 + 2 * 1439 + 1133], 1);
  EXPECT_EQ(l.objects[0].fillColor, 0xFFFFFFu);
  EXPECT_EQ(b[88 + 1138], 0xFF);
  EXPECT_EQ(l.objects[1].font2Size, 5);
  EXPECT_EQ(l.objects[3].kind, 0);
}

}  // namespace
}  // namespace gw
