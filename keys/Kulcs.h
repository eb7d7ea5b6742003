#pragma once
// The pools key in memory: its 1000-byte header as a decoded record, and the
// working store of its columns.

#include "engine/Tipp.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

constexpr std::size_t KeyHeaderSize = 1000;
constexpr int MaxKeyColumns = 50;       // stored columns of the largest key
constexpr int KeyColumnsCapacity = 100; // records the working store and the clipboard may hold
inline constexpr std::string_view KeyMagic = "KVARTELLO totókulcs";

struct TKulcs {
  std::string azonosito{KeyMagic};    // only what was read; every written header carries the magic
  std::int32_t foglalt = 0;
  std::string nev;                    // at most 31 characters on disk
  std::string egyeb;                  // at most 255 characters, lines joined by CR LF
  std::uint8_t harmas = 0;            // key matches with three signs
  std::uint8_t kettes = 0;            // key matches with two signs
  std::uint8_t fix = 0;               // 13 - harmas - kettes
  std::int32_t oszlopszam = 0;        // single columns the key stands for
  std::int32_t kollektivDb = 0;
  std::int32_t normalDb = 0;
  std::int32_t oszlopHossz = 0;       // bytes per stored column, 1..13
  std::array<std::string, 14> alaptipp; // index 0 = match 1; entry 14 stays empty
  std::int32_t ellenorzo = 0;         // sum of the cell bytes of all stored columns

  // Orders keys by Harmas, then Kettes, then Fix.
  std::uint16_t SortCode() const {
    return static_cast<std::uint16_t>(fix + 32 * kettes + 1024 * harmas);
  }
  bool operator==(const TKulcs&) const = default;
};

// The working store of key columns: bytes 1..13 are the key matches, byte 14 is always 0.
using TKeyColumns = std::vector<TOszlop>;

inline constexpr TOszlop EmptyColumn{};
// Only bytes 1..13 decide: an empty record is neither counted nor written.
bool IsEmptyColumn(const TOszlop& o);

std::array<std::uint8_t, KeyHeaderSize> EncodeKulcs(const TKulcs& k);
// Bytes beyond the span read as 0, bytes beyond 1000 are ignored.
TKulcs DecodeKulcs(std::span<const std::uint8_t> bytes);

// A header is a key when the magic matches and its counts describe a file
// that can be read safely: 1..50 stored columns of 1..13 bytes standing for
// at least one column.
bool IsValidKeyHeader(const TKulcs& k);
// As above on the raw header, where the magic's length byte must be exactly 19.
bool IsValidKeyHeader(std::span<const std::uint8_t> bytes);

// The derived fields of a key as the key editor sets them on acceptance:
// index, column count, collective and normal counts, column length, checksum.
// The columns are not checked against the base tip here.
void ComputeKeyCounts(TKulcs& k, const TKeyColumns& columns);

} // namespace kv
