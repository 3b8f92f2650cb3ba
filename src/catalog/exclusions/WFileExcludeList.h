// The exclusion list: the folders and files the catalog search leaves out, kept in "Exclude.xml"
// (format in catalog/ExcludeXml.h). Not shared between threads; one holder at a time per file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalog/exclusions/WFileExcludeItem.h"
#include "platform/FolderLock.h"

namespace kinshelf {

class WFileExcludeList {
 public:
  // Remembers the name and loads the file. Throws std::runtime_error naming the file when it cannot be
  // read or is not well-formed, so a damaged list is never silently replaced by an empty one.
  explicit WFileExcludeList(std::string fileName);
  // Saves the list when it was changed since it was loaded or saved, so that a holder that only read
  // it never writes back an old copy over another program's edits. A destructor must not throw, so a
  // failed save is dropped here: a holder that needs to know calls Save() itself before letting the
  // list go.
  ~WFileExcludeList();
  WFileExcludeList(const WFileExcludeList&) = delete;
  WFileExcludeList& operator=(const WFileExcludeList&) = delete;

  // "Exclude.xml" in the catalog folder.
  static std::string DefaultFileName();
  // Locks the folder of the list's file until the lock goes: a holder that loads, edits and saves
  // the list while it holds the lock makes its edit on top of those of other processes, never over
  // them. Taken after the catalog is open (the catalog's folder is the same).
  static platform::FolderLock LockForEditing(const std::string& fileName);
  // Creates the file, and its missing folders, holding an empty list when no file of that name exists.
  // Throws std::runtime_error naming the file or folder that could not be made.
  static void EnsureFileExists(const std::string& fileName);

  const std::string& FileName() const { return fileName_; }

  // Replaces the entries with those of the file; on an error (as for the constructor) they stay as
  // they were.
  void Load();
  // Writes the list, replacing the file atomically; when another program changed the file since it
  // was loaded, this list's edits are made on the file's entries instead, and the list takes the
  // result. Throws std::runtime_error naming the file, also when it can no longer be read.
  void Save();
  // Whether the entries were changed since the last Load or Save.
  bool Changed() const { return changed_; }

  void AddFolder(std::string path, bool sub);
  void AddFile(std::string path);

  int Count() const { return static_cast<int>(items_.size()); }
  // The entry at a 1-based index, or nullptr outside 1..Count(). The list keeps it; the pointer is valid
  // until the next Load, Add, Remove or Clear. The entry may be edited, so the list counts as changed.
  WFileExcludeItem* Item(int index);
  // Removes the entry at a 1-based index; does nothing outside 1..Count().
  void Remove(int index);
  void Clear();
  const std::vector<WFileExcludeItem>& Items() const { return items_; }

  // Whether the search skips the folder; `sub` tells whether its subfolders are skipped too (false when
  // not excluded). Rules in catalog/ExcludeMatcher.h; touches no disk.
  bool IsFolderExcluded(std::string_view folder, bool& sub) const;
  // Whether a file entry names the path (ASCII case ignored). Touches no disk.
  bool IsFileExcluded(std::string_view fullPath) const;

 private:
  bool InRange(int index) const { return index >= 1 && index <= Count(); }
  // The entries to save: see Save.
  std::vector<WFileExcludeItem> EditedFile() const;

  std::string fileName_;
  std::vector<WFileExcludeItem> items_;
  // The entries as last loaded or saved.
  std::vector<WFileExcludeItem> loaded_;
  bool changed_ = false;
};

}  // namespace kinshelf
