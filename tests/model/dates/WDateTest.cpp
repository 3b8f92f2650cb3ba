// Genealogy dates: phrases read into qualifiers and parts, display texts, day numbers and sort order.
#include "model/dates/WDate.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kinshelf {
namespace {

struct PhraseRow {
  const char* label;
  const char* text;
  const char* display;
  bool standard;
  int qualifier;
  int calendar;
  int day;
  int month;
  int year;
};

void PrintTo(const PhraseRow& row, std::ostream* out) {
  *out << row.label;
}

class WDatePhraseTest : public testing::TestWithParam<PhraseRow> {};

TEST_P(WDatePhraseTest, ReadsAndShows) {
  const auto& row = GetParam();
  const WDate date(row.text);
  EXPECT_TRUE(date.IsValid());
  EXPECT_EQ(date.DisplayText(), row.display);
  EXPECT_EQ(date.IsStandard(), row.standard);
  EXPECT_EQ(date.Qualifier(), row.qualifier);
  EXPECT_EQ(date.FirstPart().calendar, row.calendar);
  EXPECT_EQ(date.Day(), row.day);
  EXPECT_EQ(date.Month(), row.month);
  EXPECT_EQ(date.Year(), row.year);
}

// A listing's shortcut for simple phrases shows what the date read from the same text shows.
TEST_P(WDatePhraseTest, ConvertedTextShowsAsItsDate) {
  const char* text = GetParam().text;
  EXPECT_EQ(WDate::ConvertedDisplayText(text), WDate::FromConvertedText(text).DisplayText());
  const std::string lower = "abt " + std::string(text);
  EXPECT_EQ(WDate::ConvertedDisplayText(lower), WDate::FromConvertedText(lower).DisplayText());
}

std::string Label(const testing::TestParamInfo<PhraseRow>& info) {
  return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, WDatePhraseTest,
    testing::Values(
        PhraseRow{"AboutYear", "ABT 1850", "Abt 1850", true, 6, 0, 0, 0, 1850},
        PhraseRow{"LongKeywordByPrefix", "BEFORE 1 JAN 1900", "Bef 1 Jan 1900", true, 1, 0, 1, 1, 1900},
        PhraseRow{"BetweenYears", "BET 1900 AND 1905", "Bet 1900 and 1905", true, 3, 0, 0, 0, 1900},
        PhraseRow{"FromToYears", "FROM 1900 TO 1905", "From 1900 to 1905", true, 4, 0, 0, 0, 1900},
        PhraseRow{"ToAloneGivesSecondYear", "1 JAN 1900 TO 1905", "1 Jan 1900/1905", true, 0, 0, 1, 1, 1900},
        PhraseRow{"DayMonthYearLayout", "12/03/1950", "12 Mar 1950", true, 0, 0, 12, 3, 1950},
        PhraseRow{"MonthYearLayout", "03/1950", "Mar 1950", true, 0, 0, 0, 3, 1950},
        PhraseRow{"MonthYearLayoutBadMonth", "13/1950", "13/1950", false, 0, 0, 0, 0, 0},
        PhraseRow{"NumbersAreMonthDayYear", "3 12 1950", "12 Mar 1950", true, 0, 0, 12, 3, 1950},
        PhraseRow{"YearInAngleBrackets", "<1820>", "1820", true, 0, 0, 0, 0, 1820},
        PhraseRow{"MonthWordFirst", "JULY 4 1776", "4 Jul 1776", true, 0, 0, 4, 7, 1776},
        PhraseRow{"FourLetterMonthWithDot", "SEPT. 1900", "Sep 1900", true, 0, 0, 0, 9, 1900},
        PhraseRow{"ThreeLetterMonthWithDotIsText", "SEP. 1900", "SEP. 1900", false, 0, 0, 0, 0, 0},
        PhraseRow{"JulianEscape", "@#DJULIAN@ 3 MAR 1700", "3 Mar 1700", true, 0, 1, 3, 3, 1700},
        PhraseRow{"UnknownWordIsText", "FOO 1900", "FOO 1900", false, 0, 0, 0, 0, 0},
        PhraseRow{"LowerCaseTodayIsText", "today", "today", false, 0, 0, 0, 0, 0},
        PhraseRow{"LowerCaseSimpleDate", "int 3 feb 1900", "3 Feb 1900", true, 10, 0, 3, 2, 1900},
        PhraseRow{"SimpleDateOfTwoWords", "DEC 1900", "Dec 1900", true, 0, 0, 0, 12, 1900}),
    Label);

INSTANTIATE_TEST_SUITE_P(
    PartRules, WDatePhraseTest,
    testing::Values(
        PhraseRow{"TwoYearsLayout", "1750/1751", "1750/1751", true, 0, 0, 0, 0, 1750},
        PhraseRow{"ShortDayMonthYearLayout", "1.2.1950", "1 Feb 1950", true, 0, 0, 1, 2, 1950},
        PhraseRow{"NumbersAreMonthYear", "3 1950", "Mar 1950", true, 0, 0, 0, 3, 1950},
        PhraseRow{"SmallNumberAfterMonthIsYear", "JAN 5 12", "5 Jan 12", true, 0, 0, 5, 1, 12},
        PhraseRow{"SecondYearStartsSecondPart", "JAN 1900 1905", "Jan 1900/1905", true, 0, 0, 0, 1, 1900},
        PhraseRow{"FullSecondPartAfterDash", "1 JAN 1900 2 FEB 1901", "1 Jan 1900-2 Feb 1901", true, 0, 0, 1,
                  1, 1900},
        PhraseRow{"NoMonthFirstReadsDayFirst", "13 1 1950", "13 Jan 1950", true, 0, 0, 13, 1, 1950},
        PhraseRow{"HiddenQualifiers", "INT 1900", "1900", true, 10, 0, 0, 0, 1900},
        PhraseRow{"YearBelow3000", "JAN 2999", "Jan 2999", true, 0, 0, 0, 1, 2999},
        PhraseRow{"Number3000MustBeMonthWord", "JAN 3000", "JAN 3000", false, 0, 0, 0, 1, 0},
        PhraseRow{"MonthOfOtherCalendarIsText", "@#DHEBREW@ 1 JAN 1900", "@#DHEBREW@ 1 JAN 1900", false, 0, 2,
                  1, 0, 0},
        PhraseRow{"HebrewMonth", "@#DHEBREW@ 1 TSH 2", "1 Jan 2", true, 0, 2, 1, 1, 2},
        PhraseRow{"TextShownAsWrittenAfterAnsel", "\342e 1900", "\xC3\xA9 1900", false, 0, 0, 0, 0, 0},
        PhraseRow{"OnlySeparatorsIsText", " / - ", " / - ", false, 0, 0, 0, 0, 0}),
    Label);

// Years written with their dual part count as the first year and show as written; a phrase the
// rules cannot place is shown as written, never as another date.
INSTANTIATE_TEST_SUITE_P(
    WrittenDates, WDatePhraseTest,
    testing::Values(
        PhraseRow{"DualYear", "1716/17", "1716/17", true, 0, 0, 0, 0, 1716},
        PhraseRow{"DualYearOfOneDigit", "11 MAR 1850/1", "11 Mar 1850/1", true, 0, 0, 11, 3, 1850},
        PhraseRow{"AboutDualYear", "ABT 1750/51", "Abt 1750/51", true, 6, 0, 0, 0, 1750},
        PhraseRow{"DualYearOfFourDigits", "ABT 1750/1751", "Abt 1750/1751", true, 6, 0, 0, 0, 1750},
        PhraseRow{"BetweenDualYears", "BET 5 APR 1712/13 AND 28 SEP 1714/15",
                  "Bet 5 Apr 1712/13 and 28 Sep 1714/15", true, 3, 0, 5, 4, 1712},
        PhraseRow{"DualYearAfterNumbers", "3 12 1712/13", "12 Mar 1712/13", true, 0, 0, 12, 3, 1712},
        PhraseRow{"YearsAroundADash", "BET. 1830 - 1871", "Bet 1830 and 1871", true, 3, 0, 0, 0, 1830},
        PhraseRow{"YearsJoinedByADash", "1850-1860", "1850/1860", true, 0, 0, 0, 0, 1850},
        PhraseRow{"SlashBeforeNoYearIsNoDualYear", "1716/17X", "1716/17X", false, 0, 0, 0, 0, 1716},
        PhraseRow{"DayWithoutMonthIsText", "1950 5", "1950 5", false, 0, 0, 5, 0, 1950},
        PhraseRow{"CommaIsText", "Feb 2, 1850", "Feb 2, 1850", false, 0, 0, 0, 2, 0},
        PhraseRow{"WordsAfterBothPartsAreText", "BET 1830 AND 1840 AND 1850", "BET 1830 AND 1840 AND 1850",
                  false, 3, 0, 0, 0, 1830}),
    Label);

// A year or other number beyond 16 bits must not wrap into a different, standard date.
INSTANTIATE_TEST_SUITE_P(
    Limits, WDatePhraseTest,
    testing::Values(PhraseRow{"LargestYear", "12 31 65535", "31 Dec 65535", true, 0, 0, 31, 12, 65535},
                    PhraseRow{"YearAbove16BitsIsText", "1 1 70000", "1 1 70000", false, 0, 0, 0, 0, 0},
                    PhraseRow{"MonthAbove16BitsIsText", "99999 1 1950", "99999 1 1950", false, 0, 0, 0, 0, 0},
                    PhraseRow{"LongYearAfterMonthWordIsText", "1 JAN 70000", "1 JAN 70000", false, 0, 0, 1, 1,
                              0},
                    PhraseRow{"TokensAfterTwoPartsMakeItText", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 FOO",
                              "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 FOO", false, 0, 0, 2, 1, 3}),
    Label);

TEST(WDateTest, NumericRunIsTakenOnlyForARealMonthAndDay) {
  EXPECT_TRUE(WDate("12 31 1950").FirstPart().valid);
  EXPECT_EQ(WDate("13 1 1950").DisplayText(), "13 Jan 1950");
  EXPECT_FALSE(WDate("12 32 1950").IsStandard());
  EXPECT_TRUE(WDate("JAN 1950").FirstPart().valid);
}

TEST(WDateTest, TextOnlyPhraseKeepsItsUpperCasedTextForSorting) {
  const WDate written("\342e 1900");
  EXPECT_EQ(written.StoredText(), "\xC3\x89 1900");
  EXPECT_EQ(written.Compare(&written), 0);
  const WDate lower("private");
  const WDate upper("PRIVATE");
  EXPECT_EQ(lower.Compare(&upper), 0);
}

TEST(WDateTest, EmptyTextIsAnEmptyDate) {
  const WDate empty("");
  const WDate other("1900");
  EXPECT_FALSE(empty.IsValid());
  EXPECT_TRUE(empty.IsStandard());
  EXPECT_EQ(empty.DisplayText(), "");
  EXPECT_EQ(empty.Year() + empty.Month() + empty.Day() + empty.Qualifier(), 0);
  EXPECT_EQ(empty.DayNumber(2), 0);
  EXPECT_EQ(empty.Compare(&other), -2);
  EXPECT_EQ(other.Compare(nullptr), -2);
}

TEST(WDateTest, TodayIsTheGivenLocalDate) {
  const WDate today("TODAY", platform::DateTimeParts{2024, 3, 5});
  EXPECT_EQ(today.StoredText(), "5 MAR 2024");
  EXPECT_EQ(today.DisplayText(), "5 Mar 2024");
  EXPECT_EQ(today.Year() * 10000 + today.Month() * 100 + today.Day(), 20240305);
  EXPECT_FALSE(WDate("TODAY", platform::DateTimeParts{70000, 3, 5}).IsStandard());
  EXPECT_EQ(WDate(" TODAY", platform::DateTimeParts{2024, 3, 5}).StoredText(), " TODAY");
}

TEST(WDateTest, TodayReadsTheClock) {
  const int before = platform::DecodeDateTime(platform::NowLocal()).year;
  const int year = WDate("TODAY").Year();
  EXPECT_GE(year, before);
  EXPECT_LE(year, before + 1);
}

struct PartsRow {
  const char* label;
  DateRec first;
  DateRec second;
  int qualifier;
  const char* display;
};

void PrintTo(const PartsRow& row, std::ostream* out) {
  *out << row.label;
}

class WDatePartsTest : public testing::TestWithParam<PartsRow> {};

TEST_P(WDatePartsTest, Shows) {
  const auto& row = GetParam();
  EXPECT_EQ(WDate::FromParts(row.first, row.second, row.qualifier, 0, "", false).DisplayText(), row.display);
}

INSTANTIATE_TEST_SUITE_P(
    BinaryForms, WDatePartsTest,
    testing::Values(
        PartsRow{"BothBeforeCommonEra", {true, 0, 1, 2, 44}, {true, 0, 0, 0, 43}, 7, "Est 1 Feb 44 BC/43 BC"},
        PartsRow{"SecondBeforeCommonEraOnly", {false, 0, 0, 0, 1}, {true, 0, 0, 0, 0}, 0, "1 BC"},
        PartsRow{"BetweenShowsNoEra", {true, 0, 0, 0, 10}, {true, 0, 0, 0, 5, true}, 3, "Bet 10 and 5"},
        PartsRow{"BetweenWithoutValidSecondPart", {false, 0, 0, 0, 10}, {false, 0, 0, 0, 5}, 3, "Bet 10"},
        PartsRow{"MonthThirteenIsNotShown", {false, 2, 3, 13, 5780}, {}, 0, "3 5780"},
        PartsRow{"UnknownQualifierHasNoPrefix", {false, 0, 0, 0, 1900}, {}, 200, "1900"}),
    [](const testing::TestParamInfo<PartsRow>& info) { return std::string(info.param.label); });

TEST(WDateTest, PartsWithTextOnlyShowTheirText) {
  const WDate date = WDate::FromParts({}, {}, 0, 0, "SUBMITTED", true);
  EXPECT_TRUE(date.IsValid());
  EXPECT_EQ(date.DisplayText(), "SUBMITTED");
}

WDate Day(int year, int month, int day) {
  return WDate::FromParts({false, 0, static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(year), true},
                          {}, 0, 0, "", false);
}

TEST(WDateDayNumberTest, ConsecutiveDaysHaveConsecutiveNumbers) {
  constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int year : {1899, 1900, 1901, 1904, 2000}) {
    std::int64_t previous = Day(year - 1, 12, 31).DayNumber(2);
    for (int month = 1; month <= 12; ++month) {
      const int days = month == 2 && !WDate::IsLeapYear(year) ? 28 : kDaysInMonth[month - 1];
      for (int day = 1; day <= days; ++day) {
        const std::int64_t number = Day(year, month, day).DayNumber(2);
        ASSERT_EQ(number, previous + 1) << year << "-" << month << "-" << day;
        previous = number;
      }
    }
  }
}

