// An individual of a PAF 3 or PAF 4 file: names by text links, reference number and AFN in the
// record, and, in PAF 4, the extension record with the name prefix, the additional events and the
// place parts that stand in for missing temples.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "paf/WPAFIndividual.h"

namespace kinshelf {

class WPAF34Individual final : public WPAFIndividual {
 public:
  WPAF34Individual(WPAFCollection& collection, std::int32_t index, std::int32_t rin, PafRecord record)
      : WPAFIndividual(collection, index, rin, record) {}

  std::string GetRefNumber() override;
  std::string GetAFN() override;
  std::unique_ptr<WABSName> GetName() override;

 protected:
  // From the extension (PAF 4); 0 without one.
  std::int32_t FirstOtherEvent() const override;
  PafRecord Extension() const override;
};

}  // namespace kinshelf
