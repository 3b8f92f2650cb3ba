// Per-attribute conditions on an entry's full attribute word.
#include "catalog/findfile/TAttributeCriteriaEx.h"

#include "platform/DirectoryReader.h"

namespace kinshelf {

TFileAttributeStatus TAttributeCriteriaEx::Status(std::uint32_t bit) const {
  if ((mustBeSet_ & bit) != 0) return fsSet;
  if ((mustBeClear_ & bit) != 0) return fsUnset;
  return fsIgnore;
}

void TAttributeCriteriaEx::SetStatus(std::uint32_t bit, TFileAttributeStatus status) {
  mustBeSet_ &= ~bit;
  mustBeClear_ &= ~bit;
  if (status == fsSet) mustBeSet_ |= bit;
  if (status == fsUnset) mustBeClear_ |= bit;
}

bool TAttributeCriteriaEx::Matches(std::uint32_t attributes) const {
  return (attributes & mustBeSet_) == mustBeSet_ && (attributes & mustBeClear_) == 0;
}

bool TAttributeCriteriaEx::NeedsStatus() const {
  return ((mustBeSet_ | mustBeClear_) & platform::kStatusOnlyAttributes) != 0;
}

}  // namespace kinshelf
