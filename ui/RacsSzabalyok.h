#pragma once
// Window-free rules of the match grids and the key list: where the cursor
// lands next to a separator row, which Alaptippek cells the error search
// marks, and the fixed texts of these grids.

#include "engine/Szoveg.h"
#include "engine/Tipp.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// Rows 4, 8 and 12 of every match grid; row 17 too in the grids that hold the +1 row.
constexpr bool IsSeparatorRow(int row, bool plusRow) {
  return row == 4 || row == 8 || row == 12 || (plusRow && row == 17);
}

// The row a cursor move from fromRow to toRow lands on. A separator is
// stepped over in the direction of the move when the move comes from the row
// next to it; any other move onto a separator is refused (-1).
constexpr int SeparatorSkip(int fromRow, int toRow, bool plusRow) {
  if (!IsSeparatorRow(toRow, plusRow)) return toRow;
  if (fromRow == toRow - 1) return toRow + 1;
  if (fromRow == toRow + 1) return toRow - 1;
  return -1;
}

// The match (1..14) shown on a grid row, 0 on the header and separator rows.
constexpr int MatchOfRow(int row) {
  if (row < 1 || row > 18 || IsSeparatorRow(row, true)) return 0;
  return row <= 3 ? row : row <= 7 ? row - 1 : row <= 11 ? row - 2 : row <= 16 ? row - 3 : 14;
}

// "  1" .. "  9", "10" .. "13" for the matches, "+1" for position 14.
inline std::string MatchNumberText(int m) {
  return m == PositionCount ? std::string("+1") : PadDigits(std::to_string(m), 2);
}

// An Alaptippek cell the error search marks: it holds a tip, and its
// upper-cased text lacks the upper-cased result of its match.
inline bool AlaptippLacksResult(std::string_view cell, std::string_view eredmeny) {
  return !cell.empty() && UpperAscii(cell).find(UpperAscii(eredmeny)) == std::string::npos;
}

// Column 0 of the key list: the row number right-aligned to three digits.
inline std::string KeyListRowNumber(int row) { return PadDigits(std::to_string(row), 3); }

// The top row of the key list once row is selected: the first row for no
// row, the row itself when it lies above the top or more than 15 rows below
// it, but never beyond rowCount - 15; otherwise the top stays.
constexpr int KeyListTopRow(int top, int row, int rowCount) {
  if (row < 1) return 1;
  if (row < top || row > top + 15) return row < rowCount - 15 ? row : rowCount - 15;
  return top;
}

// The caption of the tips group in key play: "Kulcs: " + name + " (" + index
// + ")" of the row (1-based) of KeyListRowTexts; "Kulcs:" when there is no such row.
inline std::string KeyCaption(const std::vector<std::array<std::string, 3>>& rows, int row) {
  if (row < 1 || row > static_cast<int>(rows.size())) return "Kulcs:";
  const auto& r = rows[static_cast<std::size_t>(row - 1)];
  return "Kulcs: " + r[0] + " (" + r[1] + ")";
}

} // namespace kv
