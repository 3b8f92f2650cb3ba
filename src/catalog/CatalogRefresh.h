// The refresh of a listing: every listed file that still exists gets its dates and size from the
// disk, and the row of every file that is gone is deleted.
//
// States: ready -> running (Run) -> done. Rules:
//  1. The whole refresh is one transaction, committed however the loop ends.
//  2. Pending events are let through every 20 files; that is where Cancel, called from them, is
//     noticed, so a cancel stops the loop within 20 files and keeps the work done so far.
//  3. Only the listed ids are visited; a row is rewritten only when something changed.
#pragma once

#include <atomic>
#include <cstdint>

namespace kinshelf {

class WFileStore;
class WIntArray;

class CatalogRefresh {
 public:
  struct Result {
    std::int64_t checked = 0;
    std::int64_t updated = 0;
    std::int64_t removed = 0;
    bool cancelled = false;
  };

  // The store and the list stay the caller's and must outlive the refresh.
  CatalogRefresh(WFileStore& store, const WIntArray& ids) : store_(store), ids_(ids) {}

  // Runs the refresh once. Throws the store's error; the work done until then is committed.
  Result Run();
  // Asks the running refresh to stop at its next check; from any thread.
  void Cancel() { cancelRequested_ = true; }

  // Progress: files examined so far out of the total.
  std::int64_t Done() const { return done_; }
  std::int64_t Total() const;

 private:
  void RefreshOne(std::int32_t fileID, Result& result);

  WFileStore& store_;
  const WIntArray& ids_;
  std::atomic<bool> cancelRequested_{false};
  std::int64_t done_ = 0;
};

}  // namespace kinshelf
