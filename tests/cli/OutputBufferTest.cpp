// The output buffer keeps what was written as it grows, whatever room each write asked for.
#include "cli/OutputBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kinshelf::cli {
namespace {

TEST(OutputBufferTest, WritesSurviveEveryGrowth) {
  for (const std::size_t capacity : {0, 1, 7, 4096}) {
    OutputBuffer out(capacity);
    std::string expected;
    for (std::size_t piece = 0; piece < 300; ++piece) {
      const std::string text(piece % 37, static_cast<char>('a' + piece % 26));
      // Asks for more room than it uses, as a writer with a bound does.
      char* room = out.Room(text.size() * 3 + 1);
      std::memcpy(room, text.data(), text.size());
      out.Commit(room + text.size());
      expected += text;
    }
    EXPECT_EQ(out.View(), expected) << capacity;
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
