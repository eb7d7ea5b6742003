#include "support/LiteralStat.h"

#include "support/Fixtures.h"
#include "support/Literal.h"

namespace kv::literal {

namespace {

int Meres(const TOszlopSzoveg& o, const TTippek& t, char tipus, const std::string& resz, int adat = -1) {
  TFeltetel f = test::Feltetel(tipus, resz, 0, 13);
  f.adat = adat;
  f.darab = static_cast<int>(t.aktivAlaptippek.size());
  return Mer(o, f, t, {});
}

} // namespace

void StatMeres(const TOszlopSzoveg& o, const TTippek& t, TStatisztika& s) {
  const std::string jelek = "1X2", betuk = "ABC";
  int darab[7] = {};
  for (int m = 1; m <= 13; ++m) {
    for (int j = 1; j <= 3; ++j)
      if (o[m - 1] == jelek[j - 1]) {
        ++s.At(StatSoronkenti, m, j - 1);
        ++darab[j];
        break;
      }
    for (int j = 4; j <= 6; ++j)
      if (o[14 + m - 1] == betuk[j - 4]) {
        ++s.At(StatSoronkenti, m, j - 1);
        ++darab[j];
        break;
      }
  }
  for (int j = 1; j <= 6; ++j) {
    std::string jel(1, "1X2ABC"[j - 1]);
    ++s.At(StatDarabszam, j, darab[j]);
    ++s.At(StatRagadas, j, Meres(o, t, KRagadas, jel));
    ++s.At(StatTavolsag, j, Meres(o, t, KTavolsag, jel));
  }
  ++s.At(StatEselyek, 1, Meres(o, t, KEselyek, ""));
  for (int e = 1; e <= 50; ++e)
    if (t.alaptippAktiv[e - 1]) ++s.At(StatTalalatok, e, Meres(o, t, KTalalatok, "", e - 1));
  ++s.At(StatAtlag, 1, Meres(o, t, KAtlag, ""));
  for (int p = 1; p <= 36; ++p) {
    std::string resz(TippResz(p));
    ++s.At(StatIsmet, p, Meres(o, t, KIsmet, resz));
    ++s.At(StatIsmetlodes, p, Meres(o, t, KIsmetlodes, resz));
    ++s.At(StatString3, p, Meres(o, t, KString3, resz));
    if (p <= 9) ++s.At(StatString2, p, Meres(o, t, KString2, resz));
  }
}

void StatLezaras(const TTippek& t, TStatisztika& s) {
  for (int m = 1; m <= 13; ++m) {
    const std::string& alap = t.alaptipp[m - 1];
    int jelek = static_cast<int>(alap.size());
    for (int j = 1; j <= 3; ++j) {
      bool benne = false;
      for (char c : alap) benne = benne || c == "1X2"[j - 1];
      if (!benne) s.At(StatSoronkenti, m, j - 1) = -1;
    }
    if (jelek < 1) s.At(StatSoronkenti, m, 3) = -1;
    if (jelek < 2) s.At(StatSoronkenti, m, 4) = -1;
    if (jelek < 3) s.At(StatSoronkenti, m, 5) = -1;
  }
  s.At(StatEselyek, 1, 1299) += s.At(StatEselyek, 1, 1300);
  s.At(StatEselyek, 1, 1300) = 0;
  s.At(StatAtlag, 1, 1299) += s.At(StatAtlag, 1, 1300);
  s.At(StatAtlag, 1, 1300) = 0;
}

TStatisztika StatPass(TOszlopGenerator& g, const TTippek& t) {
  TStatisztika s;
  std::vector<TOszlop> elfogadott;
  if (g.Ures()) return s;
  do {
    const TOszlopSzoveg& o = g.Aktualis();
    if (Elfogadhato(o, t, elfogadott)) {
      elfogadott.push_back(SzovegToOszlop(o));
      StatMeres(o, t, s);
    }
  } while (!g.Kovetkezo(static_cast<std::int64_t>(elfogadott.size())));
  StatLezaras(t, s);
  return s;
}

} // namespace kv::literal
