// One mapping of a whole file, or of scratch memory of its own, unmapped when it goes out of scope.
// A view belongs to one thread; other threads may read its bytes while it lives.
#pragma once

#include <cstddef>
#include <utility>

#include "platform/FileDescriptor.h"
#include "platform/MappingGuard.h"

namespace kinshelf::platform {

class MappedView {
 public:
  MappedView() = default;
  MappedView(MappedView&& other) noexcept
      : base_(std::exchange(other.base_, nullptr)),
        length_(std::exchange(other.length_, 0)),
        writable_(other.writable_),
        anonymous_(other.anonymous_),
        guard_(std::move(other.guard_)),
        file_(std::move(other.file_)) {}
  MappedView& operator=(MappedView&& other) noexcept;
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;
  ~MappedView();

  // Maps `length` bytes of the open file from offset 0. A writable view is shared with the file; a
  // read-only view is private, so that nothing can write through it, advised to take huge pages, and
  // guarded (see MappingGuard), so that reading it never faults when the file is shortened.
  // Returns an empty view and leaves errno set on failure (a zero length always fails).
  static MappedView Map(int fd, std::size_t length, bool writable);
  // A writable view of zero bytes that belongs to no file, for scratch data: its length is `length`
  // rounded up to whole huge pages, which it takes where the system gives them once it is
  // kHugeScratchBytes long. Returns an empty view on failure (a zero length always fails).
  static MappedView MapAnonymous(std::size_t length);
  static constexpr std::size_t kHugeScratchBytes = std::size_t{4} << 20;

  unsigned char* Base() const { return base_; }
  std::size_t Length() const { return length_; }
  bool IsMapped() const { return base_ != nullptr; }
  bool IsWritable() const { return writable_; }
  bool IsAnonymous() const { return anonymous_; }
  // True once a read of a read-only view touched a page past the end of its shortened file: from
  // that page on, the view reads zeros. One atomic load; any thread.
  bool LostPages() const { return guard_.Damaged(); }
  // True when the file of a read-only view was shortened after mapping: LostPages(), or the file is
  // now shorter than the view, whose last page then reads zeros past the new end. False for a
  // writable or empty view. Asks the system for the file's size; any thread.
  bool Damaged() const;

  // Lets the system take back the pages of a read-only view that were read so far: they stop counting
  // against this process and are read again, from the page cache, when next touched. The bytes and
  // their addresses don't change. Nothing for a writable view.
  void ReleaseResidentPages() const;
  // Makes the pages of bytes [from, to) of a writable view present and writable in one call, where
  // first writes would otherwise fault one page at a time. Only a hint: nothing for a read-only view
  // or a range outside the view, and a failure is ignored.
  void PrepareWrites(std::size_t from, std::size_t to) const;
  // Writes a writable view back to its file; true on success or when there is nothing to write.
  bool Flush() const;
  // Flushes a writable view, then unmaps it. Returns 0 on success, 1 when the flush failed and
  // 2 when the unmapping failed; the view is empty afterwards in every case.
  int Release();

 private:
  unsigned char* base_ = nullptr;
  std::size_t length_ = 0;
  bool writable_ = false;
  bool anonymous_ = false;
  MappingGuard guard_;
  // A read-only view's own descriptor of its file, to tell whether the file got shorter.
  FileDescriptor file_;
};

}  // namespace kinshelf::platform
