// The acceptance test that every entry of a file search passes before it is reported. The tests run
// cheapest first: those the entry's name and type answer, then the reject masks, then those that
// need the entry's status (only when a criterion needs it), and last the content test, which reads the
// file. All are conditions that must hold together, so the order changes the cost, never the outcome.
#pragma once

#include <cstdint>
#include <string>

#include "catalog/findfile/SearchCriteria.h"
#include "catalog/findfile/TFoundEntry.h"
#include "catalog/findfile/TTargetSearch.h"
#include "platform/FileInfo.h"

namespace kinshelf {

// The attribute test involves the read-only bit: with ExactMatch, or when the set lacks ffReadonly.
bool AttributeTestNeedsStatus(const TAttributeCriteria& criteria);
// Of the entry's bits, only kAttributeTestBits count: with ExactMatch they must equal the set,
// otherwise none may lie outside it.
bool AttributesMatch(std::uint32_t attributes, const TAttributeCriteria& criteria);

// Unset limits (0) always hold.
bool SizeMatches(std::int64_t size, const TSizeCriteria& criteria);

// One bound on the entry's time `t` (both catalog date-time values); an unset bound (0) holds.
// A bound without a time part compares t's date, a bound with date part 0 compares t's time of day,
// any other compares t itself. Inclusive.
bool UpperBoundHolds(double t, double bound);
bool LowerBoundHolds(double t, double bound);
// Every set bound holds. A set created bound fails for a file without a recorded birth time.
bool DatesMatch(const platform::FileStatus& status, const TDateTimeCriteria& criteria);

// Whether the entry found in `folder` passes every test of the run. Fetches the entry's status only
// when a size limit, a date bound or an attribute test on the read-only bit needs it; an entry whose
// status cannot be read then fails. The content test accepts regular files only.
bool AcceptEntry(const TTargetSearch& run, const std::string& folder, const TFoundEntry& entry);

}  // namespace kinshelf
