// The program's one cancel flag: the wait dialog's Cancel button sets it, long reader passes test
// it and stop. It may be set from another thread (a signal handler's thread, a window's thread).
#pragma once

namespace kinshelf {

// True once a cancel was asked for since the last clear.
bool CancelRequested();
// Asks the running operation to stop at its next check.
void RequestCancel();
// Clears the flag before an operation that can be cancelled.
void ClearCancel();

}  // namespace kinshelf
