// Decodes the packed dates of PAF records into genealogy dates.
#include "paf/WPafDate.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "paf/ByteCursor.h"
#include "paf/CalendarDay.h"
#include "paf/PafDateFormat.h"

namespace kinshelf {

namespace {

// What a packed date decodes to: nothing, a text (a status word or a linked text), or parts.
struct Decoded {
  enum class Kind { kEmpty, kText, kParts };
  Kind kind = Kind::kEmpty;
  DateRec first;
  DateRec second;
  int qualifier = 0;
  std::string text;

  static Decoded Text(std::string text) { return {Kind::kText, {}, {}, 0, std::move(text)}; }
};

template <std::size_t N>
int QualifierOf(const std::array<int, N>& table, unsigned code) {
  return code < table.size() ? table[code] : 0;
}

std::optional<std::string_view> ShortStatusWordOf(std::uint32_t value) {
  const auto found = std::find_if(paf::kShortStatusWords.begin(), paf::kShortStatusWords.end(),
                                  [value](const paf::ShortStatusWord& word) { return word.value == value; });
  if (found == paf::kShortStatusWords.end()) return std::nullopt;
  return found->text;
}

// The year, month and day of the words W0 and W1. A month field beyond 12 names no month.
DateRec ShortFirstPart(std::uint16_t w0, std::uint16_t w1) {
  DateRec part;
  part.year = static_cast<std::uint16_t>(w0 >> 3 & 0x1FFF);
  const auto month = static_cast<std::uint16_t>(w1 >> 3 & 0x1F);
  part.month = month <= 12 ? month : 0;
  part.day = static_cast<std::uint16_t>(w1 >> 11 & 0x1F);
  part.valid = true;
  return part;
}

// The second year of a dual year (1750/1751); none without a first year to add the offset to.
DateRec DualYearPart(const DateRec& first, std::uint8_t offset) {
  DateRec part;
  if (offset == 0 || first.year == 0) return part;
  part.year = static_cast<std::uint16_t>(first.year + offset);
  part.valid = true;
  return part;
}

// A day-number part. Astronomical year 0 is 1 BC, as -1 is 2 BC. An omitted element stays 0, and an
// omitted year carries no BC flag. The valid flag stays clear.
DateRec DayNumberPart(ByteCursor part) {
  // A part is five bytes, so these reads cannot fail.
  part.Skip(1);
  const unsigned omitted = part.ReadU8().value_or(0);
  const CalendarDay day = CalendarDay::FromJulianDay(part.ReadU24().value_or(0));
  DateRec decoded;
  if ((omitted & paf::kNoYear) == 0) {
    decoded.bc = day.year <= 0;
    decoded.year = static_cast<std::uint16_t>(decoded.bc ? 1 - day.year : day.year);
  }
  if ((omitted & paf::kNoMonth) == 0) decoded.month = static_cast<std::uint16_t>(day.month);
  if ((omitted & paf::kNoDay) == 0) decoded.day = static_cast<std::uint16_t>(day.day);
  return decoded;
}

// A text-link part makes the date text-only. A link that gives no text keeps a text the other part
// gave, so an unset second link does not wipe the first one's text.
void ReadTextLink(ByteCursor part, const PafTextSource* texts, Decoded& date) {
  date.kind = Decoded::Kind::kText;
  if (texts == nullptr) return;
  if (auto linked = texts->TextAt(part.ReadI32().value_or(0))) date.text = std::move(*linked);
}

void DecodePart(ByteCursor part, unsigned encoding, const PafTextSource* texts, DateRec& into,
                Decoded& date) {
  if (encoding == paf::kEncodingDayNumber) into = DayNumberPart(part);
  if (encoding == paf::kEncodingTextLink) ReadTextLink(part, texts, date);
}

bool HoldsParts(unsigned kind) {
  return kind == paf::kKindSingle || kind == paf::kKindTwoParts || kind == paf::kKindTwoPartsAlike;
}

Decoded StatusDate(unsigned code) {
  if (code < 1 || code > paf::kLongStatusWords.size()) return {};
  return Decoded::Text(std::string(paf::kLongStatusWords[code - 1]));
}

Decoded DecodePaf34(std::span<const unsigned char> bytes) {
  ByteCursor cursor(bytes);
  const auto w0 = cursor.ReadU16();
  const auto rest = cursor.ReadU32();
  if (!w0 || !rest) return {};
  if (const auto word = ShortStatusWordOf(*rest)) return Decoded::Text(std::string(*word));
  Decoded date{Decoded::Kind::kParts,
               ShortFirstPart(*w0, static_cast<std::uint16_t>(*rest)),
               {},
               QualifierOf(paf::kShortQualifiers, *rest >> 16 & 0xFF),
               {}};
  date.second = DualYearPart(date.first, static_cast<std::uint8_t>(*rest >> 24));
  return date;
}

// Decoded into `date`, which starts empty: a date is decoded for every line of a listing, and a
// Decoded returned by value would move its three strings.
void DecodePaf5(std::span<const unsigned char> bytes, const PafTextSource* texts, Decoded& date) {
  ByteCursor cursor(bytes);
  const auto head = cursor.ReadU8();
  const auto code = cursor.ReadU8();
  const auto firstPart = cursor.Take(paf::kLongDatePartSize);
  const auto secondPart = cursor.Take(paf::kLongDatePartSize);
  if (!head || !code || !firstPart || !secondPart) return;
  const unsigned kind = *head & paf::kKindMask;
  if (kind == paf::kKindStatus) {
    date = StatusDate(*code);
    return;
  }
  if (!HoldsParts(kind)) return;
  date.kind = Decoded::Kind::kParts;
  date.qualifier = QualifierOf(paf::kLongQualifiers, *code);
  DecodePart(*firstPart, *head >> paf::kFirstEncodingShift & paf::kEncodingMask, texts, date.first, date);
  if (kind != paf::kKindSingle) {
    DecodePart(*secondPart, *head >> paf::kSecondEncodingShift & paf::kEncodingMask, texts, date.second,
               date);
  }
}

WDate DateOf(Decoded&& date) {
  switch (date.kind) {
    case Decoded::Kind::kEmpty:
      return WDate("");
    case Decoded::Kind::kText:
      return WDate::FromParts(date.first, date.second, date.qualifier, 0, std::move(date.text), true);
    case Decoded::Kind::kParts:
      break;
  }
  return WDate::FromShownParts(date.first, date.second, date.qualifier);
}

std::string TextOf(Decoded&& date) {
  if (date.kind == Decoded::Kind::kParts)
    return WDate::ShownPartsText(date.first, date.second, date.qualifier);
  return std::move(date.text);
}

}  // namespace

WDate WPafDate::FromPaf34(std::span<const unsigned char> bytes) {
  return DateOf(DecodePaf34(bytes));
}

WDate WPafDate::FromPaf5(std::span<const unsigned char> bytes, const PafTextSource* texts) {
  Decoded date;
  DecodePaf5(bytes, texts, date);
  return DateOf(std::move(date));
}

std::string WPafDate::TextOfPaf34(std::span<const unsigned char> bytes) {
  return TextOf(DecodePaf34(bytes));
}

std::string WPafDate::TextOfPaf5(std::span<const unsigned char> bytes, const PafTextSource* texts) {
  Decoded date;
  DecodePaf5(bytes, texts, date);
  return TextOf(std::move(date));
}

}  // namespace kinshelf
