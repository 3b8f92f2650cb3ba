// A genealogy date: a date phrase (ABT 1850, BET 1 JAN 1900 AND 1905, @#DJULIAN@ 3 MAR 1700, 12/03/1950)
// parsed once into a qualifier and up to two date parts, shown in a normalised form, compared for
// sorting and turned into day numbers. A small immutable value; copies may be read from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace kinshelf {

// One part of a date. Zero in day, month or year means the element is absent.
struct DateRec {
  bool bc = false;            // before the common era; only dates built from binary forms set it
  std::uint8_t calendar = 0;  // 0 Gregorian, 1 Julian, 2 Hebrew, 3 French republican, 4 Roman, 5 unknown
  std::uint16_t day = 0, month = 0, year = 0;
  bool valid = false;  // a token was taken into this part
  // The dual part of a year written as 1716/17, as written ("17"); shown after the year, never
  // counted: the year is the first one.
  std::string dualYear{};
};

class WDate {
 public:
  // Parses text at once. "" gives an empty date. The exact text "TODAY" (case-sensitive) gives today's
  // local date. Any other text is upper-cased (ASCII letters), converted from ANSEL to UTF-8 and
  // interpreted; words that are no keyword, calendar escape or month make it text-only. So does
  // anything the rules would read as another date than the one written: a number that does not fit a
  // 16-bit field of DateRec (a year above 65535), a day without a month, or words left over after the
  // second part.
  explicit WDate(std::string_view text);
  // The same with a given "today". A today that is no calendar date with a year of 1 to 65535 makes
  // "TODAY" a text-only date.
  WDate(std::string_view text, const platform::DateTimeParts& today);

  // The same for a text already in its file's own encoding (a GEDCOM file in UTF-8 or ANSI): upper-cased
  // but not converted from ANSEL, whose table would garble its letters.
  static WDate FromConvertedText(std::string_view text);
  // FromConvertedText(text).DisplayText(). A simple phrase ("[keyword] [[day] month] year") is shown
  // without making the date: a listing shows one for most of its lines.
  static std::string ConvertedDisplayText(std::string_view text);

  // A date with the given parts, text and flags, for dates decoded from binary forms. The date is not
  // empty; with textOnly it shows and compares as text.
  static WDate FromParts(const DateRec& first, const DateRec& second, int qualifier, int secondQualifier,
                         std::string text, bool textOnly);

  // A standard date from binary parts whose stored text is the normalised phrase it shows: a packed
  // date has no phrase of its own.
  static WDate FromShownParts(const DateRec& first, const DateRec& second, int qualifier);

  // The phrase as stored (upper-cased and converted), or the text given to FromParts.
  const std::string& StoredText() const { return text_; }
  // The normalised phrase ("Abt 1850", "Bet 1900 and 1905", "1 Jan 1900/1905", "Abt 1750/51"); for a
  // text-only date the phrase as it was written (not upper-cased), for an empty one "".
  std::string DisplayText() const;
  // What DisplayText shows for a date of these parts, as FromShownParts makes it, without making it.
  static std::string ShownPartsText(const DateRec& first, const DateRec& second, int qualifier);

  bool IsValid() const { return !empty_; }
  bool IsStandard() const { return !textOnly_; }
  // Year and month of the first part, or of the second when the first has none. Day of the first part.
  int Year() const;
  int Month() const;
  int Day() const;
  // Codes of the keyword opening the phrase and of the one between its parts; 0 for none.
  // 1 BEF, 2 AFT, 3 BET, 4 FROM, 5 TO, 6 ABT, 7 EST, 8 CIR, 9 CAL, 10 INT, 11 AND.
  int Qualifier() const;
  int SecondQualifier() const;
  // Both parts carry a year.
  bool IsRange() const;
  // Days since the start of year 1 (1 January 1 is day 1 at precision 2): precision 0 counts to the
  // year (and its leap day from March on), 1 adds the first part's month, 2 also its day. Below 0 acts
  // as 0, above 2 as 2. 0 for an empty date.
  std::int64_t DayNumber(int precision) const;
  // Order for sorting: -1, 0 or 1 as this date sorts before, with or after other; -2 when this date is
  // empty or other is nullptr. Standard dates sort before text-only ones.
  int Compare(const WDate* other) const;
  static bool IsLeapYear(int year);

  const DateRec& FirstPart() const { return first_; }
  const DateRec& SecondPart() const { return second_; }

 private:
  WDate() = default;
  void SetToday(const platform::DateTimeParts& today);
  // `fromAnsel`: convert the upper-cased text from ANSEL to UTF-8 before interpreting it.
  void Parse(std::string_view text, bool fromAnsel);
  int CompareStandard(const WDate& other) const;

  std::string text_;
  // A text-only phrase as written, which it shows; empty for other dates.
  std::string written_;
  DateRec first_;
  DateRec second_;
  std::uint8_t qualifier_ = 0;
  std::uint8_t secondQualifier_ = 0;
  bool empty_ = true;
  bool textOnly_ = false;
  bool textShown_ = false;  // the stored text is the display text
};

}  // namespace kinshelf
