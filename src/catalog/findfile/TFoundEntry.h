// One directory entry as the file search reports it: its name and the attribute bits its name and type
// tell for free, and its full status (size, times, read-only …) only on request, fetched once with one
// fstatat on the open folder. An entry is valid only during the event it is handed to, on that thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/DirectoryReader.h"
#include "platform/FileDescriptor.h"
#include "platform/FileInfo.h"

namespace kinshelf {

class TFoundEntry {
 public:
  // `statusFetches`, when given, counts the statuses fetched; it must outlive the entry.
  TFoundEntry(const platform::DirectoryReader& folder, const platform::DirectoryEntry& entry,
              std::atomic<std::uint64_t>* statusFetches);

  const std::string& Name() const { return entry_.name; }
  platform::EntryType Type() const { return entry_.type; }
  // Directory, hidden, system, archive and reparse point as the name and type tell; never read-only.
  std::uint32_t Attributes() const { return attributes_; }
  // The entry's own status (a link is not followed), fetched on the first call; nothing when the entry
  // can no longer be read. A symbolic link's status describes the link, with only the reparse bit.
  const std::optional<platform::FileStatus>& Status() const;
  // Opens the entry for reading, without following a link and without blocking on a FIFO.
  platform::FileDescriptor OpenFile() const { return folder_.OpenFile(entry_.name); }

 private:
  const platform::DirectoryReader& folder_;
  const platform::DirectoryEntry& entry_;
  std::atomic<std::uint64_t>* statusFetches_;
  std::uint32_t attributes_;
  mutable bool fetched_ = false;
  mutable std::optional<platform::FileStatus> status_;
};

}  // namespace kinshelf
