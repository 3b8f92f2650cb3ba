// One person: the texts built from a reader's answers and the collection's settings.
#include "model/WABSIndividual.h"

#include "model/ItemTexts.h"
#include "model/WABSCitation.h"
#include "model/WABSCollection.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSName.h"
#include "model/WABSNote.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "model/dates/WDateDiff.h"
#include "platform/DateTime.h"
#include "settings/WOptions.h"

namespace kinshelf {

namespace {

// Ages above this many years are taken for missing death dates and not shown.
constexpr int kMaxAgeYears = 110;

// A copy of the first event's date of that kind when it is valid; the event itself is gone after.
std::optional<WDate> ValidEventDate(WABSIndividual& individual, EventKind kind) {
  const std::unique_ptr<WABSVitEvent> event = individual.GetEvent(kind, 1);
  const WDate* date = event == nullptr ? nullptr : event->Date();
  if (date == nullptr || !date->IsValid()) return std::nullopt;
  return *date;
}

int CurrentYear() {
  return platform::DecodeDateTime(platform::NowLocal()).year;
}

}  // namespace

bool WABSIndividual::IsPossiblyLiving(std::int32_t years) {
  if (EventDateValid(EventKind::kDeath, 1) || EventDateValid(EventKind::kBurial, 1)) return false;
  std::int32_t year = EventYear(EventKind::kBirth, 1);
  if (year == 0) year = EventYear(EventKind::kChristening, 1);
  return year > 0 && CurrentYear() - year < years;
}

bool WABSIndividual::HasNoParents() {
  return ParentFamilyCount() == 0;
}

bool WABSIndividual::HasNoSpouses() {
  return SpouseFamilyCount() == 0;
}

std::string WABSIndividual::NameText(bool withAffixes) {
  return NameText(withAffixes, 0);
}

std::string WABSIndividual::NameText(bool withAffixes, std::size_t room) {
  const std::unique_ptr<WABSName> name = GetName();
  if (name == nullptr) return std::string();
  const WOptions& options = Collection().Options();
  NameParts parts = name->GetParts();
  if (options.GetBool(opt::NameUpper)) parts.surname = UpperCaseText(parts.surname, Collection().Encoding());
  std::string text;
  text.reserve(parts.prefix.size() + parts.givenNames.size() + parts.surname.size() + parts.suffix.size() +
               8 + room);
  AppendNameParts(text, {parts.prefix, parts.givenNames, parts.surname, parts.suffix},
                  withAffixes && options.GetBool(opt::PreSuf), options.GetBool(opt::NameSlash));
  return text;
}

void WABSIndividual::AppendNameParts(std::string& text, const NamePartViews& parts, bool affixes,
                                     bool slashes) {
  const auto add = [&text](std::string_view part, bool betweenSlashes) {
    if (part.empty() && !betweenSlashes) return;
    if (!text.empty()) text += ' ';
    if (betweenSlashes) text += '/';
    text += part;
    if (betweenSlashes) text += '/';
  };
  if (affixes) add(parts.prefix, false);
  add(parts.givenNames, false);
  add(parts.surname, slashes);
  if (affixes) add(parts.suffix, false);
}

std::string WABSIndividual::NameWithIDText() {
  return NameWithKnownID(nullptr);
}

std::string WABSIndividual::NameWithIDText(std::string_view id) {
  return NameWithKnownID(&id);
}

std::string WABSIndividual::NameWithKnownID(const std::string_view* id) {
  // Room for what is appended below, so that the text is seldom moved: the brackets and blank
  // around it, and the identifier given or a number or reference of some length.
  constexpr std::size_t kAppendedRoom = 20;
  std::string text = NameText(true, kAppendedRoom + (id != nullptr ? id->size() : 0));
  const WOptions& options = Collection().Options();
  AppendIDSuffix(text, id, options.GetBool(opt::FNValueFlag), options.GetInt(opt::FNValue));
  return text;
}

void WABSIndividual::AppendIDSuffix(std::string& text, const std::string_view* id, bool shown, int kind) {
  if (!shown) return;
  // Appended in place: this is built for every line of a listing.
  switch (kind) {
    case 2:
      text.append(" (").append(std::to_string(Index())).append(")");
      break;
    case 3:
      text.append(" {").append(GetRefNumber()).append("}");
      break;
    default:
      text.append(" [").append(id != nullptr ? *id : std::string_view(GetIDText())).append("]");
      break;
  }
}

void WABSIndividual::AssignListingName(ListingTexts& texts, const NamePartViews* parts) {
  texts.name.clear();
  if (parts != nullptr) AppendNameParts(texts.name, *parts, texts.options.affixes, texts.options.slashes);
  const std::string_view id(texts.id);
  AppendIDSuffix(texts.name, &id, texts.options.idSuffix, texts.options.idKind);
}

void WABSIndividual::ReadListingTexts(ListingTexts& texts) {
  texts.id = GetIDText();
  texts.name = NameWithIDText(texts.id);
  texts.birth = EventDateAndPlaceText(EventKind::kBirth, 1);
  texts.death = EventDateAndPlaceText(EventKind::kDeath, 1);
}

std::string WABSIndividual::LifeSpanText(bool withId) {
  std::string text = withId ? NameWithIDText() : NameText(false);
  const std::string birth =
      JoinedPieces(EventDateText(EventKind::kBirth, 1), EventPlaceText(EventKind::kBirth, 1));
  const std::string death =
      JoinedPieces(EventDateText(EventKind::kDeath, 1), EventPlaceText(EventKind::kDeath, 1));
  if (!birth.empty()) text += ", (b. " + birth + ")";
  if (!death.empty()) text += ", (d. " + death + ")";
  return text;
}

std::string WABSIndividual::EventText(EventKind kind, std::int32_t n) {
  const std::unique_ptr<WABSVitEvent> event = GetEvent(kind, n);
  if (event == nullptr) return std::string();
  return JoinedPieces(event->DateText(), event->PlaceText(Collection().Options()));
}

std::string WABSIndividual::EventPlaceText(EventKind kind, std::int32_t n) {
  const std::unique_ptr<WABSVitEvent> event = GetEvent(kind, n);
  return event == nullptr ? std::string() : event->PlaceText(Collection().Options());
}

EventTexts WABSIndividual::EventDateAndPlaceText(EventKind kind, std::int32_t n) {
  const std::unique_ptr<WABSVitEvent> event = GetEvent(kind, n);
  if (event == nullptr) return {};
  return {event->DateText(), event->PlaceText(Collection().Options())};
}

std::string WABSIndividual::EventDateText(EventKind kind, std::int32_t n) {
  const std::unique_ptr<WABSVitEvent> event = GetEvent(kind, n);
  return event == nullptr ? std::string() : event->DateText();
}

bool WABSIndividual::EventDateValid(EventKind kind, std::int32_t n) {
  const std::unique_ptr<WABSVitEvent> event = GetEvent(kind, n);
  const WDate* date = event == nullptr ? nullptr : event->Date();
  return date != nullptr && date->IsValid();
}

std::int32_t WABSIndividual::EventYear(EventKind kind, std::int32_t n) {
  const std::unique_ptr<WABSVitEvent> event = GetEvent(kind, n);
  const WDate* date = event == nullptr ? nullptr : event->Date();
  return date == nullptr ? 0 : date->Year();
}

bool WABSIndividual::HasLDSEvent(EventKind kind) {
  return GetLDSEvent(kind) != nullptr;
}

std::string WABSIndividual::AgeText() {
  const bool standIns = Collection().Options().GetBool(opt::AgeCalcCB);
  std::optional<WDate> start = ValidEventDate(*this, EventKind::kBirth);
  bool estimated = false;
  if (!start && standIns) {
    start = ValidEventDate(*this, EventKind::kChristening);
    estimated = start.has_value();
  }
  if (!start) return std::string();
  std::optional<WDate> end = ValidEventDate(*this, EventKind::kDeath);
  if (!end && standIns) {
    end = ValidEventDate(*this, EventKind::kBurial);
    estimated = estimated || end.has_value();
  }
  const char* suffix = end ? "" : "?";
  if (!end) end.emplace("TODAY");
  WDateDiff difference;
  if (!difference.Compute(&*start, &*end) || difference.Years() > kMaxAgeYears) return std::string();
  const std::string age = difference.YearsText() + suffix;
  return estimated ? "[" + age + "]" : age;
}

std::string WABSIndividual::CitationsText() {
  return CitationListText(CitationCount(), [this](std::int32_t n) { return GetCitation(n); });
}

std::string WABSIndividual::NoteText() {
  return NoteTextOf(GetNote().get());
}

std::string WABSIndividual::ChangedDateText() {
  return DateTextOf(GetChangedDate());
}

}  // namespace kinshelf
