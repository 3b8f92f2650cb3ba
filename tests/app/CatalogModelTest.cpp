// The catalog grid's model over a store: its rows and texts, the cached row and the empty listing;
// and the widths of its columns.
#include "app/CatalogModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <algorithm>

#include "app/CatalogColumnWidths.h"

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

// The estimate that ranks the texts must not change the result: every column as wide as the widest
// text measured exactly, over names of many lengths, letters of several scripts and bold bookmarks.
TEST_F(CatalogModelTest, ColumnWidthsAreThoseOfTheWidestTextsMeasuredExactly) {
  const char* names[] = {"iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii.ged",
                         "WWWWWWWWWWWWWWWW.ged",
                         "Åström Ærø Œuvre.paf",
                         "Ελληνικά οικογένεια.ged",
                         "家族の記録.ged",
                         "AVAVAVAVAVAVAVAVAV.ged",
                         "mmmmmmmmmmmmmmm.ged",
                         "ﬁﬂﬃ ligatures.ged",
                         "a.ged",
                         "bad \xff byte.ged"};
  for (const bool bold : {false, true}) {
    WFileStore store(folder_.Path(bold ? "Bold" : "Plain"));
    for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
      test::AddRow(store, "/home/" + std::string(static_cast<std::size_t>(i * 3), 'l') + "/" + names[i],
                   static_cast<FileKind>(1 + i % 9), 1000LL << (3 * i), 40000.0 + i, bold && i % 2 == 1);
    }
    CatalogModel model(store, options_);
    model.SetListing(ListingFilter());
    QFont font;
    font.setPointSize(11);
    QFont heavy = font;
    heavy.setBold(true);
    CatalogColumnWidths::Widths exact = CatalogColumnWidths::kMinimum;
    for (int row = 0; row < model.ListedCount(); ++row) {
      for (int column = 0; column < CatalogModel::kColumnCount; ++column) {
        const QModelIndex cell = model.index(row, column);
        const bool inBold = column == CatalogModel::kName && cell.data(CatalogModel::kBookmarkRole).toBool();
        auto& width = exact[static_cast<std::size_t>(column)];
        width =
            std::max(width, QFontMetrics(inBold ? heavy : font).horizontalAdvance(cell.data().toString()) +
                                CatalogColumnWidths::kPadding);
      }
    }
    EXPECT_EQ(CatalogColumnWidths::Measure(store, ListingFilter(), options_, font), exact) << bold;
  }
}

}  // namespace
}  // namespace kinshelf
