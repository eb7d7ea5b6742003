#pragma once
// The ticket text file: every column of the ticket store on a line of its
// own, in store order, for other programs and for the user to read.

#include "engine/FileIo.h"
#include "engine/Szelvenyek.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr std::string_view SzovegfajlNincsSzelvenyUzenet =
    "A szövegfájlba mentés előtt szelvénykészítés szükséges!";

// The 14 tips of the record, matches 1..13 and the +1, each as the signs it
// holds in the order 1, X, 2 ("1X", "X2", nothing for no tip), joined by ",".
std::string SzelvenySzovegSor(const TOszlop& o);

// One line per record: the collective ones first, then the normal columns.
std::vector<std::string> SzelvenySzovegSorok(const TSzelvenyek& sz);

// The file's bytes: the lines in code page 1250, each ended by CR LF; an
// empty store gives an empty file.
TBytes SzelvenySzovegfajl(const TSzelvenyek& sz);

// Writes the file in one piece, replacing what the path held (a read-only
// file too); a failed write leaves whatever the path held before untouched,
// so nothing of the new content is ever left on the disk.
TWriteResult SzelvenyekSzovegfajlba(const std::filesystem::path& path, const TSzelvenyek& sz,
                                    const TWriteFault& fault = {});

// The error of a failed write, naming the full path (UTF-8) with its article.
std::string SzovegfajlIrasHiba(std::string_view teljesNev);

// The name the save dialog proposes for an open tips file: hetfo.dat gives hetfo.txt.
std::filesystem::path SzovegfajlJavasoltNev(const std::filesystem::path& tipsFile);

} // namespace kv
