// One mapping of a whole file into memory, unmapped when it goes out of scope.
// A view belongs to one thread.
#pragma once

#include <cstddef>
#include <utility>

namespace kinshelf::platform {

class MappedView {
 public:
  MappedView() = default;
  MappedView(MappedView&& other) noexcept
      : base_(std::exchange(other.base_, nullptr)),
        length_(std::exchange(other.length_, 0)),
        writable_(other.writable_) {}
  MappedView& operator=(MappedView&& other) noexcept;
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;
  ~MappedView();

  // Maps `length` bytes of the open file from offset 0 with the random-access hint. A writable view
  // is shared with the file; a read-only view is private, so that nothing can write through it.
  // Returns an empty view and leaves errno set on failure (a zero length always fails).
  static MappedView Map(int fd, std::size_t length, bool writable);

  unsigned char* Base() const { return base_; }
  std::size_t Length() const { return length_; }
  bool IsMapped() const { return base_ != nullptr; }
  bool IsWritable() const { return writable_; }

  // Writes a writable view back to its file; true on success or when there is nothing to write.
  bool Flush() const;
  // Flushes a writable view, then unmaps it. Returns 0 on success, 1 when the flush failed and
  // 2 when the unmapping failed; the view is empty afterwards in every case.
  int Release();

 private:
  unsigned char* base_ = nullptr;
  std::size_t length_ = 0;
  bool writable_ = false;
};

}  // namespace kinshelf::platform
