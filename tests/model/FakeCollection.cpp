// An in-memory collection for the model's tests.
#include "model/FakeCollection.h"

#include <stdexcept>

#include "model/WABSCitation.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSMarriage.h"
#include "model/WABSName.h"
#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "model/WABSRepo.h"
#include "model/WABSSource.h"
#include "model/WABSSubmitter.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "settings/WOptions.h"

namespace kinshelf::test {

namespace {

std::unique_ptr<WABSNote> NoteOf(const FakeLines& lines) {
  if (lines.empty()) return nullptr;
  auto note = std::make_unique<WABSNote>();
  for (const std::string& line : lines) note->AddLine(line);
  return note;
}

template <typename T>
const T* At(const std::vector<T>& items, std::int32_t n) {
  return n >= 1 && n <= static_cast<std::int32_t>(items.size()) ? &items[static_cast<std::size_t>(n - 1)]
                                                                : nullptr;
}

std::int32_t SizeOf(const auto& items) {
  return static_cast<std::int32_t>(items.size());
}

class Source : public WABSSource {
 public:
  explicit Source(FakeSource data) : data_(std::move(data)) {}
  std::int32_t GetRepoIndex() override { return 0; }
  std::string GetAuthor() override { return data_.author; }
  std::string GetTitle() override { return data_.title; }
  std::string GetPublication() override { return data_.publication; }
  std::string GetCallNumber() override { return data_.callNumber; }
  std::string GetAbbreviation() override { return data_.abbreviation; }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }
  std::unique_ptr<WABSNote> GetTextNote() override { return nullptr; }
  bool HasNote() override { return !data_.note.empty(); }
  bool HasText() override { return false; }
  bool HasRepo() override { return false; }

 private:
  FakeSource data_;
};

class Citation : public WABSCitation {
 public:
  explicit Citation(FakeCitation data) : data_(std::move(data)) {}
  std::string GetDetailText() override { return data_.detail; }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }
  std::unique_ptr<WABSSource> GetSource() override {
    return data_.source ? std::make_unique<Source>(*data_.source) : nullptr;
  }

 private:
  FakeCitation data_;
};

std::unique_ptr<WABSCitation> CitationOf(const FakeCitations& citations, std::int32_t n) {
  const std::optional<FakeCitation>* citation = At(citations, n);
  return citation != nullptr && citation->has_value() ? std::make_unique<Citation>(**citation) : nullptr;
}

class Place : public WABSPlace {
 public:
  explicit Place(std::string text) : text_(std::move(text)) {}
  std::string GetPlaceText() override { return text_; }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  std::string text_;
};

// A vital event or an ordinance served from plain data.
template <typename Base>
class Event : public Base {
 public:
  Event(EventKind kind, FakeEvent data) : Base(kind), data_(std::move(data)) {
    this->SetTypeName(data_.typeName);
    this->SetCitationCount(SizeOf(data_.citations));
  }
  std::unique_ptr<WABSPlace> GetPlace() override {
    return data_.place.empty() ? nullptr : std::make_unique<Place>(data_.place);
  }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override {
    return CitationOf(data_.citations, n);
  }
  bool HasNote() override { return !data_.note.empty(); }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }

 protected:
  void LoadDate() override {
    if (!data_.date.empty()) this->SetDate(std::make_unique<WDate>(data_.date));
  }

 private:
  FakeEvent data_;
};

class Name : public WABSName {
 public:
  explicit Name(FakeName data) : data_(std::move(data)) { SetCitationCount(SizeOf(data_.citations)); }
  std::string GetSurname() override { return data_.surname; }
  std::string GetGivenNames() override { return data_.given; }
  std::string GetPrefix() override { return data_.prefix; }
  std::string GetSuffix() override { return data_.suffix; }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override {
    return CitationOf(data_.citations, n);
  }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }

 private:
  FakeName data_;
};

