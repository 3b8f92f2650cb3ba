// A bounded reader of little-endian values over a byte range.
#include "paf/ByteCursor.h"

#include <algorithm>
#include <cstring>

namespace kinshelf {

std::string ByteCursor::ReadZeroEndedText(std::size_t maxWidth) {
  return std::string(ReadZeroEndedView(maxWidth));
}

std::string_view ByteCursor::ReadZeroEndedView(std::size_t maxWidth) {
  const auto field = bytes_.subspan(position_, std::min(maxWidth, Remaining()));
  const char* const start = reinterpret_cast<const char*>(field.data());
  const auto* zero = field.empty() ? nullptr : static_cast<const char*>(std::memchr(start, 0, field.size()));
  const std::string_view text(start, zero != nullptr ? static_cast<std::size_t>(zero - start) : field.size());
  position_ += text.size() + (zero != nullptr ? 1 : 0);
  return text;
}

}  // namespace kinshelf
