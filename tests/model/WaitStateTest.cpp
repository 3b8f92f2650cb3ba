// The wait dialog's state: delayed and immediate shows, nesting, the cancel flag and the height.
#include "model/WaitState.h"

#include <gtest/gtest.h>

#include "model/CancelFlag.h"

namespace kinshelf {
namespace {

using Phase = WaitState::Phase;

TEST(WaitStateTest, AnOperationThatEndsBeforeTheDelayIsNeverShown) {
  WaitState wait;
  wait.ShowWait("Reading.  Please Wait...", false, true);
  EXPECT_EQ(wait.GetPhase(), Phase::kPending);
  EXPECT_TRUE(wait.CloseWait());
  EXPECT_EQ(wait.GetPhase(), Phase::kClosed);
  EXPECT_FALSE(wait.ShowDelayElapsed());
  EXPECT_EQ(wait.GetPhase(), Phase::kClosed);
}

TEST(WaitStateTest, TheDelayedShowDisablesTheActiveWindowUntilTheOutermostClose) {
  WaitState wait;
  wait.ShowWait("first", false, false);
  EXPECT_FALSE(wait.WindowDisabled());
  EXPECT_TRUE(wait.ShowDelayElapsed());
  EXPECT_EQ(wait.GetPhase(), Phase::kShown);
  EXPECT_TRUE(wait.WindowDisabled());
  EXPECT_FALSE(wait.ShowDelayElapsed());
  EXPECT_TRUE(wait.CloseWait());
  EXPECT_FALSE(wait.WindowDisabled());
}

TEST(WaitStateTest, AShowAtOnceDisablesNoWindow) {
  WaitState wait;
  wait.ShowWait("now", true, false);
  EXPECT_EQ(wait.GetPhase(), Phase::kShown);
  EXPECT_FALSE(wait.ShowDelayElapsed());
  EXPECT_FALSE(wait.WindowDisabled());
}

TEST(WaitStateTest, NestedRequestsCloseAtTheOutermostAndKeepTheFirstMessage) {
  WaitState wait;
  wait.ShowWait("outer", false, false);
  wait.ShowWait("inner", true, true);
  EXPECT_EQ(wait.Depth(), 2);
  EXPECT_EQ(wait.Message(), "outer");
  EXPECT_EQ(wait.GetPhase(), Phase::kPending);
  EXPECT_TRUE(wait.CancelAllowed());
  EXPECT_FALSE(wait.CloseWait());
  EXPECT_EQ(wait.GetPhase(), Phase::kPending);
  EXPECT_TRUE(wait.CloseWait());
  EXPECT_EQ(wait.Depth(), 0);
  EXPECT_FALSE(wait.CloseWait());
  EXPECT_EQ(wait.Depth(), 0);
}

TEST(WaitStateTest, OnlyAShowThatAllowsCancellingClearsTheCancelFlag) {
  WaitState wait;
  RequestCancel();
  wait.ShowWait("no cancel", false, false);
  EXPECT_TRUE(CancelRequested());
  wait.ShowWait("cancel", false, true);
  EXPECT_FALSE(CancelRequested());
  RequestCancel();
  wait.CloseWait();
  wait.CloseWait();
  EXPECT_TRUE(CancelRequested());
  ClearCancel();
}

TEST(WaitStateTest, HeightFollowsTheCancelButtonAndTheScreen) {
  WaitState wait;
  wait.ShowWait("x", true, true);
  EXPECT_EQ(wait.DialogHeight(96), 100);
  EXPECT_EQ(wait.DialogHeight(120), 125);
  wait.ShowWait("x", true, false);
  EXPECT_EQ(wait.DialogHeight(96), 67);
  EXPECT_EQ(wait.DialogHeight(120), 83);
}

}  // namespace
}  // namespace kinshelf
