// A byte store over one whole file mapped into memory, or over a heap buffer that moves to a mapped
// file once it outgrows kMemoryLimit; a temporary store maps memory of its own in place of a file.
#include "fileaccess/WMMF.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "fileaccess/WMMFError.h"
#include "platform/FileInfo.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/TempFile.h"
#include "platform/UserFolders.h"

namespace kinshelf {

namespace {

constexpr std::int64_t kMaxSize = std::numeric_limits<std::int64_t>::max();
// Appends to a mapped store ready this many bytes ahead at a time.
constexpr std::int64_t kPrepareAhead = 0x100000;

// The step digit of a failed release of a view: 5 when flushing failed, 6 when unmapping did.
void CheckRelease(int result, const std::string& path) {
  if (result != 0) throw WMMFError(path, result == 1 ? 5 : 6);
}

}  // namespace

WMMF::WMMF(const std::string& fileName, bool inMemory, std::int64_t growth, std::int64_t initialSize)
    : growth_(std::max<std::int64_t>(growth, 0)),
      fileName_(fileName),
      temporary_(fileName.empty()),
      writable_(true) {
  const std::int64_t size = std::max<std::int64_t>(initialSize, 0);
  size_ = size;
  if (inMemory && size < kMemoryLimit) {
    inMemory_ = true;
    buffer_.assign(static_cast<std::size_t>(size), 0);
    base_ = buffer_.data();
    capacity_ = size;
    return;
  }
  if (temporary_) {
    if (size <= 0) throw WMMFError(ScratchName(), 3);
    MapScratchMemory(size, 4);
    return;
  }
  const platform::FileDescriptor fd = CreateBackingFile();
  SizeFile(fd, size, 3);
  MapFile(fd, size, 4);
}

WMMF::WMMF(const std::string& fileName, std::int64_t growth, std::uint16_t mode)
    : growth_(std::max<std::int64_t>(growth, 0)), fileName_(fileName), writable_((mode & 0x3) != 0) {
  // Checked first so that a FIFO can't block the open and a folder fails like a missing file.
  if (!platform::FileExists(fileName_)) throw WMMFError(fileName_, 2);
  const platform::FileDescriptor fd = platform::OpenExistingFile(fileName_, writable_);
  if (!fd.IsOpen()) throw WMMFError(fileName_, 2);
  const std::optional<std::int64_t> size = platform::FileSizeOf(fd.Get());
  if (!size) throw WMMFError(fileName_, 2);
  if (*size <= 0) throw WMMFError(fileName_, 3);
  MapFile(fd, *size, 4);
  size_ = *size;
  written_ = size_;
}

WMMF::~WMMF() {
  if (inMemory_ && !temporary_) WriteBackBuffer();
  view_.Release();
}

std::int64_t WMMF::Read(void* buffer, std::int64_t count) {
  if (position_ < 0 || count < 0 || position_ >= size_) return 0;
  const std::int64_t copied = std::min(count, size_ - position_);
  if (copied > 0) std::memcpy(buffer, base_ + position_, static_cast<std::size_t>(copied));
  position_ += copied;
  return copied;
}

std::int64_t WMMF::Write(const void* buffer, std::int64_t count) {
  return WriteRange(count, true, [&](std::int64_t start, std::int64_t end) {
    std::memcpy(base_ + start, buffer, static_cast<std::size_t>(end - start));
  });
}

std::int64_t WMMF::WriteZeros(std::int64_t count) {
  return WriteRange(count, false, [&](std::int64_t start, std::int64_t end) {
    if (start < written_)
      std::memset(base_ + start, 0, static_cast<std::size_t>(std::min(end, written_) - start));
  });
}

template <typename Fill>
std::int64_t WMMF::WriteRange(std::int64_t count, bool pastWritten, Fill&& fill) {
  const std::int64_t start = position_;
  if (start < 0 || count <= 0 || count > kMaxSize - start) return start;
  RequireWritable();
  const std::int64_t end = start + count;
  ExtendTo(end);
  const std::int64_t filled = pastWritten ? end : std::min(end, written_);
  if (filled > start && filled > prepared_) PrepareWrites(filled);
  fill(start, end);
  written_ = std::max(written_, end);
  position_ = end;
  return start;
}

void WMMF::ExtendTo(std::int64_t end) {
  if (end <= size_) return;
  if (end > capacity_) Grow(end);
  size_ = end;
}

std::int64_t WMMF::Seek(std::int64_t offset, int origin) {
  std::int64_t from = 0;
  switch (origin) {
    case 0:
      break;
    case 1:
      from = position_;
      break;
    case 2:
      from = size_;
      break;
    default:
      return position_;
  }
  std::int64_t target = 0;
  if (!__builtin_add_overflow(from, offset, &target)) position_ = target;
  return position_;
}

std::int64_t WMMF::ReadData(void* buffer, std::int64_t count) {
  return Read(buffer, count);
}

std::int64_t WMMF::WriteData(const void* buffer, std::int64_t count) {
  return Write(buffer, count);
}

std::int64_t WMMF::SeekData(std::int64_t offset, int origin) {
  return Seek(offset, origin);
}

unsigned char* WMMF::PointerAt(std::int64_t offset) {
  return offset < 0 || offset > size_ ? nullptr : base_ + offset;
}

const unsigned char* WMMF::PointerAt(std::int64_t offset) const {
  return offset < 0 || offset > size_ ? nullptr : base_ + offset;
}

const std::string& WMMF::FileName() {
  if (!temporary_) return fileName_;
  const platform::FileDescriptor fd = ScratchDescriptor();
  // A store in scratch memory moves into its file, so that its bytes can be reached by the name.
  if (view_.IsAnonymous()) {
    WriteBytesTo(fd);
    SizeFile(fd, capacity_, 8);
    MapFile(fd, capacity_, 9);
  }
  return fileName_;
}

void WMMF::Flush() {
  if (!view_.Flush()) throw WMMFError(fileName_, 5);
}

void WMMF::Grow(std::int64_t size) {
  RequireWritable();
  if (size <= capacity_) return;
  // Half the capacity at least: a fixed step would remap a large store once per step, and the
  // index arrays of a large file grow to tens of megabytes.
  const std::int64_t extra = std::max(growth_, capacity_ / 2);
  const std::int64_t target = size > kMaxSize - extra ? kMaxSize : size + extra;
  if (inMemory_ && target < kMemoryLimit) {
    buffer_.resize(static_cast<std::size_t>(target), 0);
    base_ = buffer_.data();
    capacity_ = target;
    return;
  }
  // A temporary store stays in scratch memory until its name is asked for.
  if (temporary_ && (inMemory_ ? !scratch_.IsOpen() : view_.IsAnonymous())) {
    MapScratchMemory(target, 9);
    return;
  }
  const platform::FileDescriptor fd = inMemory_ ? SpillBuffer() : ReopenFile();
  SizeFile(fd, target, 8);
  MapFile(fd, target, 9);
}

platform::FileDescriptor WMMF::CreateBackingFile() {
  if (temporary_) return ScratchDescriptor();
  platform::FileDescriptor fd = platform::CreateFileAlways(fileName_);
  if (!fd.IsOpen()) throw WMMFError(fileName_, 1);
  return fd;
}

// What a temporary store without a scratch file is called in errors: the names such files get.
std::string WMMF::ScratchName() const {
  return platform::JoinPath(platform::TempFolder(), "orvXXXXXX");
}

// The scratch file is made on first need and kept open: having no name in any folder, it can only
// be reached through its descriptor.
platform::FileDescriptor WMMF::ScratchDescriptor() {
  if (!scratch_.IsOpen()) {
    try {
      platform::TempFile file = platform::CreateScratchFile("orv");
      fileName_ = std::move(file.path);
      scratch_ = std::move(file.fd);
    } catch (const std::runtime_error&) {
      throw WMMFError(ScratchName(), 1);
    }
  }
  platform::FileDescriptor copy(fcntl(scratch_.Get(), F_DUPFD_CLOEXEC, 0));
  if (!copy.IsOpen()) throw WMMFError(fileName_, 1);
  return copy;
}

platform::FileDescriptor WMMF::SpillBuffer() {
  platform::FileDescriptor fd = CreateBackingFile();
  WriteBytesTo(fd);
  return fd;
}

void WMMF::WriteBytesTo(const platform::FileDescriptor& fd) {
  // A scratch file may hold the bytes of an earlier spill whose growth failed.
  if (lseek(fd.Get(), 0, SEEK_SET) != 0 ||
      !platform::WriteAll(fd.Get(), base_, static_cast<std::size_t>(capacity_)))
    throw WMMFError(fileName_, 7);
}

// A temporary store keeps its bytes in memory of its own until its name is asked for: as much
// memory as a scratch file would take, but in huge pages where the system gives them. A scratch
// file's pages are small, and where a hypervisor shadows page tables each one costs a trap at its
// first touch, and again after every remapping as the store grows.
void WMMF::MapScratchMemory(std::int64_t capacity, int step) {
  platform::MappedView view;
  if (std::in_range<std::size_t>(capacity))
    view = platform::MappedView::MapAnonymous(static_cast<std::size_t>(capacity));
  if (!view.IsMapped()) throw WMMFError(ScratchName(), step);
  // Only the bytes in use: the rest is zero in the new memory as in the old, and copying it would
  // only make that memory resident.
  const std::int64_t used = std::min({capacity_, capacity, std::max(size_, written_)});
  if (base_ != nullptr && used > 0) std::memcpy(view.Base(), base_, static_cast<std::size_t>(used));
  const auto room = static_cast<std::int64_t>(view.Length());
  UseView(std::move(view), room);
}

platform::FileDescriptor WMMF::ReopenFile() {
  if (temporary_) return ScratchDescriptor();
  platform::FileDescriptor fd = platform::OpenExistingFile(fileName_, true);
  if (!fd.IsOpen()) throw WMMFError(fileName_, 7);
  return fd;
}

void WMMF::SizeFile(const platform::FileDescriptor& fd, std::int64_t size, int step) {
  if (size <= 0 || !platform::ResizeFile(fd.Get(), size)) throw WMMFError(fileName_, step);
}

// Maps the new view before the old one goes, so that a failure leaves the store as it was.
void WMMF::MapFile(const platform::FileDescriptor& fd, std::int64_t capacity, int step) {
  if (!std::in_range<std::size_t>(capacity)) throw WMMFError(fileName_, step);
  platform::MappedView view =
      platform::MappedView::Map(fd.Get(), static_cast<std::size_t>(capacity), writable_);
  if (!view.IsMapped()) throw WMMFError(fileName_, step);
  UseView(std::move(view), capacity);
}

void WMMF::UseView(platform::MappedView view, std::int64_t capacity) {
  std::swap(view_, view);
  base_ = view_.Base();
  capacity_ = capacity;
  prepared_ = 0;
  inMemory_ = false;
  std::vector<unsigned char>().swap(buffer_);
  CheckRelease(view.Release(), fileName_);
}

// Page by page, first writes to a mapped scratch store cost a fault each, which under virtualisation
// is most of what filling an index costs; a megabyte at a time they cost one call. A named file's
// pages are left alone: made ready for writing, they would all be written back.
void WMMF::PrepareWrites(std::int64_t end) {
  if (inMemory_ || !temporary_) return;
  const std::int64_t to = std::min(capacity_, std::max(end, prepared_ + kPrepareAhead));
  view_.PrepareWrites(static_cast<std::size_t>(std::max(prepared_, position_)), static_cast<std::size_t>(to));
  prepared_ = to;
}

void WMMF::RequireWritable() const {
  if (!writable_) throw std::logic_error("The file " + fileName_ + " is open for reading only");
}

void WMMF::WriteBackBuffer() noexcept {
  const platform::FileDescriptor fd = platform::CreateFileAlways(fileName_);
  if (fd.IsOpen()) platform::WriteAll(fd.Get(), buffer_.data(), buffer_.size());
}

}  // namespace kinshelf
