// The program's one cancel flag.
#include "model/CancelFlag.h"

#include <atomic>

namespace kinshelf {

namespace {

// The one piece of process-wide state the readers share: a lock-free flag, safe to set anywhere.
std::atomic<bool> cancelRequested{false};

}  // namespace

bool CancelRequested() { return cancelRequested.load(std::memory_order_relaxed); }

void RequestCancel() { cancelRequested.store(true, std::memory_order_relaxed); }

void ClearCancel() { cancelRequested.store(false, std::memory_order_relaxed); }

}  // namespace kinshelf
