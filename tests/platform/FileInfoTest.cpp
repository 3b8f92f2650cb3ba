// Attribute bits, sizes and times of files, folders, links and devices.
#include "platform/FileInfo.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileIo.h"
#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

TEST(FileInfoTest, RegularFileIsArchiveWithItsSize) {
  test::ScratchFolder folder;
  const auto path = folder.WriteFile("a.ged", "0 HEAD\n");
  const auto status = StatusOf(path);
  ASSERT_TRUE(status);
  EXPECT_EQ(status->attributes, attr::kArchive);
  EXPECT_EQ(status->size, 7);
  EXPECT_GT(status->modified, 40000.0);
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(DirectoryExists(path));
}

TEST(FileInfoTest, HiddenReadOnlyFolderAndLink) {
  test::ScratchFolder folder;
  const auto hidden = folder.WriteFile(".hidden.ged", "x");
  chmod(hidden.c_str(), 0444);
  EXPECT_EQ(StatusOf(hidden)->attributes, attr::kArchive | attr::kHidden | attr::kReadOnly);

  const auto sub = folder.MakeFolder(".sub");
  EXPECT_EQ(StatusOf(sub)->attributes, attr::kDirectory | attr::kHidden);
  EXPECT_EQ(StatusOf(sub + "/")->attributes, attr::kDirectory | attr::kHidden);
  EXPECT_TRUE(DirectoryExists(sub));

  const auto link = folder.Path("link.ged");
  ASSERT_EQ(symlink(hidden.c_str(), link.c_str()), 0);
  EXPECT_EQ(StatusOf(link)->attributes & attr::kReparsePoint, attr::kReparsePoint);

  const auto fifo = folder.Path("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_EQ(StatusOf(fifo)->attributes & attr::kSystem, attr::kSystem);
}

TEST(FileInfoTest, SparseFileAboveFourGibibytesKeepsItsSize) {
  test::ScratchFolder folder;
  const auto path = folder.WriteFile("big.ged", "");
  const auto fd = OpenExistingFile(path, true);
  ASSERT_TRUE(ResizeFile(fd.Get(), 5LL << 30));
  EXPECT_EQ(StatusOf(path)->size, 5LL << 30);
}

// A search walks folder by folder and so reaches paths longer than the system takes whole; the
// existence tests and the status must see such files too, or the catalog would show them missing
// and a refresh would never update them.
TEST(FileInfoTest, PathsLongerThanTheSystemTakesWholeAreLookedAtFolderByFolder) {
  test::ScratchFolder folder;
  std::string path = folder.Path("");
  FileDescriptor at(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  const std::string name(200, 'd');
  while (path.size() < 5000) {
    ASSERT_EQ(::mkdirat(at.Get(), name.c_str(), 0700), 0);
    at = FileDescriptor(::openat(at.Get(), name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    path += "/" + name;
  }
  FileDescriptor fd(::openat(at.Get(), "deep.ged", O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
  ASSERT_TRUE(fd.IsOpen());
  ASSERT_EQ(::write(fd.Get(), "0 HEAD\n", 7), 7);
  EXPECT_TRUE(FileExists(path + "/deep.ged"));
  // A refresh takes the file's size and dates from its status.
  ASSERT_TRUE(StatusOf(path + "/deep.ged"));
  EXPECT_EQ(StatusOf(path + "/deep.ged")->size, 7);
  EXPECT_FALSE(StatusOf(path + "/gone.ged"));
  EXPECT_TRUE(DirectoryExists(path));
  EXPECT_FALSE(PathIsGone(path + "/deep.ged"));
  EXPECT_TRUE(PathIsGone(path + "/gone.ged"));
  EXPECT_FALSE(FileExists(path + "/gone.ged"));
}

TEST(FileInfoTest, MissingEntryHasNoStatus) {
  test::ScratchFolder folder;
  EXPECT_FALSE(StatusOf(folder.Path("none")));
  EXPECT_FALSE(FileExists(folder.Path("none")));
}

}  // namespace
}  // namespace kinshelf::platform
