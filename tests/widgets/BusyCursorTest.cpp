// The nesting busy cursor: the wait cursor while any Begin is open, and no count below 0.
#include "widgets/BusyCursor.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace kinshelf {
namespace {

bool Waiting() {
  return QApplication::overrideCursor() != nullptr && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

TEST(BusyCursorTest, NestsAndNeverCountsBelowZero) {
  BusyCursor::BeginBusy();
  {
    BusyCursor inner;
    EXPECT_EQ(BusyCursor::Depth(), 2);
  }
  EXPECT_TRUE(Waiting());
  BusyCursor::EndBusy();
  EXPECT_FALSE(Waiting());
  BusyCursor::EndBusy();
  EXPECT_EQ(BusyCursor::Depth(), 0);
  BusyCursor::BeginBusy();
  EXPECT_TRUE(Waiting());
  BusyCursor::EndBusy();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kinshelf
