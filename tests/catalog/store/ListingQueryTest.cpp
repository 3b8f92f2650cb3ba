// The statement of the catalog listing, built from the filters and the sort order.
#include "catalog/store/ListingQuery.h"

#include <gtest/gtest.h>

#include "catalog/FileKinds.h"

namespace kinshelf {
namespace {

TEST(ListingQueryTest, EverythingByName) {
  const auto query = BuildListingQuery("", AllKinds(), true, 1, false);
  EXPECT_EQ(query.sql, "SELECT FileID FROM files order by name;");
  EXPECT_EQ(query.namePattern, "");
}

TEST(ListingQueryTest, HiddenKindFilterAndDescendingSize) {
  KindSet shown = AllKinds();
  shown[kind::kLegacy] = false;
  const auto query = BuildListingQuery("smith", shown, false, 3, false);
  EXPECT_EQ(query.sql, "SELECT FileID FROM files where  (Type<>5) AND (name like ?)  order by Size DESC;");
  EXPECT_EQ(query.namePattern, "%smith%");
}

TEST(ListingQueryTest, ConditionsInTheSidePanelOrder) {
  KindSet shown = AllKinds();
  shown[kind::kGenbox] = false;
  shown[kind::kRootsMagic] = false;
  shown[kind::kGedcom] = false;
  const auto query = BuildListingQuery("", shown, true, 5, true);
  EXPECT_EQ(query.sql,
            "SELECT FileID FROM files where  (Type<>7) AND (Type<>3) AND (Type<>9)  and BookMark=1  "
            "order by drive,Path;");
}

TEST(ListingQueryTest, BookmarksOnlyAndFilterWithoutKindConditions) {
  EXPECT_EQ(BuildListingQuery("", AllKinds(), true, 2, true).sql,
            "SELECT FileID FROM files where  BookMark=1  order by Type;");
  EXPECT_EQ(BuildListingQuery("it's", AllKinds(), false, 4, false).sql,
            "SELECT FileID FROM files Where (name like ?)  order by FLastMod DESC;");
  EXPECT_EQ(BuildListingQuery("", AllKinds(), false, 5, false).sql,
            "SELECT FileID FROM files order by drive DESC,Path DESC;");
  EXPECT_EQ(BuildListingQuery("", AllKinds(), false, 99, false).sql,
            "SELECT FileID FROM files order by name DESC;");
}

}  // namespace
}  // namespace kinshelf
