// One entry per GEDCOM individual: the record's offset and the summary of its main lines.
#include "gedcom/WGEDIndIndex.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <type_traits>

#include "gedcom/EIndexError.h"

namespace kinshelf {

static_assert(std::is_trivially_copyable_v<IndividualSummary>);

WGEDIndIndex::WGEDIndIndex(std::int32_t capacity)
    : WABSArrayIndex(std::string(), false, sizeof(std::int64_t), capacity) {}

void WGEDIndIndex::AddIndividual(std::int64_t offset) {
  Add(&offset);
}

std::int64_t WGEDIndIndex::GetOffset(std::int32_t index) const {
  const unsigned char* item = Item(index);
  if (item == nullptr) throw EIndexError(index);
  std::int64_t offset;
  std::memcpy(&offset, item, sizeof offset);
  return offset;
}

IndividualSummary& WGEDIndIndex::Summary(std::int32_t index) {
  if (summaryCount_ < Count()) {
    // calloc of a large block maps fresh zero pages; only the pages written later cost memory.
    auto* grown = static_cast<IndividualSummary*>(
        std::calloc(static_cast<std::size_t>(Count()), sizeof(IndividualSummary)));
    if (grown == nullptr) throw std::bad_alloc();
    if (summaries_ != nullptr)
      std::memcpy(grown, summaries_.get(),
                  sizeof(IndividualSummary) * static_cast<std::size_t>(summaryCount_));
    summaries_.reset(grown);
    summaryCount_ = Count();
  }
  return summaries_.get()[index - 1];
}

IndividualSummary WGEDIndIndex::GetEntry(std::int32_t index) const {
  IndividualSummary entry =
      InRange(index) && index <= summaryCount_ ? summaries_.get()[index - 1] : IndividualSummary{};
  entry.offset = GetOffset(index);
  return entry;
}

void WGEDIndIndex::SetEntry(std::int32_t index, const IndividualSummary& entry) {
  if (!InRange(index)) throw EIndexError(index);
  if (!keepSummaries_) return;
  Summary(index) = entry;
  Summary(index).offset = GetOffset(index);
}

}  // namespace kinshelf
