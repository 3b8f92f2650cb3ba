// The folders of the user: the XDG variables and the catalog's and settings' folders under them.
#include "platform/UserFolders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/FileIo.h"
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

}  // namespace
}  // namespace kinshelf::platform
