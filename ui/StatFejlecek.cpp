#include "ui/StatFejlecek.h"

#include "engine/Bevitel.h"
#include "engine/Szoveg.h"
#include "engine/Tipp.h"

#include <string>

namespace kv {

namespace {

// Signs 1, X, 2 in columns 1..3, letters A, B, C in 5..7; column 4 is the gap.
constexpr int SignCol(int j) { return j <= 3 ? j : j + 1; }

std::string Szam2(int n) { return PadDigits(std::to_string(n), 2); }

void JelFejlec(TRacsSzoveg& r) {
  for (int j = 1; j <= 6; ++j)
    r.Cella(SignCol(j), 0) = "     " + std::string(1, JelBetuk[static_cast<std::size_t>(j - 1)]);
}

// Row v + 1 for the value v = 0..13: "  0" first, then the match numbers.
void ErtekOszlop(TRacsSzoveg& r) {
  r.Cella(0, 1) = "  0";
  for (int v = 1; v <= MatchCount; ++v) r.Cella(0, v + 1) = Szam2(v);
}

// Groups of ten down column 0 and the column totals on row 12; `fejlec`
// writes the column headers, `sor` the label of the tens t = 1..9.
template <class FFejlec, class FSor> TRacsSzoveg Szazasok(FFejlec fejlec, const std::string& elso, FSor sor) {
  TRacsSzoveg r(14, 13);
  for (int c = 1; c <= 13; ++c) r.Cella(c, 0) = fejlec(c - 1) + " -";
  r.Cella(0, 1) = elso;
  for (int t = 1; t <= 9; ++t) r.Cella(0, t + 1) = sor(t * 10);
  r.Cella(0, 12) = "Össz.";
  return r;
}

void SorSzamok(TRacsSzoveg& r) {
  for (int s = 1; s < r.Sorok(); ++s) r.Cella(0, s) = Szam2(s);
}

} // namespace

TRacsSzoveg AllStatSGFejlec() {
  TRacsSzoveg r(8, 15);
  JelFejlec(r);
  ErtekOszlop(r);
  return r;
}

TRacsSzoveg RowStatSGFejlec() {
  TRacsSzoveg r(8, 14);
  JelFejlec(r);
  SorSzamok(r);
  return r;
}

TRacsSzoveg EStatSGFejlec() {
  return Szazasok([](int c) { return std::to_string(c * 100); }, "  0 -   9",
                  [](int n) { return std::to_string(n) + " - " + std::to_string(n + 9); });
}

TRacsSzoveg AStatSGFejlec() {
  return Szazasok([](int c) { return std::to_string(c); }, ".00 - .09",
                  [](int n) { return "." + std::to_string(n) + " - ." + std::to_string(n + 9); });
}

TRacsSzoveg TStatSGFejlec() {
  TRacsSzoveg r(AlaptippekColumns + 1, 15);
  for (int e = 1; e <= AlaptippekColumns; ++e) r.Cella(e, 0) = (e <= 9 ? "     " : "    ") + std::to_string(e);
  ErtekOszlop(r);
  return r;
}

TRacsSzoveg GElemzesSGFejlec() {
  TRacsSzoveg r(7, 19);
  const char* const fejlec[] = {"Feltétel", "T", "Min", "Max", "", "Oszlopszám"};
  for (int c = 1; c <= 6; ++c) r.Cella(c, 0) = fejlec[c - 1];
  SorSzamok(r);
  return r;
}

TRacsSzoveg ElemzesSGFejlec() {
  TRacsSzoveg r(8, ConditionRows + 1);
  const char* const fejlec[] = {"Mérkőzések", "Feltétel", "T", "Min", "Max", "", "Oszlopszám"};
  for (int c = 1; c <= 7; ++c) r.Cella(c, 0) = fejlec[c - 1];
  SorSzamok(r);
  return r;
}

} // namespace kv
