// The nesting busy cursor: BeginBusy raises a counter and EndBusy lowers it, never below 0; while it
// is above 0 the application shows the wait cursor. A BusyCursor object is one Begin/End pair for a
// scope. Main thread only.
#pragma once

namespace kinshelf {

class BusyCursor {
 public:
  BusyCursor() { BeginBusy(); }
  ~BusyCursor() { EndBusy(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  static void BeginBusy();
  static void EndBusy();
  // How many Begins are not yet ended.
  static int Depth();
};

}  // namespace kinshelf
