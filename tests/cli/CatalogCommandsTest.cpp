// The commands that change the catalog: bookmark, refresh and export, which replaces no file it
// should not.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestSupport.h"
#include "catalog/FileKinds.h"
#include "catalog/exclusions/WFileExcludeList.h"
#include "catalog/store/WFileStore.h"
#include "settings/WOptions.h"

namespace kinshelf::test {
namespace {

class CatalogCommandsTest : public CliTest {
 protected:
  // Catalogs real files in the home folder, as a search would, and returns their paths.
  std::vector<std::string> CatalogueFiles(const std::vector<std::string>& names) {
    const auto store = OpenCatalog();
    std::vector<std::string> paths;
    for (const auto& name : names) {
      paths.push_back(home_.WriteFile("tree/" + name, "0 HEAD\n"));
      store->NewFile(paths.back(), FileKind::kGedcom)->SaveToStore();
    }
    return paths;
  }
};

TEST_F(CatalogCommandsTest, BookmarkByIdAndPathThenToggle) {
  const auto paths = CatalogueFiles({"a.ged", "b.ged"});
  auto result = Run({"bookmark", "1", paths[1]});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Bookmarked " + paths[0] + "\nBookmarked " + paths[1] + "\n");
  EXPECT_EQ(Run({"list", "--bookmarked", "--format", "csv"}).out.find("b.ged") != std::string::npos, true);
  result = Run({"bookmark", "--toggle", "1"});
  EXPECT_EQ(result.out, "Not bookmarked " + paths[0] + "\n");
  result = Run({"bookmark", "--off", "2"});
  EXPECT_EQ(result.out, "Not bookmarked " + paths[1] + "\n");
  EXPECT_EQ(Run({"list", "--bookmarked", "--format", "json"}).out, "[]\n");
}

// A file's name may hold any byte: what the commands say of it never moves the cursor or recolours
// the terminal.
TEST_F(CatalogCommandsTest, NamesWithControlCharactersAreShownHarmlessly) {
  const auto paths = CatalogueFiles({"red\x1b[31m.ged"});
  const auto marked = Run({"bookmark", paths[0]});
  ASSERT_EQ(marked.status, 0) << marked.err;
  EXPECT_NE(marked.out.find("red^[[31m.ged"), std::string::npos) << marked.out;
  const auto missing = Run({"bookmark", home_.Path("clear\x1b[2J.ged")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("clear^[[2J.ged"), std::string::npos) << missing.err;
  for (const std::string& text : {marked.out, missing.err}) EXPECT_EQ(text.find('\x1b'), std::string::npos);
}

TEST_F(CatalogCommandsTest, UnknownFileChangesNothing) {
  CatalogueFiles({"a.ged"});
  auto result = Run({"bookmark", "1", "/no/such.ged"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("/no/such.ged is not in the catalog"), std::string::npos);
  EXPECT_EQ(Run({"list", "--bookmarked", "--format", "json"}).out, "[]\n");
  result = Run({"bookmark", "7"});
  EXPECT_NE(result.err.find("no catalogued file has the id 7"), std::string::npos);
  EXPECT_EQ(Run({"bookmark"}).status, 2);
  EXPECT_EQ(Run({"bookmark", "--off", "--toggle", "1"}).status, 2);
}

TEST_F(CatalogCommandsTest, RefreshRemovesTheRowsOfDeletedFiles) {
  const auto paths = CatalogueFiles({"a.ged", "b.ged", "c.ged"});
  std::filesystem::remove(paths[1]);
  auto result = Run({"refresh", "--format", "json"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "{\n  \"checked\": 3,\n  \"updated\": 2,\n  \"removed\": 1,\n  \"cancelled\": false\n}\n");
  result = Run({"refresh", "--name", "a"});
  EXPECT_EQ(result.out, "Checked: 1\nUpdated: 0\nRemoved: 0\n");
}

TEST_F(CatalogCommandsTest, ExportWritesTheFilteredListing) {
  const auto paths = CatalogueFiles({"a.ged", "b, c.ged"});
  const std::string file = home_.Path("out.csv");
  const auto result = Run({"export", file, "--name", ","});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Exported 1 file to " + file + "\n");
  const std::string csv = ReadFile(file);
  EXPECT_EQ(csv.rfind("Name,File Type,Size,Modified Date,Full Path\r\n\"b, c.ged\",Gedcom,7,", 0), 0u) << csv;
  EXPECT_EQ(Run({"export"}).status, 2);
  const auto toOutput = Run({"export", "-", "--name", ","});
  ASSERT_EQ(toOutput.status, 0) << toOutput.err;
  EXPECT_EQ(toOutput.out, csv);
  EXPECT_EQ(toOutput.err, "Exported 1 file\n");
  EXPECT_FALSE(std::filesystem::exists(home_.Path("-")));
}

// A name given by mistake never replaces a family file or what Kinshelf keeps, and a name that ends
// in '/' is a folder's.
TEST_F(CatalogCommandsTest, ExportLeavesGenealogyAndOwnFilesAlone) {
  const auto paths = CatalogueFiles({"a.ged"});
  ASSERT_EQ(Run({"settings", "DateOpt", "1"}).status, 0);
  ASSERT_EQ(Run({"exclusions", "--add", home_.MakeFolder("old")}).status, 0);
  const std::string catalog = OpenCatalog()->FileName();
  const std::vector<std::pair<std::string, std::string>> refused{
      {paths[0], " is a genealogy file; it was left unchanged"},
      {catalog, " is one of Kinshelf's own files; it was left unchanged"},
      {WOptions::DefaultPath(), " is one of Kinshelf's own files; it was left unchanged"},
      {WFileExcludeList::DefaultFileName(), " is one of Kinshelf's own files; it was left unchanged"},
      {home_.Path("new") + "/", ": Is a directory"}};
  for (const auto& [target, message] : refused) {
    const std::string before = std::filesystem::exists(target) ? ReadFile(target) : "";
    const auto result = Run({"export", target});
    EXPECT_EQ(result.status, 1) << target;
    EXPECT_NE(result.err.find(target + message), std::string::npos) << result.err;
    EXPECT_EQ(std::filesystem::exists(target) ? ReadFile(target) : "", before) << target;
  }
  EXPECT_FALSE(std::filesystem::exists(home_.Path("new")));
  EXPECT_EQ(Run({"list", "--format", "csv"}).status, 0);
}

}  // namespace
}  // namespace kinshelf::test
