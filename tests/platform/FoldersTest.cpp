// The folders of the user, temporary files and mapped views.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>

#include "platform/FileIo.h"
#include "platform/MappedView.h"
#include "platform/Paths.h"
#include "platform/TempFile.h"
#include "platform/UserFolders.h"
#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

TEST(UserFoldersTest, FollowTheXdgVariables) {
  setenv("XDG_DATA_HOME", "/x/data", 1);
  setenv("XDG_CONFIG_HOME", "/x/config", 1);
  EXPECT_EQ(CatalogFolder(), "/x/data/Orrinvale/FileStore");
  EXPECT_EQ(SettingsFolder(), "/x/config/Orrinvale/Kinshelf1");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  setenv("HOME", "/home/me", 1);
  EXPECT_EQ(DataHome(), "/home/me/.local/share");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(ConfigHome(), "/home/me/.config");
}

TEST(UserFoldersTest, ForceDirectoriesCreatesTheChain) {
  test::ScratchFolder folder;
  const auto deep = folder.Path("a/b/c");
  ForceDirectories(deep);
  ForceDirectories(deep);
  EXPECT_TRUE(test::ReadFile(folder.WriteFile("a/b/c/f", "x")) == "x");
  folder.WriteFile("file", "x");
  EXPECT_THROW(ForceDirectories(folder.Path("file/sub")), std::runtime_error);
}

TEST(TempFileTest, NamesStartWithThePrefixAndAreNeverShared) {
  const TempFile a = CreateTempFile("orv");
  const TempFile b = CreateTempFile("orv");
  EXPECT_EQ(std::string(FileNamePart(a.path)).rfind("orv", 0), 0u);
  EXPECT_NE(a.path, b.path);
  EXPECT_TRUE(a.fd.IsOpen());
  EXPECT_TRUE(RemoveFile(a.path));
  EXPECT_TRUE(RemoveFile(b.path));
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
}

}  // namespace
}  // namespace kinshelf::platform
