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

std::int64_t ExcludeFolderFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& folder) {
  const std::int64_t removed = store.DeleteFolderRows(folder);
  if (!HasFolderEntry(list, folder)) list.AddFolder(folder, true);
  return removed;
}

void ExcludeFileFromCatalog(WFileStore& store, WFileExcludeList& list, const std::string& fullPath,
                            std::int32_t fileID) {
  if (fileID != 0) store.DeleteFileRow(fileID);
  if (!list.IsFileExcluded(fullPath)) list.AddFile(fullPath);
}

}  // namespace kinshelf
