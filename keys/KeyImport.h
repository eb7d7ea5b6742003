#pragma once
// Keys made elsewhere, read into a header and the working store of columns:
// this program's own key files, dBASE tables, .tot key files (match-major
// 16-bit codes) and plain text with one column per line. The key editor's
// acceptance then checks the columns and recomputes the derived counts.

#include "keys/Kulcs.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace kv {

enum class TImportFormatum { Key, Dbf, Tot, Txt }; // the order of the dialog's radio buttons and filters

inline constexpr std::string_view ImportFormatMessage =
    "Az importálandó fájl nem felel meg a kiválasztott formátumnak!";
inline constexpr std::string_view ImportTooManyColumnsMessage =
    "Az importálandó fájl 50-nél több oszlopot tartalmaz! Egy kulcs legfeljebb 50 oszlopból állhat.";
inline constexpr std::string_view ImportTooManyLinesMessage =
    "Az importálandó fájl 50-nél több sort tartalmaz! Egy kulcs legfeljebb 50 oszlopból állhat.";
inline constexpr std::string_view ImportTooManyMatchesMessage =
    "Az importálandó fájl 13-nál több mérkőzést tartalmaz! Egy kulcs legfeljebb 13 mérkőzésre szólhat.";
inline constexpr std::string_view ImportNotePrefix = "Import fájl: ";

// A dBASE table may hold many deleted records beside its 50 live ones; no
// key of any of the formats comes near this.
constexpr std::size_t ImportReadCap = 16 * 1024 * 1024;

struct TImportEredmeny {
  bool ok = false;
  TKulcs kulcs;               // magic set; name, notes, base tip (a .key file: its whole header)
  TKeyColumns oszlopok;       // one record per column the file holds, in file order
  std::string uzenet;         // the refusal when !ok
  bool olvashatatlan = false; // the file itself could not be read; uzenet is still the format message
};

// Each reader refuses with ImportFormatMessage a file too short for what its
// header claims, and a dBASE table whose records would start inside its 32
// fixed header bytes; with one of the limit messages a file holding more
// than 50 columns (or more than 13 matches), before reading past the limit.
// fileName is the name with its extension and without its folder: the key's
// name and notes are made from it.
TImportEredmeny ReadKeyImport(std::span<const std::uint8_t> bytes);
TImportEredmeny ReadDbfImport(std::span<const std::uint8_t> bytes, std::string_view fileName);
TImportEredmeny ReadTotImport(std::span<const std::uint8_t> bytes, std::string_view fileName);
// Lines end at CR LF, LF or CR; a UTF-8 byte-order mark is three characters
// that are no codes and so is skipped like any other.
TImportEredmeny ReadTxtImport(std::span<const std::uint8_t> bytes, std::string_view fileName);

TImportEredmeny ImportKey(TImportFormatum formatum, std::span<const std::uint8_t> bytes, std::string_view fileName);

// Reads the whole file (at most ImportReadCap bytes) and imports it.
TImportEredmeny ImportKeyFile(TImportFormatum formatum, const std::filesystem::path& path);

} // namespace kv
