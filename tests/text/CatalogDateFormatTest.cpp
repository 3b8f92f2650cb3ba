// Catalog dates as text in every layout, separator and time mode, and dates from Unix times.
#include "text/CatalogDateFormat.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/DateTime.h"

namespace kinshelf {
namespace {

double At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return platform::EncodeDateTime({year, month, day, hour, minute, second, 0});
}

struct DateCase {
  const char* label;
  int format;
  int separator;
  int timeMode;
  double value;
  const char* expected;
};

// Test listings show the row's label instead of its bytes.
void PrintTo(const DateCase& row, std::ostream* out) {
  *out << row.label;
}

class FormatCatalogDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(FormatCatalogDateTest, Shows) {
  const auto& row = GetParam();
  EXPECT_EQ(FormatCatalogDate(row.format, row.separator, row.timeMode, row.value), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FormatCatalogDateTest,
    testing::Values(DateCase{"DayMonthNameYear", 1, 2, 0, At(2001, 8, 30), "30 Aug 2001"},
                    DateCase{"MonthNameDayYear", 2, 2, 0, At(2001, 8, 30), "Aug 30, 2001"},
                    DateCase{"MonthDayYear", 3, 2, 0, At(2001, 8, 30), "08-30-2001"},
                    DateCase{"DayMonthYear", 4, 2, 0, At(2001, 8, 30), "30-08-2001"},
                    DateCase{"YearMonthNameDay", 5, 2, 0, At(2001, 8, 30), "2001 Aug 30"},
                    DateCase{"YearMonthDay", 6, 2, 0, At(2001, 8, 30), "2001-08-30"},
                    DateCase{"SingleDigitsArePadded", 1, 1, 0, At(2010, 3, 5), "05 Mar 2010"},
                    DateCase{"ShortYearIsNotPadded", 6, 1, 0, At(850, 1, 2), "850/01/02"},
                    DateCase{"UnknownLayoutHasNoDate", 7, 1, 0, At(2001, 8, 30), ""},
                    DateCase{"UnknownLayoutKeepsTime", 0, 1, 2, At(2001, 8, 30, 9, 8, 7), " 09:08:07"}),
    [](const testing::TestParamInfo<DateCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Separators, FormatCatalogDateTest,
                         testing::Values(DateCase{"Slash", 6, 1, 0, At(2001, 8, 30), "2001/08/30"},
                                         DateCase{"Dash", 6, 2, 0, At(2001, 8, 30), "2001-08-30"},
                                         DateCase{"Dot", 6, 3, 0, At(2001, 8, 30), "2001.08.30"},
                                         DateCase{"Space", 6, 4, 0, At(2001, 8, 30), "2001 08 30"},
                                         DateCase{"UnknownIsSlash", 6, 9, 0, At(2001, 8, 30), "2001/08/30"},
                                         DateCase{"ZeroIsSlash", 4, 0, 0, At(2001, 8, 30), "30/08/2001"}),
                         [](const testing::TestParamInfo<DateCase>& info) {
                           return std::string(info.param.label);
                         });

INSTANTIATE_TEST_SUITE_P(
    Times, FormatCatalogDateTest,
    testing::Values(DateCase{"TwentyFourHour", 3, 3, 2, At(2010, 3, 5, 14, 7, 9), "03.05.2010 14:07:09"},
                    DateCase{"MidnightIs12Am", 6, 2, 1, At(2010, 3, 5, 0, 0, 0), "2010-03-05 12:00:00 am"},
                    DateCase{"MorningIsAm", 6, 2, 1, At(2010, 3, 5, 11, 59, 59), "2010-03-05 11:59:59 am"},
                    DateCase{"NoonIs12Pm", 6, 2, 1, At(2010, 3, 5, 12, 0, 0), "2010-03-05 12:00:00 pm"},
                    DateCase{"AfternoonIsPm", 6, 2, 1, At(2010, 3, 5, 13, 5, 0), "2010-03-05 01:05:00 pm"},
                    DateCase{"LastSecondOfDay", 6, 2, 2, At(2010, 3, 5, 23, 59, 59), "2010-03-05 23:59:59"},
                    DateCase{"UnknownModeHasNoTime", 6, 2, 3, At(2010, 3, 5, 14, 7, 9), "2010-03-05"}),
    [](const testing::TestParamInfo<DateCase>& info) { return std::string(info.param.label); });

TEST(CatalogDateFormatTest, MonthAbbrevNamesTheTwelveMonthsOnly) {
  EXPECT_EQ(MonthAbbrev(1), "Jan");
  EXPECT_EQ(MonthAbbrev(5), "May");
  EXPECT_EQ(MonthAbbrev(12), "Dec");
  EXPECT_EQ(MonthAbbrev(0), "");
  EXPECT_EQ(MonthAbbrev(13), "");
  EXPECT_EQ(MonthAbbrev(-1), "");
}

TEST(DateFromUnixSecondsTest, KeepsWholeDaysOnly) {
  const double unixEpoch = At(1970, 1, 1);
  EXPECT_EQ(DateFromUnixSeconds(0), 0.0);
  EXPECT_EQ(DateFromUnixSeconds(1), unixEpoch);
  EXPECT_EQ(DateFromUnixSeconds(86399), unixEpoch);
  EXPECT_EQ(DateFromUnixSeconds(86400), unixEpoch + 1);
  EXPECT_EQ(DateFromUnixSeconds(999'999'999), At(2001, 9, 9));
  // Truncation toward zero: the last second of 1969 still falls on 1 January 1970.
  EXPECT_EQ(DateFromUnixSeconds(-1), unixEpoch);
  EXPECT_EQ(DateFromUnixSeconds(-86400), unixEpoch - 1);
}

}  // namespace
}  // namespace kinshelf
