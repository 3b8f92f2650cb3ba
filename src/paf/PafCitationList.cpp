// The citations of one PAF item.
#include "paf/PafCitationList.h"

#include "model/WABSCitation.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

const std::vector<std::int32_t>& PafCitationList::Numbers() {
  if (!numbers_) numbers_ = collection_->CitationChain(first_);
  return *numbers_;
}

std::int32_t PafCitationList::Count() {
  return static_cast<std::int32_t>(Numbers().size());
}

std::unique_ptr<WABSCitation> PafCitationList::Get(std::int32_t n) {
  if (n < 1 || n > Count()) return nullptr;
  return collection_->Citation(Numbers()[static_cast<std::size_t>(n) - 1]);
}

}  // namespace kinshelf
