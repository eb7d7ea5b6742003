#pragma once
// The one object that owns a game: the compiled model, the condition table,
// the generator and the accepted-columns list. The window (or the batch
// program) fills the input record, calls a command and shows its result.

#include "engine/Bevitel.h"
#include "engine/Hiba.h"
#include "engine/OszlopGenerator.h"
#include "engine/SzuroMenet.h"
#include "engine/Szuro.h"
#include "engine/Tippek.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace kv {

// The key list as a command sees it: its size and the selected key.
struct TKulcsValasztas {
  int listaMeret = 0;
  int harmas = 0;
  int kettes = 0;
  TKulcsAdat adat; // the selected key's header values and columns
};

// RunState values.
enum TFutas : int { FutasNincs = 0, FutasOszlopszam = 1, FutasStatisztika = 2, FutasSzelveny = 3,
                    FutasTalalat = 4, FutasElemzes = 5, FutasMinGarancia = 6, FutasReszletes = 7 };

class TJatek {
public:
  TJatek() = default;
  TJatek(const TJatek&) = delete;
  TJatek& operator=(const TJatek&) = delete;

  // Checks the base tips and compiles the Tippek page (which packs the
  // condition rows of `be`). False with the first error in hiba.
  bool Elokeszit(TBevitel& be, const TKulcsValasztas& kulcs, THiba& hiba);

  // Resets the generator for the play mode; returns the base tip count.
  std::int64_t GeneratorInditas();

  // The column count pass; the accepted count, or -1 after an abort.
  std::int64_t SzuroMenet(IProgress* progress);

  const TTippek& Tippek() const { return tippek_; }
  const TSzuro& Szuro() const { return szuro_; }
  TOszlopGenerator& Generator() { return generator_; }
  std::int64_t ElfogadottOszlopok() const { return elfogadottOszlopok_; }
  const std::vector<TOszlop>& ElfogadottLista() const { return elfogadottLista_; }
  int RunState() const { return runState_; }

  // The pass of any command: sets RunState for its duration, calls
  // elfogadva(kep) for each accepted column and keeps the accepted count
  // (-1 after an abort). The generator must have been reset before.
  template <class F> std::int64_t Menet(int futas, IProgress* progress, F&& elfogadva) {
    return SajatMenet(futas, [&](const TMenet& m) { return kv::Menet(m, progress, std::forward<F>(elfogadva)); });
  }
  // A command whose pass must see more than the accepted columns runs its own
  // loop over the pass's parts; the frame around it is the same.
  template <class G> std::int64_t SajatMenet(int futas, G&& menet) {
    runState_ = futas;
    elfogadottOszlopok_ = menet(MenetAdatok());
    runState_ = FutasNincs;
    if (elfogadottOszlopok_ < 0) elfogadottLista_.clear(); // an aborted pass accepted nothing
    return elfogadottOszlopok_;
  }
  TMenet MenetAdatok();
  // A pass whose command failed after it (a ticket overflow) counts as aborted.
  void ElfogadottElvetes() {
    elfogadottOszlopok_ = -1;
    elfogadottLista_.clear();
  }

private:
  TTippek tippek_;
  TSzuro szuro_;
  TOszlopGenerator generator_;
  TKulcsAdat kulcs_;
  std::vector<TOszlop> elfogadottLista_;
  THibapontok hibapontok_;
  std::int64_t elfogadottOszlopok_ = -1;
  int runState_ = FutasNincs;
};

} // namespace kv
