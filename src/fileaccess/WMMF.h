// A byte store over one whole file mapped into memory, or over a heap buffer that moves to a mapped
// file once it outgrows kMemoryLimit. A store belongs to one thread; nothing here locks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileDescriptor.h"
#include "platform/MappedView.h"

namespace kinshelf {

class WMMF {
 public:
  // Open modes: the access in bits 0-1, the sharing in bits 4-6, or kModeCreate. Linux has no share
  // modes, so the sharing bits are accepted and ignored.
  static constexpr std::uint16_t kModeRead = 0x0;
  static constexpr std::uint16_t kModeWrite = 0x1;
  static constexpr std::uint16_t kModeReadWrite = 0x2;
  static constexpr std::uint16_t kShareDenyNone = 0x40;
  static constexpr std::uint16_t kModeCreate = 0xFFFF;
  // A store asked to live in memory stays there while it is smaller than this.
  static constexpr std::int64_t kMemoryLimit = 0x80000;

  // Creates a writable store of `initialSize` zero bytes. An empty name makes the store temporary:
  // where a named store maps its file, a temporary one maps memory of its own, until its name is
  // asked for; its bytes then move to a scratch file in memory (platform::CreateScratchFile) that goes
  // with the store and never with a name in a folder. With `inMemory` and an initial size below
  // kMemoryLimit the store starts as a heap buffer; otherwise the file is created (replacing any file of that
  // name) and mapped. Throws WMMFError: step 1 when the file can't be created, 3 when it is empty or can't be
  // sized, 4 when it (or a temporary store's memory) can't be mapped.
  WMMF(const std::string& fileName, bool inMemory, std::int64_t growth, std::int64_t initialSize);
  // Opens an existing regular file and maps it whole; writable when the mode asks for writing.
  // Throws WMMFError: step 2 when the file is missing, not a regular file, can't be opened or sized,
  // 3 when it is empty, 4 when it can't be mapped.
  WMMF(const std::string& fileName, std::int64_t growth, std::uint16_t mode);
  WMMF(const WMMF&) = delete;
  WMMF& operator=(const WMMF&) = delete;
  // A named store in memory writes its buffer (all capacity bytes) to its file; a mapped view is
  // flushed and unmapped; a temporary store deletes its file. Failures can't be reported here.
  virtual ~WMMF();

  // Copies up to `count` bytes from the position and advances past them. Returns the count copied:
  // 0 when the position or count is negative or the position is at or past the size.
  virtual std::int64_t Read(void* buffer, std::int64_t count);
  // Copies `count` bytes to the position, growing the store as needed, and moves the position past
  // them. Returns the position before the write; nothing happens for a negative position or a count
  // of 0 or less. Throws std::logic_error on a read-only store and WMMFError when growing fails.
  virtual std::int64_t Write(const void* buffer, std::int64_t count);
  // Writes `count` zero bytes at the position like Write. Bytes past every earlier write are zero
  // already, so only those below it are written.
  std::int64_t WriteZeros(std::int64_t count);
  // Moves the position by `offset` from the start (origin 0), the position (1) or the size (2) and
  // returns it. Another origin, or a result beyond 64 bits, leaves the position unchanged.
  virtual std::int64_t Seek(std::int64_t offset, int origin);
  // The entry points for clients; here they do what Read, Write and Seek do.
  virtual std::int64_t ReadData(void* buffer, std::int64_t count);
  virtual std::int64_t WriteData(const void* buffer, std::int64_t count);
  virtual std::int64_t SeekData(std::int64_t offset, int origin);

  // The first byte; nullptr for an empty store. Valid until the next write that grows the store.
  // Writing through it needs a writable store.
  unsigned char* Memory() { return base_; }
  const unsigned char* Memory() const { return base_; }
  // The byte at `offset`, or nullptr unless 0 <= offset <= Size() (Size() gives the end pointer).
  // Valid until the next write that grows the store.
  unsigned char* PointerAt(std::int64_t offset);
  const unsigned char* PointerAt(std::int64_t offset) const;
  // One past the last byte of the data; scans stop here. Valid like Memory().
  const unsigned char* End() const { return base_ + size_; }
  std::int64_t Size() const { return size_; }
  std::int64_t Position() const { return position_; }
  bool IsInMemory() const { return inMemory_; }
  // The path of the backing file; for a temporary store, its scratch file's "/proc/self/fd/N",
  // created first when the store has none yet, with the store's bytes. Throws WMMFError step 1 when
  // it can't be created, 7 or 8 when the bytes can't be written to it, 9 when it can't be mapped.
  const std::string& FileName();
  // Schedules the writing of a mapped view to its file; nothing in memory. Throws WMMFError step 5.
  void Flush();
  // Makes room for at least `size` bytes plus the growth step or half the capacity, whichever is
  // larger; nothing when there is room already.
  // A heap buffer that would reach kMemoryLimit moves to the file (a temporary store's, to memory of
  // its own). Throws std::logic_error on a read-only store, WMMFError 1 or 7 when the file can't be
  // created, written or opened, 8 when it can't be extended, 9 when the larger view can't be mapped,
  // 5 or 6 when the old view can't be released. The store stays usable after a failure.
  void Grow(std::int64_t size);

 protected:
  // The mapping of a mapped store; empty while the store lives in memory.
  const platform::MappedView& View() const { return view_; }

 private:
  platform::FileDescriptor CreateBackingFile();
  platform::FileDescriptor ScratchDescriptor();
  platform::FileDescriptor SpillBuffer();
  platform::FileDescriptor ReopenFile();
  void SizeFile(const platform::FileDescriptor& fd, std::int64_t size, int step);
  void MapFile(const platform::FileDescriptor& fd, std::int64_t capacity, int step);
  void MapScratchMemory(std::int64_t capacity, int step);
  std::string ScratchName() const;
  // Makes `view` the store's, with room for `capacity` bytes, and releases the one before.
  void UseView(platform::MappedView view, std::int64_t capacity);
  // Writes the store's bytes, all capacity bytes of them, to the start of the file.
  void WriteBytesTo(const platform::FileDescriptor& fd);
  void RequireWritable() const;
  void PrepareWrites(std::int64_t end);
  // Writes `count` bytes at the position through fill(start, end) once the store has room for
  // them, and moves the position past them; the checks and the result of Write. Without
  // `pastWritten` the fill leaves the bytes past every earlier write alone, so they are not made
  // ready for writing.
  template <typename Fill>
  std::int64_t WriteRange(std::int64_t count, bool pastWritten, Fill&& fill);
  // Grows the size to `end` when it is short of it.
  void ExtendTo(std::int64_t end);
  void WriteBackBuffer() noexcept;

  bool inMemory_ = false;
  unsigned char* base_ = nullptr;
  std::int64_t size_ = 0;
  std::int64_t capacity_ = 0;
  std::int64_t position_ = 0;
  std::int64_t growth_ = 0;
  std::int64_t prepared_ = 0;  // the end of the mapped bytes made ready for writing
  std::int64_t written_ = 0;   // the end of the bytes ever written; all past it are zero
  std::string fileName_;
  bool temporary_ = false;
  bool writable_ = false;
  std::vector<unsigned char> buffer_;
  platform::MappedView view_;
  platform::FileDescriptor scratch_;  // a temporary store's file, once it has one
};

}  // namespace kinshelf
