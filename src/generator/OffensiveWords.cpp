// The offensive word list, its loading and the grid screen.
#include "generator/OffensiveWords.h"

#include <fcntl.h>

#include <algorithm>
#include <bit>

#include "base/AppPaths.h"
#include "base/FileIo.h"
#include "base/TextUtils.h"

namespace gw {

const std::array<const char*, kBuiltInOffensiveCount>& BuiltInOffensiveWords() {
  // Words no teacher wants a child to circle. Short entries also catch their longer forms.
  static const std::array<const char*, kBuiltInOffensiveCount> words = {
      "anal",  "anus",   "arse",  "ass",    "bastard", "bitch",  "bollocks", "boner",   "boob",
      "chink", "clit",   "cock",  "coon",   "crap",    "cum",    "cunt",     "damn",    "dick",
      "dildo", "douche", "dyke",  "fag",    "fart",    "felch",  "fuck",     "gook",    "hooker",
      "horny", "jizz",   "kike",  "nigger", "nigga",   "orgasm", "pecker",   "penis",   "piss",
      "porn",  "prick",  "pube",  "pussy",  "queef",   "rape",   "retard",   "scrotum", "semen",
      "sex",   "shit",   "skank", "slut",   "smegma",  "spic",   "spunk",    "tit",     "turd",
      "twat",  "vagina", "wank",  "whore"};
  return words;
}

std::vector<std::string> LoadOffensiveList(const AppPaths& paths) {
  return LoadOffensiveListFrom(paths.ProgramFile("BADLIST.TXT"));
}

std::vector<std::string> LoadOffensiveListFrom(const std::string& badListFile) {
  std::vector<std::string> entries(BuiltInOffensiveWords().begin(), BuiltInOffensiveWords().end());
  // The file is optional: one that cannot be opened, is no regular file or fails to read simply
  // ends the list where it stands.
  try {
    const fileio::Fd fd = fileio::OpenLocked(badListFile, O_RDONLY, fileio::LockKind::Shared);
    if (!fd) return entries;
    // Only the head of each line is kept, so a huge file or one endless line costs no memory.
    char buffer[4096];
    off_t offset = 0;
    std::string head;
    size_t length = 0;  // of the whole line so far
    bool inLine = false;
    auto finish = [&] {
      // A CR before the LF belongs to the line end, not to the entry.
      if (length == head.size() && !head.empty() && head.back() == '\r') head.pop_back();
      entries.push_back(Cut(head, kOffensiveEntryLength));
      head.clear();
      length = 0;
      inLine = false;
    };
    while (entries.size() < static_cast<size_t>(kMaxOffensiveEntries)) {
      const size_t got = fileio::ReadAt(fd.Get(), buffer, sizeof buffer, offset, badListFile);
      if (got == 0) break;
      offset += static_cast<off_t>(got);
      for (size_t i = 0; i < got && entries.size() < static_cast<size_t>(kMaxOffensiveEntries);
           ++i) {
        if (buffer[i] == '\n') {
          finish();
          continue;
        }
        inLine = true;
        if (head.size() <= kOffensiveEntryLength) head.push_back(buffer[i]);
        ++length;
      }
    }
    if (inLine && entries.size() < static_cast<size_t>(kMaxOffensiveEntries)) finish();
  } catch (const IoError&) {
  }
  return entries;
}

std::string ScreenEntry(const std::string& entry) {
  return UpperCopy(entry, static_cast<int>(kOffensiveEntryLength));
}

namespace {

std::string Reversed(const std::string& s) {
  return std::string(s.rbegin(), s.rend());
}

}  // namespace

std::vector<std::string> EntriesClearOfWords(const std::vector<std::string>& entries,
                                             const PuzzleRecord& puzzle) {
  std::vector<std::string> words;
  for (int i = 1; i <= kMaxWords; ++i)
    if (!puzzle.Word(i).Empty()) words.push_back(WordLetters(puzzle.Word(i).Get()));
  std::vector<std::string> kept;
  for (const std::string& entry : entries) {
    const std::string forward = ScreenEntry(entry);
    const std::string backward = Reversed(forward);
    const bool inWord =
        !forward.empty() && std::any_of(words.begin(), words.end(), [&](const std::string& w) {
          return w.find(forward) != std::string::npos || w.find(backward) != std::string::npos;
        });
    if (!inWord) kept.push_back(entry);
  }
  return kept;
}

OffensiveScreen::OffensiveScreen(const std::vector<std::string>& entries) {
  std::vector<std::string> all, solid;
  for (const std::string& entry : entries) {
    const std::string e = ScreenEntry(entry);
    // An empty entry never matches; one holding a 0 byte could only match across a cell
    // outside the shape, which breaks every line.
    if (e.empty() || e.find('\0') != std::string::npos) continue;
    for (std::vector<std::string>* list : {&all, &solid}) {
      if (list == &solid && e.find(' ') != std::string::npos) continue;
      list->push_back(e);
      list->push_back(Reversed(e));
    }
  }
  all_ = Build(all);
  solid_ = Build(solid);
  KeepGrams(solid_, solid);
}

void OffensiveScreen::KeepGrams(Automaton& a, const std::vector<std::string>& patterns) {
  size_t shortest = kOffensiveEntryLength;
  for (const std::string& p : patterns) shortest = std::min(shortest, p.size());
  // Runs of three letters rule out the most. A table column is a bit of a 64-bit word, so
  // lists using more than 63 different bytes go without.
  const int gram = static_cast<int>(std::min<size_t>(shortest, 3));
  const size_t k = static_cast<size_t>(a.classes);
  if (gram < 2 || k > 64) return;
  a.gram = gram;
  a.follows.assign(gram == 3 ? k * k : k, 0);
  for (const std::string& p : patterns)
    for (size_t at = 0; at + static_cast<size_t>(gram) <= p.size(); ++at) {
      size_t lead = 0;
      for (int n = 0; n + 1 < gram; ++n)
        lead = lead * k + a.classOf[static_cast<uint8_t>(p[at + n])];
      a.follows[lead] |= 1ull << a.classOf[static_cast<uint8_t>(p[at + gram - 1])];
    }
}

OffensiveScreen::Automaton OffensiveScreen::Build(const std::vector<std::string>& patterns) {
  Automaton a;
  a.any = !patterns.empty();
  for (const std::string& p : patterns) a.longest = std::max(a.longest, static_cast<int>(p.size()));

  // Bytes no entry uses all share column 0, which always leads back to the root.
  for (const std::string& p : patterns)
    for (char ch : p) {
      uint8_t& c = a.classOf[static_cast<uint8_t>(ch)];
      if (c == 0) c = static_cast<uint8_t>(a.classes++);
    }
  const size_t k = static_cast<size_t>(a.classes);

  // Trie of all patterns; -1 marks a missing edge until the table is completed below.
  std::vector<int32_t> next(k, -1);
  std::vector<uint8_t> found(1, 0);  // the state ends a pattern, itself or through a suffix
  for (const std::string& p : patterns) {
    size_t state = 0;
    for (char ch : p) {
      const size_t c = a.classOf[static_cast<uint8_t>(ch)];
      if (next[state * k + c] < 0) {
        next[state * k + c] = static_cast<int32_t>(found.size());
        next.resize(next.size() + k, -1);
        found.push_back(0);
      }
      state = static_cast<size_t>(next[state * k + c]);
    }
    found[state] = 1;
  }

  // Breadth-first: failure links, inherited matches and the missing edges of a full table.
  std::vector<size_t> fail(found.size(), 0);
  std::vector<size_t> queue;
  queue.reserve(found.size());
  for (size_t c = 0; c < k; ++c) {
    if (next[c] < 0 || c == 0)
      next[c] = 0;
    else
      queue.push_back(static_cast<size_t>(next[c]));
  }
  for (size_t head = 0; head < queue.size(); ++head) {
    const size_t state = queue[head];
    const size_t back = fail[state];
    next[state * k] = 0;
    for (size_t c = 1; c < k; ++c) {
      int32_t& to = next[state * k + c];
      if (to < 0) {
        to = next[back * k + c];
      } else {
        const size_t child = static_cast<size_t>(to);
        fail[child] = static_cast<size_t>(next[back * k + c]);
        found[child] |= found[fail[child]];
        queue.push_back(child);
      }
    }
  }

  // The scan only needs where a step leads: the row of the next state, or "found".
  a.table.resize(next.size());
  for (size_t i = 0; i < next.size(); ++i) {
    const size_t to = static_cast<size_t>(next[i]);
    a.table[i] = found[to] ? kFound : static_cast<uint32_t>(to * k);
  }
  return a;
}

bool OffensiveScreen::Finds(const PuzzleRecord& puzzle) const {
  return Scan(puzzle, true);
}

bool OffensiveScreen::FindsInPlacedLetters(const PuzzleRecord& puzzle) const {
  return Scan(puzzle, false);
}

bool OffensiveScreen::Scan(const PuzzleRecord& puzzle, bool withFill) const {
  if (!all_.any) return false;
  const int width = ClampedGridWidth(puzzle);
  const int height = ClampedGridHeight(puzzle);

  // The grid as table columns, packed to width x height.
  uint8_t grid[kGridCells];
  for (int r = 1; r <= height; ++r)
    for (int c = 1; c <= width; ++c) {
      const int cell = CellIndex(r, c);
      const uint8_t shown = withFill ? ShownLetter(puzzle, cell) : puzzle.Letter(cell);
      grid[(r - 1) * width + (c - 1)] = all_.classOf[shown];
    }

  // Every check line keeps its own automaton state, and the sweeps advance many lines side by
  // side: their table look-ups do not wait on one another, which keeps the walk fast although
  // each line alone is a chain of dependent loads.
  const uint32_t* next = all_.table.data();
  constexpr int kMaxSide = kGridStride;

  // Down the rows: the columns, the diagonals running down to the right (numbered
  // c - r + height - 1) and those running down to the left (numbered c + r), each met at its
  // top end first.
  uint32_t column[kMaxSide] = {}, downRight[2 * kMaxSide] = {}, downLeft[2 * kMaxSide] = {};
  for (int r = 0; r < height; ++r) {
    const uint8_t* line = grid + r * width;
    for (int c = 0; c < width; ++c) {
      const uint32_t g = line[c];
      uint32_t& a = column[c];
      uint32_t& b = downRight[c - r + height - 1];
      uint32_t& d = downLeft[c + r];
      a = next[a + g];
      b = next[b + g];
      d = next[d + g];
      if (a == kFound || b == kFound || d == kFound) return true;
    }
  }
  // Across the columns: the rows, read left to right.
  uint32_t row[kMaxSide] = {};
  for (int c = 0; c < width; ++c)
    for (int r = 0; r < height; ++r) {
      uint32_t& a = row[r];
      a = next[a + grid[r * width + c]];
      if (a == kFound) return true;
    }
  return false;
}

bool OffensiveScreen::FindsThroughWord(const uint8_t* first, int step, uint32_t fresh) const {
  if (!solid_.any || fresh == 0) return false;
  // Along the word, from its first new letter to its last.
  const int from = std::countr_zero(fresh), to = 31 - std::countl_zero(fresh);
  if (FindsThrough(first + from * step, step, to - from + 1)) return true;

  // Across it: the three other lines through every new letter. Most cells have no run of an
  // entry's letters through them, and two or three look-ups of the cells around settle it.
  const uint8_t* classOf = solid_.classOf.data();
  const uint64_t k = static_cast<uint64_t>(solid_.classes);
  const uint64_t* follows = solid_.follows.data();
  static constexpr int kLines[4] = {FramedGrid::Step(0, 1), FramedGrid::Step(1, 0),
                                    FramedGrid::Step(1, 1), FramedGrid::Step(1, -1)};
  for (int j = from; j <= to; ++j) {
    if (!(fresh >> j & 1)) continue;
    const uint8_t* cell = first + j * step;
    for (const int line : kLines) {
      if (line == step || line == -step) continue;
      if (solid_.gram == 3) {
        const uint64_t a = classOf[cell[-2 * line]], b = classOf[cell[-line]], c = classOf[cell[0]],
                       d = classOf[cell[line]], e = classOf[cell[2 * line]];
        if (!((follows[a * k + b] >> c | follows[b * k + c] >> d | follows[c * k + d] >> e) & 1))
          continue;
      } else if (solid_.gram == 2) {
        const uint64_t b = classOf[cell[-line]], c = classOf[cell[0]], d = classOf[cell[line]];
        if (!((follows[b] >> c | follows[c] >> d) & 1)) continue;
      }
      if (FindsThrough(cell, line, 1)) return true;
    }
  }
  return false;
}

bool OffensiveScreen::FindsThrough(const uint8_t* first, int step, int count) const {
  const uint8_t* classOf = solid_.classOf.data();
  // An entry through these cells lies within `reach` cells of them, and never spans a cell
  // that no entry uses (an empty one above all).
  const int reach = solid_.longest - 1;
  const uint8_t* cell = first;
  for (int n = 0; n < reach && classOf[cell[-step]] != 0; ++n) cell -= step;
  const uint32_t* next = solid_.table.data();
  uint32_t state = 0;
  // Up to the last of the cells; inside them a byte no entry uses simply starts afresh.
  const uint8_t* last = first + (count - 1) * step;
  for (;; cell += step) {
    state = next[state + classOf[*cell]];
    if (state == kFound) return true;
    if (cell == last) break;
  }
  for (int n = 0; n < reach; ++n) {
    cell += step;
    const uint8_t g = classOf[*cell];
    if (g == 0) break;
    state = next[state + g];
    if (state == kFound) return true;
  }
  return false;
}

}  // namespace gw
