// The in-place sort of the record arrays.
#include "fileaccess/RecordSorter.h"

#include <cstring>

#include "platform/ProcessEvents.h"

namespace kinshelf {

namespace {

// Ranges with hi - lo below this are left to the insertion sort.
constexpr std::int32_t kInsertionSortSpan = 10;
constexpr std::int64_t kStepsBetweenEvents = 25;

}  // namespace

RecordSorter::RecordSorter(WVersionMMF& store, std::int64_t dataOffset, std::int32_t recordSize,
                           CompareFn compare, void* context, bool yield)
    : store_(store),
      dataOffset_(dataOffset),
      recordSize_(static_cast<std::size_t>(recordSize)),
      compare_(compare),
      context_(context),
      yield_(yield),
      held_(recordSize_),
      spare_(recordSize_) {}

void RecordSorter::Sort(std::int32_t count) {
  if (yield_) platform::ProcessPendingEvents();
  SortRange(1, count);
}

unsigned char* RecordSorter::Record(std::int32_t index) {
  return store_.Memory() + dataOffset_ +
         static_cast<std::int64_t>(index - 1) * static_cast<std::int64_t>(recordSize_);
}

void RecordSorter::SortRange(std::int32_t lo, std::int32_t hi) {
  for (;;) {
    ++steps_;
    if (yield_ && steps_ % kStepsBetweenEvents == 0) platform::ProcessPendingEvents();
    if (hi - lo < kInsertionSortSpan) {
      InsertionSort(lo, hi);
      return;
    }
    const std::int32_t split = Partition(lo, hi);
    // Recursing into the smaller side keeps the depth logarithmic whatever the input.
    if (split - lo < hi - split) {
      SortRange(lo, split - 1);
      lo = split + 1;
    } else {
      SortRange(split + 1, hi);
      hi = split - 1;
    }
  }
}

// Shifts only records that compare greater, so equal records keep their order.
void RecordSorter::InsertionSort(std::int32_t lo, std::int32_t hi) {
  for (std::int32_t i = lo + 1; i <= hi; ++i) {
    Copy(held_.data(), Record(i));
    std::int32_t gap = i;
    while (gap > lo && compare_(Record(gap - 1), held_.data(), context_) > 0) {
      Copy(Record(gap), Record(gap - 1));
      --gap;
    }
    if (gap != i) Copy(Record(gap), held_.data());
  }
}

// The pivot waits at lo while the cursors meet; it then takes the place of the record at the right
// cursor, which is returned as the split point.
std::int32_t RecordSorter::Partition(std::int32_t lo, std::int32_t hi) {
  const std::int32_t middle = lo + (hi - lo) / 2;
  Copy(held_.data(), Record(middle));
  Swap(middle, lo);
  std::int32_t left = lo + 1;
  std::int32_t right = hi;
  for (;;) {
    while (left < hi && ComparePivot(left) < 0) ++left;
    while (right >= left && ComparePivot(right) > 0) --right;
    if (left >= right) break;
    Swap(left, right);
    ++left;
    --right;
  }
  Copy(Record(lo), Record(right));
  Copy(Record(right), held_.data());
  return right;
}

int RecordSorter::ComparePivot(std::int32_t index) {
  return compare_(Record(index), held_.data(), context_);
}

void RecordSorter::Copy(unsigned char* target, const unsigned char* source) {
  if (target != source) std::memcpy(target, source, recordSize_);
}

void RecordSorter::Swap(std::int32_t a, std::int32_t b) {
  if (a == b) return;
  Copy(spare_.data(), Record(a));
  Copy(Record(a), Record(b));
  Copy(Record(b), spare_.data());
}

}  // namespace kinshelf
