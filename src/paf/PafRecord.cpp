// Field reads of one PAF record.
#include "paf/PafRecord.h"

#include <algorithm>

namespace kinshelf {

PafRecord::PafRecord(std::optional<ByteCursor> bytes) : exists_(bytes.has_value()) {
  if (bytes) bytes_ = bytes->Rest();
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
