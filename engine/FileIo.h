#pragma once
// Whole-file reads with a size cap and the one safe way to replace a file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kv {

using TBytes = std::vector<std::uint8_t>;

// Size of the file at path, or -1 when there is no such regular file.
std::int64_t FileSizeOf(const std::filesystem::path& path);

// The whole file, or nothing when it cannot be read or is larger than cap.
std::optional<TBytes> ReadFileBytes(const std::filesystem::path& path, std::size_t cap);

struct TWriteResult {
  bool ok = true;
  std::string error; // plain words for the user when !ok
};

// Test hook: the write fails once this many bytes have gone to the disk, as
// it does on a full disk.
struct TWriteFault {
  std::size_t failAfter = std::numeric_limits<std::size_t>::max();
};

// Writes content to a temporary file beside path, flushes it to the disk and
// only then renames it over path, so a failed write leaves the old file whole.
// A read-only target is made writable first, as the user asked for the save.
TWriteResult ReplaceFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> content,
                               const TWriteFault& fault = {});

// Creates path with content only when no file of that name exists yet.
TWriteResult CreateFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> content,
                              const TWriteFault& fault = {});

} // namespace kv
