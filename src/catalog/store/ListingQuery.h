// The statement of the catalog listing, built from the main window's filters and sort order.
#pragma once

#include <string>

#include "catalog/FileKinds.h"

namespace kinshelf {

struct ListingQuery {
  std::string sql;
  // Bound as parameter 1 when not empty: the name filter wrapped in "%".
  std::string namePattern;
};

// The statement listing the ids of the shown kinds, optionally bookmarked rows only and names
// containing the filter, in the order of the sort column (1 Name, 2 Type, 3 Size,
// 4 Last Modified Date, 5 Full Path; others sort by name).
ListingQuery BuildListingQuery(const std::string& nameFilter, const KindSet& shown, bool ascending,
                               int sortColumn, bool bookmarksOnly);

}  // namespace kinshelf
