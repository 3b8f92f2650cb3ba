// One entry per GEDCOM individual: the record's offset and the summary of its main lines.
#include "gedcom/WGEDIndIndex.h"

#include <cstring>
#include <string>
#include <type_traits>

#include "gedcom/EIndexError.h"

namespace kinshelf {

static_assert(std::is_trivially_copyable_v<IndividualSummary>);

WGEDIndIndex::WGEDIndIndex(std::int32_t capacity)
    : WABSArrayIndex(std::string(), false, sizeof(IndividualSummary), capacity) {}

void WGEDIndIndex::AddIndividual(std::int64_t offset) {
  IndividualSummary entry;
  entry.offset = offset;
  Add(&entry);
}

std::int64_t WGEDIndIndex::GetOffset(std::int32_t index) const {
  const unsigned char* item = Item(index);
  if (item == nullptr) throw EIndexError(index);
  std::int64_t offset;
  std::memcpy(&offset, item, sizeof offset);
  return offset;
}

IndividualSummary WGEDIndIndex::GetEntry(std::int32_t index) const {
  const unsigned char* item = Item(index);
  if (item == nullptr) throw EIndexError(index);
  IndividualSummary entry;
  std::memcpy(&entry, item, sizeof entry);
  return entry;
}

void WGEDIndIndex::SetEntry(std::int32_t index, const IndividualSummary& entry) {
  if (!InRange(index)) throw EIndexError(index);
  SetItem(index, &entry);
}

}  // namespace kinshelf
