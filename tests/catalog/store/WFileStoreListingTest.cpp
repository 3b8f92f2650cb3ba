// The catalog listing as the store runs it: the ids it returns for each filter and sort order.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/FileKinds.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

class GetIteratorTest : public testing::Test {
 protected:
  GetIteratorTest() : store_(folder_.Path("Catalog")) {
    ids_.push_back(test::AddRow(store_, "/b/O'Brien family.ged", FileKind::kGedcom, 300, 40003, true));
    ids_.push_back(test::AddRow(store_, "/a/100% \"Smith\".paf", FileKind::kPaf, 100, 40001));
    ids_.push_back(test::AddRow(store_, "/c/smith_jones.FDB", FileKind::kLegacy, 200, 40002));
    ids_.push_back(test::AddRow(store_, "/a/Åström.ged", FileKind::kGedcom, 50, 40000));
    ids_.push_back(test::AddRow(store_, std::string("/a/bad\xff\xfe.ged"), FileKind::kGedcom, 10, 39999));
  }

  std::vector<std::int32_t> List(const std::string& filter, bool ascending, int column,
                                 bool bookmarks = false, bool showGedcom = true) {
    const auto list = store_.GetIterator(1, filter, true, true, true, true, true, showGedcom, true, true,
                                         true, ascending, column, bookmarks);
    std::vector<std::int32_t> ids;
    for (std::int32_t i = 1; i <= list->Count(); ++i) ids.push_back(list->GetValue(i));
    return ids;
  }
  std::int32_t Id(int row) const { return ids_[static_cast<std::size_t>(row)]; }

  test::ScratchFolder folder_;
  WFileStore store_;
  std::vector<std::int32_t> ids_;
};

TEST_F(GetIteratorTest, SortsByEachColumn) {
  EXPECT_EQ(List("", true, 3), (std::vector<std::int32_t>{Id(4), Id(3), Id(1), Id(2), Id(0)}));
  EXPECT_EQ(List("", false, 3), (std::vector<std::int32_t>{Id(0), Id(2), Id(1), Id(3), Id(4)}));
  EXPECT_EQ(List("", true, 4), (std::vector<std::int32_t>{Id(4), Id(3), Id(1), Id(2), Id(0)}));
  EXPECT_EQ(List("", true, 2).back(), Id(1));  // PAF has the highest code of the three kinds
}

TEST_F(GetIteratorTest, NameFilterIsACaseInsensitiveSubstringWithLikeWildcards) {
  EXPECT_EQ(List("o'brien", true, 1), (std::vector<std::int32_t>{Id(0)}));
  EXPECT_EQ(List("\"smith\"", true, 1), (std::vector<std::int32_t>{Id(1)}));
  EXPECT_EQ(List("SMITH", true, 3), (std::vector<std::int32_t>{Id(1), Id(2)}));
  // "_" matches any one character and "%" any run, as in the main window's filter.
  EXPECT_EQ(List("smith_", true, 3), (std::vector<std::int32_t>{Id(1), Id(2)}));
  EXPECT_EQ(List("100%smith", true, 1), (std::vector<std::int32_t>{Id(1)}));
  EXPECT_EQ(List("Åström", true, 1), (std::vector<std::int32_t>{Id(3)}));
  EXPECT_EQ(List("ÅSTRÖM", true, 1), (std::vector<std::int32_t>{Id(3)}));
  EXPECT_EQ(List("åström", true, 1), (std::vector<std::int32_t>{Id(3)}));
  EXPECT_EQ(List("\xff\xfe", true, 1), (std::vector<std::int32_t>{Id(4)}));
}

TEST_F(GetIteratorTest, KindAndBookmarkFilters) {
  EXPECT_EQ(List("", true, 3, true), (std::vector<std::int32_t>{Id(0)}));
  EXPECT_EQ(List("", true, 3, false, false), (std::vector<std::int32_t>{Id(1), Id(2)}));
  const auto none = store_.GetIterator(1, "", false, false, false, false, false, false, false, false, false,
                                       true, 1, false);
  EXPECT_EQ(none->Count(), 0);
}

// The bulk visit sees exactly the rows the listing lists, with what the grid shows of each.
TEST_F(GetIteratorTest, ForEachListedVisitsTheListedRowsWithTheirShownFields) {
  const struct {
    const char* name;
    bool bookmarks;
    bool gedcom;
  } filters[] = {{"", false, true}, {"smith", false, true}, {"", true, true}, {"", false, false}};
  for (const auto& f : filters) {
    ListingFilter filter;
    filter.name = f.name;
    filter.bookmarksOnly = f.bookmarks;
    filter.kinds[FileKind::kGedcom] = f.gedcom;
    std::vector<std::string> visited;
    store_.ForEachListed(filter, [&](const ListedRow& row) {
      visited.push_back(std::string(row.drive) + std::string(row.path) + "/" + std::string(row.name));
    });
    std::vector<std::string> listed;
    const auto ids = store_.List(filter);
    for (std::int32_t i = 1; i <= ids->Count(); ++i)
      listed.push_back(store_.GetFile(ids->GetValue(i))->FullPath());
    std::sort(visited.begin(), visited.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(visited, listed) << f.name << f.bookmarks << f.gedcom;
  }
  ListingFilter bookmarked;
  bookmarked.bookmarksOnly = true;
  store_.ForEachListed(bookmarked, [](const ListedRow& row) {
    EXPECT_EQ(row.name, "O'Brien family.ged");
    EXPECT_EQ(row.kind, FileKind::kGedcom);
    EXPECT_EQ(row.size, 300);
    EXPECT_EQ(row.modified, 40003);
    EXPECT_TRUE(row.bookmark);
  });
}

TEST_F(GetIteratorTest, CountsByKindAgreeWithEachKindsCount) {
  const auto counts = store_.CountsByKind();
  for (const auto& info : kFileKinds) {
    const auto count = counts.find(info.kind);
    EXPECT_EQ(count != counts.end() ? count->second : 0, store_.CountByKind(info.kind))
        << KindCode(info.kind);
  }
  EXPECT_EQ(counts.at(FileKind::kGedcom), 3);
}

TEST_F(GetIteratorTest, OtherListTypes) {
  EXPECT_EQ(store_.GetIterator(2, "", true, true, true, true, true, true, true, true, true, true, 1, false)
                ->Count(),
            0);
  EXPECT_EQ(store_.GetIterator(5, "", true, true, true, true, true, true, true, true, true, true, 1, false)
                ->Count(),
            0);
}

}  // namespace
}  // namespace kinshelf
