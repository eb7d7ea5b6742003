#include "engine/TippekRacs.h"

#include "engine/Bevitel.h"
#include "engine/Szoveg.h"
#include "engine/Tipp.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int Utolso = MatchRow(13); // the row of match 13
constexpr int GlobalisUtolso = 7;    // the row of sign C

// A row below the condition grid's top, held inside the grid when the grid
// has been scrolled to its end.
TRacsHely Feltetel(int col, int row) { return {"FeltetelSG", col, std::min(row, ConditionRows)}; }

std::optional<TRacsHely> EselyekUgras(TIrany irany, int col, int row, bool editing, int top) {
  if (irany == TIrany::Balra && col == 0 && !editing) return TRacsHely{"AlaptippSG", 0, row};
  if (irany == TIrany::Le && row == Utolso) return TRacsHely{"PlusVezetesSG", col, 0};
  if (irany != TIrany::Jobbra || col != 2 || editing) return std::nullopt;
  if (row >= 1 && row <= 7) return TRacsHely{"DarabszamSG", 0, row};
  if (row >= 9 && row <= 13) return Feltetel(1, top);
  if (row >= 14 && row <= 16) return Feltetel(1, top + row - 14);
  return std::nullopt;
}

// The three global restriction grids stand side by side above the condition
// grid: Darabszám over its column 1, Ragadás over 2 and 3, Távolság over 4 and 5.
std::optional<TRacsHely> GlobalisUgras(std::string_view from, TIrany irany, int col, int row, bool editing, int top) {
  const bool darab = from == "DarabszamSG", ragad = from == "RagadasSG";
  if (irany == TIrany::Le && row == GlobalisUtolso) return Feltetel(darab ? 1 : ragad ? 2 : col + 4, top);
  if (editing) return std::nullopt;
  if (irany == TIrany::Balra && col == 0) {
    if (darab) return TRacsHely{"EselyekSG", 2, row};
    return TRacsHely{ragad ? "DarabszamSG" : "RagadasSG", 1, row};
  }
  if (irany == TIrany::Jobbra && col == 1 && (darab || ragad))
    return TRacsHely{darab ? "RagadasSG" : "TavolsagSG", 0, row};
  return std::nullopt;
}

std::optional<TRacsHely> FeltetelUgras(TIrany irany, int col, int row, bool editing, int top) {
  if (irany == TIrany::Fel && row == 1) {
    if (col == 1) return TRacsHely{"DarabszamSG", 0, GlobalisUtolso};
    if (col == 2 || col == 3) return TRacsHely{"RagadasSG", col - 2, GlobalisUtolso};
    if (col == 4 || col == 5) return TRacsHely{"TavolsagSG", col - 4, GlobalisUtolso};
    return std::nullopt;
  }
  if (irany != TIrany::Balra || col != 1 || editing) return std::nullopt;
  const int d = row - top;
  if (d > 2) return TRacsHely{"PlusVezetesSG", 2, 0};
  return TRacsHely{"EselyekSG", 2, 14 + std::max(d, 0)};
}

std::optional<TRacsHely> PlusUgras(std::string_view from, TIrany irany, int col, bool editing, int top) {
  if (from == "PlustippSG") {
    if (irany == TIrany::Fel) return TRacsHely{"AlaptippSG", 0, Utolso};
    if (irany == TIrany::Jobbra && !editing) return TRacsHely{"PlusVezetesSG", 0, 0};
    return std::nullopt;
  }
  if (irany == TIrany::Fel) return TRacsHely{"EselyekSG", col, Utolso};
  if (irany == TIrany::Balra && col == 0 && !editing) return TRacsHely{"PlustippSG", 0, 0};
  if (irany == TIrany::Jobbra && col == 2 && !editing) return Feltetel(1, top + 4);
  return std::nullopt;
}

} // namespace

std::optional<TRacsHely> TippekUgras(std::string_view from, TIrany irany, int col, int row, bool editing,
                                     int feltetelTop) {
  if (from == "AlaptippSG") {
    if (irany == TIrany::Jobbra && !editing) return TRacsHely{"EselyekSG", 0, row};
    if (irany == TIrany::Le && row == Utolso) return TRacsHely{"PlustippSG", 0, 0};
    return std::nullopt;
  }
  if (from == "EselyekSG") return EselyekUgras(irany, col, row, editing, feltetelTop);
  if (from == "DarabszamSG" || from == "RagadasSG" || from == "TavolsagSG")
    return GlobalisUgras(from, irany, col, row, editing, feltetelTop);
  if (from == "FeltetelSG") return FeltetelUgras(irany, col, row, editing, feltetelTop);
  if (from == "PlustippSG" || from == "PlusVezetesSG") return PlusUgras(from, irany, col, editing, feltetelTop);
  return std::nullopt;
}

TAlapCalcSzoveg AlapCalcSzovegek(std::int64_t n, std::int64_t oszlopAr) {
  auto pad = [](std::string s) {
    while (Utf8Length(s) <= 14) s.insert(0, 1, ' ');
    return s;
  };
  return {pad(FormatThousands(n) + " oszlop"), pad(FormatThousands(n * oszlopAr) + " Ft")};
}

} // namespace kv
