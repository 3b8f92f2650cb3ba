// One opened genealogy file: the operations every reader shares, built on its answers.
#include "model/WABSCollection.h"

#include <algorithm>
#include <utility>

#include "model/ItemTexts.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSMarriage.h"

namespace kinshelf {

namespace {

// Relation codes of a child: son, daughter and child, each followed by its six kinds.
constexpr std::int32_t kFirstSonCode = 19;
constexpr std::int32_t kFirstDaughterCode = 25;
constexpr std::int32_t kFirstChildCode = 31;
constexpr std::int32_t kKindsOfRelation = 6;
constexpr std::int32_t kLastParentRelation = 18;

std::int32_t FirstChildCodeFor(char sex) {
  if (sex == 'M' || sex == 'm') return kFirstSonCode;
  if (sex == 'F' || sex == 'f') return kFirstDaughterCode;
  return kFirstChildCode;
}

}  // namespace

WABSCollection::WABSCollection(std::string filePath, const WOptions& options)
    : filePath_(std::move(filePath)), options_(options) {}

WABSCollection::~WABSCollection() = default;

bool WABSCollection::LoadWhileVisiting(const EarlyVisit&, std::int32_t& visited) {
  visited = 0;
  return Load();
}

void WABSCollection::ForEachIndividual(std::int32_t first, std::int32_t last,
                                       const std::function<void(WABSIndividual&)>& visit) {
  for (std::int32_t index = first; index <= last; ++index) {
    if (const std::unique_ptr<WABSIndividual> person = GetIndividual(index)) visit(*person);
  }
}

std::string WABSCollection::GetRelationName(std::int32_t code) {
  if (code < 0 || code >= static_cast<std::int32_t>(kRelationNames.size())) return std::string();
  return std::string(kRelationNames[static_cast<std::size_t>(code)]);
}

std::string WABSCollection::GetChildRelationName(std::int32_t parentRelation, char sex) {
  if (parentRelation < 0 || parentRelation > kLastParentRelation) return std::string();
  if (parentRelation == 0) return GetRelationName(0);
  return GetRelationName(FirstChildCodeFor(sex) + (parentRelation - 1) % kKindsOfRelation);
}

std::int32_t WABSCollection::FatherOf(std::int32_t individual) {
  const std::unique_ptr<WABSMarriage> family = FirstParentFamily(individual);
  return family == nullptr ? 0 : family->GetHusband();
}

std::int32_t WABSCollection::MotherOf(std::int32_t individual) {
  const std::unique_ptr<WABSMarriage> family = FirstParentFamily(individual);
  return family == nullptr ? 0 : family->GetWife();
}

bool WABSCollection::HasChildren(std::int32_t individual) {
  const std::unique_ptr<WABSIndividual> person = IndividualAt(individual);
  if (person == nullptr) return false;
  for (std::int32_t n = 1; n <= person->SpouseFamilyCount(); ++n) {
    const std::unique_ptr<WABSMarriage> family = SpouseFamily(*person, n);
    if (family != nullptr && family->ChildCount() > 0) return true;
  }
  return false;
}

bool WABSCollection::HasSealingToSpouse(std::int32_t individual, std::int32_t n) {
  const std::unique_ptr<WABSIndividual> person = IndividualAt(individual);
  if (person == nullptr) return false;
  const std::int32_t count = person->SpouseFamilyCount();
  const bool one = n >= 1 && n <= count;
  for (std::int32_t i = one ? n : 1; i <= (one ? n : count); ++i) {
    const std::unique_ptr<WABSMarriage> family = SpouseFamily(*person, i);
    if (family != nullptr && family->HasSealing()) return true;
  }
  return false;
}

std::unique_ptr<WABSLDSEvent> WABSCollection::GetSealingToSpouse(std::int32_t individual, std::int32_t n,
                                                                 std::int32_t sealing) {
  const std::unique_ptr<WABSIndividual> person = IndividualAt(individual);
  if (person == nullptr || n < 1 || n > person->SpouseFamilyCount()) return nullptr;
  const std::unique_ptr<WABSMarriage> family = SpouseFamily(*person, n);
  return family == nullptr ? nullptr : family->GetSealing(sealing);
}

std::string WABSCollection::ShortNameText(std::int32_t individual) {
  const std::unique_ptr<WABSIndividual> person = IndividualAt(individual);
  return person == nullptr ? std::string() : person->NameText(true);
}

std::string WABSCollection::NameWithIDText(std::int32_t individual) {
  const std::unique_ptr<WABSIndividual> person = IndividualAt(individual);
  return person == nullptr ? std::string() : person->NameWithIDText();
}

std::string WABSCollection::IndividualSummaryText(std::int32_t individual) {
  const std::unique_ptr<WABSIndividual> person = IndividualAt(individual);
  if (person == nullptr) return std::string();
  std::string text = "Name :" + person->NameWithIDText();
  text += "\r\nSex    :";
  text += person->GetSex();
  text += "\r\nBirth   :" + person->EventText(EventKind::kBirth, 1);
  text += "\r\nChr     :" + person->EventText(EventKind::kChristening, 1);
  text += "\r\nDeath :" + person->EventText(EventKind::kDeath, 1);
  text += "\r\nBur     :" + person->EventText(EventKind::kBurial, 1);
  text += "\r\nAge     :" + person->AgeText();
  text += "\r\nFather :" + NameWithIDText(FatherOf(individual));
  text += "\r\nMother :" + NameWithIDText(MotherOf(individual));
  const std::string block = FamilyBlockText(*person);
  if (!block.empty()) text += "\r\n" + block;
  return text;
}

std::int32_t WABSCollection::DisplayToIndex(std::int32_t position) const {
  if (!displayOrder_) return position;
  if (position < 1 || position > static_cast<std::int32_t>(displayOrder_->size())) return 0;
  return (*displayOrder_)[static_cast<std::size_t>(position - 1)];
}

std::int32_t WABSCollection::IndexToDisplay(std::int32_t individual) const {
  if (!displayOrder_) return individual;
  const auto found = std::find(displayOrder_->begin(), displayOrder_->end(), individual);
  return found == displayOrder_->end() ? 0 : static_cast<std::int32_t>(found - displayOrder_->begin()) + 1;
}

std::int32_t WABSCollection::DisplayCount() {
  return displayOrder_ ? static_cast<std::int32_t>(displayOrder_->size()) : IndividualCount();
}

std::unique_ptr<WABSIndividual> WABSCollection::IndividualAt(std::int32_t index) {
  if (index < 1 || index > IndividualCount()) return nullptr;
  return GetIndividual(index);
}

std::unique_ptr<WABSMarriage> WABSCollection::MarriageAt(std::int32_t index) {
  if (index < 1 || index > MarriageCount()) return nullptr;
  return GetMarriage(index);
}

std::unique_ptr<WABSMarriage> WABSCollection::FirstParentFamily(std::int32_t individual) {
  const std::unique_ptr<WABSIndividual> person = IndividualAt(individual);
  if (person == nullptr || person->ParentFamilyCount() < 1) return nullptr;
  return MarriageAt(person->GetParentFamily(1));
}

std::unique_ptr<WABSMarriage> WABSCollection::SpouseFamily(WABSIndividual& individual, std::int32_t n) {
  return MarriageAt(individual.GetSpouseFamily(n));
}

// Per spouse family: the spouse, the marriage date and place, then the children in the reader's
// order; the final line break is dropped.
std::string WABSCollection::FamilyBlockText(WABSIndividual& individual) {
  std::string block;
  for (std::int32_t n = 1; n <= individual.SpouseFamilyCount(); ++n) {
    const std::unique_ptr<WABSMarriage> family = SpouseFamily(individual, n);
    if (family == nullptr) continue;
    const std::int32_t spouse = family->OtherSpouse(individual.Index());
    block += "Spouse: " + (spouse == 0 ? std::string("<No Given Name>") : NameWithIDText(spouse)) + "\r\n";
    block += "   Mar. Date: " + JoinedPieces(family->DateText(), family->GetPlaceText()) + "\r\n";
    family->SortChildren();
    for (std::int32_t c = 1; c <= family->ChildCount(); ++c) {
      const std::int32_t child = family->GetChild(c);
      if (child > 0) block += "   " + ChildLine(child) + "\r\n";
    }
  }
  if (!block.empty()) block.resize(block.size() - 2);
  return block;
}

std::string WABSCollection::ChildLine(std::int32_t child) {
  std::string line = HasChildren(child) ? "< " : "   ";
  const std::unique_ptr<WABSIndividual> person = IndividualAt(child);
  const std::int32_t year = person == nullptr ? 0 : person->EventYear(EventKind::kBirth, 1);
  line += year != 0 ? std::to_string(year) + " " : std::string(8, ' ');
  if (person != nullptr) line += person->NameWithIDText();
  return line;
}

}  // namespace kinshelf
