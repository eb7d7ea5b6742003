#include "engine/Talalat.h"

#include "engine/Megfelel.h"
#include "engine/TippekParser.h"

#include <algorithm>
#include <bit>

namespace kv {

namespace {

// The result as masks over the column's sign masks: the pass compares
// characters, so an untipped match (a blank) hits an empty result.
struct TEredmenyMaszk {
  std::array<std::uint16_t, 3> jel{}; // matches whose result is 1, X, 2
  std::uint16_t ures = 0;             // matches without a result
  char plus = ' ';
};

TEredmenyMaszk Maszkok(const TEredmeny& e) {
  TEredmenyMaszk r;
  for (int m = 0; m < MatchCount; ++m) {
    std::uint16_t bit = static_cast<std::uint16_t>(1u << m);
    char c = e.szoveg[m];
    if (c == ' ') r.ures |= bit;
    else if (int s = JelSlot(c); s < 3) r.jel[s] |= bit;
  }
  r.plus = e.szoveg[13];
  return r;
}

inline int Osztaly(const TOszlopKep& k, const TEredmenyMaszk& r) {
  std::uint16_t t = static_cast<std::uint16_t>((k.maszk[0] & r.jel[0]) | (k.maszk[1] & r.jel[1]) |
                                               (k.maszk[2] & r.jel[2]) | (k.maszk[SlotBlankJel] & r.ures));
  int n = std::popcount(t);
  return n == MatchCount && k.plus == r.plus ? TeliTalalat : n;
}

// The part of the store a paper-ticket list walks: records 1..kollektivCount
// or the normal columns after them.
struct TResz {
  std::span<const TOszlop> rekordok;
  bool kollektiv;
  int perTicket;
};

TResz Resz(std::span<const TOszlop> records, int kollektivCount, bool kollektiv) {
  const std::size_t k = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(kollektivCount, 0, std::ssize(records)));
  if (kollektiv) return {records.first(k), true, KColumnsPerTicket};
  return {records.subspan(k), false, NColumnsPerTicket};
}

// Each paper ticket that holds a winning record once, in increasing order.
std::vector<int> Nyertesek(const TResz& r, const TOszlop& eredmeny) {
  const int n = static_cast<int>(r.rekordok.size());
  std::vector<int> lista;
  for (int i = 1; i <= n;) {
    if (TalalatSzam(r.rekordok[static_cast<std::size_t>(i - 1)], eredmeny) < MinWinHits) {
      ++i;
      continue;
    }
    int t = SzelvenySzama(r.kollektiv, i, n, r.perTicket);
    lista.push_back(t);
    i = SzelvenyHatarok(r.kollektiv, t, n, r.perTicket).second + 1; // the rest of this ticket is listed already
  }
  return lista;
}

} // namespace

int TalalatSzam(const TOszlop& rekord, const TOszlop& eredmeny) {
  int n = 0;
  for (int m = 0; m < MatchCount; ++m)
    if (rekord[m] & eredmeny[m]) ++n;
  return n == MatchCount && (rekord[13] & eredmeny[13]) ? TeliTalalat : n;
}

// The classes as a polynomial in the hit count: a position of s signs
// multiplies it by s when it misses, and by (s - 1) + x when one of its
// signs hits. Exactly one column hits all 13 matches, so when its +1 sign
// also hits, one column of class 13 is really 13+1.
TOsztalyDb TalalatEloszlas(const TOszlop& rekord, const TOszlop& eredmeny) {
  TOsztalyDb c{};
  c[0] = 1;
  for (int i = 0; i < PositionCount; ++i) {
    std::int64_t s = std::max(1, SignCount(rekord[i]));
    bool talal = i < MatchCount && (rekord[i] & eredmeny[i]);
    for (int j = i; j >= 0; --j) {
      if (talal) {
        c[j + 1] += c[j];
        c[j] *= s - 1;
      } else {
        c[j] *= s;
      }
    }
  }
  if (c[MatchCount] > 0 && (rekord[13] & eredmeny[13])) {
    --c[MatchCount];
    ++c[TeliTalalat];
  }
  return c;
}

