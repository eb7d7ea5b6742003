#include "app/batch/BatchKeyImport.h"

#include "app/batch/BatchKey.h"

#include "app/batch/Batch.h"
#include "keys/KeyCommands.h"
#include "keys/KeyImport.h"

#include <optional>
#include <ostream>

namespace kv::batch {

namespace {

std::optional<TImportFormatum> Formatum(const std::string& s) {
  if (s == "key") return TImportFormatum::Key;
  if (s == "dbf") return TImportFormatum::Dbf;
  if (s == "tot") return TImportFormatum::Tot;
  if (s == "txt") return TImportFormatum::Txt;
  return std::nullopt;
}

} // namespace

int CmdKeyImport(const TBatchEnv& env, const std::vector<std::string>& args) {
  std::optional<TImportFormatum> formatum = args.size() == 2 ? Formatum(args[0]) : std::nullopt;
  if (!formatum) {
    env.err << "Használat: kvartello-batch [--dir DIR] key import key|dbf|tot|txt FÁJL\n";
    return ExitUsage;
  }
  // Read before the command runs: the window shows one message for every
  // failure, the batch program tells an unreadable file from a foreign one.
  TImportEredmeny import = ImportKeyFile(*formatum, args[1]);
  if (!import.ok) {
    if (import.olvashatatlan) {
      env.err << "A fájl nem található vagy nem olvasható: " << args[1] << "\n";
      return ExitUsage;
    }
    THiba refusal;
    refusal.uzenet = import.uzenet;
    env.err << refusal.Sor() << "\n";
    return ExitRefused;
  }

  auto prepare = [&import](TKulcs& header, TKeyColumns& columns, THiba&) {
    header = import.kulcs;
    columns = import.oszlopok;
    return true;
  };
  TKeyColumns store;
  return ReportKeyCommand(env, NewKeyCommand(env.dir, store, prepare, OkWithoutEdit));
}

} // namespace kv::batch
