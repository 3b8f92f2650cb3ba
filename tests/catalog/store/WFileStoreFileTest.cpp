// The record of one catalogued file: what it writes, when, and how it loads.
#include "catalog/store/WFileStoreFile.h"

#include <gtest/gtest.h>

#include "catalog/FileKinds.h"
#include "catalog/store/WFileStore.h"
#include "platform/FileIo.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

class WFileStoreFileTest : public testing::Test {
 protected:
  WFileStoreFileTest() : store_(folder_.Path("Catalog")) {}
  std::string File() const { return folder_.Path("Catalog.sdb"); }

  test::ScratchFolder folder_;
  WFileStore store_;
};

TEST_F(WFileStoreFileTest, NewRecordTakesItsPartsFromTheFile) {
  const auto path = folder_.WriteFile("sub/tree.GED", "0 HEAD\n");
  auto record = store_.NewFile(path, FileKind::kGedcom);
  EXPECT_EQ(record->FileID(), 0);
  EXPECT_EQ(record->Drive(), "/");
  EXPECT_EQ(record->Name(), "tree.GED");
  EXPECT_EQ(record->Size(), 7);
  EXPECT_EQ(record->Kind(), FileKind::kGedcom);
  EXPECT_EQ(record->FullPath(), path);
}

TEST_F(WFileStoreFileTest, MissingFileGivesAnEmptyRecordWithItsKind) {
  auto record = store_.NewFile(folder_.Path("none.ged"), FileKind::kGedcom);
  EXPECT_EQ(record->Name(), "");
  EXPECT_EQ(record->Size(), 0);
  EXPECT_EQ(record->Kind(), FileKind::kGedcom);
}

TEST_F(WFileStoreFileTest, NewRecordSavedTwiceIsInsertedOnce) {
  auto record = store_.NewFile(folder_.WriteFile("a.ged", "x"), FileKind::kGedcom);
  test::StatementTrace trace(store_.Database());
  record->SaveToStore();
  record->SaveToStore();
  EXPECT_EQ(trace.CountStartingWith("INSERT"), 1);
  EXPECT_EQ(trace.CountStartingWith("UPDATE"), 0);
  EXPECT_EQ(record->FileID(), 1);
  EXPECT_EQ(store_.GetFile(1)->UpdateDate(), 0.0);
}

TEST_F(WFileStoreFileTest, UnchangedValuesCauseNoUpdate) {
  const auto id = test::AddRow(store_, "/data/a.ged", FileKind::kGedcom, 10, 40000.5, true);
  auto record = store_.GetFile(id);
  record->SetName("a.ged");
  record->SetSize(10);
  record->SetModified(40000.5);
  record->SetBookmark(true);
  EXPECT_FALSE(record->Dirty());
  test::StatementTrace trace(store_.Database());
  record->SaveToStore();
  EXPECT_TRUE(trace.Statements().empty());
}

TEST_F(WFileStoreFileTest, ChangeRewritesTheRowAndStampsIt) {
  const auto id = test::AddRow(store_, "/data/a.ged", FileKind::kGedcom, 10, 40000.5);
  auto record = store_.GetFile(id);
  record->SetTmpFlag(1);
  EXPECT_TRUE(record->Dirty());
  record->SaveToStore();
  EXPECT_FALSE(record->Dirty());
  const auto loaded = store_.GetFile(id);
  EXPECT_EQ(loaded->TmpFlag(), 1);
  EXPECT_GT(loaded->UpdateDate(), 40000.0);
  EXPECT_EQ(loaded->FullPath(), "/data/a.ged");
  EXPECT_EQ(loaded->Ext(), "ged");
}

TEST_F(WFileStoreFileTest, BookmarkColumnOtherThanOneLoadsFalseAndIsWrittenAsZero) {
  const auto id = test::AddRow(store_, "/a.ged", FileKind::kGedcom);
  test::QueryFile(File(), "UPDATE Files SET Bookmark=2;");
  auto record = store_.GetFile(id);
  EXPECT_FALSE(record->Bookmark());
  record->SetTmpFlag(5);
  record->SaveToStore();
  EXPECT_EQ(test::QueryFile(File(), "SELECT Bookmark FROM Files;")[0][0], "0");
}

TEST_F(WFileStoreFileTest, SizesAboveFourGibibytesAreKeptWhole) {
  const auto path = folder_.WriteFile("big.ged", "");
  ASSERT_TRUE(platform::ResizeFile(platform::OpenExistingFile(path, true).Get(), 3LL << 30));
  auto record = store_.NewFile(path, FileKind::kGedcom);
  record->SaveToStore();
  EXPECT_EQ(store_.GetFile(record->FileID())->Size(), 3LL << 30);
}

TEST_F(WFileStoreFileTest, NameWithoutDotHasNoExtensionAndRootFilesHaveNoFolder) {
  const auto id = test::AddRow(store_, "/README", FileKind::kGedcom);
  const auto record = store_.GetFile(id);
  EXPECT_EQ(record->Ext(), "");
  EXPECT_EQ(record->Path(), "");
  EXPECT_EQ(record->FullPath(), "/README");
}

TEST_F(WFileStoreFileTest, MissingRowLoadsEmptyAndItsUpdateTouchesNothing) {
  auto record = store_.GetFile(42);
  EXPECT_EQ(record->FileID(), 42);
  EXPECT_EQ(record->Name(), "");
  record->SetName("x.ged");
  record->SaveToStore();
  EXPECT_TRUE(test::QueryFile(File(), "SELECT * FROM Files;").empty());
}

TEST_F(WFileStoreFileTest, ChecksumIsCarriedUnchanged) {
  const auto id = test::AddRow(store_, "/a.ged", FileKind::kGedcom);
  test::QueryFile(File(), "UPDATE Files SET crc32=4294967295;");
  auto record = store_.GetFile(id);
  EXPECT_EQ(record->Crc32(), 4294967295u);
  record->SetTmpFlag(3);
  record->SaveToStore();
  EXPECT_EQ(test::QueryFile(File(), "SELECT crc32 FROM Files;")[0][0], "4294967295");
}

TEST(FileKindsTest, DisplayNamesAndCommandNames) {
  EXPECT_EQ(WFileStoreFile::KindDisplayName(FileKind::kAncestralQuest), "Ancestral Quest");
  EXPECT_EQ(WFileStoreFile::KindDisplayName(FileKind::kGedcom), "Gedcom");
  EXPECT_EQ(WFileStoreFile::KindDisplayName(FileKind::kMasterGenealogist), "TMG");
  EXPECT_EQ(WFileStoreFile::KindDisplayName(FileKind::kUnknown), "");
  EXPECT_EQ(WFileStoreFile::KindDisplayName(static_cast<FileKind>(10)), "");
  // Every code 1..9 appears exactly once in the table.
  KindSet seen{};
  for (const auto& info : kFileKinds) {
    EXPECT_FALSE(seen[info.kind]) << KindCode(info.kind);
    seen[info.kind] = true;
    EXPECT_EQ(FindKindByCommandName(info.commandName), &info);
  }
  EXPECT_EQ(seen, KindSet::All());
  EXPECT_EQ(FindKindByCommandName("GEDCOM")->kind, FileKind::kGedcom);
  EXPECT_EQ(FindKindByCommandName("gedcomx"), nullptr);
}

}  // namespace
}  // namespace kinshelf
