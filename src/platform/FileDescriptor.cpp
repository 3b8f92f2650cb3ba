// An owned file descriptor that is closed when it goes out of scope.
#include "platform/FileDescriptor.h"

#include <unistd.h>

namespace kinshelf::platform {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

bool FileDescriptor::Close() {
  if (fd_ < 0) return true;
  const int result = ::close(std::exchange(fd_, -1));
  return result == 0;
}

}  // namespace kinshelf::platform
