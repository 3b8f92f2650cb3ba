// Chunks produced on worker threads and consumed in order.
#include "platform/OrderedChunks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kinshelf::platform {
namespace {

// Later chunks are quicker to make, so that they finish first and must wait their turn.
std::string SlowerFirst(std::size_t chunk, std::size_t count) {
  std::this_thread::sleep_for(std::chrono::microseconds(50 * (count - chunk)));
  return std::to_string(chunk);
}

TEST(OrderedChunksTest, ResultsComeInChunkOrderWhateverTheThreads) {
  for (const unsigned threads : {0u, 1u, 3u, 8u}) {
    for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{50}}) {
      std::vector<std::string> seen;
      OrderedChunks<std::string>::Run(
          count, threads, [count](std::size_t chunk) { return SlowerFirst(chunk, count); },
          [&seen](std::string&& result) { seen.push_back(std::move(result)); });
      ASSERT_EQ(seen.size(), count) << threads;
      for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(seen[i], std::to_string(i)) << threads;
    }
  }
}

// A failure reaches the caller in its chunk's turn, after every chunk before it was consumed, and
// no chunk after it is consumed.
TEST(OrderedChunksTest, AFailureComesInItsTurn) {
  const struct {
    const char* rule;
    bool inProduce;
  } cases[] = {{"a chunk that cannot be made", true}, {"a chunk that cannot be consumed", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    std::vector<std::size_t> seen;
    const auto produce = [&c](std::size_t chunk) {
      if (c.inProduce && chunk == 7) throw std::runtime_error("chunk 7");
      return SlowerFirst(chunk, 40);
    };
    const auto consume = [&](std::string&& result) {
      if (!c.inProduce && result == "7") throw std::runtime_error("chunk 7");
      seen.push_back(std::stoul(result));
    };
    EXPECT_THROW(OrderedChunks<std::string>::Run(40, 3, produce, consume), std::runtime_error);
    EXPECT_EQ(seen, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6}));
  }
}

}  // namespace
}  // namespace kinshelf::platform
