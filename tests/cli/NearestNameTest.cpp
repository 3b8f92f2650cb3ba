// The edit distance between names and the nearest of a list, for "did you mean" hints.
#include "cli/NearestName.h"

#include <gtest/gtest.h>

#include <array>

namespace kinshelf::cli {
namespace {

struct DistanceRow {
  const char* rule;
  const char* a;
  const char* b;
  std::size_t distance;
};

class EditDistanceTest : public testing::TestWithParam<DistanceRow> {};

TEST_P(EditDistanceTest, CountsTheSmallestNumberOfEditsEitherWay) {
  const DistanceRow& row = GetParam();
  EXPECT_EQ(EditDistance(row.a, row.b), row.distance);
  EXPECT_EQ(EditDistance(row.b, row.a), row.distance);
}

INSTANTIATE_TEST_SUITE_P(Pairs, EditDistanceTest,
                         testing::Values(DistanceRow{"Same", "DateSep", "DateSep", 0},
                                         DistanceRow{"CaseIgnored", "dateSEP", "DateSep", 0},
                                         DistanceRow{"OneInserted", "DateSp", "DateSep", 1},
                                         DistanceRow{"OneReplaced", "DateSap", "DateSep", 1},
                                         DistanceRow{"TwoSwapped", "DaetSep", "DateSep", 2},
                                         DistanceRow{"EmptyAgainstAName", "", "Dir", 3},
                                         DistanceRow{"NothingInCommon", "abc", "xyz", 3},
                                         DistanceRow{"Classic", "kitten", "sitting", 3}),
                         [](const auto& info) { return std::string(info.param.rule); });

constexpr std::array<std::string_view, 4> kKeys{"DateOpt", "DateSep", "FontZoom", "SideFontZoom"};

struct NearestRow {
  const char* rule;
  const char* name;
  const char* nearest;
};

class NearestNameTest : public testing::TestWithParam<NearestRow> {};

TEST_P(NearestNameTest, PicksTheClosestKeyAndTheFirstOfATie) {
  EXPECT_EQ(NearestName(GetParam().name, kKeys), GetParam().nearest);
}

INSTANTIATE_TEST_SUITE_P(Names, NearestNameTest,
                         testing::Values(NearestRow{"Typo", "FontZom", "FontZoom"},
                                         NearestRow{"LongerKeyWins", "SideFont", "SideFontZoom"},
                                         NearestRow{"TieGoesToTheFirst", "DateXxx", "DateOpt"},
                                         NearestRow{"AnyCase", "DATESEP", "DateSep"}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST(NearestNameEmptyTest, NoCandidatesGiveNothing) {
  EXPECT_EQ(NearestName("DateSep", {}), "");
}

}  // namespace
}  // namespace kinshelf::cli
