// Reading folders: entry types, links that are never followed, devices and files opened by name.
#include "platform/DirectoryReader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>

#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

std::map<std::string, EntryType> ReadAll(DirectoryReader& reader) {
  std::map<std::string, EntryType> entries;
  while (auto entry = reader.Next()) entries[entry->name] = entry->type;
  return entries;
}

TEST(DirectoryReaderTest, ListsEveryEntryWithItsTypeButNotTheDots) {
  test::ScratchFolder folder;
  folder.WriteFile("tree.ged", "x");
  folder.MakeFolder("sub");
  ASSERT_EQ(symlink("tree.ged", folder.Path("link").c_str()), 0);
  ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);
  auto reader = DirectoryReader::OpenPath(folder.Path());
  ASSERT_TRUE(reader.IsOpen());
  const std::map<std::string, EntryType> expected{{"tree.ged", EntryType::kRegular},
                                                  {"sub", EntryType::kDirectory},
                                                  {"link", EntryType::kSymbolicLink},
                                                  {"pipe", EntryType::kOther}};
  EXPECT_EQ(ReadAll(reader), expected);
  EXPECT_FALSE(reader.Next());
}

TEST(DirectoryReaderTest, TypeBitsAgreeWithTheStatusLessReadOnly) {
  test::ScratchFolder folder;
  folder.WriteFile(".hidden", "x");
  folder.MakeFolder("sub");
  ASSERT_EQ(symlink("sub", folder.Path("link").c_str()), 0);
  auto reader = DirectoryReader::OpenPath(folder.Path());
  while (auto entry = reader.Next()) {
    const auto status = reader.StatusOf(entry->name);
    ASSERT_TRUE(status) << entry->name;
    EXPECT_EQ(AttributesFromType(entry->name, entry->type), status->attributes & ~kStatusOnlyAttributes)
        << entry->name;
  }
}

TEST(DirectoryReaderTest, SubfoldersAreNeverOpenedThroughALink) {
  test::ScratchFolder folder;
  folder.WriteFile("sub/inner.ged", "x");
  ASSERT_EQ(symlink("sub", folder.Path("link").c_str()), 0);
  const auto parent = DirectoryReader::OpenPath(folder.Path());
  auto sub = DirectoryReader::OpenSubfolder(parent, "sub");
  ASSERT_TRUE(sub.IsOpen());
  EXPECT_EQ(sub.Next()->name, "inner.ged");
  EXPECT_FALSE(DirectoryReader::OpenSubfolder(parent, "link").IsOpen());
  EXPECT_FALSE(DirectoryReader::OpenSubfolder(parent, "missing").IsOpen());
}

TEST(DirectoryReaderTest, AStartFolderNamedThroughALinkIsOpened) {
  test::ScratchFolder folder;
  folder.WriteFile("sub/inner.ged", "x");
  ASSERT_EQ(symlink("sub", folder.Path("link").c_str()), 0);
  auto reader = DirectoryReader::OpenPath(folder.Path("link"));
  ASSERT_TRUE(reader.IsOpen());
  EXPECT_EQ(reader.Next()->name, "inner.ged");
}

TEST(DirectoryReaderTest, MissingFolderIsClosedAndEmpty) {
  test::ScratchFolder folder;
  auto reader = DirectoryReader::OpenPath(folder.Path("missing"));
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_FALSE(reader.Next());
  EXPECT_FALSE(reader.Mount());
  EXPECT_FALSE(reader.OpenFile("x").IsOpen());
  EXPECT_FALSE(DirectoryReader::OpenPath(folder.WriteFile("file", "x")).IsOpen());
}

TEST(DirectoryReaderTest, MountsOfFolderAndEntriesAgree) {
  test::ScratchFolder folder;
  folder.MakeFolder("sub");
  const auto reader = DirectoryReader::OpenPath(folder.Path());
  ASSERT_TRUE(reader.Mount());
  EXPECT_EQ(reader.MountOf("sub"), reader.Mount());
  EXPECT_FALSE(reader.MountOf("missing"));
  const auto root = DirectoryReader::OpenPath("/");
  EXPECT_NE(root.MountOf("proc"), root.Mount());
}

TEST(DirectoryReaderTest, FilesOpenWithoutFollowingLinksOrBlockingOnFifos) {
  test::ScratchFolder folder;
  folder.WriteFile("tree.ged", "0 HEAD");
  ASSERT_EQ(symlink("tree.ged", folder.Path("link").c_str()), 0);
  ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);
  const auto reader = DirectoryReader::OpenPath(folder.Path());
  const auto file = reader.OpenFile("tree.ged");
  ASSERT_TRUE(file.IsOpen());
  char bytes[6] = {};
  EXPECT_EQ(::read(file.Get(), bytes, sizeof bytes), 6);
  EXPECT_FALSE(reader.OpenFile("link").IsOpen());
  EXPECT_TRUE(reader.OpenFile("pipe").IsOpen());
}

}  // namespace
}  // namespace kinshelf::platform
