// The catalog search on a tree that holds every kind and every trap: what it records, what it
// leaves out, what a second search keeps, and what a cancelled search must not delete.
#include "catalog/CatalogSearch.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>

#include "catalog/FileKinds.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/ListingFilter.h"
#include "catalog/store/WFileStore.h"
#include "fileaccess/WIntArray.h"
#include "platform/FileIo.h"
#include "platform/ProcessEvents.h"
#include "settings/WOptions.h"
#include "support/CatalogTestSupport.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

const std::string kJet = std::string("\x00\x01\x00\x00", 4) + "Standard Jet DB" + std::string(40, '\0');

class CatalogSearchTest : public testing::Test {
 protected:
  CatalogSearchTest()
      : store_(folder_.Path("Catalog")), exclusions_(MakeExclusionFile()), root_(folder_.MakeFolder("tree")) {
    options_.Open(folder_.Path("Kinshelf.ini"));
    options_.Load(WOptions::kCatalogKind);
  }
  ~CatalogSearchTest() override { platform::SetProcessEventsHook({}); }

  std::string MakeExclusionFile() {
    const std::string file = folder_.Path("Exclude.xml");
    WFileExcludeList::EnsureFileExists(file);
    return file;
  }
  std::string Put(const std::string& relative, const std::string& content = "0 HEAD\n") {
    return folder_.WriteFile("tree/" + relative, content);
  }
  CatalogSearch::Result Search(bool keep = false) {
    CatalogSearch search(store_, options_, exclusions_);
    search.keepExisting = keep;
    return search.Run({root_});
  }
  // Every catalogued path below the tree, with its row.
  std::map<std::string, std::unique_ptr<WFileStoreFile>> Rows() {
    std::map<std::string, std::unique_ptr<WFileStoreFile>> rows;
    const auto ids =
        store_.GetIterator(1, "", true, true, true, true, true, true, true, true, true, true, 1, false);
    for (std::int32_t i = 1; i <= ids->Count(); ++i) {
      auto record = store_.GetFile(ids->GetValue(i));
      rows.emplace(record->FullPath().substr(root_.size() + 1), std::move(record));
    }
    return rows;
  }
  std::set<std::string> Paths() {
    std::set<std::string> paths;
    for (const auto& [path, row] : Rows()) paths.insert(path);
    return paths;
  }

  test::ScratchFolder folder_;
  WFileStore store_;
  WOptions options_;
  WFileExcludeList exclusions_;
  std::string root_;
};

TEST_F(CatalogSearchTest, RecordsExactlyTheGenealogyFilesAndLeavesTheTrapsOut) {
  // Every kind, extensions in both cases.
  Put("kinds/tree.ged");
  Put("kinds/tree.GED");
  Put("kinds/a.paf");
  Put("kinds/b.rmg");
  Put("kinds/c.RMGC");
  Put("kinds/d.ftw");
  Put("kinds/e.fbk");
  Put("kinds/f.ftm");
  Put("kinds/g.ftmb");
  Put("kinds/h.aq");
  Put("kinds/i.zed");
  Put("kinds/j.pjc");
  Put("kinds/legacy.fdb", kJet);
  Put("kinds/family.gdb", kJet);
  Put("kinds/geodb.gdb", kJet);
  // Files that only look like genealogy files.
  Put("traps/firebird.fdb", "not a Jet database, but long enough");
  Put("traps/short.fdb", kJet.substr(0, 16));
  Put("traps/GeoDB.gdb", kJet);
  Put("traps/tree.ged.bak");
  Put("traps/ged");
  Put("traps/.hidden.ged");
  Put(".hiddenfolder/inside.ged");
  Put("deep/$Recycle.Bin/deleted.ged");
  Put("excluded/all/x.ged");
  Put("excluded/all/below/y.ged");
  Put("excluded/own/z.ged");
  Put("excluded/own/below/kept.ged");
  Put("excluded2/kept.ged");
  Put("files/excluded.ged");
  // Awkward names.
  Put("names/it's, a \"family\" tree.ged");
  Put("names/Família Åström.ged");
  Put(std::string("names/bad\xff\xfe name.ged"));
  // Links are not followed and never recorded twice.
  std::filesystem::create_directory_symlink(root_, root_ + "/loop");
  std::filesystem::create_symlink(root_ + "/kinds/tree.ged", root_ + "/names/link.ged");
  exclusions_.AddFolder(root_ + "/excluded/all", true);
  exclusions_.AddFolder(root_ + "/excluded/own/", false);
  exclusions_.AddFile(root_ + "/FILES/EXCLUDED.GED");

  const auto result = Search();
  EXPECT_EQ(Paths(), (std::set<std::string>{"kinds/tree.ged",
                                            "kinds/tree.GED",
                                            "kinds/a.paf",
                                            "kinds/b.rmg",
                                            "kinds/c.RMGC",
                                            "kinds/d.ftw",
                                            "kinds/e.fbk",
                                            "kinds/f.ftm",
                                            "kinds/g.ftmb",
                                            "kinds/h.aq",
                                            "kinds/i.zed",
                                            "kinds/j.pjc",
                                            "kinds/legacy.fdb",
                                            "kinds/family.gdb",
                                            "kinds/geodb.gdb",
                                            "excluded/own/below/kept.ged",
                                            "excluded2/kept.ged",
                                            "names/it's, a \"family\" tree.ged",
                                            "names/Família Åström.ged",
                                            std::string("names/bad\xff\xfe name.ged")}));
  EXPECT_EQ(result.found, 20);
  EXPECT_EQ(result.added, 20);
  EXPECT_EQ(result.Found(FileKind::kGedcom), 7);
  EXPECT_EQ(result.Found(FileKind::kFamilyTreeMaker), 4);
  EXPECT_EQ(result.Found(FileKind::kGenbox), 2);
  EXPECT_FALSE(result.cancelled);
  const auto rows = Rows();
  EXPECT_EQ(rows.at("kinds/legacy.fdb")->Kind(), FileKind::kLegacy);
  EXPECT_EQ(rows.at("kinds/legacy.fdb")->Size(), static_cast<std::int64_t>(kJet.size()));
  EXPECT_EQ(rows.at("kinds/c.RMGC")->Kind(), FileKind::kRootsMagic);
}

