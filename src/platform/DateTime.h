// The date-time value of the catalog: days since 30 December 1899, the time of day as the fraction.
#pragma once

#include <cstdint>
#include <ctime>

namespace kinshelf::platform {

struct DateTimeParts {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The value of a calendar date and time (proleptic Gregorian calendar).
double EncodeDateTime(const DateTimeParts& parts);
// The calendar date and time of a value. For values before 30 December 1899 the fraction still
// counts forward from midnight, as the value's sign only belongs to the day.
DateTimeParts DecodeDateTime(double value);
// The value of a moment given in seconds (and nanoseconds) since 1970 UTC, in local time.
double LocalDateTimeFromUnix(std::int64_t seconds, long nanoseconds);
// The current local date and time.
double NowLocal();

}  // namespace kinshelf::platform
