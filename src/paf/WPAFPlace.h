// The place of a PAF event or ordinance: its text as the record gives it (the place parts joined,
// or the temple), the citations of its event, and the ordinance's note for PAF 3 and 4 temples.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "model/WABSCitation.h"
#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "paf/PafCitationList.h"

namespace kinshelf {

class WPAFCollection;

class WPAFPlace final : public WABSPlace {
 public:
  // `firstCitation` and `note` are links (0 or -1: none); the collection must outlive the place.
  WPAFPlace(WPAFCollection& collection, std::string text, std::int32_t firstCitation, std::int32_t note)
      : collection_(collection), text_(std::move(text)), citations_(collection, firstCitation), note_(note) {}

  std::string GetPlaceText() override { return text_; }
  std::int32_t CitationCount() override { return citations_.Count(); }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override { return citations_.Get(n); }
  // nullptr without a note link.
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WPAFCollection& collection_;
  std::string text_;
  PafCitationList citations_;
  std::int32_t note_;
};

}  // namespace kinshelf
