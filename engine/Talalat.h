#pragma once
// The hit search: the hits of a ticket record, the hit classes of the
// columns a collective record stands for, the hit pass over the accepted
// columns, the winning paper tickets, and the result column measured by the
// restrictions.

#include "engine/Bevitel.h"
#include "engine/Eredmeny.h"
#include "engine/Jatek.h"
#include "engine/Szelvenyek.h"
#include "engine/Tippek.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kv {

// Matches 1..13 whose record byte shares a sign with the result; 14 when all
// 13 do and the +1 byte shares one too.
int TalalatSzam(const TOszlop& rekord, const TOszlop& eredmeny);

// How many of the columns a record stands for fall into each class.
TOsztalyDb TalalatEloszlas(const TOszlop& rekord, const TOszlop& eredmeny);

// The command's steps before its pass, in the window's order: the base tip
// pre-check, the result check, the compilation, the prizes; then the results
// are read into e. False with the first refusal in hiba.
bool TalalatElokeszit(TJatek& jatek, TBevitel& be, const TKulcsValasztas& kulcs, TEredmeny& e, THiba& hiba);

// The hit pass over the accepted columns (the generator reset before):
// fills e.talalatDb and e.osszNyeremeny. The accepted count, or -1 after an
// abort, which leaves every class at 0.
std::int64_t TalalatMenet(TJatek& jatek, TEredmeny& e, IProgress* progress);

// The winning paper tickets of the ticket store (records 1..kollektivCount
// collective, the rest normal columns), each list in increasing order.
struct TNyertesek {
  std::vector<int> winnersK;
  std::vector<int> winnersN;
};
TNyertesek BuildWinnerLists(std::span<const TOszlop> records, int kollektivCount, const TOszlop& eredmeny);
TNyertesek BuildWinnerLists(const TSzelvenyek& sz, const TOszlop& eredmeny);

// The class counts of paper ticket `szelveny` of the collective or the
// normal part: the columns of its collective record, or one per normal column.
TOsztalyDb SzelvenyTalalatai(std::span<const TOszlop> records, int kollektivCount, bool kollektiv, int szelveny,
                             const TOszlop& eredmeny);
TOsztalyDb SzelvenyTalalatai(const TSzelvenyek& sz, bool kollektiv, int szelveny, const TOszlop& eredmeny);

// The result column as a column text: the result signs, and at each match
// the letter of the result's place in the base tip (blank when the base tip
// lacks it or there is no result). Matches whose result the base tip lacks
// are set in *kivul, match m at bit m-1.
TOszlopSzoveg EredmenyOszlop(const TEredmeny& e, const TTippek& t, std::uint16_t* kivul = nullptr);

// The result column measured over all 13 matches.
struct TEredmenyElemzes {
  std::array<std::array<int, 3>, 6> szukites{};  // [1 X 2 A B C][Darabszám, Ragadás, Távolság]
  int eselyek = 0;
  std::array<int, AlaptippekColumns> talalatok{}; // hits of each Alaptippek entry, 14 = 13+1
  int atlag = 0;                                  // over the active entries, in hundredths
};
TEredmenyElemzes EredmenyElemzes(const TEredmeny& e, const TTippek& t);

} // namespace kv
