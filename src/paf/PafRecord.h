// One record or embedded structure of a PAF file, read field by field: each field by its offset
// from the record's first byte, every read checked against the record's bytes (which a bounded
// cursor handed over). A record that doesn't exist reads as zeros and empty texts, and so does a
// field past its end, so a reader never needs to test before reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "paf/ByteCursor.h"
#include "paf/PafRecordFields.h"

namespace kinshelf {

class PafRecord {
 public:
  // A record that doesn't exist.
  PafRecord() = default;
  // The bytes from the cursor's position to its end; a record that doesn't exist for nullopt.
  explicit PafRecord(std::optional<ByteCursor> bytes) : exists_(bytes.has_value()) {
    if (bytes) bytes_ = bytes->Rest();
  }

  bool Exists() const { return exists_; }
  // The record's length in bytes; 0 when it doesn't exist.
  std::size_t Size() const { return bytes_.size(); }

  // The field at `offset`; 0 when it lies outside the record or is paf::kMissing.
  std::uint8_t Byte(std::size_t offset) const { return static_cast<std::uint8_t>(LittleEndian(offset, 1)); }
  std::uint16_t Word(std::size_t offset) const { return static_cast<std::uint16_t>(LittleEndian(offset, 2)); }
  std::int32_t Int32(std::size_t offset) const { return static_cast<std::int32_t>(LittleEndian(offset, 4)); }
  // True when the 32-bit link at `offset` is neither 0 nor -1.
  bool HasLink(std::size_t offset) const { return IsLink(Int32(offset)); }
  // The text of a fixed-width field: up to its first zero byte or its width.
  std::string Text(paf::TextField field) const;
  // The `width` bytes at `offset`; empty when any of them lies outside the record.
  std::span<const unsigned char> Bytes(std::size_t offset, std::size_t width) const {
    if (offset == paf::kMissing || offset > bytes_.size() || width > bytes_.size() - offset) return {};
    return bytes_.subspan(offset, width);
  }
  // True when any of the `width` bytes at `offset` is not zero.
  bool AnyNonZero(std::size_t offset, std::size_t width) const;
  // The embedded structure of `size` bytes at `offset`; one that doesn't exist when it doesn't fit.
  PafRecord Part(std::size_t offset, std::size_t size) const {
    const auto bytes = Bytes(offset, size);
    if (bytes.size() != size || !exists_) return {};
    return PafRecord(std::optional<ByteCursor>(ByteCursor(bytes)));
  }

  // True when a link value is neither 0 nor -1.
  static bool IsLink(std::int32_t value) { return value != 0 && value != -1; }

 private:
  // The `width` (1, 2 or 4) bytes at `offset`, lowest first; 0 when they don't all lie inside the
  // record.
  // Inline, as every field read comes here.
  std::uint32_t LittleEndian(std::size_t offset, std::size_t width) const {
    if (offset == paf::kMissing || offset > bytes_.size() || width > bytes_.size() - offset) return 0;
    const unsigned char* at = bytes_.data() + offset;
    switch (width) {
      case 1:
        return at[0];
      case 2:
        return static_cast<std::uint32_t>(at[0] | at[1] << 8);
      default:
        return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
               static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
    }
  }

  std::span<const unsigned char> bytes_;
  bool exists_ = false;
};

}  // namespace kinshelf
