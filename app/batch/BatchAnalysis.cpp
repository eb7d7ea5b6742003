#include "app/batch/BatchAnalysis.h"

#include "app/batch/Batch.h"
#include "engine/Elemzes.h"

#include <ostream>

namespace kv::batch {

int CmdAnalysis(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    env.err << "Használat: kvartello-batch [--dir DIR] [--progress] analysis TIPS\n";
    return ExitUsage;
  }
  int status = 0;
  auto bet = PrepareBet(env, args[0], status);
  if (!bet) return status;
  TStderrProgress bar(env.err);
  ElemzesDb db;
  ElemzesMenet(bet->jatek, env.progress ? &bar : nullptr, db);
  const auto& feltetelek = bet->jatek.Tippek().feltetelek;
  for (std::size_t k = 0; k < feltetelek.size() && k < db.size(); ++k)
    env.out << int(feltetelek[k].csoport) << " " << feltetelek[k].sor << " " << db[k] << "\n";
  return ExitOk;
}

} // namespace kv::batch
