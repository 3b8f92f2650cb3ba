// The scratch store: its header, appends and their offsets, zero runs, and the move to a file.
#include "fileaccess/WVersionMMF.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fileaccess/FileAccessTestSupport.h"

namespace kinshelf {
namespace {

std::string Text(const WVersionMMF& store, std::int64_t offset, std::int64_t size) {
  return std::string(reinterpret_cast<const char*>(store.PointerAt(offset)), static_cast<std::size_t>(size));
}

TEST(WVersionMMFTest, NewStoreStartsInMemoryWithAnEmptyHeader) {
  WVersionMMF store(std::string(), 0x4000, 0x4000);
  EXPECT_TRUE(store.IsInMemory());
  EXPECT_EQ(store.Size(), 0x4000);
  EXPECT_EQ(store.UsedLength(), 8);
  EXPECT_EQ(store.DataStart(), 8);
  EXPECT_EQ(Text(store, 0, 8), std::string("\1\0\0\0\x08\0\0\0", 8));
}

TEST(WVersionMMFTest, HeaderIsWrittenEvenIntoAnEmptyStore) {
  WVersionMMF store(std::string(), 16, 0);
  EXPECT_EQ(store.UsedLength(), 8);
  EXPECT_EQ(store.AppendString("x"), 8);
}

TEST(WVersionMMFTest, AppendsReturnTheirStartAndRaiseTheUsedLength) {
  WVersionMMF store(std::string(), 0x4000, 0x4000);
  EXPECT_EQ(store.AppendString("abc"), 8);
  EXPECT_EQ(store.Append("de", 2), 11);
  EXPECT_EQ(store.AppendString(""), 13);
  EXPECT_EQ(store.UsedLength(), 13);
  EXPECT_EQ(Text(store, store.DataStart(), store.UsedLength() - store.DataStart()), "abcde");
}

TEST(WVersionMMFTest, WriteDataOnlyEverRaisesTheUsedLength) {
  WVersionMMF store(std::string(), 0x4000, 0x4000);
  store.AppendString("0123456789");
  store.Seek(9, 0);
  EXPECT_EQ(store.WriteData("x", 1), 9);
  EXPECT_EQ(store.UsedLength(), 18);
  store.Seek(20, 0);
  EXPECT_EQ(store.WriteData("yz", 2), 20);
  EXPECT_EQ(store.UsedLength(), 22);
}

TEST(WVersionMMFTest, ResetHeaderEmptiesTheStore) {
  WVersionMMF store(std::string(), 0x4000, 0x4000);
  store.AppendString("abc");
  store.ResetHeader();
  EXPECT_EQ(store.UsedLength(), 8);
  EXPECT_EQ(store.Position(), 8);
  EXPECT_EQ(store.AppendString("z"), 8);
}

TEST(WVersionMMFTest, UsedLengthMustStayInsideTheStore) {
  WVersionMMF store(std::string(), 0x4000, 64);
  EXPECT_THROW(store.SetUsedLength(7), std::out_of_range);
  EXPECT_THROW(store.SetUsedLength(65), std::out_of_range);
  store.SetUsedLength(64);
  EXPECT_EQ(store.UsedLength(), 64);
}

class WVersionMMFZerosTest : public testing::TestWithParam<std::int64_t> {};

// Zeros go over earlier bytes, so any block written too long or too short shows.
TEST_P(WVersionMMFZerosTest, AppendZerosWritesExactlyTheCount) {
  const std::int64_t count = GetParam();
  WVersionMMF store(std::string(), 0x4000, 0x4000);
  store.AppendString(std::string(static_cast<std::size_t>(count) + 1, '\xAB'));
  store.ResetHeader();
  EXPECT_EQ(store.AppendZeros(count), 8);
  EXPECT_EQ(store.UsedLength(), 8 + count);
  EXPECT_EQ(Text(store, 8, count), std::string(static_cast<std::size_t>(count), '\0'));
  EXPECT_EQ(Text(store, 8 + count, 1), "\xAB");
}

INSTANTIATE_TEST_SUITE_P(BlockBoundaries, WVersionMMFZerosTest,
                         testing::Values(0, 1, 0xFFFF, 0x10000, 0x10001, 0x20005));

// Zeros past the end of every write are left as the store's fresh bytes; bytes written since,
// through a pointer too, must be cleared by the next zeros over them.
TEST(WVersionMMFTest, ZerosPastEveryWriteReadAsZeroAndClearLaterWrites) {
  WVersionMMF store(std::string(), 0x4000, 0x4000);
  store.AppendString(std::string(600000, '\xAB'));
  store.ResetHeader();
  store.AppendZeros(700000);
  EXPECT_FALSE(store.IsInMemory());
  EXPECT_EQ(Text(store, 8, 700000), std::string(700000, '\0'));
  *store.PointerAt(650000) = 0xCD;
  store.SetUsedLength(8);
  store.AppendZeros(700000);
  EXPECT_EQ(Text(store, 8, 700000), std::string(700000, '\0'));
}

TEST(WVersionMMFTest, SpillsToAScratchFileWithoutAName) {
  const std::string data = test::Pattern(600000);
  {
    WVersionMMF store(std::string(), 0x4000, 0x4000);
    for (std::size_t done = 0; done < data.size(); done += 1000) store.AppendString(data.substr(done, 1000));
    EXPECT_FALSE(store.IsInMemory());
    EXPECT_TRUE(test::TemporaryStoreFiles().empty());
    EXPECT_EQ(store.UsedLength(), 8 + static_cast<std::int64_t>(data.size()));
    EXPECT_EQ(Text(store, 8, static_cast<std::int64_t>(data.size())), data);
  }
}

}  // namespace
}  // namespace kinshelf
