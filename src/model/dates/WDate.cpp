// A genealogy date.
#include "model/dates/WDate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <compare>
#include <cstdio>
#include <utility>

#include "model/dates/DatePhrase.h"
#include "model/dates/DateTokens.h"
#include "model/dates/DateWords.h"
#include "platform/AsciiCase.h"
#include "text/AnselUtf8.h"
#include "text/CatalogDateFormat.h"

namespace kinshelf {

namespace {

constexpr std::string_view kToday = "TODAY";

constexpr std::array<int, 12> kDaysBeforeMonth{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

int DaysBeforeMonth(int month) {
  return month >= 1 && month <= 12 ? kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] : 0;
}

// Sorting of equal dates by qualifier: row this date's, column the other's; 1 sorts this one after.
// Places: none, BEF, AFT, ABT, EST, CIR, CAL, and any other code (which never decides).
constexpr std::array<std::array<std::int8_t, 8>, 8> kQualifierOrder{{
    {0, 1, -1, 1, 1, 1, 1, 0},
    {-1, 0, -1, -1, -1, -1, -1, 0},
    {1, 1, 0, 1, 1, 1, 1, 0},
    {-1, 1, -1, 0, 0, 0, 0, 0},
    {-1, 1, -1, 0, 0, 1, 1, 0},
    {-1, 1, -1, 0, -1, 0, 1, 0},
    {-1, 1, -1, 0, -1, -1, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0},
}};

std::size_t QualifierPlace(int qualifier) {
  switch (qualifier) {
    case 0:
      return 0;
    case kQualifierBefore:
      return 1;
    case kQualifierAfter:
      return 2;
    case kQualifierAbout:
      return 3;
    case kQualifierEstimated:
      return 4;
    case kQualifierCirca:
      return 5;
    case kQualifierCalculated:
      return 6;
    default:
      return 7;
  }
}

int CompareQualifiers(int mine, int theirs) {
  if (mine == theirs) return 0;
  return kQualifierOrder[QualifierPlace(mine)][QualifierPlace(theirs)];
}

int Sign(std::strong_ordering order) {
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Byte by byte as unsigned values; a prefix sorts first.
int CompareBytes(std::string_view mine, std::string_view theirs) {
  return Sign(std::lexicographical_compare_three_way(
      mine.begin(), mine.end(), theirs.begin(), theirs.end(),
      [](char a, char b) { return static_cast<unsigned char>(a) <=> static_cast<unsigned char>(b); }));
}

// Appends day, month name and year, each when present, one blank apart. Dates are shown for every
// line of a listing, so the elements are laid out in place and appended at once.
void AppendPartText(std::string& text, const DateRec& part) {
  // Two numbers of at most five digits, a month name of three letters and two blanks.
  char laid[24];
  char* end = laid;
  if (part.day != 0) end = std::to_chars(end, end + 5, part.day).ptr;
  const std::string_view month = MonthAbbrev(part.month);
  if (!month.empty()) {
    if (end != laid) *end++ = ' ';
    end = std::copy(month.begin(), month.end(), end);
  }
  if (part.year != 0) {
    if (end != laid) *end++ = ' ';
    end = std::to_chars(end, end + 5, part.year).ptr;
  }
  text.append(laid, end);
  if (part.year != 0 && !part.dualYear.empty()) text.append("/").append(part.dualYear);
}

bool IsCalendarDate(const platform::DateTimeParts& date) {
  return date.year >= 1 && date.year <= 0xFFFF && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= 31;
}

// As "d MMM yyyy", upper-cased.
std::string TodayText(const platform::DateTimeParts& today) {
  std::array<char, 32> buffer{};
  const std::string month = platform::UpperAsciiText(MonthAbbrev(today.month));
  std::snprintf(buffer.data(), buffer.size(), "%d %s %04d", today.day, month.c_str(), today.year);
  return buffer.data();
}

platform::DateTimeParts TodayIfAsked(std::string_view text) {
  return text == kToday ? platform::DecodeDateTime(platform::NowLocal()) : platform::DateTimeParts{};
}

// A part of a simple date laid out as AppendPartText lays it out.
char* PutSimplePart(char* out, const SimplePart& part) {
  if (part.day != 0) {
    out = std::to_chars(out, out + 5, part.day).ptr;
    *out++ = ' ';
  }
  if (part.month != 0) {
    const std::string_view month = MonthAbbrev(part.month);
    out = std::copy(month.begin(), month.end(), out);
    *out++ = ' ';
  }
  return std::to_chars(out, out + 5, part.year).ptr;
}

// A simple date's display text, as ShownPartsText lays out its parts after the keyword's prefix;
// made in place, for it is shown on most lines of a listing.
std::string SimpleDateText(const SimpleDate& date) {
  // A prefix of five bytes at most, two parts of twelve (a day of two digits, a month of three
  // letters, a year of four digits, two blanks) and " and " between them.
  std::array<char, 48> text{};
  const std::string_view prefix = QualifierPrefix(date.qualifier);
  char* end = PutSimplePart(std::copy(prefix.begin(), prefix.end(), text.begin()), date.first);
  if (date.secondQualifier != 0) {
    const std::string_view between = date.qualifier == kQualifierFrom ? " to " : " and ";
    end = PutSimplePart(std::copy(between.begin(), between.end(), end), date.second);
  }
  return std::string(text.data(), end);
}

}  // namespace

WDate::WDate(std::string_view text) : WDate(text, TodayIfAsked(text)) {}

WDate::WDate(std::string_view text, const platform::DateTimeParts& today) {
  if (text.empty()) return;
  empty_ = false;
  if (text == kToday) {
    SetToday(today);
  } else {
    Parse(text, true);
  }
}

WDate WDate::FromParts(const DateRec& first, const DateRec& second, int qualifier, int secondQualifier,
                       std::string text, bool textOnly) {
  WDate date;
  date.first_ = first;
  date.second_ = second;
  date.qualifier_ = static_cast<std::uint8_t>(std::clamp(qualifier, 0, 255));
  date.secondQualifier_ = static_cast<std::uint8_t>(std::clamp(secondQualifier, 0, 255));
  date.text_ = std::move(text);
  date.empty_ = false;
  date.textOnly_ = textOnly;
  return date;
}

WDate WDate::FromShownParts(const DateRec& first, const DateRec& second, int qualifier) {
  WDate date = FromParts(first, second, qualifier, 0, "", false);
  date.text_ = date.DisplayText();
  date.textShown_ = true;
  return date;
}

void WDate::SetToday(const platform::DateTimeParts& today) {
  if (!IsCalendarDate(today)) {
    text_ = kToday;
    textOnly_ = true;
    return;
  }
  text_ = TodayText(today);
  first_.day = static_cast<std::uint16_t>(today.day);
  first_.month = static_cast<std::uint16_t>(today.month);
  first_.year = static_cast<std::uint16_t>(today.year);
  first_.valid = true;
}

WDate WDate::FromConvertedText(std::string_view text) {
  if (text.empty() || text == kToday) return WDate(text);
  WDate date;
  date.empty_ = false;
  date.Parse(text, false);
  return date;
}

std::string WDate::ConvertedDisplayText(std::string_view text) {
  // What DisplayText shows for such a phrase: its parts are without BC or a dual year.
  if (const std::optional<SimpleDate> simple = ReadSimpleDate(text)) return SimpleDateText(*simple);
  return FromConvertedText(text).DisplayText();
}

void WDate::Parse(std::string_view text, bool fromAnsel) {
  text_ = platform::UpperAsciiText(text);
  if (fromAnsel) text_ = AnselToUtf8(text_);
  const std::optional<DatePhrase> simple = InterpretSimpleDate(text_);
  const DatePhrase phrase = simple ? *simple : InterpretDateTokens(DateTokens::Split(text_));
  qualifier_ = phrase.qualifier;
  secondQualifier_ = phrase.secondQualifier;
  first_ = phrase.first;
  second_ = phrase.second;
  textOnly_ = phrase.textOnly;
  if (textOnly_) written_ = fromAnsel ? AnselToUtf8(text) : std::string(text);
}

std::string WDate::DisplayText() const {
  if (textShown_) return text_;
  if (textOnly_ && !written_.empty()) return written_;
  if (empty_ || textOnly_) return text_;
  return ShownPartsText(first_, second_, qualifier_);
}

std::string WDate::ShownPartsText(const DateRec& first, const DateRec& second, int qualifier) {
  std::string shown(QualifierPrefix(qualifier));
  AppendPartText(shown, first);
  if (qualifier == kQualifierBetween || qualifier == kQualifierFrom) {
    if (second.valid) {
      shown += qualifier == kQualifierFrom ? " to " : " and ";
      AppendPartText(shown, second);
    }
    return shown;
  }
  if (first.bc) shown += " BC";
  if (second.day != 0 && second.month != 0 && second.year != 0) {
    shown += '-';
    AppendPartText(shown, second);
  } else if (second.year != 0) {
    shown += '/' + std::to_string(second.year);
  }
  if (second.bc) shown += " BC";
  return shown;
}

int WDate::Year() const {
  return first_.year != 0 ? first_.year : second_.year;
}

int WDate::Month() const {
  return first_.month != 0 ? first_.month : second_.month;
}

int WDate::Day() const {
  return first_.day;
}

int WDate::Qualifier() const {
  return qualifier_;
}

int WDate::SecondQualifier() const {
  return secondQualifier_;
}

bool WDate::IsRange() const {
  return first_.year != 0 && second_.year != 0;
}

std::int64_t WDate::DayNumber(int precision) const {
  if (empty_) return 0;
  const std::int64_t year = Year();
  const std::int64_t before = year - 1;
  std::int64_t days = 365 * before + before / 4 - before / 100 + before / 400;
  if (Month() >= 3 && IsLeapYear(Year())) ++days;
  if (precision >= 1) days += DaysBeforeMonth(first_.month);
  if (precision >= 2) days += first_.day;
  return days;
}

int WDate::Compare(const WDate* other) const {
  if (empty_ || other == nullptr) return -2;
  if (IsStandard() && other->IsStandard()) return CompareStandard(*other);
  if (IsStandard() != other->IsStandard()) return IsStandard() ? 1 : -1;
  // The upper-cased texts, so that the letter case a phrase was written in does not order it.
  return CompareBytes(text_, other->text_);
}

int WDate::CompareStandard(const WDate& other) const {
  const std::array<std::pair<int, int>, 3> elements{
      {{Year(), other.Year()}, {Month(), other.Month()}, {Day(), other.Day()}}};
  for (const auto& [mine, theirs] : elements) {
    if (mine != theirs) return mine > theirs ? 1 : -1;
  }
  return CompareQualifiers(qualifier_, other.qualifier_);
}

bool WDate::IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

}  // namespace kinshelf
