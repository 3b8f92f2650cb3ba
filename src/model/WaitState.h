// The window-free state of the wait dialog: nested show requests, the delayed show, the Cancel
// button and the dialog height. The dialog window drives it and mirrors it; no Qt here.
// Main thread only.
//
// States and the rules that hold:
//  1. Closed: depth 0, nothing shown. ShowWait moves to Pending (delayed) or Shown (at once).
//  2. Pending: the window runs a timer of kShowDelay and then calls ShowDelayElapsed, which moves
//     to Shown and asks the window to disable the window that was active (WindowDisabled()).
//  3. Shown: the dialog is visible. A show at once never disables a window.
//  4. Only the outermost request sets the message and leaves Closed; every request sets the Cancel
//     button and the height; only the close that ends the outermost request returns to Closed
//     (the window then re-enables what it disabled). A close while Closed does nothing.
//  5. A show that allows cancelling clears the program's cancel flag (model/CancelFlag.h); the
//     Cancel button sets it with RequestCancel().
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace kinshelf {

class WaitState {
 public:
  enum class Phase { kClosed, kPending, kShown };

  // How long a delayed show waits, so that quick operations never flash the dialog.
  static constexpr std::chrono::milliseconds kShowDelay{250};
  // Dialog heights in pixels at 96 dots per inch; above that they grow by a quarter.
  static constexpr int kHeightWithCancel = 100;
  static constexpr int kHeightWithoutCancel = 67;
  static constexpr int kBaseDotsPerInch = 96;

  // Opens a request: see the rules above.
  void ShowWait(std::string_view message, bool showNow, bool allowCancel);
  // Ends the innermost open request. True when that was the outermost one: the window then hides
  // the dialog and re-enables the window it disabled (read WindowDisabled() before the call).
  bool CloseWait();
  // The window's delay timer fired. True when Pending became Shown: the window then disables the
  // active window and shows the dialog. Any other phase stays.
  bool ShowDelayElapsed();

  Phase GetPhase() const { return phase_; }
  // The number of open requests.
  std::int32_t Depth() const { return depth_; }
  // The message of the outermost open request.
  const std::string& Message() const { return message_; }
  // Whether the last request allows cancelling (the Cancel button is visible and enabled).
  bool CancelAllowed() const { return cancelAllowed_; }
  // True once a delayed show has been shown, until the dialog closes.
  bool WindowDisabled() const { return windowDisabled_; }
  // The dialog height in pixels on a screen of that horizontal resolution.
  int DialogHeight(int dotsPerInch) const;

 private:
  Phase phase_ = Phase::kClosed;
  std::int32_t depth_ = 0;
  std::string message_;
  bool cancelAllowed_ = false;
  bool windowDisabled_ = false;
};

}  // namespace kinshelf
