// The lines offered when excluding a catalogued file, what each chosen line means, and entry lines.
#include "catalog/exclusions/ExcludeChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kinshelf {
namespace {

using Lines = std::vector<std::string>;

TEST(ExcludeChoiceTest, FileInNestedFolderOffersEachFolderThenTheFile) {
  const Lines lines = ExcludeChoices("/home/me/tree.ged");
  EXPECT_EQ(lines, (Lines{"/*.*", "/home/*.*", "/home/me/*.*", "/home/me/tree.ged"}));
  EXPECT_EQ(ExcludeChoiceResult(lines[0]), "/");
  EXPECT_EQ(ExcludeChoiceResult(lines[1]), "/home");
  EXPECT_EQ(ExcludeChoiceResult(lines[2]), "/home/me");
  EXPECT_EQ(ExcludeChoiceResult(lines[3]), "/home/me/tree.ged");
}

TEST(ExcludeChoiceTest, FileInRootOffersRootThenTheFile) {
  const Lines lines = ExcludeChoices("/tree.ged");
  EXPECT_EQ(lines, (Lines{"/*.*", "/tree.ged"}));
  EXPECT_EQ(ExcludeChoiceResult(lines[0]), "/");
  EXPECT_EQ(ExcludeChoiceResult(lines[1]), "/tree.ged");
}

TEST(ExcludeChoiceTest, StarDotStarInsideNamesIsNotAFolderLine) {
  const Lines lines = ExcludeChoices("/x*.*y/a*.*b.ged");
  EXPECT_EQ(lines, (Lines{"/*.*", "/x*.*y/*.*", "/x*.*y/a*.*b.ged"}));
  EXPECT_EQ(ExcludeChoiceResult(lines[1]), "/x*.*y");
  EXPECT_EQ(ExcludeChoiceResult(lines[2]), "/x*.*y/a*.*b.ged");
}

TEST(ExcludeChoiceTest, EntryLinesNameTheKindAndSubfolders) {
  EXPECT_EQ(ExcludeEntryLine({true, "/data", true}), "Path: /data (+ sub directories)");
  EXPECT_EQ(ExcludeEntryLine({true, "/data", false}), "Path: /data");
  EXPECT_EQ(ExcludeEntryLine({false, "/data/x.ged", false}), "File: /data/x.ged");
}

}  // namespace
}  // namespace kinshelf
