#include "app/batch/BatchKeys.h"

#include "app/batch/Batch.h"
#include "keys/KeyFile.h"
#include "keys/KeyList.h"

#include <algorithm>
#include <ostream>
#include <system_error>

namespace kv::batch {

namespace {

// A name from a foreign file may hold a tab or a line break; each key stays one line of fields.
std::string Field(std::string s) {
  std::replace_if(
      s.begin(), s.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return s;
}

} // namespace

int CmdKeys(const TBatchEnv& env, const std::vector<std::string>& args) {
  if (!args.empty()) {
    env.err << "Használat: kvartello-batch [--dir DIR] keys\n";
    return ExitUsage;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(env.dir, ec)) {
    env.err << "A mappa nem található: " << env.dir.string() << "\n";
    return ExitUsage;
  }
  TKeyList list = LoadKeyList(env.dir);
  for (std::size_t r = 0; r < list.size(); ++r) {
    env.out << r + 1 << '\t' << list[r].fileName << '\t';
    TKulcs k;
    // A key removed since the scan keeps its row, as the list grid shows it: empty.
    if (ReadKeyHeader(env.dir, list[r].fileName, k))
      env.out << Field(k.nev) << '\t' << int{k.harmas} << '-' << int{k.kettes} << '-' << int{k.fix} << '\t'
              << k.oszlopszam;
    else
      env.out << "\t\t";
    env.out << '\n';
  }
  return ExitOk;
}

} // namespace kv::batch
