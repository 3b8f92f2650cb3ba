// Reads the entries of one open folder with their types.
#include "platform/DirectoryReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kinshelf::platform {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// The mount id where the kernel tells it; the device number otherwise, which is the same test except
// on file systems with subvolumes.
std::optional<std::uint64_t> MountIdAt(int folderFd, const char* name, int flags) {
  struct statx info {};
  if (statx(folderFd, name, flags, STATX_MNT_ID, &info) != 0) return std::nullopt;
  if ((info.stx_mask & STATX_MNT_ID) != 0) return info.stx_mnt_id;
  return makedev(info.stx_dev_major, info.stx_dev_minor);
}

EntryType TypeOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryType::kRegular;
  if (S_ISDIR(mode)) return EntryType::kDirectory;
  if (S_ISLNK(mode)) return EntryType::kSymbolicLink;
  return EntryType::kOther;
}

std::optional<EntryType> TypeOfDirent(int folderFd, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
      return EntryType::kRegular;
    case DT_DIR:
      return EntryType::kDirectory;
    case DT_LNK:
      return EntryType::kSymbolicLink;
    case DT_UNKNOWN: {
      struct stat info {};
      if (fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
      return TypeOfMode(info.st_mode);
    }
    default:
      return EntryType::kOther;
  }
}

bool IsDotOrDotDot(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

std::uint32_t AttributesFromType(const std::string& name, EntryType type) {
  std::uint32_t bits = 0;
  switch (type) {
    case EntryType::kRegular:
      bits = attr::kArchive;
      break;
    case EntryType::kDirectory:
      bits = attr::kDirectory;
      break;
    case EntryType::kSymbolicLink:
      bits = attr::kReparsePoint;
      break;
    case EntryType::kOther:
      bits = attr::kSystem;
      break;
  }
  if (!name.empty() && name.front() == '.') bits |= attr::kHidden;
  return bits;
}

// Made right after the open, whose errno it keeps when the open failed.
DirectoryReader::DirectoryReader(int fd) {
  if (fd < 0) {
    openError_ = errno != 0 ? errno : EBADF;
    return;
  }
  dir_.reset(fdopendir(fd));
  if (dir_) return;
  openError_ = errno;
  ::close(fd);
}

DirectoryReader DirectoryReader::OpenPath(const std::string& path) {
  return DirectoryReader(::open(path.c_str(), kFolderFlags));
}

DirectoryReader DirectoryReader::OpenSubfolder(const DirectoryReader& parent, const std::string& name) {
  if (!parent.IsOpen()) {
    errno = parent.OpenError();
    return DirectoryReader(-1);
  }
  return DirectoryReader(::openat(parent.Descriptor(), name.c_str(), kFolderFlags | O_NOFOLLOW));
}

int DirectoryReader::Descriptor() const {
  return dir_ ? dirfd(dir_.get()) : -1;
}

std::optional<std::uint64_t> DirectoryReader::Mount() const {
  if (!dir_) return std::nullopt;
  return MountIdAt(Descriptor(), "", AT_EMPTY_PATH);
}

std::optional<std::uint64_t> DirectoryReader::MountOf(const std::string& name) const {
  if (!dir_) return std::nullopt;
  return MountIdAt(Descriptor(), name.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT);
}

std::optional<DirectoryEntry> DirectoryReader::Next() {
  if (!dir_) return std::nullopt;
  while (const dirent* entry = readdir(dir_.get())) {
    if (IsDotOrDotDot(entry->d_name)) continue;
    if (const auto type = TypeOfDirent(Descriptor(), *entry)) return DirectoryEntry{entry->d_name, *type};
  }
  return std::nullopt;
}

std::optional<FileStatus> DirectoryReader::StatusOf(const std::string& name) const {
  if (!dir_) return std::nullopt;
  return StatusAt(Descriptor(), name.c_str());
}

FileDescriptor DirectoryReader::OpenFile(const std::string& name) const {
  if (!dir_) return FileDescriptor();
  return FileDescriptor(::openat(Descriptor(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
}

}  // namespace kinshelf::platform
