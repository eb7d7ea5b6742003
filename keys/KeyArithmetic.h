#pragma once
// New keys made from existing material: the sum, difference and product of
// two key files, and the made tickets as a key. Each fills the base tip, the
// name and the notes of the caller's header and the working store of columns;
// the derived header fields are left to the key editor's acceptance.

#include "engine/Hiba.h"
#include "keys/Kulcs.h"

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace kv {

inline constexpr std::string_view KeyNewName = "Új kulcs";

inline constexpr std::string_view KeyCaptionAdd = "Kulcsok összeadása";
inline constexpr std::string_view KeyCaptionSubtract = "Kulcsok kivonása";
inline constexpr std::string_view KeyCaptionMultiply = "Kulcsok szorzása";

// A failure returns false with the message in hiba (no cell: an error box);
// the header and the store may then be partly filled. A file that cannot be
// read as a key counts as a key without columns or base tip.
bool AddKeys(TKulcs& header, TKeyColumns& columns, const std::filesystem::path& fileA,
             const std::filesystem::path& fileB, THiba& hiba);
bool SubtractKeys(TKulcs& header, TKeyColumns& columns, const std::filesystem::path& fileA,
                  const std::filesystem::path& fileB, THiba& hiba);
bool MultiplyKeys(TKulcs& header, TKeyColumns& columns, const std::filesystem::path& fileA,
                  const std::filesystem::path& fileB, THiba& hiba);

// What saving the tickets as a key reads of the game.
struct TTicketsForKey {
  bool made = false;                    // tickets have been made since the last change
  std::span<const TOszlop> records;     // the ticket store: collective records, then normal ones
  std::array<std::string, 13> alaptipp; // the Tippek page's base tip cells
  std::string tipsFileName;             // the current tips file with folder and extension; empty: none
};

bool KeyFromTickets(TKulcs& header, TKeyColumns& columns, const TTicketsForKey& tickets, THiba& hiba);

} // namespace kv
