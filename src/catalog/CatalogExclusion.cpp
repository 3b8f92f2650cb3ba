// Leaving a file or a folder out of the catalog.
#include "catalog/CatalogExclusion.h"

#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/WFileStore.h"
#include "platform/AsciiCase.h"
#include "platform/Paths.h"

namespace kinshelf {

namespace {

bool HasFolderEntry(const WFileExcludeList& list, const std::string& folder) {
  for (const auto& item : list.Items()) {
    if (item.IsPath && item.Sub &&
        platform::EqualsIgnoringAsciiCase(platform::WithoutTrailingSeparator(item.Path), folder)) {
      return true;
    }
  }
  return false;
}

}  // namespace

// The entry is saved before any row goes: rows removed without it would come back with the next
// search, their bookmarks lost.
std::int64_t ExcludeFolderFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& folder) {
  if (!HasFolderEntry(list, folder)) list.AddFolder(folder, true);
  if (list.Changed()) list.Save();
  return store.DeleteFolderRows(folder);
}

void ExcludeFileFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& fullPath,
                            std::int32_t fileID) {
  if (!list.IsFileExcluded(fullPath)) list.AddFile(fullPath);
  if (list.Changed()) list.Save();
  if (fileID != 0) store.DeleteFileRow(fileID);
}

}  // namespace kinshelf
