// The difference between two genealogy dates.
#include "model/dates/WDateDiff.h"

#include <cstdlib>

namespace kinshelf {

namespace {

bool Usable(const WDate* date) {
  return date != nullptr && date->IsValid() && date->IsStandard();
}

bool ExactPair(const WDate& first, const WDate& second) {
  return first.Day() != 0 && second.Day() != 0 && first.Qualifier() == 0 && second.Qualifier() == 0 &&
         !first.IsRange() && !second.IsRange();
}

}  // namespace

bool WDateDiff::Compute(const WDate* first, const WDate* second) {
  days_ = 0;
  exact_ = false;
  if (!Usable(first) || !Usable(second)) return false;
  exact_ = ExactPair(*first, *second);
  const int precision = exact_ ? 2 : (first->Month() != 0 && second->Month() != 0 ? 1 : 0);
  const std::int64_t span = std::llabs(first->DayNumber(precision) - second->DayNumber(precision));
  // Day numbers of 16-bit years stay below 24 million, so the count fits in 32 bits.
  days_ = static_cast<std::int32_t>(exact_ ? span - 1 : span + 1);
  return true;
}

// Whole years of 365.25 days: days / 365.25 computed as 4 * days / 1461, exact in integers.
int WDateDiff::Years() const {
  return static_cast<int>(std::llabs(static_cast<std::int64_t>(days_)) * 4 / 1461);
}

std::string WDateDiff::YearsText() const {
  std::string text = exact_ ? "" : "~";
  return text += std::to_string(Years());
}

}  // namespace kinshelf
