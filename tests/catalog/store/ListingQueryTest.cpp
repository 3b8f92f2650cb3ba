// The statement of the catalog listing, built from the filters and the sort order.
#include "catalog/store/ListingQuery.h"

#include <gtest/gtest.h>

#include "catalog/KindSet.h"

namespace kinshelf {
namespace {

ListingQuery Build(const std::string& name, const KindSet& kinds, bool ascending, int column,
                   bool bookmarksOnly) {
  return BuildListingQuery({name, kinds, bookmarksOnly, static_cast<ListingColumn>(column), ascending});
}

TEST(ListingQueryTest, EverythingByName) {
  const auto query = Build("", KindSet::All(), true, 1, false);
  EXPECT_EQ(query.sql, "SELECT FileID FROM files order by name;");
  EXPECT_EQ(query.namePattern, "");
}

TEST(ListingQueryTest, HiddenKindFilterAndDescendingSize) {
  KindSet shown = KindSet::All();
  shown[FileKind::kLegacy] = false;
  const auto query = Build("smith", shown, false, 3, false);
  EXPECT_EQ(query.sql, "SELECT FileID FROM files where  (Type<>5) AND (name like ?)  order by Size DESC;");
  EXPECT_EQ(query.namePattern, "%smith%");
}

TEST(ListingQueryTest, ConditionsInTheSidePanelOrder) {
  KindSet shown = KindSet::All();
  shown[FileKind::kGenbox] = false;
  shown[FileKind::kRootsMagic] = false;
  shown[FileKind::kGedcom] = false;
  const auto query = Build("", shown, true, 5, true);
  EXPECT_EQ(query.sql,
            "SELECT FileID FROM files where  (Type<>7) AND (Type<>3) AND (Type<>9)  and BookMark=1  "
            "order by drive,Path;");
}

TEST(ListingQueryTest, BookmarksOnlyAndFilterWithoutKindConditions) {
  EXPECT_EQ(Build("", KindSet::All(), true, 2, true).sql,
            "SELECT FileID FROM files where  BookMark=1  order by Type;");
  EXPECT_EQ(Build("it's", KindSet::All(), false, 4, false).sql,
            "SELECT FileID FROM files Where (name like ?)  order by FLastMod DESC;");
  EXPECT_EQ(Build("", KindSet::All(), false, 5, false).sql,
            "SELECT FileID FROM files order by drive DESC,Path DESC;");
  EXPECT_EQ(Build("", KindSet::All(), false, 99, false).sql, "SELECT FileID FROM files order by name DESC;");
}

}  // namespace
}  // namespace kinshelf
