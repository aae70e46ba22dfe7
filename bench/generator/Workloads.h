// The bench word lists as the generator benchmarks run them: a list in a square, screened.
#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "generator/OffensiveWords.h"
#include "generator/PlacementEngine.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw::bench {

struct Workload {
  std::unique_ptr<PuzzleRecord> puzzle = std::make_unique<PuzzleRecord>();
  ShapeRecord shape;
  std::unique_ptr<OffensiveScreen> screen;
  int words = 0;
};

// `file` of bench/data in a `size` x `size` square, with the program's own screen: the 58
// built-in entries less those the list's words spell.
inline Workload LoadWorkload(const char* file, int size) {
  Workload w;
  std::ifstream in(std::string(GW_BENCH_DATA) + "/" + file);
  std::vector<std::string> words;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) words.push_back(line);
  InitNewPuzzle(*w.puzzle);
  w.words = static_cast<int>(words.size());
  w.puzzle->wordCount = static_cast<int16_t>(words.size());
  for (size_t i = 0; i < words.size(); ++i) w.puzzle->words[i].Set(words[i]);
  w.puzzle->gridWidth = w.puzzle->gridHeight = static_cast<int16_t>(size);
  MakeNewShape(w.shape);
  w.shape.shapeWidth = w.shape.shapeHeight = static_cast<int16_t>(size);
  const std::vector<std::string> entries(BuiltInOffensiveWords().begin(),
                                         BuiltInOffensiveWords().end());
  w.screen = std::make_unique<OffensiveScreen>(EntriesClearOfWords(entries, *w.puzzle));
  return w;
}

}  // namespace gw::bench
