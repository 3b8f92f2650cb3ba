// The SIGBUS guard of read-only mappings: it takes only the faults of the ranges it guards, and
// there is a fixed number of guards that released ones return to.
#include "platform/MappingGuard.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/FileIo.h"
#include "platform/MappedView.h"
#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

const std::size_t kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));

// Maps two pages of a file without any guard, shortens the file to nothing and reads the second
// page: the bus error a guard would have caught.
void ReadPastTheEndOfAnUnguardedMapping(const std::string& path) {
  const FileDescriptor fd = OpenExistingFile(path, false);
  void* base = mmap(nullptr, 2 * kPage, PROT_READ, MAP_PRIVATE, fd.Get(), 0);
  if (base == MAP_FAILED) return;
  if (ftruncate(OpenExistingFile(path, true).Get(), 0) != 0) return;
  const volatile unsigned char* bytes = static_cast<const unsigned char*>(base);
  static_cast<void>(bytes[kPage]);
}

TEST(MappingGuardTest, GuardsRunOutAndReleasedOnesComeBack) {
  test::ScratchFolder folder;
  const std::string path = folder.WriteFile("page.ged", std::string(kPage, 'x'));
  const FileDescriptor fd = OpenExistingFile(path, true);
  std::vector<MappingGuard> guards;
  for (int n = 0; n < MappingGuard::kCapacity; ++n) {
    guards.push_back(MappingGuard::Guard(reinterpret_cast<const void*>(kPage * (n + 1)), kPage));
    ASSERT_TRUE(guards.back().IsGuarding()) << "guard " << n;
  }
  errno = 0;
  EXPECT_FALSE(MappingGuard::Guard(reinterpret_cast<const void*>(kPage), kPage).IsGuarding());
  EXPECT_EQ(errno, EMFILE);
  // A read-only view that could not be guarded is not handed out; a writable one needs no guard.
  EXPECT_FALSE(MappedView::Map(fd.Get(), kPage, false).IsMapped());
  EXPECT_EQ(errno, EMFILE);
  EXPECT_TRUE(MappedView::Map(fd.Get(), kPage, true).IsMapped());
  guards.pop_back();
  EXPECT_TRUE(MappedView::Map(fd.Get(), kPage, false).IsMapped());
}

TEST(MappingGuardTest, AReleasedGuardGuardsNothing) {
  MappingGuard guard = MappingGuard::Guard(reinterpret_cast<const void*>(kPage), kPage);
  ASSERT_TRUE(guard.IsGuarding());
  MappingGuard moved = std::move(guard);
  EXPECT_FALSE(guard.IsGuarding());
  moved.Release();
  EXPECT_FALSE(moved.IsGuarding());
  EXPECT_FALSE(moved.Damaged());
}

TEST(MappingGuardTest, ABusErrorOutsideEveryGuardedRangeStillKills) {
  test::ScratchFolder folder;
  const std::string guarded = folder.WriteFile("guarded.ged", std::string(2 * kPage, 'x'));
  const std::string unguarded = folder.WriteFile("unguarded.ged", std::string(2 * kPage, 'x'));
  const FileDescriptor fd = OpenExistingFile(guarded, false);
  const MappedView view = MappedView::Map(fd.Get(), 2 * kPage, false);
  ASSERT_TRUE(view.IsMapped());
  EXPECT_DEATH(ReadPastTheEndOfAnUnguardedMapping(unguarded), "");
}

TEST(MappingGuardTest, ASentBusErrorStillKills) {
  const MappingGuard guard = MappingGuard::Guard(reinterpret_cast<const void*>(kPage), kPage);
  ASSERT_TRUE(guard.IsGuarding());
  EXPECT_DEATH(raise(SIGBUS), "");
}

}  // namespace
}  // namespace kinshelf::platform
