// The drives of the search: the mounted file systems a user would search, from the mount table.
// Virtual file systems and the system's own areas (/proc, /sys, /dev, /run) are left out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kinshelf::platform {

enum class DriveType { kUnknown, kRemovable, kFixed, kRemote, kCdrom, kRamdisk };

struct Drive {
  std::string root;  // the mount point with a trailing "/"
  DriveType type = DriveType::kUnknown;
  std::string fileSystem;
};

// The drive label the search dialog shows after the root, e.g. " (Hard drive)".
std::string_view DriveTypeLabel(DriveType type);

// The drives of this machine, in mount order; a mount point mounted over is listed once.
std::vector<Drive> ListDrives();

// The drives a mount table lists. `sysBlock` is the folder where a block device's "removable" flag
// is read (normally /sys/class/block).
std::vector<Drive> ParseMountTable(std::string_view mountInfo, const std::string& sysBlock);

}  // namespace kinshelf::platform
