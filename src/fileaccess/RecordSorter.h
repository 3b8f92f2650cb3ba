// The in-place sort of the record arrays: a quicksort with the middle record as pivot that finishes
// ranges of at most 10 records with a stable insertion sort, recursing only into the smaller side.
// Internal to WABSArrayIndex.
#pragma once

#include <cstdint>
#include <vector>

#include "fileaccess/WVersionMMF.h"

namespace kinshelf {

class RecordSorter {
 public:
  using CompareFn = int (*)(const void* record, const void* other, void* context);

  // Record i (from 1) lies at store.Memory() + dataOffset + (i - 1) * recordSize. With `yield` the
  // sort lets pending events through at the start and every 25th step; the records are found anew
  // after each of them, since the events may grow the store and move it.
  RecordSorter(WVersionMMF& store, std::int64_t dataOffset, std::int32_t recordSize, CompareFn compare,
               void* context, bool yield);

  // Sorts records 1..count, which must lie inside the store. Throws what the comparison throws.
  void Sort(std::int32_t count);

 private:
  unsigned char* Record(std::int32_t index);
  void SortRange(std::int32_t lo, std::int32_t hi);
  void InsertionSort(std::int32_t lo, std::int32_t hi);
  std::int32_t Partition(std::int32_t lo, std::int32_t hi);
  int ComparePivot(std::int32_t index);
  void Copy(unsigned char* target, const unsigned char* source);
  void Swap(std::int32_t a, std::int32_t b);

  WVersionMMF& store_;
  std::int64_t dataOffset_;
  std::size_t recordSize_;
  CompareFn compare_;
  void* context_;
  bool yield_;
  std::int64_t steps_ = 0;
  std::vector<unsigned char> held_;
  std::vector<unsigned char> spare_;
};

}  // namespace kinshelf
