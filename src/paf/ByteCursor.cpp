// A bounded reader of little-endian values over a byte range.
#include "paf/ByteCursor.h"

#include <algorithm>

namespace kinshelf {

bool ByteCursor::Seek(std::size_t position) {
  if (position > bytes_.size()) return false;
  position_ = position;
  return true;
}

bool ByteCursor::Skip(std::size_t count) {
  if (count > Remaining()) return false;
  position_ += count;
  return true;
}

std::string ByteCursor::ReadZeroEndedText(std::size_t maxWidth) {
  return std::string(ReadZeroEndedView(maxWidth));
}

std::string_view ByteCursor::ReadZeroEndedView(std::size_t maxWidth) {
  const auto field = bytes_.subspan(position_, std::min(maxWidth, Remaining()));
  const auto end = std::find(field.begin(), field.end(), 0);
  const std::string_view text(reinterpret_cast<const char*>(field.data()),
                              static_cast<std::size_t>(end - field.begin()));
  position_ += text.size() + (end != field.end() ? 1 : 0);
  return text;
}

}  // namespace kinshelf
