// The bounded cursor: little-endian reads, and short reads that fail without moving.
#include "paf/ByteCursor.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kinshelf {
namespace {

enum class Width { k8, k16, k24, k32, kSigned32 };

struct ReadRow {
  const char* label;
  std::vector<unsigned char> bytes;
  Width width;
  std::optional<std::int64_t> value;  // nullopt: the read fails
};

void PrintTo(const ReadRow& row, std::ostream* out) {
  *out << row.label;
}

std::optional<std::int64_t> Read(ByteCursor& cursor, Width width) {
  const auto widen = [](auto value) -> std::optional<std::int64_t> {
    if (!value) return std::nullopt;
    return static_cast<std::int64_t>(*value);
  };
  switch (width) {
    case Width::k8:
      return widen(cursor.ReadU8());
    case Width::k16:
      return widen(cursor.ReadU16());
    case Width::k24:
      return widen(cursor.ReadU24());
    case Width::k32:
      return widen(cursor.ReadU32());
    case Width::kSigned32:
      return widen(cursor.ReadI32());
  }
  return std::nullopt;
}

class ByteCursorReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(ByteCursorReadTest, ReadsLowestByteFirstOrFailsInPlace) {
  const auto& row = GetParam();
  ByteCursor cursor(row.bytes);
  const std::size_t before = cursor.Position();
  EXPECT_EQ(Read(cursor, row.width), row.value);
  const std::size_t widths[] = {1, 2, 3, 4, 4};
  const std::size_t moved = row.value ? widths[static_cast<int>(row.width)] : 0;
  EXPECT_EQ(cursor.Position(), before + moved);
}

INSTANTIATE_TEST_SUITE_P(Rows, ByteCursorReadTest,
                         testing::Values(ReadRow{"Byte", {0xAB}, Width::k8, 0xAB},
                                         ReadRow{"EmptyByte", {}, Width::k8, std::nullopt},
                                         ReadRow{"Word", {0x34, 0x12}, Width::k16, 0x1234},
                                         ReadRow{"ShortWord", {0x34}, Width::k16, std::nullopt},
                                         ReadRow{"ThreeBytes", {0x59, 0x68, 0x25}, Width::k24, 2451545},
                                         ReadRow{"ShortThreeBytes", {0x59, 0x66}, Width::k24, std::nullopt},
                                         ReadRow{"Long", {0x78, 0x56, 0x34, 0x12}, Width::k32, 0x12345678},
                                         ReadRow{
                                             "HighBitUnsigned", {0, 0, 0, 0x80}, Width::k32, 0x80000000LL},
                                         ReadRow{"ShortLong", {1, 2, 3}, Width::k32, std::nullopt},
                                         ReadRow{"MinusOne", {0xFF, 0xFF, 0xFF, 0xFF}, Width::kSigned32, -1},
                                         ReadRow{"ShortSigned", {0xFF}, Width::kSigned32, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ByteCursorTest, TakenCursorStopsAtItsOwnEnd) {
  const std::array<unsigned char, 6> bytes{1, 2, 3, 4, 5, 6};
  ByteCursor cursor(bytes);
  ASSERT_TRUE(cursor.Skip(1));
  auto taken = cursor.Take(2);
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(cursor.Position(), 3U);
  EXPECT_EQ(taken->ReadU16(), 0x0302);
  EXPECT_EQ(taken->ReadU8(), std::nullopt);
  EXPECT_FALSE(cursor.Take(4).has_value());
  EXPECT_EQ(cursor.Position(), 3U);
}

TEST(ByteCursorTest, SeekAndSkipStopAtTheEnd) {
  const std::array<unsigned char, 4> bytes{};
  ByteCursor cursor(bytes);
  EXPECT_TRUE(cursor.Seek(4));
  EXPECT_EQ(cursor.Remaining(), 0U);
  EXPECT_FALSE(cursor.Seek(5));
  EXPECT_EQ(cursor.Position(), 4U);
  ASSERT_TRUE(cursor.Seek(1));
  EXPECT_FALSE(cursor.Skip(4));
  EXPECT_TRUE(cursor.Skip(3));
}

struct TextRow {
  const char* label;
  std::vector<unsigned char> bytes;
  std::size_t maxWidth;
  const char* text;
  std::size_t positionAfter;
};

void PrintTo(const TextRow& row, std::ostream* out) {
  *out << row.label;
}

class ByteCursorTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(ByteCursorTextTest, EndsAtZeroWidthOrRange) {
  const auto& row = GetParam();
  ByteCursor cursor(row.bytes);
  EXPECT_EQ(cursor.ReadZeroEndedText(row.maxWidth), row.text);
  EXPECT_EQ(cursor.Position(), row.positionAfter);
}

INSTANTIATE_TEST_SUITE_P(Rows, ByteCursorTextTest,
                         testing::Values(TextRow{"ZeroEnds", {'a', 'b', 0, 'c'}, 10, "ab", 3},
                                         TextRow{"WidthEnds", {'a', 'b', 'c', 'd'}, 3, "abc", 3},
                                         TextRow{"RangeEnds", {'a', 'b'}, 10, "ab", 2},
                                         TextRow{"LeadingZero", {0, 'a'}, 10, "", 1},
                                         TextRow{"NothingLeft", {}, 10, "", 0}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kinshelf
