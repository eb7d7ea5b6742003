#include "engine/HibapontTer.h"

#include <algorithm>

namespace kv {

void THibapontTer::Build(std::uint16_t halmaz, int max, const std::array<std::string, 13>& alaptipp) {
  max_ = max;
  koord_.clear();
  std::array<std::array<int, 13>, 3> ertek{}; // [sign slot][match]: digit times place value
  std::uint32_t suly = 1;
  for (int m = 0; m < MatchCount; ++m) {
    const std::string& jelek = alaptipp[static_cast<std::size_t>(m)];
    if (!((halmaz >> m) & 1u) || jelek.size() < 2) continue; // a single sign never differs
    TKoord k{static_cast<std::uint16_t>(1u << m), suly, static_cast<std::uint8_t>(std::min<std::size_t>(jelek.size(), 3))};
    for (std::uint8_t jegy = 0; jegy < k.alap; ++jegy) {
      int slot = JelSlot(jelek[jegy]);
      if (slot > 2) continue;
      ertek[static_cast<std::size_t>(slot)][static_cast<std::size_t>(m)] = static_cast<int>(jegy * suly);
      k.jegy[static_cast<std::size_t>(slot)] = jegy;
    }
    suly *= k.alap;
    koord_.push_back(k);
  }
  for (std::size_t s = 0; s < 3; ++s) kod_[s].Set(ertek[s]);
  tav_.assign(suly, 0);
  Uj();
}

void THibapontTer::Uj() {
  std::fill(tav_.begin(), tav_.end(), static_cast<std::uint8_t>(std::clamp(max_ + 1, 0, 255)));
}

void THibapontTer::Felvesz(const TOszlopKep& o) {
  if (max_ < 0 || max_ >= MatchCount) return; // the answer never depends on the accepted columns
  std::uint32_t kod = Kod(o);
  if (tav_[kod] == 0) return;
  for (std::size_t k = 0; k < koord_.size(); ++k) {
    const TKoord& c = koord_[k];
    jegy_[k] = c.jegy[(o.maszk[0] & c.bit) ? 0 : (o.maszk[1] & c.bit) ? 1 : 2];
  }
  Jelol(kod, 0, 0);
}

// Walks the ball changing matches in increasing order, so that each code of
// it is reached along one path only. A code already as near to an earlier
// column cuts its branch: every code below it is then at least as near to
// that column as to this one.
void THibapontTer::Jelol(std::uint32_t kod, int elso, int tav) {
  tav_[kod] = static_cast<std::uint8_t>(tav);
  if (tav == max_) return;
  const int tovabb = tav + 1;
  for (int k = elso; k < static_cast<int>(koord_.size()); ++k) {
    const TKoord& c = koord_[static_cast<std::size_t>(k)];
    const std::uint8_t sajat = jegy_[static_cast<std::size_t>(k)];
    const std::uint32_t alap = kod - sajat * c.suly;
    for (std::uint8_t u = 0; u < c.alap; ++u) {
      if (u == sajat) continue;
      std::uint32_t masik = alap + u * c.suly;
      if (tav_[masik] <= tovabb) continue;
      if (tovabb == max_) { // the rim of the ball: nothing below it to walk
        tav_[masik] = static_cast<std::uint8_t>(tovabb);
        continue;
      }
      jegy_[static_cast<std::size_t>(k)] = u;
      Jelol(masik, k + 1, tovabb);
    }
    jegy_[static_cast<std::size_t>(k)] = sajat;
  }
}

void THibapontok::Build(const TTippek& tippek) {
  terek_.clear();
  for (const TFeltetel& f : tippek.feltetelek) {
    if (f.tipus != KHibapont) continue;
    terek_.emplace_back();
    terek_.back().Build(f.Halmaz(), f.max, tippek.alaptipp);
  }
}

void THibapontok::Uj() {
  for (THibapontTer& t : terek_) t.Uj();
}

} // namespace kv
