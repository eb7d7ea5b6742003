#pragma once
// The key editor's acceptance check, free of the dialog: what the editor holds
// when the user presses OK, the refusals with the cell the cursor goes to, and
// the derived header fields of an accepted key.

#include "engine/Hiba.h"
#include "keys/Kulcs.h"

#include <array>
#include <string>
#include <string_view>

namespace kv {

constexpr int KeyEditorGridColumns = 10;                                       // key columns shown at once
constexpr int KeyEditorMaxPosition = MaxKeyColumns - KeyEditorGridColumns + 1; // 41: columns 1..50 reachable
constexpr std::size_t KeyNevCapacity = 31;
constexpr std::size_t KeyEgyebCapacity = 255;
constexpr std::size_t KeyAlaptippCapacity = 3;

inline constexpr std::string_view KeyCaptionNew = "Új kulcs";
inline constexpr std::string_view KeyCaptionModify = "Kulcs módosítása";

inline constexpr std::string_view KeyMsgNoBaseTip =
    "Az alaptippben a kétesélyeket és a háromesélyeket ki kell tölteni!";
inline constexpr std::string_view KeyMsgForeignSign =
    "A kulcs oszlopaiban csak az alaptipp tippjei szerepelhetnek. Javítsa ki a kurzornál lévő tippet vagy az "
    "alaptippet!";
inline constexpr std::string_view KeyMsgIncomplete =
    "Az oszlopok kitöltése hiányos. Adja meg a kurzornál lévő tippet! (Fix alaptipp esetén az alaptippet sem "
    "kell kitölteni.)";
inline constexpr std::string_view KeyMsgNoColumn =
    "A kulcshoz legalább egy oszlopot meg kell adni. Írja be a kurzornál lévő tippet!";

// The editor's contents as its controls hold them at OK, after the shown
// columns have been stored back into the working store.
struct TKeyEditorModel {
  std::string nev;                      // NameSG
  std::string egyeb;                    // OthersMemo, lines joined by CR LF
  std::array<std::string, 13> alaptipp; // AlaptippSG cell texts, match 1..13
  TKeyColumns oszlopok;                 // the working store, at least pozicio + 9 records
  int pozicio = 1;                      // OszlopSB: the first key column shown
};

struct TGridCell {
  int oszlop = 0;
  int sor = 0;
  bool operator==(const TGridCell&) const = default;
};

// The editor as EditKey and its activation leave it: the header's texts in
// the controls, scrolled to column 1, the store grown to the ten columns shown.
TKeyEditorModel OpenKeyEditor(const TKulcs& header, TKeyColumns columns);

// Brings key column `column` (1-based) into view as the editor scrolls to it
// and gives the OszlopSG cell of that column at `match`.
TGridCell ShowCell(TKeyEditorModel& m, int column, int match);

// The close check after OK. On acceptance the header receives the texts
// (cut to their capacities; Alaptipp entry 14 untouched) and every derived
// field, and the result is true. On refusal the header is unchanged, hiba
// holds the message and the cell (tab Kulcsok, OszlopSG or AlaptippSG), and
// the model is scrolled as the editor scrolls to show that cell.
bool KeyEditorCheck(TKeyEditorModel& m, TKulcs& header, THiba& hiba);

// The editor opened on a prepared key and OK pressed without an edit, as the
// batch program accepts a key: on acceptance columns become the editor's
// store (grown to ten records; empty records are never written).
bool AcceptKeyAsPrepared(TKulcs& header, TKeyColumns& columns, THiba& hiba);

} // namespace kv
