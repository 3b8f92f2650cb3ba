// The facts of one individual as the details view lists them.
#include "model/pages/IndividualPage.h"

#include <optional>
#include <utility>

#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSMarriage.h"
#include "model/WABSName.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "model/dates/WDateDiff.h"
#include "settings/WOptions.h"
#include "text/ByteText.h"

namespace kinshelf {

namespace {

constexpr const char* kIndent = "     ";

// A row and the date it sorts by.
struct Fact {
  FactRow row;
  std::optional<WDate> date;
};

// Chronological order: valid dates by date (then caption), before rows without one, which go by
// their date texts and then captions.
bool Before(const Fact& a, const Fact& b) {
  const bool aValid = a.date && a.date->IsValid();
  const bool bValid = b.date && b.date->IsValid();
  if (aValid && bValid) {
    const int order = a.date->Compare(&*b.date);
    if (order != 0) return order < 0;
    return CompareBytes(a.row.caption, b.row.caption) < 0;
  }
  if (aValid != bValid) return aValid;
  const int byText = CompareBytes(a.row.date, b.row.date);
  if (byText != 0) return byText < 0;
  return CompareBytes(a.row.caption, b.row.caption) < 0;
}

class PageBuilder {
 public:
  PageBuilder(WABSCollection& collection, WABSIndividual& person)
      : collection_(collection),
        person_(person),
        useLds_(collection.Options().GetBool(opt::UseLDS)),
        chrono_(collection.Options().GetBool(opt::Chrono)) {
    TakeReferenceDate();
  }

  std::vector<FactRow> Build() {
    AddIdentity();
    AddName();
    AddEvent(EventKind::kBirth, "Birth");
    AddEvent(EventKind::kChristening, "Christening");
    AddEvent(EventKind::kDeath, "Death");
    AddEvent(EventKind::kBurial, "Burial");
    if (useLds_) {
      AddEvent(EventKind::kLdsBaptism, "LDS Baptism");
      AddEvent(EventKind::kLdsEndowment, "LDS Endowment");
      AddEvent(EventKind::kLdsSealingToParents, "LDS SP");
    }
    AddOtherEvents();
    AddParents();
    AddSpouseFamilies();
    if (chrono_) SortChronologically();
    std::vector<FactRow> rows;
    rows.reserve(facts_.size());
    for (auto& fact : facts_) rows.push_back(std::move(fact.row));
    return rows;
  }

 private:
  void TakeReferenceDate() {
    for (const auto kind : {EventKind::kBirth, EventKind::kChristening}) {
      const auto event = person_.GetEvent(kind, 1);
      if (event != nullptr && event->Date() != nullptr && event->Date()->IsValid()) {
        reference_ = *event->Date();
        referenceIsChristening_ = kind == EventKind::kChristening;
        return;
      }
    }
  }

  std::string Age(const WDate* date) const {
    if (date == nullptr || !date->IsValid()) return {};
    WDateDiff difference;
    if (!reference_ || !difference.Compute(&*reference_, date)) return "-----";
    std::string age = date->Compare(&*reference_) < 0 ? "-" : "";
    age += std::to_string(difference.Years());
    return referenceIsChristening_ ? "[" + age + "]" : age;
  }

  void Add(FactRow row, const WDate* date) {
    row.age = Age(date);
    facts_.push_back(Fact{std::move(row), date != nullptr ? std::optional<WDate>(*date) : std::nullopt});
  }

  void AddIdentity() {
    FactRow row;
    row.caption = collection_.Kind() == CollectionKind::kGedcom ? "REF/AFN/Custom" : "RIN/AFN/Custom";
    row.description = person_.GetIDText() + " / " + person_.GetAFN() + " / " + person_.GetRefNumber();
    row.sources = person_.CitationsText();
    row.notes = person_.NoteText();
    Add(std::move(row), nullptr);
  }

  void AddName() {
    FactRow row;
    row.caption = "Name";
    row.description = person_.NameText(true);
    if (const auto name = person_.GetName()) {
      row.sources = name->CitationsText();
      row.notes = name->NoteText();
    }
    Add(std::move(row), nullptr);
  }

  void AddEventRow(WABSEvent& event, std::string caption) {
    FactRow row;
    row.caption = std::move(caption);
    row.date = event.DateText();
    row.place = event.PlaceText(collection_.Options());
    row.description = event.GetDescription();
    row.sources = event.CitationsText();
    row.notes = event.NoteText();
    Add(std::move(row), event.Date());
  }

  void AddEvent(EventKind kind, const char* caption) {
    const bool lds = kind >= EventKind::kLdsBaptism;
    std::unique_ptr<WABSEvent> event;
    if (lds) {
      event = person_.GetLDSEvent(kind);
    } else {
      event = person_.GetEvent(kind, 1);
    }
    if (event != nullptr) {
      AddEventRow(*event, caption);
    } else if (!chrono_) {
      Add(FactRow{0, caption, {}, {}, {}, {}, {}, {}}, nullptr);
    }
  }

  void AddOtherEvents() {
    const auto count = person_.EventCount(EventKind::kOther);
    for (std::int32_t n = 1; n <= count; ++n) {
      if (const auto event = person_.GetEvent(EventKind::kOther, n)) AddEventRow(*event, event->TypeName());
    }
  }

