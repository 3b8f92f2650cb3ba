// The packed date forms of the three versions.
#include "support/PafDateEncoder.h"

#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace kinshelf::test {
namespace {

using Date = PafDescription::Date;
using Qualifier = PafDescription::Qualifier;

constexpr std::array<std::pair<std::string_view, int>, 9> kSixStatus{{{"BIC", 104},
                                                                      {"CHILD", 120},
                                                                      {"CLEARED", 128},
                                                                      {"COMPLETED", 136},
                                                                      {"INFANT", 184},
                                                                      {"PRE-1970", 200},
                                                                      {"STILLBORN", 208},
                                                                      {"UNCLEARED", 216},
                                                                      {"SUBMITTED", 232}}};

constexpr std::array<std::string_view, 19> kTwelveStatus{
    "BIC",       "CANCELLED", "CHILD",     "CLEARED",  "COMPLETED",  "DEAD",     "DECEASED",
    "DONE",      "DNS",       "DNSCAN",    "INFANT",   "NOTMARRIED", "PRE-1970", "STILLBORN",
    "SUBMITTED", "UNCLEARED", "QUALIFIED", "DONTDOIT", "INPROCESS"};

int SixQualifier(Qualifier qualifier) {
  switch (qualifier) {
    case Qualifier::kAfter:
      return 1;
    case Qualifier::kBefore:
      return 2;
    case Qualifier::kAbout:
      return 3;
    case Qualifier::kCalculated:
      return 4;
    case Qualifier::kEstimated:
      return 6;
    case Qualifier::kNone:
      break;
  }
  return 0;
}

int TwelveQualifier(Qualifier qualifier) {
  switch (qualifier) {
    case Qualifier::kAbout:
      return 1;
    case Qualifier::kAfter:
      return 2;
    case Qualifier::kBefore:
      return 3;
    case Qualifier::kEstimated:
      return 4;
    case Qualifier::kCalculated:
      return 5;
    case Qualifier::kNone:
      break;
  }
  return 0;
}

int SixStatus(const std::string& word) {
  for (const auto& [text, code] : kSixStatus) {
    if (text == word) return code;
  }
  throw std::invalid_argument("no 6-byte status code for " + word);
}

int TwelveStatus(const std::string& word) {
  for (std::size_t i = 0; i < kTwelveStatus.size(); ++i) {
    if (kTwelveStatus[i] == word) return static_cast<int>(i) + 1;
  }
  throw std::invalid_argument("no 12-byte status code for " + word);
}

void PutLE(std::string& bytes, std::size_t at, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

std::string Raw(const Date& date, std::size_t width) {
  return std::string(reinterpret_cast<const char*>(date.raw->data()), width);
}

}  // namespace

std::string PafDateEncoder::Six(const Date& date, std::int32_t textLink) {
  if (date.raw) return Raw(date, 6);
  std::string bytes(6, '\0');
  switch (date.form) {
    case Date::Form::kDay:
      PutLE(bytes, 0, static_cast<std::uint32_t>(date.year) << 3, 2);
      PutLE(bytes, 2,
            static_cast<std::uint32_t>(date.month) << 3 | static_cast<std::uint32_t>(date.day) << 11, 2);
      bytes[4] = static_cast<char>(SixQualifier(date.qualifier));
      bytes[5] = static_cast<char>(date.dualYears);
      break;
    case Date::Form::kStatus:
      PutLE(bytes, 2, static_cast<std::uint32_t>(SixStatus(date.text)), 4);
      break;
    case Date::Form::kText:
      PutLE(bytes, 0, 1, 2);
      PutLE(bytes, 2, static_cast<std::uint32_t>(textLink), 4);
      break;
    case Date::Form::kNone:
      break;
  }
  return bytes;
}

std::string PafDateEncoder::Twelve(const Date& date, std::int32_t textLink) {
  if (date.raw) return Raw(date, 12);
  std::string bytes(12, '\0');
  switch (date.form) {
    case Date::Form::kDay:
      bytes[0] = static_cast<char>(date.second ? 3 | 1 << 4 | 1 << 6 : 2 | 1 << 4);
      bytes[1] = static_cast<char>(TwelveQualifier(date.qualifier));
      bytes.replace(2, 5, DayPart(date.year, date.month, date.day));
      if (date.second) bytes.replace(7, 5, DayPart((*date.second)[0], (*date.second)[1], (*date.second)[2]));
      break;
    case Date::Form::kStatus:
      bytes[0] = 1;
      bytes[1] = static_cast<char>(TwelveStatus(date.text));
      break;
    case Date::Form::kText:
      bytes[0] = 2 | 2 << 4;
      PutLE(bytes, 2, static_cast<std::uint32_t>(textLink), 4);
      break;
    case Date::Form::kNone:
      break;
  }
  return bytes;
}

// A day-number part; a part not given (0) is counted as 1 (2000 for the year) and flagged.
std::string PafDateEncoder::DayPart(int year, int month, int day) {
  std::string part(5, '\0');
  part[1] = static_cast<char>((year == 0 ? 0x80 : 0) | (month == 0 ? 0x40 : 0) | (day == 0 ? 0x20 : 0));
  PutLE(part, 2,
        static_cast<std::uint32_t>(
            DayNumber(year == 0 ? 2000 : year, month == 0 ? 1 : month, day == 0 ? 1 : day)),
        3);
  return part;
}

std::int32_t PafDateEncoder::DayNumber(int year, int month, int day) {
  const int a = (14 - month) / 12;
  const int y = year + 4800 - a;
  const int m = month + 12 * a - 3;
  const int common = day + (153 * m + 2) / 5 + 365 * y + y / 4;
  const bool gregorian = year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
  return gregorian ? common - y / 100 + y / 400 - 32045 : common - 32083;
}

}  // namespace kinshelf::test
