// The words of a date phrase.
#include "model/dates/DateWords.h"

#include <algorithm>
#include <array>

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

// A table's spellings in buckets of their own, found by a multiplicative hash of the packed
// spelling: the keyword and month of every date on a listing's lines are looked up, and a search
// through the table would branch on each entry. A spelling written twice has one bucket.
class HashedWords {
 public:
  template <std::size_t N>
  constexpr explicit HashedWords(const std::array<DateWord, N>& words) : multiplier_(Multiplier(words)) {
    for (const DateWord& word : words) {
      Entry& entry = entries_[Bucket(word.packed, multiplier_)];
      if (entry.packed == 0) entry = {word.packed, word.code};
    }
  }

  // The code of the token's spelling, or `missing`.
  int CodeOf(std::string_view token, int missing) const {
    const std::uint32_t packed = PackDateWord(token);
    const Entry& entry = entries_[Bucket(packed, multiplier_)];
    return entry.packed == packed && packed != 0 ? entry.code : missing;
  }

 private:
  static constexpr int kBits = 7;

  struct Entry {
    std::uint32_t packed = 0;
    int code = 0;
  };

  static constexpr std::size_t Bucket(std::uint32_t packed, std::uint32_t multiplier) {
    return (packed * multiplier) >> (32 - kBits);
  }

  // The first odd multiplier from the golden ratio's that gives each spelling a bucket of its own.
  template <std::size_t N>
  static constexpr std::uint32_t Multiplier(const std::array<DateWord, N>& words) {
    for (std::uint32_t multiplier = 0x9E3779B1u;; multiplier += 2) {
      std::array<std::uint32_t, std::size_t{1} << kBits> taken{};
      bool clash = false;
      for (const DateWord& word : words) {
        std::uint32_t& bucket = taken[Bucket(word.packed, multiplier)];
        clash = clash || (bucket != 0 && bucket != word.packed);
        bucket = word.packed;
      }
      if (!clash) return multiplier;
    }
  }

  std::uint32_t multiplier_;
  std::array<Entry, std::size_t{1} << kBits> entries_{};
};

constexpr HashedWords kHashedQualifiers(kQualifierWords);
constexpr HashedWords kHashedGregorianMonths(kGregorianMonths);

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
  return kHashedQualifiers.CodeOf(token, 0);
}

int CalendarCode(std::string_view token) {
  const DateWord* word = Find(kCalendarEscapes, token);
  return word == nullptr ? -1 : word->code;
}

int MonthNumber(int calendar, std::string_view token) {
  if (calendar == kCalendarGregorian || calendar == kCalendarJulian)
    return kHashedGregorianMonths.CodeOf(token, 0);
  const DateWord* word = Find(MonthWords(calendar), token);
  return word == nullptr ? 0 : word->code;
}

std::string_view QualifierPrefix(int qualifier) {
  if (qualifier < 0 || static_cast<std::size_t>(qualifier) >= kQualifierPrefixes.size()) return {};
  return kQualifierPrefixes[static_cast<std::size_t>(qualifier)];
}

}  // namespace kinshelf
