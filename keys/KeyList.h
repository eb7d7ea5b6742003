#pragma once
// The key list: the key files of the program's folder, ordered by index, as
// the Kulcsok page lists them and every key command chooses from them.

#include "engine/Bevitel.h"
#include "keys/Kulcs.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kv {

constexpr int MaxKeyListEntries = 999; // data rows of the key list grid

struct TKeyListRec {
  std::string fileName; // without the folder
  std::uint16_t sortCode = 0;
  bool operator==(const TKeyListRec&) const = default;
};

// Ascending by sort code; equal codes in the order the folder scan met them.
using TKeyList = std::vector<TKeyListRec>;

// Every regular "*.key" file of dir (extension in any case) whose header is a
// key, at most 999 of them.
TKeyList LoadKeyList(const std::filesystem::path& dir);

// Grid columns 1..3 of each entry: name, "H-K-F" index, column count. A file
// that is no longer a key gives an empty row.
std::vector<std::array<std::string, 3>> KeyListRowTexts(const std::filesystem::path& dir, const TKeyList& list);

// 1-based row of the first entry of that name, compared ignoring ASCII case; 0 if none.
int FindKeyInList(const TKeyList& list, const std::string& fileName);

// 1-based row of the first entry whose sort code and header counts match the
// identity a tips file recorded; 0 if none.
int FindKeyBySignature(const std::filesystem::path& dir, const TKeyList& list, const TKulcsAzonosito& id);

TKulcsAzonosito KeyIdentity(const TKulcs& k);

} // namespace kv
