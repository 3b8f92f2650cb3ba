// The byte offsets of the records of one GEDCOM category, numbered from 1 in file order, in a
// scratch store. Main thread only.
#pragma once

#include <cstdint>

#include "fileaccess/WABSArrayIndex.h"

namespace kinshelf {

class WOffsetIndex : public WABSArrayIndex {
 public:
  // An empty index with room for `capacity` offsets before it grows. Throws WMMFError when the
  // store can't be created.
  explicit WOffsetIndex(std::int32_t capacity);

  // Appends the offset of a record from the start of the text. Throws like WABSArrayIndex::Add.
  void AddOffset(std::int64_t offset);
  // The offset of record `index`. Throws EIndexError when the index is not one of the records.
  std::int64_t GetOffset(std::int32_t index) const;
};

}  // namespace kinshelf
