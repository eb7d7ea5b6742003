// The two key tables of the largest key: 13 tripled matches (1,594,323
// outcomes) against 50 columns, normal and collective.

#include "keys/KeyTable.h"

#include <benchmark/benchmark.h>

#include <random>

namespace kv {
namespace {

// 50 random columns over the 13 triples. Kind 0: normal columns; 1: a cell
// in four holds two or three signs; 2: every cell a double, so that most
// columns stay within three misses of most outcomes (the slowest case).
TKulcs LargestKey(int kind, TKeyColumns& columns) {
  std::mt19937 rng(13);
  TKulcs k;
  for (int i = 0; i < MatchCount; ++i) k.alaptipp[static_cast<std::size_t>(i)] = "1X2";
  columns.assign(50, EmptyColumn);
  for (TOszlop& o : columns)
    for (int i = 0; i < MatchCount; ++i) {
      TTipp t = static_cast<TTipp>(1 << (rng() % 3));
      if (kind == 1 && rng() % 4 == 0) t = static_cast<TTipp>(t | (1 << (rng() % 3)));
      if (kind == 2) t = static_cast<TTipp>(7 & ~t);
      o[static_cast<std::size_t>(i)] = t;
    }
  ComputeKeyCounts(k, columns);
  return k;
}

void BM_KeyTable(benchmark::State& state) {
  const auto mode = static_cast<TKeyTableMode>(state.range(0));
  TKeyColumns columns;
  TKulcs k = LargestKey(static_cast<int>(state.range(1)), columns);
  std::size_t rows = 0;
  for (auto _ : state) {
    std::optional<TKeyTableEredmeny> e = ComputeKeyTable(mode, k, columns, nullptr);
    rows = e ? e->rekordok.size() : 0;
    benchmark::DoNotOptimize(rows);
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["ns/outcome"] = benchmark::Counter(static_cast<double>(state.iterations()) * 1594323,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// Arguments: mode (0 minimum guarantee, 1 detailed), kind of columns.
BENCHMARK(BM_KeyTable)
    ->ArgNames({"mode", "columns"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 2})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kv
