#pragma once
// The "Magyar" page of the settings dialog without the window: what its
// controls show for a game's settings, and the reading of what the user left
// in them, with the range checks and their messages. The dialog only moves
// texts between its edits and these records.

#include <array>
#include <optional>
#include <string>

#include "ui/Settings.h"

namespace kv {

// The edits of the page, in the order they are checked.
enum class TSetupMezo { OszlopAr, LineWidth, KLeftMargin, KTopMargin, NLeftMargin, NTopMargin };

// What the page's controls hold: the checked radio button of each group as
// its number, the edits as typed.
struct TSetupSzovegek {
  int Osszevonas = 0;
  std::string OszlopAr;
  std::string LineWidth;
  std::string KLeftMargin;
  std::string KTopMargin;
  std::string NLeftMargin;
  std::string NTopMargin;
  int Orientation = 0;
  int TicketKind = 0;

  bool operator==(const TSetupSzovegek&) const = default;
};

struct TSetupHiba {
  TSetupMezo mezo;
  std::string uzenet;

  bool operator==(const TSetupHiba&) const = default;
};

// Every edit of the page takes at most this many characters.
constexpr int SetupEditMaxLength = 4;

// The page filled from a game's settings: the price as a whole number (the
// stored real rounded), the other values as they are.
TSetupSzovegek GameTexts(const TGameSetup& game);

// Reads the page into game field by field, stopping at the first value out of
// its range: the fields before it (and the faulty one) are stored, the rest
// keep their old values. The orientation and the ticket kind are stored only
// when every edit is valid.
std::optional<TSetupHiba> ValidateGame(const TSetupSzovegek& lap, TGameSetup& game);

// The same check without a record to fill.
std::optional<TSetupHiba> ValidateGame(const TSetupSzovegek& lap);

// The palette of the colour page: the 16 standard colours, row by row of its
// 4 x 4 grid.
inline constexpr std::array<TColor, 16> StandardColors = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                          0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                          0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

} // namespace kv
