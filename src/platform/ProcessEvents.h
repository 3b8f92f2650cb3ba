// The hook through which long work lets pending events through: the desktop window installs its
// event processing, the command line its progress display or nothing. Main thread only.
#pragma once

#include <functional>

namespace kinshelf::platform {

// Installs the hook (an empty function removes it) and returns the one it replaces.
std::function<void()> SetProcessEventsHook(std::function<void()> hook);
// Runs the installed hook, if any.
void ProcessPendingEvents();

}  // namespace kinshelf::platform
