// The statistics pass over 3^14 columns, beside the literal rules, and the
// analysis pass over the same bet.

#include "support/BenchBets.h"
#include "engine/Elemzes.h"
#include "engine/Jatek.h"
#include "engine/Statisztika.h"
#include "support/Literal.h"
#include "support/LiteralStat.h"

#include <benchmark/benchmark.h>

namespace kv {
namespace {

// The large bet with every one of the 50 Alaptippek entries in use: the most
// Találatok measures a column can take.
TBevitel NagyFogadasSokAlaptippel() {
  TBevitel be = bench::NagyFogadas();
  for (int c = 0; c < AlaptippekColumns; ++c)
    for (int m = 0; m < PositionCount; ++m)
      if (be.alaptippek[c][m].empty()) be.alaptippek[c][m] = std::string(1, "1X2"[(c * 7 + m * 3) % 3]);
  return be;
}

void Prepare(benchmark::State& state, TJatek& j, TBevitel be) {
  THiba h;
  if (!j.Elokeszit(be, TKulcsValasztas{}, h)) state.SkipWithError(h.uzenet.c_str());
}

void PerColumn(benchmark::State& state, double columns) {
  state.counters["ns/column"] = benchmark::Counter(static_cast<double>(state.iterations()) * columns,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void StatPass(benchmark::State& state, TBevitel be) {
  TJatek j;
  Prepare(state, j, std::move(be));
  TStatisztika s;
  std::int64_t n = 0;
  for (auto _ : state) {
    j.GeneratorInditas();
    n = StatisztikaMenet(j, nullptr, s);
    benchmark::DoNotOptimize(s.db.data());
  }
  state.counters["accepted"] = static_cast<double>(n);
  PerColumn(state, MaxColumns);
}

void BM_Statisztika(benchmark::State& state) { StatPass(state, bench::NagyFogadas()); }
BENCHMARK(BM_Statisztika)->Unit(benchmark::kMillisecond);

void BM_Statisztika50Alaptipp(benchmark::State& state) { StatPass(state, NagyFogadasSokAlaptippel()); }
BENCHMARK(BM_Statisztika50Alaptipp)->Unit(benchmark::kMillisecond);

// The literal acceptance and measures over the text of every 64th column
// (the whole pass would take about half a minute).
void BM_StatisztikaLiteral(benchmark::State& state) {
  TJatek j;
  Prepare(state, j, bench::NagyFogadas());
  TStatisztika s;
  for (auto _ : state) {
    j.GeneratorInditas();
    TOszlopGenerator& g = j.Generator();
    std::int64_t n = 0, i = 0;
    do
      if ((i++ & 63) == 0 && literal::Elfogadhato(g.Aktualis(), j.Tippek(), {})) {
        ++n;
        literal::StatMeres(g.Aktualis(), j.Tippek(), s);
      }
    while (!g.Kovetkezo(n));
    benchmark::DoNotOptimize(s.db.data());
  }
  PerColumn(state, MaxColumns / 64.0);
}
BENCHMARK(BM_StatisztikaLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

// The analysis of the large bet (one allowed failure): the columns two
// failures short have every record tested.
void BM_Elemzes(benchmark::State& state) {
  TJatek j;
  Prepare(state, j, bench::NagyFogadas());
  ElemzesDb db;
  std::int64_t n = 0;
  for (auto _ : state) {
    j.GeneratorInditas();
    n = ElemzesMenet(j, nullptr, db);
    benchmark::DoNotOptimize(db.data());
  }
  state.counters["accepted"] = static_cast<double>(n);
  PerColumn(state, MaxColumns);
}
BENCHMARK(BM_Elemzes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kv
