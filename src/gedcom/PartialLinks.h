// Builds the links of the few records a page reads, before (or instead of) the link pass: those
// of one individual or family and of the records its link lines lead to. The records that point at
// them are found by searching the text for their identifiers. Main thread only.
#pragma once

#include <cstdint>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomIndexes.h"
#include "gedcom/WGEDTextMMF.h"

namespace kinshelf::gedcom {

// Builds the links of one individual or family and of the records its link lines lead to (up to
// three steps and 64 records), exactly as LinkFamilies would, and marks them built. Records already
// built are left alone. False, with nothing built, when the cancel flag stopped it.
bool LinkRecordsAround(const WGEDTextMMF& text, GedcomIndexes& indexes, Category category,
                       std::int32_t record);

}  // namespace kinshelf::gedcom
