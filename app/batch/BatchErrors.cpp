#include "app/batch/BatchErrors.h"

#include "app/batch/Batch.h"
#include "app/batch/BatchLoadBet.h"
#include "engine/Hibakereses.h"

#include <ostream>

namespace kv::batch {

namespace {

void JelSor(std::ostream& out, const char* cim, const std::array<bool, 17>& sorok) {
  out << cim;
  for (int s = 1; s <= 6; ++s)
    if (sorok[MatchRow(s)]) out << ' ' << JelBetuk[s - 1];
  out << "\n";
}

void Kiir(std::ostream& out, const THibaJelek& j) {
  out << "alaptipp:";
  for (int m = 1; m <= MatchCount; ++m)
    if (j.Alaptipp(m)) out << ' ' << m;
  out << "\n";
  JelSor(out, "darabszam:", j.sorok[HibaDarabszam]);
  JelSor(out, "ragadas:", j.sorok[HibaRagadas]);
  JelSor(out, "tavolsag:", j.sorok[HibaTavolsag]);
  out << "feltetel:";
  for (int r = 1; r <= ConditionRows; ++r)
    if (j.feltetel[r]) out << ' ' << r;
  out << "\nplus: " << (j.plus == TPlusJel::Szoveg ? "szoveg" : j.plus == TPlusJel::Hatter ? "hatter" : "-") << "\n";
}

} // namespace

int CmdErrors(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    env.err << "Használat: kvartello-batch [--dir DIR] [--progress] errors TIPS\n";
    return ExitUsage;
  }
  int status = ExitOk;
  TKulcsValasztas kulcs;
  auto bet = LoadBet(env, args[0], kulcs, status);
  if (!bet) return status;
  THibaJelek jelek;
  THiba hiba;
  if (!Hibakereses(bet->jatek, bet->bevitel, kulcs, jelek, hiba)) {
    env.err << hiba.Sor() << "\n";
    return ExitRefused;
  }
  Kiir(env.out, jelek);
  return ExitOk;
}

} // namespace kv::batch
