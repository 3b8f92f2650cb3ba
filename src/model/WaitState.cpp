// The window-free state of the wait dialog.
#include "model/WaitState.h"

#include "model/CancelFlag.h"

namespace kinshelf {

void WaitState::ShowWait(std::string_view message, bool showNow, bool allowCancel) {
  cancelAllowed_ = allowCancel;
  if (allowCancel) ClearCancel();
  if (depth_++ > 0) return;
  message_ = message;
  phase_ = showNow ? Phase::kShown : Phase::kPending;
  windowDisabled_ = false;
}

bool WaitState::CloseWait() {
  if (depth_ == 0) return false;
  if (--depth_ > 0) return false;
  phase_ = Phase::kClosed;
  windowDisabled_ = false;
  return true;
}

bool WaitState::ShowDelayElapsed() {
  if (phase_ != Phase::kPending) return false;
  phase_ = Phase::kShown;
  windowDisabled_ = true;
  return true;
}

int WaitState::DialogHeight(int dotsPerInch) const {
  const int height = cancelAllowed_ ? kHeightWithCancel : kHeightWithoutCancel;
  // A quarter more, truncated, as 1.25 times the height would be.
  return dotsPerInch > kBaseDotsPerInch ? height * 5 / 4 : height;
}

}  // namespace kinshelf
