// Windows paths mapped into a Wine prefix, and Linux paths as Wine programs see them.
#include "platform/WinePaths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

class WinePathsTest : public testing::Test {
 protected:
  std::string In(std::string_view relative) const { return prefix_.Path() + "/" + std::string(relative); }

  test::ScratchFolder prefix_;
};

TEST_F(WinePathsTest, DriveLetterPathsMapIntoThePrefix) {
  prefix_.MakeFolder("drive_c");
  struct Row {
    std::string_view windows;
    std::string linux;
  };
  const Row rows[] = {
      {"C:\\Legacy", In("drive_c/Legacy")},
      {"c:\\legacy\\legacy.exe", In("drive_c/legacy/legacy.exe")},
      {"C:/Mixed\\separators//doubled\\", In("drive_c/Mixed/separators/doubled")},
      {"C:\\a\\.\\b\\..\\c", In("drive_c/a/c")},
      {"C:\\..\\..\\escape", In("drive_c/escape")},
      {"C:", In("drive_c")},
      {"e:\\data", In("drive_e/data")},
      {"\\Legacy\\legacy.exe", ""},
      {"Legacy", ""},
      {"1:\\x", ""},
      {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(PrefixPathOf(prefix_.Path(), row.windows), row.linux) << row.windows;
}

TEST_F(WinePathsTest, PartsTakeTheCaseOfExistingEntries) {
  prefix_.WriteFile("drive_c/Program Files (x86)/RootsMagic 4/RootsMagic.exe", "");
  EXPECT_EQ(PrefixPathOf(prefix_.Path(), "C:\\PROGRAM FILES (X86)\\rootsmagic 4\\rootsmagic.EXE"),
            In("drive_c/Program Files (x86)/RootsMagic 4/RootsMagic.exe"));
  EXPECT_EQ(PrefixPathOf(prefix_.Path(), "C:\\program files (x86)\\RootsMagic 5\\RootsMagic.exe"),
            In("drive_c/Program Files (x86)/RootsMagic 5/RootsMagic.exe"))
      << "below a part that matches nothing, parts are kept as written";
}

TEST_F(WinePathsTest, ExactNameWinsOverAnotherCase) {
  prefix_.WriteFile("drive_c/Legacy/a", "");
  prefix_.WriteFile("drive_c/legacy/b", "");
  EXPECT_EQ(PrefixPathOf(prefix_.Path(), "C:\\legacy"), In("drive_c/legacy"));
  EXPECT_EQ(PrefixPathOf(prefix_.Path(), "C:\\Legacy"), In("drive_c/Legacy"));
}

TEST_F(WinePathsTest, OtherDrivesGoThroughDosDevicesLinks) {
  const test::ScratchFolder elsewhere;
  elsewhere.WriteFile("Trees/Family.fdb", "");
  prefix_.MakeFolder("dosdevices");
  ASSERT_EQ(symlink(elsewhere.Path().c_str(), In("dosdevices/d:").c_str()), 0);
  EXPECT_EQ(PrefixPathOf(prefix_.Path(), "D:\\trees\\family.fdb"), In("dosdevices/d:/Trees/Family.fdb"));
  EXPECT_EQ(PrefixPathOf(prefix_.Path(), "F:\\x"), In("drive_f/x"));
}

TEST(WinePathOfTest, LinuxPathsAreReachedThroughDriveZ) {
  EXPECT_EQ(WinePathOf("/home/me/My Tree.ged"), "Z:\\home\\me\\My Tree.ged");
  EXPECT_EQ(WinePathOf("/"), "Z:\\");
}

}  // namespace
}  // namespace kinshelf::platform
