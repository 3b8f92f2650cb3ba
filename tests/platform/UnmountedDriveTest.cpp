// Telling a file that is gone from one whose drive is not mounted.
#include "platform/UnmountedDrive.h"

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

TEST(UnmountedDriveTest, MountPointsAreMadeInTheUsualFolders) {
  for (const char* folder : {"/mnt", "/media", "/media/me", "/run/media", "/run/media/me"})
    EXPECT_TRUE(HoldsMountPoints(folder)) << folder;
  for (const char* folder :
       {"/", "/home", "/mnt/usb", "/media/me/USB", "/run", "/run/media/me/USB", "/mediax"})
    EXPECT_FALSE(HoldsMountPoints(folder)) << folder;
}

// In a scratch tree: "data" holds a file, "usb" is empty (a mount point with nothing mounted).
TEST(UnmountedDriveTest, AFolderGoneFromAnEmptyFolderMayBeOnADriveAway) {
  test::ScratchFolder scratch;
  scratch.WriteFile("data/kept.ged", "x");
  scratch.MakeFolder("usb");
  const struct {
    const char* path;
    bool away;
  } rows[] = {
      {"data/gone.ged", false},          // the file alone is gone from a folder that is there
      {"data/old/gone.ged", false},      // its folder is gone from one that holds other things
      {"usb/trees/a.ged", true},         // its folder is gone from an empty folder
      {"usb/trees/deeper/a.ged", true},  // and further down
      {"usb/a.ged", false},              // the only file of an empty folder: deleted, not away
  };
  for (const auto& row : rows) EXPECT_EQ(MayBeOnUnmountedDrive(scratch.Path(row.path)), row.away) << row.path;
  EXPECT_FALSE(MayBeOnUnmountedDrive("/no-such-top-folder/a.ged"));
}

}  // namespace
}  // namespace kinshelf::platform
