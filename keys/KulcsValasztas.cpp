#include "keys/KulcsValasztas.h"

#include "engine/FileIo.h"
#include "keys/KeyFile.h"

#include <algorithm>

namespace kv {

TKulcsValasztas KulcsValasztas(const std::filesystem::path& dir, const TKeyList& list, int row) {
  TKulcsValasztas v;
  v.listaMeret = static_cast<int>(list.size());
  if (row < 1 || row > v.listaMeret) return v;
  TKulcs k;
  TKeyColumns columns;
  if (!ReadKeyFile(dir, list[row - 1].fileName, k, columns)) return v;
  v.harmas = k.harmas;
  v.kettes = k.kettes;
  v.adat.oszlopszam = k.oszlopszam;
  v.adat.oszlopHossz = k.oszlopHossz;
  for (int m = 0; m < MatchCount; ++m) v.adat.alaptipp[m] = k.alaptipp[m];
  // The run stops at the last column the file really holds, whatever the header claims.
  std::int64_t size = FileSizeOf(dir / list[row - 1].fileName);
  std::int64_t present = k.oszlopHossz > 0 ? std::max<std::int64_t>(size - 1000, 0) / k.oszlopHossz : 0;
  if (present < static_cast<std::int64_t>(columns.size())) columns.resize(static_cast<std::size_t>(present));
  v.adat.oszlopok = std::move(columns);
  return v;
}

} // namespace kv
