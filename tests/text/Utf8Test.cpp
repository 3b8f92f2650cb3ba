// Telling well-formed UTF-8 from stray bytes, and writing code points as UTF-8.
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

namespace kinshelf {
namespace {

struct SequenceCase {
  const char* label;
  std::string bytes;
  std::size_t length;  // of the sequence at position 0; 0 when none starts there
};

class Utf8SequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(Utf8SequenceTest, LengthAtTheStart) {
  EXPECT_EQ(Utf8SequenceLength(GetParam().bytes, 0), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Utf8SequenceTest,
    testing::Values(
        SequenceCase{"Ascii", "a", 1}, SequenceCase{"TwoBytes", "\xc3\xad", 2},
        SequenceCase{"ThreeBytes", "\xe2\x80\x94", 3}, SequenceCase{"FourBytes", "\xf0\x9f\x98\x80", 4},
        SequenceCase{"LoneContinuation", "\x80", 0}, SequenceCase{"OverlongTwo", "\xc0\xaf", 0},
        SequenceCase{"OverlongThree", "\xe0\x80\xaf", 0}, SequenceCase{"Surrogate", "\xed\xa0\x80", 0},
        SequenceCase{"AboveUnicode", "\xf4\x90\x80\x80", 0}, SequenceCase{"Truncated", "\xe2\x80", 0},
        SequenceCase{"BadContinuation", "\xe2\x28\xa1", 0}, SequenceCase{"Latin1Byte", "\xff", 0}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return std::string(info.param.label); });

TEST(Utf8Test, CodePointsAndDisplayLength) {
  EXPECT_EQ(Utf8CodePoint("\xc3\xad", 0, 2), U'\u00ed');
  EXPECT_EQ(Utf8CodePoint("\xf0\x9f\x98\x80", 0, 4), U'\U0001F600');
  EXPECT_EQ(DisplayLength("Åström"), 6u);
  EXPECT_EQ(DisplayLength("a\xff\xfe"
                          "b"),
            4u);
  EXPECT_EQ(Utf8SequenceLength("ab", 2), 0u);
}

// The leading ASCII run ends at the first byte of 0x80 or above, wherever it falls in a sixteen- or
// eight-byte step or in the bytes after the last whole one.
TEST(Utf8Test, AsciiPrefixEndsAtTheFirstHighByte) {
  const std::string word = "abcdefgh";
  const std::pair<std::string, std::size_t> rows[] = {
      {"", 0},
      {word + word, 16},
      {"\x80" + word, 0},
      {"abcdefg\xff" + word, 7},
      {word + "abc\xe9", 11},
      {word + "\x7f\x01 \xc3\xa9", 11},
  };
  for (const auto& [text, length] : rows) EXPECT_EQ(AsciiPrefixLength(text), length) << text;
  // Every length across the sixteen- and eight-byte steps, the first high byte anywhere or nowhere.
  for (std::size_t size = 0; size <= 40; ++size) {
    for (std::size_t high = 0; high <= size; ++high) {
      std::string text(size, 'a');
      if (high < size) text[high] = '\x80';
      if (high + 3 < size) text[high + 3] = '\xff';
      EXPECT_EQ(AsciiPrefixLength(text), high) << size << " " << high;
    }
  }
}

// Well-formed texts of every length across the sixteen- and eight-byte steps, with characters of
// two, three and four bytes starting anywhere: the quick count agrees with the full one.
TEST(Utf8Test, WellFormedDisplayLengthAgreesWithDisplayLength) {
  const std::string wide[] = {"\xc3\xa9", "\xe2\x80\xa6", "\xf0\x9f\x98\x80", "\xc2\x80", "\xef\xbf\xbf"};
  for (std::size_t size = 0; size <= 40; ++size) {
    for (std::size_t at = 0; at <= size; ++at) {
      for (const std::string& character : wide) {
        std::string text(size, 'a');
        text.insert(at, character);
        if (at + 7 < text.size()) text.insert(at + 7, wide[size % std::size(wide)]);
        ASSERT_EQ(WellFormedDisplayLength(text), DisplayLength(text)) << size << " " << at;
        ASSERT_EQ(WellFormedDisplayLength(text.substr(0, at)), at) << size << " " << at;
      }
    }
  }
}

struct EncodeCase {
  const char* label;
  char32_t codePoint;
  std::string bytes;
};

class AppendUtf8Test : public testing::TestWithParam<EncodeCase> {};

TEST_P(AppendUtf8Test, AppendsAfterWhatIsThere) {
  std::string out = "x";
  AppendUtf8(out, GetParam().codePoint);
  EXPECT_EQ(out, "x" + GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Rows, AppendUtf8Test,
                         testing::Values(EncodeCase{"Nul", 0, std::string(1, '\0')},
                                         EncodeCase{"LastAscii", 0x7F, "\x7f"},
                                         EncodeCase{"FirstTwoBytes", 0x80, "\xc2\x80"},
                                         EncodeCase{"LastTwoBytes", 0x7FF, "\xdf\xbf"},
                                         EncodeCase{"FirstThreeBytes", 0x800, "\xe0\xa0\x80"},
                                         EncodeCase{"LastThreeBytes", 0xFFFF, "\xef\xbf\xbf"},
                                         EncodeCase{"FirstFourBytes", 0x10000, "\xf0\x90\x80\x80"},
                                         EncodeCase{"LastCodePoint", 0x10FFFF, "\xf4\x8f\xbf\xbf"},
                                         EncodeCase{"SurrogateIsReplaced", 0xD800, "\xef\xbf\xbd"},
                                         EncodeCase{"AboveUnicodeIsReplaced", 0x110000, "\xef\xbf\xbd"}),
                         [](const testing::TestParamInfo<EncodeCase>& info) {
                           return std::string(info.param.label);
                         });

// Every code point UTF-8 can carry reads back whole from what AppendUtf8 wrote.
TEST(Utf8Test, EveryCodePointReadsBack) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::string out;
    AppendUtf8(out, c);
    ASSERT_EQ(Utf8SequenceLength(out, 0), out.size()) << std::hex << static_cast<unsigned>(c);
    ASSERT_EQ(Utf8CodePoint(out, 0, out.size()), c) << std::hex << static_cast<unsigned>(c);
  }
}

}  // namespace
}  // namespace kinshelf