class Individual : public WABSIndividual {
 public:
  Individual(FakeCollection& collection, std::int32_t index)
      : WABSIndividual(collection, index), fake_(collection) {
    LoadRecord(index);
  }
  ~Individual() override { FreeCache(); }

  void FreeCache() override { changed_.reset(); }
  void LoadRecord(std::int32_t index) override {
    if (index < 1 || index > fake_.IndividualCount())
      throw std::runtime_error("Error getting pointer to individual " + std::to_string(index));
    SetIndex(index);
    FreeCache();
  }
  std::string GetIDText() override { return Data().id; }
  std::string GetRefNumber() override { return Data().ref; }
  std::string GetAFN() override { return std::string(); }
  char GetSex() override { return Data().sex; }
  const WDate* GetCreatedDate() override { return nullptr; }
  const WDate* GetChangedDate() override {
    if (!changed_ && !Data().changed.empty()) changed_ = std::make_unique<WDate>(Data().changed);
    return changed_.get();
  }
  std::unique_ptr<WABSName> GetName() override {
    return Data().name ? std::make_unique<Name>(*Data().name) : nullptr;
  }
  std::int32_t EventCount(EventKind kind) override {
    if (kind == EventKind::kOther) return SizeOf(Data().others);
    return IsVital(kind) ? static_cast<std::int32_t>(Data().events.count(kind)) : 0;
  }
  std::unique_ptr<WABSVitEvent> GetEvent(EventKind kind, std::int32_t n) override {
    if (kind == EventKind::kOther) {
      const FakeEvent* event = At(Data().others, n);
      return event == nullptr ? nullptr : std::make_unique<Event<WABSVitEvent>>(kind, *event);
    }
    return IsVital(kind) ? Find<WABSVitEvent>(kind) : nullptr;
  }
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(EventKind kind) override {
    return kind >= EventKind::kLdsBaptism ? Find<WABSLDSEvent>(kind) : nullptr;
  }
  std::int32_t ParentFamilyCount() override { return SizeOf(Data().parentFamilies); }
  std::int32_t GetParentFamily(std::int32_t n) override {
    const std::int32_t* family = At(Data().parentFamilies, n);
    return family == nullptr ? 0 : *family;
  }
  std::optional<ParentFamilyLink> GetParentFamilyEx(std::int32_t n) override {
    const std::int32_t* family = At(Data().parentFamilies, n);
    if (family == nullptr) return std::nullopt;
    return ParentFamilyLink{*family, 1, 7};
  }
  std::int32_t SpouseFamilyCount() override { return SizeOf(Data().spouseFamilies); }
  std::int32_t GetSpouseFamily(std::int32_t n) override {
    const std::int32_t* family = At(Data().spouseFamilies, n);
    return family == nullptr ? 0 : *family;
  }
  std::int32_t CitationCount() override { return SizeOf(Data().citations); }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override {
    return CitationOf(Data().citations, n);
  }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(Data().note); }
  std::string GetRecordText() override { return "0 @" + Data().id + "@ INDI"; }

 private:
  static bool IsVital(EventKind kind) { return kind >= EventKind::kBirth && kind <= EventKind::kBurial; }
  FakePerson& Data() { return fake_.Person(Index()); }
  template <typename Base>
  std::unique_ptr<Base> Find(EventKind kind) {
    const auto found = Data().events.find(kind);
    return found == Data().events.end() ? nullptr : std::make_unique<Event<Base>>(kind, found->second);
  }

  FakeCollection& fake_;
  std::unique_ptr<WDate> changed_;
};

