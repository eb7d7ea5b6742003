#pragma once
// A column as bit masks, the form every condition is measured on: bit k-1 of
// a mask stands for match k, so a count over a match set is one popcount.

#include "engine/Tipp.h"

#include <array>
#include <cstdint>

namespace kv {

// Mask slots follow JelBetuk: 0 "1", 1 "X", 2 "2", 3 "A", 4 "B", 5 "C".
// Slots 6 and 7 soak up the blanks of untipped matches so updates need no branch.
constexpr int SlotBlankJel = 6;
constexpr int SlotBlankBetu = 7;
constexpr std::uint16_t AllMatches = 0x1FFF;

struct TOszlopKep {
  std::array<std::uint16_t, 8> maszk{};
  std::array<std::uint8_t, 13> betu{}; // 0..2 = A..C, 3 = blank
  char plus = ' ';                     // the +1 sign character
};

// Mask slot of a sign or letter character; blanks and anything else map to the soak slots.
constexpr int JelSlot(char c) { return c == '1' ? 0 : c == 'X' ? 1 : c == '2' ? 2 : SlotBlankJel; }
constexpr int BetuSlot(char c) { return c == 'A' ? 3 : c == 'B' ? 4 : c == 'C' ? 5 : SlotBlankBetu; }

TOszlopKep KepFromSzoveg(const TOszlopSzoveg& sz);
// The text of the column: signs, the +1, letters.
TOszlopSzoveg SzovegFromKep(const TOszlopKep& k);
// The 14-byte record of the column (signs only), as the accepted-columns list stores it.
TOszlop OszlopFromKep(const TOszlopKep& k);

} // namespace kv
