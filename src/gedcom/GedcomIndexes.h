// Everything a GEDCOM collection builds when it loads a file: one offset index and one
// cross-reference index per record category, the individual and family links with which records'
// links are built, and where the header is. Owned by the collection; main thread only.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "fileaccess/WFamLinks.h"
#include "gedcom/BuiltLinks.h"
#include "gedcom/GedcomFormat.h"
#include "gedcom/WGEDIndIndex.h"
#include "gedcom/WIndLinks.h"
#include "gedcom/WOffsetIndex.h"
#include "gedcom/WXREFIndex.h"

namespace kinshelf {

struct GedcomIndexes {
  // Empty indexes sized for a file of that many bytes: individuals and families by the bytes a
  // record usually takes, every other category from nothing. Throws WMMFError when a store can't
  // be created.
  explicit GedcomIndexes(std::int64_t fileSize);

  // The offset index of a category other than individuals, and the identifiers of any category.
  WOffsetIndex& Offsets(gedcom::Category category) { return *offsets[category - gedcom::kFamilies]; }
  const WOffsetIndex& Offsets(gedcom::Category category) const {
    return *offsets[category - gedcom::kFamilies];
  }
  WXREFIndex& Keys(gedcom::Category category) { return *keys[category - gedcom::kIndividuals]; }
  const WXREFIndex& Keys(gedcom::Category category) const { return *keys[category - gedcom::kIndividuals]; }
  // Where record `index` (1 to its count) of a category starts, from the text start.
  std::int64_t OffsetOf(gedcom::Category category, std::int32_t index) const {
    return category == gedcom::kIndividuals ? individuals->GetOffset(index) : Offsets(category).GetOffset(index);
  }
  // The number of records of a category.
  std::int32_t Count(gedcom::Category category) const {
    return keys[category - gedcom::kIndividuals]->Count();
  }

  const char* header = nullptr;
  std::unique_ptr<WGEDIndIndex> individuals;
  std::array<std::unique_ptr<WOffsetIndex>, gedcom::kCategoryCount - 1> offsets;
  std::array<std::unique_ptr<WXREFIndex>, gedcom::kCategoryCount> keys;
  std::unique_ptr<WIndLinks> individualLinks;
  std::unique_ptr<WFamLinks> familyLinks;
  BuiltLinks builtLinks;
};

}  // namespace kinshelf
