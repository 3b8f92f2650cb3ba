// The nesting busy cursor.
#include "widgets/BusyCursor.h"

#include <QApplication>

namespace kinshelf {

namespace {

int depth = 0;

}  // namespace

void BusyCursor::BeginBusy() {
  if (depth++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

// One End too many changes nothing: the count and the cursor stay as they are.
void BusyCursor::EndBusy() {
  if (depth == 0) return;
  if (--depth == 0) QApplication::restoreOverrideCursor();
}

int BusyCursor::Depth() {
  return depth;
}

}  // namespace kinshelf
