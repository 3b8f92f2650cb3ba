// Which folders and files the exclusion entries leave out: a table of rows, one per rule.
#include "catalog/exclusions/ExcludeMatcher.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kinshelf {
namespace {

WFileExcludeItem Folder(std::string path, bool sub) {
  return {true, std::move(path), sub};
}
WFileExcludeItem File(std::string path) {
  return {false, std::move(path), false};
}

struct FolderCase {
  const char* label;
  std::vector<WFileExcludeItem> items;
  std::string folder;
  bool excluded;
  bool sub;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FolderCase& row, std::ostream* out) {
  *out << row.label;
}

class MatchExcludedFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(MatchExcludedFolderTest, DecidesTheFolder) {
  const auto& row = GetParam();
  EXPECT_EQ(MatchExcludedFolder(row.items, row.folder), (FolderExclusion{row.excluded, row.sub}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MatchExcludedFolderTest,
    testing::Values(
        FolderCase{"EmptyListExcludesNothing", {}, "/data", false, false},
        FolderCase{"SubEntryMatchesItself", {Folder("/data", true)}, "/data", true, true},
        FolderCase{"SubEntryMatchesFoldersBelow", {Folder("/data", true)}, "/data/sub/deeper", true, true},
        FolderCase{"SubEntryLeavesSiblingWithSamePrefix", {Folder("/data", true)}, "/data2", false, false},
        FolderCase{
            "SubEntryLeavesFolderContainingItsName", {Folder("/data", true)}, "/home/x/data", false, false},
        FolderCase{"SubEntryLeavesItsParent", {Folder("/data/sub", true)}, "/data", false, false},
        FolderCase{"PlainEntryMatchesItself", {Folder("/data", false)}, "/data", true, false},
        FolderCase{"PlainEntryLeavesFoldersBelow", {Folder("/data", false)}, "/data/sub", false, false},
        FolderCase{"TrailingSlashOnEntry", {Folder("/data/", false)}, "/data", true, false},
        FolderCase{"TrailingSlashOnFolder", {Folder("/data", false)}, "/data/", true, false},
        FolderCase{"TrailingSlashOnBothBelow", {Folder("/data/", true)}, "/data/x/", true, true},
        FolderCase{"AsciiCaseIgnored", {Folder("/Data", true)}, "/DATA/x", true, true},
        FolderCase{"NonAsciiComparedExactly",
                   {Folder("/\xC3\x89t\xC3\xA9", true)},
                   "/\xC3\xA9t\xC3\xA9",
                   false,
                   false},
        FolderCase{"RootWithSubExcludesItself", {Folder("/", true)}, "/", true, true},
        FolderCase{"RootWithSubExcludesEverything", {Folder("/", true)}, "/home/me", true, true},
        FolderCase{"RootWithoutSubExcludesRootOnly", {Folder("/", false)}, "/home", false, false},
        FolderCase{"RecycleBinAlwaysExcluded", {}, "/mnt/c/$RECYCLE.BIN", true, true},
        FolderCase{"RecycleBinInAnyCase", {}, "/mnt/c/$Recycle.Bin/S-1-5", true, true},
        FolderCase{"RecycleBinBeatsPlainEntry",
                   {Folder("/mnt/c/$recycle.bin", false)},
                   "/mnt/c/$recycle.bin",
                   true,
                   true},
        FolderCase{"FirstMatchDecidesSubFalse",
                   {Folder("/data", false), Folder("/data", true)},
                   "/data",
                   true,
                   false},
        FolderCase{
            "FirstMatchDecidesSubTrue", {Folder("/", true), Folder("/data", false)}, "/data", true, true},
        FolderCase{"LaterEntryMatchesWhenFirstDoesNot",
                   {Folder("/other", true), Folder("/data", false)},
                   "/data",
                   true,
                   false},
        FolderCase{"FileEntriesIgnoredForFolders", {File("/data")}, "/data", false, false},
        FolderCase{"EmptyEntryMatchesNothing", {Folder("", true)}, "/home", false, false}),
    [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.label); });

struct FileCase {
  const char* label;
  std::vector<WFileExcludeItem> items;
  std::string path;
  bool excluded;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FileCase& row, std::ostream* out) {
  *out << row.label;
}

class MatchExcludedFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(MatchExcludedFileTest, DecidesTheFile) {
  const auto& row = GetParam();
  EXPECT_EQ(MatchExcludedFile(row.items, row.path), row.excluded);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MatchExcludedFileTest,
    testing::Values(
        FileCase{"SamePath", {File("/data/x.ged")}, "/data/x.ged", true},
        FileCase{"AsciiCaseIgnored", {File("/Data/X.GED")}, "/data/x.ged", true},
        FileCase{"OtherFileInSameFolder", {File("/data/x.ged")}, "/data/y.ged", false},
        FileCase{"LongerNameWithSamePrefix", {File("/data/x.ged")}, "/data/x.ged.bak", false},
        FileCase{"FolderEntriesIgnoredForFiles", {Folder("/data", true)}, "/data/x.ged", false},
        FileCase{"FolderEntryOfSamePathIgnored", {Folder("/data/x.ged", false)}, "/data/x.ged", false}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kinshelf
