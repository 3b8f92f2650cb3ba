// The meaning of a date phrase's tokens: an opening keyword, a first part, a keyword between the
// parts and a second part.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/dates/DateTokens.h"
#include "model/dates/WDate.h"

namespace kinshelf {

struct DatePhrase {
  std::uint8_t qualifier = 0;
  std::uint8_t secondQualifier = 0;
  DateRec first;
  DateRec second;
  // A word that is no keyword, calendar escape or month of its calendar, or a number too large for
  // its 16-bit field, was met, or the phrase reads as no date; the parts hold what was read.
  bool textOnly = false;
};

// Reads a part from the tokens: a calendar escape; then three numeric tokens as month, day and year,
// or two as month and year, when they are a month of 1 to 12 and a day of 1 to 31; else tokens one
// by one up to a keyword, numbers of 32 to 2999 and years with a dual part being years, smaller ones
// days and then months, other words months of the part's calendar. A token that would set an
// element a second time ends the part and starts the next one. Tokens left after the second part,
// or a part with a day but no month, make the phrase text-only.
DatePhrase InterpretDateTokens(const DateTokens& tokens);

// The day, month and year of a part of a simple date (0 when absent).
struct SimplePart {
  std::uint16_t day = 0;
  std::uint16_t month = 0;
  std::uint16_t year = 0;
};

// The elements of a simple date: a keyword's code (0 without one), its first part, and for a range
// the code of the keyword between the parts and the second part.
struct SimpleDate {
  std::uint8_t qualifier = 0;
  std::uint8_t secondQualifier = 0;
  SimplePart first;
  SimplePart second;
};

// The elements of a text of the common forms "YEAR", "MONTH YEAR" and "DAY MONTH YEAR", each with or
// without a keyword before it, or two of them as "BET part AND part" or "FROM part TO part", with
// single spaces between the words, read without splitting it into tokens: exactly what
// InterpretDateTokens gives for the tokens of the text upper-cased (ASCII letters). Nothing for any
// other text.
std::optional<SimpleDate> ReadSimpleDate(std::string_view text);

// The phrase of such a text: ReadSimpleDate's elements as its parts.
std::optional<DatePhrase> InterpretSimpleDate(std::string_view text);

}  // namespace kinshelf
