// An owned file descriptor that is closed when it goes out of scope.
#pragma once

#include <utility>

namespace kinshelf::platform {

class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Close(); }

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes the descriptor; returns false when close reported an error.
  bool Close();

 private:
  int fd_ = -1;
};

}  // namespace kinshelf::platform
