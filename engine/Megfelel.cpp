#include "engine/Megfelel.h"

#include <bit>
#include <cmath>

namespace kv {

namespace {

std::uint16_t Maszk(const TOszlopKep& o, char jel) {
  int slot = jel == '1' ? 0 : jel == 'X' ? 1 : jel == '2' ? 2 : jel == 'A' ? 3 : jel == 'B' ? 4 : jel == 'C' ? 5 : -1;
  return slot < 0 ? 0 : o.maszk[slot];
}

// The masks of a tip part's characters, each restricted to the set.
struct TReszMaszkok {
  std::array<std::uint16_t, 3> m{};
  int hossz = 0;
};

TReszMaszkok ReszMaszkok(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz) {
  TReszMaszkok r;
  r.hossz = static_cast<int>(std::min<std::size_t>(tippresz.size(), 3));
  for (int i = 0; i < r.hossz; ++i) r.m[i] = Maszk(o, tippresz[i]) & halmaz;
  return r;
}

} // namespace

int LeghosszabbSorozat(std::uint16_t bitek, std::uint16_t halmaz) {
  int best = 0, run = 0;
  for (int k = 0; k < MatchCount; ++k) {
    if (!((halmaz >> k) & 1u)) continue;
    run = ((bitek >> k) & 1u) ? run + 1 : 0;
    best = std::max(best, run);
  }
  return best;
}

int Darabszam(const TOszlopKep& o, char jel, std::uint16_t halmaz) {
  return std::popcount(static_cast<std::uint16_t>(Maszk(o, jel) & halmaz));
}

int Ragadas(const TOszlopKep& o, char jel, std::uint16_t halmaz) {
  return LeghosszabbSorozat(Maszk(o, jel), halmaz);
}

int Tavolsag(const TOszlopKep& o, char jel, std::uint16_t halmaz) {
  return LeghosszabbSorozat(static_cast<std::uint16_t>(~Maszk(o, jel)), halmaz);
}

int EselyOsszeg(const TOszlopKep& o, const TEselyek& eselyek, std::uint16_t halmaz) {
  std::uint16_t sum = 0;
  for (int k = 0; k < MatchCount; ++k)
    if (((halmaz >> k) & 1u) && o.betu[k] < 3) sum = static_cast<std::uint16_t>(sum + eselyek[o.betu[k]][k]);
  return sum;
}

static std::uint16_t TalalatMaszk(const TOszlopKep& o, const TOszlop& e) {
  std::uint16_t t = 0;
  for (int k = 0; k < MatchCount; ++k) {
    std::uint16_t bit = static_cast<std::uint16_t>(1u << k);
    TTipp jel = (o.maszk[0] & bit) ? 1 : (o.maszk[1] & bit) ? 2 : (o.maszk[2] & bit) ? 4 : 0;
    if (jel & e[k]) t |= bit;
  }
  return t;
}

int Talalatok(const TOszlopKep& o, const TOszlop& bejegyzes, std::uint16_t halmaz) {
  return std::popcount(static_cast<std::uint16_t>(TalalatMaszk(o, bejegyzes) & halmaz));
}

int AtlagErtek(int osszeg, int darab) {
  if (darab <= 0) return 0;
  double v = static_cast<double>(osszeg) / static_cast<double>(darab) * 100.0;
  return static_cast<std::uint16_t>(std::nearbyint(v)); // the default rounding mode rounds halves to even
}

int Atlag(const TOszlopKep& o, std::span<const TOszlop> lista, int darab, std::uint16_t halmaz) {
  if (darab <= 0) return 0;
  int sum = 0;
  for (int i = 0; i < darab && i < static_cast<int>(lista.size()); ++i) sum += Talalatok(o, lista[i], halmaz);
  return AtlagErtek(sum, darab);
}

int Ismet(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz) {
  TReszMaszkok r = ReszMaszkok(o, tippresz, halmaz);
  if (r.hossz < 2) return 0;
  // A start k counts when k, k+1 (and k+2) all show their character; the
  // shifts bring those bits onto bit k, and past match 13 they read 0.
  std::uint16_t x = r.m[0] & (r.m[1] >> 1);
  if (r.hossz == 3) x &= r.m[2] >> 2;
  return std::popcount(x);
}

int Ismetlodes(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz) {
  TReszMaszkok r = ReszMaszkok(o, tippresz, halmaz);
  if (r.hossz == 0) return 0;
  int count = 0, p = 0, start = 0;
  for (int k = 0; k < MatchCount; ++k) {
    if (!((halmaz >> k) & 1u)) continue;
    if ((r.m[p] >> k) & 1u) {
      if (p == 0) start = k;
      if (++p == r.hossz) {
        ++count;
        p = 0;
      }
    } else if (p > 0) {
      p = 0;
      k = start; // the walk goes on from the match after the remembered start
    }
  }
  return count;
}

int String2(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz) {
  TReszMaszkok r = ReszMaszkok(o, tippresz, halmaz);
  if (r.hossz < 2) return 0;
  constexpr std::uint16_t kParKezdet = 0x555; // matches 1, 3, 5, 7, 9, 11
  return std::popcount(static_cast<std::uint16_t>(r.m[0] & (r.m[1] >> 1) & kParKezdet));
}

int String3(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz) {
  TReszMaszkok r = ReszMaszkok(o, tippresz, halmaz);
  if (r.hossz < 2) return 0;
  constexpr std::uint16_t kHarmasKezdet = 0x249; // matches 1, 4, 7, 10
  std::uint16_t x = r.m[0] & (r.m[1] >> 1) & kHarmasKezdet;
  if (r.hossz == 3) x &= r.m[2] >> 2;
  return std::popcount(x);
}

int Hibapont(const TOszlop& o, std::span<const TOszlop> elfogadott, std::uint16_t halmaz) {
  int best = MatchCount;
  for (const TOszlop& a : elfogadott) {
    int diff = 0;
    for (int k = 0; k < MatchCount; ++k)
      if (((halmaz >> k) & 1u) && a[k] != o[k]) ++diff;
    best = std::min(best, diff);
  }
  return best;
}

int Mer(const TOszlopKep& o, const TFeltetel& f, const TFeltetelKornyezet& k) {
  std::uint16_t h = f.Halmaz();
  char jel = f.tippresz.empty() ? ' ' : f.tippresz[0];
  switch (f.tipus) {
  case KDarabszam: return Darabszam(o, jel, h);
  case KRagadas: return Ragadas(o, jel, h);
  case KTavolsag: return Tavolsag(o, jel, h);
  case KEselyek: return EselyOsszeg(o, k.tippek.eselyek, h);
  case KTalalatok:
    return f.adat >= 0 && f.adat < 50 ? Talalatok(o, k.tippek.alaptippek[f.adat], h) : 0;
  case KAtlag: return Atlag(o, k.tippek.aktivAlaptippek, f.darab, h);
  case KIsmet: return Ismet(o, f.tippresz, h);
  case KIsmetlodes: return Ismetlodes(o, f.tippresz, h);
  case KString2: return String2(o, f.tippresz, h);
  case KString3: return String3(o, f.tippresz, h);
  case KHibapont: return Hibapont(OszlopFromKep(o), k.elfogadott, h);
  default: return 0;
  }
}

bool Megfelel(const TOszlopKep& o, const TFeltetel& f, const TFeltetelKornyezet& k) {
  int v = Mer(o, f, k);
  if (f.tipus == KHibapont) return v > f.max;
  return f.min <= v && v <= f.max;
}

} // namespace kv
