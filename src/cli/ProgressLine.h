// The progress of a long command: while it lives it is the hook through which the core lets
// events through; each time it runs `onEvents` (to notice a cancel), and at most ten times a
// second it redraws `status()` as one line on standard error, when that is a terminal: control
// characters shown visibly, and cut at the start to the terminal's width.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "cli/Command.h"

namespace kinshelf::cli {

class ProgressLine {
 public:
  ProgressLine(CommandIo& io, std::function<void()> onEvents, std::function<std::string()> status);
  // Clears the line and gives the hook back.
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

 private:
  void Tick();

  CommandIo& io_;
  std::function<void()> onEvents_;
  std::function<std::string()> status_;
  std::function<void()> previousHook_;
  std::chrono::steady_clock::time_point lastDrawn_{};
  bool drawn_ = false;
};

}  // namespace kinshelf::cli
