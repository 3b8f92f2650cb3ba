// What a file's status says in the terms of the catalog: attribute bits, 64-bit size and times.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kinshelf::platform {

// Attribute bits in the values the rest of the program tests.
namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x1;    // the owner has no write permission
inline constexpr std::uint32_t kHidden = 0x2;      // the name starts with "."
inline constexpr std::uint32_t kSystem = 0x4;      // a device, FIFO or socket
inline constexpr std::uint32_t kVolume = 0x8;      // never set here
inline constexpr std::uint32_t kDirectory = 0x10;  // a directory, not a link to one
inline constexpr std::uint32_t kArchive = 0x20;    // every regular file
inline constexpr std::uint32_t kDevice = 0x40;     // never set here; kSystem covers devices
inline constexpr std::uint32_t kTemporary = 0x100;
inline constexpr std::uint32_t kSparseFile = 0x200;
inline constexpr std::uint32_t kReparsePoint = 0x400;  // a symbolic link
inline constexpr std::uint32_t kCompressed = 0x800;
inline constexpr std::uint32_t kOffline = 0x1000;
inline constexpr std::uint32_t kEncrypted = 0x4000;
}  // namespace attr

struct FileStatus {
  std::uint32_t attributes = 0;
  std::int64_t size = 0;
  std::optional<double> created;  // birth time in local time, when the file system records it
  double modified = 0;            // last-write time in local time
  double accessed = 0;            // last-access time in local time
  std::uint64_t device = 0;       // the file system the entry lives on
};

// The status of the entry at `path` itself (a link is not followed); nothing when it cannot be read.
std::optional<FileStatus> StatusOf(const std::string& path);
// The status of the entry `name` in the open folder `folderFd`, links not followed.
std::optional<FileStatus> StatusAt(int folderFd, const char* name);

// A regular file (or a link to one) exists at the path.
bool FileExists(const std::string& path);
// A folder (or a link to one) exists at the path.
bool DirectoryExists(const std::string& path);
// The path with every link on it followed and "." and ".." resolved, as the system finds it; the
// path itself when that cannot be done (it does not exist, say).
std::string ResolvedPath(const std::string& path);
// Both paths (links followed) name one existing file, however they are written.
bool SameFile(const std::string& one, const std::string& other);
// Why the path (a link followed) cannot be looked at, in the system's words; empty when it can be.
std::string LookError(const std::string& path);
// Nothing is at the path any more: it, or a folder on the way, is not there. False when the path
// cannot be looked at for another reason (no permission, an input/output error, a dropped network
// drive, a name too long), so that such a file is never taken for deleted.
bool PathIsGone(const std::string& path);

}  // namespace kinshelf::platform
