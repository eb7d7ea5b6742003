// The checks and the parser of the Tippek and Alaptippek pages on any grid
// texts. A refusal points at a cell and leaves the model as it was; an
// accepted page compiles into a model whose bounds are in order, and the
// page as the parser leaves it (rows packed, cells tidied) parses again to
// the same model without changing further.

#include "engine/TippekParser.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/RacsBemenet.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace kv::fuzz {
namespace {

bool PointsAtACell(const THiba& h) { return !h.uzenet.empty() && h.VanCella() && !h.grid.empty(); }

bool Same(const THiba& a, const THiba& b) { return a.Sor() == b.Sor(); }

bool Same(const TFeltetel& a, const TFeltetel& b) {
  return a.merkozesek == b.merkozesek && a.tipus == b.tipus && a.tippresz == b.tippresz && a.min == b.min &&
         a.max == b.max && a.darab == b.darab && a.adat == b.adat && a.csoport == b.csoport && a.sor == b.sor;
}

bool Same(const TTippek& a, const TTippek& b) {
  return a.jatekTipus == b.jatekTipus && a.alaptipp == b.alaptipp && a.plusTipp == b.plusTipp &&
         a.plusEloszlas == b.plusEloszlas && a.fixMerkozesek == b.fixMerkozesek && a.eselyek == b.eselyek &&
         a.szukitesiHiba == b.szukitesiHiba && a.alaptippek == b.alaptippek && a.alaptippAktiv == b.alaptippAktiv &&
         a.aktivAlaptippek == b.aktivAlaptippek && a.globalisDb == b.globalisDb && a.vanHibapont == b.vanHibapont &&
         std::equal(a.feltetelek.begin(), a.feltetelek.end(), b.feltetelek.begin(), b.feltetelek.end(),
                    [](const TFeltetel& x, const TFeltetel& y) { return Same(x, y); });
}

void CheckModel(const TTippek& t, int n, const std::array<bool, AlaptippekColumns>& aktiv) {
  Require(n == static_cast<int>(t.feltetelek.size()) && t.globalisDb <= n);
  Require(t.alaptippAktiv == aktiv);
  Require(t.aktivAlaptippek.size() == static_cast<std::size_t>(std::count(aktiv.begin(), aktiv.end(), true)));
  for (const TFeltetel& f : t.feltetelek) Require(f.tipus != 0 && f.min >= 0 && f.min <= f.max);
}

void CheckParse(TBevitel be) {
  std::array<bool, AlaptippekColumns> aktiv{};
  THiba listaHiba;
  const bool listaJo = CheckAlaptippek(be, aktiv, listaHiba);
  if (!listaJo) Require(PointsAtACell(listaHiba));

  TTippek t;
  t.szukitesiHiba = -1; // a mark no parse writes
  THiba hiba;
  const int n = ParseTippek(be, t, hiba);
  if (n < 0) {
    Require(PointsAtACell(hiba) && t.szukitesiHiba == -1 && t.feltetelek.empty());
    if (!listaJo) Require(Same(hiba, listaHiba));
    return;
  }
  Require(listaJo);
  CheckModel(t, n, aktiv);

  TBevitel again = be;
  TTippek t2;
  THiba hiba2;
  Require(ParseTippek(again, t2, hiba2) == n && again == be && Same(t, t2));
}

} // namespace
} // namespace kv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv;
  const fuzz::TRacsBemenet in = fuzz::DecodeRacsBemenet(std::span<const std::uint8_t>(data, size));
  THiba hiba;
  if (!CheckBaseTip(in.bevitel, in.keyListCount, in.keyHarmas, in.keyKettes, hiba))
    fuzz::Require(fuzz::PointsAtACell(hiba));
  fuzz::CheckParse(in.bevitel);
  return 0;
}
