// The families of each GEDCOM individual: the families in which it is a child (with the parents'
// relation codes) and those in which it is a spouse. The first of each kind sits in the entry,
// further ones in chains of link blocks. Main thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "fileaccess/WABSArrayIndex.h"
#include "fileaccess/WLinkArray.h"

namespace kinshelf {

// One entry per individual, zero until links are added.
struct IndividualLinks {
  std::int32_t flags = 0;  // kSpouseOrderFixed
  std::int32_t parentCount = 0;
  std::int32_t firstParent = 0;
  std::int16_t firstRelation = 0;
  std::int16_t secondRelation = 0;
  std::int32_t parentOverflow = 0;  // first block of the further parent families, 0 = none
  std::int32_t spouseCount = 0;
  std::int32_t firstSpouse = 0;
  std::int32_t spouseOverflow = 0;  // first block of the further spouse families, 0 = none
};

inline constexpr std::int32_t kSpouseOrderFixed = 0x2;

// A parent family with the relation codes of its two parents to the child.
struct ParentLink {
  std::int32_t family = 0;
  std::int16_t firstRelation = 0;
  std::int16_t secondRelation = 0;
};

class WIndLinks : public WABSArrayIndex {
 public:
  // Puts an individual's spouse families in the wanted order, given them in their current order.
  using FamilyOrder = std::function<void(std::int32_t individual, std::vector<std::int32_t>& families)>;

  // Empty links for `individualCount` individuals. Throws WMMFError when a store can't be created.
  explicit WIndLinks(std::int32_t individualCount);

  // Adds a family in which the individual is a child. A family equal to the first one is added
  // again only with allowDuplicate; further families go to the chain, which drops a duplicate
  // unless allowDuplicate. Nothing for an individual out of range. Throws like WABSArrayIndex::Add.
  void AddParentFamily(std::int32_t individual, bool allowDuplicate, std::int16_t secondRelation,
                       std::int16_t firstRelation, std::int32_t family);
  // Adds a family in which the individual is a spouse: never again when it is the first one; the
  // chain drops a duplicate unless allowDuplicate. Nothing for an individual out of range.
  void AddSpouseFamily(std::int32_t individual, bool allowDuplicate, std::int32_t family);

  // Counts and the n-th family (1-based); 0 for an n or individual out of range.
  std::int32_t ParentFamilyCount(std::int32_t individual) const;
  std::int32_t GetParentFamily(std::int32_t individual, std::int32_t n) const;
  std::optional<ParentLink> GetParentLink(std::int32_t individual, std::int32_t n) const;
  std::int32_t SpouseFamilyCount(std::int32_t individual) const;
  std::int32_t GetSpouseFamily(std::int32_t individual, std::int32_t n) const;
  // Every spouse family of the individual in order.
  std::vector<std::int32_t> SpouseFamilies(std::int32_t individual) const;

  // When the individual has more than one spouse family and their order is not fixed yet: lets
  // `order` arrange all of them (however many), stores that order and fixes it.
  void OrderSpouseFamilies(std::int32_t individual, const FamilyOrder& order);

 private:
  IndividualLinks Entry(std::int32_t individual) const;
  void SetEntry(std::int32_t individual, const IndividualLinks& entry);

  WLinkArray parentLinks_;
  WLinkArray spouseLinks_;
};

}  // namespace kinshelf
