// An event of a PAF individual: one of the four vital events kept in the individual record, or an
// additional event (PAF 4 and 5) with its event type's name and its description. Both read an event
// structure: date, place links and citation chain.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/WABSCitation.h"
#include "model/WABSNote.h"
#include "model/WABSVitEvent.h"
#include "paf/PafCitationList.h"
#include "paf/PafRecord.h"

namespace kinshelf {

class WPAFCollection;

class WPAFVitEvent final : public WABSVitEvent {
 public:
  // Over an event structure of the collection, which must outlive the event. An additional event
  // passes its type name and description (empty when it has none).
  WPAFVitEvent(WPAFCollection& collection, EventKind kind, PafRecord structure, std::string typeName,
               std::string description);

  // True when the structure holds an event: a date, or a place linked.
  static bool IsUsed(const WPAFCollection& collection, const PafRecord& structure);

  std::unique_ptr<WABSPlace> GetPlace() override;
  std::int32_t CitationCount() override { return citations_.Count(); }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override { return citations_.Get(n); }
  // An additional event's description is its note too.
  bool HasNote() override { return !GetDescription().empty(); }
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  void LoadDate() override;

 private:
  WPAFCollection& collection_;
  PafRecord structure_;
  PafCitationList citations_;
};

}  // namespace kinshelf
