// Byte-wise comparison and flattening of line breaks.
#include "text/ByteText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kinshelf {
namespace {

using namespace std::string_literals;

struct CompareCase {
  const char* label;
  std::string a;
  std::string b;
  int expected;
};

// Test listings show the row's label instead of its bytes.
void PrintTo(const CompareCase& row, std::ostream* out) {
  *out << row.label;
}

class CompareBytesTest : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareBytesTest, OrdersBothWays) {
  const auto& row = GetParam();
  EXPECT_EQ(CompareBytes(row.a, row.b), row.expected);
  EXPECT_EQ(CompareBytes(row.b, row.a), -row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CompareBytesTest,
                         testing::Values(CompareCase{"BothEmpty", "", "", 0},
                                         CompareCase{"Equal", "Smith", "Smith", 0},
                                         CompareCase{"EmptyIsSmallest", "", "a", -1},
                                         CompareCase{"PrefixIsSmaller", "Smith", "Smithson", -1},
                                         CompareCase{"FirstDifferenceWinsOverLength", "b", "abc", 1},
                                         CompareCase{"UpperCaseBeforeLowerCase", "Z", "a", -1},
                                         CompareCase{"HighBytesAreUnsigned", "\xE9", "z", 1},
                                         CompareCase{"EmbeddedNulCounts", "a\0b"s, "a\0c"s, -1},
                                         CompareCase{"NulBeforeEnd", "a"s, "a\0"s, -1}),
                         [](const testing::TestParamInfo<CompareCase>& info) {
                           return std::string(info.param.label);
                         });

struct FlattenCase {
  const char* label;
  std::string text;
  std::string expected;
};

// Test listings show the row's label instead of its bytes.
void PrintTo(const FlattenCase& row, std::ostream* out) {
  *out << row.label;
}

class ByteTextFlattenTest : public testing::TestWithParam<FlattenCase> {};

TEST_P(ByteTextFlattenTest, FlattenLineBreaksGivesOneLine) {
  EXPECT_EQ(FlattenLineBreaks(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ByteTextFlattenTest,
    testing::Values(FlattenCase{"NoBreaks", "1 Main St", "1 Main St"},
                    FlattenCase{"CrLfIsOneSpace", "1 Main St\r\nSpringfield", "1 Main St Springfield"},
                    FlattenCase{"LfAloneVanishes", "1 Main St\nSpringfield", "1 Main StSpringfield"},
                    FlattenCase{"CrAloneIsASpace", "a\rb", "a b"},
                    FlattenCase{"LfCrIsOneSpace", "a\n\rb", "a b"},
                    FlattenCase{"EveryCrCounts", "a\r\n\r\nb\r", "a  b "},
                    FlattenCase{"OtherBytesKept", "\t\xE9\0x"s, "\t\xE9\0x"s}),
    [](const testing::TestParamInfo<FlattenCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kinshelf
