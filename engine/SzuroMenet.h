#pragma once
// The pass every computation runs: step the generator, test each column
// against the compiled table, hand each accepted column to the command.

#include "engine/OszlopGenerator.h"
#include "engine/Szuro.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace kv {

// How a pass reports to whoever runs it: the window's gauge and abort
// button, the batch program's bar, a test's counter.
class IProgress {
public:
  virtual ~IProgress() = default;
  virtual void SetPercent(std::uint8_t percent) = 0; // also the moment to let pending events run
  virtual bool AbortRequested() = 0;
};

struct TMenet {
  TOszlopGenerator& generator;
  const TSzuro& szuro;
  int szukitesiHiba = 0;
  std::vector<TOszlop>* elfogadottLista = nullptr; // kept only when a Hibapont condition needs it
  THibapontok* hibapontok = nullptr;               // the same: the pass's accepted columns for Hibapont
};

// The loop every pass shares. Each column's failed records are counted up
// to `hatar`; dontes(kep, hibak) says whether the column is accepted, and
// elfogadva(kep) then hears of it. Returns the number of accepted columns,
// or -1 when the pass was aborted.
//
// No record reads the +1 sign, so where the run goes through the 13 matches
// once per +1 sign, the counts of the first round serve the others; only
// Hibapont, which depends on what was accepted, is asked again.
template <class D, class F>
std::int64_t MenetHatarral(const TMenet& menet, IProgress* progress, int hatar, D&& dontes, F&& elfogadva) {
  TOszlopGenerator& g = menet.generator;
  std::vector<TOszlop>* lista = menet.elfogadottLista;
  THibapontok* hibapontok = menet.hibapontok;
  if (lista) {
    lista->clear();
    lista->reserve(static_cast<std::size_t>(g.Osszes()));
  }
  if (hibapontok) hibapontok->Uj();
  const std::int64_t osszes = g.Osszes();
  const std::int64_t lepes = osszes / 100;
  const std::int64_t kor = hatar < 254 ? g.PlusKor() : 0;
  std::vector<std::uint8_t> korHibak(static_cast<std::size_t>(kor));
  std::int64_t kovetkezoJelzes = lepes, i = 0, elfogadottDb = 0, korHely = 0;
  int jelzett = -1;
  if (g.Ures()) return 0;
  for (;;) {
    const TOszlopKep& o = g.Kep();
    int hibak;
    if (kor == 0) {
      hibak = menet.szuro.AlapHibak(o, hatar);
    } else if (i < kor) {
      hibak = std::min(menet.szuro.AlapHibak(o, hatar), hatar + 1);
      korHibak[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(hibak);
    } else {
      if (korHely == kor) korHely = 0;
      hibak = korHibak[static_cast<std::size_t>(korHely++)];
    }
    hibak = menet.szuro.HibapontHibak(o, hatar, hibak, hibapontok);
    if (dontes(o, hibak)) {
      ++elfogadottDb;
      if (lista) lista->push_back(OszlopFromKep(o));
      if (hibapontok) hibapontok->Felvesz(o);
      elfogadva(o);
    }
    if (++i >= kovetkezoJelzes && progress) {
      jelzett = static_cast<int>(i * 100 / osszes);
      progress->SetPercent(static_cast<std::uint8_t>(jelzett));
      kovetkezoJelzes += lepes;
      if (progress->AbortRequested()) return -1;
    }
    // The +1 distribution reads the accepted count, so it is raised before the step.
    if (g.Kovetkezo(elfogadottDb)) break;
  }
  // Whole percents of the column count can stop short of the last column
  // (47,829 x 100 of 3^14); the gauge still ends full.
  if (progress && jelzett < 100) progress->SetPercent(100);
  return elfogadottDb;
}

// The pass of the acceptance rule: a column is accepted when it fails no
// more records than the allowed reduction error.
template <class F>
std::int64_t Menet(const TMenet& menet, IProgress* progress, F&& elfogadva) {
  const int limit = menet.szukitesiHiba;
  return MenetHatarral(
      menet, progress, limit, [limit](const TOszlopKep&, int hibak) { return hibak <= limit; },
      std::forward<F>(elfogadva));
}

} // namespace kv
