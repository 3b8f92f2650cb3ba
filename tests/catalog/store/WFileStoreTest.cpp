// The catalog store: creation, upgrade, refusal of newer files, lookups, deletions, mark and sweep,
// transactions and the record cache.
#include "catalog/store/WFileStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "catalog/FileKinds.h"
#include "catalog/store/CatalogSchema.h"
#include "catalog/store/WFileStoreError.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

using test::QueryFile;

class WFileStoreTest : public testing::Test {
 protected:
  std::string Base() const { return folder_.Path("Catalog"); }
  std::string File() const { return Base() + ".sdb"; }

  // A catalog as an older program wrote it: Files without the columns added since.
  void MakeOldCatalog(const char* version, bool withTmpFlag) const {
    std::string sql =
        "CREATE TABLE General (keyStr Text PRIMARY KEY NOT NULL UNIQUE COLLATE NOCASE, ValueStr Text COLLATE "
        "NOCASE);"
        "CREATE TABLE Files (FileID integer PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, Type integer DEFAULT "
        "0,"
        " Drive text COLLATE NOCASE, Name text COLLATE NOCASE, Path text COLLATE NOCASE, Size integer "
        "DEFAULT 0,"
        " Inds integer DEFAULT 0, Fams integer DEFAULT 0, Bookmark integer DEFAULT 0, FCreate float (10,10),"
        " FLastMod float (10,10), UpdateDate float (10,10));"
        "INSERT INTO Files (Type, Drive, Name, Path, Bookmark) VALUES (3, '/', 'old.ged', 'data', 1);";
    if (withTmpFlag)
      sql +=
          "ALTER TABLE Files ADD COLUMN TmpFlag integer DEFAULT 0;"
          "ALTER TABLE Files ADD COLUMN FileVer text COLLATE NOCASE;";
    if (version != nullptr) sql += std::string("INSERT INTO General VALUES ('Version', '") + version + "');";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }

  std::vector<std::string> FilesColumns() const {
    std::vector<std::string> names;
    for (const auto& row : QueryFile(File(), "PRAGMA table_info(Files);")) names.push_back(row[1]);
    return names;
  }

  test::ScratchFolder folder_;
};

TEST_F(WFileStoreTest, FirstUseCreatesTheExactSchema) {
  { WFileStore store(Base()); }
  const auto objects = QueryFile(
      File(), "SELECT type, name, sql FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY rowid;");
  ASSERT_EQ(objects.size(), 7u);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    std::string expected(schema::kCreateStatements[i]);
    expected.pop_back();  // the stored text has no closing semicolon
    EXPECT_EQ(objects[i][2], expected);
  }
  EXPECT_EQ(objects[0][1], "General");
  EXPECT_EQ(objects[3][1], "Files");
  EXPECT_EQ(FilesColumns(), (std::vector<std::string>{"FileID", "Type", "FileVer", "Drive", "Name", "Path",
                                                      "Size", "Inds", "Fams", "TmpFlag", "Bookmark", "crc32",
                                                      "FCreate", "FLastMod", "UpdateDate"}));
  EXPECT_EQ(QueryFile(File(), "SELECT keyStr, ValueStr FROM General;"),
            (std::vector<std::vector<std::string>>{{"Version", "2.003"}}));
}

TEST_F(WFileStoreTest, SecondOpenChangesNothing) {
  { WFileStore store(Base()); }
  const std::string before = test::ReadFile(File());
  {
    WFileStore store(Base());
    test::StatementTrace trace(store.Database());
    EXPECT_EQ(store.CountByKind(FileKind::kGedcom), 0);
    EXPECT_EQ(trace.CountStartingWith("ALTER"), 0);
  }
  EXPECT_EQ(test::ReadFile(File()), before);
}

TEST_F(WFileStoreTest, CatalogWithoutVersionGetsEveryNewColumn) {
  MakeOldCatalog(nullptr, false);
  {
    WFileStore store(Base());
    EXPECT_EQ(store.GetValue("Version"), "2.003");
    auto record = store.GetFile(1);
    EXPECT_EQ(record->Name(), "old.ged");
    EXPECT_TRUE(record->Bookmark());
  }
  const auto columns = FilesColumns();
  EXPECT_EQ(std::vector<std::string>(columns.end() - 3, columns.end()),
            (std::vector<std::string>{"TmpFlag", "FileVer", "crc32"}));
}

TEST_F(WFileStoreTest, Version2002GetsOnlyTheChecksum) {
  MakeOldCatalog("2.002", true);
  { WFileStore store(Base()); }
  EXPECT_EQ(FilesColumns().back(), "crc32");
  EXPECT_EQ(QueryFile(File(), "SELECT ValueStr FROM General WHERE keyStr='Version';")[0][0], "2.003");
}

