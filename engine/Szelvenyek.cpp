#include "engine/Szelvenyek.h"

#include <algorithm>

namespace kv {

namespace {

// A last ticket of a single column would waste a ticket's worth of fee on
// one column; the column before it moves over, so the last two hold
// perTicket-1 and 2.
bool LastTwoShared(int total, int perTicket) { return total > 1 && total % perTicket == 1; }

} // namespace

int SzelvenySzama(bool kollektiv, int k, int total, int perTicket) {
  if (kollektiv) return k;
  int t = (k - 1) / perTicket + 1;
  if (k == total - 1 && LastTwoShared(total, perTicket)) ++t;
  return t;
}

std::pair<int, int> SzelvenyHatarok(bool kollektiv, int t, int total, int perTicket) {
  if (kollektiv) return {t, t};
  int first = (t - 1) * perTicket + 1;
  int last = std::min(first + perTicket - 1, total);
  if (last == total - 1) {
    if (first == last)
      ++last;
    else
      --last;
  } else if (last == total && first == total && total > 1) {
    --first;
  }
  return {first, last};
}

int SzelvenyDarab(bool kollektiv, int total, int perTicket) {
  if (kollektiv) return std::max(total, 0);
  return static_cast<int>(CeilDiv(total, perTicket));
}

int SzelvenyHely(int k, int total, int perTicket) {
  if (LastTwoShared(total, perTicket) && k >= total - 1) return k - (total - 2);
  return (k - 1) % perTicket + 1;
}

std::int64_t OsszesOszlop(const TSzelvenyek& sz) {
  std::int64_t n = 0;
  for (const TOszlop& o : sz.rekordok) n += OszlopokSzama(o);
  return n;
}

} // namespace kv
