// Reads the entries of one open folder with their types, as the folder itself reports them, so that a
// walk needs no stat per entry. Folders below a start folder are opened relative to their parent's
// descriptor and never through a link, so a walk neither resolves long paths nor follows links.
// One reader is used by one thread at a time.
#pragma once

#include <dirent.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileDescriptor.h"
#include "platform/FileInfo.h"

namespace kinshelf::platform {

enum class EntryType { kRegular, kDirectory, kSymbolicLink, kOther };

struct DirectoryEntry {
  std::string name;
  EntryType type = EntryType::kOther;
};

// The attribute bits that an entry's name and type tell without a stat: directory, hidden, system,
// archive and reparse point. The bits FileInfo never sets are known to be clear as well.
std::uint32_t AttributesFromType(const std::string& name, EntryType type);
// The bits that only a stat can tell.
inline constexpr std::uint32_t kStatusOnlyAttributes = attr::kReadOnly;

class DirectoryReader {
 public:
  // A start folder named by its path. A link naming the folder itself is followed, as a folder the
  // user names is meant; links below it never are. Closed (IsOpen false) when it cannot be opened.
  static DirectoryReader OpenPath(const std::string& path);
  // The subfolder `name` of an open folder; closed when it cannot be opened or is a link.
  static DirectoryReader OpenSubfolder(const DirectoryReader& parent, const std::string& name);

  bool IsOpen() const { return dir_ != nullptr; }
  // Why the folder could not be opened, as an errno value; 0 when it is open.
  int OpenError() const { return openError_; }
  // The folder's descriptor, for calls relative to it; -1 when closed.
  int Descriptor() const;
  // The mount the folder lives on; nothing when it cannot be read. Mounts, not devices: the
  // subvolumes of one mounted btrfs file system have devices of their own but are one mount.
  std::optional<std::uint64_t> Mount() const;
  // The mount of the entry `name` itself (links not followed, automounts not triggered).
  std::optional<std::uint64_t> MountOf(const std::string& name) const;

  // The next entry other than "." and ".."; nothing at the end, on an error or when closed. An entry
  // whose type the file system leaves unknown costs one fstatat; one that vanished is left out.
  std::optional<DirectoryEntry> Next();

  // The status of the entry `name`, links not followed; nothing when it cannot be read.
  std::optional<FileStatus> StatusOf(const std::string& name) const;
  // Opens the entry `name` for reading without following a link and without blocking on a FIFO.
  FileDescriptor OpenFile(const std::string& name) const;

 private:
  struct Closer {
    void operator()(DIR* dir) const { closedir(dir); }
  };
  explicit DirectoryReader(int fd);

  std::unique_ptr<DIR, Closer> dir_;
  int openError_ = 0;
};

}  // namespace kinshelf::platform
