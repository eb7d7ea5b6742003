#pragma once
// Tips files (*.dat): the input grids, the play mode, the marked matches, the
// identity of the key in use and the last two column counts, as one fixed
// record of two blocks. Window-free: the caller shows the refusal, looks the
// saved key up in its key list and sets the caption.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "engine/Bevitel.h"
#include "engine/FileIo.h"
#include "engine/Hiba.h"

namespace kv {

constexpr std::size_t TipsBlock1Size = 4560;  // all a file older than version 4 has
constexpr std::size_t TipsBlock2Size = 5530;  // condition rows 21..99
constexpr std::size_t TipsFileSize = TipsBlock1Size + TipsBlock2Size;
constexpr std::uint16_t TipsFileVersion = 15; // the version this program writes

inline constexpr std::string_view TipsWrongSizeMessage = "A kiválasztott fájl nem elmentett adatokat tartalmaz!";

// One Alaptippek cell in one byte: the top two bits hold the number of signs,
// then a 2-bit code per sign from the most significant end ("1" = 0, "x" = 1,
// "X" = 2, "2" = 3), so that a lower-case "x" survives a save and a load.
std::uint8_t PackAlaptipp(std::string_view cell);
std::string UnpackAlaptipp(std::uint8_t packed); // "" for 0 and for any byte below 64

// The whole 10,090-byte file, texts cut to their written lengths.
TBytes EncodeTipsFile(const TBevitel& bevitel);

struct TTipsLoad {
  bool ok = false;
  THiba hiba;                      // when !ok: the refusal, pointing at no cell
  TBevitel bevitel;                // totoFajta is always 0: the program plays variant 0 only
  int version = 0;
  std::int32_t storedTotoFajta = 0; // the variant the file names (0 before version 10)
};

// Any bytes of an accepted size load; only the size is ever refused. Fields a
// file's version lacks keep the values of an empty input.
TTipsLoad DecodeTipsFile(std::span<const std::uint8_t> data);

// Refuses a file of the wrong size, and one that cannot be read, rather than
// filling the grids from nothing.
TTipsLoad LoadTipsFile(const std::filesystem::path& path);

// A failed write leaves the old file whole and says why.
TWriteResult WriteTipsFile(const std::filesystem::path& path, const TBevitel& bevitel,
                           const TWriteFault& fault = {});

} // namespace kv
