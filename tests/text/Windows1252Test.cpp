// Windows-1252 to UTF-8: every high byte, and high bytes between ASCII runs of every length.
#include "text/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

#include "text/Utf8.h"

namespace kinshelf {
namespace {

// The character a one-byte text becomes.
char32_t CharacterOf(unsigned byte) {
  const std::string utf8 = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
  const std::size_t length = Utf8SequenceLength(utf8, 0);
  return length == utf8.size() ? Utf8CodePoint(utf8, 0, length) : char32_t{0xFFFFFFFF};
}

TEST(Windows1252Test, EveryByteBecomesItsCharacter) {
  const struct {
    unsigned byte;
    char32_t character;
  } pinned[] = {{0x41, U'A'}, {0x80, U'€'}, {0x81, 0x81}, {0x8A, U'Š'},
                {0x99, U'™'}, {0x9D, 0x9D}, {0x9F, U'Ÿ'}, {0xA0, 0xA0}};
  for (const auto& [byte, character] : pinned) EXPECT_EQ(CharacterOf(byte), character) << byte;
  for (unsigned byte = 0; byte <= 0xFF; ++byte) {
    if (byte < 0x80 || byte >= 0xA0) {
      EXPECT_EQ(CharacterOf(byte), char32_t{byte}) << byte;
    }
  }
}

// Runs of ASCII across the scan's sixteen-byte steps, with one or two high bytes after them: the
// text is the one-byte conversions joined, and nothing is written past the room.
TEST(Windows1252Test, HighBytesBetweenAsciiRunsOfEveryLength) {
  for (unsigned high = 0x80; high <= 0xFF; ++high) {
    const std::string alone = Windows1252ToUtf8(std::string(1, static_cast<char>(high)));
    for (std::size_t run = 0; run <= 34; ++run) {
      const std::string ascii(run, 'a');
      const std::string text = ascii + static_cast<char>(high) + ascii + static_cast<char>(high);
      std::string room(kMostUtf8PerWindows1252Byte * text.size() + 1, '#');
      char* end = PutWindows1252AsUtf8(room.data(), text);
      ASSERT_EQ(std::string(room.data(), end), ascii + alone + ascii + alone) << high << " " << run;
      ASSERT_EQ(room.back(), '#');
    }
  }
}

// One high byte at every place of texts of every length up to past two steps of the scan, with
// ASCII after it too: the ends of texts are looked at in words that overlap what was read before.
TEST(Windows1252Test, AHighByteAnywhereInTextsOfEveryLength) {
  for (std::size_t size = 1; size <= 40; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      const std::string text = std::string(at, 'a') + '\xe9' + std::string(size - at - 1, 'b');
      EXPECT_EQ(Windows1252ToUtf8(text), std::string(at, 'a') + "\xc3\xa9" + std::string(size - at - 1, 'b'))
          << size << " " << at;
    }
  }
}

}  // namespace
}  // namespace kinshelf
