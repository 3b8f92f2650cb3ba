// Telling a file that is gone from one whose drive is not mounted.
#include "platform/UnmountedDrive.h"

#include <dirent.h>

#include <cstring>
#include <memory>

#include "platform/FileInfo.h"
#include "platform/Paths.h"

namespace kinshelf::platform {

namespace {

// The folder holds nothing but "." and "..", or cannot be listed.
bool IsEmptyFolder(const std::string& folder) {
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
  if (listing == nullptr) return true;
  while (const dirent* entry = ::readdir(listing.get())) {
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) return false;
  }
  return true;
}

}  // namespace

bool HoldsMountPoints(std::string_view folder) {
  if (folder == "/mnt" || folder == "/media" || folder == "/run/media") return true;
  for (const std::string_view users : {std::string_view("/media/"), std::string_view("/run/media/")}) {
    if (folder.size() > users.size() && folder.starts_with(users) &&
        folder.find('/', users.size()) == std::string_view::npos)
      return true;
  }
  return false;
}

bool MayBeOnUnmountedDrive(const std::string& path) {
  const std::string_view ownFolder = FolderPart(path);
  std::string_view folder = ownFolder;
  while (folder.size() > 1 && !DirectoryExists(std::string(folder))) folder = FolderPart(folder);
  if (folder.size() <= 1) return false;
  if (HoldsMountPoints(folder)) return true;
  return IsEmptyFolder(std::string(folder)) && (folder != ownFolder || HoldsMountPoints(FolderPart(folder)));
}

}  // namespace kinshelf::platform
