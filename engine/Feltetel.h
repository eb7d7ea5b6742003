#pragma once
// One compiled restriction: a global restriction or a row of the condition grid.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

constexpr int MaxFeltetelek = 117; // 18 global restrictions and 99 conditions

// Kind letters.
constexpr char KDarabszam = 'd', KRagadas = 'r', KTavolsag = 't', KEselyek = 'e', KTalalatok = 'T',
               KAtlag = 'a', KIsmet = 'i', KIsmetlodes = 'I', KString2 = 's', KString3 = 'S', KHibapont = 'h';

// csoport: 1..3 the global restriction grids Darabszám, Ragadás, Távolság; 4 a condition row.
constexpr std::uint8_t CsoportFeltetel = 4;

struct TFeltetel {
  std::array<std::uint8_t, 13> merkozesek{}; // 1 where match k+1 belongs to the set
  char tipus = 0;
  std::string tippresz;                      // the T column, upper-cased
  std::int32_t min = 0;
  std::int32_t max = 0;
  std::int32_t darab = 0;                    // Átlag: number of active Alaptippek entries
  int adat = -1;                             // Találatok: 0-based Alaptippek column
  std::uint8_t csoport = 0;
  std::int16_t sor = 0;                      // grid row it came from

  std::uint16_t Halmaz() const {             // the match set as bits, match k at bit k-1
    std::uint16_t m = 0;
    for (int k = 0; k < 13; ++k)
      if (merkozesek[k]) m |= static_cast<std::uint16_t>(1u << k);
    return m;
  }
};

// Parses the Mérkőzések text; 0 when valid, else the 1-based position of the
// faulty piece. n is the number of matches.
int MerkozesHalmaz(std::string_view text, int n, std::array<std::uint8_t, 13>& out);

// The kind names as the user types them and as they are listed, by kind letter.
std::string_view KindName(char tipus);

} // namespace kv
