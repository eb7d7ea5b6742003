#pragma once
// The error search: why the winning column was not played. Only that one
// column is tested: against the base tips, and when they cover it, against
// every record of the condition table.

#include "engine/Bevitel.h"
#include "engine/Eredmeny.h"
#include "engine/Hiba.h"
#include "engine/Jatek.h"
#include "engine/Tippek.h"

#include <array>
#include <span>

namespace kv {

// Tables of row marks, indexed by grid row (rows 0..16 of each grid).
enum THibaRacs : int { HibaAlaptipp = 0, HibaDarabszam = 1, HibaRagadas = 2, HibaTavolsag = 3 };

enum class TPlusJel {
  Nincs,
  Szoveg, // the +1 base tip lacks the +1 result: its text is coloured
  Hatter  // the +1 is untipped: its background is coloured
};

struct THibaJelek {
  std::array<std::array<bool, 17>, 4> sorok{}; // [THibaRacs][grid row]
  std::array<bool, ConditionRows + 1> feltetel{}; // condition grid rows
  TPlusJel plus = TPlusJel::Nincs;

  bool Alaptipp(int m) const { return sorok[HibaAlaptipp][MatchRow(m)]; } // m = 1..13
  bool operator==(const THibaJelek&) const = default;
};

// The marks of a compiled bet and results read in: the base tips missing
// the result and, only when none does, every failed record. A Hibapont
// record measures against `elfogadott`, the list the last pass left.
THibaJelek HibaJelek(const TTippek& t, const TEredmeny& e, std::span<const TOszlop> elfogadott);

// The whole command: every result present, the base tip pre-check, the
// result check and the compilation, then the marks. False with the first
// refusal in hiba and the marks cleared.
bool Hibakereses(TJatek& jatek, TBevitel& be, const TKulcsValasztas& kulcs, THibaJelek& jelek, THiba& hiba);

} // namespace kv
