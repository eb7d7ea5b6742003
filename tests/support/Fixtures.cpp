#include "support/Fixtures.h"

#include "support/Literal.h"

namespace kv::test {

TOszlopSzoveg Szoveg(const std::string& jelek13, char plus, const std::string& betuk13) {
  TOszlopSzoveg s;
  s.fill(' ');
  for (int i = 0; i < 13 && i < static_cast<int>(jelek13.size()); ++i) s[i] = jelek13[i];
  s[13] = plus;
  for (int i = 0; i < 13 && i < static_cast<int>(betuk13.size()); ++i) s[14 + i] = betuk13[i];
  return s;
}

TFeltetel Feltetel(char tipus, const std::string& tippresz, int min, int max, std::uint16_t halmaz) {
  TFeltetel f;
  for (int k = 0; k < 13; ++k) f.merkozesek[k] = (halmaz >> k) & 1;
  f.tipus = tipus;
  f.tippresz = tippresz;
  f.min = min;
  f.max = max;
  f.csoport = CsoportFeltetel;
  return f;
}

namespace {

std::string RandomResz(std::mt19937& rng, int hossz) {
  const char* abc = (rng() & 1) ? "1X2" : "ABC";
  std::string s;
  for (int i = 0; i < hossz; ++i) s += abc[rng() % 3];
  return s;
}

TFeltetel RandomFeltetel(std::mt19937& rng, const TTippek& t, bool hibapont) {
  static constexpr char kinds[] = {KDarabszam, KRagadas, KTavolsag, KEselyek, KTalalatok,
                                   KAtlag,     KIsmet,   KIsmetlodes, KString2, KString3};
  char tipus = hibapont && rng() % 4 == 0 ? KHibapont : kinds[rng() % 10];
  std::uint16_t halmaz = (rng() % 3 == 0) ? 0x1FFF : static_cast<std::uint16_t>(rng() & 0x1FFF);
  int v = 13;
  std::string resz;
  switch (tipus) {
  case KDarabszam: case KRagadas: case KTavolsag: resz = std::string(1, "1X2ABC"[rng() % 6]); break;
  case KEselyek: v = 1300; break;
  case KAtlag: v = 1300; break;
  case KIsmet: resz = RandomResz(rng, 2 + rng() % 2); v = 14 - static_cast<int>(resz.size()); break;
  case KIsmetlodes: resz = RandomResz(rng, 2 + rng() % 2); v = 13 / static_cast<int>(resz.size()); break;
  case KString2: resz = RandomResz(rng, 2); v = 6; break;
  case KString3: resz = RandomResz(rng, 2 + rng() % 2); v = 4; break;
  case KHibapont: v = 13; break;
  default: break;
  }
  int a = static_cast<int>(rng() % (v + 1)), b = static_cast<int>(rng() % (v + 1));
  TFeltetel f = Feltetel(tipus, resz, std::min(a, b), std::max(a, b), halmaz);
  if (tipus == KHibapont) f.max = static_cast<int>(rng() % 8);
  if (tipus == KTalalatok) f.adat = static_cast<int>(rng() % 50);
  if (tipus == KAtlag) f.darab = static_cast<int>(t.aktivAlaptippek.size());
  return f;
}

} // namespace

TTippek RandomTippek(std::mt19937& rng, bool hibapont) {
  TTippek t;
  static const char* tips[] = {"1", "X", "2", "1X", "X2", "12", "21", "1X2", "2X1", "X12", ""};
  for (int m = 0; m < 13; ++m) t.alaptipp[m] = tips[rng() % 11];
  // Keep the run small enough for the literal rule.
  int n = 1;
  for (int m = 0; m < 13; ++m) {
    int s = std::max<int>(1, static_cast<int>(t.alaptipp[m].size()));
    if (n * s > 6000) t.alaptipp[m] = "1", s = 1;
    n *= s;
  }
  t.plusTipp = tips[rng() % 11];
  for (auto& row : t.eselyek)
    for (auto& e : row) e = static_cast<std::int16_t>(rng() % 101);
  for (int c = 0; c < 50; ++c) {
    if (rng() % 3 == 0) continue;
    for (int m = 0; m < 14; ++m) t.alaptippek[c][m] = static_cast<TTipp>(rng() % 8);
    t.alaptippAktiv[c] = true;
    t.aktivAlaptippek.push_back(t.alaptippek[c]);
  }
  int db = static_cast<int>(rng() % 12);
  for (int i = 0; i < db; ++i) {
    t.feltetelek.push_back(RandomFeltetel(rng, t, hibapont));
    if (t.feltetelek.back().tipus == KHibapont) t.vanHibapont = true;
  }
  t.szukitesiHiba = static_cast<int>(rng() % 3);
  return t;
}

std::vector<TOszlop> LiteralPass(TOszlopGenerator& g, const TTippek& t) {
  std::vector<TOszlop> elfogadott;
  if (g.Ures()) return elfogadott;
  do {
    const TOszlopSzoveg& o = g.Aktualis();
    if (literal::Elfogadhato(o, t, elfogadott)) elfogadott.push_back(SzovegToOszlop(o));
  } while (!g.Kovetkezo(static_cast<std::int64_t>(elfogadott.size())));
  return elfogadott;
}

} // namespace kv::test
