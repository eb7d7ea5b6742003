#include "engine/TippekParser.h"

#include "engine/Szoveg.h"

#include <cmath>
#include <utility>

namespace kv {

namespace {

constexpr std::string_view MsgEsely =
    "Az esélyek megadása hibás! A kurzornál lévő értéket a 0..100 tartományban lehet megadni.";
constexpr std::string_view MsgGlobMin = "A globális szűkítések megadása hibás! A kurzornál lévő minimum értéket a "
                                        "0..13 tartományban lehet megadni.";
constexpr std::string_view MsgGlobMax = "A globális szűkítések megadása hibás! A kurzornál lévő maximum értéket a "
                                        "0..13 tartományban lehet megadni.";
constexpr std::string_view MsgGlobMinMax =
    "A minimum nem lehet nagyobb a maximumnál! Javítsa ki a kurzornál lévő valamelyik értéket!";
constexpr std::string_view MsgMerkozesek =
    "A szűkítő feltételeknél a mérkőzések megadása hibás! Javítsa ki a kurzornál lévő mérkőzések megadását!";
constexpr std::string_view MsgFajta =
    "A szűkítő feltételeknél a feltétel megadása hibás! Javítsa ki a kurzornál lévő feltételt!";
constexpr std::string_view MsgMin = "A szűkítő feltételeknél a minimum érték megadása hibás! A kurzornál lévő "
                                    "értéket a 0..";
constexpr std::string_view MsgMax = "A szűkítő feltételeknél a maximum érték megadása hibás! A kurzornál lévő "
                                    "értéket a 0..";
constexpr std::string_view MsgTartomanyVege = " tartományban lehet megadni.";
constexpr std::string_view MsgMinMax = "A szűkítő feltételeknél a minimum nem lehet nagyobb a maximumnál! "
                                       "Javítsa ki a kurzornál lévő valamelyik értéket!";
constexpr std::string_view MsgTIsmet =
    "A szűkítő feltételeknél a T-vel jelölt oszlopban Ismét, Ismétlődés vagy String3 feltétel esetén az 1,X,2 "
    "vagy A,B,C tippekből álló, 2 vagy 3 karakter hosszú tipprészt kell megadni. Javítsa ki a kurzornál lévő "
    "értéket!";
constexpr std::string_view MsgTString2 =
    "A szűkítő feltételeknél a T-vel jelölt oszlopban String2 feltétel esetén az 1,X,2 vagy A,B,C tippekből álló, "
    "2 karakter hosszú tipprészt kell megadni. Javítsa ki a kurzornál lévő értéket!";
constexpr std::string_view MsgTTalalatok =
    "A szűkítő feltételeknél a T-vel jelölt oszlopban a találatokhoz az adott alaptipp sorszámát kell megadni az "
    "1..50 tartományban. Javítsa ki a kurzornál lévő értéket!";
constexpr std::string_view MsgTJel =
    "A szűkítő feltételeknél a T-vel jelölt oszlopban lévő tipp megadása hibás! Javítsa ki a kurzornál lévő "
    "tippet az 1,X,2,A,B,C tippek valamelyikére!";
constexpr std::string_view MsgSzHiba =
    "A szűkítési hiba értékének a 0..99 tartományban kell lennie. Javítsa ki a kurzornál lévő értéket!";

// The spellings a kind name may take after ASCII upper-casing: typed in lower
// case with accents, in capitals with accents, or without accents.
struct TFajtaIras {
  char betu;
  std::array<std::string_view, 3> irasok;
};
constexpr std::array<TFajtaIras, 11> FajtaIrasok = {{
    {KDarabszam, {"DARABSZáM", "DARABSZÁM", "DARABSZAM"}},
    {KRagadas, {"RAGADáS", "RAGADÁS", "RAGADAS"}},
    {KTavolsag, {"TáVOLSáG", "TÁVOLSÁG", "TAVOLSAG"}},
    {KEselyek, {"ESéLYEK", "ESÉLYEK", "ESELYEK"}},
    {KTalalatok, {"TALáLATOK", "TALÁLATOK", "TALALATOK"}},
    {KAtlag, {"áTLAG", "ÁTLAG", "ATLAG"}},
    {KIsmet, {"ISMéT", "ISMÉT", "ISMET"}},
    {KIsmetlodes, {"ISMéTLőDéS", "ISMÉTLŐDÉS", "ISMETLODES"}},
    {KString2, {"STRING2", "STRING2", "STRING2"}},
    {KString3, {"STRING3", "STRING3", "STRING3"}},
    {KHibapont, {"HIBAPONT", "HIBAPONT", "HIBAPONT"}},
}};

constexpr std::array<std::string_view, 3> GlobalisRacsok = {"DarabszamSG", "RagadasSG", "TavolsagSG"};
constexpr std::array<char, 3> GlobalisFajtak = {KDarabszam, KRagadas, KTavolsag};

char FajtaBetu(std::string_view szoveg) {
  std::string upper = UpperAscii(szoveg);
  for (const TFajtaIras& f : FajtaIrasok)
    for (std::string_view iras : f.irasok)
      if (upper == iras) return f.betu;
  return 0;
}

THiba FeltetelHiba(std::string_view uzenet, int oszlop, int sor) {
  return CellaHiba(std::string(uzenet), TabTippek, "FeltetelSG", oszlop, sor);
}

// Signs all from 1X2 or all from ABC, with a length in minHossz..maxHossz.
bool TippResz(std::string_view s, std::size_t minHossz, std::size_t maxHossz) {
  if (s.size() < minHossz || s.size() > maxHossz) return false;
  std::string_view abc =
      JelBetuk.substr(0, 3).find(s[0]) != std::string_view::npos ? JelBetuk.substr(0, 3) : JelBetuk.substr(3);
  for (char c : s)
    if (abc.find(c) == std::string_view::npos) return false;
  return true;
}

void FillBaseTips(const TBevitel& be, TTippek& t) {
  t.jatekTipus = be.jatekTipus;
  for (int m = 0; m < MatchCount; ++m) t.alaptipp[m] = UpperAscii(be.alaptipp[m]);
  t.plusTipp = UpperAscii(be.plusTipp);
  int jelek = SignCount(TextToTipp(t.plusTipp));
  t.plusEloszlas.fill(0);
  if (jelek >= 2)
    for (int c = 0; c < jelek; ++c) t.plusEloszlas[c] = static_cast<int>(ParseInt(be.plusEloszlas[c], 0));
  t.fixMerkozesek = be.fixMerkozesek;
  for (int c = 0; c < AlaptippekColumns; ++c) {
    for (int m = 0; m < PositionCount; ++m) t.alaptippek[c][m] = TextToTipp(be.alaptippek[c][m]);
    if (t.alaptippAktiv[c]) t.aktivAlaptippek.push_back(t.alaptippek[c]);
  }
}

bool ParseEselyek(const TBevitel& be, TTippek& t, THiba& hiba) {
  for (int a = 0; a < 3; ++a) {
    for (int m = 1; m <= MatchCount; ++m) {
      const std::string& s = be.eselyek[a][m - 1];
      std::int64_t v = s.empty() ? 0 : ParseInt(s, -1);
      if (v < 0 || v > 100) {
        hiba = CellaHiba(std::string(MsgEsely), TabTippek, "EselyekSG", a, MatchRow(m));
        return false;
      }
      t.eselyek[a][m - 1] = static_cast<std::int16_t>(v);
    }
  }
  return true;
}

bool ParseGlobalis(const TBevitel& be, TTippek& t, THiba& hiba) {
  for (int g = 0; g < 3; ++g) {
    for (int s = 1; s <= 6; ++s) {
      const std::string& minText = be.globalis[g][0][s - 1];
      const std::string& maxText = be.globalis[g][1][s - 1];
      std::int64_t min = minText.empty() ? 0 : ParseInt(minText, -1);
      std::int64_t max = maxText.empty() ? MatchCount : ParseInt(maxText, -1);
      auto cella = [&](std::string_view uzenet, int oszlop) {
        hiba = CellaHiba(std::string(uzenet), TabTippek, std::string(GlobalisRacsok[g]), oszlop, MatchRow(s));
        return false;
      };
      if (min < 0 || min > MatchCount) return cella(MsgGlobMin, 0);
      if (max < 0 || max > MatchCount) return cella(MsgGlobMax, 1);
      if (min == 0 && max == MatchCount) continue; // the same as an empty row
      if (max < min) return cella(MsgGlobMinMax, 0);
      TFeltetel f;
      f.merkozesek.fill(1);
      f.tipus = GlobalisFajtak[g];
      f.tippresz = std::string(1, JelBetuk[s - 1]);
      f.min = static_cast<std::int32_t>(min);
      f.max = static_cast<std::int32_t>(max);
      f.csoport = static_cast<std::uint8_t>(g + 1);
      f.sor = static_cast<std::int16_t>(MatchRow(s));
      t.feltetelek.push_back(std::move(f));
    }
  }
  t.globalisDb = static_cast<int>(t.feltetelek.size());
  return true;
}

// Used rows move up in order; the rows they leave become empty.
int PackFeltetelek(TBevitel& be) {
  int n = 0;
  for (int r = 0; r < ConditionRows; ++r) {
    if (be.feltetelek[r].Ures()) continue;
    if (r != n) be.feltetelek[n] = std::exchange(be.feltetelek[r], TFeltetelSor{});
    ++n;
  }
  return n;
}

// Checks the T cell by the kind and fills the tip part and the list column.
std::string_view ParseT(TFeltetelSor& sor, TFeltetel& f) {
  std::string upper = UpperAscii(sor.t);
  switch (f.tipus) {
  case KDarabszam:
  case KRagadas:
  case KTavolsag:
    if (upper.size() != 1 || JelBetuk.find(upper[0]) == std::string_view::npos) return MsgTJel;
    break;
  case KTalalatok: {
    std::int64_t v = ParseInt(upper, -1);
    if (v < 1 || v > AlaptippekColumns) return MsgTTalalatok;
    f.adat = static_cast<int>(v - 1);
    break;
  }
  case KIsmet:
  case KIsmetlodes:
  case KString3:
    if (!TippResz(upper, 2, 3)) return MsgTIsmet;
    break;
  case KString2:
    if (!TippResz(upper, 2, 2)) return MsgTString2;
    break;
  case KHibapont: sor.min.clear(); [[fallthrough]];
  default: // Esélyek, Átlag
    sor.t.clear();
    upper.clear();
    break;
  }
  f.tippresz = std::move(upper);
  return {};
}

std::int32_t Legnagyobb(char tipus, std::size_t hossz) {
  switch (tipus) {
  case KEselyek:
  case KAtlag: return 1300;
  case KIsmet: return static_cast<std::int32_t>(14 - hossz);
  case KIsmetlodes: return static_cast<std::int32_t>(13 / hossz);
  case KString2: return 6;
  case KString3: return 4;
  default: return MatchCount;
  }
}

// An Átlag bound keeps two decimals, and the cell shows what was kept.
// lround rather than nearbyint: the result must not depend on the current
// rounding mode, and a value of two decimals times 100 is never near a half.
std::int64_t AtlagErtek(std::string& cella) {
  std::size_t p = cella.find_first_of(",.");
  if (p != std::string::npos) cella = cella.substr(0, p + 1) + LimitLength(cella.substr(p + 1), 2);
  double d = ParseFloat(cella, -1);
  if (!(d >= 0) || d > 1e6) return -1; // far out of range: refused just the same
  return std::lround(d * 100);
}

std::int64_t Korlat(char tipus, std::string& cella, std::int32_t ures) {
  if (cella.empty()) return ures;
  if (tipus == KAtlag) return AtlagErtek(cella);
  return ParseInt(cella, -1);
}

bool ParseFeltetel(TFeltetelSor& sor, int r, int aktivDb, TFeltetel& f, THiba& hiba) {
  if (MerkozesHalmaz(sor.merkozesek, MatchCount, f.merkozesek) != 0) {
    hiba = FeltetelHiba(MsgMerkozesek, 1, r);
    return false;
  }
  f.tipus = FajtaBetu(sor.feltetel);
  if (f.tipus == 0) {
    hiba = FeltetelHiba(MsgFajta, 2, r);
    return false;
  }
  std::string_view uzenet = ParseT(sor, f);
  if (!uzenet.empty()) {
    hiba = FeltetelHiba(uzenet, 3, r);
    return false;
  }
  std::int32_t v = Legnagyobb(f.tipus, f.tippresz.size());
  std::string vSzoveg = f.tipus == KAtlag ? "13" : std::to_string(v);
  std::int64_t min = Korlat(f.tipus, sor.min, 0);
  if (min < 0 || min > v) {
    hiba = FeltetelHiba(std::string(MsgMin) + vSzoveg + std::string(MsgTartomanyVege), 4, r);
    return false;
  }
  std::int64_t max = Korlat(f.tipus, sor.max, v);
  if (max < 0 || max > v) {
    hiba = FeltetelHiba(std::string(MsgMax) + vSzoveg + std::string(MsgTartomanyVege), 5, r);
    return false;
  }
  if (max < min) {
    hiba = FeltetelHiba(MsgMinMax, 4, r);
    return false;
  }
  f.min = static_cast<std::int32_t>(min);
  f.max = static_cast<std::int32_t>(max);
  if (f.tipus == KAtlag) f.darab = aktivDb;
  f.csoport = CsoportFeltetel;
  f.sor = static_cast<std::int16_t>(r);
  return true;
}

} // namespace

int ParseTippek(TBevitel& be, TTippek& out, THiba& hiba) {
  // Built aside so that a refused input leaves the previous model untouched.
  TTippek t;
  if (!CheckAlaptippek(be, t.alaptippAktiv, hiba)) return -1;
  FillBaseTips(be, t);
  if (!ParseEselyek(be, t, hiba) || !ParseGlobalis(be, t, hiba)) return -1;
  int sorok = PackFeltetelek(be);
  for (int r = 1; r <= sorok; ++r) {
    TFeltetel f;
    if (!ParseFeltetel(be.feltetelek[r - 1], r, static_cast<int>(t.aktivAlaptippek.size()), f, hiba)) return -1;
    t.vanHibapont = t.vanHibapont || f.tipus == KHibapont;
    t.feltetelek.push_back(std::move(f));
  }
  std::int64_t szHiba = be.szHiba.empty() ? 0 : ParseInt(be.szHiba, -1);
  if (szHiba < 0 || szHiba > 99) {
    hiba = CellaHiba(std::string(MsgSzHiba), TabTippek, "SzHibaSG", 0, 0);
    return -1;
  }
  t.szukitesiHiba = static_cast<int>(szHiba);
  out = std::move(t);
  return static_cast<int>(out.feltetelek.size());
}

} // namespace kv
