#include "keys/KeyImport.h"

#include "engine/ByteReader.h"
#include "engine/FileIo.h"
#include "engine/Szoveg.h"

namespace kv {

namespace {

constexpr std::size_t NevCapacity = 31;
constexpr std::size_t EgyebCapacity = 255;
constexpr std::size_t DbfFields = 12;      // record count, header length, record length end at byte 12
constexpr std::size_t DbfFixedHeader = 32; // the part of every dBASE header before its field list
constexpr std::size_t TotHeader = 6;

TImportEredmeny Refusal(std::string_view uzenet) {
  TImportEredmeny e;
  e.uzenet = uzenet;
  return e;
}

TTipp DbfSign(std::uint8_t c) {
  switch (c) {
  case '1': return 1;
  case '2': return 4;
  case '0':
  case '3':
  case 'X':
  case 'x': return 2;
  case '4': return 3;
  case '5': return 5;
  case '6': return 6;
  case '7': return 7;
  default: return 0;
  }
}

TTipp TotSign(std::uint16_t code) {
  static constexpr TTipp Signs[] = {0, 7, 3, 5, 6, 1, 2, 4};
  return code < 8 ? Signs[code] : 0;
}

// 0 for a character that is no code (it consumes no match).
TTipp TxtSign(std::uint8_t c) {
  return c == '1' ? 1 : c == '2' ? 4 : (c == '0' || c == '3' || c == 'X' || c == 'x') ? 2 : 0;
}

// Name, notes and base tip of a foreign key: the base tip of each match is
// every sign some column holds there, in the order 1, X, 2.
TImportEredmeny Foreign(TKeyColumns columns, std::string_view fileName) {
  TImportEredmeny e;
  e.ok = true;
  TOszlop unio{};
  for (const TOszlop& o : columns)
    for (std::size_t i = 0; i < unio.size(); ++i) unio[i] = static_cast<TTipp>(unio[i] | o[i]);
  for (std::size_t i = 0; i < unio.size(); ++i) {
    std::string& a = e.kulcs.alaptipp[i];
    if (unio[i] & 1) a += '1';
    if (unio[i] & 2) a += 'X';
    if (unio[i] & 4) a += '2';
  }
  std::filesystem::path name{std::u8string(fileName.begin(), fileName.end())};
  std::u8string stem = name.stem().u8string();
  e.kulcs.nev = LimitLength(std::string(stem.begin(), stem.end()), NevCapacity);
  e.kulcs.egyeb = LimitLength(std::string(ImportNotePrefix) + std::string(fileName), EgyebCapacity);
  e.oszlopok = std::move(columns);
  return e;
}

} // namespace

TImportEredmeny ReadKeyImport(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < KeyHeaderSize) return Refusal(ImportFormatMessage);
  TImportEredmeny e;
  e.kulcs = DecodeKulcs(bytes);
  const TKulcs& k = e.kulcs;
  if (k.kollektivDb < 0 || k.normalDb < 0 || k.oszlopHossz < 0 || k.oszlopHossz > MatchCount)
    return Refusal(ImportFormatMessage);
  const std::int64_t count = std::int64_t{k.kollektivDb} + k.normalDb;
  if (count > MaxKeyColumns) return Refusal(ImportTooManyColumnsMessage);
  const auto length = static_cast<std::size_t>(k.oszlopHossz);
  if (bytes.size() - KeyHeaderSize < static_cast<std::size_t>(count) * length) return Refusal(ImportFormatMessage);

  TByteReader r(bytes);
  r.Seek(KeyHeaderSize);
  e.oszlopok.assign(static_cast<std::size_t>(count), EmptyColumn);
  for (TOszlop& o : e.oszlopok)
    for (std::size_t i = 0; i < length; ++i) o[i] = r.U8();
  // The key list only shows files that carry the magic; a copied header need not.
  e.kulcs.azonosito = std::string(KeyMagic);
  e.ok = true;
  return e;
}

