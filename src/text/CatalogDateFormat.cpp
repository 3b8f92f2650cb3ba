// Catalog dates for display in the user's chosen layout, and catalog dates from Unix times.
#include "text/CatalogDateFormat.h"

#include <array>
#include <cstdio>

#include "platform/DateTime.h"

namespace kinshelf {

namespace {

constexpr std::array<std::string_view, 12> kMonthAbbrevs = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Days from 30 December 1899 to 1 January 1970.
constexpr double kUnixEpochDate = 25569;

const char* SeparatorText(int separator) {
  switch (separator) {
    case 2:
      return "-";
    case 3:
      return ".";
    case 4:
      return " ";
    default:
      return "/";
  }
}

// snprintf into a string; every layout here fits easily in the buffer.
template <typename... Args>
std::string Printed(const char* pattern, Args... args) {
  std::array<char, 64> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), pattern, args...);
  return length > 0 ? std::string(buffer.data()) : std::string();
}

std::string DatePart(int format, const char* sep, const platform::DateTimeParts& at) {
  const std::string month(MonthAbbrev(at.month));
  switch (format) {
    case 1:
      return Printed("%.2d %s %d", at.day, month.c_str(), at.year);
    case 2:
      return Printed("%s %.2d, %d", month.c_str(), at.day, at.year);
    case 3:
      return Printed("%.2d%s%.2d%s%d", at.month, sep, at.day, sep, at.year);
    case 4:
      return Printed("%.2d%s%.2d%s%d", at.day, sep, at.month, sep, at.year);
    case 5:
      return Printed("%d %s %.2d", at.year, month.c_str(), at.day);
    case 6:
      return Printed("%d%s%.2d%s%.2d", at.year, sep, at.month, sep, at.day);
    default:
      return {};
  }
}

std::string TimePart(int timeMode, const platform::DateTimeParts& at) {
  if (timeMode == 2) return Printed(" %.2d:%.2d:%.2d", at.hour, at.minute, at.second);
  if (timeMode != 1) return {};
  const int hour12 = at.hour % 12 == 0 ? 12 : at.hour % 12;
  return Printed(" %.2d:%.2d:%.2d %s", hour12, at.minute, at.second, at.hour < 12 ? "am" : "pm");
}

}  // namespace

std::string_view MonthAbbrev(int month) {
  return month >= 1 && month <= 12 ? kMonthAbbrevs[static_cast<std::size_t>(month - 1)] : std::string_view();
}

std::string FormatCatalogDate(int format, int separator, int timeMode, double value) {
  const platform::DateTimeParts at = platform::DecodeDateTime(value);
  return DatePart(format, SeparatorText(separator), at) + TimePart(timeMode, at);
}

double DateFromUnixSeconds(std::int64_t seconds) {
  if (seconds == 0) return 0;
  return kUnixEpochDate + static_cast<double>(seconds / 86400);
}

}  // namespace kinshelf
