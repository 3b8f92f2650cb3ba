// The event hook: each thread runs the hook it installed, and only that one.
#include "platform/ProcessEvents.h"

#include <gtest/gtest.h>

#include <thread>

namespace kinshelf::platform {
namespace {

// A worker's hook reads the worker's own state; run from another thread (a cancel that waits for
// the worker, a file loading beside a search) it would read that state while it changes.
TEST(ProcessEventsTest, AThreadRunsOnlyTheHookItInstalled) {
  int mine = 0;
  int workers = 0;
  const auto previous = SetProcessEventsHook([&mine] { ++mine; });
  std::thread worker([&workers] {
    ProcessPendingEvents();
    SetProcessEventsHook([&workers] { ++workers; });
    ProcessPendingEvents();
    SetProcessEventsHook({});
  });
  worker.join();
  ProcessPendingEvents();
  EXPECT_EQ(mine, 1);
  EXPECT_EQ(workers, 1);
  SetProcessEventsHook(previous);
}

}  // namespace
}  // namespace kinshelf::platform
