// Leaving a file or a folder out of the catalog: the list's entry is kept before any row goes.
#include "catalog/CatalogExclusion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "catalog/FileKinds.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

// A list that cannot be saved (its folder has become a file) leaves every row where it was: rows
// removed without their entry would come back with the next search, their bookmarks lost.
TEST(CatalogExclusionTest, AListThatCannotBeSavedKeepsEveryRow) {
  test::ScratchFolder folder;
  WFileStore store(folder.Path("Catalog"));
  const std::int32_t file = test::AddRow(store, "/data/trees/a.ged", FileKind::kGedcom, 0, 0, true);
  const std::string listFile = folder.Path("lists/Exclude.xml");
  WFileExcludeList::EnsureFileExists(listFile);
  WFileExcludeList list(listFile);
  std::filesystem::remove_all(folder.Path("lists"));
  std::ofstream(folder.Path("lists")) << "not a folder";

  EXPECT_THROW(ExcludeFolderFromCatalog(store, list, "/data/trees"), std::runtime_error);
  EXPECT_THROW(ExcludeFileFromCatalog(store, list, "/data/trees/a.ged", file), std::runtime_error);
  ASSERT_NE(store.GetFile(file), nullptr);
  EXPECT_TRUE(store.GetFile(file)->Bookmark());
}

}  // namespace
}  // namespace kinshelf
