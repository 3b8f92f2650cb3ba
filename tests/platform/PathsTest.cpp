// Splitting, joining and expanding paths.
#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace kinshelf::platform {
namespace {

struct SplitCase {
  const char* label;
  const char* path;
  const char* drive;
  const char* folder;
  const char* base;
  const char* extension;
};

class SplitPathTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, GivesDriveFolderBaseAndExtension) {
  const auto& row = GetParam();
  const PathParts parts = SplitPath(row.path);
  EXPECT_EQ(parts.drive, row.drive);
  EXPECT_EQ(parts.folder, row.folder);
  EXPECT_EQ(parts.baseName, row.base);
  EXPECT_EQ(parts.extension, row.extension);
  // Splitting and joining again gives back the path.
  EXPECT_EQ(JoinPath(JoinPath(parts.drive, parts.folder), parts.baseName + parts.extension), row.path);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitPathTest,
    testing::Values(SplitCase{"Nested", "/home/me/tree.ged", "/", "home/me", "tree", ".ged"},
                    SplitCase{"Root", "/tree.ged", "/", "", "tree", ".ged"},
                    SplitCase{"TwoDots", "/data/tree.ged.ged", "/", "data", "tree.ged", ".ged"},
                    SplitCase{"NoDot", "/data/README", "/", "data", "README", ""},
                    SplitCase{"Punctuation", "/a b/it's, \"x\".ged", "/", "a b", "it's, \"x\"", ".ged"},
                    SplitCase{"DotFile", "/data/.hidden", "/", "data", "", ".hidden"}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.label); });

TEST(PathsTest, JoinAddsOneSeparatorOnly) {
  EXPECT_EQ(JoinPath("/", "a.ged"), "/a.ged");
  EXPECT_EQ(JoinPath("/data", "a.ged"), "/data/a.ged");
  EXPECT_EQ(JoinPath("/data/", "a.ged"), "/data/a.ged");
  EXPECT_EQ(JoinPath("", "a.ged"), "a.ged");
}

TEST(PathsTest, PartsOfAPath) {
  EXPECT_EQ(FileNamePart("/data/a.ged"), "a.ged");
  EXPECT_EQ(FolderPart("/data/a.ged"), "/data");
  EXPECT_EQ(FolderPart("/a.ged"), "/");
  EXPECT_EQ(FolderPart("a.ged"), "");
  EXPECT_EQ(ExtensionPart("a.b.GED"), ".GED");
  EXPECT_EQ(ExtensionPart("README"), "");
  EXPECT_EQ(WithoutTrailingSeparator("/data/"), "/data");
  EXPECT_EQ(WithoutTrailingSeparator("/"), "/");
}

TEST(PathsTest, ExpandRemovesDotsAndDoubledSeparators) {
  EXPECT_EQ(ExpandPath("/data//x/./y/../z.ged"), "/data/x/z.ged");
  EXPECT_EQ(ExpandPath("/.."), "/");
  EXPECT_EQ(ExpandPath("/data/"), "/data");
  const std::string relative = ExpandPath("x.ged");
  EXPECT_EQ(relative.front(), '/');
  EXPECT_EQ(FileNamePart(relative), "x.ged");
}

}  // namespace
}  // namespace kinshelf::platform
