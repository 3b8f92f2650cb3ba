// The progress of a long command on standard error.
#include "cli/ProgressLine.h"

#include <unistd.h>

#include <algorithm>

#include "cli/TerminalText.h"
#include "cli/TerminalWidth.h"
#include "platform/ProcessEvents.h"

namespace kinshelf::cli {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

ProgressLine::ProgressLine(CommandIo& io, std::function<void()> onEvents, std::function<std::string()> status)
    : io_(io), onEvents_(std::move(onEvents)), status_(std::move(status)) {
  previousHook_ = platform::SetProcessEventsHook([this] { Tick(); });
}

ProgressLine::~ProgressLine() {
  platform::SetProcessEventsHook(std::move(previousHook_));
  if (drawn_) io_.err << "\r\x1b[K" << std::flush;
}

void ProgressLine::Tick() {
  onEvents_();
  if (!io_.errIsTerminal) return;
  const auto now = std::chrono::steady_clock::now();
  if (drawn_ && now - lastDrawn_ < kRedrawInterval) return;
  lastDrawn_ = now;
  drawn_ = true;
  // A folder's name may hold any byte but a slash: shown visibly, it cannot break or recolour the
  // line. One column stays free, so the cursor never wraps; the end names the current folder.
  const std::size_t room = std::max<std::size_t>(TerminalColumns(STDERR_FILENO), 2) - 1;
  io_.err << "\r\x1b[K" << ShortenedAtStart(TerminalText(status_()), room) << std::flush;
}

}  // namespace kinshelf::cli
