// kinshelf search, exclude and exclusions, end to end in a fresh home.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <thread>

#include "CliTestSupport.h"
#include "catalog/FileKinds.h"

namespace kinshelf::test {
namespace {

class SearchCommandTest : public CliTest {
 protected:
  std::string Tree() const { return home_.Path("tree"); }
};

TEST_F(SearchCommandTest, SearchesTheNamedFolderAndReportsWhatItDid) {
  home_.WriteFile("tree/a.ged", "0 HEAD\n");
  home_.WriteFile("tree/sub/b.PAF", "x");
  home_.WriteFile("tree/.hidden/c.ged", "x");
  home_.WriteFile("tree/notes.txt", "x");
  auto result = Run({"search", "--format", "json", Tree()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(
      result.out.rfind("{\n  \"processed\": 3,\n  \"found\": 2,\n  \"added\": 2,\n  \"updated\": 0,\n"
                       "  \"unchanged\": 0,\n  \"removed\": 0,\n  \"cancelled\": false,\n  \"kinds\": {\n",
                       0),
      0u)
      << result.out;
  EXPECT_NE(result.out.find("\"Gedcom\": 1,"), std::string::npos);
  EXPECT_NE(result.out.find("\"PAF\": 1,"), std::string::npos);
  EXPECT_NE(Run({"list", "--format", "csv"}).out.find(home_.Path("tree/sub/b.PAF")), std::string::npos);

  std::filesystem::remove(home_.Path("tree/a.ged"));
  result = Run({"search", "--keep", Tree()});
  EXPECT_NE(result.out.find("Rows removed:           0\n"), std::string::npos) << result.out;
  result = Run({"search", "--no-keep", Tree()});
  EXPECT_NE(result.out.find("Rows removed:           1\n"), std::string::npos) << result.out;
}

TEST_F(SearchCommandTest, KindsLimitTheSearchAndChangeNoSetting) {
  home_.WriteFile("tree/a.ged", "x");
  home_.WriteFile("tree/b.paf", "x");
  ASSERT_EQ(Run({"search", "--kinds", "paf", "--keep", Tree()}).status, 0);
  const auto counts = Run({"counts", "--format", "json"}).out;
  EXPECT_NE(counts.find("\"Gedcom\": 0,"), std::string::npos) << counts;
  EXPECT_NE(counts.find("\"PAF\": 1,"), std::string::npos) << counts;
  EXPECT_EQ(Run({"settings", "SearchFTGED"}).out, "T\n");
  EXPECT_EQ(Run({"settings", "FileSKeep"}).out, "F\n");
  EXPECT_EQ(Run({"settings", "searchdrives"}).out, "\n");
}

TEST_F(SearchCommandTest, SearchingAFolderLeavesTheRestOfTheCatalog) {
  home_.WriteFile("tree/one/a.ged", "x");
  home_.WriteFile("tree/two/b.ged", "x");
  ASSERT_EQ(Run({"search", Tree()}).status, 0);
  ASSERT_EQ(Run({"bookmark", home_.Path("tree/one/a.ged")}).status, 0);
  const auto result = Run({"search", "--format", "json", home_.Path("tree/two"), home_.Path("tree/two/")});
  EXPECT_NE(result.out.find("\"removed\": 0,"), std::string::npos) << result.out;
  EXPECT_NE(Run({"list", "--format", "csv", "--bookmarked"}).out.find(home_.Path("tree/one/a.ged")),
            std::string::npos);
}

TEST_F(SearchCommandTest, MistakesAreReported) {
  EXPECT_EQ(Run({"search", home_.Path("missing")}).status, 1);
  EXPECT_NE(Run({"search", home_.Path("missing")}).err.find("is not a folder"), std::string::npos);
  EXPECT_EQ(Run({"search", "--keep", "--no-keep", Tree()}).status, 2);
  EXPECT_EQ(Run({"search", "--kinds", "word", Tree()}).status, 2);
}

TEST_F(SearchCommandTest, ListDrivesShowsTheDialogsLines) {
  const auto result = Run({"search", "--list-drives"});
  ASSERT_EQ(result.status, 0);
  EXPECT_NE(result.out.find(" / ("), std::string::npos) << result.out;
  const auto json = Run({"search", "--list-drives", "--format", "json"}).out;
  EXPECT_NE(json.find("\"root\": \"/\""), std::string::npos);
}

}  // namespace
}  // namespace kinshelf::test

namespace kinshelf::test {
namespace {

class ExcludeCommandTest : public CliTest {};

TEST_F(ExcludeCommandTest, ExcludedFileLeavesTheCatalogAndStaysOut) {
  const auto file = home_.WriteFile("tree/a.ged", "x");
  home_.WriteFile("tree/b.ged", "x");
  ASSERT_EQ(Run({"search", home_.Path("tree")}).status, 0);
  auto result = Run({"exclude", file});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Excluded the file " + file + " (1 row removed from the catalog)\n");
  Run({"search", home_.Path("tree")});
  EXPECT_EQ(Run({"list", "--format", "csv"}).out.find("a.ged"), std::string::npos);
  EXPECT_EQ(Run({"exclusions"}).out,
            "#  Entry\n-  " + std::string(6 + file.size(), '-') + "\n1  File: " + file + "\n");
}

TEST_F(ExcludeCommandTest, ExcludedFolderTakesItsTreeButNotItsNeighbour) {
  home_.WriteFile("tree/data/a.ged", "x");
  home_.WriteFile("tree/data/sub/b.ged", "x");
  home_.WriteFile("tree/data2/c.ged", "x");
  ASSERT_EQ(Run({"search", home_.Path("tree")}).status, 0);
  const auto result = Run({"exclude", "--folder", home_.Path("tree/data/")});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Excluded the folder " + home_.Path("tree/data") +
                            " and its subfolders (2 rows removed from the catalog)\n");
  Run({"search", home_.Path("tree")});
  const auto listed = Run({"list", "--format", "csv"}).out;
  EXPECT_NE(listed.find("c.ged"), std::string::npos);
  EXPECT_EQ(listed.find("b.ged"), std::string::npos);
  // Searched by name, the excluded folder is still left out, and the search says why.
  const auto named = Run({"search", home_.Path("tree/data/sub")});
  EXPECT_NE(named.err.find(home_.Path("tree/data/sub") + " is on the exclusion list;"), std::string::npos)
      << named.err;
  EXPECT_NE(named.out.find("Genealogy files found:  0\n"), std::string::npos) << named.out;
  Run({"exclude", "--folder", home_.Path("tree/data")});
  EXPECT_EQ(Run({"exclusions", "--format", "json"}).out,
            "[\n  {\n    \"index\": 1,\n    \"is_path\": true,\n    \"path\": \"" + home_.Path("tree/data") +
                "\",\n    \"sub\": true\n  }\n]\n");
}

TEST_F(ExcludeCommandTest, ExclusionsAreEditedInOrder) {
  const auto a = home_.MakeFolder("a");
  const auto b = home_.MakeFolder("b");
  EXPECT_EQ(Run({"exclusions"}).out, "No folders or files are excluded.\n");
  Run({"exclusions", "--add", a});
  auto result = Run({"exclusions", "--add", b, "--no-subfolders"});
  EXPECT_NE(result.out.find("1  Path: " + a + " (+ sub directories)\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("2  Path: " + b + "\n"), std::string::npos) << result.out;
  result = Run({"exclusions", "--remove", "1"});
  EXPECT_NE(result.out.find("1  Path: " + b + "\n"), std::string::npos) << result.out;
  EXPECT_EQ(Run({"exclusions", "--remove", "5"}).status, 1);
  EXPECT_EQ(Run({"exclusions", "--remove", "x"}).status, 2);
  EXPECT_EQ(Run({"exclusions", "--add", home_.Path("missing")}).status, 1);
  EXPECT_EQ(Run({"exclusions", "--no-subfolders"}).status, 2);
  // A call whose last edit fails makes none of them.
  const std::string kept = Run({"exclusions"}).out;
  EXPECT_EQ(Run({"exclusions", "--clear", "--add", home_.Path("missing")}).status, 1);
  EXPECT_EQ(Run({"exclusions", "--remove", "1", "--add", home_.Path("missing")}).status, 1);
  EXPECT_EQ(Run({"exclusions", "--clear", "--remove", "1"}).status, 1);
  EXPECT_EQ(Run({"exclusions"}).out, kept);
  EXPECT_EQ(Run({"exclusions", "--clear"}).out, "No folders or files are excluded.\n");
}

// Edits made at the same moment by commands running together are each made on top of the others.
TEST_F(ExcludeCommandTest, ExclusionsEditedTogetherKeepEveryEntry) {
  ASSERT_EQ(Run({"exclusions"}).status, 0);
  std::vector<std::string> folders;
  for (int n = 0; n < 6; ++n) folders.push_back(home_.MakeFolder("d" + std::to_string(n)));
  std::vector<std::thread> editors;
  for (std::size_t n = 0; n < folders.size(); ++n) {
    const std::vector<std::string> command =
        n % 2 == 0 ? std::vector<std::string>{"exclude", folders[n]}
                   : std::vector<std::string>{"exclusions", "--add", folders[n]};
    editors.emplace_back([this, command] { EXPECT_EQ(Run(command).status, 0) << command[0]; });
  }
  for (std::thread& editor : editors) editor.join();
  const std::string listed = Run({"exclusions"}).out;
  for (const std::string& folder : folders)
    EXPECT_NE(listed.find(folder + " (+"), std::string::npos) << listed;
}

}  // namespace
}  // namespace kinshelf::test

namespace kinshelf::test {
namespace {

struct ExcludeRow {
  const char* rule;
  bool folderOption;
  const char* argument;  // a catalog id, or a path inside the home folder
  int status;
  const char* entry;  // the path of the exclusion entry made, inside the home folder; empty for none
  bool entryIsFolder;
  int rowsLeft;
};

// Catalogued: 1 tree/a.ged, 2 tree/b.ged, 3 tree/sub/c.ged, 4 tree/gone.ged (no longer on the disk);
// on the disk only: tree/loose.ged.
class ExcludeTargetTest : public CliTest, public testing::WithParamInterface<ExcludeRow> {
 protected:
  void SetUp() override {
    const auto store = OpenCatalog();
    for (const char* name : {"a.ged", "b.ged", "sub/c.ged", "gone.ged"}) {
      store->NewFile(home_.WriteFile(std::string("tree/") + name, "x"), FileKind::kGedcom)->SaveToStore();
    }
    std::filesystem::remove(home_.Path("tree/gone.ged"));
    home_.WriteFile("tree/loose.ged", "x");
  }
};

TEST_P(ExcludeTargetTest, ExcludesWhatTheArgumentNamesOrRefusesIt) {
  const ExcludeRow& row = GetParam();
  const std::string argument = std::isdigit(row.argument[0]) ? row.argument : home_.Path(row.argument);
  std::vector<std::string> arguments{"exclude", argument};
  if (row.folderOption) arguments.push_back("--folder");
  const auto result = Run(arguments);
  ASSERT_EQ(result.status, row.status) << result.err;
  if (row.status != 0) {
    EXPECT_NE(result.err.find(row.argument), std::string::npos) << result.err;
  }
  const auto entries = Run({"exclusions", "--format", "json"}).out;
  if (row.entry[0] == '\0') {
    EXPECT_EQ(entries, "[]\n");
  } else {
    EXPECT_NE(entries.find(std::string("\"is_path\": ") + (row.entryIsFolder ? "true" : "false") +
                           ",\n    \"path\": \"" + home_.Path(row.entry) + "\""),
              std::string::npos)
        << entries;
  }
  const auto listed = Run({"list", "--format", "csv"}).out;
  EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 1 + row.rowsLeft) << listed;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ExcludeTargetTest,
    testing::Values(ExcludeRow{"IdNamesThatFile", false, "2", 0, "tree/b.ged", false, 3},
                    ExcludeRow{"ExistingFolderIsAFolder", false, "tree/sub", 0, "tree/sub", true, 3},
                    ExcludeRow{"FileOnTheDiskOnly", false, "tree/loose.ged", 0, "tree/loose.ged", false, 4},
                    ExcludeRow{"CataloguedFileThatIsGone", false, "tree/gone.ged", 0, "tree/gone.ged", false,
                               3},
                    ExcludeRow{"PathNeitherOnDiskNorCatalogued", false, "tree/typo.ged", 1, "", false, 4},
                    ExcludeRow{"NumberThatIsNoRowIsAPath", false, "99", 1, "", false, 4},
                    ExcludeRow{"FolderOptionTakesAGoneFolder", true, "tree/old", 0, "tree/old", true, 4}),
    [](const auto& info) { return std::string(info.param.rule); });

}  // namespace
}  // namespace kinshelf::test
