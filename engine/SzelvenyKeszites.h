#pragma once
// Ticket making: the filter pass that packs every accepted column into the
// ticket store, merging columns that differ in one match into collective
// records while the pass runs, then turning the records too small for a
// collective ticket back into normal columns.

#include "engine/Hiba.h"
#include "engine/OszlopIndex.h"
#include "engine/Szelvenyek.h"
#include "engine/SzuroMenet.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kv {

class TJatek;

// Merging modes (Osszevonas of the settings).
// 0: a record with a triple or two doubles stays a collective ticket;
// 1: only one with three doubles, a triple and a double, or two triples;
// 2: no merging, every column a normal column in generation order.
constexpr int OsszevonasOszlopszam = 0;
constexpr int OsszevonasSzelveny = 1;
constexpr int OsszevonasNincs = 2;

constexpr int MaxHarmas = 10; // triples one collective record may hold

// The information message of a full store; mode 2 adds its advice.
std::string TulcsordulasUzenet(int osszevonas);
THiba TulcsordulasHiba(int osszevonas);

// Where scanning gives way to the index. The store never depends on them;
// tests move them to drive either way through the same columns.
struct TPakoloHatarok {
  int scan = 128;        // a group of more records is looked up in the index
  int indexFelett = 512; // the index is kept above this many records, dropped below half
};

// Packs columns one at a time into the store. The store's records are grouped
// by their number of triples, most first; `Szintek`[k] is the first record of
// the group with k triples (k >= 1 ends where group k-1 begins, group 0 runs
// to the end). A column can only merge with a record of its own group, and
// within it with the first record, in store order, that differs from it in
// one match with no sign in common. A small group is scanned; in a large
// store the partners are looked up in an index of the records' contents.
// Either way the records move between slots exactly as the group
// bookkeeping moves them, since the store order is the ticket order.
class TSzelvenyPakolo {
public:
  // Clears the store (counts and overflow flag included).
  TSzelvenyPakolo(int osszevonas, TSzelvenyek& szelvenyek, TPakoloHatarok hatarok = {});

  // Places one accepted column; false once the store has overflowed, after
  // which the store stays empty and further columns are ignored.
  bool Elhelyez(const TOszlop& n) { return ElhelyezKulcs(OszlopKulcs(n)); }
  bool Elhelyez(const TOszlopKep& kep) { return ElhelyezKulcs(OszlopKulcs(kep)); }

  // Once, after the last column: sets the collective part and splits the
  // records too small for it. False on overflow.
  bool Befejez();

  bool Tulcsordult() const { return tulcsordult_; }
  const std::array<int, 15>& Szintek() const { return szintek_; }
  // The records placed so far, in store order (before Befejez).
  std::vector<TOszlop> Allas() const;

private:
  // A slot holds the record's content as a key (OszlopKulcs) and, while the
  // index is kept, the node id the index knows it by.
  struct TSlot {
    std::uint64_t kulcs = SzabadKulcs;
    std::int32_t id = TOszlopIndex::Nincs;
  };
  static constexpr std::uint64_t SzabadKulcs = ~std::uint64_t{0}; // a slot that holds no record

  int SzelvenyCount() const { return static_cast<int>(tabla_.size()) - 1; }
  bool ElhelyezKulcs(std::uint64_t n);
  void Osszevon(std::uint64_t n);
  int Keres(std::uint64_t n, int lo, int hi, int lvl, int& p) const;
  int KeresIndexben(std::uint64_t n, int lo, int hi, int lvl, int& p) const;
  void Athelyez(int cel, int forras);
  void Kivesz(int hely);
  void Betesz(int hely, std::uint64_t n);
  void IndexIgazitas();
  void Tulcsordulas();
  bool HarmasBontas();
  bool KettesBontas();

  int osszevonas_;
  TSzelvenyek& sz_;
  TPakoloHatarok hatarok_;
  bool tulcsordult_ = false;
  std::array<int, 15> szintek_;
  std::vector<TSlot> tabla_; // slot k (from 1) while merging
  // The index, kept only while the store is large.
  bool indexelt_ = false;
  TOszlopIndex index_;
  std::vector<std::int32_t> hely_; // node id -> slot
  std::vector<std::int32_t> szabadIdk_;
  std::array<int, PositionCount> nullak_{}; // records with an untipped position p
};

// The ticket making pass over the game's generator (reset by the caller):
// clears and refills the store. True when the pass ran to its end (the
// store may be empty); false after an abort (hiba empty) or an overflow
// (hiba the message, szelvenyek.tulcsordulas set); either way the store is
// then empty. After a false the accepted count is -1, whatever the game
// object kept of the interrupted pass.
bool SzelvenyKeszites(TJatek& jatek, int osszevonas, TSzelvenyek& szelvenyek, IProgress* progress, THiba& hiba);

} // namespace kv
