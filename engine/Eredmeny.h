#pragma once
// The results of the matches, the prizes of the winning classes and what the
// hit search counted: the input the hit search and the error search read, and
// the checks of the Eredmények page that guard them.

#include "engine/Bevitel.h"
#include "engine/Hiba.h"
#include "engine/Tipp.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace kv {

// Hit classes: 0..13 hits over matches 1..13, 14 = all 13 and the +1 ("13+1").
constexpr int TalalatOsztalyok = 15;
constexpr int TeliTalalat = 14;
constexpr std::int64_t MaxNyeremeny = 999'999'999;
inline constexpr std::string_view CurrencyText = "Ft";

using TOsztalyDb = std::array<std::int64_t, TalalatOsztalyok>;

// Prizes are whole amounts and no class holds more than 3^14 columns, so
// 64-bit integers keep every sum of count x prize exact; even all the
// columns of a bet at the largest prize stay far below the limit.
static_assert(MaxNyeremeny * MaxColumns <= INT64_MAX / TalalatOsztalyok);

struct TEredmeny {
  std::array<char, PositionCount> szoveg; // upper-cased first character of each cell, ' ' when empty
  TOszlop oszlop{};                       // the same as sign bits, 0 for anything but 1, X, 2
  std::array<std::int64_t, TalalatOsztalyok> nyeremeny{}; // prize of one column, classes 10..14

  TOsztalyDb talalatDb{};        // accepted columns of the hit pass in each class
  std::int64_t osszNyeremeny = 0;

  TEredmeny() { szoveg.fill(' '); }
};

// Prize grid row 1..5 (13+1, 13, 12, 11, 10) and its class.
constexpr int NyeremenyOsztaly(int sor) { return TeliTalalat + 1 - sor; }

// The result cells: at most one character each, only 1, X, 2, and at least one given.
bool CheckResults(const TBevitel& be, THiba& hiba);

// The five prize cells into e.nyeremeny: empty is 0, else a whole number 0..999,999,999.
bool CheckPrizes(const TBevitel& be, TEredmeny& e, THiba& hiba, std::string_view currency = CurrencyText);

// Fills szoveg and oszlop from the result cells.
void EredmenyBeolvasas(const TBevitel& be, TEredmeny& e);

// Sum over the winning classes of count x prize.
std::int64_t Nyeremeny(const TOsztalyDb& db, const TEredmeny& e);

// The cell of result position m (1..13 a match, 14 the +1).
THiba EredmenyHiba(std::string_view uzenet, int m);

} // namespace kv
