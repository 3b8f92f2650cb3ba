// How many columns the text written to a file descriptor has to fit in.
#include "cli/TerminalWidth.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace kinshelf::cli {

namespace {

constexpr std::size_t kDefaultColumns = 80;

std::size_t ColumnsVariable() {
  const char* value = std::getenv("COLUMNS");
  if (value == nullptr) return 0;
  const std::string_view text(value);
  std::size_t columns = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), columns);
  return error == std::errc() && stop == text.data() + text.size() ? columns : 0;
}

}  // namespace

std::size_t TerminalColumns(int fd) {
  winsize size{};
  if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  const std::size_t columns = ColumnsVariable();
  return columns > 0 ? columns : kDefaultColumns;
}

std::size_t OutputColumns(int fd) {
  return isatty(fd) == 1 ? TerminalColumns(fd) : kDefaultColumns;
}

}  // namespace kinshelf::cli
