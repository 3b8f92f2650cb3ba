// The family table of a reader: husband, wife and children of each family, filled while a file
// is opened. Main thread only.
//
// One family record, little-endian, 24 bytes:
//   0  flags; bit value 2 is set while the children are in sorted order
//   1  3 bytes, zero
//   4  husband's individual index, 0 when none
//   8  wife's individual index, 0 when none
//   12 number of children, 32 bits; bytes 14-15 are zero for up to 65535 children, so the common
//      16-bit count is unchanged, and a larger family neither wraps nor loses children
//   16 first block of the children's chain in the link array, 0 when there are none
//   20 4 bytes, zero
// Children are links of a WLinkArray chain: key the child's index, order value the sort key,
// both other values 0.
#pragma once

#include <cstdint>

#include "fileaccess/WABSArrayIndex.h"
#include "fileaccess/WLinkArray.h"

namespace kinshelf {

class WFamLinks : public WABSArrayIndex {
 public:
  static constexpr std::int32_t kRecordSize = 24;

  // `familyCount` zeroed families (none when 0 or less) in a temporary store, with a link array
  // sized for as many blocks. Throws WMMFError when a store can't be created.
  explicit WFamLinks(std::int32_t familyCount);

  // Store the husband or the wife; nothing for a family out of range.
  void SetHusband(std::int32_t family, std::int32_t individual);
  void SetWife(std::int32_t family, std::int32_t individual);
  // Adds the child with its sort key and clears the sorted mark; a child already there only gets
  // the new order value and is not counted again. Nothing for a family out of range. Throws like
  // WABSArrayIndex::Add.
  void AddChild(std::int32_t family, std::int32_t individual, std::int32_t order);
  // The stored index; 0 for a family out of range.
  std::int32_t Husband(std::int32_t family) const;
  std::int32_t Wife(std::int32_t family) const;
  // The number of children; 0 for a family out of range.
  std::int32_t ChildCount(std::int32_t family) const;
  // The index and the order value of child n (1 to ChildCount()); 0 otherwise.
  std::int32_t Child(std::int32_t family, std::int32_t n) const;
  std::int32_t ChildOrder(std::int32_t family, std::int32_t n) const;
  // Unless `enabled` is false (the SortChildren setting), the family is out of range, it has fewer
  // than 2 children or they are sorted already: orders all its children by their order values,
  // keeping the added order among equal values, and marks them sorted.
  void SortChildren(std::int32_t family, bool enabled);
  // True while the family's children are in sorted order.
  bool ChildrenSorted(std::int32_t family) const;

 private:
  std::int32_t Field(std::int32_t family, int offset) const;
  void SetField(std::int32_t family, int offset, std::int32_t value);
  void SetSorted(std::int32_t family, bool sorted);

  WLinkArray links_;
};

}  // namespace kinshelf
