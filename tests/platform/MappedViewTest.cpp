// Views of mapped files: writable views reach the file, an empty file cannot be mapped, and a
// read-only view of a file another process shortens reads zeros past the new end and says it is damaged.
// Anonymous views give zeroed scratch memory in huge pages.
#include "platform/MappedView.h"

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>

#include "platform/FileIo.h"
#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

const std::size_t kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
constexpr std::size_t kPages = 4;

// Reads through a volatile pointer, so that every read really touches the mapping.
unsigned char ByteAt(const MappedView& view, std::size_t offset) {
  const volatile unsigned char* bytes = view.Base();
  return bytes[offset];
}

class ReadOnlyViewTest : public testing::Test {
 protected:
  void SetUp() override { path_ = folder_.WriteFile("pages.ged", std::string(kPages * kPage, 'x')); }

  MappedView MapFile() const {
    const FileDescriptor fd = OpenExistingFile(path_, false);
    return MappedView::Map(fd.Get(), kPages * kPage, false);
  }

  // Changes the size through a descriptor of its own, as another process would.
  void ResizeBehindTheView(std::size_t size) const {
    const FileDescriptor other(open(path_.c_str(), O_WRONLY | O_CLOEXEC));
    ASSERT_TRUE(other.IsOpen());
    ASSERT_EQ(ftruncate(other.Get(), static_cast<off_t>(size)), 0);
  }

  test::ScratchFolder folder_;
  std::string path_;
};

TEST_F(ReadOnlyViewTest, AnIntactViewReadsTheFileAndIsNotDamaged) {
  const MappedView view = MapFile();
  ASSERT_TRUE(view.IsMapped());
  for (std::size_t offset = 0; offset < kPages * kPage; offset += kPage / 2)
    EXPECT_EQ(ByteAt(view, offset), 'x');
  EXPECT_EQ(ByteAt(view, kPages * kPage - 1), 'x');
  EXPECT_FALSE(view.Damaged());
}

TEST_F(ReadOnlyViewTest, ReadsPastTheNewEndOfAShortenedFileGiveZeros) {
  const MappedView view = MapFile();
  ASSERT_TRUE(view.IsMapped());
  ResizeBehindTheView(kPage);
  EXPECT_EQ(ByteAt(view, 0), 'x');
  EXPECT_EQ(ByteAt(view, kPage - 1), 'x');
  EXPECT_EQ(ByteAt(view, 2 * kPage + 5), 0);
  EXPECT_EQ(ByteAt(view, kPage), 0);
  EXPECT_EQ(ByteAt(view, kPages * kPage - 1), 0);
  EXPECT_TRUE(view.Damaged());
}

TEST_F(ReadOnlyViewTest, ReadsOnAnotherThreadSurviveTooAndDamageTheView) {
  const MappedView view = MapFile();
  ASSERT_TRUE(view.IsMapped());
  ResizeBehindTheView(kPage);
  unsigned char read = 'x';
  std::thread reader([&] { read = ByteAt(view, 3 * kPage); });
  reader.join();
  EXPECT_EQ(read, 0);
  EXPECT_TRUE(view.Damaged());
}

std::atomic<int> damageCalls{0};

void CountDamage() {
  damageCalls.fetch_add(1);
}

TEST_F(ReadOnlyViewTest, TheDamageHookHearsOfEveryFaultUntilItIsRemoved) {
  const MappedView view = MapFile();
  ASSERT_TRUE(view.IsMapped());
  ResizeBehindTheView(kPage);
  damageCalls = 0;
  MappingGuard::SetDamageHook(&CountDamage);
  EXPECT_EQ(ByteAt(view, 2 * kPage), 0);
  EXPECT_EQ(ByteAt(view, kPage), 0);
  MappingGuard::SetDamageHook(nullptr);
  EXPECT_EQ(damageCalls, 2);
}

