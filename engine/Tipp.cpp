#include "engine/Tipp.h"

namespace kv {

std::string TippToText(TTipp t) {
  switch (t) {
  case 1: return "1";
  case 2: return " X";
  case 3: return "1X";
  case 4: return "  2";
  case 5: return "1 2";
  case 6: return " X2";
  case 7: return "1X2";
  default: return "";
  }
}

std::string TippToLetter(TTipp t) {
  switch (t) {
  case 1: return "1";
  case 2: return "X";
  case 4: return "2";
  default: return "";
  }
}

TTipp TextToTipp(std::string_view s) {
  TTipp t = 0;
  for (char c : s) {
    if (c == '1') t |= 1;
    else if (c == 'X' || c == 'x') t |= 2;
    else if (c == '2') t |= 4;
  }
  return t;
}

TOszlop SzovegToOszlop(const TOszlopSzoveg& sz) {
  TOszlop o{};
  for (int i = 0; i < PositionCount; ++i) {
    char c = sz[i];
    o[i] = c == '1' ? 1 : c == 'X' ? 2 : c == '2' ? 4 : 0;
  }
  return o;
}

TIndexszam Indexszam(const TOszlop& o) {
  TIndexszam r;
  for (TTipp t : o) {
    int n = SignCount(t & 7);
    if (n == 3) ++r.harmas;
    else if (n == 2) ++r.kettes;
    else if (n == 1) ++r.egyes;
  }
  return r;
}

TIndexszam BaseIndex(const TTipp* tippek13, int n) {
  TIndexszam r;
  for (int i = 0; i < MatchCount; ++i) {
    int k = SignCount(tippek13[i] & 7);
    if (k == 3) ++r.harmas;
    else if (k == 2) ++r.kettes;
  }
  r.egyes = n - r.harmas - r.kettes;
  return r;
}

std::string IndexszamText(const TIndexszam& i) {
  return std::to_string(i.harmas) + "-" + std::to_string(i.kettes) + "-" + std::to_string(i.egyes);
}

std::int64_t OszlopokSzama(const TOszlop& o) {
  std::int64_t n = 1;
  for (TTipp t : o) {
    int k = SignCount(t & 7);
    if (k > 1) n *= k;
  }
  return n;
}

TTippPar SplitDouble(TTipp t) {
  if (t & 1) return {1, static_cast<TTipp>(t & ~1)};
  return {2, 4};
}

} // namespace kv
