#include "app/batch/BatchSummary.h"

#include "app/batch/Batch.h"
#include "app/batch/BatchLoadBet.h"
#include "engine/Osszesites.h"

#include <ostream>

namespace kv::batch {

int CmdSummary(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    env.err << "Használat: kvartello-batch [--dir DIR] summary TIPS\n";
    return ExitUsage;
  }
  // Only the Alaptippek page is read: the bet is loaded (the size refusal and
  // the saved key as for every command) but not checked, so a fault on the
  // Tippek page does not stop the summary.
  int status = 0;
  TKulcsValasztas kulcs;
  auto bet = LoadBet(env, args[0], kulcs, status);
  if (!bet) return status;
  TOsszesites o;
  THiba hiba;
  if (!Osszesites(bet->bevitel, o, hiba)) {
    env.err << hiba.Sor() << "\n";
    return ExitRefused;
  }
  for (int m = 1; m <= PositionCount; ++m) {
    const TOsszesitesTipp& t = o.poziciok[static_cast<std::size_t>(m - 1)];
    env.out << m << " " << (t.tipp.empty() ? "-" : t.tipp);
    for (int p : t.szazalek) env.out << " " << p;
    env.out << "\n";
  }
  return ExitOk;
}

} // namespace kv::batch
