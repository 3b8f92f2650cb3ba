// Replacing a file whole: what the target keeps (its mode, the link that names it) and what is never
// replaced by renaming (a device).
#include "platform/FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

std::string ReadBack(const std::string& path) {
  std::string bytes(64, '\0');
  const FileDescriptor fd = OpenExistingFile(path, false);
  bytes.resize(static_cast<std::size_t>(ReadAt(fd.Get(), bytes.data(), bytes.size(), 0)));
  return bytes;
}

// What the program's own small files may be: a missing file is none, a regular one is read, and
// anything else is refused at once by name instead of hanging or filling memory.
TEST(FileIoTest, SmallRegularFilesOnly) {
  test::ScratchFolder folder;
  EXPECT_EQ(ReadSmallRegularFile(folder.Path("missing.ini"), 100), std::nullopt);
  EXPECT_EQ(ReadSmallRegularFile(folder.WriteFile("a.ini", "[x]\n"), 100), "[x]\n");
  const std::string fifo = folder.Path("fifo.ini");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string zero = folder.Path("zero.ini");
  std::filesystem::create_symlink("/dev/zero", zero);
  const std::pair<std::string, std::string> refused[] = {
      {fifo, fifo + " is not a regular file"},
      {zero, zero + " is not a regular file"},
      {folder.MakeFolder("dir.ini"), folder.Path("dir.ini") + " is not a regular file"},
      {folder.WriteFile("big.ini", std::string(3 * 1024 * 1024, 'x')),
       folder.Path("big.ini") + " is larger than 2 MB"}};
  for (const auto& [path, message] : refused) {
    try {
      ReadSmallRegularFile(path, 2 * 1024 * 1024);
      ADD_FAILURE() << path;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()).rfind(message, 0), 0u) << error.what();
    }
  }
}

TEST(FileIoTest, ANewFileTakesTheModeTheUsersMaskAllows) {
  test::ScratchFolder folder;
  const mode_t previous = ::umask(027);
  ReplaceFileAtomically(folder.Path("new.csv"), "x");
  ::umask(previous);
  struct stat info {};
  ASSERT_EQ(::stat(folder.Path("new.csv").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(FileIoTest, ReplaceKeepsTheModeAndLeavesNoTemporaryFile) {
  test::ScratchFolder folder;
  const auto path = folder.WriteFile("list.csv", "old");
  ::chmod(path.c_str(), 0600);
  ReplaceFileAtomically(path, "new");
  EXPECT_EQ(ReadBack(path), "new");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

// A settings or list file kept as a link (as dotfile managers do) stays a link, and the bytes go to
// the file it names, also through a chain of links and to a target that does not exist yet.
TEST(FileIoTest, ReplaceWritesThroughLinks) {
  test::ScratchFolder folder;
  const auto real = folder.WriteFile("store/real.xml", "old");
  const auto link = folder.Path("link.xml");
  const auto chain = folder.Path("chain.xml");
  ASSERT_EQ(::symlink("store/real.xml", link.c_str()), 0);
  ASSERT_EQ(::symlink(link.c_str(), chain.c_str()), 0);
  ReplaceFileAtomically(chain, "new");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_TRUE(std::filesystem::is_symlink(chain));
  EXPECT_EQ(ReadBack(real), "new");

  const auto dangling = folder.Path("dangling.xml");
  ASSERT_EQ(::symlink("store/later.xml", dangling.c_str()), 0);
  ReplaceFileAtomically(dangling, "made");
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_EQ(ReadBack(folder.Path("store/later.xml")), "made");
}

TEST(FileIoTest, DeviceIsWrittenNotReplaced) {
  test::ScratchFolder folder;
  const auto link = folder.Path("out.csv");
  ASSERT_EQ(::symlink("/dev/null", link.c_str()), 0);
  ReplaceFileAtomically(link, "bytes");
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
}

}  // namespace
}  // namespace kinshelf::platform
