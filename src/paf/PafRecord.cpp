// Field reads of one PAF record.
#include "paf/PafRecord.h"

#include <algorithm>

namespace kinshelf {

PafRecord::PafRecord(std::optional<ByteCursor> bytes) : exists_(bytes.has_value()) {
  if (bytes) bytes_ = bytes->Rest();
}

std::uint32_t PafRecord::LittleEndian(std::size_t offset, std::size_t width) const {
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

std::string PafRecord::Text(paf::TextField field) const {
  if (field.width == 0 || field.offset >= bytes_.size()) return {};
  const auto available = bytes_.subspan(field.offset, std::min(field.width, bytes_.size() - field.offset));
  const auto end = std::find(available.begin(), available.end(), 0);
  return std::string(available.begin(), end);
}

std::span<const unsigned char> PafRecord::Bytes(std::size_t offset, std::size_t width) const {
  if (offset == paf::kMissing || offset > bytes_.size() || width > bytes_.size() - offset) return {};
  return bytes_.subspan(offset, width);
}

bool PafRecord::AnyNonZero(std::size_t offset, std::size_t width) const {
  const auto bytes = Bytes(offset, width);
  return std::any_of(bytes.begin(), bytes.end(), [](unsigned char byte) { return byte != 0; });
}

PafRecord PafRecord::Part(std::size_t offset, std::size_t size) const {
  const auto bytes = Bytes(offset, size);
  if (bytes.size() != size || !exists_) return {};
  return PafRecord(std::optional<ByteCursor>(ByteCursor(bytes)));
}

}  // namespace kinshelf
