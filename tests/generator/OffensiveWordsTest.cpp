// The offensive word list, its file, the words-first filter and the grid screen.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "base/AppPaths.h"
#include "base/Random.h"
#include "generator/FillFixtures.h"
#include "generator/OffensiveWords.h"
#include "support/TempDir.h"

namespace gw {
namespace {

// The screen as plainly as it can be said: every check line as a string, cut at cells outside
// the shape, searched for every entry and its reversal.
bool ReferenceFinds(const PuzzleRecord& p, const std::vector<std::string>& entries,
                    bool withFill = true) {
  const int w = ClampedGridWidth(p), h = ClampedGridHeight(p);
  auto at = [&](int r, int c) {
    const uint8_t b = p.Letter(CellIndex(r, c));
    return static_cast<char>(withFill && b == ' ' ? p.Fill(CellIndex(r, c)) : b);
  };
  std::vector<std::string> pieces;
  const int steps[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
  for (const auto& d : steps)
    for (int r = 1; r <= h; ++r)
      for (int c = 1; c <= w; ++c) {
        const int pr = r - d[0], pc = c - d[1];
        if (pr >= 1 && pr <= h && pc >= 1 && pc <= w) continue;  // not the top end of a line
        std::string piece;
        for (int rr = r, cc = c; rr >= 1 && rr <= h && cc >= 1 && cc <= w; rr += d[0], cc += d[1]) {
          const char ch = at(rr, cc);
          if (ch == '\0') {
            pieces.push_back(piece);
            piece.clear();
          } else {
            piece.push_back(ch);
          }
        }
        pieces.push_back(piece);
      }
  for (std::string e : entries) {
    e = e.substr(0, 15);
    for (char& ch : e)
      if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    if (e.empty()) continue;
    const std::string back(e.rbegin(), e.rend());
    for (const std::string& piece : pieces)
      if (piece.find(e) != std::string::npos || piece.find(back) != std::string::npos) return true;
  }
  return false;
}

TEST(OffensiveList, FiftyEightBuiltInLowerCaseEntries) {
  std::set<std::string> distinct;
  for (const char* word : BuiltInOffensiveWords()) {
    const std::string w = word;
    EXPECT_FALSE(w.empty());
    EXPECT_LE(w.size(), 15u);
    for (char ch : w) EXPECT_TRUE(ch >= 'a' && ch <= 'z') << w;
    distinct.insert(w);
  }
  EXPECT_EQ(distinct.size(), 58u);
  test::TempDir dir;  // no BADLIST.TXT
  EXPECT_EQ(LoadOffensiveList(AppPaths{dir.Path(), dir.Path()}).size(), 58u);
}

TEST(OffensiveList, BadListAddsItsFirstSixtyTwoLines) {
  test::TempDir dir;
  std::string text = "first\r\n\r\n" + std::string(20, 'x') + "\r\n" + std::string(15, 'y') +
                     "\r\n" + std::string(16, 'z') + "\n";
  for (int i = 6; i <= 100; ++i) text += "line" + std::to_string(i) + (i % 2 ? "\n" : "\r\n");
  test::WriteText(dir.File("badlist.txt"), text);  // found whatever the case of its name
  const auto list = LoadOffensiveList(AppPaths{dir.Path(), dir.Path()});
  ASSERT_EQ(list.size(), 120u);
  EXPECT_EQ(list[57], "whore");
  EXPECT_EQ(list[58], "first");  // CR of a CRLF end stripped
  EXPECT_EQ(list[59], "");       // a blank line is an entry that never matches
  EXPECT_EQ(list[60], std::string(15, 'x'));
  EXPECT_EQ(list[61], std::string(15, 'y'));
  EXPECT_EQ(list[62], std::string(15, 'z'));
  EXPECT_EQ(list[63], "line6");
  EXPECT_EQ(list[64], "line7");
  EXPECT_EQ(list[119], "line62");
}

TEST(OffensiveList, ShortOrOddFilesAreSafe) {
  test::TempDir dir;
  test::WriteText(dir.File("a.txt"), "last line without end");
  auto list = LoadOffensiveListFrom(dir.File("a.txt"));
  ASSERT_EQ(list.size(), 59u);
  EXPECT_EQ(list[58], "last line witho");
  // One endless line: only its head is kept.
  test::WriteText(dir.File("b.txt"), std::string(3'000'000, 'q') + "\r\nnext\r\n");
  list = LoadOffensiveListFrom(dir.File("b.txt"));
  ASSERT_EQ(list.size(), 60u);
  EXPECT_EQ(list[58], std::string(15, 'q'));
  EXPECT_EQ(list[59], "next");
  test::WriteText(dir.File("c.txt"), "");
  EXPECT_EQ(LoadOffensiveListFrom(dir.File("c.txt")).size(), 58u);
  // What opens but cannot be read ends the list quietly: a folder, and a pipe that nobody
  // writes to (which must not hang the load either).
  std::filesystem::create_directory(dir.File("BADLIST.TXT"));
  EXPECT_EQ(LoadOffensiveListFrom(dir.File("BADLIST.TXT")).size(), 58u);
  ASSERT_EQ(mkfifo(dir.File("pipe.txt").c_str(), 0600), 0);
  EXPECT_EQ(LoadOffensiveListFrom(dir.File("pipe.txt")).size(), 58u);
  test::WriteText(dir.File("d.txt"), "short\r\n" + std::string(16, 'z') + "\r\n");
  list = LoadOffensiveListFrom(dir.File("d.txt"));
  ASSERT_EQ(list.size(), 60u);
  EXPECT_EQ(list[58], "short");
  EXPECT_EQ(list[59], std::string(15, 'z'));
}

TEST(OffensiveScreen, FindsEntriesInEveryDirection) {
  const OffensiveScreen screen({"", "toad", "frog"});
  auto p = test::BlankPuzzle(6, 6);
  EXPECT_FALSE(screen.Finds(*p));
  test::PutRow(*p, 2, 2, "DAOT");  // backwards in a row
  EXPECT_TRUE(screen.Finds(*p));
  EXPECT_TRUE(ReferenceFinds(*p, {"toad"}));

  p = test::BlankPuzzle(6, 6);  // up and to the right, from (5,1) to (2,4)
  const char* frog = "FROG";
  for (int i = 0; i < 4; ++i) p->Letter(CellIndex(5 - i, 1 + i)) = static_cast<uint8_t>(frog[i]);
  EXPECT_TRUE(screen.Finds(*p));

  p = test::BlankPuzzle(6, 6);  // down a column, read from the bottom
  for (int i = 0; i < 4; ++i) p->Letter(CellIndex(3 + i, 6)) = static_cast<uint8_t>("DAOT"[i]);
  EXPECT_TRUE(screen.Finds(*p));

  p = test::BlankPuzzle(6, 6);  // down and to the right, ending in the corner
  for (int i = 0; i < 4; ++i) p->Letter(CellIndex(3 + i, 3 + i)) = static_cast<uint8_t>(frog[i]);
  EXPECT_TRUE(screen.Finds(*p));
}

TEST(OffensiveScreen, FillLettersCountAndOutsideCellsBreakLines) {
  const OffensiveScreen screen({"toad"});
  auto p = test::BlankPuzzle(6, 6);
  test::PutRow(*p, 1, 1, "TO");
  p->Fill(CellIndex(1, 3)) = 'A';
  p->Fill(CellIndex(1, 4)) = 'D';
  EXPECT_TRUE(screen.Finds(*p));
  EXPECT_FALSE(screen.FindsInPlacedLetters(*p));  // what the placement run sees

  p->Letter(CellIndex(1, 3)) = 0;  // outside the shape, its fill byte notwithstanding
  EXPECT_FALSE(screen.Finds(*p));
  test::PutRow(*p, 2, 1, "TO");
  p->Letter(CellIndex(2, 3)) = 0;
  test::PutRow(*p, 2, 4, "AD");
  EXPECT_FALSE(screen.Finds(*p));
  EXPECT_FALSE(ReferenceFinds(*p, {"toad"}));

  // Only rows 1..gridHeight and columns 1..gridWidth are looked at.
  p = test::BlankPuzzle(3, 3);
  test::PutRow(*p, 1, 1, "TOAD");
  EXPECT_FALSE(screen.Finds(*p));
  p->gridWidth = 4;
  EXPECT_TRUE(screen.Finds(*p));
}

TEST(OffensiveScreen, AgreesWithTheReferenceOnRandomGrids) {
  Rng rng(20240607);
  const char letters[] = "ABCab";
  int hits = 0, misses = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> entries(static_cast<size_t>(1 + rng.Random(6)));
    for (std::string& e : entries) {
      e.resize(static_cast<size_t>(rng.Random(7)));
      for (char& ch : e) ch = letters[rng.Random(5)];
    }
    if (rng.Random(4) == 0) entries.push_back(std::string(18, 'C'));  // cut to 15
    auto p = test::BlankPuzzle(1 + rng.Random(30), 1 + rng.Random(30));
    for (int cell = 1; cell <= kGridCells; ++cell) {
      const int roll = rng.Random(20);
      p->Letter(cell) = roll == 0 ? 0 : roll < 5 ? ' ' : static_cast<uint8_t>('A' + rng.Random(3));
      p->Fill(cell) = roll == 1 ? 0 : static_cast<uint8_t>("ABC "[rng.Random(4)]);
    }
    const OffensiveScreen screen(entries);
    const bool expected = ReferenceFinds(*p, entries);
    ASSERT_EQ(screen.Finds(*p), expected) << "round " << round;
    ASSERT_EQ(screen.FindsInPlacedLetters(*p), ReferenceFinds(*p, entries, false))
        << "round " << round;
    (expected ? hits : misses) += 1;
  }
  EXPECT_GT(hits, 300);
  EXPECT_GT(misses, 300);
}

// The look along a word's new letters while a grid is built: with the grid clean before the
// word was written, it must find exactly what a whole screen of the entries without spaces
// finds after, whichever end of the word it starts from.
TEST(OffensiveScreen, FindsThroughAWordWhatTheWholeScreenFinds) {
  Rng rng(77);
  const char letters[] = "ABCDEF";
  const int steps[8][2] = {{-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}};
  int hits = 0, misses = 0, gapsOnly = 0;
  for (int round = 0; round < 8000; ++round) {
    std::vector<std::string> entries(static_cast<size_t>(1 + rng.Random(5))), solid;
    for (std::string& e : entries) {
      e.resize(static_cast<size_t>(2 + rng.Random(5)));
      for (char& ch : e) ch = rng.Random(6) == 0 ? ' ' : letters[rng.Random(6)];
      if (e.find(' ') == std::string::npos) solid.push_back(e);
    }
    const int width = 1 + rng.Random(20), height = 1 + rng.Random(20);
    auto before = test::BlankPuzzle(width, height);
    for (int r = 1; r <= height; ++r)
      for (int c = 1; c <= width; ++c)
        if (rng.Random(3) != 0)
          before->Letter(CellIndex(r, c)) = static_cast<uint8_t>(letters[rng.Random(6)]);
    // A word along a line: random letters or often an entry's, crossing letters already there
    // now and then (those cells are not new).
    const auto& step = steps[rng.Random(8)];
    const std::string spelt =
        !solid.empty() && rng.Random(2) == 0
            ? solid[static_cast<size_t>(rng.Random(static_cast<int>(solid.size())))]
            : "";
    const int row = 1 + rng.Random(height), column = 1 + rng.Random(width);
    auto after = std::make_unique<PuzzleRecord>(*before);
    int count = 0;
    uint32_t fresh = 0;
    for (int r = row, c = column, k = 1 + rng.Random(8);
         count < k && r >= 1 && r <= height && c >= 1 && c <= width;
         ++count, r += step[0], c += step[1]) {
      if (before->Letter(CellIndex(r, c)) != ' ' && rng.Random(3) == 0) continue;
      before->Letter(CellIndex(r, c)) = ' ';
      after->Letter(CellIndex(r, c)) =
          static_cast<uint8_t>(spelt.empty() ? letters[rng.Random(6)]
                                             : spelt[static_cast<size_t>(count) % spelt.size()]);
      fresh |= 1u << count;
    }
    const OffensiveScreen screen(entries), solidOnly(solid);
    if (solidOnly.FindsInPlacedLetters(*before)) continue;

    const bool expected = solidOnly.FindsInPlacedLetters(*after);
    FramedGrid framed;
    std::memset(framed.cells, ' ', sizeof framed.cells);
    for (int r = 1; r <= height; ++r)
      for (int c = 1; c <= width; ++c)
        framed.cells[FramedGrid::Index(r, c)] = after->Letter(CellIndex(r, c));
    const uint8_t* first = framed.cells + FramedGrid::Index(row, column);
    const int stride = FramedGrid::Step(step[0], step[1]);
    ASSERT_EQ(screen.FindsThroughWord(first, stride, fresh), expected) << "round " << round;
    // The same word read from its other end.
    uint32_t backwards = 0;
    for (int j = 0; j < count; ++j) backwards |= (fresh >> j & 1) << (count - 1 - j);
    ASSERT_EQ(screen.FindsThroughWord(first + (count - 1) * stride, -stride, backwards), expected)
        << "round " << round;
    (expected ? hits : misses) += 1;
    gapsOnly += !expected && screen.FindsInPlacedLetters(*after);
  }
  EXPECT_GT(hits, 250);
  EXPECT_GT(misses, 1000);
  EXPECT_GT(gapsOnly, 300);  // entries with spaces were there to be found, and left alone
}

TEST(OffensiveFilter, EntriesThePuzzleWordsSpellAreLeftOut) {
  auto p = test::BlankPuzzle(10, 10);
  p->wordCount = 2;
  p->Word(1).Set("grape");
  p->Word(2).Set("Gi Tit");  // spaces removed: GITIT
  p->Word(4).Set("REPAST");  // an unplaced word after wordCount counts as well
  const std::vector<std::string> entries = {"rape", "tit",  "sex",  "",
                                            "tsap", "toad", "A PE", "retard"};
  EXPECT_EQ(EntriesClearOfWords(entries, *p),
            (std::vector<std::string>{"sex", "", "toad", "A PE", "retard"}));
}

}  // namespace
}  // namespace gw
