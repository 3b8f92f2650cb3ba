// A family of a PAF file.
#include "paf/WPAFMarriage.h"

#include <algorithm>
#include <utility>

#include "model/WABSIndividual.h"
#include "model/WABSNote.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "paf/WPAFCollection.h"
#include "paf/WPAFLDSEvent.h"
#include "settings/WOptions.h"

namespace kinshelf {

namespace {

// Child links a family walks at most: a damaged chain naming deleted children in a loop ends here.
constexpr std::size_t kMaxChildLinks = 4 * WPAFMarriage::kMaxChildren;

}  // namespace

WPAFMarriage::WPAFMarriage(WPAFCollection& collection, std::int32_t mrin, PafRecord record)
    : WABSMarriage(collection, mrin),
      collection_(collection),
      record_(record),
      citations_(collection, Event().Int32(collection.Fields().event.citation)) {
  LoadChildren();
}

const paf::MarriageFields& WPAFMarriage::Fields() const {
  return collection_.Fields().marriage;
}

PafRecord WPAFMarriage::Event() const {
  return record_.Part(Fields().event, collection_.Fields().event.size);
}

PafRecord WPAFMarriage::Sealing() const {
  return record_.Part(Fields().sealing, collection_.Fields().lds.size);
}

std::int32_t WPAFMarriage::SpouseIndex(std::size_t field) const {
  const std::int32_t rin = record_.Int32(field);
  return PafRecord::IsLink(rin) ? std::max(collection_.RINToIndex(rin), 0) : 0;
}

// Children whose RIN names no live individual are left out; a repeated child ends the list.
void WPAFMarriage::LoadChildren() {
  const auto& fields = collection_.Fields().childLink;
  std::int32_t link = record_.Int32(Fields().firstChild);
  for (std::size_t walked = 0; PafRecord::IsLink(link) && walked < kMaxChildLinks; ++walked) {
    const PafRecord child = collection_.Record(paf::kChildLinkType, link);
    if (!child.Exists()) break;
    const std::int32_t index = collection_.RINToIndex(child.Int32(fields.child));
    if (index > 0) {
      if (std::find(children_.begin(), children_.end(), index) != children_.end()) break;
      children_.push_back(index);
      if (children_.size() == kMaxChildren) break;
    }
    link = child.Int32(fields.nextChild);
  }
  SetChildCount(static_cast<std::int32_t>(children_.size()));
}

std::int32_t WPAFMarriage::GetChild(std::int32_t n) {
  if (n < 1 || static_cast<std::size_t>(n) > children_.size()) return 0;
  return children_[static_cast<std::size_t>(n) - 1];
}

std::int32_t WPAFMarriage::SpouseCount() {
  return (record_.HasLink(Fields().husband) ? 1 : 0) + (record_.HasLink(Fields().wife) ? 1 : 0);
}

void WPAFMarriage::SortChildren() {
  if (sorted_ || !Collection().Options().GetBool(opt::SortChildren) || children_.size() < 2) return;
  std::vector<std::pair<std::int32_t, std::unique_ptr<WABSVitEvent>>> births;
  for (const std::int32_t child : children_) {
    auto individual = Collection().GetIndividual(child);
    births.emplace_back(child, individual != nullptr ? individual->GetEvent(EventKind::kBirth, 1) : nullptr);
  }
  const auto dateOf = [](const auto& entry) {
    return entry.second != nullptr ? entry.second->Date() : nullptr;
  };
  for (std::size_t i = 0; i + 1 < births.size(); ++i) {
    const WDate* first = dateOf(births[i]);
    for (std::size_t j = i + 1; j < births.size(); ++j) {
      const WDate* other = dateOf(births[j]);
      if (first == nullptr || (other != nullptr && first->Compare(other) > 0)) {
        std::swap(births[i], births[j]);
        first = other;
      }
    }
  }
  for (std::size_t i = 0; i < births.size(); ++i) children_[i] = births[i].first;
  sorted_ = true;
}

bool WPAFMarriage::HasSealing() {
  return WPAFLDSEvent::IsUsed(Sealing());
}

std::unique_ptr<WABSLDSEvent> WPAFMarriage::GetSealing(std::int32_t /*n*/) {
  if (!HasSealing()) return nullptr;
  return std::make_unique<WPAFLDSEvent>(collection_, EventKind::kNone, Sealing(), PafRecord());
}

std::string WPAFMarriage::GetPlaceText() {
  return collection_.EventPlaceText(Event());
}

std::unique_ptr<WABSNote> WPAFMarriage::GetNote() {
  const std::int32_t note = record_.Int32(Fields().note);
  return PafRecord::IsLink(note) ? collection_.Note(note) : nullptr;
}

void WPAFMarriage::LoadDate() {
  SetDate(collection_.PackedDate(Event(), collection_.Fields().event.dateWidth));
}

}  // namespace kinshelf
