// The statement of the catalog listing.
#include "catalog/store/ListingQuery.h"

namespace kinshelf {

namespace {

std::string OrderClause(bool ascending, ListingColumn sortColumn) {
  switch (sortColumn) {
    case ListingColumn::kType:
      return ascending ? " order by Type" : " order by Type DESC";
    case ListingColumn::kSize:
      return ascending ? " order by Size" : " order by Size DESC";
    case ListingColumn::kModified:
      return ascending ? " order by FLastMod" : " order by FLastMod DESC";
    case ListingColumn::kFullPath:
      return ascending ? " order by drive,Path" : " order by drive DESC,Path DESC";
    default:
      return ascending ? " order by name" : " order by name DESC";
  }
}

}  // namespace

ListingQuery BuildListingQuery(const ListingFilter& filter) {
  ListingQuery query = BuildListingQuery(filter, "FileID");
  query.sql.pop_back();
  query.sql += OrderClause(filter.ascending, filter.sortColumn) + ";";
  return query;
}

ListingQuery BuildListingQuery(const ListingFilter& filter, std::string_view columns) {
  std::string condition;
  for (const auto& info : kFileKinds) {
    if (filter.kinds[info.kind]) continue;
    const std::string test = "(Type<>" + std::to_string(KindCode(info.kind)) + ") ";
    condition += condition.empty() ? " " + test : "AND " + test;
  }
  if (filter.bookmarksOnly) condition += condition.empty() ? " BookMark=1 " : " and BookMark=1 ";
  if (!condition.empty()) condition = " where " + condition;

  ListingQuery query;
  if (!filter.name.empty()) {
    // The filter is bound, never spliced into the text, so quotes in it need no care.
    condition += condition.empty() ? " Where (name like ?) " : "AND (name like ?) ";
    query.namePattern = "%" + filter.name + "%";
  }
  query.sql = "SELECT " + std::string(columns) + " FROM files" + condition + ";";
  return query;
}

}  // namespace kinshelf
