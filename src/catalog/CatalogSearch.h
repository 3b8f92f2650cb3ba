// The catalog search: walks the chosen folders with the search engine, recognises every genealogy
// file it reports, and records it in the catalog; rows of files it did not see are swept at the end
// unless the existing catalog is kept. The "Search Computer" dialog and `kinshelf search` drive it.
//
// States: ready -> running (Run) -> finished. Rules:
//  1. Run stores the searched roots, the kind flags and the keep choice in the settings and saves
//     them before the walk starts.
//  2. The whole search is one transaction: marks are cleared, every file found is saved with its
//     mark set, and the sweep deletes the rows still unmarked; then it commits.
//  3. A search that was cancelled or failed commits what it recorded and deletes nothing: rows of
//     files it had not reached yet (bookmarks included) must survive.
//  4. Pending events are let through once per folder; Cancel, called from them, is noticed there.
//  5. Hidden folders below the searched roots are skipped with their subfolders, and so are the
//     folders the exclusion list names; hidden files, links and excluded files are never recorded.
// Main thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/FileKinds.h"
#include "catalog/KindSet.h"
#include "catalog/findfile/TFindFile.h"

namespace kinshelf {

class WFileStore;
class WFileExcludeList;
class WOptions;

class CatalogSearch {
 public:
  struct Result {
    std::int64_t processed = 0;  // entries the engine reported
    std::int64_t found = 0;      // genealogy files recognised
    std::int64_t added = 0;
    std::int64_t updated = 0;
    std::int64_t removed = 0;
    bool cancelled = false;
    std::array<std::int64_t, kFileKinds.size() + 1> perKind{};  // found files by kind code

    std::int64_t Found(FileKind kind) const { return perKind[static_cast<std::size_t>(KindCode(kind))]; }
  };

  // The store, settings and list stay the caller's and must outlive the search. The kind flags and
  // the keep choice start from the settings.
  CatalogSearch(WFileStore& store, WOptions& options, const WFileExcludeList& exclusions);

  // Which kinds to look for, and whether rows of files not found stay; read by Run.
  KindSet kinds;
  bool keepExisting = false;

  // Searches the folders (absolute paths), in order, once. Throws what the store throws, after
  // committing the work done.
  Result Run(const std::vector<std::string>& roots);
  // Asks the running search to stop at its next check.
  void Cancel();

  // Progress, for a display refreshed while the search runs.
  const Result& Progress() const { return result_; }
  const std::string& CurrentFolder() const { return currentFolder_; }

 private:
  void StoreSettings(const std::vector<std::string>& roots);
  void OnFolderChange(const std::string& folder, TFolderIgnore& ignore);
  void OnFileMatch(const std::string& folder, const TFoundEntry& entry);
  void Record(const std::string& fullPath, FileKind kind, const TFoundEntry& entry);
  bool IsStartFolder(const std::string& folder) const;

  WFileStore& store_;
  WOptions& options_;
  const WFileExcludeList& exclusions_;
  TFindFile engine_;
  std::vector<std::string> startFolders_;
  Result result_;
  std::string currentFolder_;
};

}  // namespace kinshelf
