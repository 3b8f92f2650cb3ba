// The date-time value of the catalog: days since 30 December 1899, the time of day as the fraction.
#include "platform/DateTime.h"

#include <chrono>
#include <cmath>

namespace kinshelf::platform {

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;
// Days from 1 January 1970 back to 30 December 1899.
constexpr std::int64_t kUnixEpochDays = 25569;

std::int64_t DaysFromCivil(int year, int month, int day) {
  using namespace std::chrono;
  const sys_days date =
      year_month_day(std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                     std::chrono::day(static_cast<unsigned>(day)));
  return date.time_since_epoch().count() + kUnixEpochDays;
}

}  // namespace

double EncodeDateTime(const DateTimeParts& parts) {
  const double days = static_cast<double>(DaysFromCivil(parts.year, parts.month, parts.day));
  const double time = ((parts.hour * 60.0 + parts.minute) * 60.0 + parts.second) * 1000.0 + parts.millisecond;
  // Before the epoch the day is negative but the time of day still runs forward.
  return days >= 0 ? days + time / kMillisecondsPerDay : days - time / kMillisecondsPerDay;
}

DateTimeParts DecodeDateTime(double value) {
  using namespace std::chrono;
  DateTimeParts parts;
  if (!std::isfinite(value) || std::fabs(value) > 3e6) return parts;
  const double whole = std::trunc(value);
  auto milliseconds = static_cast<std::int64_t>(std::llround(std::fabs(value - whole) * kMillisecondsPerDay));
  auto days = static_cast<std::int64_t>(whole);
  if (milliseconds >= 86400000) {
    milliseconds -= 86400000;
    days += value < 0 ? -1 : 1;
  }
  const year_month_day date{sys_days{std::chrono::days{days - kUnixEpochDays}}};
  parts.year = static_cast<int>(date.year());
  parts.month = static_cast<int>(static_cast<unsigned>(date.month()));
  parts.day = static_cast<int>(static_cast<unsigned>(date.day()));
  parts.hour = static_cast<int>(milliseconds / 3600000);
  parts.minute = static_cast<int>(milliseconds / 60000 % 60);
  parts.second = static_cast<int>(milliseconds / 1000 % 60);
  parts.millisecond = static_cast<int>(milliseconds % 1000);
  return parts;
}

double LocalDateTimeFromUnix(std::int64_t seconds, long nanoseconds) {
  const std::time_t moment = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&moment, &local) == nullptr) return 0;
  DateTimeParts parts;
  parts.year = local.tm_year + 1900;
  parts.month = local.tm_mon + 1;
  parts.day = local.tm_mday;
  parts.hour = local.tm_hour;
  parts.minute = local.tm_min;
  parts.second = local.tm_sec > 59 ? 59 : local.tm_sec;
  parts.millisecond = static_cast<int>(nanoseconds / 1000000);
  return EncodeDateTime(parts);
}

double NowLocal() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return LocalDateTimeFromUnix(now.tv_sec, now.tv_nsec);
}

}  // namespace kinshelf::platform
