#pragma once
// The ticket store: the records that ticket making leaves behind, the
// collective ones first, then the normal columns, and how they fall onto
// paper tickets. Every reader (ticket pages, hit search, printing, the
// clipboard and the text export) follows the store's order.

#include "engine/Tipp.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace kv {

constexpr int MaxSzelveny = 99999; // records the store can hold

struct TSzelvenyek {
  std::vector<TOszlop> rekordok; // record k (from 1) at index k-1
  int kollektivCount = 0;        // records 1..kollektivCount are collective tickets
  int normalCount = 0;           // the records after them, one sign per position
  bool tulcsordulas = false;     // the last ticket making stopped because the store was full

  int SzelvenyCount() const { return static_cast<int>(rekordok.size()); }
  bool Ures() const { return rekordok.empty(); }
  const TOszlop& Rekord(int k) const { return rekordok[static_cast<std::size_t>(k - 1)]; }
  // Normal column i (from 1), record kollektivCount + i.
  const TOszlop& Normal(int i) const { return Rekord(kollektivCount + i); }

  // Releases every record; the counts and the overflow flag are the caller's.
  void TarTorles() { rekordok.clear(); }
};

// The paper ticket that record or normal column k of total falls on. A
// collective ticket holds one record; normal tickets hold perTicket columns,
// except that a last ticket of a single column takes the column before it.
int SzelvenySzama(bool kollektiv, int k, int total, int perTicket);

// The records or columns (first, last) that paper ticket t holds.
std::pair<int, int> SzelvenyHatarok(bool kollektiv, int t, int total, int perTicket);

// The number of paper tickets total records or columns fill.
int SzelvenyDarab(bool kollektiv, int total, int perTicket);

// Where normal column k of total stands on its ticket (from 1).
int SzelvenyHely(int k, int total, int perTicket);

// The columns all the records stand for; packing neither adds nor loses any.
std::int64_t OsszesOszlop(const TSzelvenyek& sz);

} // namespace kv
