// The refresh of a listing: deleted files lose their rows, unchanged rows are not rewritten, a
// cancel stops within 20 files and keeps the work done.
#include "catalog/CatalogRefresh.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <filesystem>

#include "catalog/FileKinds.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"
#include "platform/ProcessEvents.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

class CatalogRefreshTest : public testing::Test {
 protected:
  CatalogRefreshTest() : store_(folder_.Path("Catalog")) {}
  ~CatalogRefreshTest() override { platform::SetProcessEventsHook({}); }

  // Catalogs a real file as a search would.
  std::int32_t Catalogue(const std::string& name, const std::string& content) {
    auto record = store_.NewFile(folder_.WriteFile(name, content), FileKind::kGedcom);
    record->SaveToStore();
    return record->FileID();
  }
  std::unique_ptr<WIntArray> All() {
    return store_.GetIterator(1, "", true, true, true, true, true, true, true, true, true, true, 1, false);
  }

  test::ScratchFolder folder_;
  WFileStore store_;
};

TEST_F(CatalogRefreshTest, EmptyListChangesNothing) {
  WIntArray none(std::string(), 0);
  test::StatementTrace trace(store_.Database());
  const auto result = CatalogRefresh(store_, none).Run();
  EXPECT_EQ(result.checked, 0);
  EXPECT_EQ(trace.CountStartingWith("UPDATE"), 0);
}

TEST_F(CatalogRefreshTest, GoneFilesLoseTheirRowsChangedOnesAreRewritten) {
  const auto kept = Catalogue("kept.ged", "0 HEAD\n");
  const auto gone = Catalogue("gone.ged", "0 HEAD\n");
  const auto grown = Catalogue("grown.ged", "0 HEAD\n");
  CatalogRefresh(store_, *All()).Run();  // takes the dates from the disk
  std::filesystem::remove(folder_.Path("gone.ged"));
  folder_.WriteFile("grown.ged", "0 HEAD\n0 TRLR\n");
  const timeval later[2] = {{2000000000, 0}, {2000000000, 0}};
  utimes(folder_.Path("grown.ged").c_str(), later);
  const double keptUpdate = store_.GetFile(kept)->UpdateDate();

  const auto ids = All();
  const auto result = CatalogRefresh(store_, *ids).Run();
  EXPECT_EQ(result.checked, 3);
  EXPECT_EQ(result.removed, 1);
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(store_.FindFileID(folder_.Path("gone.ged")), 0);
  EXPECT_EQ(store_.GetFile(kept)->UpdateDate(), keptUpdate);
  const auto refreshed = store_.GetFile(grown);
  EXPECT_EQ(refreshed->Size(), 14);
  EXPECT_GT(refreshed->Modified(), 47000.0);
  EXPECT_EQ(gone, store_.GetFile(gone)->FileID());
}

// Only a file that is known to be gone loses its row: one that cannot be looked at now (here a
// name too long for the system; likewise no permission or a dropped network drive) keeps it, and
// so does one whose folder is gone from an empty folder, a mount point whose drive is away.
TEST_F(CatalogRefreshTest, UnreachableFileKeepsItsRow) {
  const std::string tooLong = folder_.Path(std::string(5000, 'x') + ".ged");
  const auto unreachable = test::AddRow(store_, tooLong, FileKind::kGedcom);
  const auto gone = test::AddRow(store_, folder_.Path("no/such/folder.ged"), FileKind::kGedcom);
  const std::string away = folder_.MakeFolder("usb") + "/trees/a.ged";
  test::AddRow(store_, away, FileKind::kGedcom, 0, 0, true);
  const auto result = CatalogRefresh(store_, *All()).Run();
  EXPECT_EQ(result.removed, 1);
  EXPECT_NE(store_.FindFileID(tooLong), 0);
  EXPECT_NE(store_.FindFileID(away), 0);
  EXPECT_EQ(store_.FindFileID(folder_.Path("no/such/folder.ged")), 0);
  EXPECT_NE(unreachable, gone);
}

TEST_F(CatalogRefreshTest, CancelStopsWithinTwentyFilesAndKeepsTheWorkDone) {
  for (int i = 0; i < 100; ++i) Catalogue("f" + std::to_string(100 + i) + ".ged", "x");
  for (int i = 0; i < 100; ++i) std::filesystem::remove(folder_.Path("f" + std::to_string(100 + i) + ".ged"));
  const auto ids = All();
  CatalogRefresh refresh(store_, *ids);
  platform::SetProcessEventsHook([&] {
    if (refresh.Done() >= 50) refresh.Cancel();
  });
  const auto result = refresh.Run();
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.removed, 59);
  EXPECT_EQ(store_.CountByKind(FileKind::kGedcom), 41);
  EXPECT_NE(sqlite3_get_autocommit(store_.Database()), 0);
}

}  // namespace
}  // namespace kinshelf
