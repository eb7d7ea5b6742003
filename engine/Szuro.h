#pragma once
// The condition table compiled for the pass. Every kind is folded into tables
// or masks over the column's bit masks once per command, so that testing a
// column costs a few lookups instead of a walk over its text per condition.
// The acceptance it gives is exactly that of testing every record with
// `Megfelel`: only the number of failed records matters, so the records are
// tested cheapest first and the test stops once the failures exceed the limit.

#include "engine/Megfelel.h"
#include "engine/OszlopKep.h"
#include "engine/Tippek.h"

#include "engine/SulyTabla.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kv {

class TSzuro {
public:
  void Build(const TTippek& tippek);

  // Failed records of the column, counted until they exceed limit.
  int Hibak(const TOszlopKep& o, int limit, std::span<const TOszlop> elfogadott) const;
  bool Elfogadhato(const TOszlopKep& o, int szukitesiHiba, std::span<const TOszlop> elfogadott) const {
    return Hibak(o, szukitesiHiba, elfogadott) <= szukitesiHiba;
  }

private:
  // Gathers the bits of a mask that fall on the set into a run from bit 0,
  // in match order: the sequence of the set's matches Ismétlődés walks.
  struct TTomorites {
    std::array<std::uint16_t, 128> lo{};
    std::array<std::uint16_t, 64> hi{};
    int loDb = 0;
    std::uint16_t Tomorit(std::uint16_t m) const {
      return static_cast<std::uint16_t>(lo[m & 127] | (hi[(m >> 7) & 63] << loDb));
    }
    void Set(std::uint16_t halmaz);
  };
  struct TRekord {
    char tipus;
    std::uint16_t halmaz;
    std::int32_t min, max;
    std::array<std::uint8_t, 3> slot; // mask slots of the tip part's characters
    std::uint8_t hossz;
    std::array<std::uint16_t, 3> talalat; // Találatok: matches of the set where the entry holds 1, X, 2
    int tabla;                           // Esélyek, Átlag: index into sulyok_; Ismétlődés: into tomoritesek_
    int atlagDarab;
  };

  bool Megfelel(const TRekord& r, const TOszlopKep& o, std::span<const TOszlop> elfogadott) const;
  void AddSorozatFeltetel(const TFeltetel& f);
  void AddRekord(const TFeltetel& f, const TTippek& tippek);

  // Darabszám, Ragadás and Távolság read one mask each: their failures are
  // summed per mask slot into one table over the 8192 mask values.
  std::array<std::vector<std::uint8_t>, 6> sorozatHibak_;
  std::vector<TRekord> olcso_;  // bit tests: Találatok, Ismét, Ismétlődés, String2, String3
  std::vector<TRekord> draga_;  // sums: Esélyek, Átlag
  std::vector<TRekord> hibapont_;
  std::vector<std::array<TSulyTabla, 3>> sulyok_;
  std::vector<TTomorites> tomoritesek_;
};

} // namespace kv
