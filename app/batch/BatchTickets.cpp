#include "app/batch/BatchTickets.h"

#include "app/batch/Batch.h"
#include "engine/SzelvenyKeszites.h"
#include "output/TextExport.h"
#include "ui/Settings.h"

#include <ostream>

namespace kv::batch {

int CmdTickets(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.empty() || args.size() > 2) {
    env.err << "Használat: kvartello-batch [--dir DIR] [--progress] tickets TIPS [OUT]\n";
    return ExitUsage;
  }
  int status = ExitOk;
  auto bet = PrepareBet(env, args[0], status);
  if (!bet) return status;
  TStderrProgress bar(env.err);
  TSzelvenyek sz;
  THiba hiba;
  const int osszevonas = LoadSettings(env.dir).Games[0].Osszevonas;
  if (!SzelvenyKeszites(bet->jatek, osszevonas, sz, env.progress ? &bar : nullptr, hiba)) {
    env.err << hiba.Sor() << "\n";
    return ExitRefused;
  }
  if (args.size() == 2) {
    TWriteResult w = SzelvenyekSzovegfajlba(args[1], sz);
    if (!w.ok) {
      env.err << SzovegfajlIrasHiba(args[1]) << " (" << w.error << ")\n";
      return ExitUsage;
    }
  }
  env.out << sz.kollektivCount << ' ' << sz.normalCount << "\n";
  if (args.size() == 1)
    for (const std::string& sor : SzelvenySzovegSorok(sz)) env.out << sor << "\n";
  return ExitOk;
}

} // namespace kv::batch
