// Grid readers for the placement engine tests.
#include "EngineFixtures.h"

namespace gw::test {

std::vector<int> WordCells(const PuzzleRecord& p, int i) {
  const int s = p.wordStart[i - 1], e = p.wordEnd[i - 1];
  const int dr = (CellRow(e) > CellRow(s)) - (CellRow(e) < CellRow(s));
  const int dc = (CellColumn(e) > CellColumn(s)) - (CellColumn(e) < CellColumn(s));
  std::vector<int> cells{s};
  for (int cell = s; cell != e && cells.size() <= 50;) cells.push_back(cell += dr * 50 + dc);
  return cells;
}

std::string GridText(const PuzzleRecord& p, int i) {
  std::string text;
  for (int cell : WordCells(p, i)) text.push_back(static_cast<char>(p.Letter(cell)));
  return text;
}

}  // namespace gw::test
