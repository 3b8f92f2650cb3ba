// The indexes and links of a loaded GEDCOM file.
#include "gedcom/GedcomIndexes.h"

#include <algorithm>

namespace kinshelf {

using namespace gedcom;

namespace {

std::int32_t CapacityFor(std::int64_t fileSize, std::int64_t bytesPerRecord) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(fileSize / bytesPerRecord, kMinimumCapacity, INT32_MAX));
}

}  // namespace

GedcomIndexes::GedcomIndexes(std::int64_t fileSize) {
  const std::int32_t individualCapacity = CapacityFor(fileSize, kBytesPerIndividual);
  const std::int32_t familyCapacity = CapacityFor(fileSize, kBytesPerFamily);
  individuals = std::make_unique<WGEDIndIndex>(individualCapacity);
  for (int category = kFamilies; category <= kMedia; ++category) {
    offsets[static_cast<std::size_t>(category - kFamilies)] =
        std::make_unique<WOffsetIndex>(category == kFamilies ? familyCapacity : 0);
  }
  for (int category = kIndividuals; category <= kMedia; ++category) {
    const std::int32_t capacity = category == kIndividuals ? individualCapacity
                                  : category == kFamilies  ? familyCapacity
                                                           : 0;
    keys[static_cast<std::size_t>(category - kIndividuals)] = std::make_unique<WXREFIndex>(capacity);
  }
}

}  // namespace kinshelf
