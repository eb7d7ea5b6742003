// The hit search: the hit pass over 3^14 columns beside the bare count pass,
// and the winner lists over a full ticket store of 99,999 records.

#include "support/BenchBets.h"
#include "engine/Talalat.h"

#include <benchmark/benchmark.h>

#include <random>

namespace kv {
namespace {

constexpr int StoreSize = 99999;

const TOszlop& Eredmeny() {
  static const TOszlop e = {1, 2, 4, 1, 2, 4, 1, 2, 4, 1, 2, 4, 1, 2};
  return e;
}

// A full store: `kollektiv` collective records (doubles and triples), the
// rest single columns. With `nyero` every column sits near the result, so
// that every paper ticket is a winner and each is counted.
std::vector<TOszlop> Tar(int kollektiv, bool nyero) {
  std::mt19937 rng(11);
  std::vector<TOszlop> tar(StoreSize);
  for (int i = 0; i < StoreSize; ++i) {
    TOszlop& o = tar[static_cast<std::size_t>(i)];
    for (int p = 0; p < PositionCount; ++p) {
      TTipp jel = nyero && rng() % 8 != 0 ? Eredmeny()[p] : static_cast<TTipp>(1u << (rng() % 3));
      o[p] = i < kollektiv && rng() % 3 == 0 ? static_cast<TTipp>(jel | (1u << (rng() % 3))) : jel;
    }
  }
  return tar;
}

void BM_BuildWinnerLists(benchmark::State& state) {
  const int kollektiv = static_cast<int>(state.range(0));
  const std::vector<TOszlop> tar = Tar(kollektiv, state.range(1) != 0);
  std::size_t db = 0;
  for (auto _ : state) {
    TNyertesek w = BuildWinnerLists(tar, kollektiv, Eredmeny());
    db = w.winnersK.size() + w.winnersN.size();
    benchmark::DoNotOptimize(db);
  }
  state.counters["winners"] = static_cast<double>(db);
}
BENCHMARK(BM_BuildWinnerLists)
    ->Args({20000, 0})
    ->Args({20000, 1})
    ->Args({StoreSize, 1})
    ->Unit(benchmark::kMicrosecond);

// The winner grids' counts of every listed ticket: the worst case of
// scrolling through the whole list.
void BM_WinnerCounts(benchmark::State& state) {
  const int kollektiv = static_cast<int>(state.range(0));
  const std::vector<TOszlop> tar = Tar(kollektiv, true);
  const TNyertesek w = BuildWinnerLists(tar, kollektiv, Eredmeny());
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (int t : w.winnersK) sum += SzelvenyTalalatai(tar, kollektiv, true, t, Eredmeny())[MinWinHits];
    for (int t : w.winnersN) sum += SzelvenyTalalatai(tar, kollektiv, false, t, Eredmeny())[MinWinHits];
    benchmark::DoNotOptimize(sum);
  }
  state.counters["tickets"] = static_cast<double>(w.winnersK.size() + w.winnersN.size());
}
BENCHMARK(BM_WinnerCounts)->Arg(20000)->Arg(StoreSize)->Unit(benchmark::kMicrosecond);

// The hit pass of the large bet; its difference to the count pass is the
// cost of classing the accepted columns.
void BM_TalalatMenet(benchmark::State& state) {
  TBevitel be = bench::NagyFogadas();
  const std::string eredmeny = "1X21X21X21X21X";
  for (int m = 0; m < 13; ++m) be.eredmeny[m].assign(1, eredmeny[m]);
  be.plusEredmeny = "X";
  be.nyeremeny = {"123456789", "1234567", "12345", "1234", "123"};
  TJatek j;
  TEredmeny e;
  THiba h;
  if (!TalalatElokeszit(j, be, TKulcsValasztas{}, e, h)) state.SkipWithError(h.uzenet.c_str());
  std::int64_t n = 0;
  for (auto _ : state) {
    j.GeneratorInditas();
    n = TalalatMenet(j, e, nullptr);
    benchmark::DoNotOptimize(e.talalatDb);
  }
  state.counters["accepted"] = static_cast<double>(n);
}
BENCHMARK(BM_TalalatMenet)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kv

