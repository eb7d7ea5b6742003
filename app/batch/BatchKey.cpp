#include "app/batch/BatchKey.h"

#include "app/batch/Batch.h"
#include "app/batch/BatchBet.h"
#include "app/batch/BatchKeyImport.h"
#include "engine/SzelvenyKeszites.h"
#include "ui/Settings.h"
#include "keys/KeyArithmetic.h"
#include "keys/KeyCommands.h"
#include "keys/KeyFile.h"

#include <functional>
#include <optional>
#include <ostream>

namespace kv::batch {

namespace fs = std::filesystem;

namespace {

constexpr const char* Usage =
    "Használat: kvartello-batch [--dir DIR] key add|sub|mul A B | key import FORMAT FILE | key tickets TIPS\n";

using TArithmetic = std::function<bool(TKulcs&, TKeyColumns&, const fs::path&, const fs::path&, THiba&)>;

std::optional<TArithmetic> ArithmeticOf(const std::string& name) {
  if (name == "add") return TArithmetic(AddKeys);
  if (name == "sub") return TArithmetic(SubtractKeys);
  if (name == "mul") return TArithmetic(MultiplyKeys);
  return std::nullopt;
}

std::optional<fs::path> ResolveKeyFile(const TBatchEnv& env, const std::string& arg) {
  fs::path p = arg;
  std::error_code ec;
  if (!fs::exists(p, ec) && p.is_relative() && fs::exists(env.dir / p, ec)) p = env.dir / p;
  TKulcs header;
  if (!ReadKeyHeader(p.parent_path(), p.filename().string(), header)) return std::nullopt;
  return p;
}

int Arithmetic(const TBatchEnv& env, const TArithmetic& op, const std::vector<std::string>& args) {
  if (args.size() != 3) {
    env.err << Usage;
    return ExitUsage;
  }
  fs::path files[2];
  for (std::size_t i = 0; i < 2; ++i) {
    std::optional<fs::path> f = ResolveKeyFile(env, args[i + 1]);
    if (!f) {
      env.err << "A kulcsfájl nem található vagy nem olvasható: " << args[i + 1] << "\n";
      return ExitUsage;
    }
    files[i] = *f;
  }
  TKeyColumns columns;
  auto prepare = [&](TKulcs& header, TKeyColumns& c, THiba& hiba) { return op(header, c, files[0], files[1], hiba); };
  return ReportKeyCommand(env, NewKeyCommand(env.dir, columns, prepare, OkWithoutEdit));
}

// "Szelvények mentése kulcsként...": the tickets of the bet, as ticket making
// with DIR's merging mode leaves them, accepted by the editor's OK.
int KeyFromBetTickets(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.size() != 2) {
    env.err << Usage;
    return ExitUsage;
  }
  int status = ExitOk;
  auto bet = PrepareBet(env, args[1], status);
  if (!bet) return status;
  TSzelvenyek sz;
  THiba hiba;
  if (!SzelvenyKeszites(bet->jatek, LoadSettings(env.dir).Games[0].Osszevonas, sz, nullptr, hiba)) {
    env.err << hiba.Sor() << "\n";
    return ExitRefused;
  }
  TTicketsForKey tickets{true, sz.rekordok, bet->bevitel.alaptipp, args[1]};
  TKeyColumns columns;
  auto prepare = [&](TKulcs& header, TKeyColumns& c, THiba& h) { return KeyFromTickets(header, c, tickets, h); };
  return ReportKeyCommand(env, NewKeyCommand(env.dir, columns, prepare, OkWithoutEdit));
}

} // namespace

int ReportKeyCommand(const TBatchEnv& env, const TKeyCommandResult& r) {
  switch (r.status) {
  case TKeyCommandStatus::Done: env.out << r.fileName << "\n"; return ExitOk;
  case TKeyCommandStatus::Refused: env.err << r.hiba.Sor() << "\n"; return ExitRefused;
  case TKeyCommandStatus::Failed: env.err << r.error << "\n"; return ExitUsage;
  case TKeyCommandStatus::Cancelled: break;
  }
  env.err << "Nem készült kulcs.\n";
  return ExitUsage;
}

int CmdKey(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.empty()) {
    env.err << Usage;
    return ExitUsage;
  }
  if (std::optional<TArithmetic> op = ArithmeticOf(args[0])) return Arithmetic(env, *op, args);
  if (args[0] == "import") return CmdKeyImport(env, std::vector<std::string>(args.begin() + 1, args.end()));
  if (args[0] == "tickets") return KeyFromBetTickets(env, args);
  env.err << "Ismeretlen kulcsparancs: " << args[0] << "\n" << Usage;
  return ExitUsage;
}

} // namespace kv::batch