  // A row that leads to another individual: name, birth date and place, that person's sources and notes.
  void AddPersonRow(std::int32_t index, std::string caption, std::string description = {}) {
    const auto other = collection_.GetIndividual(index);
    if (other == nullptr) return;
    const auto birth = other->GetEvent(EventKind::kBirth, 1);
    FactRow row;
    row.link = index;
    row.caption = std::move(caption);
    row.description = description.empty() ? other->NameWithIDText() : std::move(description);
    row.date = birth != nullptr ? birth->DateText() : std::string();
    row.place = birth != nullptr ? birth->PlaceText(collection_.Options()) : std::string();
    row.sources = other->CitationsText();
    row.notes = other->NoteText();
    Add(std::move(row), birth != nullptr ? birth->Date() : nullptr);
  }

  void AddParents() {
    const auto count = person_.ParentFamilyCount();
    for (std::int32_t n = 1; n <= count; ++n) {
      const auto link = person_.GetParentFamilyEx(n);
      if (!link) continue;
      const auto family = collection_.GetMarriage(link->family);
      if (family == nullptr) continue;
      const std::string mark = n == 1 && count > 1 ? " (P)" : "";
      if (family->GetHusband() > 0) {
        AddPersonRow(family->GetHusband(), collection_.GetRelationName(link->fatherRelation) + mark);
      }
      if (family->GetWife() > 0) {
        AddPersonRow(family->GetWife(), collection_.GetRelationName(link->motherRelation) + mark);
      }
    }
  }

  std::string Indented(std::string caption) const { return chrono_ ? caption : kIndent + caption; }

  void AddMarriage(WABSMarriage& family, std::int32_t position) {
    const std::int32_t spouse = family.OtherSpouse(person_.Index());
    const std::string children = " (" + std::to_string(family.ChildCount()) + ")";
    FactRow row;
    row.link = spouse;
    if (spouse > 0) {
      row.caption = Indented(family.EventName() + (chrono_ ? "" : children));
      const std::string married = family.DateText();
      row.description = collection_.NameWithIDText(spouse) + (married.empty() ? "" : ", m. " + married);
    } else {
      row.caption = Indented("Marriage " + std::to_string(position) + children);
    }
    row.date = family.DateText();
    row.sources = family.CitationsText();
    row.notes = family.NoteText();
    Add(std::move(row), family.Date());
    if (useLds_ && family.HasSealing()) {
      if (const auto sealing = family.GetSealing(1)) AddEventRow(*sealing, Indented("LDS SS"));
    }
  }

  // "Child", or the child's relation to this individual in this family.
  std::string ChildCaption(std::int32_t child, std::int32_t family, bool isHusband) {
    const auto individual = collection_.GetIndividual(child);
    if (individual == nullptr) return "Child";
    const auto count = individual->ParentFamilyCount();
    for (std::int32_t n = 1; n <= count; ++n) {
      const auto link = individual->GetParentFamilyEx(n);
      if (!link || link->family != family) continue;
      const auto relation = isHusband ? link->fatherRelation : link->motherRelation;
      if (relation > 0) return collection_.GetChildRelationName(relation, individual->GetSex());
    }
    return "Child";
  }

  void AddSpouseFamilies() {
    const auto count = person_.SpouseFamilyCount();
    for (std::int32_t n = 1; n <= count; ++n) {
      const std::int32_t index = person_.GetSpouseFamily(n);
      const auto family = collection_.GetMarriage(index);
      if (family == nullptr) continue;
      AddMarriage(*family, n);
      family->SortChildren();
      const bool isHusband = family->GetHusband() == person_.Index();
      for (std::int32_t k = 1; k <= family->ChildCount(); ++k) {
        const std::int32_t child = family->GetChild(k);
        if (child > 0) AddPersonRow(child, Indented(ChildCaption(child, index, isHusband)));
      }
    }
  }

  // A selection sort after the identity and name rows, as the list has always been ordered.
  void SortChronologically() {
    for (std::size_t i = 2; i + 1 < facts_.size(); ++i) {
      std::size_t first = i;
      for (std::size_t j = i + 1; j < facts_.size(); ++j) {
        if (Before(facts_[j], facts_[first])) first = j;
      }
      if (first != i) std::swap(facts_[i], facts_[first]);
    }
  }

  WABSCollection& collection_;
  WABSIndividual& person_;
  const bool useLds_;
  const bool chrono_;
  std::optional<WDate> reference_;
  bool referenceIsChristening_ = false;
  std::vector<Fact> facts_;
};

}  // namespace

IndividualPage BuildIndividualPage(WABSCollection& collection, std::int32_t index) {
  IndividualPage page;
  const auto person = collection.GetIndividual(index);
  if (person == nullptr) return page;
  page.index = index;
  page.id = person->GetIDText();
  const char sex = person->GetSex();
  page.sex = sex == 'M' || sex == 'm' ? 'M' : (sex == 'F' || sex == 'f' ? 'F' : 'U');
  page.modified = person->ChangedDateText();
  page.facts = PageBuilder(collection, *person).Build();
  return page;
}

}  // namespace kinshelf
