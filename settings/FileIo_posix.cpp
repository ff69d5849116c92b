// Native build: POSIX files, Windows-1252 for 8-bit text.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "settings/FileIo.h"
#include "settings/Utf.h"

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file a path finally names: a symbolic link is followed, so that the link
// stays a link and the file it names is replaced. Empty for a loop of links.
std::filesystem::path FinalTarget(std::filesystem::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const std::filesystem::path link = std::filesystem::read_symlink(path, ec);
    if (ec) return {};
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return {};
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path target = FinalTarget(path);
  if (target.empty()) return false;
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed) {
    if (!S_ISREG(old.st_mode)) return false;
    // Read-only as the platform's attribute is: for everyone, root included.
    if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
  }
  std::string temp = target.string() + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // Root hands the file back to its owner; for anyone else this changes nothing.
  const bool owned = !existed || ::fchown(fd, old.st_uid, old.st_gid) == 0;
  static_cast<void>(owned);
  const mode_t mode = existed ? (old.st_mode & 0777) : 0644;
  const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

std::u16string AnsiToUtf16(std::string_view bytes) { return Windows1252ToUtf16(bytes); }
