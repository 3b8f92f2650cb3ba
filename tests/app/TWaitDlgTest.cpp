// The wait dialog: a delayed show that appears only after its delay and disables the window asked
// for, nested requests, and the Cancel button that sets the program's cancel flag.
#include "app/TWaitDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "model/CancelFlag.h"

namespace kinshelf {
namespace {

TEST(TWaitDlgTest, ADelayedShowWaitsDisablesTheWindowAndOnlyTheOutermostCloseHidesIt) {
  QWidget window;
  window.show();
  TWaitDlg wait;
  wait.ShowWait("Reading.  Please Wait...", false, true, &window);
  EXPECT_FALSE(wait.isVisible());
  EXPECT_FALSE(CancelRequested());
  wait.ShowWait("inner", false, false);
  ASSERT_TRUE(QTest::qWaitFor([&wait] { return wait.isVisible(); }, 5000));
  EXPECT_FALSE(window.isEnabled());
  EXPECT_EQ(wait.findChild<QLabel*>("LabMsg")->text(), "Reading.  Please Wait...");
  EXPECT_FALSE(wait.findChild<QPushButton*>("butCancel")->isVisible());  // the inner request's choice
  wait.CloseWait();
  EXPECT_TRUE(wait.isVisible());
  wait.CloseWait();
  EXPECT_FALSE(wait.isVisible());
  EXPECT_TRUE(window.isEnabled());
  wait.CloseWait();  // one too many changes nothing
  EXPECT_EQ(wait.State().Depth(), 0);
}

TEST(TWaitDlgTest, QuickWorkNeverShowsItAndCancelSetsTheFlag) {
  TWaitDlg wait;
  wait.ShowWait("Quick", false, true);
  wait.CloseWait();
  QTest::qWait(300);
  EXPECT_FALSE(wait.isVisible());
  wait.ShowWait("Now", true, true);
  EXPECT_TRUE(wait.isVisible());
  wait.findChild<QPushButton*>("butCancel")->click();
  EXPECT_TRUE(CancelRequested());
  wait.CloseWait();
  wait.ShowWait("Again", true, true);
  EXPECT_FALSE(CancelRequested());
  wait.CloseWait();
}

}  // namespace
}  // namespace kinshelf
