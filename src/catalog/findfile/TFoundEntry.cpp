// One directory entry as the file search reports it.
#include "catalog/findfile/TFoundEntry.h"

namespace kinshelf {

TFoundEntry::TFoundEntry(const platform::DirectoryReader& folder, const platform::DirectoryEntry& entry,
                         std::atomic<std::uint64_t>* statusFetches)
    : folder_(folder),
      entry_(entry),
      statusFetches_(statusFetches),
      attributes_(platform::AttributesFromType(entry.name, entry.type)) {}

const std::optional<platform::FileStatus>& TFoundEntry::Status() const {
  if (!fetched_) {
    fetched_ = true;
    status_ = folder_.StatusOf(entry_.name);
    if (statusFetches_ != nullptr) statusFetches_->fetch_add(1, std::memory_order_relaxed);
  }
  return status_;
}

}  // namespace kinshelf
