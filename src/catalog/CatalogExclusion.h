// Leaving a file or a folder out of the catalog: its rows go and an entry of the exclusion list keeps
// later searches from adding them again. The command line's `exclude` and the window's "Exclude file
// from list" both do it this way.
#pragma once

#include <cstdint>
#include <string>

namespace kinshelf {

class WFileExcludeList;
class WFileStore;

// Adds a folder entry with its subfolders unless the list has one for that folder, saves the list,
// then deletes the rows of every file in the folder and below it. Returns the number of rows deleted.
// Throws std::runtime_error naming the list's file, with no row deleted, when the list cannot be saved.
std::int64_t ExcludeFolderFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& folder);

// Adds a file entry unless the list excludes the file already, saves the list, then deletes the
// file's row (`fileID`, 0 for a file that is not catalogued). Throws as the folder's exclusion.
void ExcludeFileFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& fullPath,
                            std::int32_t fileID);

}  // namespace kinshelf
