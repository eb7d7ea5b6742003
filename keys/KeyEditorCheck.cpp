#include "keys/KeyEditorCheck.h"

#include "engine/Szoveg.h"

#include <algorithm>

namespace kv {

namespace {

constexpr const char* GridOszlop = "OszlopSG";
constexpr const char* GridAlaptipp = "AlaptippSG";

THiba Refusal(std::string_view uzenet, const char* grid, TGridCell cell) {
  return CellaHiba(std::string(uzenet), TabKulcsok, grid, cell.oszlop, cell.sor);
}

// The first refusal among the columns, in store order and match order; a
// foreign sign is found while a column is scanned, a gap only after it.
bool CheckColumns(TKeyEditorModel& m, const std::array<TTipp, 13>& base, THiba& hiba) {
  for (std::size_t r = 0; r < m.oszlopok.size(); ++r) {
    const int column = static_cast<int>(r) + 1;
    const TOszlop& o = m.oszlopok[r];
    int filled = 0, gap = 0;
    for (int k = 1; k <= MatchCount; ++k) {
      TTipp b = o[k - 1], t = base[k - 1];
      if (b != 0) {
        ++filled;
        if ((b & ~t) != 0) {
          hiba = Refusal(KeyMsgForeignSign, GridOszlop, ShowCell(m, column, k));
          return false;
        }
      } else if (t != 0 && gap == 0) {
        gap = k;
      }
    }
    if (filled > 0 && gap != 0) {
      hiba = Refusal(KeyMsgIncomplete, GridOszlop, ShowCell(m, column, gap));
      return false;
    }
  }
  return true;
}

} // namespace

TKeyEditorModel OpenKeyEditor(const TKulcs& header, TKeyColumns columns) {
  TKeyEditorModel m;
  m.nev = header.nev;
  m.egyeb = header.egyeb;
  std::copy_n(header.alaptipp.begin(), m.alaptipp.size(), m.alaptipp.begin());
  m.pozicio = 1;
  const std::size_t shown = static_cast<std::size_t>(m.pozicio + KeyEditorGridColumns - 1);
  if (columns.size() < shown) columns.resize(shown, EmptyColumn);
  m.oszlopok = std::move(columns);
  return m;
}

TGridCell ShowCell(TKeyEditorModel& m, int column, int match) {
  if (column < m.pozicio || column >= m.pozicio + KeyEditorGridColumns) {
    const int count = static_cast<int>(m.oszlopok.size());
    int p = column <= count - (KeyEditorGridColumns - 1)
                ? (column - 1) / KeyEditorGridColumns * KeyEditorGridColumns + 1
                : count - (KeyEditorGridColumns - 1);
    // The scroll bar cannot go beyond its range.
    m.pozicio = std::clamp(p, 1, KeyEditorMaxPosition);
  }
  return {column - m.pozicio, MatchRow(match)};
}

bool KeyEditorCheck(TKeyEditorModel& m, TKulcs& header, THiba& hiba) {
  std::array<TTipp, 13> base{};
  for (int k = 0; k < MatchCount; ++k) base[k] = TextToTipp(m.alaptipp[k]);
  if (std::all_of(base.begin(), base.end(), [](TTipp t) { return t == 0; })) {
    hiba = Refusal(KeyMsgNoBaseTip, GridAlaptipp, {0, MatchRow(1)});
    return false;
  }
  if (!CheckColumns(m, base, hiba)) return false;

  // The counts come from the full cell texts; only what is stored is cut.
  TKulcs counted;
  std::copy(m.alaptipp.begin(), m.alaptipp.end(), counted.alaptipp.begin());
  ComputeKeyCounts(counted, m.oszlopok);
  if (counted.oszlopszam == 0) {
    hiba = Refusal(KeyMsgNoColumn, GridOszlop, ShowCell(m, 1, 1));
    return false;
  }

  header.nev = LimitLength(m.nev, KeyNevCapacity);
  header.egyeb = LimitLength(m.egyeb, KeyEgyebCapacity);
  header.harmas = counted.harmas;
  header.kettes = counted.kettes;
  header.fix = counted.fix;
  header.oszlopszam = counted.oszlopszam;
  header.kollektivDb = counted.kollektivDb;
  header.normalDb = counted.normalDb;
  header.oszlopHossz = counted.oszlopHossz;
  header.ellenorzo = counted.ellenorzo;
  for (int k = 0; k < MatchCount; ++k) header.alaptipp[k] = LimitLength(m.alaptipp[k], KeyAlaptippCapacity);
  return true;
}

bool AcceptKeyAsPrepared(TKulcs& header, TKeyColumns& columns, THiba& hiba) {
  TKeyEditorModel m = OpenKeyEditor(header, columns);
  if (!KeyEditorCheck(m, header, hiba)) return false;
  columns = std::move(m.oszlopok);
  return true;
}

} // namespace kv
