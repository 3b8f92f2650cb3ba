// The catalog grid's model over a store: its rows and texts, the cached row and the empty listing.
#include "app/CatalogModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "catalog/store/WFileStore.h"
#include "settings/WOptions.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"
#include "text/CountFormat.h"

namespace kinshelf {
namespace {

class CatalogModelTest : public testing::Test {
 protected:
  CatalogModelTest() : store_(folder_.Path("Catalog")) {}

  test::ScratchFolder folder_;
  WFileStore store_;
  WOptions options_;
};

TEST_F(CatalogModelTest, AnEmptyListingHasOneEmptyRow) {
  CatalogModel model(store_, options_);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.SetListing(ListingFilter());
  EXPECT_EQ(model.ListedCount(), 0);
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.FileIdAt(0), 0);
  EXPECT_FALSE(model.data(model.index(0, CatalogModel::kName)).isValid());
  EXPECT_EQ(model.headerData(CatalogModel::kModified, Qt::Horizontal).toString(), " Last Modified Date");
}

TEST_F(CatalogModelTest, RowsShowTheFilesInTheListingsOrder) {
  const std::string present = folder_.WriteFile("b.ged", "0 HEAD\n0 TRLR\n");
  test::AddRow(store_, present, FileKind::kGedcom, 1234567, 0, true);
  test::AddRow(store_, folder_.Path("gone/a.paf"), FileKind::kPaf, 10);
  CatalogModel model(store_, options_);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.SetListing(ListingFilter());
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.data(model.index(0, CatalogModel::kName)).toString(), "a.paf");
  EXPECT_EQ(model.data(model.index(0, CatalogModel::kType)).toString(), "PAF");
  EXPECT_FALSE(model.data(model.index(0, CatalogModel::kName), CatalogModel::kExistsRole).toBool());
  EXPECT_EQ(model.data(model.index(1, CatalogModel::kSize)).toString().toStdString(), FormatCount(1234567));
  EXPECT_TRUE(model.data(model.index(1, CatalogModel::kName), CatalogModel::kBookmarkRole).toBool());
  EXPECT_TRUE(model.data(model.index(1, CatalogModel::kName), CatalogModel::kExistsRole).toBool());
  EXPECT_EQ(model.data(model.index(1, CatalogModel::kFullPath)).toString().toStdString(), folder_.Path());
  ListingFilter descending;
  descending.ascending = false;
  model.SetListing(descending);
  EXPECT_EQ(model.data(model.index(0, CatalogModel::kName)).toString(), "b.ged");
}

}  // namespace
}  // namespace kinshelf
