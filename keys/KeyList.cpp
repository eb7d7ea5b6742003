#include "keys/KeyList.h"

#include "engine/Szoveg.h"
#include "keys/KeyFile.h"

#include <algorithm>
#include <system_error>

namespace kv {

namespace fs = std::filesystem;

namespace {

// Users' key files come from Windows, where "*.key" ignores case.
bool HasKeyExtension(const std::string& name) {
  return name.size() >= 4 && UpperAscii(std::string_view(name).substr(name.size() - 4)) == ".KEY";
}

// Seven digit positions, two spaces for each missing digit, then a space
// before the last three characters and another before the last seven, so
// 1234567 shows as "1 234 567" and shorter numbers line up under it.
std::string OszlopszamText(std::int32_t n) {
  std::string s = PadDigits(std::to_string(n), 7);
  // Built by concatenation: g++ 12 warns falsely (-Wrestrict) on string::insert here.
  if (s.size() >= 3) s = s.substr(0, s.size() - 3) + " " + s.substr(s.size() - 3);
  if (s.size() >= 7) s = s.substr(0, s.size() - 7) + " " + s.substr(s.size() - 7);
  return s;
}

} // namespace

TKeyList LoadKeyList(const fs::path& dir) {
  TKeyList list;
  std::error_code ec;
  fs::directory_iterator it(dir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    if (list.size() >= static_cast<std::size_t>(MaxKeyListEntries)) break;
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    std::string name = it->path().filename().string();
    if (!HasKeyExtension(name)) continue;
    TKulcs header;
    if (!ReadKeyHeader(dir, name, header)) continue;
    TKeyListRec rec{name, header.SortCode()};
    auto at = std::upper_bound(list.begin(), list.end(), rec.sortCode,
                               [](std::uint16_t code, const TKeyListRec& e) { return code < e.sortCode; });
    list.insert(at, std::move(rec));
  }
  return list;
}

std::vector<std::array<std::string, 3>> KeyListRowTexts(const fs::path& dir, const TKeyList& list) {
  std::vector<std::array<std::string, 3>> rows;
  rows.reserve(list.size());
  for (const TKeyListRec& e : list) {
    TKulcs k;
    if (!ReadKeyHeader(dir, e.fileName, k)) {
      rows.push_back({});
      continue;
    }
    rows.push_back({k.nev,
                    std::to_string(k.harmas) + "-" + std::to_string(k.kettes) + "-" + std::to_string(k.fix),
                    OszlopszamText(k.oszlopszam)});
  }
  return rows;
}

int FindKeyInList(const TKeyList& list, const std::string& fileName) {
  std::string wanted = UpperAscii(fileName);
  for (std::size_t i = 0; i < list.size(); ++i)
    if (UpperAscii(list[i].fileName) == wanted) return static_cast<int>(i) + 1;
  return 0;
}

int FindKeyBySignature(const fs::path& dir, const TKeyList& list, const TKulcsAzonosito& id) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].sortCode != id.sortCode) continue;
    TKulcs k;
    if (ReadKeyHeader(dir, list[i].fileName, k) && KeyIdentity(k) == id) return static_cast<int>(i) + 1;
  }
  return 0;
}

TKulcsAzonosito KeyIdentity(const TKulcs& k) {
  return {k.SortCode(), k.oszlopszam, k.kollektivDb, k.normalDb, k.oszlopHossz, k.ellenorzo};
}

} // namespace kv
