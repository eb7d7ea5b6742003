#include "support/KeyTableLiteral.h"

#include <limits>

namespace kv::literal {

namespace {

struct TJelLista {
  std::vector<TTipp> jelek; // (0) outside the key
  bool kulcs = false;
};

std::vector<TJelLista> JelListak(const TKulcs& k, int hossz) {
  std::vector<TJelLista> r(static_cast<std::size_t>(hossz));
  for (int i = 0; i < hossz; ++i) {
    std::vector<TTipp> jelek;
    for (char c : k.alaptipp[static_cast<std::size_t>(i)]) {
      TTipp t = c == '1' ? 1 : c == 'X' || c == 'x' ? 2 : c == '2' ? 4 : 0;
      bool volt = false;
      for (TTipp u : jelek) volt = volt || u == t;
      if (t != 0 && !volt) jelek.push_back(t);
    }
    if (jelek.size() >= 2)
      r[static_cast<std::size_t>(i)] = {jelek, true};
    else
      r[static_cast<std::size_t>(i)] = {{0}, false};
  }
  return r;
}

int Jelszam(TTipp t) { return (t & 1) + ((t >> 1) & 1) + ((t >> 2) & 1); }

// V[0..13]: single columns with that many hits.
std::array<std::int64_t, 14> Profil(const TKulcs& k, const TKeyColumns& columns, const std::array<TTipp, 14>& kimenet,
                                    const std::vector<TJelLista>& listak, int F, int L) {
  std::array<std::int64_t, 14> V{};
  for (const TOszlop& o : columns) {
    if (k.kollektivDb > 0) {
      std::array<std::int64_t, 14> eloszlas{};
      eloszlas[0] = 1;
      for (int i = 0; i < 13; ++i) {
        int m = Jelszam(o[static_cast<std::size_t>(i)] & 7);
        if (m == 0) m = 1;
        std::array<std::int64_t, 14> uj{};
        bool benne = (o[static_cast<std::size_t>(i)] & kimenet[static_cast<std::size_t>(i)]) != 0;
        for (int h = 0; h < 14; ++h) {
          if (benne) {
            uj[static_cast<std::size_t>(h)] += eloszlas[static_cast<std::size_t>(h)] * (m - 1);
            if (h + 1 < 14) uj[static_cast<std::size_t>(h + 1)] += eloszlas[static_cast<std::size_t>(h)];
          } else {
            uj[static_cast<std::size_t>(h)] += eloszlas[static_cast<std::size_t>(h)] * m;
          }
        }
        eloszlas = uj;
      }
      for (int h = 0; h < 14; ++h)
        if (h + F >= L && h + F <= 13) V[static_cast<std::size_t>(h + F)] += eloszlas[static_cast<std::size_t>(h)];
    } else {
      int elteres = 0;
      for (std::size_t i = 0; i < listak.size(); ++i)
        if (listak[i].kulcs && (o[i] & 7) != kimenet[i]) ++elteres;
      if (13 - elteres >= 10) ++V[static_cast<std::size_t>(13 - elteres)];
    }
  }
  return V;
}

// Compares V13 first, then V12, ... down to VL: <0 when a is worse.
int Osszevet(const std::array<std::int64_t, 14>& a, const std::array<std::int64_t, 14>& b, int L) {
  for (int h = 13; h >= L; --h)
    if (a[static_cast<std::size_t>(h)] != b[static_cast<std::size_t>(h)])
      return a[static_cast<std::size_t>(h)] < b[static_cast<std::size_t>(h)] ? -1 : 1;
  return 0;
}

TTalalatProfil Negy(const std::array<std::int64_t, 14>& V) { return {V[13], V[12], V[11], V[10]}; }

} // namespace

TKeyTableEredmeny KeyTable(TKeyTableMode mode, const TKulcs& header, const TKeyColumns& columns) {
  const int hossz = header.oszlopHossz < 0 ? 0 : header.oszlopHossz > 13 ? 13 : header.oszlopHossz;
  std::vector<TJelLista> listak = JelListak(header, hossz);
  std::int64_t P = 1;
  int kulcsMerkozesek = 0;
  for (const TJelLista& l : listak) {
    P *= static_cast<std::int64_t>(l.jelek.size());
    if (l.kulcs) ++kulcsMerkozesek;
  }
  const int F = 13 - kulcsMerkozesek;
  const int L = F > 10 ? F : 10;

  struct TMgt {
    std::array<std::int64_t, 14> profil;
    std::int64_t esetek = 0;
  };
  std::array<std::array<TMgt, 5>, 14> mgt;
  for (auto& sor : mgt)
    for (TMgt& r : sor) {
      r.profil.fill(std::numeric_limits<std::int32_t>::max());
      r.esetek = 0;
    }
  std::vector<std::pair<std::array<std::int64_t, 14>, std::int64_t>> lista;

  std::vector<std::size_t> allas(static_cast<std::size_t>(hossz), 0);
  for (std::int64_t n = 0; n < P; ++n) {
    std::array<TTipp, 14> kimenet{};
    int G = 0;
    for (int i = 0; i < hossz; ++i) {
      kimenet[static_cast<std::size_t>(i)] =
          listak[static_cast<std::size_t>(i)].jelek[allas[static_cast<std::size_t>(i)]];
      if (listak[static_cast<std::size_t>(i)].kulcs && allas[static_cast<std::size_t>(i)] == 0) ++G;
    }
    std::array<std::int64_t, 14> V = Profil(header, columns, kimenet, listak, F, L);
    if (mode == TKeyTableMode::MinimalisGarancia) {
      int s = 9;
      for (int h = 13; h >= 10 && s == 9; --h)
        if (V[static_cast<std::size_t>(h)] != 0) s = h;
      TMgt& r = mgt[static_cast<std::size_t>(G)][static_cast<std::size_t>(s - 9)];
      r.esetek += 1;
      if (Osszevet(V, r.profil, L) < 0) r.profil = V;
    } else {
      bool talalt = false;
      for (auto& [p, db] : lista)
        if (!talalt && Osszevet(p, V, L) == 0) {
          ++db;
          talalt = true;
        }
      if (!talalt) lista.push_back({V, 1});
    }
    for (int i = 0; i < hossz; ++i) {
      std::size_t& a = allas[static_cast<std::size_t>(i)];
      if (++a < listak[static_cast<std::size_t>(i)].jelek.size()) break;
      a = 0;
    }
  }

  TKeyTableEredmeny e{P, {}};
  if (mode == TKeyTableMode::MinimalisGarancia) {
    for (int G = 0; G <= 13; ++G)
      for (int s = 9; s <= 13; ++s) {
        const TMgt& r = mgt[static_cast<std::size_t>(G)][static_cast<std::size_t>(s - 9)];
        if (r.esetek > 0) e.rekordok.push_back({G, s, Negy(r.profil), r.esetek});
      }
  } else {
    while (!lista.empty()) {
      std::size_t legkisebb = 0;
      for (std::size_t i = 1; i < lista.size(); ++i)
        if (Osszevet(lista[i].first, lista[legkisebb].first, L) < 0) legkisebb = i;
      e.rekordok.push_back({0, 0, Negy(lista[legkisebb].first), lista[legkisebb].second});
      lista.erase(lista.begin() + static_cast<std::ptrdiff_t>(legkisebb));
    }
  }
  return e;
}

} // namespace kv::literal
