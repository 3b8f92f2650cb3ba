// The hook through which long work lets pending events through.
#include "platform/ProcessEvents.h"

#include <utility>

namespace kinshelf::platform {

namespace {

std::function<void()>& Hook() {
  thread_local std::function<void()> hook;
  return hook;
}

}  // namespace

std::function<void()> SetProcessEventsHook(std::function<void()> hook) {
  return std::exchange(Hook(), std::move(hook));
}

void ProcessPendingEvents() {
  if (const auto& hook = Hook()) hook();
}

}  // namespace kinshelf::platform
