// An exclusive lock on a folder, held between processes until it goes out of scope: the steps that
// make a file in the folder are taken by one process at a time.
#pragma once

#include <string>

#include "platform/FileDescriptor.h"

namespace kinshelf::platform {

class FolderLock {
 public:
  // Waits until no other process holds the folder's lock, and takes it. A folder that cannot be
  // locked (it cannot be opened, or its file system has no locks) is left unlocked: the steps are
  // then taken as they would be without the lock.
  explicit FolderLock(const std::string& folder);

 private:
  FileDescriptor folder_;
};

}  // namespace kinshelf::platform
