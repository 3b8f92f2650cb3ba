// An array of fixed-size records numbered from 1, kept in a WVersionMMF scratch store, with append,
// random access, an in-place sort with the caller's comparison and a binary search. Main thread only.
//
// Store layout, little-endian: bytes 0-7 the store header; 8-11 the record count (written by Clear
// and on destruction); 12-15 the record size; record i at 16 + (i - 1) * record size. The used
// length of the store always ends just past record Count().
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "fileaccess/WABSIndex.h"
#include "fileaccess/WVersionMMF.h"

namespace kinshelf {

class WABSArrayIndex : public WABSIndex {
 public:
  // Returns a negative number, 0 or a positive number as `record` sorts before, with or after
  // `other`, which is another record when sorting and the caller's key when searching.
  using CompareFn = int (*)(const void* record, const void* other, void* context);

  // An empty array in a new store of recordSize * initialCapacity + 1024 bytes (2048 without a
  // capacity) that grows by 16384 bytes. An empty name makes the store temporary; a named file is
  // deleted with the array unless `keep`. Throws std::invalid_argument for a record size below 1 and
  // WMMFError when the store can't be created.
  WABSArrayIndex(const std::string& fileName, bool keep, std::int32_t recordSize,
                 std::int32_t initialCapacity);
  WABSArrayIndex(const WABSArrayIndex&) = delete;
  WABSArrayIndex& operator=(const WABSArrayIndex&) = delete;
  // Writes the count into the store, frees it and deletes a named file unless kept.
  ~WABSArrayIndex() override;

  // Removes every record.
  virtual void Clear();
  virtual std::int32_t Count() const { return count_; }

  bool InRange(std::int32_t index) const { return index >= 1 && index <= count_; }
  // Record `index`, or nullptr when it is out of range. Valid until the next Add or SetCount, which
  // may grow the store and move it.
  unsigned char* Item(std::int32_t index);
  const unsigned char* Item(std::int32_t index) const;
  // Copies one record over record `index`; nothing when it is out of range.
  void SetItem(std::int32_t index, const void* record);
  // Appends a copy of the record and returns its index. Throws std::length_error when the store is
  // full, and WMMFError when it can't grow.
  std::int32_t Add(const void* record);
  // Makes the count `count` (0 when negative): new records are zero; fewer only hides the records
  // past the new count, and a later Add or SetCount overwrites them. Throws like Add.
  void SetCount(std::int32_t count);

  // Sorts the records in place, unless the array is empty, already sorted and unchanged since, or
  // being sorted right now (a request from an event handler during a yielding sort is ignored).
  // With `yield` pending events are let through at the start and every 25 steps; a change they make
  // leaves the array marked unsorted. Throws what the comparison throws, leaving the array unsorted.
  void Sort(CompareFn compare, void* context, bool yield);
  // Binary search of an array sorted consistently with `compare`, called as compare(record, key,
  // context). Returns the index of a matching record, or 0.
  std::int32_t Find(CompareFn compare, const void* key, void* context = nullptr) const;
  // True after a completed sort until the next change.
  bool IsSorted() const { return sorted_; }

 private:
  std::int64_t OffsetOf(std::int32_t index) const;
  void MarkChanged();

  std::string fileName_;
  bool keep_;
  std::unique_ptr<WVersionMMF> store_;
  std::int32_t recordSize_;
  std::int32_t count_ = 0;
  bool sorted_ = false;
  bool sorting_ = false;
  std::uint64_t changes_ = 0;
};

}  // namespace kinshelf
