// The spelling check of a full word list: 330 words with 330 clues, dictionary loading included,
// no dialogs (every unknown word gets its suggestions and is passed over).
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "language/SpellCheck.h"
#include "language/Speller.h"

namespace {

std::vector<gw::SpellRow> LoadRows(int misspelled) {
  std::vector<gw::SpellRow> rows;
  std::ifstream in(GW_BENCH_DATA "/s1_clued.txt");
  std::string line;
  while (std::getline(in, line)) {
    const size_t sep = line.find(" : ");
    rows.push_back({line.substr(0, sep), sep == std::string::npos ? "" : line.substr(sep + 3)});
  }
  // Misspell every n-th word by doubling its last letter.
  for (int k = 0; k < misspelled && !rows.empty(); ++k) {
    std::string& w = rows[(k * 37) % rows.size()].word;
    w += w.back();
  }
  return rows;
}

class PassOver : public gw::SpellPrompt {
 public:
  gw::SpellAnswer Ask(const std::string&, const std::vector<std::string>&) override { return {}; }
  void NoSuggestions(const std::string&) override {}
};

// Argument: 1 American, 2 British; second: how many words are misspelled.
void BM_CheckList(benchmark::State& state) {
  const gw::AppPaths paths{".", "."};
  const std::vector<gw::SpellRow> original = LoadRows(static_cast<int>(state.range(1)));
  for (auto _ : state) {
    std::vector<gw::SpellRow> rows = original;
    auto speller = gw::OpenSpeller(paths, state.range(0));
    if (!speller) {
      state.SkipWithError("dictionary not installed");
      return;
    }
    PassOver prompt;
    benchmark::DoNotOptimize(gw::CheckSpelling(rows, true, *speller, prompt));
  }
}
BENCHMARK(BM_CheckList)
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({2, 3})
    ->Args({2, 10})
    ->Unit(benchmark::kMillisecond);

}  // namespace
