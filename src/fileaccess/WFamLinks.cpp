// The family table of a reader: husband, wife and the chain of children of each family.
#include "fileaccess/WFamLinks.h"

#include <algorithm>
#include <string>
#include <vector>

#include "fileaccess/LittleEndian.h"

namespace kinshelf {

namespace {

constexpr int kFlagsOffset = 0;
constexpr int kHusbandOffset = 4;
constexpr int kWifeOffset = 8;
constexpr int kChildCountOffset = 12;
constexpr int kChainOffset = 16;
constexpr unsigned char kSortedFlag = 2;

}  // namespace

WFamLinks::WFamLinks(std::int32_t familyCount)
    : WABSArrayIndex(std::string(), false, kRecordSize, familyCount), links_(familyCount) {
  SetCount(familyCount);
}

void WFamLinks::SetHusband(std::int32_t family, std::int32_t individual) {
  SetField(family, kHusbandOffset, individual);
}

void WFamLinks::SetWife(std::int32_t family, std::int32_t individual) {
  SetField(family, kWifeOffset, individual);
}

void WFamLinks::AddChild(std::int32_t family, std::int32_t individual, std::int32_t order) {
  if (!InRange(family)) return;
  SetSorted(family, false);
  const std::int32_t chain = Field(family, kChainOffset);
  if (chain == 0) {
    SetField(family, kChainOffset, links_.NewChain(individual, order, 0, 0));
    SetField(family, kChildCountOffset, 1);
  } else if (links_.AddLink(chain, false, individual, order, 0, 0) == 1) {
    SetField(family, kChildCountOffset, ChildCount(family) + 1);
  }
}

std::int32_t WFamLinks::Husband(std::int32_t family) const {
  return Field(family, kHusbandOffset);
}

std::int32_t WFamLinks::Wife(std::int32_t family) const {
  return Field(family, kWifeOffset);
}

std::int32_t WFamLinks::ChildCount(std::int32_t family) const {
  return Field(family, kChildCountOffset);
}

std::int32_t WFamLinks::Child(std::int32_t family, std::int32_t n) const {
  if (n < 1 || n > ChildCount(family)) return 0;
  return links_.LinkKey(Field(family, kChainOffset), n);
}

std::int32_t WFamLinks::ChildOrder(std::int32_t family, std::int32_t n) const {
  if (n < 1 || n > ChildCount(family)) return 0;
  return links_.LinkOrder(Field(family, kChainOffset), n);
}

void WFamLinks::SortChildren(std::int32_t family, bool enabled) {
  if (!enabled || ChildCount(family) < 2 || ChildrenSorted(family)) return;
  const std::int32_t chain = Field(family, kChainOffset);
  std::vector<WLinkArray::Link> children = links_.Links(chain);
  // Stable: children with equal order values keep the order in which they were added.
  std::stable_sort(children.begin(), children.end(),
                   [](const WLinkArray::Link& a, const WLinkArray::Link& b) { return a.order < b.order; });
  for (WLinkArray::Link& child : children) child.first = child.second = 0;
  links_.StoreLinks(chain, children);
  SetSorted(family, true);
}

bool WFamLinks::ChildrenSorted(std::int32_t family) const {
  const unsigned char* record = Item(family);
  return record != nullptr && (record[kFlagsOffset] & kSortedFlag) != 0;
}

std::int32_t WFamLinks::Field(std::int32_t family, int offset) const {
  const unsigned char* record = Item(family);
  return record == nullptr ? 0 : static_cast<std::int32_t>(LoadUint32LE(record + offset));
}

void WFamLinks::SetField(std::int32_t family, int offset, std::int32_t value) {
  unsigned char* record = Item(family);
  if (record != nullptr) StoreUint32LE(record + offset, static_cast<std::uint32_t>(value));
}

void WFamLinks::SetSorted(std::int32_t family, bool sorted) {
  unsigned char* record = Item(family);
  if (record == nullptr) return;
  record[kFlagsOffset] = static_cast<unsigned char>(sorted ? record[kFlagsOffset] | kSortedFlag
                                                           : record[kFlagsOffset] & ~kSortedFlag);
}

}  // namespace kinshelf
