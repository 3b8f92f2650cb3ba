// Julian Day Numbers to calendar days: the known days, and agreement with the classic floating-point
// conversion for every 24-bit day number.
#include "paf/CalendarDay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

namespace kinshelf {
namespace {

struct DayRow {
  const char* label;
  std::uint32_t jdn;
  std::int32_t year;
  int month;
  int day;
};

void PrintTo(const DayRow& row, std::ostream* out) {
  *out << row.label;
}

class CalendarDayTest : public testing::TestWithParam<DayRow> {};

TEST_P(CalendarDayTest, KnownDay) {
  const auto& row = GetParam();
  const CalendarDay day = CalendarDay::FromJulianDay(row.jdn);
  EXPECT_EQ(day.year, row.year);
  EXPECT_EQ(day.month, row.month);
  EXPECT_EQ(day.day, row.day);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CalendarDayTest,
    testing::Values(DayRow{"LastJulianDay", 2299160, 1582, 10, 4},
                    DayRow{"FirstGregorianDay", 2299161, 1582, 10, 15},
                    DayRow{"UnixEpoch", 2440588, 1970, 1, 1}, DayRow{"FirstDayOfYearOne", 1721424, 1, 1, 1},
                    DayRow{"LastDayOfYearZero", 1721423, 0, 12, 31}, DayRow{"JulianEpoch", 0, -4712, 1, 1},
                    DayRow{"Year2000", 2451545, 2000, 1, 1}, DayRow{"LeapDay2000", 2451604, 2000, 2, 29},
                    DayRow{"NoLeapDay1900", 2415079, 1900, 2, 28},
                    DayRow{"CenturyStepIsExact", 2415080, 1900, 3, 1},
                    DayRow{"LargestDayNumber", 0xFFFFFF, 41222, 5, 9}),
    [](const auto& info) { return std::string(info.param.label); });

// The classic method with extended-precision floating point, truncating towards zero.
CalendarDay ClassicDay(std::uint32_t jdn) {
  const long double j = jdn;
  long double a = j;
  if (jdn >= 2299161) {
    const long double alpha = std::trunc((j - 1867216.25L) / 36524.25L);
    a = j + 1 + alpha - std::trunc(alpha / 4);
  }
  const long double b = a + 1524;
  const long double c = std::trunc((b - 122.1L) / 365.25L);
  const long double d = std::trunc(365.25L * c);
  const long double e = std::trunc((b - d) / 30.6001L);
  CalendarDay day;
  day.day = static_cast<int>(std::trunc(b - d - 30.6001L * e + 1.0L));
  const auto ei = static_cast<int>(e);
  day.month = ei < 14 ? ei - 1 : ei <= 15 ? ei - 13 : 1;
  day.year = static_cast<std::int32_t>(day.month > 2 ? c - 4716 : c - 4715);
  return day;
}

TEST(CalendarDayRangeTest, MatchesTheClassicMethodAndStepsOneDayAtATime) {
  CalendarDay previous = CalendarDay::FromJulianDay(0);
  for (std::uint32_t jdn = 1; jdn <= 0xFFFFFF; ++jdn) {
    const CalendarDay day = CalendarDay::FromJulianDay(jdn);
    const CalendarDay classic = ClassicDay(jdn);
    ASSERT_TRUE(day.year == classic.year && day.month == classic.month && day.day == classic.day) << jdn;
    const bool nextDay =
        day.year == previous.year && day.month == previous.month && day.day == previous.day + 1;
    const bool nextMonth =
        day.day == 1 && (day.month == previous.month + 1 ||
                         (day.month == 1 && previous.month == 12 && day.year == previous.year + 1));
    ASSERT_TRUE(nextDay || nextMonth || jdn == 2299161) << jdn;
    previous = day;
  }
}

}  // namespace
}  // namespace kinshelf
