// Telling a file that is gone from one whose drive is only not mounted now: a removable drive
// unplugged, a network share or a disk not mounted yet. Rows of such files must not be taken for
// deleted, or a refresh done while a drive is away drops them and their bookmarks.
#pragma once

#include <string>
#include <string_view>

namespace kinshelf::platform {

// Drives get their mount points in the folder: /mnt, /media and /run/media, and the folders of
// users right below the last two. `folder` is absolute, without a trailing separator.
bool HoldsMountPoints(std::string_view folder);

// The missing file at `path` (absolute) may lie on a drive that is not mounted: the nearest folder
// above it that exists holds mount points, or is empty (a mount point with nothing mounted on it)
// and is not the file's own folder, or lies in a folder that holds mount points. A folder that
// cannot be listed counts as empty.
bool MayBeOnUnmountedDrive(const std::string& path);

}  // namespace kinshelf::platform