TEST_F(WFileStoreTest, SameVersionWrittenDifferentlyIsOnlyRewritten) {
  { WFileStore store(Base()); }
  QueryFile(File(), "UPDATE General SET ValueStr='2.0030' WHERE keyStr='Version';");
  WFileStore store(Base());
  EXPECT_EQ(store.GetValue("Version"), "2.003");
}

TEST_F(WFileStoreTest, NewerOrUnreadableVersionIsRefusedAndLeftUntouched) {
  for (const char* version : {"2.004", "3", "abc", "2.003x"}) {
    std::filesystem::remove(File());
    MakeOldCatalog(version, true);
    const std::string before = test::ReadFile(File());
    try {
      WFileStore store(Base());
      ADD_FAILURE() << "version " << version << " was accepted";
    } catch (const WFileStoreError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(File()), std::string::npos) << message;
      EXPECT_NE(message.find(version), std::string::npos) << message;
    }
    EXPECT_EQ(test::ReadFile(File()), before) << version;
  }
}

TEST_F(WFileStoreTest, NotADatabaseNamesTheFile) {
  folder_.WriteFile("Catalog.sdb", std::string(4096, 'x'));
  try {
    WFileStore store(Base());
    FAIL() << "a text file opened as a catalog";
  } catch (const WFileStoreError& error) {
    EXPECT_NE(std::string(error.what()).find(File()), std::string::npos) << error.what();
  }
}

TEST_F(WFileStoreTest, CannotCreateInAMissingFolder) {
  EXPECT_THROW(WFileStore(folder_.Path("missing/Catalog")), WFileStoreError);
}

TEST_F(WFileStoreTest, FindFileIdComparesPathsByteForByte) {
  WFileStore store(Base());
  const auto lower = test::AddRow(store, "/data/Família/tree.ged", FileKind::kGedcom);
  const auto upper = test::AddRow(store, "/data/Família/TREE.ged", FileKind::kGedcom);
  EXPECT_NE(lower, upper);
  EXPECT_EQ(store.FindFileID("/data/Família/tree.ged"), lower);
  EXPECT_EQ(store.FindFileID("/data/Família/TREE.ged"), upper);
  EXPECT_EQ(store.FindFileID("/DATA/Família/tree.ged"), 0);
  EXPECT_EQ(store.FindFileID("/data/tree.ged"), 0);
}

TEST_F(WFileStoreTest, DeleteFolderRowsTakesTheFolderAndBelowOnly) {
  WFileStore store(Base());
  for (const char* path : {"/data/a.ged", "/data/sub/b.ged", "/data2/c.ged", "/datasub/d.ged", "/e.ged",
                           "/it's \"q\"/f.ged", "/it's \"q\"x/g.ged", "/50%_off/h.ged", "/50xxoff/i.ged"}) {
    test::AddRow(store, path, FileKind::kGedcom);
  }
  const auto remaining = [&] {
    std::vector<std::string> names;
    for (const auto& row : QueryFile(File(), "SELECT Name FROM Files ORDER BY Name;"))
      names.push_back(row[0]);
    return names;
  };
  store.DeleteFolderRows("/data");
  EXPECT_EQ(remaining(),
            (std::vector<std::string>{"c.ged", "d.ged", "e.ged", "f.ged", "g.ged", "h.ged", "i.ged"}));
  store.DeleteFolderRows("/it's \"q\"/");
  store.DeleteFolderRows("/50%_off");
  EXPECT_EQ(remaining(), (std::vector<std::string>{"c.ged", "d.ged", "e.ged", "g.ged", "i.ged"}));
  store.DeleteFolderRows("/");
  EXPECT_TRUE(remaining().empty());
}

TEST_F(WFileStoreTest, MarkAndSweepRemovesRowsNotSeen) {
  WFileStore store(Base());
  const auto seen = test::AddRow(store, "/a.ged", FileKind::kGedcom);
  test::AddRow(store, "/b.ged", FileKind::kGedcom);
  QueryFile(File(), "UPDATE Files SET TmpFlag=1;");
  store.ResetTmpFlag(0);
  auto record = store.GetFile(seen);
  record->SetTmpFlag(1);
  record->SaveToStore();
  store.DeleteByTmpFlag(0);
  EXPECT_EQ(QueryFile(File(), "SELECT Name FROM Files;"), (std::vector<std::vector<std::string>>{{"a.ged"}}));
}

