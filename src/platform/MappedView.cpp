// One mapping of a whole file, or of scratch memory of its own, unmapped when it goes out of scope.
#include "platform/MappedView.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/LargeBlocks.h"

namespace kinshelf::platform {

MappedView& MappedView::operator=(MappedView&& other) noexcept {
  if (this != &other) {
    Release();
    base_ = std::exchange(other.base_, nullptr);
    length_ = std::exchange(other.length_, 0);
    writable_ = other.writable_;
    anonymous_ = other.anonymous_;
    guard_ = std::move(other.guard_);
    file_ = std::move(other.file_);
  }
  return *this;
}

MappedView::~MappedView() {
  Release();
}

MappedView MappedView::Map(int fd, std::size_t length, bool writable) {
  MappedView view;
  if (length == 0) return view;
  const int protection = writable ? PROT_READ | PROT_WRITE : PROT_READ;
  const int flags = writable ? MAP_SHARED : MAP_PRIVATE;
  void* base = mmap(nullptr, length, protection, flags, fd, 0);
  if (base == MAP_FAILED) return view;
  // Read-ahead stays on. Readers go through a file mostly in order; read page by page, a file not yet
  // cached took one disk read per page, and it filled the cache with single pages that every later
  // mapping faulted in one by one, where read-ahead leaves large ones mapped a megabyte at a time.
  view.base_ = static_cast<unsigned char*>(base);
  view.length_ = length;
  view.writable_ = writable;
  if (writable) return view;
  // A file not yet cached is then read in pieces of 2 MiB that stay mapped whole. Where page tables
  // are shadowed by a hypervisor, each 4 KiB page costs a trap at its first touch in every process.
  madvise(base, length, MADV_HUGEPAGE);
  view.guard_ = MappingGuard::Guard(base, length);
  view.file_ = FileDescriptor(fcntl(fd, F_DUPFD_CLOEXEC, 0));
  if (!view.guard_.IsGuarding() || !view.file_.IsOpen()) {
    // A view that could fault on a shortened file is not handed out.
    const int error = errno;
    view.Release();
    errno = error;
  }
  return view;
}

MappedView MappedView::MapAnonymous(std::size_t length) {
  MappedView view;
  const std::size_t rounded = HugePageMultiple(length);
  if (rounded == 0) return view;
  view.base_ = static_cast<unsigned char*>(MapHugePages(rounded));
  if (view.base_ == nullptr) return view;
  // A small view keeps small pages: its first touch of a huge page would make all 2 MiB of it resident.
  if (rounded < kHugeScratchBytes) madvise(view.base_, rounded, MADV_NOHUGEPAGE);
  view.length_ = rounded;
  view.writable_ = true;
  view.anonymous_ = true;
  return view;
}

bool MappedView::Damaged() const {
  if (writable_ || base_ == nullptr) return false;
  if (LostPages()) return true;
  struct stat status {};
  return fstat(file_.Get(), &status) == 0 && static_cast<std::size_t>(status.st_size) < length_;
}

void MappedView::ReleaseResidentPages() const {
  if (writable_ || base_ == nullptr) return;
  madvise(base_, length_, MADV_DONTNEED);
}

void MappedView::PrepareWrites(std::size_t from, std::size_t to) const {
  if (!writable_ || base_ == nullptr || to > length_) return;
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t first = from / page * page;
  if (to > first) madvise(base_ + first, to - first, MADV_POPULATE_WRITE);
}

bool MappedView::Flush() const {
  if (base_ == nullptr || !writable_ || anonymous_) return true;
  // Dirty pages of a shared mapping stay coherent with the file; this only schedules the write.
  return msync(base_, length_, MS_ASYNC) == 0;
}

int MappedView::Release() {
  if (base_ == nullptr) return 0;
  const bool flushed = Flush();
  // The guard goes first: once unmapped, the range may be handed to another mapping.
  guard_.Release();
  file_.Close();
  const bool unmapped = munmap(base_, length_) == 0;
  base_ = nullptr;
  length_ = 0;
  if (!flushed) return 1;
  return unmapped ? 0 : 2;
}

}  // namespace kinshelf::platform
