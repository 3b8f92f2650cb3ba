// Which reader a collection comes from: the abstract base, the GEDCOM reader or a PAF reader.
#pragma once

#include <cstdint>

namespace kinshelf {

enum class CollectionKind : std::uint8_t {
  kBase = 0,
  kGedcom = 1,
  kPaf = 2,
};

}  // namespace kinshelf
