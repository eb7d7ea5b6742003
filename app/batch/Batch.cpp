#include "app/batch/Batch.h"

#include "app/batch/BatchBet.h"
#include "app/batch/BatchErrors.h"
#include "app/batch/BatchHits.h"
#include "app/batch/BatchKey.h"
#include "app/batch/BatchKeyTable.h"
#include "app/batch/BatchKeys.h"
#include "app/batch/BatchTickets.h"
#include "app/batch/BatchAnalysis.h"
#include "app/batch/BatchStat.h"
#include "app/batch/BatchSummary.h"

#include <functional>
#include <map>
#include <ostream>

namespace kv::batch {

namespace {

using TCommand = std::function<int(const TBatchEnv&, const std::vector<std::string>&)>;

int Count(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    env.err << "Használat: kvartello-batch [--dir DIR] [--progress] count TIPS\n";
    return ExitUsage;
  }
  int status = 0;
  auto bet = PrepareBet(env, args[0], status);
  if (!bet) return status;
  TStderrProgress bar(env.err);
  std::int64_t n = bet->jatek.SzuroMenet(env.progress ? &bar : nullptr);
  env.out << n << "\n";
  return ExitOk;
}

const std::map<std::string, TCommand>& Commands() {
  static const std::map<std::string, TCommand> commands = {
      {"count", Count}, {"hits", CmdHits}, {"errors", CmdErrors}, {"keys", CmdKeys}, {"key", CmdKey}, {"keytable", CmdKeyTable}, {"tickets", CmdTickets},
      {"stat", CmdStat}, {"analysis", CmdAnalysis}, {"summary", CmdSummary}};
  return commands;
}

} // namespace

int RunBatch(const std::vector<std::string>& args, const std::filesystem::path& exeDir, std::ostream& out,
             std::ostream& err) {
  TBatchEnv env{exeDir, false, out, err};
  std::size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
    if (args[i] == "--progress") {
      env.progress = true;
    } else if (args[i] == "--dir" && i + 1 < args.size()) {
      env.dir = args[++i];
    } else {
      err << "Ismeretlen kapcsoló: " << args[i] << "\n";
      return ExitUsage;
    }
  }
  if (i == args.size()) {
    err << "Használat: kvartello-batch [--dir DIR] [--progress] PARANCS ARGUMENTUMOK...\n";
    return ExitUsage;
  }
  const std::string& name = args[i];
  std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
  auto it = Commands().find(name);
  if (it != Commands().end()) return it->second(env, rest);
  err << "Ismeretlen parancs: " << name << "\n";
  return ExitUsage;
}

} // namespace kv::batch
