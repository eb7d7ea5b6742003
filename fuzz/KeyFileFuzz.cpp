// Key files as the key list and the key commands read them: a header that
// passes is within the ranges every reader of the columns relies on, and a
// key saved again reads back as it was, its empty records moved to the end.

#include "fuzz/FuzzCheck.h"
#include "keys/KeyFile.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <span>

namespace kv::fuzz {
namespace {

bool InRanges(const TKulcs& k) {
  const std::int64_t stored = std::int64_t{k.kollektivDb} + k.normalDb;
  return k.azonosito == KeyMagic && k.kollektivDb >= 0 && k.normalDb >= 0 && stored >= 1 &&
         stored <= MaxKeyColumns && k.oszlopHossz >= 1 && k.oszlopHossz <= MatchCount && k.oszlopszam >= 1;
}

// Every byte beyond the column length stays 0, the +1 position included.
bool OnlyColumnBytes(const TKeyColumns& columns, std::int32_t length) {
  return std::all_of(columns.begin(), columns.end(), [&](const TOszlop& o) {
    return std::all_of(o.begin() + length, o.end(), [](TTipp t) { return t == 0; });
  });
}

void CheckSavedAgain(const TKulcs& header, const TKeyColumns& columns) {
  TKeyColumns expected;
  std::copy_if(columns.begin(), columns.end(), std::back_inserter(expected),
               [](const TOszlop& o) { return !IsEmptyColumn(o); });
  expected.resize(columns.size(), EmptyColumn);

  TBytes saved = EncodeKeyFile(header, columns);
  TKulcs back;
  TKeyColumns backColumns;
  Require(DecodeKeyFile(saved, back, backColumns));
  Require(back == header && backColumns == expected);
}

} // namespace
} // namespace kv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv;
  using fuzz::Require;
  std::span<const std::uint8_t> bytes(data, size);
  TKulcs alone;
  const bool isKey = DecodeKeyHeader(bytes, alone);

  TKulcs header;
  TKeyColumns columns(3, EmptyColumn); // a refusal must leave no records behind
  Require(DecodeKeyFile(bytes, header, columns) == isKey && header == alone);
  if (!isKey) {
    Require(columns.empty());
    return 0;
  }
  Require(fuzz::InRanges(header));
  Require(columns.size() == static_cast<std::size_t>(header.kollektivDb + header.normalDb));
  Require(fuzz::OnlyColumnBytes(columns, header.oszlopHossz));
  fuzz::CheckSavedAgain(header, columns);
  return 0;
}
