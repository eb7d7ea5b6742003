#include "engine/Szuro.h"

#include <algorithm>
#include <bit>

namespace kv {

namespace {

int SlotOf(char c) {
  switch (c) {
  case '1': return 0;
  case 'X': return 1;
  case '2': return 2;
  case 'A': return 3;
  case 'B': return 4;
  case 'C': return 5;
  default: return SlotBlankJel;
  }
}

int SorozatErtek(char tipus, std::uint16_t m, std::uint16_t halmaz) {
  switch (tipus) {
  case KDarabszam: return std::popcount(static_cast<std::uint16_t>(m & halmaz));
  case KRagadas: return LeghosszabbSorozat(m, halmaz);
  default: return LeghosszabbSorozat(static_cast<std::uint16_t>(~m), halmaz);
  }
}

// Non-overlapping occurrences taken leftmost first, as the walk of
// Ismétlődés finds them: for a mask of the places where the tip part starts
// (over the set's match sequence), how many the walk counts.
struct TMohoTabla {
  std::array<std::array<std::uint8_t, 8192>, 2> db{}; // tip part length 2, 3
  TMohoTabla() {
    for (int l = 2; l <= 3; ++l)
      for (int o = 0; o < 8192; ++o) {
        int n = 0;
        for (int j = 0; j < 13;) {
          if ((o >> j) & 1) {
            ++n;
            j += l;
          } else {
            ++j;
          }
        }
        db[l - 2][o] = static_cast<std::uint8_t>(n);
      }
  }
};
const TMohoTabla kMoho;

} // namespace

void TSzuro::TTomorites::Set(std::uint16_t halmaz) {
  auto gather = [](int x, int set, int bits) {
    int r = 0, out = 0;
    for (int k = 0; k < bits; ++k)
      if ((set >> k) & 1) r |= ((x >> k) & 1) << out++;
    return static_cast<std::uint16_t>(r);
  };
  for (int x = 0; x < 128; ++x) lo[x] = gather(x, halmaz & 127, 7);
  for (int x = 0; x < 64; ++x) hi[x] = gather(x, halmaz >> 7, 6);
  loDb = std::popcount(static_cast<unsigned>(halmaz & 127));
}

void TSzuro::AddSorozatFeltetel(const TFeltetel& f, int sor) {
  int slot = SlotOf(f.tippresz.empty() ? ' ' : f.tippresz[0]);
  std::uint16_t halmaz = f.Halmaz();
  // No sign ever matches a blank: the value is then the same for every
  // column, and a record that always holds needs no table at all.
  const bool allando = slot == SlotBlankJel;
  if (allando) {
    int v = SorozatErtek(f.tipus, 0, halmaz);
    if (f.min <= v && v <= f.max) return;
    slot = 0;
  }
  auto& t = sorozatHibak_[static_cast<std::size_t>(slot)];
  if (t.empty()) t.assign(8192, 0);
  auto& bitek = sorozatRekordok_[static_cast<std::size_t>(slot)];
  if (rekordSzavak_ > 0 && bitek.empty()) bitek.assign(8192 * static_cast<std::size_t>(rekordSzavak_), 0);
  for (int m = 0; m < 8192; ++m) {
    int v = SorozatErtek(f.tipus, allando ? 0 : static_cast<std::uint16_t>(m), halmaz);
    if (f.min <= v && v <= f.max) continue;
    ++t[static_cast<std::size_t>(m)];
    if (rekordSzavak_ > 0)
      bitek[static_cast<std::size_t>(m * rekordSzavak_ + sor / 64)] |= std::uint64_t{1} << (sor % 64);
  }
}

void TSzuro::AddRekord(const TFeltetel& f, const TTippek& tippek, int sor) {
  TRekord r{};
  r.sor = sor;
  r.tipus = f.tipus;
  r.halmaz = f.Halmaz();
  r.min = f.min;
  r.max = f.max;
  r.hossz = static_cast<std::uint8_t>(std::min<std::size_t>(f.tippresz.size(), 3));
  for (int i = 0; i < r.hossz; ++i) r.slot[i] = static_cast<std::uint8_t>(SlotOf(f.tippresz[i]));
  r.tabla = -1;
  switch (f.tipus) {
  case KTalalatok: {
    TOszlop e = f.adat >= 0 && f.adat < 50 ? tippek.alaptippek[f.adat] : TOszlop{};
    for (int k = 0; k < MatchCount; ++k)
      for (int s = 0; s < 3; ++s)
        if (e[k] & (1 << s)) r.talalat[s] |= static_cast<std::uint16_t>(1u << k);
    for (auto& m : r.talalat) m &= r.halmaz;
    olcso_.push_back(r);
    return;
  }
  case KEselyek: {
    std::array<TSulyTabla, 3> t;
    for (int l = 0; l < 3; ++l) {
      std::array<int, 13> suly{};
      for (int k = 0; k < MatchCount; ++k) suly[k] = ((r.halmaz >> k) & 1) ? tippek.eselyek[l][k] : 0;
      t[l].Set(suly);
    }
    r.tabla = static_cast<int>(sulyok_.size());
    sulyok_.push_back(t);
    draga_.push_back(r);
    return;
  }
  case KAtlag: {
    // The summed hit count over all entries is a sum over matches of how many
    // entries hold the column's sign there. The value grows with the sum, so
    // the range becomes a range of sums and no division is left per column.
    int darab = std::min<int>(f.darab, static_cast<int>(tippek.aktivAlaptippek.size()));
    std::array<TSulyTabla, 3> t;
    for (int s = 0; s < 3; ++s) {
      std::array<int, 13> suly{};
      for (int i = 0; i < darab; ++i)
        for (int k = 0; k < MatchCount; ++k)
          if (((r.halmaz >> k) & 1) && (tippek.aktivAlaptippek[i][k] & (1 << s))) ++suly[k];
      t[s].Set(suly);
    }
    r.min = 1;
    r.max = 0;
    for (int osszeg = 0; osszeg <= darab * MatchCount; ++osszeg) {
      int v = AtlagErtek(osszeg, f.darab);
      if (v < f.min || v > f.max) continue;
      if (r.min > r.max) r.min = osszeg;
      r.max = osszeg;
    }
    r.tabla = static_cast<int>(sulyok_.size());
    sulyok_.push_back(t);
    draga_.push_back(r);
    return;
  }
  case KHibapont:
    r.tabla = static_cast<int>(hibapont_.size()); // THibapontok numbers its spaces the same way
    hibapont_.push_back(r);
    return;
  case KIsmetlodes: {
    TTomorites t;
    t.Set(r.halmaz);
    r.tabla = static_cast<int>(tomoritesek_.size());
    tomoritesek_.push_back(t);
    olcso_.push_back(r);
    return;
  }
  default: olcso_.push_back(r); return;
  }
}

void TSzuro::Build(const TTippek& tippek, bool rekordonkent) {
  for (auto& t : sorozatHibak_) t.clear();
  for (auto& t : sorozatRekordok_) t.clear();
  olcso_.clear();
  draga_.clear();
  hibapont_.clear();
  sulyok_.clear();
  tomoritesek_.clear();
  const int n = static_cast<int>(tippek.feltetelek.size());
  rekordSzavak_ = rekordonkent ? (n + 63) / 64 : 0;
  for (int i = 0; i < n; ++i) {
    const TFeltetel& f = tippek.feltetelek[static_cast<std::size_t>(i)];
    if (f.tipus == KDarabszam || f.tipus == KRagadas || f.tipus == KTavolsag) AddSorozatFeltetel(f, i);
    else AddRekord(f, tippek, i);
  }
}

bool TSzuro::Megfelel(const TRekord& r, const TOszlopKep& o) const {
  int v = 0;
  switch (r.tipus) {
  case KTalalatok:
    v = std::popcount(static_cast<std::uint16_t>((o.maszk[0] & r.talalat[0]) | (o.maszk[1] & r.talalat[1]) |
                                                 (o.maszk[2] & r.talalat[2])));
    break;
  case KIsmet:
  case KString2:
  case KString3: {
    std::uint16_t a = o.maszk[r.slot[0]] & r.halmaz, b = o.maszk[r.slot[1]] & r.halmaz;
    std::uint16_t x = a & (b >> 1);
    if (r.hossz == 3 && r.tipus != KString2) x &= (o.maszk[r.slot[2]] & r.halmaz) >> 2;
    if (r.tipus == KString2) x &= 0x555;
    else if (r.tipus == KString3) x &= 0x249;
    v = std::popcount(x);
    break;
  }
  case KEselyek: {
    const auto& t = sulyok_[r.tabla];
    v = t[0].Osszeg(o.maszk[3]) + t[1].Osszeg(o.maszk[4]) + t[2].Osszeg(o.maszk[5]);
    break;
  }
  case KAtlag: {
    const auto& t = sulyok_[r.tabla];
    v = t[0].Osszeg(o.maszk[0]) + t[1].Osszeg(o.maszk[1]) + t[2].Osszeg(o.maszk[2]);
    break;
  }
  case KIsmetlodes: {
    if (r.hossz < 2) break;
    const TTomorites& t = tomoritesek_[r.tabla];
    std::uint16_t kezdet = t.Tomorit(o.maszk[r.slot[0]]) & (t.Tomorit(o.maszk[r.slot[1]]) >> 1);
    if (r.hossz == 3) kezdet &= t.Tomorit(o.maszk[r.slot[2]]) >> 2;
    v = kMoho.db[r.hossz - 2][kezdet & AllMatches];
    break;
  }
  default: break;
  }
  return r.min <= v && v <= r.max;
}

int TSzuro::AlapHibak(const TOszlopKep& o, int limit) const {
  int hibak = 0;
  for (int s = 0; s < 6; ++s)
    if (!sorozatHibak_[s].empty()) hibak += sorozatHibak_[s][o.maszk[s] & AllMatches];
  if (hibak > limit) return hibak;
  for (const auto* csoport : {&olcso_, &draga_})
    for (const TRekord& r : *csoport)
      if (!Megfelel(r, o) && ++hibak > limit) return hibak;
  return hibak;
}

int TSzuro::HibapontHibak(const TOszlopKep& o, int limit, int hibak, const THibapontok* hibapontok) const {
  for (const TRekord& r : hibapont_) {
    if (hibak > limit) return hibak;
    // With nothing accepted the distance is 13, which passes any Max below it.
    bool hibas = hibapontok ? hibapontok->Hibas(r.tabla, o) : r.max >= MatchCount;
    if (hibas) ++hibak;
  }
  return hibak;
}

void TSzuro::HibasRekordok(const TOszlopKep& o, const THibapontok* hibapontok, std::span<std::uint64_t> bitek) const {
  std::fill(bitek.begin(), bitek.end(), 0);
  for (std::size_t s = 0; s < 6; ++s) {
    if (sorozatRekordok_[s].empty()) continue;
    const std::uint64_t* sor = &sorozatRekordok_[s][(o.maszk[s] & AllMatches) * static_cast<std::size_t>(rekordSzavak_)];
    for (std::size_t w = 0; w < bitek.size(); ++w) bitek[w] |= sor[w];
  }
  auto jelol = [&](const TRekord& r) { bitek[static_cast<std::size_t>(r.sor / 64)] |= std::uint64_t{1} << (r.sor % 64); };
  for (const auto* csoport : {&olcso_, &draga_})
    for (const TRekord& r : *csoport)
      if (!Megfelel(r, o)) jelol(r);
  for (const TRekord& r : hibapont_)
    if (hibapontok ? hibapontok->Hibas(r.tabla, o) : r.max >= MatchCount) jelol(r);
}

} // namespace kv
