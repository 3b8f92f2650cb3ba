// A PAF 5 family file (paf/Paf5Format.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "paf/WPAFCollection.h"

namespace kinshelf {

class WPAF5Collection final : public WPAFCollection {
 public:
  // Maps the file; see WPAFCollection. Throws std::runtime_error naming the file unless it is a PAF 5
  // file.
  WPAF5Collection(std::string fileName, const WOptions& options);

  // After Load: "Source", "Oldest Version", "Version", "Deleted Individuals", "Deleted Marriages";
  // nothing before.
  std::vector<GenHeaderRec> GetHeaderInfo() override;

 protected:
  std::unique_ptr<WPAFIndividual> MakeIndividual(std::int32_t index, std::int32_t rin,
                                                 PafRecord record) override;
  void PrefetchNameText(const PafRecord& individual) const override;
};

}  // namespace kinshelf
