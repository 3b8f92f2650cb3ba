// What the individuals of the three PAF versions share.
#include "paf/WPAFIndividual.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <stdexcept>

#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "paf/CalendarDay.h"
#include "paf/WPAFCollection.h"
#include "paf/WPAFLDSEvent.h"
#include "paf/WPAFVitEvent.h"
#include "settings/WOptions.h"
#include "text/CatalogDateFormat.h"

namespace kinshelf {

namespace {

// The Julian Day Number of 1 January 1970, where PAF's record times count from.
constexpr std::int64_t kUnixEpochJulianDay = 2440588;
constexpr std::int64_t kSecondsPerDay = 86400;

// The relation codes of natural parents: PAF records no other kind.
constexpr std::int32_t kFatherRelation = 1;
constexpr std::int32_t kMotherRelation = 7;

// The four events every individual record holds.
struct VitalEvent {
  EventKind kind;
  std::size_t paf::IndividualFields::*field;
  const char* name;
};
constexpr VitalEvent kVitalEvents[] = {
    {EventKind::kBirth, &paf::IndividualFields::birth, "Birth"},
    {EventKind::kChristening, &paf::IndividualFields::christening, "Christening"},
    {EventKind::kDeath, &paf::IndividualFields::death, "Death"},
    {EventKind::kBurial, &paf::IndividualFields::burial, "Burial"}};

const VitalEvent* VitalOf(EventKind kind) {
  const auto vital = std::find_if(std::begin(kVitalEvents), std::end(kVitalEvents),
                                  [kind](const VitalEvent& event) { return event.kind == kind; });
  return vital == std::end(kVitalEvents) ? nullptr : vital;
}

bool Contains(const std::vector<std::int32_t>& numbers, std::int32_t number) {
  return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

}  // namespace

WPAFIndividual::WPAFIndividual(WPAFCollection& collection, std::int32_t index, std::int32_t rin,
                               PafRecord record)
    : WABSIndividual(collection, index),
      collection_(collection),
      rin_(rin),
      record_(record),
      citations_(collection, record.Int32(collection.Fields().individual.citation)) {}

void WPAFIndividual::Reset() {
  citations_ = PafCitationList(collection_, record_.Int32(collection_.Fields().individual.citation));
  otherEvents_.reset();
  spouseFamilies_.reset();
  parentLinks_.reset();
  created_.reset();
  changed_.reset();
}

void WPAFIndividual::LoadRecord(std::int32_t index) {
  const std::int32_t rin = collection_.IndexToRIN(index);
  PafRecord record = collection_.Record(paf::kIndividualType, rin);
  if (!record.Exists())
    throw std::runtime_error("Error getting pointer to individual " + std::to_string(index));
  PointAt(index, rin, record);
}

void WPAFIndividual::PointAt(std::int32_t index, std::int32_t rin, PafRecord record) {
  SetIndex(index);
  rin_ = rin;
  record_ = record;
  Reset();
}

char WPAFIndividual::GetSex() {
  const auto sex = static_cast<char>(record_.Byte(collection_.Fields().individual.sex));
  return sex > ' ' && sex < '\x7f' ? sex : 'U';
}

// The day of a record time, made as the day's "d mmm yyyy" text would read.
std::optional<WDate> WPAFIndividual::DateOfTime(std::size_t field) const {
  const std::int32_t seconds = record_.Int32(field);
  if (seconds == 0) return std::nullopt;
  const auto day =
      CalendarDay::FromJulianDay(static_cast<std::uint32_t>(kUnixEpochJulianDay + seconds / kSecondsPerDay));
  char text[32];
  std::snprintf(text, sizeof text, "%d %s %d", day.day, std::string(MonthAbbrev(day.month)).c_str(),
                static_cast<int>(day.year));
  return WDate(text);
}

const WDate* WPAFIndividual::GetCreatedDate() {
  if (!created_) created_ = DateOfTime(collection_.Fields().individual.created);
  return created_->has_value() ? &**created_ : nullptr;
}

const WDate* WPAFIndividual::GetChangedDate() {
  if (!changed_) changed_ = DateOfTime(collection_.Fields().individual.changed);
  return changed_->has_value() ? &**changed_ : nullptr;
}

std::int32_t WPAFIndividual::EventCount(EventKind kind) {
  return kind == EventKind::kOther ? static_cast<std::int32_t>(OtherEvents().size()) : 1;
}

std::unique_ptr<WABSVitEvent> WPAFIndividual::GetEvent(EventKind kind, std::int32_t n) {
  if (kind == EventKind::kOther) {
    if (n < 1 || static_cast<std::size_t>(n) > OtherEvents().size()) return nullptr;
    return MakeOtherEvent(OtherEvents()[static_cast<std::size_t>(n) - 1]);
  }
  const std::optional<PafRecord> structure = VitalStructure(kind);
  if (!structure) return nullptr;
  return std::make_unique<WPAFVitEvent>(collection_, kind, *structure, VitalOf(kind)->name, std::string());
}

std::optional<PafRecord> WPAFIndividual::VitalStructure(EventKind kind) const {
  const VitalEvent* vital = VitalOf(kind);
  if (vital == nullptr) return std::nullopt;
  const auto& fields = collection_.Fields();
  const PafRecord structure = record_.Part(fields.individual.*(vital->field), fields.event.size);
  if (!WPAFVitEvent::IsUsed(collection_, structure)) return std::nullopt;
  return structure;
}

// The date and place the event object would show, from the same structure.
EventTexts WPAFIndividual::EventDateAndPlaceText(EventKind kind, std::int32_t n) {
  if (kind == EventKind::kOther) return WABSIndividual::EventDateAndPlaceText(kind, n);
  const std::optional<PafRecord> structure = VitalStructure(kind);
  if (!structure) return {};
  return {collection_.PackedDateText(*structure, collection_.Fields().event.dateWidth),
          WABSPlace::DisplayText(collection_.EventPlaceText(*structure),
                                 collection_.Options().GetBool(opt::PlaceCommas))};
}

void WPAFIndividual::ReadListingTexts(ListingTexts& texts) {
  char digits[16];
  const auto written = std::to_chars(std::begin(digits), std::end(digits), rin_).ptr;
  texts.id.assign(digits, written);
  const std::optional<NamePartViews> parts = texts.options.capitalSurnames ? std::nullopt : NameViews();
  if (parts) {
    AssignListingName(texts, &*parts);
  } else {
    texts.name = NameWithIDText(texts.id);
  }
  ReadEventTexts(EventKind::kBirth, texts.options.placeCommas, texts.birth);
  ReadEventTexts(EventKind::kDeath, texts.options.placeCommas, texts.death);
}

// As EventDateAndPlaceText gives them, the place joined in the room the texts kept.
void WPAFIndividual::ReadEventTexts(EventKind kind, bool placeCommas, EventTexts& texts) const {
  texts.place.clear();
  const std::optional<PafRecord> structure = VitalStructure(kind);
  if (!structure) {
    texts.date.clear();
    return;
  }
  texts.date = collection_.PackedDateText(*structure, collection_.Fields().event.dateWidth);
  collection_.AppendEventPlaceText(*structure, texts.place);
  const std::string_view shown = WABSPlace::DisplayView(texts.place, placeCommas);
  if (shown.empty()) {
    texts.place.clear();
    return;
  }
  const auto start = static_cast<std::size_t>(shown.data() - texts.place.data());
  texts.place.resize(start + shown.size());
  texts.place.erase(0, start);
}

std::unique_ptr<WABSVitEvent> WPAFIndividual::MakeOtherEvent(const PafRecord& record) const {
  const auto& fields = collection_.Fields();
  const PafRecord type = collection_.Record(paf::kEventTypeType, record.Int32(fields.otherEvent.eventType));
  std::string name = type.Int32(fields.otherEvent.typeName) != 0
                         ? collection_.EventText(type.Int32(fields.otherEvent.typeName))
                         : "";
  std::string description = collection_.EventText(record.Int32(fields.otherEvent.description));
  return std::make_unique<WPAFVitEvent>(collection_, EventKind::kOther,
                                        record.Part(fields.otherEvent.event, fields.event.size),
                                        std::move(name), std::move(description));
}

const std::vector<PafRecord>& WPAFIndividual::OtherEvents() {
  if (otherEvents_) return *otherEvents_;
  otherEvents_.emplace();
  std::vector<std::int32_t> met;
  for (std::int32_t number = FirstOtherEvent();
       PafRecord::IsLink(number) && !Contains(met, number) && met.size() < kMaxOtherEvents;) {
    const PafRecord event = collection_.Record(paf::kOtherEventType, number);
    if (!event.Exists()) break;
    met.push_back(number);
    otherEvents_->push_back(event);
    number = event.Int32(collection_.Fields().otherEvent.next);
  }
  return *otherEvents_;
}

PafRecord WPAFIndividual::FirstParentLink() const {
  return collection_.Record(paf::kChildLinkType, record_.Int32(collection_.Fields().individual.firstParent));
}

std::unique_ptr<WABSLDSEvent> WPAFIndividual::GetLDSEvent(EventKind kind) {
  const auto& fields = collection_.Fields();
  switch (kind) {
    case EventKind::kLdsBaptism:
      return MakeOrdinance(kind, record_.Part(fields.individual.baptism, fields.lds.size));
    case EventKind::kLdsEndowment:
      return MakeOrdinance(kind, record_.Part(fields.individual.endowment, fields.lds.size));
    case EventKind::kLdsSealingToParents:
      return MakeOrdinance(kind, FirstParentLink().Part(fields.childLink.sealing, fields.lds.size));
    default:
      return nullptr;
  }
}

std::unique_ptr<WABSLDSEvent> WPAFIndividual::MakeOrdinance(EventKind kind, PafRecord structure) const {
  const PafRecord extension = Extension();
  if (collection_.Fields().ordinancesNeedExtension && !extension.Exists()) return nullptr;
  if (!WPAFLDSEvent::IsUsed(structure)) return nullptr;
  return std::make_unique<WPAFLDSEvent>(collection_, kind, structure, extension);
}

// The families walk along the next-marriage link of whichever spouse this individual is.
const std::vector<std::int32_t>& WPAFIndividual::SpouseFamilies() {
  if (spouseFamilies_) return *spouseFamilies_;
  spouseFamilies_.emplace();
  const auto& fields = collection_.Fields().marriage;
  for (std::int32_t mrin = record_.Int32(collection_.Fields().individual.firstSpouse);
       PafRecord::IsLink(mrin) && !Contains(*spouseFamilies_, mrin) &&
       spouseFamilies_->size() < kMaxSpouseFamilies;) {
    spouseFamilies_->push_back(mrin);
    const PafRecord family = collection_.Record(paf::kMarriageType, mrin);
    if (!family.Exists()) break;
    mrin = family.Int32(family.Int32(fields.husband) == rin_ ? fields.husbandNext : fields.wifeNext);
  }
  return *spouseFamilies_;
}

const std::vector<std::int32_t>& WPAFIndividual::ParentLinks() {
  if (parentLinks_) return *parentLinks_;
  parentLinks_.emplace();
  for (std::int32_t link = record_.Int32(collection_.Fields().individual.firstParent);
       PafRecord::IsLink(link) && !Contains(*parentLinks_, link) &&
       parentLinks_->size() < kMaxParentFamilies;) {
    parentLinks_->push_back(link);
    const PafRecord child = collection_.Record(paf::kChildLinkType, link);
    if (!child.Exists()) break;
    link = child.Int32(collection_.Fields().childLink.nextParent);
  }
  return *parentLinks_;
}

std::int32_t WPAFIndividual::GetSpouseFamily(std::int32_t n) {
  if (n < 1 || n > SpouseFamilyCount()) return 0;
  return SpouseFamilies()[static_cast<std::size_t>(n) - 1];
}

std::int32_t WPAFIndividual::GetParentFamily(std::int32_t n) {
  if (n < 1 || n > ParentFamilyCount()) return 0;
  const PafRecord child =
      collection_.Record(paf::kChildLinkType, ParentLinks()[static_cast<std::size_t>(n) - 1]);
  const std::int32_t family = child.Int32(collection_.Fields().childLink.family);
  return PafRecord::IsLink(family) ? family : 0;
}

std::optional<ParentFamilyLink> WPAFIndividual::GetParentFamilyEx(std::int32_t n) {
  const std::int32_t family = GetParentFamily(n);
  if (family == 0) return std::nullopt;
  return ParentFamilyLink{family, kFatherRelation, kMotherRelation};
}

std::unique_ptr<WABSNote> WPAFIndividual::GetNote() {
  const std::int32_t note = record_.Int32(collection_.Fields().individual.note);
  return PafRecord::IsLink(note) ? collection_.Note(note) : nullptr;
}

}  // namespace kinshelf
