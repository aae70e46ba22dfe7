// A puzzle book of 100 puzzles with their keys at the back, four to a page, on 6 x 9 inch pages
// with contents: as a PDF written to a file, and recorded for the preview and the printer.
#include <benchmark/benchmark.h>

#include <QDir>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/Random.h"
#include "page/PageExport.h"
#include "page/PuzzleBook.h"

namespace gw {
namespace {

// Puzzle n: a 20 x 20 grid of letters on the built-in default page, 40 words of w3_mixed.txt
// (from word 40 n on) each placed along a random line, a clue of 6 to 14 words each.
std::unique_ptr<PuzzleRecord> NumberedPuzzle(const std::vector<std::string>& words, int n) {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  MakeBuiltInDefaultLayout(p->pageLayout);
  p->title.Set("Puzzle number " + std::to_string(n + 1));
  p->gridWidth = p->gridHeight = 20;
  Rng rng(static_cast<uint64_t>(n) + 1);
  for (int r = 1; r <= 20; ++r)
    for (int c = 1; c <= 20; ++c)
      p->Letter(CellIndex(r, c)) = static_cast<uint8_t>('A' + rng.Random(26));
  static const char* const kFiller[] = {"a",      "small", "thing", "that", "you",
                                        "might",  "find",  "in",    "the",  "kitchen",
                                        "garden", "or",    "near",  "water"};
  for (int i = 1; i <= 40; ++i) {
    const std::string word = words[static_cast<size_t>(40 * n + i) % words.size()].substr(0, 20);
    p->Word(i).Set(word);
    std::string clue;
    for (int k = 6 + rng.Random(9); k > 0; --k) clue += std::string(kFiller[rng.Random(14)]) + " ";
    p->Clue(i).Set(clue);
    const int len = static_cast<int>(word.size());
    const int dr = rng.Random(3) - 1, dc = dr == 0 ? 1 : rng.Random(3) - 1;
    const int r0 = dr < 0 ? len + rng.Random(21 - len) : 1 + rng.Random(21 - len);
    const int c0 = dc < 0 ? len + rng.Random(21 - len) : 1 + rng.Random(21 - len);
    p->wordStart[i - 1] = static_cast<int16_t>(CellIndex(r0, c0));
    p->wordEnd[i - 1] = static_cast<int16_t>(CellIndex(r0 + dr * (len - 1), c0 + dc * (len - 1)));
    p->wordPlaced[i - 1] = 1;
  }
  p->wordCount = 40;
  p->puzzleGenerated = 1;
  return p;
}

struct HundredPuzzles {
  HundredPuzzles() {
    std::ifstream in(GW_BENCH_DATA "/w3_mixed.txt");
    std::vector<std::string> words;
    for (std::string w; std::getline(in, w);)
      if (!w.empty()) words.push_back(w);
    for (int n = 0; n < 100; ++n) {
      puzzles.push_back(NumberedPuzzle(words, n));
      PrintOptions o;
      o.numColumns = 3;
      book.push_back({puzzles.back().get(), o});
    }
    options.trim = TrimSize("6x9");
    options.contents = true;
    options.title = "A Hundred Puzzles";
  }
  std::vector<std::unique_ptr<PuzzleRecord>> puzzles;
  std::vector<BookPuzzle> book;
  BookOptions options;
};

void BM_BookPdf(benchmark::State& state) {
  HundredPuzzles h;
  const std::string file = QDir::tempPath().toStdString() + "/gridwright-book-bench.pdf";
  BookResult result;
  for (auto _ : state) {
    const QByteArray bytes = PdfOfBook(h.book, h.options, result);
    if (WriteWholeFile(file, bytes)) state.SkipWithError("the PDF could not be written");
    state.counters["MB"] = bytes.size() / 1e6;
  }
  state.counters["pages"] = result.pages;
  QFile::remove(QString::fromStdString(file));
}
BENCHMARK(BM_BookPdf)->Unit(benchmark::kMillisecond);

void BM_BookRecorded(benchmark::State& state) {
  HundredPuzzles h;
  BookResult result;
  for (auto _ : state)
    benchmark::DoNotOptimize(RecordBook(h.book, h.options, 600, result).stream.size());
  state.counters["pages"] = result.pages;
}
BENCHMARK(BM_BookRecorded)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gw
