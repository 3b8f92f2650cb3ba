// Differences between genealogy dates in days and whole years.
#include "model/dates/WDateDiff.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kinshelf {
namespace {

struct DiffRow {
  const char* label;
  const char* first;
  const char* second;
  std::int32_t days;
  const char* years;
};

void PrintTo(const DiffRow& row, std::ostream* out) {
  *out << row.label;
}

class WDateDiffTest : public testing::TestWithParam<DiffRow> {};

TEST_P(WDateDiffTest, Computes) {
  const auto& row = GetParam();
  const WDate first(row.first), second(row.second);
  WDateDiff diff;
  ASSERT_TRUE(diff.Compute(&first, &second));
  EXPECT_EQ(diff.Days(), row.days);
  EXPECT_EQ(diff.YearsText(), row.years);
  WDateDiff swapped;
  ASSERT_TRUE(swapped.Compute(&second, &first));
  EXPECT_EQ(swapped.Days(), row.days);
  EXPECT_EQ(swapped.YearsText(), row.years);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, WDateDiffTest,
    testing::Values(DiffRow{"ExactCountsDaysBetween", "1 JAN 1900", "1 JAN 1901", 364, "1"},
                    DiffRow{"AnniversaryCountsTheFullYear", "1 JAN 1900", "1 JAN 1950", 18261, "50"},
                    DiffRow{"DayBeforeAnniversary", "2 JAN 1900", "1 JAN 1950", 18260, "49"},
                    DiffRow{"LeapDayBirthBeforeMarch", "29 FEB 1904", "28 FEB 1905", 364, "0"},
                    DiffRow{"YearsCountBothEnds", "1900", "1901", 366, "~1"},
                    DiffRow{"MonthsOnBothSidesCountToTheMonth", "JAN 1900", "MAR 1900", 60, "~0"},
                    DiffRow{"MonthOnOneSideCountsToTheYear", "JAN 1900", "1901", 366, "~1"},
                    DiffRow{"QualifierMakesAnEstimate", "ABT 1 JAN 1900", "1 JAN 1950", 18263, "~50"},
                    DiffRow{"RangeMakesAnEstimate", "1 JAN 1900 TO 1905", "1 JAN 1950", 18263, "~50"},
                    DiffRow{"SameDayIsMinusOne", "5 MAY 1900", "5 MAY 1900", -1, "0"},
                    DiffRow{"WidestSpanFits", "1 1 1", "12 31 65535", 23936164, "65534"}),
    [](const testing::TestParamInfo<DiffRow>& info) { return std::string(info.param.label); });

TEST(WDateDiffUnusableTest, MissingEmptyOrTextOnlyDatesGiveNoDifference) {
  const WDate date("1 JAN 1900"), empty(""), text("FOO 1900");
  WDateDiff diff;
  ASSERT_TRUE(diff.Compute(&date, &date));
  EXPECT_FALSE(diff.Compute(&date, nullptr));
  EXPECT_EQ(diff.Days(), 0);
  EXPECT_FALSE(diff.Exact());
  EXPECT_FALSE(diff.Compute(&empty, &date));
  EXPECT_FALSE(diff.Compute(&date, &text));
}

}  // namespace
}  // namespace kinshelf