class Marriage : public WABSMarriage {
 public:
  Marriage(FakeCollection& collection, std::int32_t index)
      : WABSMarriage(collection, index), fake_(collection), data_(collection.Family(index)) {
    SetChildCount(fake_.Links().ChildCount(index));
    SetCitationCount(SizeOf(data_.citations));
  }
  std::int32_t GetHusband() override { return fake_.Links().Husband(Index()); }
  std::int32_t GetWife() override { return fake_.Links().Wife(Index()); }
  std::int32_t GetChild(std::int32_t n) override { return fake_.Links().Child(Index(), n); }
  std::int32_t SpouseCount() override { return (GetHusband() != 0 ? 1 : 0) + (GetWife() != 0 ? 1 : 0); }
  void SortChildren() override {
    fake_.Links().SortChildren(Index(), fake_.Options().GetBool(opt::SortChildren));
  }
  bool HasSealing() override { return !data_.sealings.empty(); }
  std::unique_ptr<WABSLDSEvent> GetSealing(std::int32_t n) override {
    const FakeEvent* sealing = At(data_.sealings, n);
    return sealing == nullptr
               ? nullptr
               : std::make_unique<Event<WABSLDSEvent>>(EventKind::kLdsSealingToParents, *sealing);
  }
  std::string GetPlaceText() override { return data_.place; }
  std::string GetRecordText() override { return "0 @F" + std::to_string(Index()) + "@ FAM"; }
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override {
    return CitationOf(data_.citations, n);
  }
  std::unique_ptr<WABSNote> GetNote() override { return NoteOf(data_.note); }

 protected:
  void LoadDate() override {
    if (!data_.date.empty()) SetDate(std::make_unique<WDate>(data_.date));
  }

 private:
  FakeCollection& fake_;
  const FakeFamily& data_;
};

}  // namespace

FakeCollection::FakeCollection(const WOptions& options, TextEncoding encoding)
    : WABSCollection("/fake/tree.ged", options), encoding_(encoding) {
  SetKind(CollectionKind::kGedcom);
}

std::int32_t FakeCollection::AddPerson(FakePerson person) {
  people_.push_back(std::move(person));
  return IndividualCount();
}

std::int32_t FakeCollection::AddFamily(FakeFamily family) {
  families_.push_back(std::move(family));
  const std::int32_t index = MarriageCount();
  const FakeFamily& added = families_.back();
  links_.SetCount(index);
  links_.SetHusband(index, added.husband);
  links_.SetWife(index, added.wife);
  for (const std::int32_t spouse : {added.husband, added.wife})
    if (spouse != 0) Person(spouse).spouseFamilies.push_back(index);
  for (const auto& [child, order] : added.children) {
    links_.AddChild(index, child, order);
    Person(child).parentFamilies.push_back(index);
  }
  return index;
}

std::unique_ptr<WABSIndividual> FakeCollection::GetIndividual(std::int32_t index) {
  if (index < 1 || index > IndividualCount()) return nullptr;
  return std::make_unique<Individual>(*this, index);
}

std::unique_ptr<WABSMarriage> FakeCollection::GetMarriage(std::int32_t index) {
  if (index < 1 || index > MarriageCount()) return nullptr;
  return std::make_unique<Marriage>(*this, index);
}

std::unique_ptr<WABSSubmitter> FakeCollection::GetSubmitter() {
  return nullptr;
}
std::unique_ptr<WABSNote> FakeCollection::GetNote(std::int32_t) {
  return nullptr;
}
std::unique_ptr<WABSSource> FakeCollection::GetSource(std::int32_t) {
  return nullptr;
}
std::unique_ptr<WABSRepo> FakeCollection::GetRepo(std::int32_t) {
  return nullptr;
}

void SetModelDefaults(WOptions& options) {
  options.SetBool(opt::NameSlash, true);
  options.SetBool(opt::NameUpper, false);
  options.SetBool(opt::PreSuf, true);
  options.SetBool(opt::FNValueFlag, true);
  options.SetInt(opt::FNValue, 1);
  options.SetBool(opt::PlaceCommas, true);
  options.SetBool(opt::AgeCalcCB, true);
  options.SetBool(opt::SortChildren, true);
}

}  // namespace kinshelf::test
