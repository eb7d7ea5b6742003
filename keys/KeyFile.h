#pragma once
// Key files (*.key) in the program's folder: the 1000-byte header, then
// KollektivDb + NormalDb columns of OszlopHossz bytes each.

#include "engine/FileIo.h"
#include "keys/Kulcs.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace kv {

// The largest key is 1000 + 50 * 13 bytes; anything beyond it is never read,
// and a file larger than this cap is not a key.
constexpr std::size_t KeyFileReadCap = 64 * 1024;

// The decoding the two readers below do once the file is in memory: the
// header into out, true when it is a key; bytes the span lacks read as 0.
bool DecodeKeyHeader(std::span<const std::uint8_t> bytes, TKulcs& out);
// Header and columns, by the rules of ReadKeyFile.
bool DecodeKeyFile(std::span<const std::uint8_t> bytes, TKulcs& header, TKeyColumns& columns);

// Reads the header of dir/fileName into out; true when it is a key. Bytes the
// file lacks read as 0. On a failed read out's magic is empty.
bool ReadKeyHeader(const std::filesystem::path& dir, const std::string& fileName, TKulcs& out);

// Reads header and columns; false (and no columns) unless the header is a key.
// Every record starts as EmptyColumn and receives OszlopHossz bytes; records
// the file runs short of stay empty.
bool ReadKeyFile(const std::filesystem::path& dir, const std::string& fileName, TKulcs& header,
                 TKeyColumns& columns);

// The first free name "k0000001.key" ... "k9999999.key", or none when all are taken.
std::optional<std::string> NewKeyFileName(const std::filesystem::path& dir);

// The header, then every non-empty column as OszlopHossz bytes in store order.
TBytes EncodeKeyFile(const TKulcs& header, const TKeyColumns& columns);

struct TKeyCreateResult {
  bool ok = false;
  std::string fileName; // set when ok
  std::string error;    // plain words for the user when !ok
};

// Writes a new key under NewKeyFileName; an existing file is never replaced
// and a failed write leaves no file behind.
TKeyCreateResult CreateKeyFile(const std::filesystem::path& dir, const TKulcs& header, const TKeyColumns& columns,
                               const TWriteFault& fault = {});

// Replaces a modified key's file; the old file stays whole when the write fails.
TWriteResult RewriteKeyFile(const std::filesystem::path& dir, const std::string& fileName, const TKulcs& header,
                            const TKeyColumns& columns, const TWriteFault& fault = {});

} // namespace kv
