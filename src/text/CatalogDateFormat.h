// Catalog dates for display in the user's chosen layout, and catalog dates from Unix times.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kinshelf {

// "Jan" ... "Dec" for 1 ... 12, empty for any other number. The view points at static text.
std::string_view MonthAbbrev(int month);

// A catalog date-time value (days since 30 December 1899, the time of day as the fraction) as text.
// format picks the layout of the date, shown for 30 August 2001 with separator "-":
//   1 "30 Aug 2001"   2 "Aug 30, 2001"   3 "08-30-2001"   4 "30-08-2001"   5 "2001 Aug 30"   6 "2001-08-30"
// and any other number gives no date. separator is "/" for 1, "-" for 2, "." for 3, " " for 4 and "/"
// for anything else; layouts 1, 2 and 5 do not use it. timeMode 1 appends " hh:nn:ss am" or " ... pm"
// (midnight is 12 am, noon 12 pm), 2 appends " hh:nn:ss" on the 24-hour clock, others append nothing.
// Day, month, hours, minutes and seconds have two digits; the year as many as it needs.
std::string FormatCatalogDate(int format, int separator, int timeMode, double value);

// The catalog date of a Unix time in seconds, without its time of day: 0 (no date) for 0, else
// 1 January 1970 plus seconds / 86400 whole days. The division truncates toward zero, so a negative
// time less than a day before 1970 still gives 1 January 1970.
double DateFromUnixSeconds(std::int64_t seconds);

}  // namespace kinshelf
