// The core's event hook, set for the life of a piece of long work.
#include "app/EventHookScope.h"

#include <utility>

#include "platform/ProcessEvents.h"

namespace kinshelf {

EventHookScope::EventHookScope(std::function<void()> hook)
    : previous_(platform::SetProcessEventsHook(std::move(hook))) {}

EventHookScope::~EventHookScope() {
  platform::SetProcessEventsHook(std::move(previous_));
}

}  // namespace kinshelf
