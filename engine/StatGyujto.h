#pragma once
// The hot half of the statistics pass. Measuring every kind on every column
// (36 x 3 + 9 tip-part walks, 50 hit counts) costs microseconds; instead each
// accepted column only bumps a few histograms over the masks the measures
// read, and the measures are taken once per distinct mask after the pass:
//  - one histogram per sign and letter over its 13-bit mask gives soronkénti,
//    Darabszám, Ragadás and Távolság;
//  - one per tip part over the matches where the part starts gives Ismét,
//    Ismétlődés, String2 and String3 (all four read only those);
//  - the Esélyek sum and the summed hits of Átlag are split-table lookups,
//    counted by sum;
//  - Találatok is one popcount per active entry.

#include "engine/OszlopKep.h"
#include "engine/Statisztika.h"
#include "engine/Tippek.h"

#include <algorithm>
#include "engine/SulyTabla.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace kv {

class TStatGyujto {
public:
  explicit TStatGyujto(const TTippek& tippek);

  void Add(const TOszlopKep& o) {
    for (int s = 0; s < 6; ++s) ++slot_[static_cast<std::size_t>(s * MaszkDb + (o.maszk[s] & AllMatches))];
    int esely =
        eselyTabla_[0].Osszeg(o.maszk[3]) + eselyTabla_[1].Osszeg(o.maszk[4]) + eselyTabla_[2].Osszeg(o.maszk[5]);
    ++esely_[static_cast<std::size_t>(std::min(esely, StatErtekHatar))];
    const std::array<std::uint16_t, 3> m = {static_cast<std::uint16_t>(o.maszk[0] & AllMatches),
                                            static_cast<std::uint16_t>(o.maszk[1] & AllMatches),
                                            static_cast<std::uint16_t>(o.maszk[2] & AllMatches)};
    ++talalatOsszeg_[static_cast<std::size_t>(talalatTabla_[0].Osszeg(m[0]) + talalatTabla_[1].Osszeg(m[1]) +
                                              talalatTabla_[2].Osszeg(m[2]))];
    for (const TBejegyzes& b : bejegyzesek_) {
      int t = std::popcount(static_cast<std::uint16_t>((m[0] & b.jel[0]) | (m[1] & b.jel[1]) | (m[2] & b.jel[2])));
      ++talalatok_[static_cast<std::size_t>(b.sor + t)];
    }
    // A part "ab" starts at match k when k shows a and k+1 shows b: m[a] & (m[b] >> 1).
    const std::size_t n2 = parErtekek_.size(), n3 = harmasErtekek_.size();
    std::size_t p2 = 0, p3 = 0;
    for (int a = 0; a < 3; ++a)
      for (int b = 0; b < 3; ++b, ++p2) {
        std::uint16_t ab = static_cast<std::uint16_t>(m[a] & (m[b] >> 1));
        ++par_[p2 * n2 + parKulcs_[ab]];
        for (int c = 0; c < 3; ++c, ++p3) ++harmas_[p3 * n3 + harmasKulcs_[ab & (m[c] >> 2)]];
      }
  }

  // Adds what the histograms hold into stat.
  void Kiertekel(TStatisztika& stat) const;

private:
  static constexpr int MaszkDb = 8192; // 13-bit masks

  // Sum of per-match weights over a 13-bit mask, split 7 + 6 bits.
  struct TBejegyzes {
    std::array<std::uint16_t, 3> jel; // matches where the entry holds 1, X, 2
    int sor;                          // (entry - 1) x 14 into talalatok_
  };

  std::vector<std::int32_t> slot_;
  // The four measures read only the starts of a part, and of the 4096 start
  // masks only a few hundred give different measures: each start mask maps
  // to the id of its values, so the histograms stay small enough for the cache.
  std::vector<std::uint16_t> parKulcs_;                    // two-sign starts -> id
  std::vector<std::array<std::uint8_t, 4>> parErtekek_;    // id -> Ismét, Ismétlődés, String2, String3
  std::vector<std::uint16_t> harmasKulcs_;                 // three-sign starts -> id
  std::vector<std::array<std::uint8_t, 4>> harmasErtekek_; // id -> Ismét, Ismétlődés, -, String3
  std::vector<std::int32_t> par_;                          // [part][id]
  std::vector<std::int32_t> harmas_;
  std::vector<std::int32_t> esely_;
  std::vector<std::int32_t> talalatOsszeg_;
  std::vector<std::int32_t> talalatok_;
  std::array<TSulyTabla, 3> eselyTabla_;   // by letter A, B, C
  std::array<TSulyTabla, 3> talalatTabla_; // by sign: entries holding it at each match
  std::vector<TBejegyzes> bejegyzesek_;
  int aktivDb_ = 0;
};

} // namespace kv
