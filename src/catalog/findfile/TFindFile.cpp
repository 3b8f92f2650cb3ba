// The file search component.
#include "catalog/findfile/TFindFile.h"

#include <chrono>
#include <utility>

#include "catalog/findfile/EntryAcceptance.h"
#include "catalog/findfile/FileMask.h"
#include "platform/ProcessEvents.h"

namespace kinshelf {

namespace {

// How long Abort waits between tries for the lock, after letting pending events through.
constexpr std::chrono::milliseconds kLockRetryPause{1};

}  // namespace

TFindFile::~TFindFile() {
  destroying_ = true;
  Abort();
  if (worker_.joinable()) worker_.join();
}

void TFindFile::Execute() {
  if (busy_.exchange(true)) return;
  aborted_ = false;
  foldersSearched_ = 0;
  statusFetches_ = 0;
  std::exception_ptr error;
  try {
    run_ = std::make_unique<TTargetSearch>(BuildTargetSearch(Criteria));
    if (OnSearchBegin) OnSearchBegin(*this);
    if (Threaded) {
      completed_ = false;
      worker_ = std::thread([this] { RunWorker(); });
      return;
    }
    Walk();
  } catch (...) {
    error = std::current_exception();
  }
  if (const auto failure = EndRun(error)) std::rethrow_exception(failure);
}

void TFindFile::Abort() {
  if (!busy_ || aborted_.exchange(true)) return;
  if (destroying_) return;
  std::unique_lock guard(lock_, std::try_to_lock);
  while (!guard.owns_lock()) {
    platform::ProcessPendingEvents();
    std::this_thread::sleep_for(kLockRetryPause);
    guard.try_lock();
  }
  if (busy_ && OnSearchAbort) OnSearchAbort(*this);
}

bool TFindFile::ProcessCompletion() {
  std::exception_ptr error;
  {
    std::lock_guard guard(completionMutex_);
    if (!completed_) return false;
    completed_ = false;
    error = std::exchange(workerError_, nullptr);
  }
  worker_.join();
  if (const auto failure = EndRun(error)) {
    if (!OnError) std::rethrow_exception(failure);
    OnError(*this, failure);
  }
  return true;
}

void TFindFile::WaitForCompletion() {
  if (!worker_.joinable()) return;
  {
    std::unique_lock guard(completionMutex_);
    completionQueued_.wait(guard, [this] { return completed_; });
  }
  ProcessCompletion();
}

TSearchStatistics TFindFile::Statistics() const {
  return {foldersSearched_.load(), statusFetches_.load()};
}

void TFindFile::RunWorker() {
  std::exception_ptr error;
  try {
    Walk();
  } catch (...) {
    error = std::current_exception();
  }
  {
    std::lock_guard guard(completionMutex_);
    workerError_ = error;
    completed_ = true;
  }
  completionQueued_.notify_all();
  if (OnCompletionReady) OnCompletionReady();
}

void TFindFile::Walk() {
  for (const auto& target : run_->Targets.Folders) {
    if (aborted_) return;
    level_ = 0;
    target_ = &target;
    auto reader = platform::DirectoryReader::OpenPath(target.Path);
    startMount_ = reader.Mount();
    SearchFolder(target.Path, reader);
  }
}

void TFindFile::SearchFolder(const std::string& folder, platform::DirectoryReader& reader) {
  if (aborted_) return;
  ++level_;
  ++foldersSearched_;
  const TFolderIgnore ignore = RaiseFolderChange(folder);
  const bool files = (ignore == fiNone || ignore == fiJustSubfolders) && level_ >= target_->MinLevel;
  const bool subfolders = target_->Recursive && (ignore == fiNone || ignore == fiJustThis) &&
                          (target_->MaxLevel == 0 || level_ < target_->MaxLevel);
  if ((files || subfolders) && !reader.IsOpen()) RaiseFolderUnread(folder, reader.OpenError());
  if (files || subfolders) {
    const auto entries = ReadEntries(reader);
    if (files) ReportFiles(folder, reader, entries);
    if (subfolders) SearchSubfolders(folder, reader, entries);
  }
  --level_;
}

std::vector<platform::DirectoryEntry> TFindFile::ReadEntries(platform::DirectoryReader& reader) const {
  std::vector<platform::DirectoryEntry> entries;
  while (!aborted_) {
    auto entry = reader.Next();
    if (!entry) break;
    entries.push_back(std::move(*entry));
  }
  return entries;
}

void TFindFile::ReportFiles(const std::string& folder, const platform::DirectoryReader& reader,
                            const std::vector<platform::DirectoryEntry>& entries) {
  const auto& masks = target_->Masks;
  for (auto mask = masks.rbegin(); mask != masks.rend(); ++mask) {
    for (const auto& entry : entries) {
      if (aborted_) return;
      if (!MaskMatches(entry.name, *mask)) continue;
      const TFoundEntry found(reader, entry, &statusFetches_);
      if (AcceptEntry(*run_, folder, found)) RaiseFileMatch(folder, found);
    }
  }
}

void TFindFile::SearchSubfolders(const std::string& folder, const platform::DirectoryReader& reader,
                                 const std::vector<platform::DirectoryEntry>& entries) {
  for (const auto& entry : entries) {
    if (aborted_) return;
    if (entry.type != platform::EntryType::kDirectory) continue;
    if (!startMount_ || reader.MountOf(entry.name) != startMount_) continue;
    auto subfolder = platform::DirectoryReader::OpenSubfolder(reader, entry.name);
    SearchFolder(folder + entry.name + "/", subfolder);
  }
}

TFolderIgnore TFindFile::RaiseFolderChange(const std::string& folder) {
  TFolderIgnore ignore = fiNone;
  std::lock_guard guard(lock_);
  if (!aborted_ && OnFolderChange) OnFolderChange(*this, folder, ignore);
  return ignore;
}

void TFindFile::RaiseFileMatch(const std::string& folder, const TFoundEntry& entry) {
  std::lock_guard guard(lock_);
  if (!aborted_ && OnFileMatch) OnFileMatch(*this, folder, entry);
}

void TFindFile::RaiseFolderUnread(const std::string& folder, int error) {
  std::lock_guard guard(lock_);
  if (!aborted_ && OnFolderUnread) OnFolderUnread(*this, folder, error);
}

std::exception_ptr TFindFile::EndRun(std::exception_ptr error) {
  std::lock_guard guard(lock_);
  try {
    if (OnSearchFinish && !destroying_) OnSearchFinish(*this);
  } catch (...) {
    if (!error) error = std::current_exception();
  }
  run_.reset();
  target_ = nullptr;
  busy_ = false;
  return error;
}

}  // namespace kinshelf
