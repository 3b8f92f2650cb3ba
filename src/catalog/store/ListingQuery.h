// The statement of the catalog listing, built from the main window's filters and sort order.
#pragma once

#include <string>
#include <string_view>

#include "catalog/store/ListingFilter.h"

namespace kinshelf {

struct ListingQuery {
  std::string sql;
  // Bound as parameter 1 when not empty: the name filter wrapped in "%".
  std::string namePattern;
};

// The statement listing the ids of the shown kinds, optionally bookmarked rows only and names
// containing the filter, in the order of the sort column (a number outside the columns sorts by
// name).
ListingQuery BuildListingQuery(const ListingFilter& filter);
// The same rows with the columns given (a select list) and in no particular order.
ListingQuery BuildListingQuery(const ListingFilter& filter, std::string_view columns);

}  // namespace kinshelf
