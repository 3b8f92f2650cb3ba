// The citations of one PAF item: the chain from its first citation, walked once on first use.
// Every citation of the chain can be fetched, however long it is.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kinshelf {

class WABSCitation;
class WPAFCollection;

class PafCitationList {
 public:
  // The chain from `first` (0 or -1: none) of the collection, which must outlive the list.
  PafCitationList(WPAFCollection& collection, std::int32_t first) : collection_(&collection), first_(first) {}

  std::int32_t Count();
  // Citation n (from 1), or nullptr.
  std::unique_ptr<WABSCitation> Get(std::int32_t n);

 private:
  const std::vector<std::int32_t>& Numbers();

  WPAFCollection* collection_;
  std::int32_t first_;
  std::optional<std::vector<std::int32_t>> numbers_;
};

}  // namespace kinshelf
