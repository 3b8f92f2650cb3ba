// The progress of a long command on standard error.
#include "cli/ProgressLine.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/ProcessEvents.h"
#include "text/Utf8.h"

namespace kinshelf::cli {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

// The terminal's width, so that a long folder name does not wrap the line.
std::size_t TerminalWidth() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

// The text cut to `width` characters, keeping its end, which names the current folder.
std::string Fit(const std::string& text, std::size_t width) {
  if (DisplayLength(text) < width) return text;
  std::size_t start = 0;
  while (start < text.size() && DisplayLength(std::string_view(text).substr(start)) + 1 >= width) ++start;
  return "…" + text.substr(start);
}

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
  io_.err << "\r\x1b[K" << Fit(status_(), TerminalWidth()) << std::flush;
}

}  // namespace kinshelf::cli
