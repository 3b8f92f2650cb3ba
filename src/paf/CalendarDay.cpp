// A day of the calendar that PAF 5 counts by Julian Day Number.
#include "paf/CalendarDay.h"

namespace kinshelf {

namespace {

// 15 October 1582, the first day of the Gregorian calendar.
constexpr std::int64_t kFirstGregorianDay = 2299161;

// The day count with the Gregorian leap days dropped since the Julian epoch put back in.
std::int64_t JulianCount(std::int64_t jdn) {
  if (jdn < kFirstGregorianDay) return jdn;
  // trunc((J - 1867216.25) / 36524.25), scaled by 4 to stay in integers.
  const std::int64_t centuries = (4 * jdn - 7468865) / 146097;
  return jdn + 1 + centuries - centuries / 4;
}

}  // namespace

CalendarDay CalendarDay::FromJulianDay(std::uint32_t jdn) {
  const std::int64_t b = JulianCount(jdn) + 1524;
  // The quotients by 365.25, 36525 and 30.6001 of the classic method, as exact fractions: none of
  // them is ever an integer the floating-point form could miss, so both truncate alike.
  const std::int64_t c = (20 * b - 2442) / 7305;
  const std::int64_t d = 1461 * c / 4;
  const std::int64_t e = 10000 * (b - d) / 306001;
  CalendarDay day;
  day.day = static_cast<int>(b - d - 306001 * e / 10000);
  day.month = static_cast<int>(e < 14 ? e - 1 : e <= 15 ? e - 13 : 1);
  day.year = static_cast<std::int32_t>(day.month > 2 ? c - 4716 : c - 4715);
  return day;
}

}  // namespace kinshelf
