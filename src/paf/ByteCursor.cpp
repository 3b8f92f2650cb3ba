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

std::optional<std::uint32_t> ByteCursor::ReadLittleEndian(std::size_t width) {
  if (width > Remaining()) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = width; i > 0; --i) value = value << 8 | bytes_[position_ + i - 1];
  position_ += width;
  return value;
}

std::optional<std::uint8_t> ByteCursor::ReadU8() {
  const auto value = ReadLittleEndian(1);
  if (!value) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

std::optional<std::uint16_t> ByteCursor::ReadU16() {
  const auto value = ReadLittleEndian(2);
  if (!value) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

std::optional<std::uint32_t> ByteCursor::ReadU24() {
  return ReadLittleEndian(3);
}

std::optional<std::uint32_t> ByteCursor::ReadU32() {
  return ReadLittleEndian(4);
}

std::optional<std::int32_t> ByteCursor::ReadI32() {
  const auto value = ReadLittleEndian(4);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::optional<ByteCursor> ByteCursor::Take(std::size_t count) {
  if (count > Remaining()) return std::nullopt;
  ByteCursor taken(bytes_.subspan(position_, count));
  position_ += count;
  return taken;
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
