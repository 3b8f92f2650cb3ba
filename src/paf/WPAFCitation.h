// A citation record of a PAF file: its detail text, note and source.
#pragma once

#include <memory>
#include <string>

#include "model/WABSCitation.h"
#include "paf/PafRecord.h"

namespace kinshelf {

class WPAFCollection;

class WPAFCitation final : public WABSCitation {
 public:
  // Over a located citation record of the collection, which must outlive it.
  WPAFCitation(WPAFCollection& collection, PafRecord record) : collection_(collection), record_(record) {}

  std::string GetDetailText() override;
  // The citation's note; an empty note when it has none.
  std::unique_ptr<WABSNote> GetNote() override;
  // The cited source; one that reads as empty when it can't be located.
  std::unique_ptr<WABSSource> GetSource() override;

 private:
  WPAFCollection& collection_;
  PafRecord record_;
};

}  // namespace kinshelf
