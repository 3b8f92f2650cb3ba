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
  bool Seek(std::size_t position);
  // Moves `count` bytes on; false, and not moved, when fewer remain.
  bool Skip(std::size_t count);

  // The value at the position, which then moves past it; nullopt, and not moved, on a short read.
  std::optional<std::uint8_t> ReadU8();
  std::optional<std::uint16_t> ReadU16();
  std::optional<std::uint32_t> ReadU24();
  std::optional<std::uint32_t> ReadU32();
  std::optional<std::int32_t> ReadI32();

  // The next `count` bytes as a cursor of their own, and this one moved past them; nullopt, and not
  // moved, when fewer remain. Reads from the result stay inside those bytes.
  std::optional<ByteCursor> Take(std::size_t count);

  // The text at the position: at most `maxWidth` bytes, ended early by the first zero byte or by the
  // end of the range. Moves past the text and its zero byte. Never fails; empty at the end.
  std::string ReadZeroEndedText(std::size_t maxWidth);
  // The same text as a view of the range.
  std::string_view ReadZeroEndedView(std::size_t maxWidth);

 private:
  // The value of the next `width` bytes, lowest first; nullopt, and not moved, on a short read.
  std::optional<std::uint32_t> ReadLittleEndian(std::size_t width);

  std::span<const unsigned char> bytes_;
  std::size_t position_ = 0;
};

}  // namespace kinshelf