TEST(WDateDayNumberTest, CountsFromTheFirstDayOfYearOne) {
  EXPECT_EQ(Day(1, 1, 1).DayNumber(2), 1);
  EXPECT_EQ(Day(2000, 3, 1).DayNumber(2), 730180);
  EXPECT_EQ(Day(65535, 12, 31).DayNumber(2), 23936166);
  EXPECT_EQ(Day(0, 1, 1).DayNumber(0), -365);
  // The leap day counts from March on, whichever part gives the month.
  EXPECT_EQ(WDate("MAR 2000").DayNumber(0) - WDate("2000").DayNumber(0), 1);
  EXPECT_EQ(WDate("1 MAR 2000").DayNumber(1) - WDate("1 MAR 2000").DayNumber(0), 59);
  EXPECT_EQ(WDate("1 MAR 2000").DayNumber(-1), WDate("1 MAR 2000").DayNumber(0));
}

TEST(WDateCompareTest, YearThenMonthThenDayDecide) {
  const std::vector<WDate> sorted{WDate("1 DEC 1899"), WDate("1900"),       WDate("JAN 1900"),
                                  WDate("1 JAN 1900"), WDate("2 JAN 1900"), WDate("FEB 1900")};
  for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
    EXPECT_EQ(sorted[i].Compare(&sorted[i + 1]), -1) << sorted[i].DisplayText();
    EXPECT_EQ(sorted[i + 1].Compare(&sorted[i]), 1) << sorted[i].DisplayText();
  }
}