TEST_F(WFileStoreTest, CountByKindAndKeyValues) {
  WFileStore store(Base());
  test::AddRow(store, "/a.ged", FileKind::kGedcom);
  test::AddRow(store, "/b.ged", FileKind::kGedcom);
  test::AddRow(store, "/c.paf", FileKind::kPaf);
  EXPECT_EQ(store.CountByKind(FileKind::kGedcom), 2);
  EXPECT_EQ(store.CountByKind(FileKind::kPaf), 1);
  EXPECT_EQ(store.CountByKind(FileKind::kGenbox), 0);
  EXPECT_FALSE(store.KeyExists("Other"));
  EXPECT_EQ(store.GetValue("Other"), "");
  store.SetValue("Other", "it's");
  store.SetValue("OTHER", "x");
  EXPECT_TRUE(store.KeyExists("other"));
  EXPECT_EQ(store.GetValue("Other"), "x");
}

TEST_F(WFileStoreTest, TransactionsNestByCounting) {
  WFileStore store(Base());
  test::StatementTrace trace(store.Database());
  store.CommitTransaction();
  store.BeginTransaction();
  store.BeginTransaction();
  store.CommitTransaction();
  EXPECT_EQ(sqlite3_get_autocommit(store.Database()), 0);
  store.CommitTransaction();
  EXPECT_NE(sqlite3_get_autocommit(store.Database()), 0);
  EXPECT_EQ(trace.Statements(),
            (std::vector<std::string>{"BEGIN DEFERRED TRANSACTION;", "COMMIT TRANSACTION;"}));
}

TEST_F(WFileStoreTest, AnEmptyCatalogFileIsANewCatalogAndCreationLeavesNothingBeside) {
  folder_.WriteFile("Catalog.sdb", "");
  { WFileStore store(Base()); }
  EXPECT_EQ(QueryFile(File(), "SELECT ValueStr FROM General WHERE KeyStr='Version';"),
            (std::vector<std::vector<std::string>>{{"2.003"}}));
  EXPECT_FALSE(std::filesystem::exists(File() + ".new"));
}

// A catalog path that holds something else is refused with one line naming it, and left as it was.
struct BrokenCatalogCase {
  const char* name;
  std::string bytes;  // written as the catalog; "folder" makes a folder there instead
  const char* says;
};

class BrokenCatalogTest : public WFileStoreTest, public testing::WithParamInterface<BrokenCatalogCase> {};

