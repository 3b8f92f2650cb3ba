// One entry per GEDCOM individual: the record's offset and the summary of its main lines.
#include "gedcom/WGEDIndIndex.h"

#include <sys/mman.h>
#include <unistd.h>

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

void WGEDIndIndex::ReserveSummaries() {
  if (Count() <= 0) return;
  Summary(1);
  // Pages first read as zeros and then written are copied under a flush of every core's address
  // cache; with several threads at work that flush interrupts them all, so the pages are made
  // writable now, while one thread runs. Huge pages, where the system gives them, make that a few
  // dozen faults instead of one per 4 KiB page (fourteen thousand for a million individuals).
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(summaries_.get());
  const std::uintptr_t first = (start + page - 1) / page * page;
  const std::uintptr_t end = start + sizeof(IndividualSummary) * static_cast<std::size_t>(summaryCount_);
  if (end <= first) return;
  const std::uintptr_t length = (end - first) / page * page;
  madvise(reinterpret_cast<void*>(first), length, MADV_HUGEPAGE);
  madvise(reinterpret_cast<void*>(first), length, MADV_POPULATE_WRITE);
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
  Summary(index) = entry;
  Summary(index).offset = GetOffset(index);
}

}  // namespace kinshelf
