// The long work that a Cancel from the window's thread reaches: set by its own thread for as long as
// the work runs (Scope), so that Cancel never touches work that has not started or has ended. A
// Cancel that comes before the work starts is kept, and the work's thread checks it first.
#pragma once

#include <atomic>
#include <mutex>

namespace kinshelf {

template <typename Work>
class CancelSlot {
 public:
  // From any thread.
  void Cancel() {
    cancelled_ = true;
    const std::lock_guard lock(mutex_);
    if (work_ != nullptr) work_->Cancel();
  }
  bool Cancelled() const { return cancelled_; }
  void Reset() { cancelled_ = false; }

  // While it lives, Cancel reaches `work`.
  class Scope {
   public:
    Scope(CancelSlot& slot, Work& work) : slot_(slot) {
      const std::lock_guard lock(slot_.mutex_);
      slot_.work_ = &work;
    }
    ~Scope() {
      const std::lock_guard lock(slot_.mutex_);
      slot_.work_ = nullptr;
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    CancelSlot& slot_;
  };

 private:
  std::mutex mutex_;
  Work* work_ = nullptr;
  std::atomic<bool> cancelled_{false};
};

}  // namespace kinshelf
