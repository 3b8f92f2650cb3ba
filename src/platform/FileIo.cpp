// Opening, creating, sizing and writing files by descriptor. Failures leave errno set.
#include "platform/FileIo.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "platform/Paths.h"

namespace kinshelf::platform {

FileDescriptor OpenExistingFile(const std::string& path, bool writable) {
  return FileDescriptor(::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC));
}

FileDescriptor CreateFileAlways(const std::string& path) {
  return FileDescriptor(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

std::optional<std::int64_t> FileSizeOf(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return std::nullopt;
  return static_cast<std::int64_t>(info.st_size);
}

bool ResizeFile(int fd, std::int64_t size) {
  return ftruncate(fd, static_cast<off_t>(size)) == 0;
}

bool WriteAll(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

std::int64_t ReadAt(int fd, void* data, std::size_t size, std::int64_t offset) {
  for (;;) {
    const ssize_t count = pread(fd, data, size, static_cast<off_t>(offset));
    if (count >= 0 || errno != EINTR) return count;
  }
}

std::optional<std::string> ReadSmallRegularFile(const std::string& path, std::size_t limit) {
  // Non-blocking, so that opening a FIFO put in the file's place returns at once.
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.IsOpen()) {
    if (errno == ENOENT) return std::nullopt;
    throw std::runtime_error("Cannot read " + path + ": " + std::strerror(errno));
  }
  struct stat info {};
  if (fstat(fd.Get(), &info) != 0)
    throw std::runtime_error("Cannot read " + path + ": " + std::strerror(errno));
  if (!S_ISREG(info.st_mode)) throw std::runtime_error(path + " is not a regular file");
  const auto tooLarge = [&path, limit] {
    return std::runtime_error(path + " is larger than " + std::to_string(limit / (1024 * 1024)) +
                              " MB, too large for this file");
  };
  if (static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0)) > limit) throw tooLarge();
  std::string text;
  // Read in place, in room for the size the file had when opened; it is read on until its end, as
  // it may have grown since, but never past one byte over the limit.
  text.reserve(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1);
  constexpr std::size_t kStep = 16384;
  for (;;) {
    const std::size_t done = text.size();
    text.resize(std::min(text.capacity() > done ? text.capacity() : done + kStep, limit + 1));
    const std::int64_t count =
        ReadAt(fd.Get(), text.data() + done, text.size() - done, static_cast<std::int64_t>(done));
    if (count < 0) throw std::runtime_error("Cannot read " + path + ": " + std::strerror(errno));
    text.resize(done + static_cast<std::size_t>(count));
    if (count == 0) return text;
    if (text.size() > limit) throw tooLarge();
  }
}

bool RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool RenameFile(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

namespace {

// More links in a row than this is a loop.
constexpr int kMaxLinkHops = 40;

// The path a chain of symbolic links ends at, so that a replaced file keeps its link and the new
// bytes go where the link points. A dangling link ends at its missing target.
std::string FollowLinks(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::vector<char> target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return path;
    const std::string next(target.data(), static_cast<std::size_t>(length));
    path = next.front() == '/' ? next : JoinPath(FolderPart(path), next);
  }
  return path;
}

// The process's file mode mask, read without setting it (umask() can only be read by changing it,
// which another thread's file creation could see).
mode_t ProcessUmask() {
  constexpr mode_t kUsual = 022;
  const auto status = ReadSmallRegularFile("/proc/self/status", 1024 * 1024);
  if (!status) return kUsual;
  const std::size_t at = status->find("\nUmask:");
  if (at == std::string::npos) return kUsual;
  return static_cast<mode_t>(std::strtoul(status->c_str() + at + 7, nullptr, 8));
}

[[noreturn]] void FailWrite(const char* what, const std::string& path) {
  throw std::runtime_error(std::string("Cannot ") + what + " " + path + ": " + std::strerror(errno));
}

// A device or a pipe cannot be replaced by renaming; its reader takes the bytes as they come.
void WriteInPlace(const std::string& path, const std::string& shown, std::string_view bytes) {
  FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  if (!fd.IsOpen() || !WriteAll(fd.Get(), bytes.data(), bytes.size()) || !fd.Close()) FailWrite("write", shown);
}

}  // namespace

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  // A name ending in '/' names a folder, even one not there: it is never taken as a file's.
  if (path.ends_with('/')) {
    errno = EISDIR;
    FailWrite("write", path);
  }
  const std::string target = FollowLinks(ExpandPath(path));
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(target, path, bytes);
  std::string hidden(".");
  hidden.append(FileNamePart(target)).append(".XXXXXX");
  std::string pattern = JoinPath(FolderPart(target), hidden);
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  FileDescriptor fd(mkostemp(name.data(), O_CLOEXEC));
  const bool created = fd.IsOpen();
  const auto fail = [&](const char* what) {
    const int reason = errno;
    if (created) ::unlink(name.data());
    errno = reason;
    FailWrite(what, path);
  };
  if (!created) fail("write");
  // A new file gets the mode the user's mask allows; a replaced one keeps its mode and, where the
  // system lets us, its owner and group.
  const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~ProcessUmask());
  if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
    (void)fchown(fd.Get(), old.st_uid, old.st_gid);
  }
  if (fchmod(fd.Get(), mode) != 0 || !WriteAll(fd.Get(), bytes.data(), bytes.size()) ||
      fsync(fd.Get()) != 0) {
    fail("write");
  }
  if (!fd.Close()) fail("write");
  if (::rename(name.data(), target.c_str()) != 0) fail("replace");
}

}  // namespace kinshelf::platform
