#include "engine/Szuro.h"

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

void TSzuro::AddSorozatFeltetel(const TFeltetel& f) {
  int slot = SlotOf(f.tippresz.empty() ? ' ' : f.tippresz[0]);
  std::uint16_t halmaz = f.Halmaz();
  if (slot == SlotBlankJel) {
    // No sign ever matches: the value is the same for every column.
    int v = SorozatErtek(f.tipus, 0, halmaz);
    if (!(f.min <= v && v <= f.max)) {
      auto& t = sorozatHibak_[0];
      if (t.empty()) t.assign(8192, 0);
      for (auto& x : t) ++x;
    }
    return;
  }
  auto& t = sorozatHibak_[slot];
  if (t.empty()) t.assign(8192, 0);
  for (int m = 0; m < 8192; ++m) {
    int v = SorozatErtek(f.tipus, static_cast<std::uint16_t>(m), halmaz);
    if (!(f.min <= v && v <= f.max)) ++t[m];
  }
}

void TSzuro::AddRekord(const TFeltetel& f, const TTippek& tippek) {
  TRekord r{};
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
    // entries hold the column's sign there.
    int darab = std::min<int>(f.darab, static_cast<int>(tippek.aktivAlaptippek.size()));
    std::array<TSulyTabla, 3> t;
    for (int s = 0; s < 3; ++s) {
      std::array<int, 13> suly{};
      for (int i = 0; i < darab; ++i)
        for (int k = 0; k < MatchCount; ++k)
          if (((r.halmaz >> k) & 1) && (tippek.aktivAlaptippek[i][k] & (1 << s))) ++suly[k];
      t[s].Set(suly);
    }
    r.tabla = static_cast<int>(sulyok_.size());
    r.atlagDarab = f.darab;
    sulyok_.push_back(t);
    draga_.push_back(r);
    return;
  }
  case KHibapont: hibapont_.push_back(r); return;
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

void TSzuro::Build(const TTippek& tippek) {
  for (auto& t : sorozatHibak_) t.clear();
  olcso_.clear();
  draga_.clear();
  hibapont_.clear();
  sulyok_.clear();
  tomoritesek_.clear();
  for (const TFeltetel& f : tippek.feltetelek) {
    if (f.tipus == KDarabszam || f.tipus == KRagadas || f.tipus == KTavolsag) AddSorozatFeltetel(f);
    else AddRekord(f, tippek);
  }
}

bool TSzuro::Megfelel(const TRekord& r, const TOszlopKep& o, std::span<const TOszlop> elfogadott) const {
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
    v = AtlagErtek(t[0].Osszeg(o.maszk[0]) + t[1].Osszeg(o.maszk[1]) + t[2].Osszeg(o.maszk[2]), r.atlagDarab);
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
  case KHibapont: return Hibapont(OszlopFromKep(o), elfogadott, r.halmaz) > r.max;
  default: break;
  }
  return r.min <= v && v <= r.max;
}

int TSzuro::Hibak(const TOszlopKep& o, int limit, std::span<const TOszlop> elfogadott) const {
  int hibak = 0;
  for (int s = 0; s < 6; ++s)
    if (!sorozatHibak_[s].empty()) hibak += sorozatHibak_[s][o.maszk[s] & AllMatches];
  if (hibak > limit) return hibak;
  for (const auto* csoport : {&olcso_, &draga_, &hibapont_})
    for (const TRekord& r : *csoport)
      if (!Megfelel(r, o, elfogadott) && ++hibak > limit) return hibak;
  return hibak;
}

} // namespace kv
