// Large blocks: small ones come from the heap, large ones from huge-page mappings, and a container
// that grows through both keeps its elements.
#include "platform/LargeBlocks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

namespace kinshelf::platform {
namespace {

TEST(LargeBlocksTest, BlocksOfEverySizeHoldTheirBytes) {
  for (const std::size_t bytes : {std::size_t{1}, kLargeBlockBytes - 1, kLargeBlockBytes,
                                  kLargeBlockBytes + 1, std::size_t{3} * kLargeBlockBytes + 12345}) {
    auto* block = static_cast<unsigned char*>(AllocateBlock(bytes));
    std::memset(block, 0xA5, bytes);
    EXPECT_EQ(block[bytes - 1], 0xA5) << bytes;
    // A large block starts on a huge page, so that it can be given in whole huge pages.
    if (bytes >= kLargeBlockBytes) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % (2u << 20), 0u) << bytes;
    }
    FreeBlock(block, bytes);
  }
}

TEST(LargeBlocksTest, GrowingVectorKeepsItsElements) {
  std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> values;
  constexpr std::uint32_t kCount = 5'000'000;  // 20 MB: moved from the heap to mappings and between them
  for (std::uint32_t value = 0; value < kCount; ++value) values.push_back(value);
  std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> expected(kCount);
  std::iota(expected.begin(), expected.end(), 0u);
  EXPECT_EQ(values, expected);
}

}  // namespace
}  // namespace kinshelf::platform
