#include "engine/OszlopKep.h"

namespace kv {

TOszlopKep KepFromSzoveg(const TOszlopSzoveg& sz) {
  TOszlopKep k;
  for (int m = 0; m < MatchCount; ++m) {
    k.maszk[JelSlot(sz[m])] |= static_cast<std::uint16_t>(1u << m);
    int b = BetuSlot(sz[14 + m]);
    k.maszk[b] |= static_cast<std::uint16_t>(1u << m);
    k.betu[m] = static_cast<std::uint8_t>(b == SlotBlankBetu ? 3 : b - 3);
  }
  k.plus = sz[13];
  return k;
}

TOszlopSzoveg SzovegFromKep(const TOszlopKep& k) {
  TOszlopSzoveg sz;
  sz.fill(' ');
  for (int m = 0; m < MatchCount; ++m) {
    std::uint16_t bit = static_cast<std::uint16_t>(1u << m);
    sz[m] = (k.maszk[0] & bit) ? '1' : (k.maszk[1] & bit) ? 'X' : (k.maszk[2] & bit) ? '2' : ' ';
    sz[14 + m] = k.betu[m] < 3 ? static_cast<char>('A' + k.betu[m]) : ' ';
  }
  sz[13] = k.plus;
  return sz;
}

namespace {

// Spreads the bits of a mask part one to a byte: bit j becomes byte j.
template <int N> constexpr std::array<std::uint64_t, (1 << N)> Szetteritve() {
  std::array<std::uint64_t, (1 << N)> t{};
  for (int x = 0; x < (1 << N); ++x)
    for (int j = 0; j < N; ++j)
      if ((x >> j) & 1) t[static_cast<std::size_t>(x)] |= std::uint64_t{1} << (8 * j);
  return t;
}
constexpr auto kSzet7 = Szetteritve<7>();
constexpr auto kSzet6 = Szetteritve<6>();

} // namespace

// The sign bits 1, 2, 4 of a match are its bits in the masks of "1", "X", "2".
TOszlop OszlopFromKep(const TOszlopKep& k) {
  const auto& m = k.maszk;
  std::uint64_t lo = kSzet7[m[0] & 127] | kSzet7[m[1] & 127] << 1 | kSzet7[m[2] & 127] << 2;
  std::uint64_t hi = kSzet6[(m[0] >> 7) & 63] | kSzet6[(m[1] >> 7) & 63] << 1 | kSzet6[(m[2] >> 7) & 63] << 2;
  TOszlop o{};
  for (int j = 0; j < 7; ++j) o[static_cast<std::size_t>(j)] = static_cast<TTipp>(lo >> (8 * j));
  for (int j = 0; j < 6; ++j) o[static_cast<std::size_t>(7 + j)] = static_cast<TTipp>(hi >> (8 * j));
  o[13] = k.plus == '1' ? 1 : k.plus == 'X' ? 2 : k.plus == '2' ? 4 : 0;
  return o;
}

} // namespace kv
