// Ticket making: the whole pass over 3^14 columns that merge into a handful
// of records, and over a bet whose columns stay some 90,000 records; then
// the packing alone, beside the literal region scan, on growing prefixes of
// the columns that do not merge.

#include "engine/Jatek.h"
#include "engine/SzelvenyKeszites.h"
#include "support/LiteralSzelveny.h"

#include <benchmark/benchmark.h>

namespace kv {
namespace {

// Every column of the full base tip: they merge into ten-triple records.
TBevitel Osszeolvado() {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1X2";
  be.plusTipp = "1X2";
  return be;
}

// Exactly five "1" and four "X" over the 13 matches: no two such columns
// differ in one match, so only the +1 merges: 270,270 columns, 90,090
// records of one triple (by ticket count they would split past the limit).
TBevitel Szetszort() {
  TBevitel be = Osszeolvado();
  be.feltetelek[0] = {"", "Darabszám", "1", "5", "5"};
  be.feltetelek[1] = {"", "Darabszám", "X", "4", "4"};
  return be;
}

void Elokeszit(benchmark::State& state, TJatek& j, TBevitel be) {
  THiba h;
  if (!j.Elokeszit(be, TKulcsValasztas{}, h)) state.SkipWithError(h.uzenet.c_str());
}

void Keszites(benchmark::State& state, TBevitel be) {
  TJatek j;
  Elokeszit(state, j, be);
  TSzelvenyek sz;
  for (auto _ : state) {
    j.GeneratorInditas();
    THiba h;
    if (!SzelvenyKeszites(j, static_cast<int>(state.range(0)), sz, nullptr, h)) state.SkipWithError("overflow");
    benchmark::DoNotOptimize(sz.rekordok.data());
  }
  state.counters["accepted"] = static_cast<double>(j.ElfogadottOszlopok());
  state.counters["K"] = sz.kollektivCount;
  state.counters["N"] = sz.normalCount;
}

// The count pass of the same bet: what ticket making costs beyond it.
void Szamlalas(benchmark::State& state, TBevitel be) {
  TJatek j;
  Elokeszit(state, j, be);
  for (auto _ : state) {
    j.GeneratorInditas();
    benchmark::DoNotOptimize(j.SzuroMenet(nullptr));
  }
}

void BM_Szelveny3Hat14(benchmark::State& s) { Keszites(s, Osszeolvado()); }
void BM_Szelveny90000(benchmark::State& s) { Keszites(s, Szetszort()); }
void BM_Oszlopszam3Hat14(benchmark::State& s) { Szamlalas(s, Osszeolvado()); }
void BM_Oszlopszam90000(benchmark::State& s) { Szamlalas(s, Szetszort()); }
BENCHMARK(BM_Szelveny3Hat14)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Oszlopszam3Hat14)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Szelveny90000)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Oszlopszam90000)->Unit(benchmark::kMillisecond);

// The accepted columns of the bet whose columns do not merge, +1 "1" only.
const std::vector<TOszlop>& NemOsszeolvado() {
  static const std::vector<TOszlop> oszlopok = [] {
    TJatek j;
    TBevitel be = Szetszort();
    be.plusTipp = "1";
    THiba h;
    std::vector<TOszlop> v;
    if (!j.Elokeszit(be, TKulcsValasztas{}, h)) return v;
    j.GeneratorInditas();
    j.Menet(FutasSzelveny, nullptr, [&v](const TOszlopKep& k) { v.push_back(OszlopFromKep(k)); });
    return v;
  }();
  return oszlopok;
}

void BM_Pakolas(benchmark::State& state) {
  const auto& o = NemOsszeolvado();
  std::vector<TOszlop> elso(o.begin(), o.begin() + std::min<std::ptrdiff_t>(state.range(0), std::ssize(o)));
  for (auto _ : state) {
    TSzelvenyek sz;
    TSzelvenyPakolo p(OsszevonasOszlopszam, sz);
    for (const TOszlop& x : elso) p.Elhelyez(x);
    p.Befejez();
    benchmark::DoNotOptimize(sz.rekordok.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * std::ssize(elso));
}

void BM_PakolasLiteral(benchmark::State& state) {
  const auto& o = NemOsszeolvado();
  std::vector<TOszlop> elso(o.begin(), o.begin() + std::min<std::ptrdiff_t>(state.range(0), std::ssize(o)));
  for (auto _ : state) benchmark::DoNotOptimize(literal::SzelvenyKeszites(elso, OsszevonasOszlopszam).rekordok.data());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * std::ssize(elso));
}

BENCHMARK(BM_Pakolas)->Arg(5000)->Arg(10000)->Arg(20000)->Arg(90090)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PakolasLiteral)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace kv
