#pragma once
// The two guarantee tables of a key: the key played against every outcome of
// its doubled and tripled matches (every other match taken as hit), with the
// number of its single columns reaching 13, 12, 11 and 10 hits per outcome.

#include "engine/SzuroMenet.h"
#include "keys/Kulcs.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kv {

enum class TKeyTableMode {
  MinimalisGarancia = 0, // "Minimális garanciájú táblázat": the worst profile per chance count and best class
  ReszletesTalalat = 1   // "Részletes találati táblázat": every distinct profile
};

// V13, V12, V11, V10: single columns of the key with exactly that many hits.
using TTalalatProfil = std::array<std::int64_t, 4>;

struct TKeyTableRekord {
  int g = 0;               // minimum guarantee: key matches at chance A; 0 in the detailed table
  int s = 0;               // minimum guarantee: the best hit class reached, 9 when none reaches 10; 0 otherwise
  TTalalatProfil profil{}; // the stored (worst) profile, or the distinct profile
  std::int64_t esetek = 0; // outcomes of the record
  bool operator==(const TKeyTableRekord&) const = default;
};

struct TKeyTableEredmeny {
  std::int64_t kimenetek = 0;            // P: outcomes examined
  std::vector<TKeyTableRekord> rekordok; // in table order
  bool operator==(const TKeyTableEredmeny&) const = default;
};

// The computation alone; nothing after an abort. Only the first OszlopHossz
// matches of the header's base tip can be key matches; a header with
// KollektivDb > 0 scores every column by the distribution of its single
// columns, otherwise each column scores as one normal column.
std::optional<TKeyTableEredmeny> ComputeKeyTable(TKeyTableMode mode, const TKulcs& header, const TKeyColumns& columns,
                                                 IProgress* progress);

constexpr int KeyTableColumns = 8; // KeyTableSG: column 5 is the one-pixel divider

struct TKeyTable {
  std::string fejlec;                                          // header cell of column 0
  std::vector<std::array<std::string, KeyTableColumns>> sorok; // grid rows 1, 2, ...
  int sorSzam = 0; // the grid's row count with its header row; rows past sorok are emptied
};

TKeyTable FormatKeyTable(TKeyTableMode mode, const TKeyTableEredmeny& e, char decimalSeparator);

// The share of esetek in osszes outcomes in per cent, to hundredths, as the
// table shows it ("  3.13", "50", "100"); empty when it rounds to 0.
std::string KeyTablePercent(std::int64_t esetek, std::int64_t osszes, char decimalSeparator);

// Reads dir/fileName (a file that is not a readable key is an empty key) and
// builds its table; nothing when the user aborted, so the shown table stays.
std::optional<TKeyTable> BuildKeyTable(TKeyTableMode mode, const std::filesystem::path& dir,
                                       const std::string& fileName, IProgress* progress, char decimalSeparator);

} // namespace kv
