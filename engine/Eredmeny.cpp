#include "engine/Eredmeny.h"

#include "engine/Szoveg.h"

namespace kv {

namespace {

constexpr std::string_view MsgHosszu =
    "Egy mérkőzés eredménye csak 1 betűből állhat! Javítsa ki a kurzornál lévő eredményt!";
constexpr std::string_view MsgBetu =
    "Az eredmény megadásához csak az 1X2 betűk használhatók! Javítsa ki a kurzornál lévő eredményt!";
constexpr std::string_view MsgUres = "Legalább egy mérkőzés eredményét meg kell adni!";
constexpr std::string_view MsgNyeremenyEleje =
    "A nyeremények értékének a 0..999 999 999 tartományban kell lenniük. Javítsa ki a kurzornál lévő ";
constexpr std::string_view MsgNyeremenyVege = " értéket!";

const std::string& Cella(const TBevitel& be, int m) {
  return m == PositionCount ? be.plusEredmeny : be.eredmeny[m - 1];
}

} // namespace

THiba EredmenyHiba(std::string_view uzenet, int m) {
  if (m == PositionCount) return CellaHiba(std::string(uzenet), TabEredmenyek, "PlusEredmenySG", 0, 0);
  return CellaHiba(std::string(uzenet), TabEredmenyek, "EredmenySG", 0, MatchRow(m));
}

bool CheckResults(const TBevitel& be, THiba& hiba) {
  bool mindUres = true;
  for (int m = 1; m <= PositionCount; ++m) {
    std::string upper = UpperAscii(Cella(be, m));
    if (upper.empty()) continue;
    mindUres = false;
    if (Utf8Length(upper) > 1) {
      hiba = EredmenyHiba(MsgHosszu, m);
      return false;
    }
    if (upper != "1" && upper != "X" && upper != "2") {
      hiba = EredmenyHiba(MsgBetu, m);
      return false;
    }
  }
  if (mindUres) {
    hiba = EredmenyHiba(MsgUres, 1);
    return false;
  }
  return true;
}

bool CheckPrizes(const TBevitel& be, TEredmeny& e, THiba& hiba, std::string_view currency) {
  std::array<std::int64_t, TalalatOsztalyok> nyeremeny{};
  for (int sor = 1; sor <= 5; ++sor) {
    const std::string& s = be.nyeremeny[sor - 1];
    std::int64_t v = s.empty() ? 0 : ParseInt(s, -1);
    if (v < 0 || v > MaxNyeremeny) {
      std::string uzenet = std::string(MsgNyeremenyEleje) + std::string(currency) + std::string(MsgNyeremenyVege);
      hiba = CellaHiba(std::move(uzenet), TabEredmenyek, "NyeremenySG", 0, sor);
      return false;
    }
    nyeremeny[NyeremenyOsztaly(sor)] = v;
  }
  e.nyeremeny = nyeremeny;
  return true;
}

void EredmenyBeolvasas(const TBevitel& be, TEredmeny& e) {
  for (int m = 1; m <= PositionCount; ++m) {
    const std::string& s = Cella(be, m);
    char c = s.empty() ? ' ' : UpperAscii(s.substr(0, 1))[0];
    e.szoveg[m - 1] = c;
    e.oszlop[m - 1] = c == '1' ? 1 : c == 'X' ? 2 : c == '2' ? 4 : 0;
  }
}

std::int64_t Nyeremeny(const TOsztalyDb& db, const TEredmeny& e) {
  std::int64_t sum = 0;
  for (int c = MinWinHits; c <= TeliTalalat; ++c) sum += db[c] * e.nyeremeny[c];
  return sum;
}

} // namespace kv
