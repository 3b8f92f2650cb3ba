// An exclusive lock on a folder, held between processes.
#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

namespace kinshelf::platform {

// The lock belongs to this opening of the folder, so it ends when the descriptor is closed, also when
// the process ends without closing it.
FolderLock::FolderLock(const std::string& folder)
    : folder_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (!folder_.IsOpen()) return;
  while (flock(folder_.Get(), LOCK_EX) != 0 && errno == EINTR) {
  }
}

}  // namespace kinshelf::platform
