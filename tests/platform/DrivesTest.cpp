// The drives of the search from a mount table: which are listed, and with which type.
#include "platform/Drives.h"

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

TEST(DrivesTest, MountTableGivesRealFileSystemsWithTheirTypes) {
  test::ScratchFolder sys;
  sys.WriteFile("sdb1/../removable", "1\n");
  sys.WriteFile("sda1/removable", "0\n");
  sys.MakeFolder("sdb");
  sys.WriteFile("sdb/removable", "1\n");
  const std::string table =
      "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
      "22 26 0:21 / /sys rw,relatime - sysfs sysfs rw\n"
      "24 23 0:22 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
      "26 1 254:0 / / rw,relatime - ext4 /dev/sda1 rw\n"
      "27 26 0:24 / /tmp rw shared:5 - tmpfs tmpfs rw\n"
      "28 26 8:17 / /mnt/usb\\040stick rw - vfat /dev/sdb1 rw\n"
      "29 26 8:33 / /media/me/CAMERA rw - exfat /dev/sdc1 rw\n"
      "30 26 0:40 / /net/share rw - nfs4 server:/export rw\n"
      "31 26 7:0 / /mnt/cd rw - iso9660 /dev/sr0 ro\n"
      "32 26 0:50 / /run/user/1000 rw - tmpfs tmpfs rw\n"
      "33 26 0:51 / /run/media/me/DISK rw - ext4 /dev/sdd1 rw\n"
      "34 26 0:52 / /home rw - btrfs /dev/sda2 rw\n"
      "35 26 0:53 / /home rw - xfs /dev/sda3 rw\n"
      "broken line\n";
  const auto drives = ParseMountTable(table, sys.Path());
  std::vector<std::string> lines;
  for (const auto& drive : drives) lines.push_back(drive.root + std::string(DriveTypeLabel(drive.type)));
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "/ (Hard drive)", "/tmp/ (Ramdisk drive)", "/mnt/usb stick/ (Removable drive)",
                "/media/me/CAMERA/ (Removable drive)", "/net/share/ (Remote drive)", "/mnt/cd/ (CDROM drive)",
                "/run/media/me/DISK/ (Removable drive)", "/home/ (Hard drive)"}));
  EXPECT_EQ(drives.back().fileSystem, "xfs");
}

TEST(DrivesTest, ThisMachineHasARoot) {
  const auto drives = ListDrives();
  ASSERT_FALSE(drives.empty());
  for (const auto& drive : drives) EXPECT_EQ(drive.root.back(), '/');
}

}  // namespace
}  // namespace kinshelf::platform
