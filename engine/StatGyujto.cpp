#include "engine/StatGyujto.h"

#include "engine/Megfelel.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int TalalatErtekek = MatchCount + 1;

// Ismétlődés over all matches, from the starts of a part of length n: the
// walk takes the first start, skips the matches the part covers and goes on,
// so it counts the starts a leftmost greedy choice keeps.
int MohoKezdetek(std::uint16_t kezdetek, int n) {
  int db = 0;
  for (int k = 0; k < MatchCount;) {
    if ((kezdetek >> k) & 1u) {
      ++db;
      k += n;
    } else {
      ++k;
    }
  }
  return db;
}

// Numbers the distinct measures of the start masks of a part of length n.
void ErtekKulcsok(int n, std::vector<std::uint16_t>& kulcs, std::vector<std::array<std::uint8_t, 4>>& ertekek) {
  constexpr std::uint16_t kParKezdet = 0x555;    // matches 1, 3, 5, 7, 9, 11
  constexpr std::uint16_t kHarmasKezdet = 0x249; // matches 1, 4, 7, 10
  kulcs.assign(static_cast<std::size_t>(1 << (MatchCount + 1 - n)), 0);
  ertekek.clear();
  for (std::size_t x = 0; x < kulcs.size(); ++x) {
    std::uint16_t k = static_cast<std::uint16_t>(x);
    std::array<std::uint8_t, 4> e = {
        static_cast<std::uint8_t>(std::popcount(k)), static_cast<std::uint8_t>(MohoKezdetek(k, n)),
        static_cast<std::uint8_t>(n == 2 ? std::popcount(static_cast<std::uint16_t>(k & kParKezdet)) : 0),
        static_cast<std::uint8_t>(std::popcount(static_cast<std::uint16_t>(k & kHarmasKezdet)))};
    auto it = std::find(ertekek.begin(), ertekek.end(), e);
    kulcs[x] = static_cast<std::uint16_t>(it - ertekek.begin());
    if (it == ertekek.end()) ertekek.push_back(e);
  }
}

} // namespace

TStatGyujto::TStatGyujto(const TTippek& tippek)
    : slot_(6 * MaszkDb), esely_(StatErtekHatar + 1), talalatok_(AlaptippekColumns * TalalatErtekek) {
  ErtekKulcsok(2, parKulcs_, parErtekek_);
  ErtekKulcsok(3, harmasKulcs_, harmasErtekek_);
  par_.assign(KetJelesReszekSzama * parErtekek_.size(), 0);
  harmas_.assign((TippReszekSzama - KetJelesReszekSzama) * harmasErtekek_.size(), 0);
  for (int l = 0; l < 3; ++l) {
    std::array<int, 13> suly{};
    for (int k = 0; k < MatchCount; ++k) suly[k] = std::clamp<int>(tippek.eselyek[l][k], 0, 100);
    eselyTabla_[l].Set(suly);
  }
  // The summed hits over all active entries is a sum over matches of how
  // many entries hold the column's sign there.
  aktivDb_ = static_cast<int>(tippek.aktivAlaptippek.size());
  for (int s = 0; s < 3; ++s) {
    std::array<int, 13> suly{};
    for (const TOszlop& e : tippek.aktivAlaptippek)
      for (int k = 0; k < MatchCount; ++k)
        if (e[k] & (1 << s)) ++suly[k];
    talalatTabla_[s].Set(suly);
  }
  talalatOsszeg_.assign(static_cast<std::size_t>(MatchCount * aktivDb_ + 1), 0);
  for (int c = 0; c < AlaptippekColumns; ++c) {
    if (!tippek.alaptippAktiv[c]) continue;
    TBejegyzes b{{}, c * TalalatErtekek};
    for (int k = 0; k < MatchCount; ++k)
      for (int s = 0; s < 3; ++s)
        if (tippek.alaptippek[c][k] & (1 << s)) b.jel[s] |= static_cast<std::uint16_t>(1u << k);
    bejegyzesek_.push_back(b);
  }
}

void TStatGyujto::Kiertekel(TStatisztika& stat) const {
  for (int s = 0; s < 6; ++s) {
    const int j = s + 1;
    for (int x = 0; x < MaszkDb; ++x) {
      std::int32_t h = slot_[static_cast<std::size_t>(s * MaszkDb + x)];
      if (h == 0) continue;
      std::uint16_t maszk = static_cast<std::uint16_t>(x);
      for (int k = 0; k < MatchCount; ++k)
        if ((maszk >> k) & 1u) stat.At(StatSoronkenti, k + 1, s) += h;
      stat.At(StatDarabszam, j, std::popcount(maszk)) += h;
      stat.At(StatRagadas, j, LeghosszabbSorozat(maszk, AllMatches)) += h;
      stat.At(StatTavolsag, j, LeghosszabbSorozat(static_cast<std::uint16_t>(~maszk), AllMatches)) += h;
    }
  }
  for (int v = 0; v <= StatErtekHatar; ++v) stat.At(StatEselyek, 1, v) += esely_[static_cast<std::size_t>(v)];
  for (std::size_t sum = 0; sum < talalatOsszeg_.size(); ++sum)
    stat.At(StatAtlag, 1, AtlagErtek(static_cast<int>(sum), aktivDb_)) += talalatOsszeg_[sum];
  for (int e = 1; e <= AlaptippekColumns; ++e)
    for (int v = 0; v < TalalatErtekek; ++v)
      stat.At(StatTalalatok, e, v) += talalatok_[static_cast<std::size_t>((e - 1) * TalalatErtekek + v)];

  for (int p = 1; p <= KetJelesReszekSzama; ++p) {
    for (std::size_t id = 0; id < parErtekek_.size(); ++id) {
      std::int32_t h = par_[static_cast<std::size_t>(p - 1) * parErtekek_.size() + id];
      const auto& e = parErtekek_[id];
      stat.At(StatIsmet, p, e[0]) += h;
      stat.At(StatIsmetlodes, p, e[1]) += h;
      stat.At(StatString2, p, e[2]) += h;
      stat.At(StatString3, p, e[3]) += h;
    }
  }
  for (int p = KetJelesReszekSzama + 1; p <= TippReszekSzama; ++p) {
    for (std::size_t id = 0; id < harmasErtekek_.size(); ++id) {
      std::int32_t h = harmas_[static_cast<std::size_t>(p - 1 - KetJelesReszekSzama) * harmasErtekek_.size() + id];
      const auto& e = harmasErtekek_[id];
      stat.At(StatIsmet, p, e[0]) += h;
      stat.At(StatIsmetlodes, p, e[1]) += h;
      stat.At(StatString3, p, e[3]) += h;
    }
  }
}

} // namespace kv
