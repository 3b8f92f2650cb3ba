// A bounded reader of little-endian values over a byte range. Every read first checks that its bytes
// lie inside the range; a short read fails and leaves the cursor where it was, so a damaged or
// truncated record can never make a reader look past its buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kinshelf {

class ByteCursor {
 public:
  // Reads `bytes`, which must outlive the cursor and every cursor taken from it.
  explicit ByteCursor(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }
  // The bytes from the position to the end.
  std::span<const unsigned char> Rest() const { return bytes_.subspan(position_); }

  // Moves to `position` (the end itself included); false, and not moved, beyond the end.
  bool Seek(std::size_t position) {
    if (position > bytes_.size()) return false;
    position_ = position;
    return true;
  }
  // Moves `count` bytes on; false, and not moved, when fewer remain.
  bool Skip(std::size_t count) {
    if (count > Remaining()) return false;
    position_ += count;
    return true;
  }

  // The value at the position, which then moves past it; nullopt, and not moved, on a short read.
  // Inline, as the readers take most fields through them.
  std::optional<std::uint8_t> ReadU8() { return Narrowed<std::uint8_t>(ReadLittleEndian(1)); }
  std::optional<std::uint16_t> ReadU16() { return Narrowed<std::uint16_t>(ReadLittleEndian(2)); }
  std::optional<std::uint32_t> ReadU24() { return ReadLittleEndian(3); }
  std::optional<std::uint32_t> ReadU32() { return ReadLittleEndian(4); }
  std::optional<std::int32_t> ReadI32() { return Narrowed<std::int32_t>(ReadLittleEndian(4)); }

  // The next `count` bytes as a cursor of their own, and this one moved past them; nullopt, and not
  // moved, when fewer remain. Reads from the result stay inside those bytes.
  std::optional<ByteCursor> Take(std::size_t count) {
    if (count > Remaining()) return std::nullopt;
    ByteCursor taken(bytes_.subspan(position_, count));
    position_ += count;
    return taken;
  }

  // The text at the position: at most `maxWidth` bytes, ended early by the first zero byte or by the
  // end of the range. Moves past the text and its zero byte. Never fails; empty at the end.
  std::string ReadZeroEndedText(std::size_t maxWidth);
  // The same text as a view of the range.
  std::string_view ReadZeroEndedView(std::size_t maxWidth);

 private:
  // The value of the next `width` bytes, lowest first; nullopt, and not moved, on a short read.
  std::optional<std::uint32_t> ReadLittleEndian(std::size_t width) {
    if (width > Remaining()) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = width; i > 0; --i) value = value << 8 | bytes_[position_ + i - 1];
    position_ += width;
    return value;
  }
  template <typename T>
  static std::optional<T> Narrowed(std::optional<std::uint32_t> value) {
    return value ? std::optional<T>(static_cast<T>(*value)) : std::nullopt;
  }

  std::span<const unsigned char> bytes_;
  std::size_t position_ = 0;
};

}  // namespace kinshelf
