// The words of a date phrase.
#include "model/dates/DateWords.h"

#include <algorithm>
#include <array>

#include "platform/HashedKeys.h"

namespace kinshelf {

namespace {

constexpr std::array kQualifierWords{
    DateWord{"BEF", kQualifierBefore},      DateWord{"BEF.", kQualifierBefore},
    DateWord{"BEFO", kQualifierBefore},     DateWord{"AFT", kQualifierAfter},
    DateWord{"AFT.", kQualifierAfter},      DateWord{"AFTE", kQualifierAfter},
    DateWord{"BET", kQualifierBetween},     DateWord{"BET.", kQualifierBetween},
    DateWord{"BETW", kQualifierBetween},    DateWord{"FROM", kQualifierFrom},
    DateWord{"TO", kQualifierTo},           DateWord{"ABT", kQualifierAbout},
    DateWord{"ABT.", kQualifierAbout},      DateWord{"ABOU", kQualifierAbout},
    DateWord{"AROU", kQualifierAbout},      DateWord{"SAY", kQualifierAbout},
    DateWord{"EST", kQualifierEstimated},   DateWord{"EST.", kQualifierEstimated},
    DateWord{"CIR", kQualifierCirca},       DateWord{"CIR.", kQualifierCirca},
    DateWord{"CAL", kQualifierCalculated},  DateWord{"CAL.", kQualifierCalculated},
    DateWord{"INT", kQualifierInterpreted}, DateWord{"INT.", kQualifierInterpreted},
    DateWord{"AND", kQualifierAnd},
};

constexpr std::array kCalendarEscapes{
    DateWord{"@#DG", kCalendarGregorian}, DateWord{"@#DJ", kCalendarJulian},
    DateWord{"@#DH", kCalendarHebrew},    DateWord{"@#DF", kCalendarFrench},
    DateWord{"@#DR", kCalendarRoman},     DateWord{"@#DU", kCalendarUnknown},
};

// Three-letter codes first, then the four-letter prefixes of the full names.
constexpr std::array kGregorianMonths{
    DateWord{"JAN", 1},  DateWord{"FEB", 2},   DateWord{"MAR", 3},   DateWord{"APR", 4},
    DateWord{"MAY", 5},  DateWord{"JUN", 6},   DateWord{"JUL", 7},   DateWord{"AUG", 8},
    DateWord{"SEP", 9},  DateWord{"OCT", 10},  DateWord{"NOV", 11},  DateWord{"DEC", 12},
    DateWord{"JANU", 1}, DateWord{"FEBR", 2},  DateWord{"MARC", 3},  DateWord{"APRI", 4},
    DateWord{"MAY", 5},  DateWord{"JUNE", 6},  DateWord{"JULY", 7},  DateWord{"AUGU", 8},
    DateWord{"SEPT", 9}, DateWord{"OCTO", 10}, DateWord{"NOVE", 11}, DateWord{"DECE", 12},
};

constexpr std::array kHebrewMonths{
    DateWord{"TSH", 1},  DateWord{"CSH", 2},  DateWord{"KSL", 3},  DateWord{"TVT", 4}, DateWord{"SHV", 5},
    DateWord{"ADR", 6},  DateWord{"ADS", 7},  DateWord{"NSN", 8},  DateWord{"IYR", 9}, DateWord{"SVN", 10},
    DateWord{"TMZ", 11}, DateWord{"AAV", 12}, DateWord{"ELL", 13},
};

constexpr std::array kFrenchMonths{
    DateWord{"VEND", 1},  DateWord{"BRUM", 2},  DateWord{"FRIM", 3},  DateWord{"NIVO", 4},
    DateWord{"PLUV", 5},  DateWord{"VENT", 6},  DateWord{"GERM", 7},  DateWord{"FLOR", 8},
    DateWord{"PRAI", 9},  DateWord{"MESS", 10}, DateWord{"THER", 11}, DateWord{"FRUC", 12},
    DateWord{"COMP", 13},
};

// Indexed by qualifier code.
constexpr std::array<std::string_view, 12> kQualifierPrefixes{
    "", "Bef ", "Aft ", "Bet ", "From ", "", "Abt ", "Est ", "Cir ", "Cal ", "", "",
};

// The entry whose packed spelling equals the token's first four characters, or nullptr.
const DateWord* Find(std::span<const DateWord> table, std::string_view token) {
  const std::uint32_t packed = PackDateWord(token);
  const auto found =
      std::find_if(table.begin(), table.end(), [packed](const DateWord& w) { return w.packed == packed; });
  return found == table.end() ? nullptr : &*found;
}

// The keyword and month of every date on a listing's lines are looked up: by hash, not by a
// search through the table.
using HashedWords = platform::HashedKeys<int, 7>;

template <std::size_t N>
constexpr HashedWords Hashed(const std::array<DateWord, N>& words) {
  std::array<HashedWords::Entry, N> entries{};
  for (std::size_t i = 0; i < N; ++i) entries[i] = {words[i].packed, words[i].code};
  return HashedWords(entries);
}

constexpr HashedWords kHashedQualifiers = Hashed(kQualifierWords);
constexpr HashedWords kHashedGregorianMonths = Hashed(kGregorianMonths);

}  // namespace

std::span<const DateWord> QualifierWords() {
  return kQualifierWords;
}

std::span<const DateWord> CalendarEscapes() {
  return kCalendarEscapes;
}

std::span<const DateWord> MonthWords(int calendar) {
  switch (calendar) {
    case kCalendarGregorian:
    case kCalendarJulian:
      return kGregorianMonths;
    case kCalendarHebrew:
      return kHebrewMonths;
    case kCalendarFrench:
      return kFrenchMonths;
    default:
      return {};
  }
}

int QualifierCode(std::string_view token) {
  return kHashedQualifiers.Find(PackDateWord(token), 0);
}

int CalendarCode(std::string_view token) {
  const DateWord* word = Find(kCalendarEscapes, token);
  return word == nullptr ? -1 : word->code;
}

int MonthNumber(int calendar, std::string_view token) {
  if (calendar == kCalendarGregorian || calendar == kCalendarJulian)
    return kHashedGregorianMonths.Find(PackDateWord(token), 0);
  const DateWord* word = Find(MonthWords(calendar), token);
  return word == nullptr ? 0 : word->code;
}

std::string_view QualifierPrefix(int qualifier) {
  if (qualifier < 0 || static_cast<std::size_t>(qualifier) >= kQualifierPrefixes.size()) return {};
  return kQualifierPrefixes[static_cast<std::size_t>(qualifier)];
}

}  // namespace kinshelf
