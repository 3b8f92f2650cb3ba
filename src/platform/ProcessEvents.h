// The hook through which long work lets pending events through: the desktop window's workers
// install their progress reports, the command line its progress display, or nothing. Each thread
// has a hook of its own: work on one thread never runs the hook another thread installed, which
// may read that thread's state while it changes.
#pragma once

#include <functional>

namespace kinshelf::platform {

// Installs this thread's hook (an empty function removes it) and returns the one it replaces.
std::function<void()> SetProcessEventsHook(std::function<void()> hook);
// Runs this thread's hook, if any.
void ProcessPendingEvents();

}  // namespace kinshelf::platform