TEST_P(BrokenCatalogTest, IsRefusedByNameAndLeftUnchanged) {
  const BrokenCatalogCase& row = GetParam();
  if (row.bytes == "folder") {
    folder_.MakeFolder("Catalog.sdb");
  } else if (row.bytes == "other schema") {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE Notes (x);", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  } else {
    folder_.WriteFile("Catalog.sdb", row.bytes);
  }
  const std::string before = std::filesystem::is_regular_file(File()) ? test::ReadFile(File()) : "";
  try {
    WFileStore store(Base());
    ADD_FAILURE() << "opened";
  } catch (const WFileStoreError& error) {
    const std::string message = error.what();
    EXPECT_EQ(message.rfind(File(), 0), 0u) << message;
    EXPECT_NE(message.find(row.says), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos);
  }
  if (std::filesystem::is_regular_file(File())) {
    EXPECT_EQ(test::ReadFile(File()), before);
  }
  EXPECT_FALSE(std::filesystem::exists(File() + "-wal"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BrokenCatalogTest,
    testing::Values(BrokenCatalogCase{"Folder", "folder", "is a folder, not a catalog"},
                    BrokenCatalogCase{"NotSqlite", std::string(4096, 'x'), "is not a Kinshelf catalog"},
                    BrokenCatalogCase{"NulFirst", std::string(1, '\0') + std::string(600, 'y'),
                                      "is not a Kinshelf catalog"},
                    BrokenCatalogCase{"OtherSchema", "other schema", "has no General and Files tables"}),
    [](const auto& info) { return std::string(info.param.name); });

// A catalog that cannot be opened for another reason (here its log's name is taken by a folder;
// likewise a folder that cannot be written or a full disk) is not called a foreign file.
TEST_F(WFileStoreTest, ACatalogThatCannotBeOpenedIsNotCalledForeign) {
  { WFileStore made(Base()); }
  folder_.MakeFolder("Catalog.sdb-wal");
  try {
    WFileStore store(Base());
    ADD_FAILURE() << "opened";
  } catch (const WFileStoreError& error) {
    const std::string message = error.what();
    EXPECT_EQ(message.rfind(File() + ": ", 0), 0u) << message;
    EXPECT_EQ(message.find("not a Kinshelf catalog"), std::string::npos) << message;
  }
}

TEST_F(WFileStoreTest, ReadersGoOnWhileAnotherWritesAndAWriterIsToldWhoHoldsIt) {
  WFileStore store(Base());
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(File().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; DELETE FROM General WHERE KeyStr='x';", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  EXPECT_EQ(store.CountByKind(FileKind::kGedcom), 0);
  try {
    store.SetValue("key", "value");
    ADD_FAILURE() << "a catalog another process writes was written";
  } catch (const WFileStoreError& error) {
    EXPECT_EQ(std::string(error.what()),
              File() + ": another Kinshelf process is changing the catalog; try again when it has finished");
  }
  // Released while the store is still retrying: the statement then succeeds.
  std::thread release([other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    sqlite3_exec(other, "COMMIT;", nullptr, nullptr, nullptr);
  });
  store.SetValue("key", "value");
  release.join();
  sqlite3_close(other);
  EXPECT_EQ(store.GetValue("key"), "value");
}

// Stores opened together where there is no catalog yet, as processes started together on a first
// use: each opens the one catalog, and what each writes is kept.
TEST_F(WFileStoreTest, StoresOpenedTogetherOnFirstUseShareOneCatalog) {
  constexpr int kStores = 6;
  for (int round = 0; round < 10; ++round) {
    const std::string base = folder_.MakeFolder("round" + std::to_string(round)) + "/Catalog";
    std::vector<std::string> failures(kStores);
    std::vector<std::thread> starts;
    for (int k = 0; k < kStores; ++k) {
      starts.emplace_back([&base, &failures, k] {
        try {
          WFileStore store(base);
          store.SetValue("key" + std::to_string(k), "written");
        } catch (const WFileStoreError& error) {
          failures[static_cast<std::size_t>(k)] = error.what();
        }
      });
    }
    for (std::thread& start : starts) start.join();
    WFileStore after(base);
    for (int k = 0; k < kStores; ++k) {
      EXPECT_EQ(failures[static_cast<std::size_t>(k)], "") << round;
      EXPECT_EQ(after.GetValue("key" + std::to_string(k)), "written") << round << " " << k;
    }
  }
}

// Another process holding the catalog locked, as one does for a moment when it ends: a start waits
// for it; one it keeps out is told who holds the catalog, not that the file is no catalog.
TEST_F(WFileStoreTest, AStartWaitsForAnotherProcessHoldingTheCatalog) {
  { WFileStore created(Base()); }
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(File().c_str(), &other), SQLITE_OK);
  const auto hold = [other] {
    ASSERT_EQ(
        sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr),
        SQLITE_OK);
  };
  hold();
  try {
    WFileStore kept(Base());
    ADD_FAILURE() << "a catalog another process holds was opened";
  } catch (const WFileStoreError& error) {
    EXPECT_EQ(std::string(error.what()),
              File() + ": another Kinshelf process is changing the catalog; try again when it has finished");
  }
  // Let go while the next start waits.
  std::thread release([other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    sqlite3_close(other);
  });
  std::string failure;
  try {
    WFileStore waited(Base());
    EXPECT_EQ(waited.GetValue("Version"), std::string(WFileStore::kVersion));
  } catch (const WFileStoreError& error) {
    failure = error.what();
  }
  release.join();
  EXPECT_EQ(failure, "");
}

// Another program reading the catalog must neither lose the writer's work nor hold its commit up.
TEST_F(WFileStoreTest, CommitsWhileAnotherProgramReads) {
  WFileStore store(Base());
  sqlite3* reader = nullptr;
  ASSERT_EQ(sqlite3_open(File().c_str(), &reader), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM Files;", nullptr, nullptr, nullptr), SQLITE_OK);
  store.BeginTransaction();
  test::AddRow(store, "/kept.ged", FileKind::kGedcom);
  store.CommitTransaction();
  EXPECT_NE(sqlite3_get_autocommit(store.Database()), 0);
  sqlite3_exec(reader, "COMMIT;", nullptr, nullptr, nullptr);
  sqlite3_close(reader);
  WFileStore again(Base());
  EXPECT_NE(again.FindFileID("/kept.ged"), 0);
}

TEST_F(WFileStoreTest, CachedRecordIsKeptUntilAnotherIdOrAnUncachedLoad) {
  WFileStore store(Base());
  const auto a = test::AddRow(store, "/a.ged", FileKind::kGedcom);
  const auto b = test::AddRow(store, "/b.ged", FileKind::kGedcom);
  WFileStoreFile* first = &store.GetCachedFile(a);
  {
    test::StatementTrace trace(store.Database());
    EXPECT_EQ(&store.GetCachedFile(a), first);
    EXPECT_TRUE(trace.Statements().empty());
  }
  EXPECT_EQ(store.GetCachedFile(b).Name(), "b.ged");
  EXPECT_EQ(store.GetCachedFile(a).Name(), "a.ged");
  store.GetFile(b);
  test::StatementTrace trace(store.Database());
  EXPECT_EQ(store.GetCachedFile(a).Name(), "a.ged");
  EXPECT_EQ(trace.Statements().size(), 1u);
}

}  // namespace
}  // namespace kinshelf
