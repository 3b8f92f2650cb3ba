// The words of a date phrase: qualifier keywords, calendar escapes and month words, matched by the
// first four characters of a token packed into one integer, so that matching is an integer compare.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kinshelf {

// The first four bytes of token (all of a shorter one), the first in the highest byte, zero-filled.
constexpr std::uint32_t PackDateWord(std::string_view token) {
  std::uint32_t packed = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const auto byte = i < token.size() ? static_cast<unsigned char>(token[i]) : 0U;
    packed = packed << 8 | byte;
  }
  return packed;
}

// A spelling (four characters at most) and the code it stands for.
struct DateWord {
  constexpr DateWord(std::string_view word, int wordCode)
      : spelling(word), code(static_cast<std::uint8_t>(wordCode)), packed(PackDateWord(word)) {}
  std::string_view spelling;
  std::uint8_t code;
  std::uint32_t packed;
};

inline constexpr int kCalendarGregorian = 0;
inline constexpr int kCalendarJulian = 1;
inline constexpr int kCalendarHebrew = 2;
inline constexpr int kCalendarFrench = 3;
inline constexpr int kCalendarRoman = 4;
inline constexpr int kCalendarUnknown = 5;

inline constexpr int kQualifierBefore = 1;
inline constexpr int kQualifierAfter = 2;
inline constexpr int kQualifierBetween = 3;
inline constexpr int kQualifierFrom = 4;
inline constexpr int kQualifierTo = 5;
inline constexpr int kQualifierAbout = 6;
inline constexpr int kQualifierEstimated = 7;
inline constexpr int kQualifierCirca = 8;
inline constexpr int kQualifierCalculated = 9;
inline constexpr int kQualifierInterpreted = 10;
inline constexpr int kQualifierAnd = 11;

// The tables, fixed for the whole run. Qualifier codes 1 to 11; calendars 0 to 5; months from 1.
std::span<const DateWord> QualifierWords();
std::span<const DateWord> CalendarEscapes();
// Month words of a calendar; none for Roman, unknown and any other number.
std::span<const DateWord> MonthWords(int calendar);

// The code of the word the token's first four characters spell in the table, or 0 when none.
int QualifierCode(std::string_view token);
// The calendar of an escape token, or -1 when the token is none.
int CalendarCode(std::string_view token);
int MonthNumber(int calendar, std::string_view token);

// The text shown before a date with this qualifier ("Bef ", "Abt " ...); empty for codes without one.
std::string_view QualifierPrefix(int qualifier);

}  // namespace kinshelf
