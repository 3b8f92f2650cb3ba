// An array of 32-bit signed values numbered from 1, in a scratch store; it carries catalog listings
// and the readers' number maps. Main thread only.
#pragma once

#include <cstdint>
#include <string>

#include "fileaccess/WABSArrayIndex.h"

namespace kinshelf {

class WIntArray : public WABSArrayIndex {
 public:
  // `count` zero values (none when 0 or less). An empty name makes the store temporary.
  // Throws WMMFError when the store can't be created.
  WIntArray(const std::string& fileName, std::int32_t count);

  // Stores the value at `index`; nothing when the index is out of range.
  virtual void SetValue(std::int32_t index, std::int32_t value);
  // The value at `index`, or 0 when the index is out of range.
  virtual std::int32_t GetValue(std::int32_t index) const;

  // Appends the value and returns its index. Throws like Add.
  std::int32_t AddValue(std::int32_t value);
  // Sets every value.
  void Fill(std::int32_t value);
};

}  // namespace kinshelf
