// The parent and spouse families of each GEDCOM individual.
#include "gedcom/WIndLinks.h"

#include <cstring>
#include <string>
#include <type_traits>

namespace kinshelf {

static_assert(std::is_trivially_copyable_v<IndividualLinks>);

WIndLinks::WIndLinks(std::int32_t individualCount)
    : WABSArrayIndex(std::string(), false, sizeof(IndividualLinks), individualCount),
      parentLinks_(individualCount / 3),
      spouseLinks_(individualCount / 3) {
  SetCount(individualCount);
}

IndividualLinks WIndLinks::Entry(std::int32_t individual) const {
  IndividualLinks entry;
  if (const unsigned char* item = Item(individual)) std::memcpy(&entry, item, sizeof entry);
  return entry;
}

void WIndLinks::SetEntry(std::int32_t individual, const IndividualLinks& entry) {
  SetItem(individual, &entry);
}

void WIndLinks::AddParentFamily(std::int32_t individual, bool allowDuplicate, std::int16_t secondRelation,
                                std::int16_t firstRelation, std::int32_t family) {
  if (!InRange(individual)) return;
  IndividualLinks entry = Entry(individual);
  if (entry.parentCount == 0) {
    entry.firstParent = family;
    entry.firstRelation = firstRelation;
    entry.secondRelation = secondRelation;
    entry.parentCount = 1;
  } else if (allowDuplicate || family != entry.firstParent) {
    if (entry.parentOverflow != 0) {
      entry.parentCount += parentLinks_.AddLink(entry.parentOverflow, allowDuplicate, family, 0,
                                                firstRelation, secondRelation);
    } else {
      entry.parentOverflow = parentLinks_.NewChain(family, 0, firstRelation, secondRelation);
      ++entry.parentCount;
    }
  } else {
    return;
  }
  SetEntry(individual, entry);
}

void WIndLinks::AddSpouseFamily(std::int32_t individual, bool allowDuplicate, std::int32_t family) {
  if (!InRange(individual)) return;
  IndividualLinks entry = Entry(individual);
  if (entry.spouseCount == 0) {
    entry.firstSpouse = family;
    entry.spouseCount = 1;
  } else if (family != entry.firstSpouse) {
    if (entry.spouseOverflow != 0) {
      entry.spouseCount += spouseLinks_.AddLink(entry.spouseOverflow, allowDuplicate, family, 0, 0, 0);
    } else {
      entry.spouseOverflow = spouseLinks_.NewChain(family, 0, 0, 0);
      ++entry.spouseCount;
    }
  } else {
    return;
  }
  SetEntry(individual, entry);
}

std::int32_t WIndLinks::ParentFamilyCount(std::int32_t individual) const {
  return Entry(individual).parentCount;
}

std::int32_t WIndLinks::GetParentFamily(std::int32_t individual, std::int32_t n) const {
  const std::optional<ParentLink> link = GetParentLink(individual, n);
  return link ? link->family : 0;
}

std::optional<ParentLink> WIndLinks::GetParentLink(std::int32_t individual, std::int32_t n) const {
  const IndividualLinks entry = Entry(individual);
  if (n < 1 || n > entry.parentCount) return std::nullopt;
  if (n == 1) return ParentLink{entry.firstParent, entry.firstRelation, entry.secondRelation};
  const std::optional<WLinkArray::Link> link = parentLinks_.GetLink(entry.parentOverflow, n - 1);
  if (!link) return std::nullopt;
  return ParentLink{link->key, static_cast<std::int16_t>(link->first),
                    static_cast<std::int16_t>(link->second)};
}

std::int32_t WIndLinks::SpouseFamilyCount(std::int32_t individual) const {
  return Entry(individual).spouseCount;
}

std::int32_t WIndLinks::GetSpouseFamily(std::int32_t individual, std::int32_t n) const {
  const IndividualLinks entry = Entry(individual);
  if (n < 1 || n > entry.spouseCount) return 0;
  return n == 1 ? entry.firstSpouse : spouseLinks_.LinkKey(entry.spouseOverflow, n - 1);
}

std::vector<std::int32_t> WIndLinks::SpouseFamilies(std::int32_t individual) const {
  const IndividualLinks entry = Entry(individual);
  std::vector<std::int32_t> families;
  if (entry.spouseCount == 0) return families;
  families.push_back(entry.firstSpouse);
  if (entry.spouseOverflow != 0) {
    for (const WLinkArray::Link& link : spouseLinks_.Links(entry.spouseOverflow))
      families.push_back(link.key);
  }
  return families;
}

void WIndLinks::OrderSpouseFamilies(std::int32_t individual, const FamilyOrder& order) {
  IndividualLinks entry = Entry(individual);
  if (entry.spouseCount <= 1 || (entry.flags & kSpouseOrderFixed) != 0) return;
  std::vector<std::int32_t> families = SpouseFamilies(individual);
  order(individual, families);
  entry.firstSpouse = families.front();
  std::vector<WLinkArray::Link> further;
  for (std::size_t i = 1; i < families.size(); ++i) further.push_back({families[i], 0, 0, 0});
  spouseLinks_.StoreLinks(entry.spouseOverflow, further);
  entry.flags |= kSpouseOrderFixed;
  SetEntry(individual, entry);
}

}  // namespace kinshelf
