// The mapped-file store: failures and their step digits, the position rules of Read, Write and
// Seek, growth from a heap buffer to a file, and what a store leaves on disk when it goes.
#include "fileaccess/WMMF.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>

#include "fileaccess/FileAccessTestSupport.h"
#include "fileaccess/WMMFError.h"
#include "fileaccess/WMMFReadOnly.h"
#include "platform/MappedView.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

std::string Text(const unsigned char* bytes, std::int64_t size) {
  return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
}

// The step of the WMMFError that `action` throws, or 0 when it throws none.
int FailingStep(const std::function<void()>& action, const std::string& path) {
  try {
    action();
  } catch (const WMMFError& error) {
    EXPECT_EQ(error.Path(), path);
    EXPECT_EQ(std::string(error.what()), "Error using the file " + path +
                                             "\r\nPlease check that this file is not being used by another "
                                             "application." +
                                             std::to_string(error.Step()));
    return error.Step();
  }
  return 0;
}

TEST(WMMFTest, OpeningFailuresNameTheFileAndTheStep) {
  test::ScratchFolder folder;
  struct Row {
    const char* rule;
    std::string path;
    int step;
  };
  const Row rows[] = {
      {"a missing file can't be opened", folder.Path("missing.ged"), 2},
      {"a folder is not a file", folder.MakeFolder("tree.ged"), 2},
      {"an empty file can't be mapped", folder.WriteFile("empty.ged", ""), 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    EXPECT_EQ(FailingStep([&] { WMMFReadOnly file(row.path); }, row.path), row.step);
  }
}

TEST(WMMFTest, CreatingFailuresNameTheFileAndTheStep) {
  test::ScratchFolder folder;
  const std::string unreachable = folder.Path("no/such/folder/store.bin");
  EXPECT_EQ(FailingStep([&] { WMMF store(unreachable, false, 0, 16); }, unreachable), 1);
  const std::string empty = folder.Path("empty.bin");
  EXPECT_EQ(FailingStep([&] { WMMF store(empty, false, 0, 0); }, empty), 3);
}

TEST(WMMFTest, ReadOnlyBytesCoverExactlyTheFile) {
  test::ScratchFolder folder;
  WMMFReadOnly file(folder.WriteFile("a.ged", "0 HEAD\n"));
  ASSERT_EQ(file.Bytes().size(), 7u);
  EXPECT_EQ(Text(file.Bytes().data(), 7), "0 HEAD\n");
  EXPECT_EQ(file.End(), file.Memory() + 7);
  EXPECT_EQ(file.PointerAt(7), file.End());
  EXPECT_EQ(file.PointerAt(8), nullptr);
  EXPECT_EQ(file.PointerAt(-1), nullptr);
  EXPECT_FALSE(file.IsInMemory());
}

TEST(WMMFTest, ReadOnlyFileRefusesWrites) {
  test::ScratchFolder folder;
  WMMFReadOnly file(folder.WriteFile("a.ged", "0 HEAD\n"));
  EXPECT_THROW(file.Write("x", 1), std::logic_error);
  EXPECT_THROW(file.Grow(100), std::logic_error);
  EXPECT_EQ(Text(file.Memory(), file.Size()), "0 HEAD\n");
}

TEST(WMMFTest, MapsFilesLargerThanTwoGiB) {
  test::ScratchFolder folder;
  const std::string path = folder.Path("big.paf");
  constexpr std::int64_t kSize = std::int64_t{3} << 30;
  {
    std::ofstream out(path, std::ios::binary);
    out.seekp(kSize - 1);
    out.put('z');
  }
  WMMFReadOnly file(path);
  EXPECT_EQ(file.Size(), kSize);
  EXPECT_EQ(file.Seek(-1, 2), kSize - 1);
  char last = 0;
  EXPECT_EQ(file.Read(&last, 1), 1);
  EXPECT_EQ(last, 'z');
  EXPECT_EQ(file.Bytes().size(), static_cast<std::size_t>(kSize));
}

struct ReadRow {
  const char* rule;
  std::int64_t position;
  std::int64_t count;
  std::string bytes;
  std::int64_t positionAfter;
  friend void PrintTo(const ReadRow& row, std::ostream* out) { *out << row.rule; }
};

class WMMFReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(WMMFReadTest, CopiesWhatLiesBetweenThePositionAndTheSize) {
  const ReadRow& row = GetParam();
  test::ScratchFolder folder;
  WMMFReadOnly file(folder.WriteFile("digits", "0123456789"));
  file.Seek(row.position, 0);
  std::string buffer(16, '.');
  EXPECT_EQ(file.Read(buffer.data(), row.count), static_cast<std::int64_t>(row.bytes.size()));
  EXPECT_EQ(buffer.substr(0, row.bytes.size()), row.bytes);
  EXPECT_EQ(buffer[row.bytes.size()], '.');
  EXPECT_EQ(file.Position(), row.positionAfter);
}

INSTANTIATE_TEST_SUITE_P(Rules, WMMFReadTest,
                         testing::Values(ReadRow{"inside the data", 2, 3, "234", 5},
                                         ReadRow{"a count beyond the end gives the rest", 7, 9, "789", 10},
                                         ReadRow{"at the end gives nothing", 10, 1, "", 10},
                                         ReadRow{"past the end gives nothing", 12, 1, "", 12},
                                         ReadRow{"a negative position gives nothing", -1, 2, "", -1},
                                         ReadRow{"a negative count gives nothing", 0, -1, "", 0}),
                         [](const testing::TestParamInfo<ReadRow>& info) {
                           return test::RuleName(info.param.rule);
                         });

struct SeekRow {
  const char* rule;
  std::int64_t offset;
  int origin;
  std::int64_t position;
  friend void PrintTo(const SeekRow& row, std::ostream* out) { *out << row.rule; }
};

class WMMFSeekTest : public testing::TestWithParam<SeekRow> {};

TEST_P(WMMFSeekTest, MovesFromTheOrigin) {
  const SeekRow& row = GetParam();
  test::ScratchFolder folder;
  WMMFReadOnly file(folder.WriteFile("digits", "0123456789"));
  file.Seek(4, 0);
  EXPECT_EQ(file.Seek(row.offset, row.origin), row.position);
  EXPECT_EQ(file.SeekData(0, 1), row.position);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WMMFSeekTest,
    testing::Values(SeekRow{"from the start", 3, 0, 3}, SeekRow{"from the position", 3, 1, 7},
                    SeekRow{"before the start is allowed", -5, 1, -1},
                    SeekRow{"origin 2 at offset 0 is the size", 0, 2, 10},
                    SeekRow{"back from the size", -4, 2, 6}, SeekRow{"an unknown origin stays put", 1, 3, 4},
                    SeekRow{"an overflowing move stays put", std::numeric_limits<std::int64_t>::max(), 1, 4}),
    [](const testing::TestParamInfo<SeekRow>& info) { return test::RuleName(info.param.rule); });

TEST(WMMFTest, WriteReturnsItsStartAndZeroFillsAGap) {
  WMMF store("", true, 16, 4);
  store.Seek(2, 0);
  EXPECT_EQ(store.Write("abcd", 4), 2);
  EXPECT_EQ(store.Position(), 6);
  store.Seek(10, 0);
  EXPECT_EQ(store.WriteData("z", 1), 10);
  EXPECT_EQ(store.Size(), 11);
  EXPECT_EQ(Text(store.Memory(), store.Size()), std::string("\0\0abcd\0\0\0\0z", 11));
}

TEST(WMMFTest, WriteAtANegativePositionOrOfNothingChangesNothing) {
  WMMF store("", true, 16, 4);
  store.Seek(-1, 0);
  EXPECT_EQ(store.Write("ab", 2), -1);
  store.Seek(8, 0);
  EXPECT_EQ(store.Write("ab", 0), 8);
  EXPECT_EQ(store.Size(), 4);
  EXPECT_EQ(store.Position(), 8);
}

TEST(WMMFTest, NamedStoreInMemoryWritesItsBufferWhenItGoes) {
  test::ScratchFolder folder;
  const std::string path = folder.Path("store.bin");
  {
    WMMF store(path, true, 0, 4);
    store.Write("abcd", 4);
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  EXPECT_EQ(test::ReadFile(path), "abcd");
}

TEST(WMMFTest, WritableFileTakesWritesAndGrows) {
  test::ScratchFolder folder;
  const std::string path = folder.WriteFile("tree.ged", "hello");
  {
    WMMF file(path, 16, WMMF::kModeReadWrite | WMMF::kShareDenyNone);
    file.Write("J", 1);
    file.Seek(0, 2);
    file.Write(" world", 6);
    EXPECT_EQ(Text(file.Memory(), file.Size()), "Jello world");
  }
  EXPECT_EQ(test::ReadFile(path).substr(0, 11), "Jello world");
}

// A temporary store grows in scratch memory: past the heap's limit, past the size from which it
// takes huge pages, and many times over; its bytes survive every move, a gap left by a write past
// the end reads as zeros, and its name reaches all of them.
TEST(WMMFTest, TemporaryStoresKeepTheirBytesAsTheyGrowInScratchMemory) {
  for (const std::int64_t size :
       {WMMF::kMemoryLimit + 1, static_cast<std::int64_t>(platform::MappedView::kHugeScratchBytes) + 1,
        std::int64_t{3} * static_cast<std::int64_t>(platform::MappedView::kHugeScratchBytes)}) {
    SCOPED_TRACE(size);
    const std::string data = test::Pattern(static_cast<std::size_t>(size));
    WMMF store("", true, 4096, 16);
    store.Seek(0, 0);
    for (std::int64_t done = 0; done < size; done += 65536)
      store.Write(data.data() + done, std::min<std::int64_t>(65536, size - done));
    store.Seek(100, 1);
    store.Write("z", 1);
    const std::string expected = data + std::string(100, '\0') + "z";
    EXPECT_FALSE(store.IsInMemory());
    EXPECT_EQ(Text(store.Memory(), store.Size()), expected);
    EXPECT_EQ(test::ReadFile(store.FileName()).substr(0, expected.size()), expected);
    EXPECT_EQ(Text(store.Memory(), store.Size()), expected);
  }
}

// A temporary store's file lives in memory: nothing with a name is left in the temporary folder,
// even by a process that is killed, and its bytes are reachable through the name it gives.
TEST(WMMFTest, TemporaryStoresLeaveNoFileInTheTemporaryFolder) {
  const std::string data = test::Pattern(600000);
  const struct {
    const char* rule;
    std::int64_t initialSize;
    bool nameFirst;
  } cases[] = {
      {"grown out of memory", 16, false},
      {"named while in memory", 16, true},
      {"too large for memory from the start", WMMF::kMemoryLimit, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    WMMF store("", true, 4096, c.initialSize);
    const std::string name = c.nameFirst ? store.FileName() : std::string();
    store.Seek(0, 0);
    for (std::size_t done = 0; done < data.size(); done += 1000) store.Write(data.data() + done, 1000);
    EXPECT_FALSE(store.IsInMemory());
    EXPECT_TRUE(test::TemporaryStoreFiles().empty());
    if (c.nameFirst) {
      EXPECT_EQ(store.FileName(), name);
    }
    EXPECT_EQ(Text(store.Memory(), store.Size()).substr(0, data.size()), data);
    EXPECT_EQ(test::ReadFile(store.FileName()).substr(0, data.size()), data);
    // Once named, the store grows in its file.
    store.Write(data.data(), static_cast<std::int64_t>(data.size()));
    EXPECT_EQ(test::ReadFile(store.FileName()).substr(0, 2 * data.size()), data + data);
  }
}

}  // namespace
}  // namespace kinshelf