TEST_F(ReadOnlyViewTest, AFileShortenedWithinItsLastPageDamagesTheViewWithoutAFault) {
  const MappedView view = MapFile();
  ASSERT_TRUE(view.IsMapped());
  ResizeBehindTheView((kPages - 1) * kPage + 10);
  EXPECT_EQ(ByteAt(view, (kPages - 1) * kPage + 9), 'x');
  EXPECT_EQ(ByteAt(view, (kPages - 1) * kPage + 10), 0);
  EXPECT_TRUE(view.Damaged());
}

TEST_F(ReadOnlyViewTest, AFileThatGrowsLeavesTheViewIntact) {
  const MappedView view = MapFile();
  ASSERT_TRUE(view.IsMapped());
  ResizeBehindTheView((kPages + 1) * kPage);
  EXPECT_EQ(ByteAt(view, kPages * kPage - 1), 'x');
  EXPECT_FALSE(view.Damaged());
}

TEST_F(ReadOnlyViewTest, AMovedViewKeepsItsDamage) {
  MappedView view = MapFile();
  ASSERT_TRUE(view.IsMapped());
  ResizeBehindTheView(kPage);
  EXPECT_EQ(ByteAt(view, 2 * kPage), 0);
  const MappedView moved = std::move(view);
  EXPECT_TRUE(moved.Damaged());
  EXPECT_FALSE(view.Damaged());
}

TEST_F(ReadOnlyViewTest, ANewViewAfterADamagedOneStartsIntact) {
  {
    const MappedView damaged = MapFile();
    ResizeBehindTheView(kPage);
    EXPECT_EQ(ByteAt(damaged, 2 * kPage), 0);
  }
  path_ = folder_.WriteFile("again.ged", std::string(kPages * kPage, 'y'));
  // More views than there are guards, one after the other: released views give their guard back.
  for (int round = 0; round <= MappingGuard::kCapacity; ++round) {
    const MappedView view = MapFile();
    ASSERT_TRUE(view.IsMapped()) << "round " << round;
    EXPECT_EQ(ByteAt(view, 2 * kPage), 'y');
    EXPECT_FALSE(view.Damaged());
  }
}

TEST(MappedViewTest, WritableViewReachesTheFile) {
  test::ScratchFolder folder;
  const auto path = folder.WriteFile("m", "hello");
  {
    const auto fd = OpenExistingFile(path, true);
    MappedView view = MappedView::Map(fd.Get(), 5, true);
    ASSERT_TRUE(view.IsMapped());
    std::memcpy(view.Base(), "HELLO", 5);
    EXPECT_EQ(view.Release(), 0);
  }
  EXPECT_EQ(test::ReadFile(path), "HELLO");
}

TEST(MappedViewTest, ZeroLengthCannotBeMapped) {
  test::ScratchFolder folder;
  const auto fd = OpenExistingFile(folder.WriteFile("empty", ""), false);
  EXPECT_FALSE(MappedView::Map(fd.Get(), 0, false).IsMapped());
  EXPECT_FALSE(MappedView::MapAnonymous(0).IsMapped());
}

// Scratch memory comes in whole huge pages' worth from a huge page's boundary, zeroed, and writable.
TEST(MappedViewTest, AnonymousViewsAreZeroedHugePages) {
  constexpr std::size_t kHuge = std::size_t{2} << 20;
  for (const std::size_t length : {std::size_t{1}, kHuge, kHuge + 1, MappedView::kHugeScratchBytes + 1}) {
    MappedView view = MappedView::MapAnonymous(length);
    ASSERT_TRUE(view.IsMapped()) << length;
    EXPECT_TRUE(view.IsAnonymous());
    EXPECT_EQ(view.Length(), (length + kHuge - 1) / kHuge * kHuge);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(view.Base()) % kHuge, 0u);
    EXPECT_EQ(std::count(view.Base(), view.Base() + view.Length(), 0),
              static_cast<std::ptrdiff_t>(view.Length()));
    view.Base()[view.Length() - 1] = 7;
    EXPECT_TRUE(view.Flush());
    EXPECT_EQ(view.Release(), 0);
  }
}

}  // namespace
}  // namespace kinshelf::platform
