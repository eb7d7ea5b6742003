#pragma once
// Finds the records of the ticket store by their content, so that packing a
// column looks up its few possible partners instead of scanning a region.
// A record is known by a node id that stays with it while the store moves
// it from slot to slot; several ids may share one content.

#include "engine/OszlopKep.h"
#include "engine/Tipp.h"

#include <cstdint>
#include <vector>

namespace kv {

// The 14 bytes of a record, four bits each (every byte is a TTipp 0..7).
inline std::uint64_t OszlopKulcs(const TOszlop& o) {
  std::uint64_t k = 0;
  for (int i = PositionCount - 1; i >= 0; --i) k = (k << 4) | (o[static_cast<std::size_t>(i)] & 15u);
  return k;
}

// Bit k of a 13-bit match mask moved to bit 4k.
constexpr std::uint64_t NegyesKoz(std::uint64_t x) {
  x = (x | (x << 24)) & 0x000000FF000000FFull;
  x = (x | (x << 12)) & 0x000F000F000F000Full;
  x = (x | (x << 6)) & 0x0303030303030303ull;
  x = (x | (x << 3)) & 0x1111111111111111ull;
  return x;
}

// OszlopKulcs(OszlopFromKep(k)) straight from the masks: the pass delivers
// millions of columns and a byte-by-byte conversion costs more than packing.
inline std::uint64_t OszlopKulcs(const TOszlopKep& k) {
  const std::uint64_t plus = k.plus == '1' ? 1 : k.plus == 'X' ? 2 : k.plus == '2' ? 4 : 0;
  return NegyesKoz(k.maszk[0]) | (NegyesKoz(k.maszk[1]) << 1) | (NegyesKoz(k.maszk[2]) << 2) | (plus << 52);
}

inline TOszlop OszlopKulcsbol(std::uint64_t k) {
  TOszlop o{};
  for (auto& t : o) {
    t = static_cast<TTipp>(k & 15u);
    k >>= 4;
  }
  return o;
}

// The sign set at position p (0-based) of a key.
inline unsigned KulcsTipp(std::uint64_t k, int p) { return static_cast<unsigned>(k >> (4 * p)) & 15u; }

// Bit 4p set for every position p (0-based) the key leaves untipped.
inline std::uint64_t KulcsNullak(std::uint64_t k) {
  const std::uint64_t x = k | (k >> 1) | (k >> 2) | (k >> 3);
  return ~x & 0x11111111111111ull;
}

// The key with position p (0-based) holding v instead.
inline std::uint64_t KulcsCsere(std::uint64_t k, int p, unsigned v) {
  const int s = 4 * p;
  return (k & ~(std::uint64_t{15} << s)) | (std::uint64_t{v} << s);
}

class TOszlopIndex {
public:
  static constexpr std::int32_t Nincs = -1;
  // A key's hash is kulcs * Szorzo, so the hash of the key with one
  // position replaced follows from the key's own by one addition: a lookup
  // of a column's partners hashes some forty keys.
  static constexpr std::uint64_t Szorzo = 0x9E3779B97F4A7C15ull;

  // The sieve in front of the table: Lehet is false when no id holds the
  // content of this hash, true for every content held and for a few in a
  // thousand of the others (one in a hundred in a full store). It fits the
  // core's own cache where the table does not, so the lookups of partners
  // that do not exist, nearly all of them, never reach the table. Its size
  // is fixed, so that a test shifts by constants. Valid from the first
  // Insert or Clear on.
  struct TSzita {
    const std::uint64_t* szavak;
    // Both bits SzitaMaszk sets.
    bool Lehet(std::uint64_t hash) const {
      const std::uint64_t w = szavak[SzitaSzo(hash)], b = SzitaBitSzam(hash);
      return ((w >> (b & 63)) & (w >> ((b >> 6) & 63)) & 1u) != 0;
    }
  };

  void Clear();
  void Insert(std::uint64_t kulcs, std::int32_t id);
  void Erase(std::uint64_t kulcs, std::int32_t id);
  TSzita Szita() const { return {szita_.data()}; }
  // Starts fetching the entry a lookup or insertion of this hash reads
  // first, so that the work done meanwhile hides the wait for memory.
  void Elohiv(std::uint64_t hash) const {
#if defined(__GNUC__)
    __builtin_prefetch(&tabla_[Hely(hash)]);
#else
    (void)hash;
#endif
  }
  // The first id holding this content, then Next() through the others.
  std::int32_t Elso(std::uint64_t kulcs) const {
    if (tabla_.empty()) return Nincs;
    const TBejegyzes& b = tabla_[Keres(kulcs, kulcs * Szorzo)];
    return b.kulcs == Ures ? Nincs : b.fej;
  }
  std::int32_t Next(std::int32_t id) const { return kovetkezo_[static_cast<std::size_t>(id)]; }

private:
  // Open addressing with linear probing; deletion shifts the cluster back,
  // so no tombstones build up over a long pass of merges.
  static constexpr std::uint64_t Ures = ~std::uint64_t{0};
  // 2^SzitaBitek words of 64 bits, two bits of one word per content: some
  // twenty bits a content in a full store. The word is the hash's top bits,
  // so contents sharing a word have their home entries in one group of
  // entries; the two bits come from the hash bits below the word's.
  static constexpr int SzitaBitek = 15;
  static std::size_t SzitaSzo(std::uint64_t hash) { return static_cast<std::size_t>(hash >> (64 - SzitaBitek)); }
  static std::uint64_t SzitaBitSzam(std::uint64_t hash) { return hash >> (64 - SzitaBitek - 12); }
  static std::uint64_t SzitaMaszk(std::uint64_t hash) {
    const std::uint64_t b = SzitaBitSzam(hash);
    return (std::uint64_t{1} << (b & 63)) | (std::uint64_t{1} << ((b >> 6) & 63));
  }
  struct TBejegyzes {
    std::uint64_t kulcs = Ures;
    std::int32_t fej = Nincs; // first id of the key
  };
  std::size_t Hely(std::uint64_t hash) const { return static_cast<std::size_t>(hash >> (64 - bitek_)); }
  // The key's entry, or the empty entry where it would go.
  std::size_t Keres(std::uint64_t kulcs, std::uint64_t hash) const {
    const std::size_t maszk = tabla_.size() - 1;
    std::size_t i = Hely(hash);
    while (tabla_[i].kulcs != Ures && tabla_[i].kulcs != kulcs) i = (i + 1) & maszk;
    return i;
  }
  void Novel();
  void TorolHely(std::size_t i);
  void SzitaUjra(std::size_t szo);

  std::vector<TBejegyzes> tabla_;
  std::vector<std::uint64_t> szita_;
  std::vector<std::int32_t> kovetkezo_; // per id: the next id of the same content
  std::size_t db_ = 0;
  int bitek_ = 0;
};

} // namespace kv
