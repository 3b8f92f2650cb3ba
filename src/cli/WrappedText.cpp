// Text broken into lines at blanks to fit a width.
#include "cli/WrappedText.h"

#include <algorithm>

#include "text/Utf8.h"

namespace kinshelf::cli {

namespace {

constexpr std::size_t kLeastRoom = 20;
constexpr std::string_view kBlanks = " \t\r\n";

}  // namespace

std::string WrappedText(std::string_view text, std::size_t width, std::size_t indent) {
  const std::size_t room = std::max(width > indent ? width - indent : 0, kLeastRoom);
  std::string wrapped;
  std::size_t used = 0;  // characters on the current line after the indent
  for (std::size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
    const std::size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
    const std::string_view word = text.substr(start, end - start);
    const std::size_t length = DisplayLength(word);
    if (used > 0 && used + 1 + length > room) {
      wrapped.append("\n").append(indent, ' ');
      used = 0;
    } else if (used > 0) {
      wrapped += ' ';
      ++used;
    }
    wrapped += word;
    used += length;
    start = text.find_first_not_of(kBlanks, end);
  }
  return wrapped;
}

}  // namespace kinshelf::cli
