#pragma once
// Tips, columns and the small arithmetic of the game.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

// A set of signs: bit 1 = "1", bit 2 = "X", bit 4 = "2"; 0 = not tipped.
using TTipp = std::uint8_t;

constexpr int MatchCount = 13;      // matches of a bet; the +1 match is position 14
constexpr int PositionCount = 14;
constexpr bool HasPlusMatch = true;
constexpr int KColumnsPerTicket = 1;
constexpr int NColumnsPerTicket = 5;
constexpr int MinWinHits = 10;
constexpr int MaxColumns = 4782969; // 3^14

// Positions 1..14 are stored at indices 0..13.
using TOszlop = std::array<TTipp, PositionCount>;

// Text form of a column during generation: 14 signs, then the A/B/C letters
// of matches 1..13 (index 27 carries no letter).
using TOszlopSzoveg = std::array<char, 28>;

inline constexpr std::string_view JelBetuk = "1X2ABC";

std::string TippToText(TTipp t);
std::string TippToLetter(TTipp t);
TTipp TextToTipp(std::string_view s);
TOszlop SzovegToOszlop(const TOszlopSzoveg& sz);

inline int SignCount(TTipp t) { return (t & 1) + ((t >> 1) & 1) + ((t >> 2) & 1); }

struct TIndexszam {
  int harmas = 0;
  int kettes = 0;
  int egyes = 0;
  bool operator==(const TIndexszam&) const = default;
};
TIndexszam Indexszam(const TOszlop& o);
TIndexszam BaseIndex(const TTipp* tippek13, int n);
std::string IndexszamText(const TIndexszam& i); // "2-3-9"

// Columns a record stands for: 2^doubles x 3^triples.
std::int64_t OszlopokSzama(const TOszlop& o);

inline std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return a <= 0 ? 0 : (a - 1) / b + 1; }

struct TTippPar {
  TTipp also;
  TTipp maradek;
};
TTippPar SplitDouble(TTipp t);

// Grid row of match m (1..14) in every match grid: groups 1-3, 4-6, 7-9,
// 10-13 separated by one-pixel rows, the +1 match on row 18.
constexpr int MatchRow(int m) {
  return m <= 3 ? m : m <= 6 ? m + 1 : m <= 9 ? m + 2 : m <= 13 ? m + 3 : 18;
}

} // namespace kv
