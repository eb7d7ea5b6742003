// The key import readers, one target per format (KV_IMPORT names the
// reader's TImportFormatum). A refusal is one of the readers' own messages;
// an import is a key the key editor can take: at most 50 columns, nothing
// beyond the 13 matches, and for the foreign formats only sign bits and the
// base tip they add up to.

#include "engine/Szoveg.h"
#include "fuzz/FuzzCheck.h"
#include "keys/KeyFile.h"
#include "keys/KeyImport.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace kv::fuzz {
namespace {

constexpr TImportFormatum Formatum = TImportFormatum::KV_IMPORT;

std::string_view FileName() {
  switch (Formatum) {
  case TImportFormatum::Key: return "kulcs.key";
  case TImportFormatum::Dbf: return "kulcs.dbf";
  case TImportFormatum::Tot: return "kulcs.tot";
  case TImportFormatum::Txt: return "kulcs.txt";
  }
  return {};
}

bool OwnRefusal(const TImportEredmeny& e) {
  return e.oszlopok.empty() && !e.olvashatatlan &&
         (e.uzenet == ImportFormatMessage || e.uzenet == ImportTooManyColumnsMessage ||
          e.uzenet == ImportTooManyLinesMessage || e.uzenet == ImportTooManyMatchesMessage);
}

bool OnlyMatches(const TKeyColumns& columns, std::size_t length) {
  return std::all_of(columns.begin(), columns.end(), [&](const TOszlop& o) {
    return std::all_of(o.begin() + static_cast<std::ptrdiff_t>(length), o.end(), [](TTipp t) { return t == 0; });
  });
}

// A .key file: the header as it was, and the columns DecodeKeyFile reads from
// the same bytes whenever both accept them and the file holds every record.
void CheckOwnKey(std::span<const std::uint8_t> bytes, const TImportEredmeny& e) {
  const TKulcs& k = e.kulcs;
  Require(k.azonosito == KeyMagic && k.oszlopHossz >= 0 && k.oszlopHossz <= MatchCount);
  Require(e.oszlopok.size() == static_cast<std::size_t>(k.kollektivDb + k.normalDb));
  Require(OnlyMatches(e.oszlopok, static_cast<std::size_t>(k.oszlopHossz)));
  TKulcs header;
  TKeyColumns columns;
  if (DecodeKeyFile(bytes, header, columns)) Require(header == k && columns == e.oszlopok);
}

std::string SignsOf(TTipp t) {
  std::string s;
  if (t & 1) s += '1';
  if (t & 2) s += 'X';
  if (t & 4) s += '2';
  return s;
}

void CheckForeign(const TImportEredmeny& e) {
  Require(e.oszlopok.size() <= static_cast<std::size_t>(MaxKeyColumns) && OnlyMatches(e.oszlopok, MatchCount));
  TTipp unio[PositionCount] = {};
  for (const TOszlop& o : e.oszlopok)
    for (std::size_t i = 0; i < o.size(); ++i) {
      Require(o[i] <= 7);
      unio[i] = static_cast<TTipp>(unio[i] | o[i]);
    }
  for (std::size_t i = 0; i < e.kulcs.alaptipp.size(); ++i) Require(e.kulcs.alaptipp[i] == SignsOf(unio[i]));
  Require(Utf8Length(e.kulcs.nev) <= 31 && Utf8Length(e.kulcs.egyeb) <= 255);
  Require(e.kulcs.egyeb.starts_with(ImportNotePrefix));
}

// Lines of a text file counted apart from the reader: CR LF is one end.
std::size_t TextLines(std::span<const std::uint8_t> bytes) {
  std::size_t ends = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++ends;
  const bool openLast = !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r';
  return ends + (openLast ? 1 : 0);
}

} // namespace
} // namespace kv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv;
  using fuzz::Require;
  std::span<const std::uint8_t> bytes(data, size);
  const TImportEredmeny e = ImportKey(fuzz::Formatum, bytes, fuzz::FileName());
  if (fuzz::Formatum == TImportFormatum::Txt)
    Require(e.ok == (fuzz::TextLines(bytes) <= static_cast<std::size_t>(MaxKeyColumns)));
  if (!e.ok) {
    Require(fuzz::OwnRefusal(e));
    return 0;
  }
  Require(e.oszlopok.size() <= static_cast<std::size_t>(MaxKeyColumns));
  if (fuzz::Formatum == TImportFormatum::Key) {
    fuzz::CheckOwnKey(bytes, e);
    return 0;
  }
  fuzz::CheckForeign(e);
  if (fuzz::Formatum == TImportFormatum::Txt) Require(e.oszlopok.size() == fuzz::TextLines(bytes));
  if (fuzz::Formatum == TImportFormatum::Tot) Require(e.oszlopok.size() == static_cast<std::size_t>(bytes[2] | (bytes[3] << 8)));
  return 0;
}
