// Temporary files: unique names under the temporary folder.
#include "platform/TempFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"

namespace kinshelf::platform {
namespace {

TEST(TempFileTest, NamesStartWithThePrefixAndAreNeverShared) {
  const TempFile a = CreateTempFile("orv");
  const TempFile b = CreateTempFile("orv");
  EXPECT_EQ(std::string(FileNamePart(a.path)).rfind("orv", 0), 0u);
  EXPECT_NE(a.path, b.path);
  EXPECT_TRUE(a.fd.IsOpen());
  EXPECT_TRUE(RemoveFile(a.path));
  EXPECT_TRUE(RemoveFile(b.path));
}

std::size_t FilesInTempFolder() {
  const auto entries = std::filesystem::directory_iterator(TempFolder());
  return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(TempFileTest, ScratchFilesHaveNoNameInTheTemporaryFolder) {
  const std::size_t before = FilesInTempFolder();
  const TempFile a = CreateScratchFile("orv");
  const TempFile b = CreateScratchFile("orv");
  EXPECT_NE(a.path, b.path);
  EXPECT_EQ(a.path, "/proc/self/fd/" + std::to_string(a.fd.Get()));
  EXPECT_TRUE(WriteAll(a.fd.Get(), "abc", 3));
  EXPECT_EQ(FileSizeOf(a.fd.Get()), 3);
  EXPECT_EQ(FilesInTempFolder(), before);
}

}  // namespace
}  // namespace kinshelf::platform