TEST(WDateCompareTest, QualifiersOrderEqualDates) {
  const WDate before("BEF 1900"), calculated("CAL 1900"), circa("CIR 1900"), estimated("EST 1900");
  const WDate plain("1900"), after("AFT 1900"), about("ABT 1900");
  const std::vector<const WDate*> sorted{&before, &calculated, &circa, &estimated, &plain, &after};
  for (std::size_t i = 0; i + 1 < sorted.size(); ++i) EXPECT_EQ(sorted[i]->Compare(sorted[i + 1]), -1) << i;
  EXPECT_EQ(about.Compare(&plain), -1);
  EXPECT_EQ(about.Compare(&before), 1);
  EXPECT_EQ(about.Compare(&estimated), 0);
  EXPECT_EQ(WDate("FROM 1900").Compare(&before), 0);
}

TEST(WDateCompareTest, SwappingTheDatesNegatesTheResult) {
  for (int mine = 0; mine <= 12; ++mine) {
    for (int theirs = 0; theirs <= 12; ++theirs) {
      const WDate a = WDate::FromParts({false, 0, 0, 0, 1900}, {}, mine, 0, "", false);
      const WDate b = WDate::FromParts({false, 0, 0, 0, 1900}, {}, theirs, 0, "", false);
      EXPECT_EQ(a.Compare(&b), -b.Compare(&a)) << mine << " " << theirs;
    }
  }
}

TEST(WDateCompareTest, TextOnlyDatesSortAfterStandardOnesByUnsignedBytes) {
  const WDate standard("1900"), foo("FOO 1900"), fo("FO"), accented("\342E"), word("ZZZ");
  EXPECT_EQ(foo.Compare(&standard), -1);
  EXPECT_EQ(standard.Compare(&foo), 1);
  EXPECT_EQ(fo.Compare(&foo), -1);
  EXPECT_EQ(accented.Compare(&word), 1);
  EXPECT_EQ(foo.Compare(&foo), 0);
}

}  // namespace
}  // namespace kinshelf
