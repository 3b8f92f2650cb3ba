// The file search component: walks folder trees by a set of criteria, announces every folder it
// enters (the owner may skip its files, its subfolders or both) and reports every entry that passes
// the criteria. It runs on the calling thread or on a worker thread, and can be aborted.
//
// States and rules:
// 1. Idle -> Execute -> running (Busy) -> walk done or abort noticed -> end steps (OnSearchFinish, the
//    run freed, Busy cleared) -> idle. One run at a time; Execute while Busy does nothing.
// 2. Aborted is set by Abort and cleared only by the next Execute. The walk checks it before every
//    folder and entry and unwinds; OnSearchAbort then OnSearchFinish follow, each once.
// 3. OnFolderChange and OnFileMatch run on the walking thread while the lock is held, and only while
//    not Aborted. Abort takes the same lock before raising OnSearchAbort, so it waits for a running
//    handler, letting pending events through meanwhile (platform::ProcessPendingEvents); from inside a
//    handler on the same thread it gets the lock at once, as the lock is re-entrant.
// 4. Threaded false: Execute returns after the end steps. An exception from a handler ends the walk
//    and propagates out of Execute after the end steps have run.
// 5. Threaded true: OnSearchBegin runs on the thread that calls Execute, the walk on a worker thread.
//    The worker queues its completion and then calls OnCompletionReady (on the worker; it may only wake
//    the owner, for example by posting an event, and must not throw). The owner runs the end steps by
//    calling ProcessCompletion from its event loop, or WaitForCompletion to block; Busy stays set until
//    then. An exception that escaped the walk (or came from OnSearchFinish) is reported after the end
//    steps: handed to OnError when one is set, otherwise rethrown from ProcessCompletion.
// 6. Destroying the component while Busy aborts the run and joins the worker; neither OnSearchAbort
//    nor OnSearchFinish is raised then.
// 7. Links are never followed and a walk stays on the file system of its start folder; folders that
//    cannot be read are announced and yield nothing.
// Threads: Execute, ProcessCompletion, WaitForCompletion and the destructor belong to the owning
// thread; Abort, Busy, Aborted and Statistics may be called from any thread. Criteria and handlers
// must not change while Busy.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "catalog/findfile/SearchCriteria.h"
#include "catalog/findfile/TFoundEntry.h"
#include "catalog/findfile/TTargetSearch.h"
#include "platform/DirectoryReader.h"

namespace kinshelf {

// What the owner answers when a folder is entered.
enum TFolderIgnore {
  fiNone,               // search its files and its subfolders
  fiJustThis,           // skip its files, still search its subfolders
  fiJustSubfolders,     // search its files, do not descend
  fiThisAndSubfolders,  // skip both
};

// Counts of the current or last run.
struct TSearchStatistics {
  std::uint64_t FoldersSearched = 0;  // folders announced
  std::uint64_t StatusFetches = 0;    // entries whose status was read
};

class TFindFile {
 public:
  using TFileMatchEvent = std::function<void(TFindFile&, const std::string& folder, const TFoundEntry&)>;
  using TFolderChangeEvent = std::function<void(TFindFile&, const std::string& folder, TFolderIgnore&)>;
  using TNotifyEvent = std::function<void(TFindFile&)>;
  using TErrorEvent = std::function<void(TFindFile&, std::exception_ptr)>;
  using TFolderUnreadEvent = std::function<void(TFindFile&, const std::string& folder, int error)>;

  TFindFile() = default;
  ~TFindFile();
  TFindFile(const TFindFile&) = delete;
  TFindFile& operator=(const TFindFile&) = delete;

  TSearchCriteria Criteria;
  bool Threaded = false;

  // `folder` is the folder's absolute path ending with "/". The entry is valid only during the call.
  TFileMatchEvent OnFileMatch;
  // `ignore` comes in as fiNone.
  TFolderChangeEvent OnFolderChange;
  // A folder whose files or subfolders were to be searched could not be opened; `error` is the
  // errno value. Runs as OnFolderChange does.
  TFolderUnreadEvent OnFolderUnread;
  TNotifyEvent OnSearchBegin;
  TNotifyEvent OnSearchFinish;
  TNotifyEvent OnSearchAbort;
  // Worker mode only: receives, on the owning thread, the exception that ended the walk.
  TErrorEvent OnError;
  // Worker mode only: called on the worker once the completion is queued.
  std::function<void()> OnCompletionReady;

  // Starts a run; does nothing while Busy. See rules 4 and 5 for what it throws.
  void Execute();
  // Asks the running search to stop; does nothing when not Busy or already Aborted.
  void Abort();
  // Runs the end steps of a finished worker run and returns true; false when none is queued.
  bool ProcessCompletion();
  // Blocks until a worker run has finished, then runs ProcessCompletion; returns at once otherwise.
  void WaitForCompletion();

  bool Busy() const { return busy_; }
  bool Aborted() const { return aborted_; }
  TSearchStatistics Statistics() const;

 private:
  void Walk();
  void RunWorker();
  void SearchFolder(const std::string& folder, platform::DirectoryReader& reader);
  std::vector<platform::DirectoryEntry> ReadEntries(platform::DirectoryReader& reader) const;
  void ReportFiles(const std::string& folder, const platform::DirectoryReader& reader,
                   const std::vector<platform::DirectoryEntry>& entries);
  void SearchSubfolders(const std::string& folder, const platform::DirectoryReader& reader,
                        const std::vector<platform::DirectoryEntry>& entries);
  TFolderIgnore RaiseFolderChange(const std::string& folder);
  void RaiseFileMatch(const std::string& folder, const TFoundEntry& entry);
  void RaiseFolderUnread(const std::string& folder, int error);
  // Raises OnSearchFinish, frees the run and clears Busy; returns `error`, or else what the handler threw.
  std::exception_ptr EndRun(std::exception_ptr error);

  std::unique_ptr<TTargetSearch> run_;
  const TTargetFolder* target_ = nullptr;
  std::optional<std::uint64_t> startMount_;
  int level_ = 0;

  std::atomic<bool> busy_{false};
  std::atomic<bool> aborted_{false};
  std::atomic<bool> destroying_{false};
  std::recursive_mutex lock_;
  std::atomic<std::uint64_t> foldersSearched_{0};
  std::atomic<std::uint64_t> statusFetches_{0};

  std::thread worker_;
  std::mutex completionMutex_;
  std::condition_variable completionQueued_;
  bool completed_ = false;
  std::exception_ptr workerError_;
};

}  // namespace kinshelf
