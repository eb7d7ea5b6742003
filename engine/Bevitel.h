#pragma once
// What the user typed into the input grids of the Tippek, Alaptippek and
// Eredmények pages, cell by cell, as text. The window mirrors its grids into
// this record before a command; the tips file stores it; the checks and the
// parser read it and compile the game model from it.

#include <array>
#include <cstdint>
#include <string>

namespace kv {

constexpr int ConditionRows = 99;
constexpr int AlaptippekColumns = 50;

enum TGlobalisFajta { GlobDarabszam = 0, GlobRagadas = 1, GlobTavolsag = 2 };

struct TFeltetelSor {
  std::string merkozesek; // column 1 "Mérkőzések"
  std::string feltetel;   // column 2 "Feltétel"
  std::string t;          // column 3 "T"
  std::string min;        // column 4
  std::string max;        // column 5
  bool Ures() const { return merkozesek.empty() && feltetel.empty() && t.empty() && min.empty() && max.empty(); }
  bool operator==(const TFeltetelSor&) const = default;
};

// The key a bet saved in key play was played with, as the tips file records it.
struct TKulcsAzonosito {
  std::int32_t sortCode = 0;
  std::int32_t oszlopszam = 0;
  std::int32_t kollektivDb = 0;
  std::int32_t normalDb = 0;
  std::int32_t oszlopHossz = 0;
  std::int32_t ellenorzo = 0;
  bool operator==(const TKulcsAzonosito&) const = default;
};

struct TBevitel {
  // Tippek page
  std::array<std::string, 13> alaptipp;                    // AlaptippSG, match 1..13
  std::array<std::array<std::string, 13>, 3> eselyek;      // EselyekSG [A,B,C][match]
  std::string plusTipp;                                    // PlustippSG
  std::array<std::string, 3> plusEloszlas;                 // PlusVezetesSG
  std::array<std::array<std::array<std::string, 6>, 2>, 3> globalis; // [d,r,t][min,max][1 X 2 A B C]
  std::array<TFeltetelSor, ConditionRows> feltetelek;      // FeltetelSG rows 1..99
  std::string szHiba;                                      // SzHibaSG
  std::uint32_t fixMerkozesek = 0;                         // bit MatchRow(m) marks match m

  // Alaptippek page
  std::array<std::array<std::string, 14>, AlaptippekColumns> alaptippek; // [column][match 1..14]
  std::array<std::uint8_t, AlaptippekColumns> alaptippJelzok;            // kept for the file only
  bool adottIndexszam = false;                             // "Adott indexszámú:" checked
  std::array<std::string, 2> indexszam;                    // IndexszamSG: 3 esély, 2 esély

  // Eredmények page
  std::array<std::string, 13> eredmeny;                    // EredmenySG
  std::string plusEredmeny;                                // PlusEredmenySG
  std::array<std::string, 5> nyeremeny;                    // NyeremenySG: 13+1, 13, 12, 11, 10

  // Window state saved with the tips
  int jatekTipus = 1;                                      // 1 base tip alone, 2 with a key
  TKulcsAzonosito kulcs;                                   // in key play: the key played
  std::int32_t baseColumnCount = -1;
  std::int32_t filteredColumnCount = -1;
  std::int32_t totoFajta = 0;

  TBevitel() { alaptippJelzok.fill(1); }
  bool operator==(const TBevitel&) const = default;
};

} // namespace kv
