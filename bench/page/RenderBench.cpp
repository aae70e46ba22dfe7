// Page rendering of a full puzzle: 30 x 30 letters, 330 words with clues, on the built-in default
// page with the answer key, into the recorder, a PDF, a PNG, and the clue list fitted from
// 40 points down.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <fstream>
#include <memory>
#include <string>

#include "base/Random.h"
#include "page/PageDocuments.h"
#include "page/PageRecorder.h"

namespace gw {
namespace {

// Every word of w3_mixed.txt marked placed along a random line of the grid (words may cross
// anything: only drawing is timed), every cell a letter, every clue a sentence of 6 to 14 words.
std::unique_ptr<PuzzleRecord> FullPuzzle() {
  auto p = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*p);
  MakeBuiltInDefaultLayout(p->pageLayout);
  p->title.Set("Three Hundred and Thirty");
  p->gridWidth = p->gridHeight = 30;
  Rng rng(2024);
  for (int r = 1; r <= 30; ++r)
    for (int c = 1; c <= 30; ++c)
      p->Letter(CellIndex(r, c)) = static_cast<uint8_t>('A' + rng.Random(26));
  std::ifstream in(GW_BENCH_DATA "/w3_mixed.txt");
  std::string word;
  static const char* const kFiller[] = {"a",      "small", "thing", "that", "you",
                                        "might",  "find",  "in",    "the",  "kitchen",
                                        "garden", "or",    "near",  "water"};
  int n = 0;
  while (n < kMaxWords && std::getline(in, word)) {
    if (word.empty()) continue;
    ++n;
    p->Word(n).Set(word);
    std::string clue;
    for (int k = 6 + rng.Random(9); k > 0; --k) clue += std::string(kFiller[rng.Random(14)]) + " ";
    p->Clue(n).Set(clue);
    const int len = std::min<int>(word.size(), 30);
    const int dr = rng.Random(3) - 1, dc = dr == 0 ? 1 : rng.Random(3) - 1;
    const int r0 = dr < 0 ? len + rng.Random(31 - len) : 1 + rng.Random(31 - len);
    const int c0 = dc < 0 ? len + rng.Random(31 - len) : 1 + rng.Random(31 - len);
    p->wordStart[n - 1] = static_cast<int16_t>(CellIndex(r0, c0));
    p->wordEnd[n - 1] = static_cast<int16_t>(CellIndex(r0 + dr * (len - 1), c0 + dc * (len - 1)));
    p->wordPlaced[n - 1] = 1;
  }
  p->wordCount = static_cast<int16_t>(n);
  p->puzzleGenerated = 1;
  return p;
}

PrintOptions KeyOptions() {
  PrintOptions o;
  o.answerKey = true;
  o.numColumns = 3;
  return o;
}

void BM_Recorder(benchmark::State& state) {
  auto p = FullPuzzle();
  const PrintOptions o = KeyOptions();
  for (auto _ : state) {
    PageRecorder filer(8.5, 11, 300, 300);
    benchmark::DoNotOptimize(RunPageJob(*p, o, filer).values.printedWords);
  }
}
BENCHMARK(BM_Recorder)->Unit(benchmark::kMillisecond);

void BM_PdfInMemory(benchmark::State& state) {
  auto p = FullPuzzle();
  std::vector<PageJobResult> results;
  for (auto _ : state)
    benchmark::DoNotOptimize(PdfOfPages({{p.get(), KeyOptions()}}, results).size());
}
BENCHMARK(BM_PdfInMemory)->Unit(benchmark::kMillisecond);

void BM_Png150(benchmark::State& state) {
  auto p = FullPuzzle();
  for (auto _ : state) {
    PageJobResult result;
    benchmark::DoNotOptimize(PngOfImage(ImageOfPage(*p, KeyOptions(), 150, result)).size());
  }
}
BENCHMARK(BM_Png150)->Unit(benchmark::kMillisecond);

// Only the clue list, at 40 points with Make It Fit, in three columns over the whole page (7.5 x
// 10 inches): it shrinks point by point until all 330 clues fit (the counter shows the size).
void BM_ClueListFit(benchmark::State& state) {
  auto p = FullPuzzle();
  for (int i = 0; i < p->pageLayout.objectCount; ++i)
    if (p->pageLayout.objects[i].kind == kKindWords) {
      p->pageLayout.objects[i].fontSize = 40;
      p->pageLayout.objects[i].bounds = {24, 24, 384, 504};
    }
  PrintOptions o = KeyOptions();
  o.printTitle = o.printBody = o.printBonus = false;
  o.wordOption = kClues;
  for (auto _ : state) {
    PageRecorder filer(8.5, 11, 300, 300);
    benchmark::DoNotOptimize(RunPageJob(*p, o, filer).values.clues.fitting);
  }
  state.counters["points"] = p->pageLayout.objects[2].fittedFontSize;
}
BENCHMARK(BM_ClueListFit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gw

int main(int argc, char** argv) {
  // Fonts need a GUI application; the offscreen platform needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
