// The record of one catalogued file.
#include "catalog/store/WFileStoreFile.h"

#include "catalog/FileKinds.h"
#include "catalog/store/SqlStatement.h"
#include "catalog/store/WFileStore.h"
#include "platform/DateTime.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"

namespace kinshelf {

namespace {

constexpr const char* kSelectRow =
    "SELECT Drive,type,Name,Path,Inds,Fams,Size,FCreate,FLastMod,UpdateDate,bookmark,TmpFlag,crc32 FROM "
    "files "
    "Where FileID=?;";
constexpr const char* kInsertRow =
    "INSERT INTO Files "
    "(Drive,type,Name,Path,Inds,Fams,Size,BookMark,FCreate,FLastMod,UpdateDate,TmpFlag,CRC32) "
    "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?);";
constexpr const char* kLastId = "SELECT MAX(FileID) FROM Files;";
constexpr const char* kUpdateRow =
    "UPDATE Files Set Drive=?,type=?,Name=?,Path=?,Inds=?,Fams=?,Size=?,BookMark=?,FCreate=?,FLastMod=?,"
    "UpdateDate=?,TmpFlag=?,CRC32=? WHERE FileID=?;";

std::string ExtensionOf(const std::string& name) {
  const auto extension = platform::ExtensionPart(name);
  return extension.empty() ? std::string() : std::string(extension.substr(1));
}

}  // namespace

WFileStoreFile::WFileStoreFile(WFileStore& store, FileKind kind, const std::string& fullPath)
    : store_(store) {
  SetFromPath(fullPath);
  SetKind(kind);
}

WFileStoreFile::WFileStoreFile(WFileStore& store, FileKind kind, const std::string& fullPath,
                               const platform::FileStatus& status)
    : store_(store) {
  SetFromPath(fullPath, status);
  SetKind(kind);
}

WFileStoreFile::WFileStoreFile(WFileStore& store, std::int32_t fileID) : store_(store), fileID_(fileID) {
  LoadFromStore();
}

template <typename T>
void WFileStoreFile::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  dirty_ = true;
}

void WFileStoreFile::SetFromPath(const std::string& fullPath) {
  if (!platform::FileExists(fullPath)) return;
  const auto status = platform::StatusOf(fullPath);
  SetSize(status ? status->size : -1);
  SetNameParts(fullPath);
}

void WFileStoreFile::SetFromPath(const std::string& fullPath, const platform::FileStatus& status) {
  SetSize(status.size);
  SetNameParts(fullPath);
}

void WFileStoreFile::SetNameParts(const std::string& fullPath) {
  const auto parts = platform::SplitPath(fullPath);
  SetDrive(parts.drive);
  SetPath(parts.folder);
  SetName(parts.baseName + parts.extension);
}

void WFileStoreFile::SetDrive(const std::string& value) {
  Change(drive_, value);
}
void WFileStoreFile::SetKind(FileKind value) {
  Change(kind_, value);
}
void WFileStoreFile::SetName(const std::string& value) {
  Change(name_, value);
}
void WFileStoreFile::SetPath(const std::string& value) {
  Change(path_, value);
}
void WFileStoreFile::SetSize(std::int64_t value) {
  Change(size_, value);
}
void WFileStoreFile::SetCreated(double value) {
  Change(created_, value);
}
void WFileStoreFile::SetModified(double value) {
  Change(lastModified_, value);
}
void WFileStoreFile::SetBookmark(bool value) {
  Change(bookmark_, value);
}
void WFileStoreFile::SetTmpFlag(std::int32_t value) {
  Change(tmpFlag_, value);
}

void WFileStoreFile::LoadFromStore() {
  const auto select = store_.Statement(kSelectRow);
  select->Bind(1, static_cast<std::int64_t>(fileID_));
  if (select->Step()) {
    drive_ = select->ColumnText(0);
    kind_ = static_cast<FileKind>(select->ColumnInt(1));
    name_ = select->ColumnText(2);
    path_ = select->ColumnText(3);
    inds_ = static_cast<std::int32_t>(select->ColumnInt(4));
    fams_ = static_cast<std::int32_t>(select->ColumnInt(5));
    size_ = select->ColumnInt(6);
    created_ = select->ColumnDouble(7);
    lastModified_ = select->ColumnDouble(8);
    updateDate_ = select->ColumnDouble(9);
    bookmark_ = select->ColumnInt(10) == 1;
    tmpFlag_ = static_cast<std::int32_t>(select->ColumnInt(11));
    crc32_ = static_cast<std::uint32_t>(select->ColumnInt(12));
    ext_ = ExtensionOf(name_);
  }
  dirty_ = false;
}

void WFileStoreFile::BindColumns(SqlStatement& statement) const {
  statement.Bind(1, drive_)
      .Bind(2, static_cast<std::int64_t>(KindCode(kind_)))
      .Bind(3, name_)
      .Bind(4, path_)
      .Bind(5, static_cast<std::int64_t>(inds_))
      .Bind(6, static_cast<std::int64_t>(fams_))
      .Bind(7, size_)
      .Bind(8, static_cast<std::int64_t>(bookmark_ ? 1 : 0))
      .Bind(9, created_)
      .Bind(10, lastModified_)
      .Bind(11, updateDate_)
      .Bind(12, static_cast<std::int64_t>(tmpFlag_))
      .Bind(13, static_cast<std::int64_t>(crc32_));
}

void WFileStoreFile::SaveToStore() {
  if (fileID_ < 1) {
    {
      const auto insert = store_.Statement(kInsertRow);
      BindColumns(*insert);
      insert->Run();
    }
    const auto last = store_.Statement(kLastId);
    if (last->Step()) fileID_ = static_cast<std::int32_t>(last->ColumnInt(0));
  } else if (dirty_) {
    const double previous = updateDate_;
    updateDate_ = platform::NowLocal();
    try {
      const auto update = store_.Statement(kUpdateRow);
      BindColumns(*update);
      update->Bind(14, static_cast<std::int64_t>(fileID_)).Run();
    } catch (...) {
      updateDate_ = previous;
      throw;
    }
  }
  dirty_ = false;
}

std::string WFileStoreFile::FullPath() const {
  return platform::JoinPath(platform::JoinPath(drive_, path_), name_);
}

std::string WFileStoreFile::KindDisplayName(FileKind kind) {
  const FileKindInfo* info = FindKind(kind);
  return info == nullptr ? std::string() : std::string(info->displayName);
}

}  // namespace kinshelf
