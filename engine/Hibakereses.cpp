#include "engine/Hibakereses.h"

#include "engine/Megfelel.h"
#include "engine/OszlopKep.h"
#include "engine/Talalat.h"
#include "engine/TippekParser.h"

#include <string>

namespace kv {

namespace {

constexpr std::string_view MsgMindEleje = "A hibakereséshez mind a ";
constexpr std::string_view MsgMindKozepe = " eredményt meg kell adni. ";
constexpr std::string_view MsgMindVege = "Írja be a kurzornál lévő eredményt!";
constexpr std::string_view MsgPlus =
    "A hibakereséshez a +1-es mérkőzés eredményét is meg kell adni. Írja be a kurzornál lévő eredményt!";

bool MindenEredmeny(const TBevitel& be, THiba& hiba) {
  for (int m = 1; m <= MatchCount; ++m) {
    if (!be.eredmeny[m - 1].empty()) continue;
    hiba = EredmenyHiba(std::string(MsgMindEleje) + std::to_string(MatchCount) + std::string(MsgMindKozepe) +
                            std::string(MsgMindVege),
                        m);
    return false;
  }
  if (be.plusEredmeny.empty()) {
    hiba = EredmenyHiba(MsgPlus, PositionCount);
    return false;
  }
  return true;
}

} // namespace

THibaJelek HibaJelek(const TTippek& t, const TEredmeny& e, std::span<const TOszlop> elfogadott) {
  THibaJelek j;
  std::uint16_t kivul = 0;
  const TOszlopSzoveg nyero = EredmenyOszlop(e, t, &kivul);
  for (int m = 1; m <= MatchCount; ++m)
    if ((kivul >> (m - 1)) & 1u) j.sorok[HibaAlaptipp][MatchRow(m)] = true;

  if (t.plusTipp.empty()) j.plus = TPlusJel::Hatter;
  else if (t.plusTipp.find(e.szoveg[13]) == std::string::npos) j.plus = TPlusJel::Szoveg;

  if (kivul != 0) return j;
  // Every failed record is marked: the allowed reduction error plays no part here.
  const TOszlopKep kep = KepFromSzoveg(nyero);
  const TFeltetelKornyezet kornyezet{t, elfogadott};
  for (const TFeltetel& f : t.feltetelek) {
    if (Megfelel(kep, f, kornyezet)) continue;
    if (f.csoport == CsoportFeltetel) {
      if (f.sor >= 0 && f.sor <= ConditionRows) j.feltetel[f.sor] = true;
    } else if (f.csoport >= 1 && f.csoport <= 3 && f.sor >= 0 && f.sor < 17) {
      j.sorok[f.csoport][f.sor] = true;
    }
  }
  return j;
}

bool Hibakereses(TJatek& jatek, TBevitel& be, const TKulcsValasztas& kulcs, THibaJelek& jelek, THiba& hiba) {
  jelek = THibaJelek{};
  if (!MindenEredmeny(be, hiba)) return false;
  if (!CheckBaseTip(be, kulcs.listaMeret, kulcs.harmas, kulcs.kettes, hiba)) return false;
  if (!CheckResults(be, hiba)) return false;
  if (!jatek.Elokeszit(be, kulcs, hiba)) return false;
  TEredmeny e;
  EredmenyBeolvasas(be, e);
  jelek = HibaJelek(jatek.Tippek(), e, jatek.ElfogadottLista());
  return true;
}

} // namespace kv
