#include "engine/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

// The only platform-specific lines of the core: a Windows build would write
// the temporary file with CreateFile and replace with MoveFileEx and
// MOVEFILE_WRITE_THROUGH.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace fs = std::filesystem;

std::int64_t FileSizeOf(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return -1;
  auto n = fs::file_size(path, ec);
  return ec ? -1 : static_cast<std::int64_t>(n);
}

std::optional<TBytes> ReadFileBytes(const fs::path& path, std::size_t cap) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  TBytes data;
  char buf[65536];
  while (in) {
    in.read(buf, sizeof buf);
    std::size_t got = static_cast<std::size_t>(in.gcount());
    if (data.size() + got > cap) return std::nullopt;
    data.insert(data.end(), buf, buf + got);
  }
  if (in.bad()) return std::nullopt;
  return data;
}

namespace {

// The reasons a user meets in Hungarian, like every other message of the
// program; anything rarer keeps the system's own words.
std::string Reason(int err) {
  switch (err) {
  case ENOSPC:
  case EDQUOT: return "nincs elég szabad hely a lemezen";
  case EFBIG: return "a fájl túl nagy";
  case EACCES:
  case EPERM: return "nincs hozzá jogosultság";
  case EROFS: return "a lemez írásvédett";
  case ENOENT:
  case ENOTDIR: return "a mappa nem létezik";
  case EIO: return "lemezhiba";
  default: return std::strerror(err);
  }
}

std::string SystemError(const std::string& what, int err) { return what + ": " + Reason(err); }

bool WriteAll(int fd, std::span<const std::uint8_t> content, const TWriteFault& fault, int& err) {
  std::size_t done = 0;
  while (done < content.size()) {
    std::size_t chunk = content.size() - done;
    if (fault.failAfter < content.size()) {
      if (done >= fault.failAfter) {
        err = ENOSPC;
        return false;
      }
      chunk = std::min(chunk, fault.failAfter - done);
    }
    ssize_t n = ::write(fd, content.data() + done, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // A write that takes nothing would be retried for ever; only a full disk does that.
      err = n < 0 ? errno : ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void SyncFolder(const fs::path& folder) {
  int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
}

// Writes the temporary file completely; on failure removes it.
TWriteResult WriteTemporary(const fs::path& tmp, std::span<const std::uint8_t> content, const TWriteFault& fault) {
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return {false, SystemError("A fájl nem hozható létre", errno)};
  int err = 0;
  bool ok = WriteAll(fd, content, fault, err);
  if (ok && ::fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    return {false, SystemError("A fájl írása nem sikerült", err)};
  }
  return {};
}

fs::path TemporaryBeside(const fs::path& path) {
  fs::path tmp = path;
  tmp += ".kvtmp" + std::to_string(::getpid());
  return tmp;
}

} // namespace

TWriteResult ReplaceFileSafely(const fs::path& path, std::span<const std::uint8_t> content,
                               const TWriteFault& fault) {
  fs::path tmp = TemporaryBeside(path);
  ::unlink(tmp.c_str());
  TWriteResult r = WriteTemporary(tmp, content, fault);
  if (!r.ok) return r;
  struct stat st{};
  if (::stat(path.c_str(), &st) == 0) ::chmod(tmp.c_str(), (st.st_mode & 07777) | S_IWUSR);
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(tmp.c_str());
    return {false, SystemError("A fájl írása nem sikerült", err)};
  }
  SyncFolder(path.parent_path());
  return {};
}

TWriteResult CreateFileSafely(const fs::path& path, std::span<const std::uint8_t> content,
                              const TWriteFault& fault) {
  fs::path tmp = TemporaryBeside(path);
  ::unlink(tmp.c_str());
  TWriteResult r = WriteTemporary(tmp, content, fault);
  if (!r.ok) return r;
  // link() refuses an existing name, so a file made meanwhile is never replaced.
  if (::link(tmp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(tmp.c_str());
    return {false, SystemError("A fájl nem hozható létre", err)};
  }
  ::unlink(tmp.c_str());
  SyncFolder(path.parent_path());
  return {};
}

} // namespace kv
