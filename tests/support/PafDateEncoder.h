// Packs a described date into PAF's binary forms: 6 bytes in PAF 3 and 4, 12 bytes in PAF 5.
#pragma once

#include <cstdint>
#include <string>

#include "support/PafDescription.h"

namespace kinshelf::test {

class PafDateEncoder {
 public:
  // The 6-byte form; `textLink` is the text record of a free-text date (written with word 1).
  // Throws std::invalid_argument for a status word the version has no code for.
  static std::string Six(const PafDescription::Date& date, std::int32_t textLink);
  // The 12-byte form; `textLink` is the text record of a free-text date (a text-link first part).
  static std::string Twelve(const PafDescription::Date& date, std::int32_t textLink);
  // The Julian Day Number of a day: Gregorian from 15 October 1582, Julian before.
  static std::int32_t DayNumber(int year, int month, int day);

 private:
  static std::string DayPart(int year, int month, int day);
};

}  // namespace kinshelf::test