TEST_F(CatalogSearchTest, SizesAndDatesComeFromTheDisk) {
  const auto sparse = Put("big/huge.ged", "");
  ASSERT_TRUE(platform::ResizeFile(platform::OpenExistingFile(sparse, true).Get(), (5LL << 30) + 3));
  const auto small = Put("small.paf", "12345");
  const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};  // 2001-09-09 01:46:40 UTC
  utimensat(AT_FDCWD, small.c_str(), times, 0);
  Search();
  const auto rows = Rows();
  EXPECT_EQ(rows.at("big/huge.ged")->Size(), (5LL << 30) + 3);
  EXPECT_EQ(rows.at("small.paf")->Size(), 5);
  EXPECT_DOUBLE_EQ(rows.at("small.paf")->Modified(), 37143.0 + (1 * 3600 + 46 * 60 + 40) / 86400.0);
}

// The walk reads folders relative to their parents, so it reaches files whose full path is longer
// than the system takes in one call; their rows must still hold the right name, folder and size.
TEST_F(CatalogSearchTest, FileBelowTheFullPathLimitIsRecordedWhole) {
  std::string relative;
  int fd = ::open(root_.c_str(), O_RDONLY | O_DIRECTORY);
  for (int level = 0; level < 24; ++level) {
    const std::string name(200, static_cast<char>('a' + level));
    ASSERT_EQ(::mkdirat(fd, name.c_str(), 0755), 0);
    const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    fd = next;
    relative += name + "/";
  }
  const int file = ::openat(fd, "deep.ged", O_WRONLY | O_CREAT, 0644);
  ASSERT_EQ(::write(file, "0 HEAD\n", 7), 7);
  ::close(file);
  ::close(fd);
  Search();
  Search();
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.begin()->first, relative + "deep.ged");
  EXPECT_EQ(rows.begin()->second->Size(), 7);
}

TEST_F(CatalogSearchTest, SecondSearchKeepsIdsAndBookmarks) {
  Put("a.ged");
  Put("b.ged");
  Search();
  auto rows = Rows();
  const auto id = rows.at("a.ged")->FileID();
  rows.at("a.ged")->SetBookmark(true);
  rows.at("a.ged")->SaveToStore();
  const auto again = Search();
  EXPECT_EQ(again.added, 0);
  EXPECT_EQ(again.updated, 0);
  EXPECT_EQ(again.unchanged, 2);
  rows = Rows();
  EXPECT_EQ(rows.at("a.ged")->FileID(), id);
  EXPECT_TRUE(rows.at("a.ged")->Bookmark());
  EXPECT_GT(rows.at("a.ged")->UpdateDate(), 0.0);
}

TEST_F(CatalogSearchTest, DeletedFilesGoUnlessTheCatalogIsKept) {
  Put("a.ged");
  const auto gone = Put("b.ged");
  Search();
  std::filesystem::remove(gone);
  EXPECT_EQ(Search(true).removed, 0);
  EXPECT_EQ(Paths(), (std::set<std::string>{"a.ged", "b.ged"}));
  EXPECT_EQ(Search(false).removed, 1);
  EXPECT_EQ(Paths(), (std::set<std::string>{"a.ged"}));
}

