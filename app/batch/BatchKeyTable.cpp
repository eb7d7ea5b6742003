#include "app/batch/BatchKeyTable.h"

#include "app/batch/Batch.h"
#include "engine/FileIo.h"
#include "engine/Szoveg.h"
#include "keys/KeyFile.h"
#include "keys/KeyTable.h"

#include <ostream>

namespace kv::batch {

namespace {

std::filesystem::path KeyPath(const TBatchEnv& env, const std::string& arg) {
  std::filesystem::path p(arg);
  if (FileSizeOf(p) < 0 && p.is_relative() && FileSizeOf(env.dir / p) >= 0) return env.dir / p;
  return p;
}

} // namespace

int CmdKeyTable(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (args.size() != 2 || (args[0] != "mgt" && args[0] != "rtt")) {
    env.err << "Használat: kvartello-batch [--dir DIR] [--progress] keytable mgt|rtt KULCS\n";
    return ExitUsage;
  }
  const TKeyTableMode mode = args[0] == "mgt" ? TKeyTableMode::MinimalisGarancia : TKeyTableMode::ReszletesTalalat;
  const std::filesystem::path path = KeyPath(env, args[1]);
  TKulcs header;
  TKeyColumns columns;
  // The window only tables keys of its list; a file that is no key cannot be chosen there.
  if (FileSizeOf(path) < 0 || !ReadKeyFile(path.parent_path(), path.filename().string(), header, columns)) {
    env.err << "A fájl nem található, nem olvasható vagy nem kulcsfájl: " << args[1] << "\n";
    return ExitUsage;
  }
  std::optional<TKeyTableEredmeny> e;
  {
    TStderrProgress bar(env.err);
    e = ComputeKeyTable(mode, header, columns, env.progress ? &bar : nullptr);
  }
  if (!e) return ExitUsage; // nothing here can ask for an abort
  const TKeyTable table = FormatKeyTable(mode, *e, '.');
  for (const auto& row : table.sorok) {
    bool first = true;
    for (std::size_t c : {0, 1, 2, 3, 4, 6, 7}) {
      if (!first) env.out << '\t';
      first = false;
      env.out << TrimLeadingBlanks(row[c]);
    }
    env.out << '\n';
  }
  return ExitOk;
}

} // namespace kv::batch
