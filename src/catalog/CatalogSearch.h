// The catalog search: walks the chosen folders with the search engine, recognises every genealogy
// file it reports, and records it in the catalog; rows of files it could have found and did not are
// swept at the end unless the existing catalog is kept. The "Search Computer" dialog and
// `kinshelf search` drive it.
//
// States: ready -> running (Run) -> finished. Rules:
//  1. Run changes no setting; SaveChoices stores the roots, the kind flags and the keep choice for
//     a caller whose choices are the user's standing ones (the dialog).
//  2. The whole search is one transaction: marks are cleared, every file found is saved with its
//     mark set, and the sweep deletes the unmarked rows of the kinds searched whose folder the walk
//     listed (or found excluded); then it commits. Rows on other drives or folders, in hidden or
//     unreadable folders, on other file systems and of other kinds stay, bookmarks and all.
//  3. A search that was cancelled or failed commits what it recorded and deletes nothing: rows of
//     files it had not reached yet (bookmarks included) must survive.
//  4. Pending events are let through once per folder; Cancel, called from them, is noticed there.
//  5. Hidden folders below the searched roots are skipped with their subfolders, and so are the
//     folders the exclusion list names; hidden files, links and excluded files are never recorded.
//  6. A root inside another root is searched once, as part of the outer one.
// Main thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
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
    std::int64_t updated = 0;    // found again with another size or other dates
    std::int64_t unchanged = 0;  // found again as they were
    std::int64_t removed = 0;
    std::int64_t unreadFolders = 0;  // folders that could not be opened: their files are unknown
    std::string firstUnread;         // the first of them and why, as "FOLDER: reason"
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

  // Searches the folders (absolute paths), in order, each once. Throws what the store throws, after
  // committing the work done.
  Result Run(const std::vector<std::string>& roots);
  // What the user chose for a search: where, which kinds, whether rows of files not found stay.
  struct Choices {
    std::vector<std::string> roots;
    KindSet kinds;
    bool keepExisting = false;
  };
  // The kind flags and the keep choice the settings hold; no roots.
  static Choices StandingChoices(const WOptions& options);
  // Stores the roots, the kind flags and the keep choice in the settings and saves them.
  static void SaveChoices(WOptions& options, const Choices& choices);
  // The roots without repeats and without those inside another root, in their order.
  static std::vector<std::string> DistinctRoots(const std::vector<std::string>& roots);
  // Asks the running search to stop at its next check.
  void Cancel();

  // Progress, for a display refreshed while the search runs.
  const Result& Progress() const { return result_; }
  const std::string& CurrentFolder() const { return currentFolder_; }

 private:
  void OnFolderChange(const std::string& folder, TFolderIgnore& ignore);
  void OnFileMatch(const std::string& folder, const TFoundEntry& entry);
  void Record(const std::string& fullPath, FileKind kind, const TFoundEntry& entry);
  bool IsStartFolder(const std::string& folder) const;
  std::int64_t Sweep();

  WFileStore& store_;
  WOptions& options_;
  const WFileExcludeList& exclusions_;
  TFindFile engine_;
  std::vector<std::string> startFolders_;
  std::unordered_set<std::string> searchedFolders_;  // whose files the walk listed or found excluded
  // The rows by their files' full paths, read once: a look-up of each file found, in a table that
  // has no index on its paths, made a search's time grow with the square of the files.
  std::unordered_map<std::string, std::int32_t> rowsByPath_;
  Result result_;
  std::string currentFolder_;
};

}  // namespace kinshelf
