// Large blocks in mappings of their own, aligned and advised for huge pages.
#include "platform/LargeBlocks.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdint>
#include <limits>

namespace kinshelf::platform {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

void KeepHeapBlocksForReuse() {
  constexpr int kMappedFrom = 32 << 20;
  mallopt(M_MMAP_THRESHOLD, kMappedFrom);
  mallopt(M_TRIM_THRESHOLD, 2 * kMappedFrom);
}

std::size_t HugePageMultiple(std::size_t bytes) {
  if (bytes > std::numeric_limits<std::size_t>::max() - kHugePage) return 0;
  return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

void* MapHugePages(std::size_t length) {
  if (length == 0 || length % kHugePage != 0 || length + kHugePage < length) return nullptr;
  // One huge page more than needed, so that a whole number of them starts on a huge page's
  // boundary; the bytes before and after are given back.
  void* mapped =
      mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) munmap(mapped, aligned - start);
  const std::uintptr_t tail = aligned + length;
  munmap(reinterpret_cast<void*>(tail), start + length + kHugePage - tail);
  auto* block = reinterpret_cast<void*>(aligned);
  madvise(block, length, MADV_HUGEPAGE);
  return block;
}

void* AllocateBlock(std::size_t bytes) {
  if (bytes < kLargeBlockBytes) return ::operator new(bytes);
  void* block = MapHugePages(HugePageMultiple(bytes));
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreeBlock(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
  if (bytes < kLargeBlockBytes) return ::operator delete(block);
  munmap(block, HugePageMultiple(bytes));
}

}  // namespace kinshelf::platform
