#pragma once
// The typing filters of the input grids. After every keystroke the grid's
// text is put through the filter of its cell, which throws away only what can
// never become valid; each character thrown away or cut off costs one beep.
// What the text means is checked later, when a command runs.

#include <optional>
#include <string>
#include <string_view>

namespace kv {

enum class TSzuroFajta {
  Alaptipp,      // AlaptippSG, PlustippSG, AlaptippekSG: "1", "2", "X", "x"; 3
  Esely,         // EselyekSG, PlusVezetesSG: digits; 3
  Globalis,      // DarabszamSG, RagadasSG, TavolsagSG, IndexszamSG: digits; 2
  SzukitesiHiba, // SzHibaSG: digits; 2
  Merkozesek,    // FeltetelSG column 1: ",", "-", digits; 20
  Feltetel,      // FeltetelSG column 2: anything; 10
  Tippresz,      // FeltetelSG column 3: digits, A B C X in either case; 3
  Hatar,         // FeltetelSG columns 4, 5: ",", ".", digits; 5
  Eredmeny,      // EredmenySG, PlusEredmenySG: one sign
  Nyeremeny,     // NyeremenySG: digits; 9
};

struct TGepeles {
  std::string szoveg; // the text the cell keeps
  int hangjelek = 0;  // characters removed or cut, one beep each
  bool operator==(const TGepeles&) const = default;
};

TGepeles SzurtSzoveg(TSzuroFajta fajta, std::string_view text);

// The longest text a cell of the kind keeps, in characters.
int LeghosszabbSzoveg(TSzuroFajta fajta);

// The filter of a cell, by the grid's object name and the column; none for a
// grid the user does not type into.
std::optional<TSzuroFajta> CellaSzuro(std::string_view grid, int col);

// The results a typed change makes stale (a ClearResults mask) and whether
// they are cleared only while the grid holds the keyboard focus.
struct TGepelesTorles {
  int maszk;
  bool csakFokuszban;
};
TGepelesTorles GepelesTorles(TSzuroFajta fajta);

// The kind completion of the condition grid's Feltétel column: a text that is
// exactly the one character last typed there (kindKey; 0 for none) and
// stands for a kind becomes that kind's full name; any other text is kept.
std::string KindCompletion(std::string_view text, char32_t kindKey);

} // namespace kv
