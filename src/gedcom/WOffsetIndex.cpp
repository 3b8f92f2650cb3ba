// The byte offsets of the records of one GEDCOM category.
#include "gedcom/WOffsetIndex.h"

#include <cstring>
#include <string>

#include "gedcom/EIndexError.h"

namespace kinshelf {

WOffsetIndex::WOffsetIndex(std::int32_t capacity)
    : WABSArrayIndex(std::string(), false, sizeof(std::int64_t), capacity) {}

void WOffsetIndex::AddOffset(std::int64_t offset) {
  Add(&offset);
}

std::int64_t WOffsetIndex::GetOffset(std::int32_t index) const {
  const unsigned char* item = Item(index);
  if (item == nullptr) throw EIndexError(index);
  std::int64_t offset;
  std::memcpy(&offset, item, sizeof offset);
  return offset;
}

}  // namespace kinshelf
