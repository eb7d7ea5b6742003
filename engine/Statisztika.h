#pragma once
// The statistics: every accepted column measured with each condition kind over
// all 13 matches, counted by value into one table of 4,595 counters, and the
// cell texts of the grids that show them.

#include "engine/Jatek.h"
#include "engine/RacsSzoveg.h"
#include "engine/SzuroMenet.h"
#include "engine/Tippek.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

constexpr int StatSzamlalokSzama = 4595;
constexpr int TippReszekSzama = 36;
constexpr int KetJelesReszekSzama = 9;
constexpr int StatErtekHatar = 1300; // the top Esélyek and Átlag value, folded into 1299 after the pass

// The tip parts over "1X2", first character slowest: 11, 1X, 12, X1, ... 22,
// then 111, 11X, ... 222. p = 1..36.
std::string_view TippResz(int p);

// The sections in storage order.
enum TStatSzakasz : int {
  StatSoronkenti,
  StatDarabszam,
  StatRagadas,
  StatTavolsag,
  StatEselyek,
  StatTalalatok,
  StatAtlag,
  StatIsmet,
  StatIsmetlodes,
  StatString2,
  StatString3
};
constexpr int StatSzakaszokSzama = 11;

// A section is `csoportok` groups of `ertekek` counters (one group for
// Esélyek and Átlag); nev is how the batch program labels it.
struct TStatSzakaszAdat {
  std::string_view nev;
  int kezdet;
  int csoportok;
  int ertekek;
};
const TStatSzakaszAdat& StatSzakaszAdat(TStatSzakasz sz);

struct TStatisztika {
  std::array<std::int32_t, StatSzamlalokSzama> db{};

  void Torol() { db.fill(0); }
  // csoport is 1-based (match, sign, entry or tip part), ertek the 0-based place in the group.
  std::int32_t& At(TStatSzakasz sz, int csoport, int ertek) { return db[Index(sz, csoport, ertek)]; }
  std::int32_t At(TStatSzakasz sz, int csoport, int ertek) const { return db[Index(sz, csoport, ertek)]; }
  std::span<const std::int32_t> Szakasz(TStatSzakasz sz) const;

  // j = 1..6 in the order of JelBetuk; v the measured value.
  std::int32_t Soronkenti(int m, int j) const { return At(StatSoronkenti, m, j - 1); }
  std::int32_t Darabszam(int j, int v) const { return At(StatDarabszam, j, v); }
  std::int32_t Ragadas(int j, int v) const { return At(StatRagadas, j, v); }
  std::int32_t Tavolsag(int j, int v) const { return At(StatTavolsag, j, v); }
  std::int32_t Eselyek(int v) const { return At(StatEselyek, 1, v); }
  std::int32_t Talalatok(int e, int v) const { return At(StatTalalatok, e, v); }
  std::int32_t Atlag(int v) const { return At(StatAtlag, 1, v); }
  std::int32_t Ismet(int p, int v) const { return At(StatIsmet, p, v); }
  std::int32_t Ismetlodes(int p, int v) const { return At(StatIsmetlodes, p, v); }
  std::int32_t String2(int p, int v) const { return At(StatString2, p, v); }
  std::int32_t String3(int p, int v) const { return At(StatString3, p, v); }

private:
  static std::size_t Index(TStatSzakasz sz, int csoport, int ertek) {
    const TStatSzakaszAdat& a = StatSzakaszAdat(sz);
    return static_cast<std::size_t>(a.kezdet + (csoport - 1) * a.ertekek + ertek);
  }
};

// The statistics pass (StatisztikaMenet): clears stat, runs the filter pass
// of the reset generator and measures every accepted column; when the pass
// completes, marks the signs and letters no match can show with -1 and folds
// the value 1300 into 1299. The accepted count, or -1 after an abort (stat
// then holds no result).
std::int64_t StatisztikaMenet(TJatek& jatek, IProgress* progress, TStatisztika& stat);
// The same over a pass the caller assembled from a compiled model.
std::int64_t StatisztikaMenet(const TMenet& menet, const TTippek& tippek, IProgress* progress, TStatisztika& stat);

// StatTipus letters: d r t e T a i I s S.
// The kind a kind button stands for, from its caption ("Darabszám " gives d).
char StatTipusGombbol(std::string_view felirat);

// What StatTipusValtas shows for a kind: the page of the statistics notebook
// (0..4), whether the soronkénti grid is visible, and for page 4 the size of SStatSG.
struct TStatNezet {
  int oldal = 0;
  bool soronkenti = false;
  int oszlopok = 0;
  int sorok = 0;
};
TStatNezet StatNezet(char tipus);

// A count with 6 digit places, two blanks per missing digit; 0 is empty.
std::string StatSzam(std::int32_t v);

// Cell texts of the statistics grids; cells whose text the window's set-up
// writes are left empty, except in SStatSG, whose headers follow the kind.
TRacsSzoveg RowStatSGSzoveg(const TStatisztika& s);             // 8 x 14
TRacsSzoveg AllStatSGSzoveg(const TStatisztika& s, char tipus); // 8 x 15; d, r or t
TRacsSzoveg EStatSGSzoveg(const TStatisztika& s);               // 14 x 13
TRacsSzoveg AStatSGSzoveg(const TStatisztika& s);               // 14 x 13
TRacsSzoveg TStatSGSzoveg(const TStatisztika& s);               // 51 x 15
TRacsSzoveg SStatSGSzoveg(const TStatisztika& s, char tipus);   // i, I, s or S; sized by StatNezet

} // namespace kv
