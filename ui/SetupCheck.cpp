#include "ui/SetupCheck.h"

#include "engine/Szoveg.h"

namespace kv {
namespace {

constexpr const char* Javitsa = " Javítsa ki a kurzornál lévő értéket!";

// The edit's text read as an integer, -1 when it is not one; leading blanks
// are skipped as a typed number may carry them.
std::int32_t ReadNumber(const std::string& text) {
  return static_cast<std::int32_t>(ParseInt(TrimLeadingBlanks(text), -1));
}

std::string RangeMessage(const char* mit, int lo, int hi) {
  return std::string(mit) + " értékét a" + (lo == 0 ? " " : "z ") + std::to_string(lo) + ".." + std::to_string(hi) +
         " tartományban kell megadni." + Javitsa;
}

struct TMezoLeiras {
  TSetupMezo mezo;
  const std::string TSetupSzovegek::*szoveg;
  std::int32_t TGameSetup::*ertek;
  int lo, hi;
  const char* mit;
};

// The margins in the order the page checks them; the left and top margins of
// both ticket kinds share their messages.
constexpr std::array<TMezoLeiras, 5> EgeszMezok = {{
    {TSetupMezo::LineWidth, &TSetupSzovegek::LineWidth, &TGameSetup::LineWidth, MinLineWidth, MaxLineWidth,
     "A vonalvastagság"},
    {TSetupMezo::KLeftMargin, &TSetupSzovegek::KLeftMargin, &TGameSetup::KLeftMargin, MinMargin, MaxMargin,
     "A bal margó"},
    {TSetupMezo::KTopMargin, &TSetupSzovegek::KTopMargin, &TGameSetup::KTopMargin, MinMargin, MaxMargin,
     "A felső margó"},
    {TSetupMezo::NLeftMargin, &TSetupSzovegek::NLeftMargin, &TGameSetup::NLeftMargin, MinMargin, MaxMargin,
     "A bal margó"},
    {TSetupMezo::NTopMargin, &TSetupSzovegek::NTopMargin, &TGameSetup::NTopMargin, MinMargin, MaxMargin,
     "A felső margó"},
}};

} // namespace

TSetupSzovegek GameTexts(const TGameSetup& game) {
  TSetupSzovegek t;
  t.Osszevonas = game.Osszevonas;
  t.OszlopAr = std::to_string(OszlopArFt(game));
  t.LineWidth = std::to_string(game.LineWidth);
  t.KLeftMargin = std::to_string(game.KLeftMargin);
  t.KTopMargin = std::to_string(game.KTopMargin);
  t.NLeftMargin = std::to_string(game.NLeftMargin);
  t.NTopMargin = std::to_string(game.NTopMargin);
  t.Orientation = game.Orientation;
  t.TicketKind = game.TicketKind;
  return t;
}

std::optional<TSetupHiba> ValidateGame(const TSetupSzovegek& lap, TGameSetup& game) {
  game.Osszevonas = lap.Osszevonas;

  const std::int32_t ar = ReadNumber(lap.OszlopAr);
  game.OszlopAr = static_cast<double>(ar);
  if (ar < MinOszlopAr || ar > MaxOszlopAr)
    return TSetupHiba{TSetupMezo::OszlopAr, "Az oszlop árát az " + std::to_string(MinOszlopAr) + ".." +
                                                std::to_string(MaxOszlopAr) + " tartományban kell megadni." + Javitsa};

  for (const TMezoLeiras& m : EgeszMezok) {
    const std::int32_t v = ReadNumber(lap.*m.szoveg);
    game.*m.ertek = v;
    if (v < m.lo || v > m.hi) return TSetupHiba{m.mezo, RangeMessage(m.mit, m.lo, m.hi)};
  }

  game.Orientation = lap.Orientation;
  game.TicketKind = lap.TicketKind;
  return std::nullopt;
}

std::optional<TSetupHiba> ValidateGame(const TSetupSzovegek& lap) {
  TGameSetup scratch;
  return ValidateGame(lap, scratch);
}

} // namespace kv
