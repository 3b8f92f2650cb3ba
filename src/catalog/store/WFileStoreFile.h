// The record of one catalogued file: one row of the Files table with its kind, location, size,
// dates, bookmark and search mark. Setters note whether anything changed; SaveToStore writes the
// row with one insert or one update. Records are short-lived values handed out by WFileStore.
#pragma once

#include <cstdint>
#include <string>

#include "catalog/FileKinds.h"
#include "platform/FileInfo.h"

namespace kinshelf {

class WFileStore;

class WFileStoreFile {
 public:
  // A new record for a file on disk, not yet in the table (FileID 0): its size and location come
  // from the path (nothing when no file is there), its kind is given.
  WFileStoreFile(WFileStore& store, FileKind kind, const std::string& fullPath);
  // The same with the file's status already read.
  WFileStoreFile(WFileStore& store, FileKind kind, const std::string& fullPath,
                 const platform::FileStatus& status);
  // The record of an existing row; a missing row loads as an empty record with that id.
  // Throws WFileStoreError when the statement fails.
  WFileStoreFile(WFileStore& store, std::int32_t fileID);

  // Takes size, drive, folder and name from the file at the path; does nothing when there is no
  // file there. The size is -1 when it cannot be read.
  void SetFromPath(const std::string& fullPath);
  // The same from a status already read, so that a caller that has one (the search) needs no
  // lookup by full path, which can fail where reading relative to the folder did not.
  void SetFromPath(const std::string& fullPath, const platform::FileStatus& status);

  // Each setter stores the value and marks the record dirty only when the value differs.
  void SetDrive(const std::string& value);
  void SetKind(FileKind value);
  void SetName(const std::string& value);
  void SetPath(const std::string& value);
  void SetSize(std::int64_t value);
  void SetCreated(double value);
  void SetModified(double value);
  void SetBookmark(bool value);
  void SetTmpFlag(std::int32_t value);

  // Reloads the record from its row. Throws WFileStoreError.
  void LoadFromStore();
  // Inserts a record without an id (and takes the new id), or updates a dirty one, stamping its
  // update date with the current local time. Throws WFileStoreError; the fields keep their values.
  void SaveToStore();

  // Drive, folder and name joined with separators.
  std::string FullPath() const;

  bool Dirty() const { return dirty_; }
  std::int32_t FileID() const { return fileID_; }
  const std::string& Drive() const { return drive_; }
  FileKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  // The extension without its dot, as of the last load; empty when the name has no dot.
  const std::string& Ext() const { return ext_; }
  const std::string& Path() const { return path_; }
  std::int32_t Inds() const { return inds_; }
  std::int32_t Fams() const { return fams_; }
  std::int64_t Size() const { return size_; }
  double Modified() const { return lastModified_; }
  double Created() const { return created_; }
  double UpdateDate() const { return updateDate_; }
  bool Bookmark() const { return bookmark_; }
  std::int32_t TmpFlag() const { return tmpFlag_; }
  std::uint32_t Crc32() const { return crc32_; }
  const std::string& FileVer() const { return fileVer_; }

  // The display name of a kind; empty for kUnknown and codes outside 1..9.
  static std::string KindDisplayName(FileKind kind);

 private:
  template <typename T>
  void Change(T& field, const T& value);
  void BindColumns(class SqlStatement& statement) const;
  void SetNameParts(const std::string& fullPath);

  bool dirty_ = false;
  WFileStore& store_;
  std::string fileVer_;
  std::int32_t fileID_ = 0;
  std::string drive_;
  FileKind kind_ = FileKind::kUnknown;
  std::string name_;
  std::string ext_;
  std::string path_;
  std::int32_t inds_ = 0;
  std::int32_t fams_ = 0;
  // The full 64-bit size: a low-32-bit value would make a 3 GiB file negative.
  std::int64_t size_ = 0;
  double lastModified_ = 0;
  double created_ = 0;
  double updateDate_ = 0;
  bool bookmark_ = false;
  std::int32_t tmpFlag_ = 0;
  std::uint32_t crc32_ = 0;
};

}  // namespace kinshelf
