// A PAF 3 or PAF 4 family file: the two share their header and record layouts (paf/Paf34Format.h);
// the version's own parts (PAF 4's extension records and additional events, its e-mail) are absent
// from a PAF 3 file because the container locates no record of those types there.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "paf/WPAFCollection.h"

namespace kinshelf {

class WPAF34Collection final : public WPAFCollection {
 public:
  // Maps the file; see WPAFCollection. Throws std::runtime_error naming the file unless it is a PAF 3
  // or PAF 4 file.
  WPAF34Collection(std::string fileName, const WOptions& options);

  // After Load: "Source", "Oldest Version", "Version", "Title", "Print Identifier", "Deleted
  // Individuals", "Deleted Marriages", "Verify names", "Exact Match", "Display LDS", "Force
  // Uppercase", "Auto Cap"; nothing before.
  std::vector<GenHeaderRec> GetHeaderInfo() override;

 protected:
  std::unique_ptr<WPAFIndividual> MakeIndividual(std::int32_t index, std::int32_t rin,
                                                 PafRecord record) override;
};

}  // namespace kinshelf
