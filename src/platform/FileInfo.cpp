// What a file's status says in the terms of the catalog: attribute bits, 64-bit size and times.
#include "platform/FileInfo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/DateTime.h"
#include "platform/FileDescriptor.h"
#include "platform/Paths.h"

namespace kinshelf::platform {

namespace {

std::uint32_t AttributesOf(const struct statx& info, std::string_view name) {
  std::uint32_t bits = 0;
  const auto type = info.stx_mode & S_IFMT;
  if (type == S_IFDIR) {
    bits |= attr::kDirectory;
  } else if (type == S_IFREG) {
    bits |= attr::kArchive;
  } else if (type == S_IFLNK) {
    bits |= attr::kReparsePoint;
  } else {
    bits |= attr::kSystem;
  }
  if (!name.empty() && name.front() == '.' && name != "." && name != "..") bits |= attr::kHidden;
  if ((info.stx_mode & S_IWUSR) == 0) bits |= attr::kReadOnly;
  return bits;
}

double LocalTime(const struct statx_timestamp& stamp) {
  return LocalDateTimeFromUnix(stamp.tv_sec, static_cast<long>(stamp.tv_nsec));
}

std::optional<FileStatus> Status(int folderFd, const char* path, std::string_view name) {
  struct statx info {};
  if (statx(folderFd, path, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_BASIC_STATS | STATX_BTIME, &info) !=
      0) {
    return std::nullopt;
  }
  FileStatus status;
  status.attributes = AttributesOf(info, name);
  status.size = static_cast<std::int64_t>(info.stx_size);
  if ((info.stx_mask & STATX_BTIME) != 0) status.created = LocalTime(info.stx_btime);
  status.modified = LocalTime(info.stx_mtime);
  status.accessed = LocalTime(info.stx_atime);
  status.device = makedev(info.stx_dev_major, info.stx_dev_minor);
  return status;
}

// The system takes a path of at most PATH_MAX bytes whole; a longer one (which a search can reach,
// walking folder by folder) is walked the same way: the folder of its last part is opened folder by
// folder, and `last` is set to that part ("." for a path ending in a separator). Not open when a
// folder on the way cannot be opened.
FileDescriptor OpenLongPathFolder(const std::string& path, std::string& last) {
  FileDescriptor folder(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
  std::size_t start = 1;
  for (std::size_t slash = path.find('/', start); slash != std::string::npos; slash = path.find('/', start)) {
    const std::string name = path.substr(start, slash - start);
    start = slash + 1;
    if (name.empty()) continue;
    FileDescriptor next(::openat(folder.Get(), name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!next.IsOpen()) return next;
    folder = std::move(next);
  }
  last = start < path.size() ? path.substr(start) : std::string(".");
  return folder;
}

bool IsLongPath(const std::string& path) {
  return path.size() >= PATH_MAX && path.front() == '/';
}

// stat() of a path of any length.
int StatAnyLength(const std::string& path, struct stat& info) {
  if (!IsLongPath(path)) return ::stat(path.c_str(), &info);
  std::string last;
  const FileDescriptor folder = OpenLongPathFolder(path, last);
  return folder.IsOpen() ? ::fstatat(folder.Get(), last.c_str(), &info, 0) : -1;
}

}  // namespace

std::optional<FileStatus> StatusOf(const std::string& path) {
  const std::string_view name = FileNamePart(WithoutTrailingSeparator(path));
  if (!IsLongPath(path)) return Status(AT_FDCWD, path.c_str(), name);
  std::string last;
  const FileDescriptor folder = OpenLongPathFolder(path, last);
  return folder.IsOpen() ? Status(folder.Get(), last.c_str(), name) : std::nullopt;
}

std::optional<FileStatus> StatusAt(int folderFd, const char* name) {
  return Status(folderFd, name, name);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return StatAnyLength(path, info) == 0 && S_ISREG(info.st_mode);
}

std::string LookError(const std::string& path) {
  struct stat info {};
  return StatAnyLength(path, info) == 0 ? std::string() : std::strerror(errno);
}

bool PathIsGone(const std::string& path) {
  struct stat info {};
  return StatAnyLength(path, info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return StatAnyLength(path, info) == 0 && S_ISDIR(info.st_mode);
}

std::string ResolvedPath(const std::string& path) {
  const std::unique_ptr<char, void (*)(void*)> resolved(::realpath(path.c_str(), nullptr), std::free);
  return resolved != nullptr ? std::string(resolved.get()) : path;
}

bool SameFile(const std::string& one, const std::string& other) {
  struct stat first {};
  struct stat second {};
  return StatAnyLength(one, first) == 0 && StatAnyLength(other, second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace kinshelf::platform
