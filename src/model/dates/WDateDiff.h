// The difference between two genealogy dates in days and whole years, as used for ages.
#pragma once

#include <cstdint>
#include <string>

#include "model/dates/WDate.h"

namespace kinshelf {

class WDateDiff {
 public:
  // Forms the difference of two dates. False (and a count of 0) when either is nullptr, empty or
  // text-only. Two dates with a day, no qualifier and no range are exact: the count is the days
  // strictly between them. Otherwise the count spans both ends, to the month when both have a month
  // and to the year else, and is marked as an estimate.
  bool Compute(const WDate* first, const WDate* second);

  std::int32_t Days() const { return days_; }
  bool Exact() const { return exact_; }
  // Whole years between the dates: for an exact pair the calendar years, so that an anniversary
  // counts its full year; otherwise the day count in years of 365.25 days, truncated.
  int Years() const;
  // Years in decimal, after "~" when the count is not exact.
  std::string YearsText() const;

 private:
  std::int32_t days_ = 0;
  bool exact_ = false;
  int calendarYears_ = 0;  // of an exact pair
};

}  // namespace kinshelf