TImportEredmeny ReadDbfImport(std::span<const std::uint8_t> bytes, std::string_view fileName) {
  if (bytes.size() < DbfFields) return Refusal(ImportFormatMessage);
  TByteReader r(bytes);
  r.Seek(4);
  std::uint32_t count = r.U16();
  count |= static_cast<std::uint32_t>(r.U16()) << 16;
  const std::uint64_t headerLength = r.U16(), recordLength = r.U16();
  // The records must lie after the fixed header and inside the file: records
  // starting inside the header would read its own fields as tips.
  if (headerLength < DbfFixedHeader || recordLength == 0 || headerLength + count * recordLength > bytes.size())
    return Refusal(ImportFormatMessage);

  const std::size_t matches = std::min<std::size_t>(static_cast<std::size_t>(recordLength) - 1, MatchCount);
  TKeyColumns columns;
  for (std::uint64_t n = 0; n < count; ++n) {
    r.Seek(static_cast<std::size_t>(headerLength + n * recordLength));
    if (r.U8() != ' ') continue; // a deleted record
    if (columns.size() == MaxKeyColumns) return Refusal(ImportTooManyColumnsMessage);
    TOszlop o = EmptyColumn;
    for (std::size_t i = 0; i < matches; ++i) o[i] = DbfSign(r.U8());
    columns.push_back(o);
  }
  return Foreign(std::move(columns), fileName);
}

TImportEredmeny ReadTotImport(std::span<const std::uint8_t> bytes, std::string_view fileName) {
  if (bytes.size() < TotHeader) return Refusal(ImportFormatMessage);
  TByteReader r(bytes);
  const std::size_t matches = r.U8();
  r.U8();
  const std::size_t count = r.U16();
  if (matches > MatchCount) return Refusal(ImportTooManyMatchesMessage);
  if (count > MaxKeyColumns) return Refusal(ImportTooManyColumnsMessage);
  if (bytes.size() - TotHeader < 2 * matches * count) return Refusal(ImportFormatMessage);

  r.Seek(TotHeader);
  TKeyColumns columns(count, EmptyColumn);
  for (std::size_t p = 0; p < matches; ++p)
    for (TOszlop& o : columns) o[p] = TotSign(r.U16());
  return Foreign(std::move(columns), fileName);
}

TImportEredmeny ReadTxtImport(std::span<const std::uint8_t> bytes, std::string_view fileName) {
  TKeyColumns columns;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    if (columns.size() == MaxKeyColumns) return Refusal(ImportTooManyLinesMessage);
    TOszlop o = EmptyColumn;
    std::size_t match = 0;
    for (; pos < bytes.size() && bytes[pos] != '\r' && bytes[pos] != '\n'; ++pos) {
      TTipp t = TxtSign(bytes[pos]);
      if (t != 0 && match < MatchCount) o[match++] = t;
    }
    columns.push_back(o);
    if (pos < bytes.size()) pos += bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n' ? 2 : 1;
  }
  return Foreign(std::move(columns), fileName);
}

TImportEredmeny ImportKey(TImportFormatum formatum, std::span<const std::uint8_t> bytes, std::string_view fileName) {
  switch (formatum) {
  case TImportFormatum::Key: return ReadKeyImport(bytes);
  case TImportFormatum::Dbf: return ReadDbfImport(bytes, fileName);
  case TImportFormatum::Tot: return ReadTotImport(bytes, fileName);
  case TImportFormatum::Txt: return ReadTxtImport(bytes, fileName);
  }
  return Refusal(ImportFormatMessage);
}

TImportEredmeny ImportKeyFile(TImportFormatum formatum, const std::filesystem::path& path) {
  const std::int64_t size = FileSizeOf(path);
  if (size > static_cast<std::int64_t>(ImportReadCap)) return Refusal(ImportFormatMessage);
  std::optional<TBytes> bytes;
  if (size >= 0) bytes = ReadFileBytes(path, ImportReadCap);
  if (!bytes) {
    TImportEredmeny e = Refusal(ImportFormatMessage);
    e.olvashatatlan = true;
    return e;
  }
  std::u8string name = path.filename().u8string();
  return ImportKey(formatum, *bytes, std::string(name.begin(), name.end()));
}

} // namespace kv
