// Applies the link lines the link passes find to the individual and family link stores, in the
// order of the records and their lines, so that the links come out as one forward walk would make
// them. A link changes the entries of its two records, each only when the pass builds that record:
// a full pass builds every record's links but those built before it, a partial pass only those
// marked as being built. Main thread only.
#pragma once

#include <cstdint>

#include "gedcom/GedcomIndexes.h"
#include "gedcom/LinkLines.h"
#include "gedcom/WGEDTextMMF.h"

namespace kinshelf::gedcom {

class LinkApplier {
 public:
  // The stores must exist. With `onlyBuilding`, only records whose links are being built change.
  LinkApplier(const WGEDTextMMF& text, GedcomIndexes& indexes, bool onlyBuilding)
      : text_(text), indexes_(indexes), onlyBuilding_(onlyBuilding) {}

  void Apply(const FoundLink& link);

  // Empty link stores sized for the records indexed.
  static void MakeStores(GedcomIndexes& indexes);

 private:
  bool Builds(Category category, std::int32_t record) const;
  // The order of the next CHIL line of the family: they count from 0 in each family.
  std::int32_t NextChildOrder(std::int32_t family);

  const WGEDTextMMF& text_;
  GedcomIndexes& indexes_;
  bool onlyBuilding_;
  std::int32_t orderFamily_ = 0;
  std::int32_t nextOrder_ = 0;
};

}  // namespace kinshelf::gedcom
