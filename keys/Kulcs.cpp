#include "keys/Kulcs.h"

#include "engine/ByteReader.h"
#include "engine/Cp1250.h"
#include "engine/Szoveg.h"

#include <algorithm>
#include <limits>

namespace kv {
namespace {

// Header layout: offset of each field; strings take capacity + 1 bytes.
constexpr std::size_t OffAzonosito = 0, CapAzonosito = 19;
constexpr std::size_t OffFoglalt = 20;
constexpr std::size_t OffNev = 24, CapNev = 31;
constexpr std::size_t OffEgyeb = 56, CapEgyeb = 255;
constexpr std::size_t OffHarmas = 312, OffKettes = 313, OffFix = 314;
constexpr std::size_t OffOszlopszam = 316, OffKollektivDb = 320, OffNormalDb = 324, OffOszlopHossz = 328;
constexpr std::size_t OffAlaptipp = 332, CapAlaptipp = 3;
constexpr std::size_t OffEllenorzo = 388;

std::string DiskText(std::string_view utf8, std::size_t capacity) {
  return Utf8ToCp1250(LimitLength(utf8, capacity));
}

std::int32_t Saturate32(std::int64_t v) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(v, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

bool IsEmptyColumn(const TOszlop& o) {
  return std::all_of(o.begin(), o.begin() + MatchCount, [](TTipp t) { return t == 0; });
}

std::array<std::uint8_t, KeyHeaderSize> EncodeKulcs(const TKulcs& k) {
  std::array<std::uint8_t, KeyHeaderSize> out{};
  TByteWriter w(out);
  w.ShortString(OffAzonosito, CapAzonosito, Utf8ToCp1250(KeyMagic));
  w.I32(OffFoglalt, k.foglalt);
  w.ShortString(OffNev, CapNev, DiskText(k.nev, CapNev));
  w.ShortString(OffEgyeb, CapEgyeb, DiskText(k.egyeb, CapEgyeb));
  w.U8(OffHarmas, k.harmas);
  w.U8(OffKettes, k.kettes);
  w.U8(OffFix, k.fix);
  w.I32(OffOszlopszam, k.oszlopszam);
  w.I32(OffKollektivDb, k.kollektivDb);
  w.I32(OffNormalDb, k.normalDb);
  w.I32(OffOszlopHossz, k.oszlopHossz);
  for (std::size_t i = 0; i < k.alaptipp.size(); ++i)
    w.ShortString(OffAlaptipp + i * (CapAlaptipp + 1), CapAlaptipp, DiskText(k.alaptipp[i], CapAlaptipp));
  w.I32(OffEllenorzo, k.ellenorzo);
  return out;
}

TKulcs DecodeKulcs(std::span<const std::uint8_t> bytes) {
  TByteReader r(bytes.first(std::min(bytes.size(), KeyHeaderSize)));
  TKulcs k;
  k.azonosito = Cp1250ToUtf8(r.ShortString(CapAzonosito));
  k.foglalt = r.I32();
  k.nev = Cp1250ToUtf8(r.ShortString(CapNev));
  k.egyeb = Cp1250ToUtf8(r.ShortString(CapEgyeb));
  k.harmas = r.U8();
  k.kettes = r.U8();
  k.fix = r.U8();
  r.Seek(OffOszlopszam);
  k.oszlopszam = r.I32();
  k.kollektivDb = r.I32();
  k.normalDb = r.I32();
  k.oszlopHossz = r.I32();
  for (std::string& a : k.alaptipp) a = Cp1250ToUtf8(r.ShortString(CapAlaptipp));
  k.ellenorzo = r.I32();
  return k;
}

bool IsValidKeyHeader(const TKulcs& k) {
  // A 32-bit sum of two hostile counts could wrap into range.
  std::int64_t stored = std::int64_t{k.kollektivDb} + std::int64_t{k.normalDb};
  return k.azonosito == KeyMagic && k.kollektivDb >= 0 && k.normalDb >= 0 && stored >= 1 &&
         stored <= MaxKeyColumns && k.oszlopHossz >= 1 && k.oszlopHossz <= MatchCount && k.oszlopszam >= 1;
}

bool IsValidKeyHeader(std::span<const std::uint8_t> bytes) {
  std::string magic = Utf8ToCp1250(KeyMagic);
  if (bytes.size() < magic.size() + 1 || bytes[0] != magic.size()) return false;
  if (!std::equal(magic.begin(), magic.end(), bytes.begin() + 1,
                  [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }))
    return false;
  return IsValidKeyHeader(DecodeKulcs(bytes));
}

void ComputeKeyCounts(TKulcs& k, const TKeyColumns& columns) {
  int harmas = 0, kettes = 0;
  k.oszlopHossz = 0;
  for (int m = 1; m <= MatchCount; ++m) {
    int signs = SignCount(TextToTipp(k.alaptipp[m - 1]));
    if (signs == 3) ++harmas;
    else if (signs == 2) ++kettes;
    if (signs > 0) k.oszlopHossz = m;
  }
  k.harmas = static_cast<std::uint8_t>(harmas);
  k.kettes = static_cast<std::uint8_t>(kettes);
  k.fix = static_cast<std::uint8_t>(MatchCount - harmas - kettes);

  // 64-bit sums saturated: a store far beyond 50 records must not overflow.
  std::int64_t oszlopszam = 0, ellenorzo = 0;
  k.kollektivDb = k.normalDb = 0;
  for (const TOszlop& o : columns) {
    if (IsEmptyColumn(o)) continue;
    std::int64_t multiplier = 1;
    for (int i = 0; i < MatchCount; ++i) {
      ellenorzo += o[i];
      int signs = SignCount(o[i] & 7);
      if (signs > 1) multiplier *= signs;
    }
    oszlopszam += multiplier;
    if (multiplier > 1) ++k.kollektivDb;
    else ++k.normalDb;
  }
  k.oszlopszam = Saturate32(oszlopszam);
  k.ellenorzo = Saturate32(ellenorzo);
}

} // namespace kv
