#include "support/Literal.h"

#include <cmath>
#include <string>

namespace kv::literal {

namespace {

bool In(const TFeltetel& f, int k) { return f.merkozesek[k - 1] != 0; }

// Character k (1-based) of the half that the sign decides.
char At(const TOszlopSzoveg& o, char jel, int k) {
  bool betu = jel == 'A' || jel == 'B' || jel == 'C';
  return betu ? o[14 + k - 1] : o[k - 1];
}

int Darabszam(const TOszlopSzoveg& o, const TFeltetel& f) {
  char T = f.tippresz[0];
  int n = 0;
  for (int k = 1; k <= 13; ++k)
    if (In(f, k) && At(o, T, k) == T) ++n;
  return n;
}

int Sorozat(const TOszlopSzoveg& o, const TFeltetel& f, bool mutat) {
  char T = f.tippresz[0];
  int run = 0, best = 0;
  for (int k = 1; k <= 13; ++k) {
    if (!In(f, k)) continue;
    if ((At(o, T, k) == T) == mutat) {
      ++run;
      if (run > best) best = run;
    } else {
      run = 0;
    }
  }
  return best;
}

int Esely(const TOszlopSzoveg& o, const TFeltetel& f, const TTippek& t) {
  unsigned short sum = 0;
  for (int k = 1; k <= 13; ++k) {
    if (!In(f, k)) continue;
    char b = o[14 + k - 1];
    if (b == 'A') sum = static_cast<unsigned short>(sum + t.eselyek[0][k - 1]);
    else if (b == 'B') sum = static_cast<unsigned short>(sum + t.eselyek[1][k - 1]);
    else if (b == 'C') sum = static_cast<unsigned short>(sum + t.eselyek[2][k - 1]);
  }
  return sum;
}

int Talalat(const TOszlopSzoveg& o, const TFeltetel& f, const TOszlop& e) {
  int n = 0;
  for (int k = 1; k <= 13; ++k)
    if (In(f, k) && (TextToTipp(std::string(1, o[k - 1])) & e[k - 1])) ++n;
  return n;
}

int Atlag(const TOszlopSzoveg& o, const TFeltetel& f, const TTippek& t) {
  if (f.darab <= 0) return 0;
  int sum = 0;
  for (int i = 0; i < f.darab; ++i) sum += Talalat(o, f, t.aktivAlaptippek[i]);
  return static_cast<unsigned short>(std::nearbyint(static_cast<double>(sum) / f.darab * 100.0));
}

int Ismet(const TOszlopSzoveg& o, const TFeltetel& f) {
  const std::string& T = f.tippresz;
  int L = static_cast<int>(T.size()), n = 0;
  for (int k = 1; k <= 14 - L; ++k) {
    bool ok = true;
    for (int j = 0; j < L; ++j)
      if (!In(f, k + j) || At(o, T[0], k + j) != T[j]) ok = false;
    if (ok) ++n;
  }
  return n;
}

int Ismetlodes(const TOszlopSzoveg& o, const TFeltetel& f) {
  const std::string& T = f.tippresz;
  int L = static_cast<int>(T.size()), n = 0, p = 1, start = 0;
  for (int k = 1; k <= 13; ++k) {
    if (!In(f, k)) continue;
    if (At(o, T[0], k) == T[p - 1]) {
      if (p == 1) start = k;
      ++p;
      if (p > L) {
        ++n;
        p = 1;
      }
    } else if (p > 1) {
      p = 1;
      k = start;
    }
  }
  return n;
}

int Stringek(const TOszlopSzoveg& o, const TFeltetel& f, int lepes, int kezdetek) {
  const std::string& T = f.tippresz;
  int n = 0;
  for (int i = 0; i < kezdetek; ++i) {
    int k = 1 + lepes * i;
    bool ok = In(f, k) && In(f, k + 1) && At(o, T[0], k) == T[0] && At(o, T[0], k + 1) == T[1];
    if (lepes == 3 && T.size() == 3) ok = ok && In(f, k + 2) && At(o, T[0], k + 2) == T[2];
    if (ok) ++n;
  }
  return n;
}

int Hibapont(const TOszlopSzoveg& o, const TFeltetel& f, std::span<const TOszlop> elfogadott) {
  TOszlop c{};
  for (int k = 0; k < 14; ++k) c[k] = TextToTipp(std::string(1, o[k]));
  int best = 13;
  for (const TOszlop& a : elfogadott) {
    int d = 0;
    for (int k = 1; k <= 13; ++k)
      if (In(f, k) && a[k - 1] != c[k - 1]) ++d;
    if (d < best) best = d;
  }
  return best;
}

} // namespace

int Mer(const TOszlopSzoveg& o, const TFeltetel& f, const TTippek& t, std::span<const TOszlop> elfogadott) {
  switch (f.tipus) {
  case KDarabszam: return Darabszam(o, f);
  case KRagadas: return Sorozat(o, f, true);
  case KTavolsag: return Sorozat(o, f, false);
  case KEselyek: return Esely(o, f, t);
  case KTalalatok: return Talalat(o, f, t.alaptippek[f.adat]);
  case KAtlag: return Atlag(o, f, t);
  case KIsmet: return Ismet(o, f);
  case KIsmetlodes: return Ismetlodes(o, f);
  case KString2: return Stringek(o, f, 2, 6);
  case KString3: return Stringek(o, f, 3, 4);
  case KHibapont: return Hibapont(o, f, elfogadott);
  default: return 0;
  }
}

bool Megfelel(const TOszlopSzoveg& o, const TFeltetel& f, const TTippek& t, std::span<const TOszlop> elfogadott) {
  int v = Mer(o, f, t, elfogadott);
  return f.tipus == KHibapont ? v > f.max : (f.min <= v && v <= f.max);
}

bool Elfogadhato(const TOszlopSzoveg& o, const TTippek& t, std::span<const TOszlop> elfogadott) {
  int hibak = 0;
  for (const TFeltetel& f : t.feltetelek) {
    if (!Megfelel(o, f, t, elfogadott)) {
      ++hibak;
      if (hibak > t.szukitesiHiba) break;
    }
  }
  return hibak <= t.szukitesiHiba;
}

} // namespace kv::literal
