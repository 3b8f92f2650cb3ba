// The spouses and children an individual's selector offers.
#include "model/pages/RelativesList.h"

#include "model/WABSCollection.h"
#include "model/WABSIndividual.h"
#include "model/WABSMarriage.h"

namespace kinshelf {

std::vector<RelativeItem> SpousesAndChildren(WABSCollection& collection, std::int32_t individual) {
  std::vector<RelativeItem> items;
  const auto person = individual >= 1 && individual <= collection.IndividualCount()
                          ? collection.GetIndividual(individual)
                          : nullptr;
  if (person == nullptr) return items;
  for (std::int32_t n = 1; n <= person->SpouseFamilyCount(); ++n) {
    const std::int32_t index = person->GetSpouseFamily(n);
    const auto family =
        index >= 1 && index <= collection.MarriageCount() ? collection.GetMarriage(index) : nullptr;
    if (family == nullptr) continue;
    const std::int32_t spouse = family->OtherSpouse(individual);
    items.push_back(
        {"Spouse: " + (spouse == 0 ? std::string("<No Given Name>") : collection.NameWithIDText(spouse)),
         spouse});
    family->SortChildren();
    for (std::int32_t c = 1; c <= family->ChildCount(); ++c) {
      const std::int32_t child = family->GetChild(c);
      if (child > 0) items.push_back({"   " + collection.ChildLine(child), child});
    }
  }
  return items;
}

}  // namespace kinshelf
