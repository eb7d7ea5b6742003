#pragma once
// The value each condition kind measures on a column, and the range test.

#include "engine/Feltetel.h"
#include "engine/OszlopKep.h"
#include "engine/Tippek.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

using TEselyek = std::array<std::array<std::int16_t, 13>, 3>;

// `jel` is a JelBetuk character: "1", "X", "2" read the signs, "A", "B", "C" the letters.
int Darabszam(const TOszlopKep& o, char jel, std::uint16_t halmaz);
int Ragadas(const TOszlopKep& o, char jel, std::uint16_t halmaz);
int Tavolsag(const TOszlopKep& o, char jel, std::uint16_t halmaz);
int EselyOsszeg(const TOszlopKep& o, const TEselyek& eselyek, std::uint16_t halmaz);
int Talalatok(const TOszlopKep& o, const TOszlop& bejegyzes, std::uint16_t halmaz);
int Atlag(const TOszlopKep& o, std::span<const TOszlop> lista, int darab, std::uint16_t halmaz);
int Ismet(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz);
int Ismetlodes(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz);
int String2(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz);
int String3(const TOszlopKep& o, std::string_view tippresz, std::uint16_t halmaz);
int Hibapont(const TOszlop& o, std::span<const TOszlop> elfogadott, std::uint16_t halmaz);

// Longest run of consecutive set matches (matches outside the set skipped) whose bit is on.
int LeghosszabbSorozat(std::uint16_t bitek, std::uint16_t halmaz);

// Átlag's value from the summed hit count: sum / darab x 100, rounded half to even.
int AtlagErtek(int osszeg, int darab);

// Everything a record may refer to besides the column.
struct TFeltetelKornyezet {
  const TTippek& tippek;
  std::span<const TOszlop> elfogadott; // accepted columns of the running pass
};

int Mer(const TOszlopKep& o, const TFeltetel& f, const TFeltetelKornyezet& k);
bool Megfelel(const TOszlopKep& o, const TFeltetel& f, const TFeltetelKornyezet& k);

} // namespace kv
