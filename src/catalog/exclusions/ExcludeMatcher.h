// The matching rules of the exclusion list: pure functions over the entries that never touch the disk.
//
// Paths compare without regard to ASCII case (bytes outside ASCII compare exactly) and after one
// trailing "/" is removed from each side. An entry with an empty path never matches.
#pragma once

#include <span>
#include <string_view>

#include "catalog/exclusions/WFileExcludeItem.h"

namespace kinshelf {

struct FolderExclusion {
  bool excluded = false;
  bool sub = false;  // the folders below are excluded too

  bool operator==(const FolderExclusion&) const = default;
};

// Whether the search skips a folder:
// - a folder whose path contains "$RECYCLE.BIN" (any case) is excluded with its subfolders;
// - otherwise the first folder entry in list order that matches decides `sub`: an entry with Sub
//   matches the folder itself and every folder below it, one without Sub the folder itself only.
// File entries are ignored.
FolderExclusion MatchExcludedFolder(std::span<const WFileExcludeItem> items, std::string_view folder);

// Whether a file entry names the full path. Folder entries are ignored.
bool MatchExcludedFile(std::span<const WFileExcludeItem> items, std::string_view fullPath);

}  // namespace kinshelf
