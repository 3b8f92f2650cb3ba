// The output buffer keeps what was written as it grows, whatever room each write asked for.
#include "cli/OutputBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kinshelf::cli {
namespace {

// Buffers kept to the end start small or in blocks of their own, and grow from one into the other.
TEST(OutputBufferTest, WritesSurviveEveryGrowth) {
  for (const bool kept : {false, true}) {
    for (const std::size_t capacity : {0, 1, 7, 4096, 3 << 20}) {
      OutputBuffer out = kept ? OutputBuffer::Kept(capacity) : OutputBuffer(capacity);
      std::string expected;
      // Pieces of up to 64 KiB take a kept buffer past the size from which it has a mapping of its own.
      for (std::size_t piece = 0; piece < 300; ++piece) {
        const std::string text(piece % 37 * (kept ? 1771 : 1), static_cast<char>('a' + piece % 26));
        // Asks for more room than it uses, as a writer with a bound does.
        char* room = out.Room(text.size() * 3 + 1);
        std::memcpy(room, text.data(), text.size());
        out.Commit(room + text.size());
        expected += text;
      }
      ASSERT_EQ(out.View(), expected) << kept << " " << capacity;
    }
  }
}

TEST(OutputBufferDeathTest, AWriterPastItsRoomStopsTheProcess) {
  OutputBuffer out(64);
  EXPECT_DEATH(
      {
        char* room = out.Room(4);
        out.Commit(room + 5);
      },
      "");
}

}  // namespace
}  // namespace kinshelf::cli
