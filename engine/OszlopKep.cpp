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

TOszlop OszlopFromKep(const TOszlopKep& k) {
  TOszlop o{};
  for (int m = 0; m < MatchCount; ++m) {
    std::uint16_t bit = static_cast<std::uint16_t>(1u << m);
    o[m] = (k.maszk[0] & bit) ? 1 : (k.maszk[1] & bit) ? 2 : (k.maszk[2] & bit) ? 4 : 0;
  }
  o[13] = k.plus == '1' ? 1 : k.plus == 'X' ? 2 : k.plus == '2' ? 4 : 0;
  return o;
}

} // namespace kv
