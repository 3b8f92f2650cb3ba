// The name of a PAF 3 or PAF 4 individual: surname, up to three given names and suffix by text
// links in the individual record, and PAF 4's prefix in the individual extension.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/WABSCitation.h"
#include "model/WABSName.h"
#include "model/WABSNote.h"
#include "paf/PafRecord.h"

namespace kinshelf {

class WPAFCollection;

class WPAF34Name final : public WABSName {
 public:
  // Over an individual record and its extension (which may not exist); the collection must outlive
  // the name.
  WPAF34Name(const WPAFCollection& collection, PafRecord individual, PafRecord extension)
      : collection_(collection), individual_(individual), extension_(extension) {}

  std::string GetSurname() override;
  // The first given name, then a space and each further one that is linked.
  std::string GetGivenNames() override;
  std::string GetPrefix() override;
  std::string GetSuffix() override;
  // PAF keeps no citations or note on a name.
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t /*n*/) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  const WPAFCollection& collection_;
  PafRecord individual_;
  PafRecord extension_;
};

}  // namespace kinshelf
