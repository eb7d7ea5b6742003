#include "app/batch/BatchStat.h"

#include "app/batch/Batch.h"
#include "engine/Statisztika.h"

#include <ostream>

namespace kv::batch {

int CmdStat(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    env.err << "Használat: kvartello-batch [--dir DIR] [--progress] stat TIPS\n";
    return ExitUsage;
  }
  int status = 0;
  auto bet = PrepareBet(env, args[0], status);
  if (!bet) return status;
  TStderrProgress bar(env.err);
  auto stat = std::make_unique<TStatisztika>();
  StatisztikaMenet(bet->jatek, env.progress ? &bar : nullptr, *stat);
  for (int sz = 0; sz < StatSzakaszokSzama; ++sz) {
    TStatSzakasz szakasz = static_cast<TStatSzakasz>(sz);
    env.out << StatSzakaszAdat(szakasz).nev << ":";
    for (std::int32_t v : stat->Szakasz(szakasz)) env.out << " " << v;
    env.out << "\n";
  }
  return ExitOk;
}

} // namespace kv::batch
