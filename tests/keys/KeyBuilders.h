#pragma once
// Small keys written cell by cell for the editor, arithmetic and command tests.

#include "keys/Kulcs.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <utility>

namespace kv::test {

using TTips = std::array<std::string, 13>;

// A key column from (match, sign text) pairs: Col({{1, "1X"}, {5, "2"}}).
inline TOszlop Col(std::initializer_list<std::pair<int, const char*>> cells) {
  TOszlop o{};
  for (auto [match, text] : cells) o[match - 1] = TextToTipp(text);
  return o;
}

// Base tip texts from (match, text) pairs.
inline TTips Tips(std::initializer_list<std::pair<int, const char*>> cells) {
  TTips t;
  for (auto [match, text] : cells) t[match - 1] = text;
  return t;
}

// n distinct normal columns over the signs of the base tip, counted like a
// mixed-radix number (the first key match varies slowest), with every derived
// field set as the editor sets them.
inline TKulcs KeyOfColumns(const TTips& tips, int n, TKeyColumns& columns, const std::string& nev = "K") {
  TKulcs k;
  k.nev = nev;
  std::copy(tips.begin(), tips.end(), k.alaptipp.begin());
  columns.clear();
  for (int c = 0; c < n; ++c) {
    TOszlop o{};
    int rest = c;
    for (int m = MatchCount - 1; m >= 0; --m) {
      const std::string& t = tips[m];
      if (t.empty()) continue;
      o[m] = TextToTipp(t.substr(static_cast<std::size_t>(rest) % t.size(), 1));
      rest /= static_cast<int>(t.size());
    }
    columns.push_back(o);
  }
  ComputeKeyCounts(k, columns);
  return k;
}

} // namespace kv::test
