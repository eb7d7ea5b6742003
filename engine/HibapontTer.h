#pragma once
// Hibapont during a pass. The rule measures a column against every column
// accepted before it, which made a pass over n columns cost n^2 / 2
// comparisons. Here each Hibapont record keeps one byte per combination of
// signs its matches can take (at most 3^13): the distance to the nearest
// accepted column, capped past Max. Asking costs one lookup; accepting a
// column lowers the bytes of its radius-Max ball, and a walk down the ball
// stops wherever an earlier column is already as near, so every byte is
// lowered at most Max + 1 times over the whole pass, whatever the count.

#include "engine/Feltetel.h"
#include "engine/OszlopKep.h"
#include "engine/SulyTabla.h"
#include "engine/Tippek.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kv {

class THibapontTer {
public:
  // The record's matches and Max over the base tip the columns come from:
  // a column's sign at a match is always one of the base tip's signs there.
  void Build(std::uint16_t halmaz, int max, const std::array<std::string, 13>& alaptipp);
  void Uj(); // forgets every accepted column: the start of a pass

  // Whether the column fails the record: some accepted column lies within
  // Max of it over the record's matches (with none accepted yet, 13 counts).
  bool Hibas(const TOszlopKep& o) const {
    if (max_ < 0) return false;
    if (max_ >= MatchCount) return true;
    return tav_[Kod(o)] <= max_;
  }
  void Felvesz(const TOszlopKep& o); // o is accepted

private:
  struct TKoord {             // a match of the set with more than one sign
    std::uint16_t bit = 0;    // the match in the masks
    std::uint32_t suly = 1;   // place value in the mixed-radix code
    std::uint8_t alap = 1;    // number of its signs
    std::array<std::uint8_t, 3> jegy{}; // digit of each sign slot
  };

  std::uint32_t Kod(const TOszlopKep& o) const {
    return kod_[0].Osszeg(o.maszk[0]) + kod_[1].Osszeg(o.maszk[1]) + kod_[2].Osszeg(o.maszk[2]);
  }
  void Jelol(std::uint32_t kod, int elso, int tav);

  int max_ = 0;
  std::vector<TKoord> koord_;
  std::array<TReszOsszegTabla<std::uint32_t>, 3> kod_; // per sign slot: the sign's digit times the place value
  std::vector<std::uint8_t> tav_;
  std::array<std::uint8_t, 13> jegy_{}; // digits of the code being walked
};

// The Hibapont records of a condition table in table order, each with its space.
class THibapontok {
public:
  void Build(const TTippek& tippek);
  void Uj();
  bool Ures() const { return terek_.empty(); }
  int Meret() const { return static_cast<int>(terek_.size()); }
  bool Hibas(int i, const TOszlopKep& o) const { return terek_[static_cast<std::size_t>(i)].Hibas(o); }
  void Felvesz(const TOszlopKep& o) {
    for (THibapontTer& t : terek_) t.Felvesz(o);
  }

private:
  std::vector<THibapontTer> terek_;
};

} // namespace kv
