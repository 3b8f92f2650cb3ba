// The statement of the catalog listing.
#include "catalog/store/ListingQuery.h"

namespace kinshelf {

namespace {

std::string OrderClause(bool ascending, int sortColumn) {
  switch (sortColumn) {
    case 2:
      return ascending ? " order by Type" : " order by Type DESC";
    case 3:
      return ascending ? " order by Size" : " order by Size DESC";
    case 4:
      return ascending ? " order by FLastMod" : " order by FLastMod DESC";
    case 5:
      return ascending ? " order by drive,Path" : " order by drive DESC,Path DESC";
    default:
      return ascending ? " order by name" : " order by name DESC";
  }
}

}  // namespace

ListingQuery BuildListingQuery(const std::string& nameFilter, const KindSet& shown, bool ascending,
                               int sortColumn, bool bookmarksOnly) {
  std::string condition;
  for (const auto& kind : kFileKinds) {
    if (shown[static_cast<std::size_t>(kind.code)]) continue;
    const std::string test = "(Type<>" + std::to_string(kind.code) + ") ";
    condition += condition.empty() ? " " + test : "AND " + test;
  }
  if (bookmarksOnly) condition += condition.empty() ? " BookMark=1 " : " and BookMark=1 ";
  if (!condition.empty()) condition = " where " + condition;

  ListingQuery query;
  if (!nameFilter.empty()) {
    // The filter is bound, never spliced into the text, so quotes in it need no care.
    condition += condition.empty() ? " Where (name like ?) " : "AND (name like ?) ";
    query.namePattern = "%" + nameFilter + "%";
  }
  query.sql = "SELECT FileID FROM files" + condition + OrderClause(ascending, sortColumn) + ";";
  return query;
}

}  // namespace kinshelf
