// Applies found link lines to the link stores.
#include "gedcom/LinkApplier.h"

#include <memory>

namespace kinshelf::gedcom {

void LinkApplier::Apply(const FoundLink& link) {
  const std::int32_t target = TargetOf(text_, indexes_, link);
  if (target == 0) return;
  const bool ofIndividual = OfIndividual(link.kind);
  const bool owner = Builds(ofIndividual ? kIndividuals : kFamilies, link.owner);
  const bool other = Builds(ofIndividual ? kFamilies : kIndividuals, target);
  WIndLinks& people = *indexes_.individualLinks;
  WFamLinks& families = *indexes_.familyLinks;
  switch (link.kind) {
    case LinkKind::kParentFamily:
      if (owner) people.AddParentFamily(link.owner, false, kMotherRelation, kFatherRelation, target);
      if (other) families.AddChild(target, link.owner, 0);
      return;
    case LinkKind::kSpouseFamily:
      // A family its FAMS lines name twice is still one marriage.
      if (owner) people.AddSpouseFamily(link.owner, false, target);
      return;
    case LinkKind::kChild: {
      const std::int32_t order = NextChildOrder(link.owner);
      if (owner) families.AddChild(link.owner, target, order);
      if (other) people.AddParentFamily(target, false, kMotherRelation, kFatherRelation, link.owner);
      return;
    }
    case LinkKind::kHusband:
    case LinkKind::kWife:
      if (owner && link.kind == LinkKind::kHusband) families.SetHusband(link.owner, target);
      if (owner && link.kind == LinkKind::kWife) families.SetWife(link.owner, target);
      if (other) people.AddSpouseFamily(target, false, link.owner);
      return;
  }
}

void LinkApplier::MakeStores(GedcomIndexes& indexes) {
  indexes.individualLinks = std::make_unique<WIndLinks>(indexes.Count(kIndividuals));
  indexes.familyLinks = std::make_unique<WFamLinks>(indexes.Count(kFamilies));
}

bool LinkApplier::Builds(Category category, std::int32_t record) const {
  const BuiltLinks& built = indexes_.builtLinks;
  if (built.None()) return true;
  const BuiltLinks::State state = built.StateOf(category, record);
  return onlyBuilding_ ? state == BuiltLinks::State::kBuilding : state != BuiltLinks::State::kBuilt;
}

std::int32_t LinkApplier::NextChildOrder(std::int32_t family) {
  if (family != orderFamily_) {
    orderFamily_ = family;
    nextOrder_ = 0;
  }
  return nextOrder_++;
}

}  // namespace kinshelf::gedcom
