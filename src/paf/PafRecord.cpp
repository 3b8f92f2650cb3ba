// Field reads of one PAF record.
#include "paf/PafRecord.h"

#include <algorithm>
#include <cstring>

namespace kinshelf {

std::string PafRecord::Text(paf::TextField field) const {
  if (field.width == 0 || field.offset >= bytes_.size()) return {};
  const auto available = bytes_.subspan(field.offset, std::min(field.width, bytes_.size() - field.offset));
  const auto end = std::find(available.begin(), available.end(), 0);
  return std::string(available.begin(), end);
}

// Eight bytes at a time: every event asks it of its date and links.
bool PafRecord::AnyNonZero(std::size_t offset, std::size_t width) const {
  const auto bytes = Bytes(offset, width);
  std::size_t pos = 0;
  for (std::uint64_t word = 0; pos + sizeof word <= bytes.size(); pos += sizeof word) {
    std::memcpy(&word, bytes.data() + pos, sizeof word);
    if (word != 0) return true;
  }
  return std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(pos), bytes.end(),
                     [](unsigned char byte) { return byte != 0; });
}

}  // namespace kinshelf
