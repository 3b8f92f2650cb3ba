// The name rules of the file search as tables: masks and reject masks.
#include "catalog/findfile/FileMask.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kinshelf {
namespace {

struct MaskRow {
  const char* label;
  const char* name;
  const char* mask;
  bool matches;
};

// Rows print as their labels in test output.
void PrintTo(const MaskRow& row, std::ostream* out) {
  *out << row.label;
}

class FileMaskTest : public testing::TestWithParam<MaskRow> {};

TEST_P(FileMaskTest, MatchesAsTheRuleSays) {
  const MaskRow& row = GetParam();
  EXPECT_EQ(MaskMatches(row.name, row.mask), row.matches) << row.name << " against " << row.mask;
}

const MaskRow kMaskRows[] = {
    {"StarDotStarTakesNameWithExtension", "tree.ged", "*.*", true},
    {"StarDotStarTakesNameWithoutDot", "README", "*.*", true},
    {"StarDotStarTakesLeadingDotName", ".profile", "*.*", true},
    {"StarDotStarTakesNameEndingInDot", "odd.", "*.*", true},
    {"StarWithoutDotTakesEverything", "a.b.c", "*", true},
    {"ExtensionMaskTakesLastExtension", "backup.tar.ged", "*.ged", true},
    {"ExtensionMaskRejectsOtherExtension", "tree.gedx", "*.ged", false},
    {"ExtensionMaskRejectsNameWithoutDot", "ged", "*.ged", false},
    {"CaseIsIgnored", "TREE.GED", "*.ged", true},
    {"CaseIsIgnoredInMask", "tree.ged", "T*.GED", true},
    {"MaskWithoutDotIgnoresExtension", "abcxyz.txt", "ab*xyz", true},
    {"StarEndsTheMaskPartSoRestIsUnread", "abnothing.txt", "ab*xyz", true},
    {"MaskWithoutDotNeedsItsStart", "xab.txt", "ab*xyz", false},
    {"QuestionTakesOneByte", "tree1.ged", "tree?.ged", true},
    {"QuestionAtEndMayTakeNothing", "tree.ged", "tree?.ged", true},
    {"QuestionInsideNeedsAByte", "te.ged", "t?e.ged", false},
    {"NameEndingFirstNeedsOnlyWildcardsLeft", "tre.ged", "tree.ged", false},
    {"MaskEndingFirstFails", "trees.ged", "tree.ged", false},
    {"LeadingDotMaskIsAllExtension", ".hidden.ged", ".hidden*", false},
    {"DotMaskTakesOnlyNamesWithoutDot", "plain", "*.", true},
    {"DotMaskRejectsNamesWithExtension", "plain.txt", "*.", false},
    {"NonAsciiBytesCompareExactly", "\xC3\xA9t\xC3\xA9.ged", "\xC3\xA9*.ged", true},
    {"NonAsciiBytesAreNotCaseFolded", "\xC3\x89.ged", "\xC3\xA9.ged", false},
};

INSTANTIATE_TEST_SUITE_P(Rows, FileMaskTest, testing::ValuesIn(kMaskRows),
                         [](const auto& info) { return std::string(info.param.label); });

struct RejectMaskRow {
  const char* label;
  const char* rejectMask;
  const char* folder;
  const char* name;
  bool rejected;
};

// Rows print as their labels in test output.
void PrintTo(const RejectMaskRow& row, std::ostream* out) {
  *out << row.label;
}

class FileMaskRejectMaskTest : public testing::TestWithParam<RejectMaskRow> {};

TEST_P(FileMaskRejectMaskTest, RejectsAsTheRuleSays) {
  const RejectMaskRow& row = GetParam();
  EXPECT_EQ(RejectMaskMatches(row.rejectMask, row.folder, row.name), row.rejected)
      << row.rejectMask << " with " << row.folder << row.name;
}

const RejectMaskRow kRejectMaskRows[] = {
    {"MaskAloneRejectsAnywhere", "*.tmp", "/home/me/deep/down/", "x.tmp", true},
    {"MaskAloneKeepsOtherNames", "*.tmp", "/home/me/", "x.ged", false},
    {"FolderAloneRejectsEveryNameInIt", "/home/me/", "/home/me/", "tree.ged", true},
    {"FolderAloneKeepsItsSubfolders", "/home/me/", "/home/me/sub/", "tree.ged", false},
    {"FolderTailMatchesAnyParent", "me/", "/srv/home/me/", "tree.ged", true},
    {"FolderTailIsTextNotWholeName", "me/", "/srv/home/acme/", "tree.ged", true},
    {"FolderTailLongerThanFolderFails", "/a/b/c/", "/b/c/", "tree.ged", false},
    {"FolderTailIgnoresCase", "/Home/ME/", "/home/me/", "tree.ged", true},
    {"FolderAndMaskNeedBoth", "/home/me/*.tmp", "/home/me/", "tree.ged", false},
    {"FolderAndMaskRejectTogether", "/home/me/*.tmp", "/home/me/", "x.TMP", true},
    {"FolderAndMaskNeedTheFolder", "/home/me/*.tmp", "/home/you/", "x.tmp", false},
    {"PlainNameRejectsThatName", "tree.ged", "/x/", "tree.ged", true},
};

INSTANTIATE_TEST_SUITE_P(Rows, FileMaskRejectMaskTest, testing::ValuesIn(kRejectMaskRows),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kinshelf
