// A family for the PAF readers' tests, written by the PAF writer in any version and opened through
// the reader factory as a user's file would be.
#pragma once

#include <memory>
#include <string>

#include "model/WABSCollection.h"
#include "support/PafDescription.h"
#include "support/PafWrittenFile.h"
#include "support/ScratchFolder.h"

namespace kinshelf::test {

// Nine individuals (RIN 4 deleted): John Henry Smith Jr (RIN 1) with dates, places, a note, 150
// citations, an LDS baptism and two additional events; his wives Mary (2) and Anne (3); children 5,
// 6 and 7 of the first marriage (born 1880, undated, 1875) and 8 of the second, who has 1200
// additional events. Four marriages: 1 and 2 John's, 3 deleted, 4 Mary's without husband (-1). One
// source with its repository.
PafDescription RichFamily();

// Writes `family` in `version` into `folder` and opens and loads it; fails the test when it can't.
std::unique_ptr<WABSCollection> OpenFamily(const PafDescription& family, PafVersion version,
                                           const ScratchFolder& folder, const WOptions& options,
                                           PafWrittenFile* written = nullptr);

}  // namespace kinshelf::test
