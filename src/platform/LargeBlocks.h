// Memory for large arrays that a command fills once and keeps to its end. Every fresh 4 KiB page
// costs a fault, and on a virtual machine a fault can cost more than the bytes it maps; in huge
// pages, where the system gives them, a block costs one fault per 2 MiB.
#pragma once

#include <cstddef>
#include <limits>
#include <new>

namespace kinshelf::platform {

// Blocks of at least this many bytes get mappings of their own; smaller ones come from the heap,
// where freed memory is used again at no cost.
inline constexpr std::size_t kLargeBlockBytes = std::size_t{1} << 20;

// Makes the heap keep the blocks it hands out below 32 MB, and their memory once freed, for reuse:
// as the C library settles after freeing a block that large, but from the start. Otherwise a
// listing's chunk buffers of a few hundred kilobytes each get fresh mappings, and every page of
// every chunk costs a fault. Called once, first thing in main.
void KeepHeapBlocksForReuse();

// `bytes` rounded up to a whole number of huge pages (2 MiB); 0 when that overflows.
std::size_t HugePageMultiple(std::size_t bytes);
// A mapping of its own of `length` zero bytes, `length` a whole number of huge pages from
// HugePageMultiple, starting on a huge page's boundary and advised to take huge pages. nullptr when
// there is no memory. Unmapped with munmap(block, length).
void* MapHugePages(std::size_t length);

// A block of `bytes` bytes, aligned for any type; throws std::bad_alloc when there is no memory.
void* AllocateBlock(std::size_t bytes);
// Frees a block from AllocateBlock with the same size.
void FreeBlock(void* block, std::size_t bytes) noexcept;

// An allocator for standard containers whose large buffers come from AllocateBlock.
template <typename T>
class LargeBlockAllocator {
 public:
  using value_type = T;

  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    if (count > std::numeric_limits<std::size_t>::max() / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(AllocateBlock(count * sizeof(T)));
  }
  void deallocate(T* block, std::size_t count) noexcept { FreeBlock(block, count * sizeof(T)); }

  friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }
};

}  // namespace kinshelf::platform
