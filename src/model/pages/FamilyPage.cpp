// One family of an individual as the details view shows it.
#include "model/pages/FamilyPage.h"

#include <utility>

#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"
#include "model/WABSPlace.h"
#include "settings/WOptions.h"

namespace kinshelf {

namespace {

// The event's line with its date and place, or the stand-in's (the line in brackets) when the
// event's is empty and the setting asks.
void LineWithStandIn(WABSIndividual& person, EventKind kind, EventKind standIn, bool useStandIn,
                     std::string& line, std::string& date, std::string& place) {
  line = person.EventText(kind, 1);
  const bool standsIn = line.empty() && useStandIn && !person.EventText(standIn, 1).empty();
  const EventKind shown = standsIn ? standIn : kind;
  EventTexts texts = person.EventDateAndPlaceText(shown, 1);
  date = std::move(texts.date);
  place = std::move(texts.place);
  if (standsIn) line = std::string("[").append(person.EventText(standIn, 1)).append("]");
}

std::optional<PersonPanel> PanelOrNothing(WABSCollection& collection, std::int32_t index) {
  return index > 0 ? BuildPersonPanel(collection, index) : std::nullopt;
}

}  // namespace

std::optional<PersonPanel> BuildPersonPanel(WABSCollection& collection, std::int32_t index) {
  const auto person = collection.GetIndividual(index);
  if (person == nullptr) return std::nullopt;
  const bool standIns = collection.Options().GetBool(opt::FamBirChr);
  PersonPanel panel;
  panel.index = index;
  panel.name = person->NameWithIDText();
  panel.sex = person->GetSex();
  LineWithStandIn(*person, EventKind::kBirth, EventKind::kChristening, standIns, panel.birth, panel.birthDate,
                  panel.birthPlace);
  LineWithStandIn(*person, EventKind::kDeath, EventKind::kBurial, standIns, panel.death, panel.deathDate,
                  panel.deathPlace);
  return panel;
}

FamilyPage BuildFamilyPage(WABSCollection& collection, std::int32_t index, std::int32_t spousePosition) {
  FamilyPage page;
  const auto person = collection.GetIndividual(index);
  if (person == nullptr) return page;
  page.subject = BuildPersonPanel(collection, index);
  page.father = PanelOrNothing(collection, collection.FatherOf(index));
  page.mother = PanelOrNothing(collection, collection.MotherOf(index));
  page.count = person->SpouseFamilyCount();
  if (page.count == 0) return page;
  page.position = spousePosition >= 1 && spousePosition <= page.count ? spousePosition : 1;
  const auto family = collection.GetMarriage(person->GetSpouseFamily(page.position));
  if (family == nullptr) return page;
  const std::int32_t spouse = family->OtherSpouse(index);
  page.spouse = PanelOrNothing(collection, spouse);
  page.spouseFather = PanelOrNothing(collection, collection.FatherOf(spouse));
  page.spouseMother = PanelOrNothing(collection, collection.MotherOf(spouse));
  page.marriageDate = family->DateText();
  page.marriagePlace =
      WABSPlace::DisplayText(family->GetPlaceText(), collection.Options().GetBool(opt::PlaceCommas));
  family->SortChildren();
  for (std::int32_t n = 1; n <= family->ChildCount(); ++n) {
    if (auto child = PanelOrNothing(collection, family->GetChild(n)))
      page.children.push_back(std::move(*child));
  }
  return page;
}

}  // namespace kinshelf
