#include "engine/Osszesites.h"

#include "engine/Szoveg.h"
#include "engine/TippekParser.h"

#include <algorithm>

namespace kv {

namespace {

constexpr std::string_view MsgIndexElso = "A megadott alaptippek esetén a háromesélyek maximális száma ";
constexpr std::string_view MsgIndexMasodik = ", a háromesélyek és kétesélyek összegének maximuma pedig ";
constexpr std::string_view MsgIndexHarmadik = " lehet. ";
constexpr std::string_view MsgIndexNegyedik = "Ennek megfelelően adja meg a kurzornál lévő indexszámot!";

// w / osszes x 100 rounded to the nearest whole, halves to even, in exact
// arithmetic: a half such as 9 / 360 must not turn on the binary rounding of 0.025.
int Szazalek(int w, int osszes) {
  int szamlalo = w * 100;
  int q = szamlalo / osszes, r = szamlalo % osszes;
  if (2 * r > osszes || (2 * r == osszes && (q & 1))) ++q;
  return q;
}

// Steps 2 and 3 for position m (0-based) over the 50 list columns.
TOsszesitesTipp Pozicio(const TBevitel& be, int m) {
  int n = 0;
  std::array<int, 3> w{}; // 1, X, 2
  for (const auto& oszlop : be.alaptippek) {
    std::string cella = UpperAscii(oszlop[static_cast<std::size_t>(m)]);
    if (cella.empty()) continue;
    ++n;
    const auto& suly = OsszesitesSulyok[std::min<std::size_t>(cella.size(), 3) - 1];
    for (std::size_t i = 0; i < cella.size() && i < 3; ++i) {
      std::size_t jel = JelBetuk.find(cella[i]);
      if (jel < 3) w[jel] += suly[i];
    }
  }
  TOsszesitesTipp t;
  if (n == 0) return t;
  std::array<int, 3> p{}, sorrend = {0, 1, 2};
  for (int s = 0; s < 3; ++s) p[static_cast<std::size_t>(s)] = Szazalek(w[static_cast<std::size_t>(s)], 9 * n);
  std::stable_sort(sorrend.begin(), sorrend.end(), [&p](int a, int b) { return p[a] > p[b]; });
  for (int s : sorrend) {
    if (p[static_cast<std::size_t>(s)] == 0) continue;
    t.szazalek[t.tipp.size()] = p[static_cast<std::size_t>(s)];
    t.tipp += JelBetuk[static_cast<std::size_t>(s)];
  }
  return t;
}

// Keeps the first `hossz` signs of a summary tip.
void Vag(TOsszesitesTipp& t, std::size_t hossz) {
  for (std::size_t i = hossz; i < t.tipp.size(); ++i) t.szazalek[i] = 0;
  t.tipp.resize(hossz);
}

// Among the matches whose summary tip has 2 signs (when kettes) or 3 (when
// harmas), the one with the largest drop from percentage i to i + 1, the
// first on ties; -1 if none.
int LegnagyobbEses(const TOsszesites& o, std::size_t i, bool kettes, bool harmas) {
  int best = -1, bestEses = -1;
  for (int m = 0; m < MatchCount; ++m) {
    const TOsszesitesTipp& t = o.poziciok[static_cast<std::size_t>(m)];
    if (!((kettes && t.tipp.size() == 2) || (harmas && t.tipp.size() == 3))) continue;
    int eses = t.szazalek[i] - t.szazalek[i + 1];
    if (eses > bestEses) best = m, bestEses = eses;
  }
  return best;
}

bool IndexszamVagas(const TBevitel& be, TOsszesites& o, THiba& hiba) {
  std::array<int, 4> db{}; // matches by the number of signs of their summary tip
  for (int m = 0; m < MatchCount; ++m) ++db[o.poziciok[static_cast<std::size_t>(m)].tipp.size()];
  int& T = db[3];
  int& D = db[2];
  int& S = db[1];
  std::int64_t t = ParseInt(be.indexszam[0], -1), d = ParseInt(be.indexszam[1], -1);
  if (t < 0 || d < 0 || t > T || t + d > T + D) {
    std::string uzenet = std::string(MsgIndexElso) + std::to_string(T) + std::string(MsgIndexMasodik) +
                         std::to_string(T + D) + std::string(MsgIndexHarmadik) + std::string(MsgIndexNegyedik);
    hiba = CellaHiba(std::move(uzenet), TabAlaptippek, "IndexszamSG", 0, 0);
    return false;
  }
  const std::int64_t egyesek = T + D + S - t - d;
  while (S < egyesek) {
    int m = LegnagyobbEses(o, 0, true, T > t);
    if (m < 0) break;
    TOsszesitesTipp& v = o.poziciok[static_cast<std::size_t>(m)];
    --db[v.tipp.size()];
    Vag(v, 1);
    ++S;
  }
  while (D < d) {
    int m = LegnagyobbEses(o, 1, false, true);
    if (m < 0) break;
    Vag(o.poziciok[static_cast<std::size_t>(m)], 2);
    --T;
    ++D;
  }
  return true;
}

std::string SzazalekSzoveg(int p) { return p == 0 ? std::string() : std::to_string(p); }

} // namespace

bool Osszesites(const TBevitel& be, TOsszesites& out, THiba& hiba) {
  TOsszesites o;
  if (!CheckAlaptippek(be, o.aktiv, hiba)) return false;
  for (int m = 0; m < PositionCount; ++m) o.poziciok[static_cast<std::size_t>(m)] = Pozicio(be, m);
  if (be.adottIndexszam && !IndexszamVagas(be, o, hiba)) return false;
  out = std::move(o);
  return true;
}

void OsszesitesBeiras(const TOsszesites& o, TBevitel& be) {
  for (int m = 0; m < MatchCount; ++m) {
    const TOsszesitesTipp& t = o.poziciok[static_cast<std::size_t>(m)];
    be.alaptipp[static_cast<std::size_t>(m)] = t.tipp;
    for (int l = 0; l < 3; ++l) be.eselyek[l][static_cast<std::size_t>(m)] = SzazalekSzoveg(t.szazalek[l]);
  }
  const TOsszesitesTipp& plus = o.poziciok[MatchCount];
  be.plusTipp = plus.tipp;
  for (int c = 0; c < 3; ++c) be.plusEloszlas[c] = SzazalekSzoveg(plus.szazalek[c]);
  if (plus.tipp.size() == 1) be.plusEloszlas[0].clear();
}

} // namespace kv
