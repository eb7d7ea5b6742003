#include "engine/OszlopIndex.h"

namespace kv {

void TOszlopIndex::Clear() {
  bitek_ = 10;
  tabla_.assign(std::size_t{1} << bitek_, TBejegyzes{});
  kovetkezo_.clear();
  db_ = 0;
}

void TOszlopIndex::Novel() {
  std::vector<TBejegyzes> regi = std::move(tabla_);
  ++bitek_;
  tabla_.assign(std::size_t{1} << bitek_, TBejegyzes{});
  for (const TBejegyzes& b : regi)
    if (b.kulcs != Ures) tabla_[Keres(b.kulcs)] = b;
}

void TOszlopIndex::Insert(std::uint64_t kulcs, std::int32_t id) {
  if (tabla_.empty()) Clear();
  const auto ix = static_cast<std::size_t>(id);
  if (ix >= kovetkezo_.size()) kovetkezo_.resize(ix + 1, Nincs);
  if (2 * (db_ + 1) > tabla_.size()) Novel();
  TBejegyzes& b = tabla_[Keres(kulcs)];
  if (b.kulcs == Ures) {
    b.kulcs = kulcs;
    kovetkezo_[ix] = Nincs;
    ++db_;
  } else {
    kovetkezo_[ix] = b.fej;
  }
  b.fej = id;
}

void TOszlopIndex::Erase(std::uint64_t kulcs, std::int32_t id) {
  if (tabla_.empty()) return;
  const std::size_t i = Keres(kulcs);
  TBejegyzes& b = tabla_[i];
  if (b.kulcs == Ures) return;
  if (b.fej == id) {
    b.fej = kovetkezo_[static_cast<std::size_t>(id)];
    if (b.fej == Nincs) TorolHely(i);
    return;
  }
  for (std::int32_t e = b.fej; e != Nincs; e = kovetkezo_[static_cast<std::size_t>(e)]) {
    std::int32_t& n = kovetkezo_[static_cast<std::size_t>(e)];
    if (n == id) {
      n = kovetkezo_[static_cast<std::size_t>(id)];
      return;
    }
  }
}

// Moves every later key of the cluster that may not stay behind the gap
// into it, so that a lookup never stops at an empty entry before its key.
void TOszlopIndex::TorolHely(std::size_t i) {
  const std::size_t maszk = tabla_.size() - 1;
  std::size_t j = i;
  for (;;) {
    j = (j + 1) & maszk;
    if (tabla_[j].kulcs == Ures) break;
    const std::size_t h = Hely(tabla_[j].kulcs);
    // The key at j stays when its home lies cyclically in (i, j].
    const bool marad = i <= j ? (i < h && h <= j) : (i < h || h <= j);
    if (marad) continue;
    tabla_[i] = tabla_[j];
    i = j;
  }
  tabla_[i] = TBejegyzes{};
  --db_;
}

} // namespace kv
