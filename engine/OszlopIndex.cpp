#include "engine/OszlopIndex.h"

namespace kv {

void TOszlopIndex::Clear() {
  bitek_ = 10;
  tabla_.assign(std::size_t{1} << bitek_, TBejegyzes{});
  szita_.assign(std::size_t{1} << SzitaBitek, 0);
  kovetkezo_.clear();
  db_ = 0;
}

void TOszlopIndex::Novel() {
  std::vector<TBejegyzes> regi = std::move(tabla_);
  ++bitek_;
  tabla_.assign(std::size_t{1} << bitek_, TBejegyzes{});
  for (const TBejegyzes& b : regi)
    if (b.kulcs != Ures) tabla_[Keres(b.kulcs, b.kulcs * Szorzo)] = b;
}

void TOszlopIndex::Insert(std::uint64_t kulcs, std::int32_t id) {
  if (tabla_.empty()) Clear();
  const auto ix = static_cast<std::size_t>(id);
  if (ix >= kovetkezo_.size()) kovetkezo_.resize(ix + 1, Nincs);
  if (2 * (db_ + 1) > tabla_.size()) Novel();
  const std::uint64_t h = kulcs * Szorzo;
  TBejegyzes& b = tabla_[Keres(kulcs, h)];
  if (b.kulcs == Ures) {
    b.kulcs = kulcs;
    kovetkezo_[ix] = Nincs;
    ++db_;
    szita_[SzitaSzo(h)] |= SzitaMaszk(h);
  } else {
    kovetkezo_[ix] = b.fej;
  }
  b.fej = id;
}

void TOszlopIndex::Erase(std::uint64_t kulcs, std::int32_t id) {
  if (tabla_.empty()) return;
  const std::size_t i = Keres(kulcs, kulcs * Szorzo);
  TBejegyzes& b = tabla_[i];
  if (b.kulcs == Ures) return;
  if (b.fej == id) {
    b.fej = kovetkezo_[static_cast<std::size_t>(id)];
    if (b.fej == Nincs) {
      TorolHely(i);
      SzitaUjra(SzitaSzo(kulcs * Szorzo));
    }
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
    const std::size_t h = Hely(tabla_[j].kulcs * Szorzo);
    // The key at j stays when its home lies cyclically in (i, j].
    const bool marad = i <= j ? (i < h && h <= j) : (i < h || h <= j);
    if (marad) continue;
    tabla_[i] = tabla_[j];
    i = j;
  }
  tabla_[i] = TBejegyzes{};
  --db_;
}

// After a removal the word is made again from the contents left in it,
// where a count per bit would cost a second table as large as the first.
// Their home entries lie in the word's group, so they sit between its first
// entry and the first empty entry from its last one on: a short walk.
void TOszlopIndex::SzitaUjra(std::size_t szo) {
  const std::size_t maszk = tabla_.size() - 1;
  const std::size_t elso = bitek_ >= SzitaBitek ? szo << (bitek_ - SzitaBitek) : szo >> (SzitaBitek - bitek_);
  const std::size_t csoport = bitek_ >= SzitaBitek ? std::size_t{1} << (bitek_ - SzitaBitek) : 1;
  std::uint64_t bitek = 0;
  for (std::size_t d = 0;; ++d) {
    const std::uint64_t k = tabla_[(elso + d) & maszk].kulcs;
    if (k == Ures) {
      if (d >= csoport - 1) break;
      continue;
    }
    const std::uint64_t h = k * Szorzo;
    if (SzitaSzo(h) == szo) bitek |= SzitaMaszk(h);
  }
  szita_[szo] = bitek;
}

} // namespace kv
