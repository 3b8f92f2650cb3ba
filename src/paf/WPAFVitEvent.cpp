// An event of a PAF individual.
#include "paf/WPAFVitEvent.h"

#include <algorithm>
#include <utility>

#include "model/WABSNote.h"
#include "model/dates/WDate.h"
#include "paf/WPAFCollection.h"
#include "paf/WPAFPlace.h"

namespace kinshelf {

WPAFVitEvent::WPAFVitEvent(WPAFCollection& collection, EventKind kind, PafRecord structure,
                           std::string typeName, std::string description)
    : WABSVitEvent(kind),
      collection_(collection),
      structure_(structure),
      citations_(collection, structure.Int32(collection.Fields().event.citation)) {
  SetTypeName(std::move(typeName));
  SetDescription(std::move(description));
}

// A place link of -1 links nothing, like 0: PAF 3 and 4 mark an unused structure with four of them.
bool WPAFVitEvent::IsUsed(const WPAFCollection& collection, const PafRecord& structure) {
  const paf::EventFields& fields = collection.Fields().event;
  const auto places = std::span(fields.places).first(fields.placeCount);
  return structure.AnyNonZero(0, 4) ||
         std::any_of(places.begin(), places.end(), [&](std::size_t at) { return structure.HasLink(at); });
}

std::unique_ptr<WABSPlace> WPAFVitEvent::GetPlace() {
  return std::make_unique<WPAFPlace>(collection_, collection_.EventPlaceText(structure_),
                                     structure_.Int32(collection_.Fields().event.citation), 0);
}

std::unique_ptr<WABSNote> WPAFVitEvent::GetNote() {
  if (!HasNote()) return nullptr;
  auto note = std::make_unique<WABSNote>();
  note->AddLine(GetDescription());
  return note;
}

void WPAFVitEvent::LoadDate() {
  SetDate(collection_.PackedDate(structure_, collection_.Fields().event.dateWidth));
}

}  // namespace kinshelf
