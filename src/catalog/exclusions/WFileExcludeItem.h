// One entry of the exclusion list: a folder (with or without its subfolders) or a single file.
#pragma once

#include <string>

namespace kinshelf {

struct WFileExcludeItem {
  bool IsPath = false;  // true: a folder entry; false: a file entry
  std::string Path;     // the folder or the file's full path, bytes as the file system names them
  bool Sub = false;     // folder entries: the folders below it are excluded too

  bool operator==(const WFileExcludeItem&) const = default;
};

}  // namespace kinshelf
