// While it lives, the core's event hook (platform::ProcessPendingEvents) is the one given, on the
// thread of long work that the window runs: the hook reports progress and never enters an event
// loop. The previous hook comes back at the end.
#pragma once

#include <functional>

namespace kinshelf {

class EventHookScope {
 public:
  explicit EventHookScope(std::function<void()> hook);
  ~EventHookScope();
  EventHookScope(const EventHookScope&) = delete;
  EventHookScope& operator=(const EventHookScope&) = delete;

 private:
  std::function<void()> previous_;
};

}  // namespace kinshelf
