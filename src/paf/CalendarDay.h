// A day of the calendar that PAF 5 counts by Julian Day Number: the Julian calendar up to
// 4 October 1582, the Gregorian from 15 October 1582 on. Years are astronomical: 0 is 1 BC,
// -1 is 2 BC.
#pragma once

#include <cstdint>

namespace kinshelf {

struct CalendarDay {
  std::int32_t year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31

  // The day of Julian Day Number `jdn` (0 is 1 January 4713 BC in the Julian calendar). Exact
  // integer arithmetic; it gives what the classic floating-point conversion gives for every JDN.
  static CalendarDay FromJulianDay(std::uint32_t jdn);
};

}  // namespace kinshelf
