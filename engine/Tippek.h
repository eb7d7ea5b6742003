#pragma once
// The game model compiled from the input grids: what every computation reads.

#include "engine/Feltetel.h"
#include "engine/Tipp.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kv {

constexpr int JatekAlaptipp = 1; // "Alaptipp szűkítése"
constexpr int JatekKulcs = 2;    // "Kulcs behelyettesítése és szűkítése"

struct TTippek {
  int jatekTipus = JatekAlaptipp;
  std::array<std::string, 13> alaptipp;       // distinct signs of "1X2", upper case, in typed order
  std::string plusTipp;
  std::array<int, 3> plusEloszlas{};          // all 0: no distribution
  std::uint32_t fixMerkozesek = 0;            // bit MatchRow(m) marks match m
  std::array<std::array<std::int16_t, 13>, 3> eselyek{}; // [A,B,C][match]
  int szukitesiHiba = 0;

  std::array<TOszlop, 50> alaptippek{};       // the Alaptippek list, every column
  std::array<bool, 50> alaptippAktiv{};
  std::vector<TOszlop> aktivAlaptippek;       // the active ones in column order

  std::vector<TFeltetel> feltetelek;          // global restrictions first, then conditions
  int globalisDb = 0;
  bool vanHibapont = false;

  bool Fix(int m) const { return (fixMerkozesek >> MatchRow(m)) & 1u; } // m = 1..13
};

} // namespace kv
