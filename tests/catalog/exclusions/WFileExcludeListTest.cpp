// The exclusion list as its holders use it: the file it loads and saves, and its 1-based entries.
#include "catalog/exclusions/WFileExcludeList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalog/exclusions/ExcludeXml.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

using Items = std::vector<WFileExcludeItem>;

class WFileExcludeListTest : public testing::Test {
 protected:
  std::string EmptyFile() const { return folder_.WriteFile("Exclude.xml", RenderExcludeXml({})); }

  test::ScratchFolder folder_;
};

std::string ErrorOf(const std::string& fileName) {
  try {
    WFileExcludeList list(fileName);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

TEST_F(WFileExcludeListTest, SaveThenLoadKeepsEntriesInOrder) {
  const std::string file = EmptyFile();
  {
    WFileExcludeList list(file);
    list.AddFolder("/data & \"more\" <old>", true);
    list.AddFile("/home/me/caf\xC3\xA9/\xFF\xFE.ged");
    list.AddFolder("/tmp", false);
    list.Save();
  }
  const WFileExcludeList again(file);
  EXPECT_EQ(again.Items(), (Items{{true, "/data & \"more\" <old>", true},
                                  {false, "/home/me/caf\xC3\xA9/\xFF\xFE.ged", false},
                                  {true, "/tmp", false}}));
}

TEST_F(WFileExcludeListTest, DestructionSavesTheList) {
  const std::string file = EmptyFile();
  { WFileExcludeList(file).AddFolder("/data", true); }
  EXPECT_EQ(WFileExcludeList(file).Count(), 1);
}

// A long-lived holder that only reads the list (a search) must not write its old copy back over
// an entry another program added meanwhile.
TEST_F(WFileExcludeListTest, UnchangedListIsNotWrittenBack) {
  const std::string file = EmptyFile();
  {
    WFileExcludeList reader(file);
    WFileExcludeList editor(file);
    editor.AddFolder("/added", true);
    EXPECT_TRUE(editor.Changed());
    editor.Save();
    EXPECT_FALSE(reader.Changed());
  }
  EXPECT_EQ(WFileExcludeList(file).Items(), (Items{{true, "/added", true}}));
}

// A holder that edits a list another program changed meanwhile makes its edits on the file's entries:
// an entry it removed or edited goes, one it added or edited comes last, the other program's stay.
TEST_F(WFileExcludeListTest, SaveMakesItsEditsOnTheEntriesOfAFileChangedSinceItsLoad) {
  const WFileExcludeItem a{true, "/a", true}, b{true, "/b", false}, c{false, "/c.ged", false},
      d{true, "/d", true}, e{false, "/e.ged", false}, edited{true, "/a2", false};
  const std::string first = RenderExcludeXml(Items{a, b, c});
  const std::string file = folder_.WriteFile("Exclude.xml", first);
  struct Case {
    const char* what;
    void (*edit)(WFileExcludeList&);
    Items saved;
  };
  const Case cases[] = {
      {"remove, edit and add",
       [](WFileExcludeList& list) {
         list.Remove(3);
         *list.Item(1) = {true, "/a2", false};
         list.AddFile("/e.ged");
       },
       Items{d, edited, e}},
      {"remove all", [](WFileExcludeList& list) { list.Clear(); }, Items{d}},
      {"remove what the other removed too", [](WFileExcludeList& list) { list.Remove(2); }, Items{a, c, d}},
      {"add what the other added too", [](WFileExcludeList& list) { list.AddFolder("/d", true); },
       Items{a, c, d}},
  };
  for (const Case& test : cases) {
    folder_.WriteFile("Exclude.xml", first);
    WFileExcludeList holder(file);
    {
      WFileExcludeList other(file);
      other.Remove(2);
      other.AddFolder("/d", true);
      other.Save();
    }
    test.edit(holder);
    holder.Save();
    EXPECT_EQ(WFileExcludeList(file).Items(), test.saved) << test.what;
    EXPECT_EQ(holder.Items(), test.saved) << test.what;
  }
}

// A file damaged since the load is not replaced by the list: the save fails and the file stays.
TEST_F(WFileExcludeListTest, SaveLeavesAFileDamagedSinceTheLoad) {
  const std::string file = EmptyFile();
  WFileExcludeList list(file);
  list.AddFolder("/data", true);
  const std::string damaged = "<Root><Item><Path>/hand/edited";
  folder_.WriteFile("Exclude.xml", damaged);
  EXPECT_THROW(list.Save(), std::runtime_error);
  EXPECT_EQ(test::ReadFile(file), damaged);
}

TEST_F(WFileExcludeListTest, FailedSaveOnDestructionIsDropped) {
  const std::string file = folder_.WriteFile("gone/Exclude.xml", RenderExcludeXml({}));
  EXPECT_NO_THROW({
    WFileExcludeList list(file);
    std::filesystem::remove_all(folder_.Path("gone"));
    EXPECT_THROW(list.Save(), std::runtime_error);
  });
}

TEST_F(WFileExcludeListTest, MissingFileIsAnErrorNamingIt) {
  const std::string file = folder_.Path("none/Exclude.xml");
  const std::string message = ErrorOf(file);
  EXPECT_NE(message.find(file), std::string::npos) << message;
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(WFileExcludeListTest, FolderInPlaceOfTheFileIsAnError) {
  const std::string file = folder_.MakeFolder("Exclude.xml");
  EXPECT_NE(ErrorOf(file).find(file), std::string::npos);
}

TEST_F(WFileExcludeListTest, MalformedFileIsAnErrorNamingItAndLeftAlone) {
  const std::string text = "<?xml version=\"1.0\"?><Root><Item><Path>/a</Path>";
  const std::string file = folder_.WriteFile("Exclude.xml", text);
  const std::string message = ErrorOf(file);
  EXPECT_NE(message.find(file), std::string::npos) << message;
  EXPECT_NE(message.find("offset"), std::string::npos) << message;
  EXPECT_EQ(test::ReadFile(file), text);
}

TEST_F(WFileExcludeListTest, FailedReloadKeepsTheEntries) {
  const std::string file = EmptyFile();
  WFileExcludeList list(file);
  list.AddFile("/a.ged");
  folder_.WriteFile("Exclude.xml", "<Root><Item>");
  EXPECT_THROW(list.Load(), std::runtime_error);
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(WFileExcludeListTest, EnsureFileExistsCreatesFoldersAndAnEmptyList) {
  const std::string file = folder_.Path("a/b/Exclude.xml");
  WFileExcludeList::EnsureFileExists(file);
  EXPECT_EQ(test::ReadFile(file), RenderExcludeXml({}));
  EXPECT_EQ(WFileExcludeList(file).Count(), 0);
}

TEST_F(WFileExcludeListTest, EnsureFileExistsLeavesAnExistingFileAlone) {
  const std::string file = folder_.WriteFile("Exclude.xml", "not even XML");
  WFileExcludeList::EnsureFileExists(file);
  EXPECT_EQ(test::ReadFile(file), "not even XML");
}

TEST_F(WFileExcludeListTest, EntriesAreOneBasedAndOutOfRangeIsHarmless) {
  WFileExcludeList list(EmptyFile());
  list.AddFolder("/a", true);
  list.AddFile("/b.ged");
  list.AddFolder("/c", false);
  EXPECT_EQ(list.Item(0), nullptr);
  EXPECT_EQ(list.Item(4), nullptr);
  ASSERT_NE(list.Item(1), nullptr);
  EXPECT_EQ(list.Item(1)->Path, "/a");
  list.Remove(0);
  list.Remove(4);
  EXPECT_EQ(list.Count(), 3);
  list.Remove(2);
  EXPECT_EQ(list.Items(), (Items{{true, "/a", true}, {true, "/c", false}}));
  list.Item(2)->Sub = true;
  EXPECT_TRUE(list.Items()[1].Sub);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(WFileExcludeListTest, AnswersFromItsEntries) {
  WFileExcludeList list(EmptyFile());
  list.AddFolder("/data", false);
  list.AddFile("/home/me/tree.ged");
  bool sub = true;
  EXPECT_TRUE(list.IsFolderExcluded("/data/", sub));
  EXPECT_FALSE(sub);
  EXPECT_FALSE(list.IsFolderExcluded("/home", sub));
  EXPECT_TRUE(list.IsFolderExcluded("/home/$recycle.bin", sub));
  EXPECT_TRUE(sub);
  EXPECT_TRUE(list.IsFileExcluded("/home/me/TREE.ged"));
  EXPECT_FALSE(list.IsFileExcluded("/data"));
}

}  // namespace
}  // namespace kinshelf
