// Text made safe to show on a terminal line, and cut to fit.
#include "cli/TerminalText.h"

#include <algorithm>

#include "text/Utf8.h"

namespace kinshelf::cli {

std::string TerminalText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n' && i > 0 && text[i - 1] == '\r') continue;
    if (c == '\r' || c == '\n' || c == '\t') {
      shown += ' ';
    } else if (c < 0x20 || c == 0x7F) {
      shown += '^';
      shown += static_cast<char>(c ^ 0x40);
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

namespace {

constexpr std::string_view kEllipsis = "…";

// The byte offset `count` characters into the text.
std::size_t OffsetAfter(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (; count > 0 && pos < text.size(); --count)
    pos += std::max<std::size_t>(1, Utf8SequenceLength(text, pos));
  return pos;
}

}  // namespace

std::string ShortenedAtEnd(std::string_view text, std::size_t limit) {
  if (DisplayLength(text) <= limit) return std::string(text);
  return std::string(text.substr(0, OffsetAfter(text, limit - 1))).append(kEllipsis);
}

std::string ShortenedAtStart(std::string_view text, std::size_t limit) {
  const std::size_t length = DisplayLength(text);
  if (length <= limit) return std::string(text);
  return std::string(kEllipsis).append(text.substr(OffsetAfter(text, length - (limit - 1))));
}

}  // namespace kinshelf::cli
