// Case folding of UTF-8 texts and the LIKE match built on it.
#include "text/CaseFold.h"

#include <gtest/gtest.h>

namespace kinshelf {
namespace {

struct LikeCase {
  const char* name;
  const char* pattern;
  const char* text;
  bool matches;
};

class LikeFoldedTest : public testing::TestWithParam<LikeCase> {};

TEST_P(LikeFoldedTest, Matches) {
  EXPECT_EQ(LikeFolded(GetParam().pattern, GetParam().text), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LikeFoldedTest,
    testing::Values(LikeCase{"AsciiAnyCase", "%smith%", "The SMITH tree.ged", true},
                    LikeCase{"LettersBeyondAscii", "%m\xC3\xBCller%", "M\xC3\x9CLLER.ged", true},
                    LikeCase{"Greek", "%\xCF\x83%", "\xCE\xA3\xCE\x91.ged", true},
                    LikeCase{"Cyrillic", "\xD0\xB8\xD0\xB2%", "\xD0\x98\xD0\x92\xD0\x90\xD0\x9D.ged", true},
                    LikeCase{"UnderscoreIsOneCharacter", "_\xC3\xA5.ged", "\xC3\x85\xC3\x85.ged", true},
                    LikeCase{"UnderscoreNeedsACharacter", "a_", "a", false},
                    LikeCase{"PercentMayBeEmpty", "%a%%", "a", true},
                    LikeCase{"AnchoredAtBothEnds", "smith", "smiths", false},
                    LikeCase{"BacktracksAfterAPartialMatch", "%aab", "aaab", true},
                    LikeCase{"StrayBytesMatchOnlyThemselves", "%\xFF%", "x\xFFy", true},
                    LikeCase{"StrayByteIsNoLetter", "%\xFF%", "x\xC3\xBFy", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CaseFoldTest, ContainsAndFoldedTexts) {
  EXPECT_TRUE(ContainsFolded("\xC3\x85str\xC3\xB6m /Lind/", "\xC3\xA5STR\xC3\x96M"));
  EXPECT_FALSE(ContainsFolded("Lind", "linden"));
  EXPECT_EQ(FoldedText("A\xC3\x9C\xFFZ"), "a\xC3\xBC\xFFz");
  EXPECT_EQ(FoldCase(U'\u0130'), U'i');
  EXPECT_EQ(FoldCase(U'1'), U'1');
}

}  // namespace
}  // namespace kinshelf
