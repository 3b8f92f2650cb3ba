// The cancel flag: set from another thread, seen by the reader's thread.
#include "model/CancelFlag.h"

#include <gtest/gtest.h>

#include <thread>

namespace kinshelf {
namespace {

TEST(CancelFlagTest, SetAnywhereClearedBeforeTheNextOperation) {
  ClearCancel();
  EXPECT_FALSE(CancelRequested());
  std::thread([] { RequestCancel(); }).join();
  EXPECT_TRUE(CancelRequested());
  ClearCancel();
  EXPECT_FALSE(CancelRequested());
}

}  // namespace
}  // namespace kinshelf
