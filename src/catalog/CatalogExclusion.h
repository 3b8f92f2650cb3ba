// Leaving a file or a folder out of the catalog: its rows go and an entry of the exclusion list keeps
// later searches from adding them again. The command line's `exclude` and the window's "Exclude file
// from list" both do it this way.
#pragma once

#include <cstdint>
#include <string>

namespace kinshelf {

class WFileExcludeList;
class WFileStore;

// Deletes the rows of every file in the folder and below it, and adds a folder entry with its
// subfolders unless the list has one for that folder. Returns the number of rows deleted.
std::int64_t ExcludeFolderFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& folder);

// Deletes the file's row (`fileID`, 0 for a file that is not catalogued) and adds a file entry unless
// the list excludes the file already.
void ExcludeFileFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& fullPath,
                            std::int32_t fileID);

}  // namespace kinshelf
