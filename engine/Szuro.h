#pragma once
// The condition table compiled for the pass. Every kind is folded into tables
// or masks over the column's bit masks once per command, so that testing a
// column costs a few lookups instead of a walk over its text per condition.
// The acceptance it gives is exactly that of testing every record with
// `Megfelel`: only the number of failed records matters, so the records are
// tested cheapest first and the test stops once the failures exceed the limit.

#include "engine/HibapontTer.h"
#include "engine/Megfelel.h"
#include "engine/OszlopKep.h"
#include "engine/SulyTabla.h"
#include "engine/Tippek.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kv {

class TSzuro {
public:
  // rekordonkent also keeps which records fail, for HibasRekordok.
  void Build(const TTippek& tippek, bool rekordonkent = false);

  // Failed records of the column, counted until they exceed limit. The
  // Hibapont records ask hibapontok (built from the same table, holding the
  // pass's accepted columns); without it nothing has been accepted yet.
  int Hibak(const TOszlopKep& o, int limit, const THibapontok* hibapontok) const {
    return HibapontHibak(o, limit, AlapHibak(o, limit), hibapontok);
  }
  bool Elfogadhato(const TOszlopKep& o, int szukitesiHiba, const THibapontok* hibapontok) const {
    return Hibak(o, szukitesiHiba, hibapontok) <= szukitesiHiba;
  }

  // The two halves of Hibak: every record but Hibapont reads the column
  // alone, so a pass may keep their count and reuse it.
  int AlapHibak(const TOszlopKep& o, int limit) const;
  int HibapontHibak(const TOszlopKep& o, int limit, int hibak, const THibapontok* hibapontok) const;

  // Marks bit i of bitek (one bit per record of the table, table order) for
  // every record i the column fails. Needs a table built rekordonkent.
  void HibasRekordok(const TOszlopKep& o, const THibapontok* hibapontok, std::span<std::uint64_t> bitek) const;
  int RekordSzavak() const { return rekordSzavak_; }

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
    std::int16_t sor; // its place in the table
    int tabla; // Esélyek, Átlag: index into sulyok_; Ismétlődés: into tomoritesek_; Hibapont: the space
  };

  bool Megfelel(const TRekord& r, const TOszlopKep& o) const;
  void AddSorozatFeltetel(const TFeltetel& f, int sor);
  void AddRekord(const TFeltetel& f, const TTippek& tippek, int sor);

  // Darabszám, Ragadás and Távolság read one mask each: their failures are
  // summed per mask slot into one table over the 8192 mask values.
  std::array<std::vector<std::uint8_t>, 6> sorozatHibak_;
  // Built rekordonkent: the same records as bits, rekordSzavak_ words per mask value.
  std::array<std::vector<std::uint64_t>, 6> sorozatRekordok_;
  int rekordSzavak_ = 0;
  std::vector<TRekord> olcso_;  // bit tests: Találatok, Ismét, Ismétlődés, String2, String3
  std::vector<TRekord> draga_;  // sums: Esélyek, Átlag
  std::vector<TRekord> hibapont_;
  std::vector<std::array<TSulyTabla, 3>> sulyok_;
  std::vector<TTomorites> tomoritesek_;
};

} // namespace kv
