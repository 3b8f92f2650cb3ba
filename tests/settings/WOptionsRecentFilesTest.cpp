// The recent-files list File1 ... File10: newest first, no entry twice, the oldest dropping off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/WOptions.h"

namespace kinshelf {
namespace {

using List = std::vector<std::string>;

opt::General Slot(int n) {
  return static_cast<opt::General>(opt::File1 + n - 1);
}

void Fill(WOptions& options, const List& entries) {
  for (int n = 1; n <= 10; ++n) {
    options.SetString(Slot(n), n <= static_cast<int>(entries.size()) ? entries[n - 1] : "");
  }
}

List Recent(const WOptions& options) {
  List entries;
  for (int n = 1; n <= 10; ++n) entries.push_back(options.GetString(Slot(n)));
  return entries;
}

const List kTen = {"/f/1", "/f/2", "/f/3", "/f/4", "/f/5", "/f/6", "/f/7", "/f/8", "/f/9", "/f/10"};

TEST(WOptionsRecentFilesTest, PathAlreadyThirdMovesToTheHeadAndTheTailStays) {
  WOptions options;
  Fill(options, kTen);
  options.AddRecentFile("/f/3");
  EXPECT_EQ(Recent(options),
            List({"/f/3", "/f/1", "/f/2", "/f/4", "/f/5", "/f/6", "/f/7", "/f/8", "/f/9", "/f/10"}));
}

TEST(WOptionsRecentFilesTest, NewPathPushesTheOldestOff) {
  WOptions options;
  Fill(options, kTen);
  options.AddRecentFile("/new");
  EXPECT_EQ(Recent(options),
            List({"/new", "/f/1", "/f/2", "/f/3", "/f/4", "/f/5", "/f/6", "/f/7", "/f/8", "/f/9"}));
}

TEST(WOptionsRecentFilesTest, PathsAtEitherEndOfTheList) {
  WOptions options;
  Fill(options, kTen);
  options.AddRecentFile("/f/1");
  EXPECT_EQ(Recent(options), kTen);
  options.AddRecentFile("/f/10");
  EXPECT_EQ(Recent(options),
            List({"/f/10", "/f/1", "/f/2", "/f/3", "/f/4", "/f/5", "/f/6", "/f/7", "/f/8", "/f/9"}));
}

TEST(WOptionsRecentFilesTest, EqualAfterAsciiUpperCasingTakesTheNewSpelling) {
  WOptions options;
  Fill(options, {"/f/a", "/Home/Tree.ged", "/f/é"});
  options.AddRecentFile("/HOME/tree.GED");
  EXPECT_EQ(Recent(options), List({"/HOME/tree.GED", "/f/a", "/f/é", "", "", "", "", "", "", ""}));
  // Only ASCII letters are folded: "é" and "É" are different paths.
  options.AddRecentFile("/F/É");
  EXPECT_EQ(Recent(options), List({"/F/É", "/HOME/tree.GED", "/f/a", "/f/é", "", "", "", "", "", ""}));
}

TEST(WOptionsRecentFilesTest, ShortListGrowsAndKeepsItsGaps) {
  WOptions options;
  options.AddRecentFile("/a");
  options.AddRecentFile("/b");
  options.AddRecentFile("/a");
  EXPECT_EQ(Recent(options), List({"/a", "/b", "", "", "", "", "", "", "", ""}));
}

// A hand-edited file can hold the same path many times; the walk then runs past the head of the
// list, where it must find nothing rather than the setting stored before File1.
TEST(WOptionsRecentFilesTest, ListFullOfOnePathNeverReachesAboveTheHead) {
  WOptions options;
  options.SetString(opt::SrcCol8, "column");
  Fill(options, List(10, "/x"));
  options.AddRecentFile("/X");
  EXPECT_EQ(Recent(options), List({"/X", "", "", "", "", "/x", "/x", "/x", "/x", "/x"}));
}

TEST(WOptionsRecentFilesTest, PathsTheFileCannotHoldAreNotRemembered) {
  WOptions options;
  Fill(options, kTen);
  options.AddRecentFile("");
  options.AddRecentFile("/two\nlines.ged");
  EXPECT_EQ(Recent(options), kTen);
}

}  // namespace
}  // namespace kinshelf
