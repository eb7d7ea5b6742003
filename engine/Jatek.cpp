#include "engine/Jatek.h"

#include "engine/TippekParser.h"

namespace kv {

bool TJatek::Elokeszit(TBevitel& be, const TKulcsValasztas& kulcs, THiba& hiba) {
  if (!CheckBaseTip(be, kulcs.listaMeret, kulcs.harmas, kulcs.kettes, hiba)) return false;
  if (ParseTippek(be, tippek_, hiba) < 0) return false;
  kulcs_ = kulcs.adat;
  szuro_.Build(tippek_);
  hibapontok_.Build(tippek_);
  return true;
}

std::int64_t TJatek::GeneratorInditas() {
  std::array<int, 3> eloszlas = tippek_.plusEloszlas;
  if (tippek_.jatekTipus == JatekKulcs) {
    std::array<bool, 13> fix{};
    for (int m = 1; m <= MatchCount; ++m) fix[m - 1] = tippek_.Fix(m);
    return generator_.KulcsInit(tippek_.alaptipp, tippek_.plusTipp, eloszlas, fix, kulcs_);
  }
  if (tippek_.jatekTipus == JatekAlaptipp) return generator_.AlaptippInit(tippek_.alaptipp, tippek_.plusTipp, eloszlas);
  return 0;
}

TMenet TJatek::MenetAdatok() {
  return TMenet{generator_, szuro_, tippek_.szukitesiHiba, tippek_.vanHibapont ? &elfogadottLista_ : nullptr,
                hibapontok_.Ures() ? nullptr : &hibapontok_};
}

std::int64_t TJatek::SzuroMenet(IProgress* progress) {
  return Menet(FutasOszlopszam, progress, [](const TOszlopKep&) {});
}

} // namespace kv
