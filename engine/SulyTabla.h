#pragma once
// A sum of per-match weights over the matches of a 13-bit mask in two
// lookups: the partial sums of the low 7 and the high 6 bits, tabled once.

#include <array>
#include <cstdint>

namespace kv {

template <class T> struct TReszOsszegTabla {
  std::array<T, 128> lo{};
  std::array<T, 64> hi{};

  T Osszeg(std::uint16_t m) const { return static_cast<T>(lo[m & 127] + hi[(m >> 7) & 63]); }

  void Set(const std::array<int, 13>& suly) {
    for (int x = 0; x < 128; ++x) lo[x] = Resz(suly, x, 0, 7);
    for (int x = 0; x < 64; ++x) hi[x] = Resz(suly, x, 7, 6);
  }

private:
  static T Resz(const std::array<int, 13>& suly, int x, int elso, int db) {
    int s = 0;
    for (int k = 0; k < db; ++k)
      if ((x >> k) & 1) s += suly[elso + k];
    return static_cast<T>(s);
  }
};

using TSulyTabla = TReszOsszegTabla<std::uint16_t>;

} // namespace kv
