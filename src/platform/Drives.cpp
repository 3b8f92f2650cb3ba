// The drives of the search, from the mount table.
#include "platform/Drives.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

#include "platform/FileInfo.h"
#include "platform/Paths.h"

namespace kinshelf::platform {

namespace {

constexpr std::array<std::string_view, 23> kVirtualFileSystems{
    "proc",     "sysfs",     "devtmpfs",   "devpts", "cgroup",    "cgroup2", "securityfs",  "debugfs",
    "tracefs",  "configfs",  "bpf",        "mqueue", "pstore",    "autofs",  "binfmt_misc", "fusectl",
    "efivarfs", "hugetlbfs", "rpc_pipefs", "nsfs",   "selinuxfs", "nfsd",    "fuse.portal"};
constexpr std::array<std::string_view, 9> kRemoteFileSystems{
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "fuse.sshfs", "davfs", "fuse.rclone"};
constexpr std::array<std::string_view, 4> kSystemAreas{"/proc", "/sys", "/dev", "/run"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

bool Below(std::string_view path, std::string_view folder) {
  return path == folder || (path.size() > folder.size() && path.substr(0, folder.size()) == folder &&
                            path[folder.size()] == '/');
}

// Mount points escape blanks, tabs, line breaks and backslashes as three octal digits.
std::string Unescape(std::string_view field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const bool octal =
        field[i] == '\\' && i + 3 < field.size() &&
        std::all_of(field.begin() + static_cast<long>(i) + 1, field.begin() + static_cast<long>(i) + 4,
                    [](char c) { return c >= '0' && c <= '7'; });
    if (octal) {
      text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      text += field[i];
    }
  }
  return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    const auto space = line.find(' ');
    if (space != 0) fields.push_back(line.substr(0, space));
    if (space == std::string_view::npos) break;
    line.remove_prefix(space + 1);
  }
  return fields;
}

bool RemovableDevice(std::string_view source, const std::string& sysBlock) {
  if (source.substr(0, 5) != "/dev/") return false;
  const std::string name(FileNamePart(source));
  for (const std::string& flag :
       {sysBlock + "/" + name + "/removable", sysBlock + "/" + name + "/../removable"}) {
    std::ifstream in(flag);
    char value = '0';
    if (in >> value) return value == '1';
  }
  return false;
}

DriveType TypeOf(std::string_view fileSystem, std::string_view source, std::string_view mountPoint,
                 const std::string& sysBlock) {
  if (fileSystem == "tmpfs" || fileSystem == "ramfs") return DriveType::kRamdisk;
  if (fileSystem == "iso9660" || fileSystem == "udf" || fileSystem == "squashfs") return DriveType::kCdrom;
  if (Contains(kRemoteFileSystems, fileSystem)) return DriveType::kRemote;
  if (Below(mountPoint, "/media") || Below(mountPoint, "/run/media")) return DriveType::kRemovable;
  if (RemovableDevice(source, sysBlock)) return DriveType::kRemovable;
  if (fileSystem.empty()) return DriveType::kUnknown;
  return DriveType::kFixed;
}

bool SystemArea(std::string_view mountPoint) {
  if (Below(mountPoint, "/run/media")) return false;
  return std::any_of(kSystemAreas.begin(), kSystemAreas.end(),
                     [&](std::string_view area) { return Below(mountPoint, area); });
}

}  // namespace

std::string_view DriveTypeLabel(DriveType type) {
  switch (type) {
    case DriveType::kRemovable:
      return " (Removable drive)";
    case DriveType::kFixed:
      return " (Hard drive)";
    case DriveType::kRemote:
      return " (Remote drive)";
    case DriveType::kCdrom:
      return " (CDROM drive)";
    case DriveType::kRamdisk:
      return " (Ramdisk drive)";
    case DriveType::kUnknown:
      break;
  }
  return " (unknown)";
}

std::vector<Drive> ParseMountTable(std::string_view mountInfo, const std::string& sysBlock) {
  std::vector<Drive> drives;
  while (!mountInfo.empty()) {
    const auto end = mountInfo.find('\n');
    const auto fields = Fields(mountInfo.substr(0, end));
    mountInfo = end == std::string_view::npos ? std::string_view() : mountInfo.substr(end + 1);
    const auto dash = std::find(fields.begin(), fields.end(), "-");
    if (fields.size() < 5 || dash == fields.end() || fields.end() - dash < 3) continue;
    const std::string mountPoint = Unescape(fields[4]);
    const std::string_view fileSystem = dash[1];
    if (Contains(kVirtualFileSystems, fileSystem) || SystemArea(mountPoint)) continue;
    Drive drive{JoinPath(mountPoint, ""), TypeOf(fileSystem, dash[2], mountPoint, sysBlock),
                std::string(fileSystem)};
    // A later mount on the same point hides the earlier one.
    std::erase_if(drives, [&](const Drive& known) { return known.root == drive.root; });
    drives.push_back(std::move(drive));
  }
  return drives;
}

std::vector<Drive> ListDrives() {
  std::ifstream in("/proc/self/mountinfo");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto drives = ParseMountTable(text, "/sys/class/block");
  std::erase_if(drives, [](const Drive& drive) { return !DirectoryExists(drive.root); });
  return drives;
}

}  // namespace kinshelf::platform
