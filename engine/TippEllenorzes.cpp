// The checks of the base tips: the Tippek page before every command and the
// Alaptippek list before every parse.

#include "engine/Szoveg.h"
#include "engine/TippekParser.h"

namespace kv {

namespace {

constexpr std::string_view MsgNincsKulcs =
    "A rendszer egyetlen totókulcsot sem tartalmaz. Vigyen fel totókulcsot vagy játsszon csak az alaptipp "
    "szűkítésével!";
constexpr std::string_view MsgHosszu =
    "Egy mérkőzés alaptippje maximum 3 betűből állhat! Javítsa ki a kurzornál lévő alaptippet!";
constexpr std::string_view MsgBetu =
    "Az alaptipp megadásához csak az 1X2 betűk használhatók! Javítsa ki a kurzornál lévő alaptippet!";
constexpr std::string_view MsgKetszer =
    "Egy mérkőzés alaptippjében kétszer adta meg ugyanazt a tippet! Javítsa ki a kurzornál lévő alaptippet!";
constexpr std::string_view MsgNincsTipp = "Legalább egy mérkőzésre tippelni kell!";
constexpr std::string_view MsgIndexszam =
    "Ha kulccsal akar játszani, akkor a kiválasztott kulcsnak megfelelő indexszámú alaptippet kell megadni. "
    "Válasszon másik kulcsot vagy módosítsa az alaptippet!";
constexpr std::string_view MsgEloszlasErtek =
    "A +1-es mérkőzés eloszlásának megadása hibás! A kurzornál lévő értéket az 1..999 tartományban lehet "
    "megadni.";
constexpr std::string_view MsgEloszlasHianyzik =
    "A +1-es mérkőzés eloszlásának megadása hibás! Az eloszlás megadásakor minden tipphez meg kell adni a "
    "megfelelő értéket. Ha meg akarja adni az eloszlást, akkor írja be a kurzornál lévő értéket, ellenkező "
    "esetben hagyja üresen mindhárom mezőt!";

// Position 1..13 is a match of AlaptippSG, 14 the +1 cell.
THiba AlaptippHiba(std::string_view uzenet, int m) {
  if (m == PositionCount) return CellaHiba(std::string(uzenet), TabTippek, "PlustippSG", 0, 0);
  return CellaHiba(std::string(uzenet), TabTippek, "AlaptippSG", 0, MatchRow(m));
}

THiba EloszlasHiba(std::string_view uzenet, int c) {
  return CellaHiba(std::string(uzenet), TabTippek, "PlusVezetesSG", c, 0);
}

// Values outside 1..999 are refused even when the +1 tip will not use them.
bool CheckPlusEloszlas(const TBevitel& be, THiba& hiba) {
  bool mindUres = true;
  for (int c = 0; c < 3; ++c) {
    const std::string& t = be.plusEloszlas[c];
    if (t.empty()) continue;
    mindUres = false;
    std::int64_t v = ParseInt(t, -1);
    if (v < 1 || v > 999) {
      hiba = EloszlasHiba(MsgEloszlasErtek, c);
      return false;
    }
  }
  int jelek = static_cast<int>(Utf8Length(be.plusTipp));
  if (mindUres || jelek < 2) return true;
  for (int c = 0; c < jelek && c < 3; ++c) {
    if (be.plusEloszlas[c].empty()) {
      hiba = EloszlasHiba(MsgEloszlasHianyzik, c);
      return false;
    }
  }
  return true;
}

} // namespace

std::string_view TippSzovegHiba(std::string_view upper) {
  if (Utf8Length(upper) > 3) return MsgHosszu;
  for (char c : upper)
    if (c != '1' && c != '2' && c != 'X') return MsgBetu;
  for (std::size_t i = 1; i < upper.size(); ++i)
    if (upper[i] == upper[i - 1]) return MsgKetszer;
  if (upper.size() == 3 && upper[2] == upper[0]) return MsgKetszer;
  return {};
}

bool CheckBaseTip(const TBevitel& be, int keyListCount, int keyHarmas, int keyKettes, THiba& hiba) {
  if (be.jatekTipus == JatekKulcs && keyListCount <= 0) {
    hiba = AlaptippHiba(MsgNincsKulcs, 1);
    return false;
  }
  int harmas = 0;
  int kettes = 0;
  bool vanTipp = false;
  for (int m = 1; m <= PositionCount; ++m) {
    std::string upper = UpperAscii(m < PositionCount ? be.alaptipp[m - 1] : be.plusTipp);
    std::string_view uzenet = TippSzovegHiba(upper);
    if (!uzenet.empty()) {
      hiba = AlaptippHiba(uzenet, m);
      return false;
    }
    vanTipp = vanTipp || !upper.empty();
    // A marked match keeps its whole tip under a key, so the key never covers it.
    bool fix = (be.fixMerkozesek >> MatchRow(m)) & 1u;
    if (m < PositionCount && !fix) {
      if (upper.size() == 2) ++kettes;
      if (upper.size() == 3) ++harmas;
    }
  }
  // The remaining two refusals concern no single cell; the first base tip
  // cell is where the user starts to put them right.
  if (!vanTipp) {
    hiba = AlaptippHiba(MsgNincsTipp, 1);
    return false;
  }
  if (be.jatekTipus == JatekKulcs && (harmas != keyHarmas || kettes != keyKettes)) {
    hiba = AlaptippHiba(MsgIndexszam, 1);
    return false;
  }
  return CheckPlusEloszlas(be, hiba);
}

bool CheckAlaptippek(const TBevitel& be, std::array<bool, AlaptippekColumns>& aktiv, THiba& hiba) {
  aktiv.fill(false);
  for (int c = 0; c < AlaptippekColumns; ++c) {
    for (int m = 1; m <= PositionCount; ++m) {
      std::string upper = UpperAscii(be.alaptippek[c][m - 1]);
      if (upper.empty()) continue;
      std::string_view uzenet = TippSzovegHiba(upper);
      if (!uzenet.empty()) {
        hiba = CellaHiba(std::string(uzenet), TabAlaptippek, "AlaptippekSG", c, MatchRow(m));
        return false;
      }
      aktiv[c] = true;
    }
  }
  return true;
}

} // namespace kv
