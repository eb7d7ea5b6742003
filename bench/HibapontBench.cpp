// The column count with a Hibapont condition, Max 0 to 6: over 3^13 and
// 3^14 columns alone, and beside the large bet's conditions with its allowed
// failure; then a small bet on which the literal comparison with every
// earlier column still finishes, to give the ratio.

#include "support/BenchBets.h"
#include "engine/Jatek.h"
#include "support/Fixtures.h"

#include <benchmark/benchmark.h>

namespace kv {
namespace {

TBevitel Egyedul(const std::string& plus, int meccsek) {
  TBevitel be;
  for (int m = 0; m < meccsek; ++m) be.alaptipp[static_cast<std::size_t>(m)] = "1X2";
  for (int m = meccsek; m < MatchCount; ++m) be.alaptipp[static_cast<std::size_t>(m)] = "1";
  be.plusTipp = plus;
  return be;
}

TBevitel FeltetelekMellett(const std::string& plus) {
  TBevitel be = bench::NagyFogadas();
  be.plusTipp = plus;
  return be;
}

void Szamlalas(benchmark::State& state, TBevitel be) {
  int sor = 0;
  while (!be.feltetelek[static_cast<std::size_t>(sor)].Ures()) ++sor;
  be.feltetelek[static_cast<std::size_t>(sor)] = {"", "Hibapont", "", "", std::to_string(state.range(0))};
  TJatek j;
  THiba h;
  if (!j.Elokeszit(be, TKulcsValasztas{}, h)) state.SkipWithError(h.uzenet.c_str());
  std::int64_t n = 0;
  for (auto _ : state) {
    j.GeneratorInditas();
    n = j.SzuroMenet(nullptr);
    benchmark::DoNotOptimize(n);
  }
  state.counters["accepted"] = static_cast<double>(n);
}

void BM_Hibapont3Hat13(benchmark::State& s) { Szamlalas(s, Egyedul("", 13)); }
void BM_Hibapont3Hat14(benchmark::State& s) { Szamlalas(s, Egyedul("1X2", 13)); }
void BM_HibapontFeltetelekkel3Hat13(benchmark::State& s) { Szamlalas(s, FeltetelekMellett("1")); }
void BM_HibapontFeltetelekkel3Hat14(benchmark::State& s) { Szamlalas(s, FeltetelekMellett("1X2")); }
BENCHMARK(BM_Hibapont3Hat13)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hibapont3Hat14)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HibapontFeltetelekkel3Hat13)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HibapontFeltetelekkel3Hat14)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// 3^8 x 2 columns: the literal rule compares each with every accepted one.
void BM_HibapontKicsi(benchmark::State& s) { Szamlalas(s, Egyedul("1X", 8)); }
void BM_HibapontKicsiLiteral(benchmark::State& state) {
  TBevitel be = Egyedul("1X", 8);
  be.feltetelek[0] = {"", "Hibapont", "", "", std::to_string(state.range(0))};
  TJatek j;
  THiba h;
  if (!j.Elokeszit(be, TKulcsValasztas{}, h)) state.SkipWithError(h.uzenet.c_str());
  for (auto _ : state) {
    j.GeneratorInditas();
    benchmark::DoNotOptimize(test::LiteralPass(j.Generator(), j.Tippek()).size());
  }
}
BENCHMARK(BM_HibapontKicsi)->Arg(0)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HibapontKicsiLiteral)->Arg(0)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace kv
