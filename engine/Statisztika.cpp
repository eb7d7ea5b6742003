#include "engine/Statisztika.h"

#include "engine/StatGyujto.h"
#include "engine/Szoveg.h"

#include <string>

namespace kv {

namespace {

constexpr std::array<TStatSzakaszAdat, StatSzakaszokSzama> Szakaszok = {{
    {"soronkenti", 0, 13, 6},
    {"darabszam", 78, 6, 14},
    {"ragadas", 162, 6, 14},
    {"tavolsag", 246, 6, 14},
    {"eselyek", 330, 1, 1301},
    {"talalatok", 1631, 50, 14},
    {"atlag", 2331, 1, 1301},
    {"ismet", 3632, 36, 13},
    {"ismetlodes", 4100, 36, 7},
    {"string2", 4352, 9, 7},
    {"string3", 4415, 36, 5},
}};

constexpr bool Folytonos() {
  int kezdet = 0;
  for (const TStatSzakaszAdat& a : Szakaszok) {
    if (a.kezdet != kezdet) return false;
    kezdet += a.csoportok * a.ertekek;
  }
  return kezdet == StatSzamlalokSzama;
}
static_assert(Folytonos(), "the sections follow each other and fill the table");

// clang-format off
constexpr std::array<std::string_view, TippReszekSzama> TippReszek = {
    "11",  "1X",  "12",  "X1",  "XX",  "X2",  "21",  "2X",  "22",
    "111", "11X", "112", "1X1", "1XX", "1X2", "121", "12X", "122",
    "X11", "X1X", "X12", "XX1", "XXX", "XX2", "X21", "X2X", "X22",
    "211", "21X", "212", "2X1", "2XX", "2X2", "221", "22X", "222"};
// clang-format on

// Soronkénti grid and AllStatSG: signs 1, X, 2 in columns 1..3, letters in 5..7.
constexpr int SignCol(int j) { return j <= 3 ? j : j + 1; }

// After a complete pass: a sign outside the match's base tip, and a letter
// needing more signs than the base tip has, can never occur there.
void Lezaras(const TTippek& tippek, TStatisztika& stat) {
  for (int m = 1; m <= MatchCount; ++m) {
    const std::string& alap = tippek.alaptipp[m - 1];
    for (int j = 1; j <= 3; ++j)
      if (alap.find(JelBetuk[j - 1]) == std::string::npos) stat.At(StatSoronkenti, m, j - 1) = -1;
    for (int j = 4; j <= 6; ++j)
      if (static_cast<int>(alap.size()) < j - 3) stat.At(StatSoronkenti, m, j - 1) = -1;
  }
  // The top value falls into the last group of ten.
  for (TStatSzakasz sz : {StatEselyek, StatAtlag}) {
    stat.At(sz, 1, StatErtekHatar - 1) += stat.At(sz, 1, StatErtekHatar);
    stat.At(sz, 1, StatErtekHatar) = 0;
  }
}

// futtat(elfogadva) runs the pass, calling elfogadva for each accepted column.
template <class F> std::int64_t Statisztika(const TTippek& tippek, TStatisztika& stat, F&& futtat) {
  stat.Torol();
  TStatGyujto gyujto(tippek);
  std::int64_t n = futtat([&gyujto](const TOszlopKep& o) { gyujto.Add(o); });
  if (n < 0) return -1;
  gyujto.Kiertekel(stat);
  Lezaras(tippek, stat);
  return n;
}

// EStatSG and AStatSG: hundreds by column, tens by row, totals on row 12.
TRacsSzoveg Szazasok(const TStatisztika& s, TStatSzakasz sz) {
  TRacsSzoveg r(14, 13);
  for (int c = 1; c <= 13; ++c) {
    std::int64_t osszes = 0;
    for (int t = 0; t < 10; ++t) {
      std::int64_t csoport = 0;
      for (int e = 0; e < 10; ++e) csoport += s.At(sz, 1, (c - 1) * 100 + t * 10 + e);
      osszes += csoport;
      r.Cella(c, t + 1) = StatSzam(static_cast<std::int32_t>(csoport));
    }
    r.Cella(c, 12) = StatSzam(static_cast<std::int32_t>(osszes));
  }
  return r;
}

} // namespace

std::string_view TippResz(int p) { return p >= 1 && p <= TippReszekSzama ? TippReszek[p - 1] : std::string_view(); }

const TStatSzakaszAdat& StatSzakaszAdat(TStatSzakasz sz) { return Szakaszok[sz]; }

std::span<const std::int32_t> TStatisztika::Szakasz(TStatSzakasz sz) const {
  const TStatSzakaszAdat& a = StatSzakaszAdat(sz);
  return std::span<const std::int32_t>(db).subspan(static_cast<std::size_t>(a.kezdet),
                                                   static_cast<std::size_t>(a.csoportok * a.ertekek));
}

std::int64_t StatisztikaMenet(TJatek& jatek, IProgress* progress, TStatisztika& stat) {
  return Statisztika(jatek.Tippek(), stat,
                     [&](auto&& elfogadva) { return jatek.Menet(FutasStatisztika, progress, elfogadva); });
}

std::int64_t StatisztikaMenet(const TMenet& menet, const TTippek& tippek, IProgress* progress, TStatisztika& stat) {
  return Statisztika(tippek, stat, [&](auto&& elfogadva) { return Menet(menet, progress, elfogadva); });
}

char StatTipusGombbol(std::string_view felirat) {
  std::string_view nev = felirat.substr(0, felirat.find(' '));
  if (nev == "Találatok") return KTalalatok;
  if (nev == "Átlag") return KAtlag;
  if (nev == "Ismétlődés") return KIsmetlodes;
  if (nev == "String3") return KString3;
  if (nev.empty()) return 0;
  char c = nev[0];
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

TStatNezet StatNezet(char tipus) {
  switch (tipus) {
  case KDarabszam: return {0, true, 8, 15};
  case KRagadas:
  case KTavolsag: return {0, false, 8, 15};
  case KEselyek: return {1, false, 14, 13};
  case KTalalatok: return {2, false, 51, 15};
  case KAtlag: return {3, false, 14, 13};
  case KIsmet: return {4, false, 37, 14};
  case KIsmetlodes: return {4, false, 37, 8};
  case KString2: return {4, false, 10, 8};
  default: return {4, false, 37, 6}; // String3
  }
}

std::string StatSzam(std::int32_t v) { return v == 0 ? std::string() : PadDigits(std::to_string(v), 6); }

TRacsSzoveg RowStatSGSzoveg(const TStatisztika& s) {
  TRacsSzoveg r(8, 14);
  for (int m = 1; m <= MatchCount; ++m)
    for (int j = 1; j <= 6; ++j) {
      std::int32_t v = s.Soronkenti(m, j);
      r.Cella(SignCol(j), m) = v < 0 ? std::string() : v == 0 ? PadDigits("0", 6) : StatSzam(v);
    }
  return r;
}

TRacsSzoveg AllStatSGSzoveg(const TStatisztika& s, char tipus) {
  TStatSzakasz sz = tipus == KRagadas ? StatRagadas : tipus == KTavolsag ? StatTavolsag : StatDarabszam;
  TRacsSzoveg r(8, 15);
  for (int j = 1; j <= 6; ++j)
    for (int v = 0; v <= MatchCount; ++v) r.Cella(SignCol(j), v + 1) = StatSzam(s.At(sz, j, v));
  return r;
}

TRacsSzoveg EStatSGSzoveg(const TStatisztika& s) { return Szazasok(s, StatEselyek); }

TRacsSzoveg AStatSGSzoveg(const TStatisztika& s) { return Szazasok(s, StatAtlag); }

TRacsSzoveg TStatSGSzoveg(const TStatisztika& s) {
  TRacsSzoveg r(51, 15);
  for (int e = 1; e <= AlaptippekColumns; ++e)
    for (int v = 0; v <= MatchCount; ++v) r.Cella(e, v + 1) = StatSzam(s.Talalatok(e, v));
  return r;
}

TRacsSzoveg SStatSGSzoveg(const TStatisztika& s, char tipus) {
  TStatNezet n = StatNezet(tipus);
  TStatSzakasz sz = tipus == KIsmet        ? StatIsmet
                    : tipus == KIsmetlodes ? StatIsmetlodes
                    : tipus == KString2    ? StatString2
                                           : StatString3;
  TRacsSzoveg r(n.oszlopok, n.sorok);
  for (int p = 1; p < n.oszlopok; ++p) r.Cella(p, 0) = std::string(TippResz(p));
  for (int v = 0; v + 1 < n.sorok; ++v) {
    r.Cella(0, v + 1) = PadDigits(std::to_string(v), 2);
    for (int p = 1; p < n.oszlopok; ++p) r.Cella(p, v + 1) = StatSzam(s.At(sz, p, v));
  }
  return r;
}

} // namespace kv
