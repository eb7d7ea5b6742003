// The column count pass over 3^14 columns, beside the literal rules.

#include "support/BenchBets.h"
#include "engine/Jatek.h"
#include "engine/SzelvenyKeszites.h"
#include "support/Literal.h"

#include <benchmark/benchmark.h>

namespace kv {
namespace {

void PrepareOrSkip(benchmark::State& state, TJatek& j) {
  TBevitel be = bench::NagyFogadas();
  THiba h;
  if (!j.Elokeszit(be, TKulcsValasztas{}, h)) state.SkipWithError(h.uzenet.c_str());
}

void BM_OszlopszamSzamitas(benchmark::State& state) {
  TJatek j;
  PrepareOrSkip(state, j);
  std::int64_t n = 0;
  for (auto _ : state) {
    j.GeneratorInditas();
    n = j.SzuroMenet(nullptr);
    benchmark::DoNotOptimize(n);
  }
  state.counters["accepted"] = static_cast<double>(n);
  state.counters["ns/column"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 4782969, benchmark::Counter::kIsRate |
                                                                              benchmark::Counter::kInvert);
}
BENCHMARK(BM_OszlopszamSzamitas)->Unit(benchmark::kMillisecond);

// The bare enumeration: the machine's floor for any pass.
void BM_Felsorolas(benchmark::State& state) {
  TJatek j;
  PrepareOrSkip(state, j);
  for (auto _ : state) {
    j.GeneratorInditas();
    TOszlopGenerator& g = j.Generator();
    std::uint64_t sum = 0;
    do sum += g.Kep().maszk[0];
    while (!g.Kovetkezo(0));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_Felsorolas)->Unit(benchmark::kMillisecond);

// Ticket making over the same bet: 3,661,284 accepted columns that merge
// into some 54,000 records, the heavy case of the packer.
void BM_SzelvenyNagyFogadas(benchmark::State& state) {
  TJatek j;
  PrepareOrSkip(state, j);
  TSzelvenyek sz;
  for (auto _ : state) {
    j.GeneratorInditas();
    THiba h;
    SzelvenyKeszites(j, 0, sz, nullptr, h);
  }
  state.counters["records"] = static_cast<double>(sz.SzelvenyCount());
}
BENCHMARK(BM_SzelvenyNagyFogadas)->Unit(benchmark::kMillisecond)->Iterations(1);

// The literal rules over the text of every 16th column (the whole pass takes seconds).
void BM_OszlopszamLiteral(benchmark::State& state) {
  TJatek j;
  PrepareOrSkip(state, j);
  for (auto _ : state) {
    j.GeneratorInditas();
    TOszlopGenerator& g = j.Generator();
    std::int64_t n = 0, i = 0;
    do
      if ((i++ & 15) == 0 && literal::Elfogadhato(g.Aktualis(), j.Tippek(), {})) ++n;
    while (!g.Kovetkezo(n));
    benchmark::DoNotOptimize(n);
  }
  state.counters["ns/column"] = benchmark::Counter(static_cast<double>(state.iterations()) * (4782969.0 / 16),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OszlopszamLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace kv

