// Opening, creating, sizing and writing files by descriptor. Failures leave errno set.
#include "platform/FileIo.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string folder(FolderPart(ExpandPath(path)));
  std::string hidden(".");
  hidden.append(FileNamePart(path)).append(".XXXXXX");
  std::string pattern = JoinPath(folder, hidden);
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  FileDescriptor fd(mkostemp(name.data(), O_CLOEXEC));
  const bool created = fd.IsOpen();
  const auto fail = [&](const char* what) {
    const std::string reason = std::strerror(errno);
    if (created) ::unlink(name.data());
    throw std::runtime_error(std::string("Cannot ") + what + " " + path + ": " + reason);
  };
  if (!created) fail("write");
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (fchmod(fd.Get(), mode) != 0 || !WriteAll(fd.Get(), bytes.data(), bytes.size()) ||
      fsync(fd.Get()) != 0) {
    fail("write");
  }
  if (!fd.Close()) fail("write");
  if (::rename(name.data(), path.c_str()) != 0) fail("replace");
}

}  // namespace kinshelf::platform
