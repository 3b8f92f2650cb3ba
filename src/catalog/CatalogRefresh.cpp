// The refresh of a listing.
#include "catalog/CatalogRefresh.h"

#include "catalog/store/TransactionScope.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"
#include "platform/FileInfo.h"
#include "platform/ProcessEvents.h"
#include "platform/UnmountedDrive.h"

namespace kinshelf {

namespace {

constexpr std::int64_t kEventInterval = 20;

}  // namespace

std::int64_t CatalogRefresh::Total() const {
  return ids_.Count();
}

CatalogRefresh::Result CatalogRefresh::Run() {
  Result result;
  cancelRequested_ = false;
  TransactionScope transaction(store_);
  for (std::int32_t i = 1; i <= ids_.Count(); ++i) {
    done_ = i;
    if (i % kEventInterval == 0) platform::ProcessPendingEvents();
    if (cancelRequested_) {
      result.cancelled = true;
      break;
    }
    RefreshOne(ids_.GetValue(i), result);
  }
  transaction.Commit();
  return result;
}

void CatalogRefresh::RefreshOne(std::int32_t fileID, Result& result) {
  ++result.checked;
  const auto record = store_.GetFile(fileID);
  const std::string path = record->FullPath();
  const auto status = platform::StatusOf(path);
  // A file that cannot be looked at, or whose drive may only be away, keeps its row as it is.
  if (!status && (!platform::PathIsGone(path) || platform::MayBeOnUnmountedDrive(path))) return;
  if (!status || (status->attributes & platform::attr::kArchive) == 0) {
    store_.DeleteFileRow(fileID);
    ++result.removed;
    return;
  }
  if (status->created) record->SetCreated(*status->created);
  record->SetModified(status->modified);
  // A file that changed since the search also changed its size; showing the old one would be wrong.
  record->SetSize(status->size);
  if (!record->Dirty()) return;
  record->SaveToStore();
  ++result.updated;
}

}  // namespace kinshelf
