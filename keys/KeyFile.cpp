#include "keys/KeyFile.h"

#include "engine/ByteReader.h"

#include <algorithm>
#include <cstdio>
#include <system_error>
#include <utility>

namespace kv {

namespace fs = std::filesystem;

namespace {

constexpr int MaxKeyFileNumber = 9999999;

// The whole file, or nothing when it cannot be read.
std::optional<TBytes> ReadKeyBytes(const fs::path& dir, const std::string& fileName) {
  if (FileSizeOf(dir / fileName) < 0) return std::nullopt;
  return ReadFileBytes(dir / fileName, KeyFileReadCap);
}

// What a reader leaves in the header of a file it could not read.
void ClearUnread(TKulcs& header) {
  header = TKulcs{};
  header.azonosito.clear();
}

// Bytes written per column; a header out of range never makes a record spill.
std::size_t ColumnBytes(const TKulcs& k) {
  return static_cast<std::size_t>(std::clamp<std::int32_t>(k.oszlopHossz, 0, MatchCount));
}

} // namespace

bool DecodeKeyHeader(std::span<const std::uint8_t> bytes, TKulcs& out) {
  out = DecodeKulcs(bytes);
  return IsValidKeyHeader(bytes);
}

bool DecodeKeyFile(std::span<const std::uint8_t> bytes, TKulcs& header, TKeyColumns& columns) {
  columns.clear();
  if (!DecodeKeyHeader(bytes, header)) return false;

  // The validity rule bounds both counts, so this allocates at most 50 records.
  int count = header.kollektivDb + header.normalDb;
  std::size_t length = ColumnBytes(header);
  TByteReader r(bytes);
  r.Seek(KeyHeaderSize);
  columns.assign(static_cast<std::size_t>(count), EmptyColumn);
  for (TOszlop& o : columns)
    for (std::size_t i = 0; i < length; ++i) o[i] = r.U8();
  return true;
}

bool ReadKeyHeader(const fs::path& dir, const std::string& fileName, TKulcs& out) {
  std::optional<TBytes> bytes = ReadKeyBytes(dir, fileName);
  if (!bytes) {
    ClearUnread(out);
    return false;
  }
  return DecodeKeyHeader(*bytes, out);
}

bool ReadKeyFile(const fs::path& dir, const std::string& fileName, TKulcs& header, TKeyColumns& columns) {
  std::optional<TBytes> bytes = ReadKeyBytes(dir, fileName);
  if (!bytes) {
    columns.clear();
    ClearUnread(header);
    return false;
  }
  return DecodeKeyFile(*bytes, header, columns);
}

std::optional<std::string> NewKeyFileName(const fs::path& dir) {
  for (int n = 1; n <= MaxKeyFileNumber; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "k%07d.key", n);
    std::error_code ec;
    // A dangling link or a folder of that name takes the name as well.
    if (!fs::exists(fs::symlink_status(dir / name, ec))) return std::string(name);
  }
  return std::nullopt;
}

TBytes EncodeKeyFile(const TKulcs& header, const TKeyColumns& columns) {
  auto head = EncodeKulcs(header);
  TBytes out(head.begin(), head.end());
  std::size_t length = ColumnBytes(header);
  for (const TOszlop& o : columns)
    if (!IsEmptyColumn(o)) out.insert(out.end(), o.begin(), o.begin() + static_cast<std::ptrdiff_t>(length));
  return out;
}

TKeyCreateResult CreateKeyFile(const fs::path& dir, const TKulcs& header, const TKeyColumns& columns,
                               const TWriteFault& fault) {
  std::optional<std::string> name = NewKeyFileName(dir);
  if (!name) return {false, {}, "Nincs szabad kulcsfájlnév (k0000001.key … k9999999.key)."};
  TBytes content = EncodeKeyFile(header, columns);
  TWriteResult w = CreateFileSafely(dir / *name, content, fault);
  if (!w.ok) return {false, {}, w.error};
  return {true, *name, {}};
}

TWriteResult RewriteKeyFile(const fs::path& dir, const std::string& fileName, const TKulcs& header,
                            const TKeyColumns& columns, const TWriteFault& fault) {
  TBytes content = EncodeKeyFile(header, columns);
  return ReplaceFileSafely(dir / fileName, content, fault);
}

} // namespace kv
