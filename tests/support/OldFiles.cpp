// Writing the previous version's files from their record tables.
#include "support/OldFiles.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace gw::test {

namespace {

void PutString(std::vector<char>& bytes, size_t at, size_t capacity, const std::string& text) {
  const size_t n = std::min(text.size(), capacity);
  bytes[at] = static_cast<char>(n);
  std::copy_n(text.begin(), n, bytes.begin() + static_cast<long>(at) + 1);
}

std::string GetString(const std::vector<char>& bytes, size_t at, size_t capacity) {
  const size_t n = std::min<size_t>(static_cast<unsigned char>(bytes[at]), capacity);
  return std::string(bytes.begin() + static_cast<long>(at) + 1,
                     bytes.begin() + static_cast<long>(at + 1 + n));
}

void WriteFile(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

void PutI16(std::vector<char>& bytes, size_t at, int value) {
  const auto v = static_cast<uint16_t>(static_cast<int16_t>(value));
  bytes[at] = static_cast<char>(v & 0xFF);
  bytes[at + 1] = static_cast<char>(v >> 8);
}

int GetI16(const std::vector<char>& bytes, size_t at) {
  const auto v = static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                       (static_cast<unsigned char>(bytes[at + 1]) << 8));
  return static_cast<int16_t>(v);
}

std::vector<char> OldPuzzleBytes(const OldPuzzle& puzzle) {
  std::vector<char> record(kOldRecordSize, 0);
  const int n = puzzle.gridSize;
  std::vector<char> grid(static_cast<size_t>(n * n), 0);
  // Across, down, down-right, back, up, up-left, down-left, up-right.
  const int steps[8][2] = {{0, 1}, {1, 0}, {1, 1}, {0, -1}, {-1, 0}, {-1, -1}, {1, -1}, {-1, 1}};
  int placed = 0;
  for (size_t w = 0; w < puzzle.words.size(); ++w) {
    const std::string& word = puzzle.words[w];
    const int len = static_cast<int>(word.size());
    bool done = false;
    for (int t = 0; t < 8 && !done; ++t) {
      const auto& d = steps[(w + static_cast<size_t>(t)) % 8];
      for (int cell = 0; cell < n * n && !done; ++cell) {
        const int r0 = cell / n, c0 = cell % n;
        const int r1 = r0 + d[0] * (len - 1), c1 = c0 + d[1] * (len - 1);
        if (len == 0 || r1 < 0 || r1 >= n || c1 < 0 || c1 >= n) continue;
        bool fits = true;
        for (int k = 0; k < len && fits; ++k) {
          const char have = grid[static_cast<size_t>((r0 + d[0] * k) * n + c0 + d[1] * k)];
          fits = have == 0 || have == word[static_cast<size_t>(k)];
        }
        if (!fits) continue;
        for (int k = 0; k < len; ++k)
          grid[static_cast<size_t>((r0 + d[0] * k) * n + c0 + d[1] * k)] =
              word[static_cast<size_t>(k)];
        ++placed;
        PutString(record, OldWordAt(placed), 20, word);
        PutI16(record, OldStartAt(placed), r0 * 50 + c0 + 1);
        PutI16(record, OldEndAt(placed), r1 * 50 + c1 + 1);
        done = true;
      }
    }
  }
  unsigned filler = puzzle.seed * 2654435761u;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      char letter = grid[static_cast<size_t>(r * n + c)];
      if (letter == 0) {
        filler = filler * 1103515245u + 12345u;
        letter = static_cast<char>('A' + (filler >> 16) % 26);
      }
      record[OldCellAt(r * 50 + c + 1)] = letter;
    }
  PutString(record, 0, 50, puzzle.title);
  PutI16(record, kOldGridSizeAt, n);
  PutI16(record, kOldWordCountAt, placed);
  return record;
}

std::vector<std::string> OldWords(const std::vector<char>& record) {
  std::vector<std::string> words;
  for (int i = 1; i <= GetI16(record, kOldWordCountAt); ++i)
    words.push_back(GetString(record, OldWordAt(i), 20));
  return words;
}

std::vector<char> QlxBytes(const std::vector<char>& record, const std::string& note) {
  std::vector<char> file(4 + note.size() + record.size());
  file[0] = 'Q';
  file[1] = 'L';
  file[2] = 'X';
  file[3] = static_cast<char>(note.size());
  std::copy(note.begin(), note.end(), file.begin() + 4);
  std::copy(record.begin(), record.end(), file.begin() + 4 + static_cast<long>(note.size()));
  return file;
}

std::vector<char> ShapeBytes(const std::string& name, const std::vector<std::string>& rows) {
  std::vector<char> record(2555, 0);
  PutString(record, 0, 50, name);
  PutI16(record, 51, rows.empty() ? 0 : static_cast<int>(rows[0].size()));
  PutI16(record, 53, static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) record[55 + r * 50 + c] = rows[r][c] == '#' ? 1 : 0;
  return record;
}

std::vector<char> Concat(const std::vector<std::vector<char>>& records) {
  std::vector<char> all;
  for (const std::vector<char>& r : records) all.insert(all.end(), r.begin(), r.end());
  return all;
}

std::vector<std::string> WriteOldFileSet(const std::string& dir, int puzzles, bool damaged) {
  const OldPuzzle samples[] = {
      {"Farm Animals", 12, {"COW", "HORSE", "SHEEP", "GOAT", "PIG", "DUCK", "HEN", "DONKEY"}, 1},
      {"Colours of the Rainbow",
       10,
       {"RED", "ORANGE", "YELLOW", "GREEN", "BLUE", "INDIGO", "VIOLET"},
       2},
      {"Things You Find in a Busy Kitchen on a Saturday Morning",
       15,
       {"KETTLE", "TOASTER", "SPATULA", "WHISK", "LADLE", "COLANDER", "BLENDER", "TEAPOT",
        "SAUCEPAN", "OVEN", "FRIDGE", "SINK"},
       3},
      {"Weather", 9, {"RAIN", "SNOW", "HAIL", "WIND", "SUN", "FOG", "STORM"}, 4},
  };
  std::vector<std::string> titles;
  std::vector<std::vector<char>> records;
  for (int i = 0; i < puzzles; ++i) {
    OldPuzzle p = samples[i % 4];
    if (i >= 4) p.title += " " + std::to_string(i / 4 + 1);
    titles.push_back(p.title);
    records.push_back(OldPuzzleBytes(p));
  }
  if (damaged) {
    std::vector<char> broken = OldPuzzleBytes(samples[0]);
    PutI16(broken, kOldWordCountAt, 4000);
    records.push_back(broken);
  }
  WriteFile(dir + "/QLFUPUZZ.DAT", Concat(records));
  WriteFile(dir + "/QLFULAY.DAT",
            Concat({ShapeBytes("Old Diamond", {"..#..", ".###.", "#####", ".###.", "..#.."}),
                    ShapeBytes("Old Arrow", {"...#...", "..###..", ".#####.", "#######", "..###..",
                                             "..###..", "..###.."})}));
  WriteFile(dir + "/SOLAR SYSTEM.QLX",
            QlxBytes(OldPuzzleBytes({"Solar System",
                                     11,
                                     {"MERCURY", "VENUS", "EARTH", "MARS", "JUPITER", "SATURN",
                                      "URANUS", "NEPTUNE", "MOON", "SUN"},
                                     5})));
  return titles;
}

}  // namespace gw::test