bool TalalatElokeszit(TJatek& jatek, TBevitel& be, const TKulcsValasztas& kulcs, TEredmeny& e, THiba& hiba) {
  if (!CheckBaseTip(be, kulcs.listaMeret, kulcs.harmas, kulcs.kettes, hiba)) return false;
  if (!CheckResults(be, hiba)) return false;
  if (!jatek.Elokeszit(be, kulcs, hiba)) return false;
  if (!CheckPrizes(be, e, hiba)) return false;
  EredmenyBeolvasas(be, e);
  return true;
}

std::int64_t TalalatMenet(TJatek& jatek, TEredmeny& e, IProgress* progress) {
  const TEredmenyMaszk r = Maszkok(e);
  TOsztalyDb db{};
  std::int64_t n = jatek.Menet(FutasTalalat, progress, [&](const TOszlopKep& k) { ++db[Osztaly(k, r)]; });
  e.talalatDb = n < 0 ? TOsztalyDb{} : db;
  e.osszNyeremeny = n < 0 ? 0 : Nyeremeny(e.talalatDb, e);
  return n;
}

TNyertesek BuildWinnerLists(std::span<const TOszlop> records, int kollektivCount, const TOszlop& eredmeny) {
  return {Nyertesek(Resz(records, kollektivCount, true), eredmeny),
          Nyertesek(Resz(records, kollektivCount, false), eredmeny)};
}

TNyertesek BuildWinnerLists(const TSzelvenyek& sz, const TOszlop& eredmeny) {
  return BuildWinnerLists(sz.rekordok, sz.kollektivCount, eredmeny);
}

TOsztalyDb SzelvenyTalalatai(std::span<const TOszlop> records, int kollektivCount, bool kollektiv, int szelveny,
                             const TOszlop& eredmeny) {
  const TResz r = Resz(records, kollektivCount, kollektiv);
  const int n = static_cast<int>(r.rekordok.size());
  TOsztalyDb db{};
  if (szelveny < 1 || szelveny > SzelvenyDarab(kollektiv, n, r.perTicket)) return db;
  auto [first, last] = SzelvenyHatarok(kollektiv, szelveny, n, r.perTicket);
  for (int i = std::max(first, 1); i <= std::min(last, n); ++i) {
    const TOszlop& o = r.rekordok[static_cast<std::size_t>(i - 1)];
    if (kollektiv) {
      TOsztalyDb c = TalalatEloszlas(o, eredmeny);
      for (int h = 0; h < TalalatOsztalyok; ++h) db[h] += c[h];
    } else {
      ++db[TalalatSzam(o, eredmeny)];
    }
  }
  return db;
}

TOsztalyDb SzelvenyTalalatai(const TSzelvenyek& sz, bool kollektiv, int szelveny, const TOszlop& eredmeny) {
  return SzelvenyTalalatai(sz.rekordok, sz.kollektivCount, kollektiv, szelveny, eredmeny);
}

TOszlopSzoveg EredmenyOszlop(const TEredmeny& e, const TTippek& t, std::uint16_t* kivul) {
  TOszlopSzoveg sz;
  sz.fill(' ');
  for (int m = 0; m < MatchCount; ++m) {
    char r = e.szoveg[m];
    sz[m] = r;
    std::size_t hely = r == ' ' ? std::string::npos : t.alaptipp[m].find(r);
    if (hely != std::string::npos && hely < 3) sz[14 + m] = static_cast<char>('A' + hely);
    else if (kivul) *kivul = static_cast<std::uint16_t>(*kivul | (1u << m));
  }
  sz[13] = e.szoveg[13];
  return sz;
}

TEredmenyElemzes EredmenyElemzes(const TEredmeny& e, const TTippek& t) {
  const TOszlopKep k = KepFromSzoveg(EredmenyOszlop(e, t));
  TEredmenyElemzes a;
  for (int s = 0; s < 6; ++s) {
    char jel = JelBetuk[s];
    a.szukites[s] = {Darabszam(k, jel, AllMatches), Ragadas(k, jel, AllMatches), Tavolsag(k, jel, AllMatches)};
  }
  a.eselyek = EselyOsszeg(k, t.eselyek, AllMatches);
  for (int c = 0; c < AlaptippekColumns; ++c) a.talalatok[c] = TalalatSzam(t.alaptippek[c], e.oszlop);
  a.atlag = Atlag(k, t.aktivAlaptippek, static_cast<int>(t.aktivAlaptippek.size()), AllMatches);
  return a;
}

} // namespace kv
