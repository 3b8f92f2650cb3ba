// An individual of a PAF 5 file: its name, AFN and reference number are individual text records in
// a chain from the record's first field; its additional events start in the record.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "paf/WPAFIndividual.h"

namespace kinshelf {

class WPAF5Individual final : public WPAFIndividual {
 public:
  WPAF5Individual(WPAFCollection& collection, std::int32_t index, std::int32_t rin, PafRecord record)
      : WPAFIndividual(collection, index, rin, record) {}

  // The first text record of its kind in the chain; empty when there is none.
  std::string GetRefNumber() override;
  std::string GetAFN() override;
  std::unique_ptr<WABSName> GetName() override;

 protected:
  std::optional<NamePartViews> NameViews() const override;
  std::int32_t FirstOtherEvent() const override;

 private:
  std::string TextOfKind(int kind) const;
};

}  // namespace kinshelf
