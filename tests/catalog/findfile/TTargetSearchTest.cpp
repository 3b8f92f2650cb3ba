// Building a search run from criteria: masks, folder identity, prefixes and the order of targets.
#include "catalog/findfile/TTargetSearch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/Paths.h"

namespace kinshelf {
namespace {

using Masks = std::vector<std::string>;

TEST(FindFileTargets, MasksAreTrimmedDedupedIgnoringCaseAndDefaultToAll) {
  EXPECT_EQ(SplitMasks(""), Masks{"*.*"});
  EXPECT_EQ(SplitMasks(" ; ;"), Masks{"*.*"});
  EXPECT_EQ(SplitMasks(" *.ged ;*.GED;*.paf;  *.ged"), (Masks{"*.ged", "*.paf"}));
}

TEST(FindFileTargets, FolderIdentityIsAbsoluteWithOneTrailingSeparator) {
  EXPECT_EQ(FolderIdentity("/home/me"), "/home/me/");
  EXPECT_EQ(FolderIdentity("/home//me/./x/../"), "/home/me/");
  EXPECT_EQ(FolderIdentity("/"), "/");
  EXPECT_EQ(FolderIdentity("rel"), platform::JoinPath(platform::ExpandPath("."), "rel/"));
}

TEST(FindFileTargets, FolderNamedTwiceIsOneTargetTakingTheLaterSettings) {
  TSearchCriteria criteria;
  criteria.Files.FileName = "*.ged";
  criteria.Files.Location = {"/data/a", "/data/b", "</data/a/", ""};
  const auto run = BuildTargetSearch(criteria);
  ASSERT_EQ(run.Targets.Folders.size(), 2u);
  EXPECT_EQ(run.Targets.Folders[0].Path, "/data/a/");
  EXPECT_FALSE(run.Targets.Folders[0].Recursive);
  EXPECT_EQ(run.Targets.Folders[0].Masks, Masks{"*.ged"});
  EXPECT_EQ(run.Targets.Folders[1].Path, "/data/b/");
  EXPECT_TRUE(run.Targets.Folders[1].Recursive);
}

TEST(FindFileTargets, FoldersDifferingInCaseAreDifferentTargets) {
  TSearchCriteria criteria;
  criteria.Files.Location = {"/data/Trees", "/data/trees"};
  EXPECT_EQ(BuildTargetSearch(criteria).Targets.Folders.size(), 2u);
}

TEST(FindFileTargets, PrefixesOverrideSubfoldersAndLevelsAreCopied) {
  TSearchCriteria criteria;
  criteria.Files.Subfolders = false;
  criteria.Files.MinLevel = 2;
  criteria.Files.MaxLevel = 5;
  criteria.Files.Location = {">/x", "/y"};
  const auto run = BuildTargetSearch(criteria);
  ASSERT_EQ(run.Targets.Folders.size(), 2u);
  EXPECT_TRUE(run.Targets.Folders[0].Recursive);
  EXPECT_FALSE(run.Targets.Folders[1].Recursive);
  EXPECT_EQ(run.Targets.Folders[1].MinLevel, 2);
  EXPECT_EQ(run.Targets.Folders[1].MaxLevel, 5);
}

TEST(FindFileTargets, IncludedEntriesComeFirstAndShareFoldersWithLocations) {
  TSearchCriteria criteria;
  criteria.Files.FileName = "*.paf";
  criteria.Files.Included = {"</data/a/*.ged", "/data/c/"};
  criteria.Files.Location = {"/data/a"};
  const auto run = BuildTargetSearch(criteria);
  ASSERT_EQ(run.Targets.Folders.size(), 2u);
  EXPECT_EQ(run.Targets.Folders[0].Path, "/data/a/");
  EXPECT_EQ(run.Targets.Folders[0].Masks, (Masks{"*.ged", "*.paf"}));
  EXPECT_TRUE(run.Targets.Folders[0].Recursive);
  EXPECT_EQ(run.Targets.Folders[1].Path, "/data/c/");
  EXPECT_EQ(run.Targets.Folders[1].Masks, Masks{"*.*"});
}

TEST(FindFileTargets, AContentPhraseDropsFoldersFromTheSet) {
  TSearchCriteria criteria;
  criteria.Attribute.Attributes |= ffDirectory;
  EXPECT_NE(BuildTargetSearch(criteria).Attribute.Attributes & ffDirectory, 0u);
  criteria.Content.SetPhrase("HEAD");
  EXPECT_EQ(BuildTargetSearch(criteria).Attribute.Attributes & ffDirectory, 0u);
}

TEST(FindFileTargets, EmptyRejectMasksAreDropped) {
  TSearchCriteria criteria;
  criteria.Files.RejectMasks = {"", "*.tmp"};
  EXPECT_EQ(BuildTargetSearch(criteria).Targets.RejectMasks, Masks{"*.tmp"});
}

}  // namespace
}  // namespace kinshelf
