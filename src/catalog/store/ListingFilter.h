// What the catalog listing shows and in which order: the main window's name filter, kind boxes,
// bookmark box and sorted column, and the same options of the command line.
#pragma once

#include <string>

#include "catalog/KindSet.h"

namespace kinshelf {

// The grid's sortable columns, numbered as the listing numbers them.
enum class ListingColumn : int {
  kName = 1,
  kType = 2,
  kSize = 3,
  kModified = 4,
  kFullPath = 5,
};

struct ListingFilter {
  // A case-insensitive part of the file name in which "%" and "_" keep their LIKE meaning; empty
  // for every name.
  std::string name;
  KindSet kinds = KindSet::All();
  bool bookmarksOnly = false;
  ListingColumn sortColumn = ListingColumn::kName;
  bool ascending = true;
};

}  // namespace kinshelf