TEST_F(CatalogSearchTest, CancelledSearchKeepsEveryRowItHadNotReached) {
  for (int i = 0; i < 30; ++i) Put("f" + std::to_string(i) + "/x.ged");
  Search();
  auto bookmarked = std::move(Rows().at("f29/x.ged"));
  bookmarked->SetBookmark(true);
  bookmarked->SaveToStore();
  CatalogSearch search(store_, options_, exclusions_);
  int folders = 0;
  platform::SetProcessEventsHook([&] {
    if (++folders == 5) search.Cancel();
  });
  const auto result = search.Run({root_});
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.removed, 0);
  EXPECT_LT(result.found, 30);
  EXPECT_EQ(Paths().size(), 30u);
  EXPECT_TRUE(Rows().at("f29/x.ged")->Bookmark());
  EXPECT_NE(sqlite3_get_autocommit(store_.Database()), 0);
}

TEST_F(CatalogSearchTest, WholeSearchIsOneTransaction) {
  for (int i = 0; i < 5; ++i) Put("f" + std::to_string(i) + ".ged");
  test::StatementTrace trace(store_.Database());
  Search();
  EXPECT_EQ(trace.CountStartingWith("BEGIN"), 1);
  EXPECT_EQ(trace.CountStartingWith("COMMIT"), 1);
}

TEST_F(CatalogSearchTest, RunChangesNoSettingAndSaveChoicesStoresThem) {
  CatalogSearch search(store_, options_, exclusions_);
  search.kinds = KindSet();
  search.kinds[FileKind::kGedcom] = true;
  search.keepExisting = true;
  Put("a.ged");
  Put("b.paf");
  const std::string second = folder_.MakeFolder("other, folder");
  search.Run({root_, second});
  EXPECT_EQ(Paths(), (std::set<std::string>{"a.ged"}));
  const auto reload = [this] {
    auto reloaded = std::make_unique<WOptions>();
    reloaded->Open(folder_.Path("Kinshelf.ini"));
    reloaded->Load(WOptions::kCatalogKind);
    return reloaded;
  };
  EXPECT_EQ(reload()->GetString(opt::searchdrives), "");
  EXPECT_TRUE(reload()->GetBool(opt::SearchFTPAF));
  CatalogSearch::SaveChoices(options_, {{root_, second}, search.kinds, search.keepExisting});
  const auto reloaded = reload();
  EXPECT_EQ(reloaded->GetString(opt::searchdrives), root_ + "," + folder_.Path("other\\, folder"));
  EXPECT_FALSE(reloaded->GetBool(opt::SearchFTPAF));
  EXPECT_TRUE(reloaded->GetBool(opt::SearchFTGED));
  EXPECT_TRUE(reloaded->GetBool(opt::FileSKeep));
}

TEST(CatalogSearchRootsTest, RootsInsideOthersAreSearchedOnce) {
  using Roots = std::vector<std::string>;
  EXPECT_EQ(CatalogSearch::DistinctRoots({"/a", "/a/b", "/a/"}), Roots{"/a"});
  EXPECT_EQ(CatalogSearch::DistinctRoots({"/a/b", "/a"}), Roots{"/a"});
  EXPECT_EQ(CatalogSearch::DistinctRoots({"/ab", "/a", "/"}), Roots{"/"});
  EXPECT_EQ(CatalogSearch::DistinctRoots({"/ab", "/a"}), (Roots{"/ab", "/a"}));
  // A folder named through a link is the folder it leads to.
  test::ScratchFolder scratch;
  const std::string files = scratch.MakeFolder("files/sub");
  std::filesystem::create_directory_symlink(scratch.Path("files"), scratch.Path("link"));
  std::filesystem::create_directory_symlink(files, scratch.Path("sublink"));
  EXPECT_EQ(
      CatalogSearch::DistinctRoots({scratch.Path("files"), scratch.Path("link"), scratch.Path("sublink")}),
      Roots{scratch.Path("files")});
  EXPECT_EQ(CatalogSearch::DistinctRoots({scratch.Path("sublink"), scratch.Path("files")}),
            Roots{scratch.Path("files")});
}

// What the sweep removes: the rows of gone files of the kinds searched, in the folders searched.
struct SweepCase {
  const char* name;
  std::vector<std::string> roots;  // below the tree; "" is the tree itself
  std::vector<FileKind> kinds;     // empty for every kind
  bool keep;
  std::set<std::string> removed;
};

