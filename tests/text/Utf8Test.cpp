// Telling well-formed UTF-8 from stray bytes.
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace kinshelf
