// The difference between two genealogy dates.
#include "model/dates/WDateDiff.h"

#include <cstdlib>

namespace kinshelf {

namespace {

bool Usable(const WDate* date) {
  return date != nullptr && date->IsValid() && date->IsStandard();
}

// Years from the earlier date to the later one, less one when the later one's month and day come
// before the earlier one's: 29 Feb 1904 to 28 Feb 1905 is no year yet.
int CalendarYears(const WDate& earlier, const WDate& later) {
  const bool beforeAnniversary =
      later.Month() < earlier.Month() || (later.Month() == earlier.Month() && later.Day() < earlier.Day());
  return later.Year() - earlier.Year() - (beforeAnniversary ? 1 : 0);
}

bool ExactPair(const WDate& first, const WDate& second) {
  return first.Day() != 0 && second.Day() != 0 && first.Qualifier() == 0 && second.Qualifier() == 0 &&
         !first.IsRange() && !second.IsRange();
}

}  // namespace

bool WDateDiff::Compute(const WDate* first, const WDate* second) {
  days_ = 0;
  exact_ = false;
  calendarYears_ = 0;
  if (!Usable(first) || !Usable(second)) return false;
  exact_ = ExactPair(*first, *second);
  const int precision = exact_ ? 2 : (first->Month() != 0 && second->Month() != 0 ? 1 : 0);
  const std::int64_t span = std::llabs(first->DayNumber(precision) - second->DayNumber(precision));
  // Day numbers of 16-bit years stay below 24 million, so the count fits in 32 bits.
  days_ = static_cast<std::int32_t>(exact_ ? span - 1 : span + 1);
  if (exact_) {
    const bool firstEarlier = first->DayNumber(2) <= second->DayNumber(2);
    calendarYears_ = firstEarlier ? CalendarYears(*first, *second) : CalendarYears(*second, *first);
  }
  return true;
}

// Whole years of 365.25 days: days / 365.25 computed as 4 * days / 1461, exact in integers.
int WDateDiff::Years() const {
  if (exact_) return calendarYears_;
  return static_cast<int>(std::llabs(static_cast<std::int64_t>(days_)) * 4 / 1461);
}

std::string WDateDiff::YearsText() const {
  std::string text = exact_ ? "" : "~";
  return text += std::to_string(Years());
}

}  // namespace kinshelf