class CatalogSweepTest : public CatalogSearchTest, public testing::WithParamInterface<SweepCase> {
 protected:
  // Rows of a file that exists and of files that are gone, in and out of the searched folders, by
  // label; the files in "b" are bookmarked.
  std::map<std::string, std::string> CatalogueTheTree() {
    folder_.MakeFolder("tree/b");
    folder_.MakeFolder("tree/.hidden");
    folder_.MakeFolder("elsewhere");
    const std::map<std::string, std::string> rows{{"a/x.ged", Put("a/x.ged")},
                                                  {"a/gone.ged", root_ + "/a/gone.ged"},
                                                  {"b/gone.ged", root_ + "/b/gone.ged"},
                                                  {"b/gone.paf", root_ + "/b/gone.paf"},
                                                  {".hidden/gone.ged", root_ + "/.hidden/gone.ged"},
                                                  {"elsewhere/gone.ged", folder_.Path("elsewhere/gone.ged")},
                                                  {"drive/gone.ged", "/no-such-drive/gone.ged"}};
    for (const auto& [label, path] : rows) {
      const FileKind kind = path.ends_with(".paf") ? FileKind::kPaf : FileKind::kGedcom;
      test::AddRow(store_, path, kind, 0, 0, label.starts_with("b/"));
    }
    return rows;
  }
  std::set<std::string> CataloguedPaths() {
    std::set<std::string> paths;
    const auto ids = store_.List(ListingFilter{});
    for (std::int32_t i = 1; i <= ids->Count(); ++i)
      paths.insert(store_.GetFile(ids->GetValue(i))->FullPath());
    return paths;
  }
};

TEST_P(CatalogSweepTest, RemovesOnlyWhatTheSearchCouldHaveFound) {
  const SweepCase& row = GetParam();
  const auto before = CatalogueTheTree();
  CatalogSearch search(store_, options_, exclusions_);
  if (!row.kinds.empty()) {
    search.kinds = KindSet();
    for (const FileKind kind : row.kinds) search.kinds[kind] = true;
  }
  search.keepExisting = row.keep;
  std::vector<std::string> roots;
  for (const auto& root : row.roots) roots.push_back(root.empty() ? root_ : root_ + "/" + root);
  const auto result = search.Run(roots);
  std::set<std::string> expected;
  for (const auto& [label, path] : before) {
    if (row.removed.count(label) == 0) expected.insert(path);
  }
  EXPECT_EQ(CataloguedPaths(), expected);
  EXPECT_EQ(result.removed, static_cast<std::int64_t>(row.removed.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogSweepTest,
    testing::Values(
        SweepCase{"SubfolderLeavesTheRestAlone", {"a"}, {}, false, {"a/gone.ged"}},
        SweepCase{
            "WholeTreeLeavesHiddenAndOutside", {""}, {}, false, {"a/gone.ged", "b/gone.ged", "b/gone.paf"}},
        SweepCase{"KindsLimitTheSweep", {""}, {FileKind::kGedcom}, false, {"a/gone.ged", "b/gone.ged"}},
        SweepCase{"KeepRemovesNothing", {""}, {}, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CatalogSearchTest, UnreadableFolderIsPassedOver) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  Put("open/a.ged");
  const auto closed = folder_.MakeFolder("tree/closed");
  Put("closed/b.ged");
  chmod(closed.c_str(), 0);
  Search();
  EXPECT_EQ(Paths(), (std::set<std::string>{"open/a.ged"}));
}

// A folder that cannot be opened (here a named one that is gone; likewise no permission, or no
// descriptor left in a very deep tree) is counted, with the first one's reason, so that the search
// can say what it left out.
TEST_F(CatalogSearchTest, FoldersThatCannotBeOpenedAreCounted) {
  Put("open/a.ged");
  CatalogSearch search(store_, options_, exclusions_);
  const auto result = search.Run({root_, folder_.Path("gone")});
  EXPECT_EQ(result.found, 1);
  EXPECT_EQ(result.unreadFolders, 1);
  EXPECT_EQ(result.firstUnread, folder_.Path("gone") + "/: No such file or directory");
  EXPECT_EQ(Search().unreadFolders, 0);
}

TEST_F(CatalogSearchTest, MountedFileSystemInsideTheTreeIsNotEntered) {
  const auto mountPoint = folder_.MakeFolder("tree/mounted");
  if (mount("kinshelf-test", mountPoint.c_str(), "tmpfs", 0, "size=1m") != 0) {
    GTEST_SKIP() << "this test needs to mount a file system";
  }
  Put("mounted/inside.ged");
  Put("outside.ged");
  Search();
  umount(mountPoint.c_str());
  EXPECT_EQ(Paths(), (std::set<std::string>{"outside.ged"}));
}

}  // namespace
}  // namespace kinshelf
